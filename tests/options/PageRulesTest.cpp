// The page rules: what each edit enables, the texts and captions it sets,
// the checks of the file and folder fields, and that every edit counts.
#include "OptionsFixture.h"
#include "options/OptionsMapping.h"
#include "platform/Paths.h"
#include "TestSupport.h"

namespace {

using Model = OptionControls;

class PageRules : public OptionsFixture {
protected:
    Model c;
    void SetUp() override {
        OptionsFixture::SetUp();
        c = Restored();
    }
    void Flip(const std::string& name) {
        if (c[name].Kind == CtlKind::CheckBox)
            c.SetCheck(name, 1 - c[name].Value);
        else
            c.SetOption(name, true);
    }
};

TEST_F(PageRules, EachGoverningControlEnablesItsDependents) {
    struct Case {
        std::string act;  // the check box ticked or the button selected
        bool enables;     // what that does to the dependents
        std::vector<std::string> dependents;
    };
    std::vector<std::string> grid;
    for (int i = 0; i < 24; ++i) grid.push_back(Model::NameOf("chkInsertBlank", i));
    const Case cases[] = {
        {"chkContinue", true, {"spnLineLength"}},
        {"optLines_1", false, {"chkKeepIndentation"}},
        {"optLines_0", true, {"chkKeepIndentation"}},
        {"chkAlign", true, {"spnAlignAs"}},
        {"chkASIS", true,  // the first run ticks No Change: unticking enables
         {"optIndent_0", "optIndent_1", "spnIndentBy", "chkDeclaration", "chkDeclarationsModule", "chkBaseLine",
          "optIndentCase_0", "optIndentCase_1", "optIndentCase_2", "optElse_0", "optElse_1"}},
        {"optIndent_1", false, {"spnIndentBy"}},
        {"optIndent_0", true, {"spnIndentBy"}},
        {"optInLine_0", true, {"spnInLine", "optNextLine", "optRight"}},
        {"optInLine_2", false, {"spnInLine", "optNextLine", "optRight"}},
        {"optInlineStart_0", true, {"spnCommentStart"}},
        {"optInlineStart_3", false, {"spnCommentStart"}},
        {"chkNoWSChange", true, {"chkXSLines", "chkInsertWS"}},
        {"chkInsertWS", true, grid},
        {"chkXSLines", true, {"spnXSLines"}},
        {"chkSpellDisable", true,  // spelling is off at first: unticking enables
         {"chkSpellWhat_0", "chkSpellWhat_5", "txtDictionary_0", "txtDictionary_1", "cmdSpellDictionary_0",
          "cmdSpellDictionary_1"}},
        {"chkArrangeModule", true,
         {"fraArrange_1", "lstOrderDeclarations_0", "lstOrderDeclarations_1", "lstOrderDeclarations_2"}},
        {"chkChangeProcs", true, {"fraProcs", "lstOrderProcs_0", "lstOrderProcs_1", "lstOrderProcs_2"}},
        {"chkArrangeLocal", true, {"fraArrange_0", "lstOrderLocal_0", "lstOrderLocal_1"}},
        {"chkERHandling", true, {"txtErrHandler_0", "txtErrHandler_1", "cmdERHandler_0", "cmdERHandler_1"}},
        {"chkTrace", true, {"txtErrHandler_2", "txtErrHandler_3", "cmdERHandler_2", "cmdERHandler_3"}},
        {"chkLineNumbers", true,
         {"optLineNumber_1", "optLineNumber_2", "optLineNumber_3", "txtLineNumberStart", "txtLineNumberIncrement"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.act);
        for (const auto& d : k.dependents) c.SetEnabled(d, !k.enables);
        gblnOptionsChanged = false;
        Flip(k.act);
        for (const auto& d : k.dependents) EXPECT_EQ(c[d].Enabled, k.enables) << d;
        EXPECT_TRUE(gblnOptionsChanged);
        // Flipping a check box back undoes it.
        if (c[k.act].Kind == CtlKind::CheckBox) {
            Flip(k.act);
            for (const auto& d : k.dependents) EXPECT_EQ(c[d].Enabled, !k.enables) << d;
        }
    }
}

TEST_F(PageRules, EveryEditMarksTheOptionsChanged) {
    for (const std::string& name : c.Names()) {
        const Control& ctl = c[name];
        gblnOptionsChanged = false;
        switch (ctl.Kind) {
            case CtlKind::CheckBox:
                c.SetCheck(name, 1 - ctl.Value);
                break;
            case CtlKind::OptionButton:
                if (ctl.Value) continue;
                c.SetOption(name, true);
                break;
            case CtlKind::TextBox:
            case CtlKind::SpinBox:
                c.SetText(name, ctl.Text + "7");
                break;
            default:
                continue;
        }
        EXPECT_TRUE(gblnOptionsChanged) << name;
    }
}

TEST_F(PageRules, NoChangeOnWhiteSpaceLeavesTheGridToInsertBlankLine) {
    c.SetCheck("chkNoWSChange", 0);
    c.SetCheck("chkInsertWS", 1);
    c.SetCheck("chkNoWSChange", 1);
    EXPECT_FALSE(c["chkInsertWS"].Enabled);
    EXPECT_FALSE(c["chkXSLines"].Enabled);
    EXPECT_TRUE(c["chkInsertBlank_0"].Enabled);
    EXPECT_TRUE(c["chkInsertBlank_23"].Enabled);
}

TEST_F(PageRules, HistorySwitchEnablesItsFieldEitherWayAndProposesAFile) {
    c.Visible = true;
    c.SetText("txtQPSave", "");
    c.SetCheck("chkSaveInfo", 1);
    EXPECT_EQ(c["txtQPSave"].Text, paths::Join(paths::ProgramDir(), "QPHIST.KEM"));
    EXPECT_EQ(c.FocusRequest, "txtQPSave");
    c.SetText("txtQPSave", "/mine.kem");
    c.SetCheck("chkSaveInfo", 0);
    EXPECT_TRUE(c["txtQPSave"].Enabled);
    EXPECT_TRUE(c["cmdFindQPFile"].Enabled);
    EXPECT_EQ(c["txtQPSave"].Text, "/mine.kem");
}

TEST_F(PageRules, FocusMovesIntoAHiddenDialogAreSkipped) {
    c.Visible = false;
    c.SetCheck("chkSaveInfo", 1 - c["chkSaveInfo"].Value);
    c.SetOption("optBackupDir_1", true);
    EXPECT_EQ(c.FocusRequest, "");
}

TEST_F(PageRules, BackupFolderChoiceRefillsTheSavedFolderNotTheTypedOne) {
    options.gsBackupDirectory = "/saved";
    c.SetOption("optBackupDir_1", true);
    EXPECT_TRUE(c["txtBackupDir"].Enabled);
    EXPECT_TRUE(c["cmdBackupTo"].Enabled);
    c.SetText("txtBackupDir", "/typed");
    c.SetOption("optBackupDir_0", true);
    EXPECT_EQ(c["txtBackupDir"].Text, "");
    EXPECT_FALSE(c["txtBackupDir"].Enabled);
    EXPECT_FALSE(c["cmdBackupTo"].Enabled);
    c.SetOption("optBackupDir_1", true);
    EXPECT_EQ(c["txtBackupDir"].Text, "/saved");
}

TEST_F(PageRules, WhereToSaveDisablesTheFolderFrameAndResetsTheCaptions) {
    c.SetCaption("fraOverWrite", "x");
    c.SetCaption("optOVerwrite_0", "x");
    c.SetCaption("optOVerwrite_2", "x");
    c.SetOption("optWhereToSave_2", true);
    EXPECT_FALSE(c["fraBackupFiles"].Enabled);
    c.SetOption("optWhereToSave_1", true);
    EXPECT_TRUE(c["fraBackupFiles"].Enabled);
    EXPECT_EQ(c["fraOverWrite"].Caption, "If Backup File Exists, Then:");
    EXPECT_EQ(c["optOVerwrite_0"].Caption, "Overwrite Prior Backup");
    EXPECT_EQ(c["optOVerwrite_2"].Caption, "Cycle Backup Files");
}

TEST_F(PageRules, DetectionMethodExplainsItself) {
    c.SetOption("optAutoDetect_1", true);
    EXPECT_EQ(c["lblDialect_0"].Caption,
              "All files will be processed according to the rules that apply to the current Default Dialog "
              "selection.");
    EXPECT_EQ(c["lblDialect_1"].Caption, "");
    c.SetOption("optAutoDetect_0", true);
    EXPECT_NE(c["lblDialect_1"].Caption.find("can be determined"), std::string::npos);
}

TEST_F(PageRules, IntrinsicChoiceIsKeptInTheFrameTag) {
    c.SetOption("optIntrinsic_2", true);
    EXPECT_EQ(c["fraIntrinsicFunctions"].Tag, "2");
}

TEST_F(PageRules, ContinuationWarningOnlyForTheSavedDialectThreeWhileShown) {
    auto& ui = testsupport::Ui();
    options.gsDialectDefault = "3";
    c.Visible = false;
    c.SetCheck("chkContinue", 1);
    EXPECT_TRUE(ui.Messages.empty());
    c.SetCheck("chkContinue", 0);
    c.Visible = true;
    c.SetCheck("chkContinue", 1);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Prompt, "WARNING\r\n\r\nLine Continuations are Not Valid in Visual Basic 3.0!");
    EXPECT_EQ(ui.Messages[0].Title, "WARNING");
    EXPECT_EQ(c["chkContinue"].Value, 1);
    options.gsDialectDefault = "5";
    c.SetOption("optDialect_3", true);  // chosen, not saved: no warning
    c.SetCheck("chkContinue", 0);
    c.SetCheck("chkContinue", 1);
    EXPECT_EQ(ui.Messages.size(), 1u);
}

TEST_F(PageRules, BackupFolderMustBeAnExistingFolder) {
    auto& ui = testsupport::Ui();
    const std::string dir = testsupport::MakeDir("backups");
    const std::string file = dir + "/plain.txt";
    testsupport::WriteFile(file, "x");
    struct Case {
        std::string text;
        std::string message;  // empty: passes
        std::string after;
    } cases[] = {{"", "Backup directory must be set!", ""},
                 {dir + "/missing", "Backup directory does not exist!", ""},
                 {file, "Backup directory does not exist!", ""},
                 {dir, "", dir}};
    c.SetOption("optBackupDir_1", true);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        ui.Messages.clear();
        c.ValidateCancel = false;
        c.SetText("txtBackupDir", k.text);
        c.Raise(CtlEvent::Validate, "txtBackupDir");
        EXPECT_EQ(ui.LastPrompt(), k.message);
        EXPECT_EQ(c.ValidateCancel, !k.message.empty());
        EXPECT_EQ(c["txtBackupDir"].Text, k.after);
    }
    // With the default folder chosen nothing is checked.
    c.SetOption("optBackupDir_0", true);
    ui.Messages.clear();
    c.Raise(CtlEvent::Validate, "txtBackupDir");
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(PageRules, FileFieldsCheckTheirFiles) {
    auto& ui = testsupport::Ui();
    const std::string dir = testsupport::MakeDir("defs");
    const std::string there = dir + "/there.def";
    testsupport::WriteFile(there, "x");
    // A comment-block file: a missing one is reported, emptied and keeps the focus.
    c.SetText("txtCommentFile_1", dir + "/gone.def");
    c.Raise(CtlEvent::Validate, "txtCommentFile_1");
    EXPECT_EQ(ui.LastPrompt(), "File " + dir + "/gone.def Does not exist!");
    EXPECT_TRUE(c.ValidateCancel);
    EXPECT_EQ(c["txtCommentFile_1"].Text, "");
    c.ValidateCancel = false;
    c.Raise(CtlEvent::Validate, "txtCommentFile_1");  // an empty field passes
    EXPECT_FALSE(c.ValidateCancel);
    // A template file: cleared silently, then refilled with its saved name.
    options.gsErrTrap = there;
    ui.Messages.clear();
    c.SetText("txtErrHandler_1", dir + "/gone.def");
    c.Raise(CtlEvent::Validate, "txtErrHandler_1");
    EXPECT_EQ(c["txtErrHandler_1"].Text, "");
    EXPECT_FALSE(c.ValidateCancel);
    c.Raise(CtlEvent::Validate, "txtErrHandler_1");
    EXPECT_EQ(c["txtErrHandler_1"].Text, there);
    EXPECT_TRUE(ui.Messages.empty());
    // A dictionary: an empty field is a missing file too.
    c.Visible = true;
    c.SetText("txtDictionary_0", "");
    c.Raise(CtlEvent::LostFocus, "txtDictionary_0");
    EXPECT_EQ(ui.LastPrompt(),
              "The file entered as the Dictionary does not exist\r\nPlease select a valid dictionary including path");
    EXPECT_EQ(ui.Messages.back().Title, "Cannot Find File");
    EXPECT_EQ(c.FocusRequest, "txtDictionary_0");
    ui.Messages.clear();
    c.SetText("txtDictionary_0", there);
    c.Raise(CtlEvent::LostFocus, "txtDictionary_0");
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(PageRules, LineNumberFieldsTakeDigitsOnly) {
    for (char ch : std::string("0123456789")) EXPECT_TRUE(LineNumberAcceptsChar(ch));
    for (char ch : std::string("a-\b\r.")) EXPECT_FALSE(LineNumberAcceptsChar(ch)) << int(ch);
}

}  // namespace
