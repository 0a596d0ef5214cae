#include "projects/ProjectFileDialog.h"

#include "common/mKEMCommon.h"

namespace {

// Without a window to ask (a program or test that installed none), nothing
// is chosen: the opening ends as the dialog's Cancel ends it.
class NoDialog : public IProjectFileDialog {
public:
    void ShowModal(const std::string&, const std::string&) override { oDebug->StatusCode = 8; }
    void Unload() override {}
};

NoDialog gNone;
IProjectFileDialog* gInstalled = nullptr;

}  // namespace

IProjectFileDialog& ProjectFileDialog() { return gInstalled ? *gInstalled : gNone; }

void SetProjectFileDialog(IProjectFileDialog* dialog) {
    gInstalled = dialog;
    gfnUnloadProjectDialog = [] { ProjectFileDialog().Unload(); };
}
