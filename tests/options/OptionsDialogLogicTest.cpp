// The dialog's life cycle: showing, OK, Cancel, the close box, and page
// switching by keys and by mouse, with a recorded stand-in for the window.
#include "common/SharedState.h"
#include "platform/KeyCodes.h"
#include "options/OptionsDialogLogic.h"
#include "OptionsFixture.h"
#include "TestSupport.h"

namespace {

using namespace vbkey;

struct FakeView : IOptionsView {
    int shown = 0;       // the tab on screen
    int hides = 0;
    int focusedList = -1;
    int helpContext = 0;
    int helpKeys = 0;
    int hitTab = 0;      // what a hit test finds
    void SetupTabs(int, int tab, const std::vector<std::string>&) override { shown = tab; }
    int TabClick(int tab, double, double) override {
        const int t = tab >= 1 && tab <= 12 ? tab : hitTab;
        if (t) shown = t;
        return t;
    }
    void Hide() override { ++hides; }
    int FocusedExtensionList() override { return focusedList; }
    void SetHelpContext(int topic) override { helpContext = topic; }
    void SendHelpKey() override { ++helpKeys; }
};

class OptionsDialog : public OptionsFixture {
protected:
    FakeView view;
    OptionsDialogLogic dlg{view, options};
    void Show() {
        dlg.Controls.Visible = true;
        dlg.Form_Activate(true);
    }
};

TEST(OptionsTabs, KeysSelectTabs) {
    const int ctrl = vbCtrlMask, shift = vbShiftMask, alt = vbAltMask;
    struct Case {
        int cur, key, mask, want;
    } cases[] = {
        {12, vbKeyTab, ctrl, 1},          {0, vbKeyTab, ctrl, 1},        {5, vbKeyTab, ctrl, 6},
        {1, vbKeyTab, ctrl | shift, 12},  {0, vbKeyTab, ctrl | shift, 12}, {7, vbKeyTab, ctrl | shift, 6},
        {3, 'G', alt, 1},                 {3, 'A', alt, 9},             {3, 'D', alt, 8},
        {4, 'R', alt, 4},                 {0, 'R', alt, 0},             {3, vbKeyTab, 0, -1},
        {3, vbKeyTab, ctrl | alt, 3},     {3, 'G', ctrl, -1},
    };
    for (const Case& k : cases)
        EXPECT_EQ(TabForKey(k.cur, k.key, k.mask, 12), k.want) << k.cur << " " << k.key << " " << k.mask;
}

TEST(OptionsTabs, HelpTopicsStepByFiveAndSkip2245) {
    const int want[] = {2200, 2200, 2205, 2210, 2215, 2220, 2225, 2230, 2235, 2240, 2250, 2255, 2260};
    for (int tab = 0; tab <= 12; ++tab) EXPECT_EQ(OptionsHelpTopic(tab), want[tab]) << tab;
}

TEST_F(OptionsDialog, LoadingShowsTabOneWithNoCurrentTabAndShowingClearsTheFlag) {
    dlg.Form_Load();
    EXPECT_EQ(view.shown, 1);
    EXPECT_EQ(dlg.miCurTab, 0);
    EXPECT_TRUE(gblnOptionsChanged);  // the restore's handlers
    Show();
    EXPECT_FALSE(gblnOptionsChanged);
    dlg.Form_KeyDown(vbKeyTab, vbCtrlMask | vbShiftMask);
    EXPECT_EQ(dlg.miCurTab, 12);
}

TEST_F(OptionsDialog, OkWithoutChangesSavesNothingAndATabClickCountsAsAChange) {
    dlg.Form_Load();
    Show();
    options.giIndentAmount = 17;  // would be overwritten by a save
    EXPECT_TRUE(dlg.cmdOk_Click());
    EXPECT_EQ(view.hides, 1);
    EXPECT_EQ(options.giIndentAmount, 17);
    EXPECT_FALSE(gblnOptionsChanged);
    Show();
    view.hitTab = 0;
    dlg.TabHolder_MouseUp(5000, 5000);  // on no tab
    EXPECT_EQ(dlg.miCurTab, 0);
    gblnSpellThisModule = true;
    EXPECT_TRUE(dlg.cmdOk_Click());
    EXPECT_TRUE(gblnOptionsChanged);
    EXPECT_EQ(options.giIndentAmount, 4);  // the save ran
    EXPECT_FALSE(gblnSpellThisModule);       // follows the saved spelling switch
}

TEST_F(OptionsDialog, CommentBlockWithoutAFileKeepsTheDialogOpenAndReportsOnlyTheFirst) {
    auto& ui = testsupport::Ui();
    dlg.Form_Load();
    Show();
    dlg.Controls.SetCheck("chkComments_0", 1);
    dlg.Controls.SetCheck("chkComments_2", 1);
    dlg.Controls.SetText("spnIndentBy", "9");
    EXPECT_FALSE(dlg.cmdOk_Click());
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Title, "Comment Block");
    EXPECT_EQ(ui.Messages[0].Prompt,
              "You have selected to insert a comment block and have not specified a file name.\r\n"
              "You must have a comment block file specified.");
    EXPECT_EQ(view.hides, 0);
    EXPECT_EQ(dlg.Controls["spnIndentBy"].Text, "9");
    // The close box's Yes meets the same refusal: the close is called off.
    ui.MsgBoxAnswers = {mb::vbYes, mb::vbOK};
    EXPECT_TRUE(dlg.Form_QueryUnload(0));
    EXPECT_EQ(view.hides, 0);
}

