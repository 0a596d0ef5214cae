#include "ProjectFileDialog.h"

#include "AppIdentity.h"
#include "ProjectSelection.h"
#include "UiServices.h"
#include "cProjectFiles.h"
#include "mKEMCommon.h"

namespace {

// Until the dialog with its outline exists, the user is offered every
// component file of the loaded projects at once: Yes opens them all, No
// cancels as the dialog's Cancel does.
class AllFilesStandIn : public IProjectFileDialog {
public:
    void ShowModal(const std::string& caption) override {
        const long offered = oProjectFiles ? OfferedFileCount(*oProjectFiles) : 0;
        if (offered == 0) {
            Ui().MsgBox("No files have been selected\r\nCannot proceed", mb::vbExclamation, app::kTitle);
            oDebug->StatusCode = 8;
            return;
        }
        const std::string prompt = "Single files of a project cannot be chosen yet.\r\n\r\nOpen all " +
                                   std::to_string(offered) + " files that the project offers?";
        if (Ui().MsgBox(prompt, mb::vbYesNo | mb::vbQuestion, caption) != mb::vbYes) {
            oDebug->StatusCode = 8;
            return;
        }
        AppendProjectSelection(*oProjectFiles, [](long, long) { return true; }, *oFile);
    }
    void Unload() override {}
};

AllFilesStandIn gStandIn;
IProjectFileDialog* gInstalled = nullptr;

}  // namespace

IProjectFileDialog& ProjectFileDialog() { return gInstalled ? *gInstalled : gStandIn; }

void SetProjectFileDialog(IProjectFileDialog* dialog) {
    gInstalled = dialog;
    gfnUnloadProjectDialog = [] { ProjectFileDialog().Unload(); };
}
