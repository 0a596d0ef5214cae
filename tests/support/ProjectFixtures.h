#pragma once
// The project fixtures copied into a test's own folder, with the component
// files that cannot be stored in the source tree put in place, and a
// project dialog that answers as a test scripts it.
#include <filesystem>
#include <string>
#include <vector>

#include "projects/ProjectFileDialog.h"
#include "projects/ProjectSelection.h"
#include "TestSupport.h"
#include "projects/cProjectFiles.h"
#include "common/mKEMCommon.h"

namespace projectfixtures {

// Copies tests/fixtures/projects/<name> into a new folder of the test and
// returns that folder. In the copy of "books", Ledger gets a binary form
// (frmBinary.frm, with NUL bytes), a directory where modLocked.bas should be
// and a link that leads nowhere as ctlDial.ctl: files that exist by name but
// cannot be read, whoever runs the test.
inline std::string Copy(const std::string& name) {
    namespace fs = std::filesystem;
    const std::string dir = testsupport::MakeDir("projects-" + name);
    fs::copy(testsupport::FixturePath("projects/" + name), dir, fs::copy_options::recursive);
    if (name == "books") {
        const std::string ledger = dir + "/Ledger/";
        testsupport::WriteFile(ledger + "frmBinary.frm", std::string("\xfc\x01\x00\x00Form1\x00\x02\x10", 12));
        fs::create_directory(ledger + "modLocked.bas");
        fs::create_symlink(ledger + "nowhere/ctlDial.ctl", ledger + "ctlDial.ctl");
    }
    return dir;
}

}  // namespace projectfixtures

// The project dialog as a test scripts it: OK with the chosen lines ticked
// (every offered file unless told otherwise), or Cancel.
class ScriptedProjectDialog : public IProjectFileDialog {
public:
    bool Cancel = false;
    LineChosen Chosen = [](long, long) { return true; };
    std::vector<std::string> Captions;  // one per showing
    int Unloads = 0;

    ScriptedProjectDialog() { SetProjectFileDialog(this); }
    ~ScriptedProjectDialog() override { SetProjectFileDialog(nullptr); }
    ScriptedProjectDialog(const ScriptedProjectDialog&) = delete;
    ScriptedProjectDialog& operator=(const ScriptedProjectDialog&) = delete;

    void ShowModal(const std::string& caption, const std::string&) override {
        Captions.push_back(caption);
        if (Cancel) {
            oDebug->StatusCode = 8;
            return;
        }
        AppendProjectSelection(*oProjectFiles, Chosen, *oFile);
    }
    void Unload() override { ++Unloads; }
};
