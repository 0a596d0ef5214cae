// An order changed in the options dialog reaches the engine: the dialog's
// OK saves the lists into the order strings, the settings file is written,
// and a module zelked by the headless driver under that file comes out in
// the new order.
#include <sys/wait.h>

#include <cstdlib>

#include "options/OptionsDialogLogic.h"
#include "OptionsFixture.h"
#include "options/OrderListsPage.h"
#include "settings/mINIHandler.h"
#include "platform/Paths.h"
#include "TestSupport.h"

namespace {

class HiddenView : public IOptionsView {
public:
    void SetupTabs(int, int, const std::vector<std::string>&) override {}
    int TabClick(int tab, double, double) override { return tab; }
    void Hide() override {}
    int FocusedExtensionList() override { return -1; }
    void SetHelpContext(int) override {}
    void SendHelpKey() override {}
};

// Both declarations share scope and type, so that only the order of the
// declaration kinds decides which comes first.
const char* const kModule =
    "Attribute VB_Name = \"Orders\"\r\n"
    "Option Explicit\r\n"
    "Private mlngCount As Long\r\n"
    "Private Const mclngMax As Long = 5\r\n"
    "\r\n"
    "Public Sub Main()\r\n"
    "    mlngCount = 1\r\n"
    "End Sub\r\n";

// Writes the settings as the program does after a changed dialog and zelks
// the module under them; returns the output.
std::string ZelkUnderSavedSettings(const ZelkOptions& options, const std::string& name) {
    sbINIPutInfo(options);
    const std::string work = testsupport::MakeDir(name);
    const std::string settings = paths::Join(work, "settings.ini");
    testsupport::WriteFile(settings, testsupport::ReadFile(paths::Join(testsupport::ConfigDir(), kSettingsFileName)));
    const std::string source = paths::Join(work, "Orders.bas"), out = paths::Join(work, "OUT");
    testsupport::WriteFile(source, kModule);
    const std::string command = testsupport::BuildDir() + "/zelk_headless zelk --settings '" + settings + "' '" +
                                source + "' '" + out + "' '" + paths::Join(work, "LOG") + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    return testsupport::ReadFile(out);
}

TEST_F(OptionsFixture, AnOrderChangedInTheDialogReachesTheEngine) {
    HiddenView view;
    OptionsDialogLogic dlg(view, options);
    dlg.Form_Load();
    dlg.Form_Activate(true);
    dlg.Controls.SetCheck("chkArrangeModule", 1);
    ASSERT_TRUE(dlg.cmdOk_Click());
    const std::string before = ZelkUnderSavedSettings(options, "default-order");
    const size_t constAt = before.find("Private Const mclngMax"), varAt = before.find("Private mlngCount");
    ASSERT_NE(constAt, std::string::npos);
    ASSERT_NE(varAt, std::string::npos);
    EXPECT_LT(constAt, varAt) << before;

    // Variable Declaration (fourth of the kinds) moved above Const.
    dlg.Form_Activate(true);
    dlg.Controls["lstOrderDeclarations_1"].ListIndex = 3;
    imgMove_Click(dlg.Controls, 2);
    imgMove_Click(dlg.Controls, 2);
    ASSERT_TRUE(dlg.cmdOk_Click());
    EXPECT_EQ(options.gsModuleHow, "113427312456");
    const std::string after = ZelkUnderSavedSettings(options, "changed-order");
    EXPECT_LT(after.find("Private mlngCount"), after.find("Private Const mclngMax")) << after;
    EXPECT_NE(after.find("Private Const mclngMax"), std::string::npos);
}

}  // namespace
