// Every setting the dialog edits: the restore shows it, the save writes the
// edited control back, and the places where the two differ on purpose.
#include <functional>
#include <set>

#include "OptionsFixture.h"
#include "settings/ProgramOptions.h"
#include "options/OptionsMapping.h"
#include "common/ErrorTrap.h"
#include "TestSupport.h"
#include "common/cAppInfo.h"
#include "common/mKEMCommon.h"

namespace {

using Model = OptionControls;

struct Row {
    std::string Setting;
    std::function<void()> Put;                 // a value other than the first run's
    std::function<void(const Model&)> Shown;   // the control shows it
    std::function<void(Model&)> Edit;          // the user changes the control
    std::function<void()> Saved;               // the setting holds the edit
};

std::vector<Row> gRows;

// A switch: the value put in is the opposite of the first run's, and the
// edit flips the box, so the save must give the first run's value back.
void BoolRow(const std::string& name, bool& g, const std::string& ctl, bool inverted = false) {
    auto put = std::make_shared<bool>();
    gRows.push_back({name, [&g, put] { *put = g = !g; },
                     [&g, ctl, inverted, name](const Model& c) {
                         EXPECT_EQ(c[ctl].Value, (g != inverted) ? 1 : 0) << name;
                     },
                     [ctl](Model& c) { c.SetCheck(ctl, 1 - c[ctl].Value); },
                     [&g, put, name] { EXPECT_EQ(g, !*put) << name; }});
}

// A choice of buttons: the setting's code is the index of its button.
template <class T>
void CodeRow(const std::string& name, T& g, const std::string& base, long shown, long edited) {
    gRows.push_back({name, [&g, shown] { g = static_cast<T>(shown); },
                     [base, shown, name](const Model& c) {
                         EXPECT_EQ(c.Selected(base), std::optional<int>(static_cast<int>(shown))) << name;
                     },
                     [base, edited](Model& c) { c.SetOption(Model::NameOf(base, static_cast<int>(edited)), true); },
                     [&g, edited, name] { EXPECT_EQ(static_cast<long>(g), edited) << name; }});
}

void SpinRow(const std::string& name, int& g, const std::string& ctl, int shown, int edited) {
    gRows.push_back({name, [&g, shown] { g = shown; },
                     [ctl, shown, name](const Model& c) { EXPECT_EQ(c[ctl].Text, std::to_string(shown)) << name; },
                     [ctl, edited](Model& c) { c.SetText(ctl, std::to_string(edited)); },
                     [&g, edited, name] { EXPECT_EQ(g, edited) << name; }});
}

void TextRow(const std::string& name, std::string& g, const std::string& ctl) {
    gRows.push_back({name, [&g, name] { g = "/shown/" + name; },
                     [ctl, name](const Model& c) { EXPECT_EQ(c[ctl].Text, "/shown/" + name) << name; },
                     [ctl, name](Model& c) { c.SetText(ctl, "/edited/" + name); },
                     [&g, name] { EXPECT_EQ(g, "/edited/" + name) << name; }});
}

void NumberRow(const std::string& name, long& g, const std::string& ctl) {
    gRows.push_back({name, [&g] { g = 123456; },
                     [ctl, name](const Model& c) { EXPECT_EQ(c[ctl].Text, "123456") << name; },
                     [ctl](Model& c) { c.SetText(ctl, "2000000000"); },
                     [&g, name] { EXPECT_EQ(g, 2000000000L) << name; }});
}

void ExtensionRow(const std::string& name, std::string& g, int index) {
    const std::string ctl = Model::NameOf("cboExtension", index);
    gRows.push_back({name, [&g] { g = "AA||BB"; },
                     [ctl, name](const Model& c) {
                         EXPECT_EQ(c[ctl].Items, (std::vector<std::string>{"AA", "", "BB"})) << name;
                     },
                     [ctl](Model& c) { c[ctl].Items = {"X", "Y"}; },
                     [&g, name] { EXPECT_EQ(g, "X|Y") << name; }});
}

// The order strings: their lists do not edit them yet, so they pass through.
void OrderRow(const std::string& name, std::string& g, const std::string& value) {
    gRows.push_back({name, [&g, value] { g = value; }, [](const Model&) {}, [](Model&) {},
                     [&g, value, name] { EXPECT_EQ(g, value) << name; }});
}

const std::vector<Row>& Rows() {
    if (!gRows.empty()) return gRows;
    // User page and the shared object's three values.
    gRows.push_back({"User", [] { oAppInfo->User("Ann"); },
                     [](const Model& c) { EXPECT_EQ(c["txtUserName"].Text, "Ann"); },
                     [](Model& c) { c.SetText("txtUserName", "Bea"); }, [] { EXPECT_EQ(oAppInfo->User(), "Bea"); }});
    gRows.push_back({"Company", [] { oAppInfo->Company("Acme"); },
                     [](const Model& c) { EXPECT_EQ(c["txtCompany"].Text, "Acme"); },
                     [](Model& c) { c.SetText("txtCompany", "Beta"); },
                     [] { EXPECT_EQ(oAppInfo->Company(), "Beta"); }});
    // oAppInfo is made afresh for each test: reached at the time of the call.
    gRows.push_back({"ShowOpenDialog", [] { oAppInfo->ShowOpenDialog = false; },
                     [](const Model& c) { EXPECT_EQ(c["chkShowOpenDialog"].Value, 0); },
                     [](Model& c) { c.SetCheck("chkShowOpenDialog", 1); },
                     [] { EXPECT_TRUE(oAppInfo->ShowOpenDialog); }});
    TextRow("gsDefaultFileLoc", goOptions.gsDefaultFileLoc, "txtDefaultFileLoc");
    BoolRow("gblnSaveZelInfo", goOptions.gblnSaveZelInfo, "chkSaveInfo");
    TextRow("gsSaveZelFile", goOptions.gsSaveZelFile, "txtQPSave");
    // General.
    CodeRow("giContinuations", goOptions.giContinuations, "optLines", 1, 0);
    BoolRow("gblnInsertContinuations", goOptions.gblnInsertContinuations, "chkContinue");
    SpinRow("giContinuationColumn", goOptions.giContinuationColumn, "spnLineLength", 500, 80);
    BoolRow("gblnKeepIndentation", goOptions.gblnKeepIndentation, "chkKeepIndentation");
    BoolRow("gblnSplitIfs", goOptions.gblnSplitIfs, "chkSplitIf");
    BoolRow("gblnSplitMultiLines", goOptions.gblnSplitMultiLines, "chkSplitMultiLine");
    BoolRow("gblnSplitLabels", goOptions.gblnSplitLabels, "chkSplitLabels");
    BoolRow("gblnKillNumericLabels", goOptions.gblnKillNumericLabels, "chkKillNumericLabels");
    BoolRow("gblnOptionExplicit", goOptions.gblnOptionExplicit, "chkOptionExplicit");
    BoolRow("gblnAlignAs", goOptions.gblnAlignAs, "chkAlign");
    SpinRow("giAlignAsColumn", goOptions.giAlignAsColumn, "spnAlignAs", 60, 30);
    BoolRow("gblnSplitDeclarations", goOptions.gblnSplitDeclarations, "chkSplitDeclaration");
    BoolRow("gblnSplitConsts", goOptions.gblnSplitConsts, "chkSplitConst");
    // Indentation.
    BoolRow("gblnAsIs", goOptions.gblnAsIs, "chkASIS");
    CodeRow("giCodeLine", goOptions.giCodeLine, "optIndent", 1, 0);
    SpinRow("giIndentAmount", goOptions.giIndentAmount, "spnIndentBy", 90, 3);
    BoolRow("gblnDeclarations", goOptions.gblnDeclarations, "chkDeclaration");
    BoolRow("gblnModDeclarations", goOptions.gblnModDeclarations, "chkDeclarationsModule");
    BoolRow("gblnBaseLines", goOptions.gblnBaseLines, "chkBaseLine");
    CodeRow("giCaseStructure", goOptions.giCaseStructure, "optIndentCase", 2, 1);
    CodeRow("giIfStructure", goOptions.giIfStructure, "optElse", 1, 0);
    // Files.
    CodeRow("giSaveInBackup", goOptions.giSaveInBackup, "optWhereToSave", 1, 2);
    CodeRow("giBackup", goOptions.giBackup, "optBackupDir", 1, 0);
    gRows.push_back({"gsBackupDirectory", [] { goOptions.gsBackupDirectory = "/bk"; },
                     [](const Model& c) { EXPECT_EQ(c["txtBackupDir"].Text, "/bk"); },
                     [](Model& c) { c.SetText("txtBackupDir", "/other"); },
                     [] { EXPECT_EQ(goOptions.gsBackupDirectory, "/other"); }});
    CodeRow("giOverwrite", goOptions.giOverwrite, "optOVerwrite", 1, 0);
    CodeRow("giLogOverwrite", goOptions.giLogOverwrite, "optOverwriteLog", 3, 1);
    BoolRow("gblnLogSignificant", goOptions.gblnLogSignificant, "chkSignificant");
    // Spell check.
    BoolRow("gblnSpellEnabled", goOptions.gblnSpellEnabled, "chkSpellDisable", true);
    BoolRow("gblnSpellComments", goOptions.gblnSpellComments, "chkSpellWhat_0");
    BoolRow("gblnSpellFormLiterals", goOptions.gblnSpellFormLiterals, "chkSpellWhat_1");
    BoolRow("gblnSpellCodeLiterals", goOptions.gblnSpellCodeLiterals, "chkSpellWhat_2");
    BoolRow("gblnIgnoreCaps", goOptions.gblnIgnoreCaps, "chkSpellWhat_3");
    BoolRow("gblnIgnoreNumbers", goOptions.gblnIgnoreNumbers, "chkSpellWhat_4");
    BoolRow("gblnIgnoreVBWords", goOptions.gblnIgnoreVBWords, "chkSpellWhat_5");
    TextRow("gsCustomDictionary", goOptions.gsCustomDictionary, "txtDictionary_0");
    TextRow("gsStandardDictionary", goOptions.gsStandardDictionary, "txtDictionary_1");
    // White space.
    BoolRow("gblnWSNoChange", goOptions.gblnWSNoChange, "chkNoWSChange");
    BoolRow("gblnWSChange", goOptions.gblnWSChange, "chkInsertWS");
    BoolRow("gblnXSLines", goOptions.gblnXSLines, "chkXSLines");
    SpinRow("giXSLinesAmount", goOptions.giXSLinesAmount, "spnXSLines", 0, 7);
    bool* const grid[24] = {&goOptions.gblnWSBeforeSub,      &goOptions.gblnWSAfterSub,      &goOptions.gblnWSBeforeEndSub,
                            &goOptions.gblnWSAfterEndSub,    &goOptions.gblnWSBeforeIf,      &goOptions.gblnWSAfterIf,
                            &goOptions.gblnWSBeforeElse,     &goOptions.gblnWSAfterElse,     &goOptions.gblnWSBeforeEndIf,
                            &goOptions.gblnWSAfterEndIf,     &goOptions.gblnWSBeforeLoop,    &goOptions.gblnWSAfterLoop,
                            &goOptions.gblnWSBeforeEndLoop,  &goOptions.gblnWSAfterEndLoop,  &goOptions.gblnWSBeforeSelect,
                            &goOptions.gblnWSAfterSelect,    &goOptions.gblnWSBeforeCase,    &goOptions.gblnWSAfterCase,
                            &goOptions.gblnWSBeforeEndSelect, &goOptions.gblnWSAfterEndSelect, &goOptions.gblnWSBeforeLabel,
                            &goOptions.gblnWSAfterLabel,     &goOptions.gblnWSBeforeDec,     &goOptions.gblnWSAfterDec};
    for (int i = 0; i < 24; ++i)
        BoolRow("grid " + std::to_string(i), *grid[i], Model::NameOf("chkInsertBlank", i));
    // Comments.
    CodeRow("giCmtStandAlone", goOptions.giCmtStandAlone, "optInlineStart", 0, 3);
    SpinRow("giCmtStandAloneColumn", goOptions.giCmtStandAloneColumn, "spnCommentStart", 12, 8);
    CodeRow("giCmtInLine", goOptions.giCmtInLine, "optInLine", 0, 2);
    SpinRow("giCmtInLineColumn", goOptions.giCmtInLineColumn, "spnInLine", 50, 45);
    BoolRow("gblnCmtInLineRight", goOptions.gblnCmtInLineRight, "optRight");
    gRows.back().Edit = [](Model& c) { c.SetOption("optNextLine", true); };
    BoolRow("gblnCmtInLineNext", goOptions.gblnCmtInLineNext, "optNextLine");
    gRows.back().Edit = [](Model& c) { c.SetOption("optRight", true); };
    // Comment blocks.
    CodeRow("giCmtWhere", goOptions.giCmtWhere, "optPositionBlock", 1, 0);
    BoolRow("gblnCmtOverwrite", goOptions.gblnCmtOverwrite, "chkOverwriteBlock");
    BoolRow("gblnCmtAutoInsert", goOptions.gblnCmtAutoInsert, "chkInsertAutomatically");
    BoolRow("gblnCmtModule", goOptions.gblnCmtModule, "chkComments_0");
    BoolRow("gblnCmtUDP", goOptions.gblnCmtUDP, "chkComments_1");
    BoolRow("gblnCmtEvent", goOptions.gblnCmtEvent, "chkComments_2");
    TextRow("gsCmtModuleFile", goOptions.gsCmtModuleFile, "txtCommentFile_0");
    TextRow("gsCmtUDPFile", goOptions.gsCmtUDPFile, "txtCommentFile_1");
    TextRow("gsCmtEventFile", goOptions.gsCmtEventFile, "txtCommentFile_2");
    // Selection.
    ExtensionRow("gsProjectExt", goOptions.gsProjectExt, 0);
    ExtensionRow("gsFormExt", goOptions.gsFormExt, 1);
    ExtensionRow("gsCodeExt", goOptions.gsCodeExt, 2);
    ExtensionRow("gsResourceExt", goOptions.gsResourceExt, 3);
    BoolRow("gblnDialectAutodetect", goOptions.gblnDialectAutodetect, "optAutoDetect_0");
    gRows.back().Edit = [](Model& c) {
        c.SetOption(c["optAutoDetect_0"].Value ? "optAutoDetect_1" : "optAutoDetect_0", true);
    };
    gRows.push_back({"gsDialectDefault", [] { goOptions.gsDialectDefault = "4"; },
                     [](const Model& c) { EXPECT_EQ(c.Selected("optDialect"), std::optional<int>(4)); },
                     [](Model& c) { c.SetOption("optDialect_3", true); },
                     [] { EXPECT_EQ(goOptions.gsDialectDefault, "3"); }});
    // Arrange.
    BoolRow("gblnDoModules", goOptions.gblnDoModules, "chkArrangeModule");
    BoolRow("gblnDoProcs", goOptions.gblnDoProcs, "chkChangeProcs");
    BoolRow("gblnDoLocals", goOptions.gblnDoLocals, "chkArrangeLocal");
    OrderRow("gsModuleHow", goOptions.gsModuleHow, "213427123456");
    OrderRow("gsProcsHow", goOptions.gsProcsHow, "23132145");
    OrderRow("gsLocalHow", goOptions.gsLocalHow, "21345");
    // Replace code.
    BoolRow("gblnConvertDeclare", goOptions.gblnConvertDeclare, "chkConvertDeclare");
    BoolRow("gblnConvertMsgBox", goOptions.gblnConvertMsgBox, "chkConvertMsgbox");
    BoolRow("gblnConvertDAO", goOptions.gblnConvertDAO, "chkConvertDAO");
    BoolRow("gblnConvertSymbols", goOptions.gblnConvertSymbols, "chkConvertSymbols");
    BoolRow("gblnConvertSymbolsCode", goOptions.gblnConvertSymbolsCode, "chkConvertSymbolsCode");
    BoolRow("gblnNextVariable", goOptions.gblnNextVariable, "chkForNext");
    CodeRow("glConvertIntrinsicFunction", goOptions.glConvertIntrinsicFunction, "optIntrinsic", 2L, 1L);
    // Error handling.
    BoolRow("gblnInsertErrHandling", goOptions.gblnInsertErrHandling, "chkERHandling");
    TextRow("gsErrSet", goOptions.gsErrSet, "txtErrHandler_0");
    TextRow("gsErrTrap", goOptions.gsErrTrap, "txtErrHandler_1");
    BoolRow("gblnInsertTracing", goOptions.gblnInsertTracing, "chkTrace");
    TextRow("gsTraceIn", goOptions.gsTraceIn, "txtErrHandler_2");
    TextRow("gsTraceOut", goOptions.gsTraceOut, "txtErrHandler_3");
    BoolRow("gblnAnalyzeDates", goOptions.gblnAnalyzeDates, "chkDates");
    BoolRow("gblnInsertLineNumbers", goOptions.gblnInsertLineNumbers, "chkLineNumbers");
    NumberRow("glLineNumberStart", goOptions.glLineNumberStart, "txtLineNumberStart");
    NumberRow("glLineNumberInc", goOptions.glLineNumberInc, "txtLineNumberIncrement");
    CodeRow("glLineNumberHow", goOptions.glLineNumberHow, "optLineNumber", 3L, 1L);
    return gRows;
}

class OptionsMapping : public OptionsFixture {};

TEST_F(OptionsMapping, TheTableNamesEverySettingTheDialogEditsOnce) {
    std::set<std::string> names;
    for (const Row& r : Rows()) EXPECT_TRUE(names.insert(r.Setting).second) << r.Setting;
    EXPECT_EQ(names.size(), 115u);
}

TEST_F(OptionsMapping, RestoreShowsEachSettingAndSaveWritesItsEditBack) {
    for (const Row& r : Rows()) {
        SCOPED_TRACE(r.Setting);
        sbGetINIInfo(goOptions);
        r.Put();
        Model c = Design();
        sbRestoreOptions(c, goOptions);
        r.Shown(c);
        r.Edit(c);
        sbSaveOptions(c, goOptions);
        r.Saved();
    }
}

// Writes the settings file and returns it, without the line that stamps the
// time of writing.
std::string SettingsText() {
    sbINIPutInfo(goOptions);
    std::string text = testsupport::ReadFile(testsupport::ConfigDir() + "/VEZUZ.INI");
    const size_t at = text.find("Version=");
    if (at != std::string::npos) text.erase(at, text.find('\n', at) - at);
    return text;
}

TEST_F(OptionsMapping, RestoreThenSaveChangesNoSettingThatTheControlsCanShow) {
    for (const Row& r : Rows()) r.Put();
    goOptions.gblnCmtInLineRight = false;  // with both placements on, the later wins
    std::string before;
    try {
        before = SettingsText();
    } catch (const ErrorReported& e) {
        FAIL() << e.Number << " " << e.Description << " " << e.ProcName;
    }
    Model c = Design();
    sbRestoreOptions(c, goOptions);
    sbSaveOptions(c, goOptions);
    EXPECT_EQ(SettingsText(), before);
}

TEST_F(OptionsMapping, WhereRestoreAndSaveDifferOnPurpose) {
    goOptions.gblnCmtInLineRight = goOptions.gblnCmtInLineNext = true;  // one group: the later wins
    goOptions.giIndentAmount = 0;                             // below the spin box: its bound
    goOptions.giAlignAsColumn = 200;                          // above it
    goOptions.gblnSpellEnabled = false;
    oAppInfo->User("Ann");
    Model c = Design();
    sbRestoreOptions(c, goOptions);
    EXPECT_EQ(c["optRight"].Value, 0);
    EXPECT_EQ(c["optNextLine"].Value, 1);
    EXPECT_EQ(c["spnIndentBy"].Text, "1");
    EXPECT_EQ(c["spnAlignAs"].Text, "100");
    c.SetText("txtUserName", "");
    sbSaveOptions(c, goOptions);
    EXPECT_FALSE(goOptions.gblnCmtInLineRight);
    EXPECT_TRUE(goOptions.gblnCmtInLineNext);
    EXPECT_EQ(goOptions.giIndentAmount, 1);
    EXPECT_EQ(goOptions.giAlignAsColumn, 100);
    EXPECT_EQ(oAppInfo->User(), "Ann"); // an emptied name keeps the stored one
    sbRestoreOptions(c, goOptions);
    EXPECT_EQ(c["txtUserName"].Text, "Ann");
}

TEST_F(OptionsMapping, CodesWithoutAButtonShowNoChoiceAndAreSavedUnchanged) {
    // Codes the load lets through but no button stands for.
    goOptions.giCmtInLine = InLineCommentPlace::NotChosen;
    goOptions.giSaveInBackup = SaveMode{7};
    goOptions.giOverwrite = OverwriteMode{5};
    goOptions.giCodeLine = CodeIndentation{3};
    goOptions.giCmtStandAlone = StandAloneCommentPlace{12};
    goOptions.glLineNumberHow = LineNumbering{9};
    goOptions.giCmtWhere = CommentBlockPlace{4};
    goOptions.glConvertIntrinsicFunction = IntrinsicDollar{6};
    Model c = Design();
    // An earlier choice on screen must not survive a restore.
    c.SetOption("optInLine_0", true);
    c.SetOption("optIntrinsic_1", true);
    sbRestoreOptions(c, goOptions);
    for (const char* base : {"optInLine", "optWhereToSave", "optOVerwrite", "optIndent", "optInlineStart",
                             "optLineNumber", "optPositionBlock", "optIntrinsic"})
        EXPECT_FALSE(c.Selected(base).has_value()) << base;
    sbSaveOptions(c, goOptions);
    EXPECT_EQ(goOptions.giCmtInLine, InLineCommentPlace::NotChosen);
    EXPECT_EQ(goOptions.giSaveInBackup, SaveMode{7});  // never "replace without backup"
    EXPECT_EQ(goOptions.giOverwrite, OverwriteMode{5});
    EXPECT_EQ(goOptions.giCodeLine, CodeIndentation{3});
    EXPECT_EQ(goOptions.giCmtStandAlone, StandAloneCommentPlace{12});
    EXPECT_EQ(goOptions.glLineNumberHow, LineNumbering{9});
    EXPECT_EQ(goOptions.giCmtWhere, CommentBlockPlace{4});
    EXPECT_EQ(goOptions.glConvertIntrinsicFunction, IntrinsicDollar{6});
}

TEST_F(OptionsMapping, NumberFieldsAndSpinBoxesWithoutANumberKeepTheirSetting) {
    goOptions.glLineNumberStart = 500;
    goOptions.glLineNumberInc = 5;
    Model c = Design();
    sbRestoreOptions(c, goOptions);
    c.SetText("txtLineNumberStart", "");
    c.SetText("txtLineNumberIncrement", "99999999999");
    c["spnIndentBy"].Text = "abc";  // pasted past the digit filter
    c.SetText("spnAlignAs", "99999");
    sbSaveOptions(c, goOptions);
    EXPECT_EQ(goOptions.glLineNumberStart, 500);
    EXPECT_EQ(goOptions.glLineNumberInc, 5);
    EXPECT_EQ(goOptions.giIndentAmount, 4);
    EXPECT_EQ(goOptions.giAlignAsColumn, 32767);
}

TEST_F(OptionsMapping, ExtensionListsKeepEmptyPiecesAndAnEmptySettingGivesAnEmptyList) {
    goOptions.gsCodeExt = "BAS||CLS";
    goOptions.gsResourceExt = "";
    Model c = Design();
    c["cboExtension_3"].Items = {"old"};
    sbRestoreOptions(c, goOptions);
    EXPECT_EQ(c["cboExtension_2"].Items, (std::vector<std::string>{"BAS", "", "CLS"}));
    EXPECT_TRUE(c["cboExtension_3"].Items.empty());
    sbSaveOptions(c, goOptions);
    EXPECT_EQ(goOptions.gsCodeExt, "BAS||CLS");
    EXPECT_EQ(goOptions.gsResourceExt, "");
}

TEST_F(OptionsMapping, DesignStateDecidesWhichHandlersRunAtCreation) {
    // Dialect 6 is the design's choice: no dialect handler runs; the first
    // run's switches tick No Change and the indentation's No Change.
    std::vector<std::string> ran;
    Model c = Design();
    c.SetHandler([&ran](Model& m, const ControlEvent& e) {
        ran.push_back(e.Name);
        OptionsPageRules(m, e);
    });
    sbRestoreOptions(c, goOptions);
    auto has = [&ran](const std::string& n) { return std::find(ran.begin(), ran.end(), n) != ran.end(); };
    EXPECT_FALSE(has("optDialect_6"));
    EXPECT_FALSE(has("optIndentCase_0"));
    EXPECT_TRUE(has("chkASIS"));
    EXPECT_TRUE(has("chkNoWSChange"));
    EXPECT_TRUE(gblnOptionsChanged);
    goOptions.gsDialectDefault = "3";
    ran.clear();
    sbRestoreOptions(c, goOptions);
    EXPECT_TRUE(has("optDialect_3"));
}

}  // namespace