TEST_F(OptionsDialog, EnterInAnExtensionListDoesNotClose) {
    dlg.Form_Load();
    Show();
    view.focusedList = 2;
    EXPECT_FALSE(dlg.cmdOk_Click());
    EXPECT_EQ(view.hides, 0);
}

TEST_F(OptionsDialog, CancelAndTheCloseBoxNoDropEveryEdit) {
    dlg.Form_Load();
    for (int answer : {0, mb::vbNo}) {
        SCOPED_TRACE(answer);
        Show();
        dlg.Controls.SetText("spnIndentBy", "9");
        dlg.Controls.SetCheck("chkSplitIf", 1);
        dlg.Controls.SetOption("optWhereToSave_2", true);
        if (answer == 0) {
            dlg.cmdCancel_Click();
        } else {
            testsupport::Ui().MsgBoxAnswers = {answer};
            EXPECT_FALSE(dlg.Form_QueryUnload(0));
        }
        EXPECT_EQ(dlg.Controls["spnIndentBy"].Text, "4");
        EXPECT_EQ(dlg.Controls["chkSplitIf"].Value, 0);
        EXPECT_EQ(dlg.Controls.Selected("optWhereToSave"), std::optional<int>(0));
        EXPECT_FALSE(gblnOptionsChanged);
        EXPECT_EQ(options.giIndentAmount, 4);
        EXPECT_FALSE(options.gblnSplitIfs);
    }
}

TEST_F(OptionsDialog, CloseBoxYesSavesAndOtherModesAskNothing) {
    auto& ui = testsupport::Ui();
    dlg.Form_Load();
    Show();
    dlg.Controls.SetText("spnIndentBy", "9");
    ui.MsgBoxAnswers = {mb::vbYes};
    EXPECT_FALSE(dlg.Form_QueryUnload(0));
    EXPECT_EQ(ui.Messages.back().Prompt, "Do You Want to Save Your Options?");
    EXPECT_EQ(ui.Messages.back().Title, "Save Options");
    EXPECT_EQ(options.giIndentAmount, 9);
    EXPECT_TRUE(gblnOptionsChanged);
    ui.Messages.clear();
    EXPECT_FALSE(dlg.Form_QueryUnload(1));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(OptionsDialog, HelpFollowsTheLastMouseTabNotTheKeys) {
    dlg.Form_Load();
    Show();
    view.hitTab = 4;
    dlg.TabHolder_MouseUp(100, 100);
    dlg.TabHolder_Click();
    EXPECT_EQ(view.helpContext, 2215);
    dlg.Form_KeyDown('F', vbAltMask);
    EXPECT_EQ(view.shown, 3);
    EXPECT_EQ(view.helpContext, 2215);
    dlg.cmdHelp_Click();
    EXPECT_EQ(view.helpKeys, 1);
}

TEST_F(OptionsDialog, AltWithAnotherKeyBeforeAnyTabShowsNothing) {
    dlg.Form_Load();
    Show();
    view.shown = 0;
    dlg.Form_KeyDown('R', vbAltMask);
    EXPECT_EQ(dlg.miCurTab, 0);
    EXPECT_EQ(view.shown, 0);
}

}  // namespace
