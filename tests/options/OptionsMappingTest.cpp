// Every setting the dialog edits: the restore shows it, the save writes the
// edited control back, and the places where the two differ on purpose.
#include <functional>
#include <set>

#include "OptionsFixture.h"
#include "options/OptionsMapping.h"
#include "common/ErrorTrap.h"
#include "TestSupport.h"
#include "common/cAppInfo.h"
#include "common/mKEMCommon.h"

namespace {

using Model = OptionControls;

struct Row {
    std::string Setting;
    std::function<void(ZelkOptions&)> Put;     // a value other than the first run's
    std::function<void(const Model&)> Shown;   // the control shows it
    std::function<void(Model&)> Edit;          // the user changes the control
    std::function<void(const ZelkOptions&)> Saved;  // the setting holds the edit
};

std::vector<Row> gRows;

// A switch: the value put in is the opposite of the first run's, and the
// edit flips the box, so the save must give the first run's value back.
void BoolRow(const std::string& name, bool ZelkOptions::*g, const std::string& ctl, bool inverted = false) {
    auto put = std::make_shared<bool>();
    gRows.push_back({name, [g, put](ZelkOptions& o) { *put = o.*g = !(o.*g); },
                     [put, ctl, inverted, name](const Model& c) {
                         EXPECT_EQ(c[ctl].Value, (*put != inverted) ? 1 : 0) << name;
                     },
                     [ctl](Model& c) { c.SetCheck(ctl, 1 - c[ctl].Value); },
                     [g, put, name](const ZelkOptions& o) { EXPECT_EQ(o.*g, !*put) << name; }});
}

// A choice of buttons: the setting's code is the index of its button.
template <class T>
void CodeRow(const std::string& name, T ZelkOptions::*g, const std::string& base, long shown, long edited) {
    gRows.push_back({name, [g, shown](ZelkOptions& o) { o.*g = static_cast<T>(shown); },
                     [base, shown, name](const Model& c) {
                         EXPECT_EQ(c.Selected(base), std::optional<int>(static_cast<int>(shown))) << name;
                     },
                     [base, edited](Model& c) { c.SetOption(Model::NameOf(base, static_cast<int>(edited)), true); },
                     [g, edited, name](const ZelkOptions& o) { EXPECT_EQ(static_cast<long>(o.*g), edited) << name; }});
}

void SpinRow(const std::string& name, int ZelkOptions::*g, const std::string& ctl, int shown, int edited) {
    gRows.push_back({name, [g, shown](ZelkOptions& o) { o.*g = shown; },
                     [ctl, shown, name](const Model& c) { EXPECT_EQ(c[ctl].Text, std::to_string(shown)) << name; },
                     [ctl, edited](Model& c) { c.SetText(ctl, std::to_string(edited)); },
                     [g, edited, name](const ZelkOptions& o) { EXPECT_EQ(o.*g, edited) << name; }});
}

void TextRow(const std::string& name, std::string ZelkOptions::*g, const std::string& ctl) {
    gRows.push_back({name, [g, name](ZelkOptions& o) { o.*g = "/shown/" + name; },
                     [ctl, name](const Model& c) { EXPECT_EQ(c[ctl].Text, "/shown/" + name) << name; },
                     [ctl, name](Model& c) { c.SetText(ctl, "/edited/" + name); },
                     [g, name](const ZelkOptions& o) { EXPECT_EQ(o.*g, "/edited/" + name) << name; }});
}

void NumberRow(const std::string& name, long ZelkOptions::*g, const std::string& ctl) {
    gRows.push_back({name, [g](ZelkOptions& o) { o.*g = 123456; },
                     [ctl, name](const Model& c) { EXPECT_EQ(c[ctl].Text, "123456") << name; },
                     [ctl](Model& c) { c.SetText(ctl, "2000000000"); },
                     [g, name](const ZelkOptions& o) { EXPECT_EQ(o.*g, 2000000000L) << name; }});
}

void ExtensionRow(const std::string& name, std::string ZelkOptions::*g, int index) {
    const std::string ctl = Model::NameOf("cboExtension", index);
    gRows.push_back({name, [g](ZelkOptions& o) { o.*g = "AA||BB"; },
                     [ctl, name](const Model& c) {
                         EXPECT_EQ(c[ctl].Items, (std::vector<std::string>{"AA", "", "BB"})) << name;
                     },
                     [ctl](Model& c) { c[ctl].Items = {"X", "Y"}; },
                     [g, name](const ZelkOptions& o) { EXPECT_EQ(o.*g, "X|Y") << name; }});
}

// The order strings: their lists do not edit them yet, so they pass through.
void OrderRow(const std::string& name, std::string ZelkOptions::*g, const std::string& value) {
    gRows.push_back({name, [g, value](ZelkOptions& o) { o.*g = value; }, [](const Model&) {}, [](Model&) {},
                     [g, value, name](const ZelkOptions& o) { EXPECT_EQ(o.*g, value) << name; }});
}

const std::vector<Row>& Rows() {
    if (!gRows.empty()) return gRows;
    // User page and the shared object's three values.
    gRows.push_back({"User", [](ZelkOptions&) { oAppInfo->User("Ann"); },
                     [](const Model& c) { EXPECT_EQ(c["txtUserName"].Text, "Ann"); },
                     [](Model& c) { c.SetText("txtUserName", "Bea"); }, [](const ZelkOptions&) { EXPECT_EQ(oAppInfo->User(), "Bea"); }});
    gRows.push_back({"Company", [](ZelkOptions&) { oAppInfo->Company("Acme"); },
                     [](const Model& c) { EXPECT_EQ(c["txtCompany"].Text, "Acme"); },
                     [](Model& c) { c.SetText("txtCompany", "Beta"); },
                     [](const ZelkOptions&) { EXPECT_EQ(oAppInfo->Company(), "Beta"); }});
    // oAppInfo is made afresh for each test: reached at the time of the call.
    gRows.push_back({"ShowOpenDialog", [](ZelkOptions&) { oAppInfo->ShowOpenDialog = false; },
                     [](const Model& c) { EXPECT_EQ(c["chkShowOpenDialog"].Value, 0); },
                     [](Model& c) { c.SetCheck("chkShowOpenDialog", 1); },
                     [](const ZelkOptions&) { EXPECT_TRUE(oAppInfo->ShowOpenDialog); }});
    TextRow("gsDefaultFileLoc", &ZelkOptions::gsDefaultFileLoc, "txtDefaultFileLoc");
    BoolRow("gblnSaveZelInfo", &ZelkOptions::gblnSaveZelInfo, "chkSaveInfo");
    TextRow("gsSaveZelFile", &ZelkOptions::gsSaveZelFile, "txtQPSave");
    // General.
    CodeRow("giContinuations", &ZelkOptions::giContinuations, "optLines", 1, 0);
    BoolRow("gblnInsertContinuations", &ZelkOptions::gblnInsertContinuations, "chkContinue");
    SpinRow("giContinuationColumn", &ZelkOptions::giContinuationColumn, "spnLineLength", 500, 80);
    BoolRow("gblnKeepIndentation", &ZelkOptions::gblnKeepIndentation, "chkKeepIndentation");
    BoolRow("gblnSplitIfs", &ZelkOptions::gblnSplitIfs, "chkSplitIf");
    BoolRow("gblnSplitMultiLines", &ZelkOptions::gblnSplitMultiLines, "chkSplitMultiLine");
    BoolRow("gblnSplitLabels", &ZelkOptions::gblnSplitLabels, "chkSplitLabels");
    BoolRow("gblnKillNumericLabels", &ZelkOptions::gblnKillNumericLabels, "chkKillNumericLabels");
    BoolRow("gblnOptionExplicit", &ZelkOptions::gblnOptionExplicit, "chkOptionExplicit");
    BoolRow("gblnAlignAs", &ZelkOptions::gblnAlignAs, "chkAlign");
    SpinRow("giAlignAsColumn", &ZelkOptions::giAlignAsColumn, "spnAlignAs", 60, 30);
    BoolRow("gblnSplitDeclarations", &ZelkOptions::gblnSplitDeclarations, "chkSplitDeclaration");
    BoolRow("gblnSplitConsts", &ZelkOptions::gblnSplitConsts, "chkSplitConst");
    // Indentation.
    BoolRow("gblnAsIs", &ZelkOptions::gblnAsIs, "chkASIS");
    CodeRow("giCodeLine", &ZelkOptions::giCodeLine, "optIndent", 1, 0);
    SpinRow("giIndentAmount", &ZelkOptions::giIndentAmount, "spnIndentBy", 90, 3);
    BoolRow("gblnDeclarations", &ZelkOptions::gblnDeclarations, "chkDeclaration");
    BoolRow("gblnModDeclarations", &ZelkOptions::gblnModDeclarations, "chkDeclarationsModule");
    BoolRow("gblnBaseLines", &ZelkOptions::gblnBaseLines, "chkBaseLine");
    CodeRow("giCaseStructure", &ZelkOptions::giCaseStructure, "optIndentCase", 2, 1);
    CodeRow("giIfStructure", &ZelkOptions::giIfStructure, "optElse", 1, 0);
    // Files.
    CodeRow("giSaveInBackup", &ZelkOptions::giSaveInBackup, "optWhereToSave", 1, 2);
    CodeRow("giBackup", &ZelkOptions::giBackup, "optBackupDir", 1, 0);
    gRows.push_back({"gsBackupDirectory", [](ZelkOptions& o) { o.gsBackupDirectory = "/bk"; },
                     [](const Model& c) { EXPECT_EQ(c["txtBackupDir"].Text, "/bk"); },
                     [](Model& c) { c.SetText("txtBackupDir", "/other"); },
                     [](const ZelkOptions& o) { EXPECT_EQ(o.gsBackupDirectory, "/other"); }});
    CodeRow("giOverwrite", &ZelkOptions::giOverwrite, "optOVerwrite", 1, 0);
    CodeRow("giLogOverwrite", &ZelkOptions::giLogOverwrite, "optOverwriteLog", 3, 1);
    BoolRow("gblnLogSignificant", &ZelkOptions::gblnLogSignificant, "chkSignificant");
    // Spell check.
    BoolRow("gblnSpellEnabled", &ZelkOptions::gblnSpellEnabled, "chkSpellDisable", true);
    BoolRow("gblnSpellComments", &ZelkOptions::gblnSpellComments, "chkSpellWhat_0");
    BoolRow("gblnSpellFormLiterals", &ZelkOptions::gblnSpellFormLiterals, "chkSpellWhat_1");
    BoolRow("gblnSpellCodeLiterals", &ZelkOptions::gblnSpellCodeLiterals, "chkSpellWhat_2");
    BoolRow("gblnIgnoreCaps", &ZelkOptions::gblnIgnoreCaps, "chkSpellWhat_3");
    BoolRow("gblnIgnoreNumbers", &ZelkOptions::gblnIgnoreNumbers, "chkSpellWhat_4");
    BoolRow("gblnIgnoreVBWords", &ZelkOptions::gblnIgnoreVBWords, "chkSpellWhat_5");
    TextRow("gsCustomDictionary", &ZelkOptions::gsCustomDictionary, "txtDictionary_0");
    TextRow("gsStandardDictionary", &ZelkOptions::gsStandardDictionary, "txtDictionary_1");
    // White space.
    BoolRow("gblnWSNoChange", &ZelkOptions::gblnWSNoChange, "chkNoWSChange");
    BoolRow("gblnWSChange", &ZelkOptions::gblnWSChange, "chkInsertWS");
    BoolRow("gblnXSLines", &ZelkOptions::gblnXSLines, "chkXSLines");
    SpinRow("giXSLinesAmount", &ZelkOptions::giXSLinesAmount, "spnXSLines", 0, 7);
    bool ZelkOptions::* const grid[24] = {&ZelkOptions::gblnWSBeforeSub,      &ZelkOptions::gblnWSAfterSub,      &ZelkOptions::gblnWSBeforeEndSub,
                            &ZelkOptions::gblnWSAfterEndSub,    &ZelkOptions::gblnWSBeforeIf,      &ZelkOptions::gblnWSAfterIf,
                            &ZelkOptions::gblnWSBeforeElse,     &ZelkOptions::gblnWSAfterElse,     &ZelkOptions::gblnWSBeforeEndIf,
                            &ZelkOptions::gblnWSAfterEndIf,     &ZelkOptions::gblnWSBeforeLoop,    &ZelkOptions::gblnWSAfterLoop,
                            &ZelkOptions::gblnWSBeforeEndLoop,  &ZelkOptions::gblnWSAfterEndLoop,  &ZelkOptions::gblnWSBeforeSelect,
                            &ZelkOptions::gblnWSAfterSelect,    &ZelkOptions::gblnWSBeforeCase,    &ZelkOptions::gblnWSAfterCase,
                            &ZelkOptions::gblnWSBeforeEndSelect, &ZelkOptions::gblnWSAfterEndSelect, &ZelkOptions::gblnWSBeforeLabel,
                            &ZelkOptions::gblnWSAfterLabel,     &ZelkOptions::gblnWSBeforeDec,     &ZelkOptions::gblnWSAfterDec};
    for (int i = 0; i < 24; ++i)
        BoolRow("grid " + std::to_string(i), grid[i], Model::NameOf("chkInsertBlank", i));
    // Comments.
    CodeRow("giCmtStandAlone", &ZelkOptions::giCmtStandAlone, "optInlineStart", 0, 3);
    SpinRow("giCmtStandAloneColumn", &ZelkOptions::giCmtStandAloneColumn, "spnCommentStart", 12, 8);
    CodeRow("giCmtInLine", &ZelkOptions::giCmtInLine, "optInLine", 0, 2);
    SpinRow("giCmtInLineColumn", &ZelkOptions::giCmtInLineColumn, "spnInLine", 50, 45);
    BoolRow("gblnCmtInLineRight", &ZelkOptions::gblnCmtInLineRight, "optRight");
    gRows.back().Edit = [](Model& c) { c.SetOption("optNextLine", true); };
    BoolRow("gblnCmtInLineNext", &ZelkOptions::gblnCmtInLineNext, "optNextLine");
    gRows.back().Edit = [](Model& c) { c.SetOption("optRight", true); };
    // Comment blocks.
    CodeRow("giCmtWhere", &ZelkOptions::giCmtWhere, "optPositionBlock", 1, 0);
    BoolRow("gblnCmtOverwrite", &ZelkOptions::gblnCmtOverwrite, "chkOverwriteBlock");
    BoolRow("gblnCmtAutoInsert", &ZelkOptions::gblnCmtAutoInsert, "chkInsertAutomatically");
    BoolRow("gblnCmtModule", &ZelkOptions::gblnCmtModule, "chkComments_0");
    BoolRow("gblnCmtUDP", &ZelkOptions::gblnCmtUDP, "chkComments_1");
    BoolRow("gblnCmtEvent", &ZelkOptions::gblnCmtEvent, "chkComments_2");
    TextRow("gsCmtModuleFile", &ZelkOptions::gsCmtModuleFile, "txtCommentFile_0");
    TextRow("gsCmtUDPFile", &ZelkOptions::gsCmtUDPFile, "txtCommentFile_1");
    TextRow("gsCmtEventFile", &ZelkOptions::gsCmtEventFile, "txtCommentFile_2");
    // Selection.
    ExtensionRow("gsProjectExt", &ZelkOptions::gsProjectExt, 0);
    ExtensionRow("gsFormExt", &ZelkOptions::gsFormExt, 1);
    ExtensionRow("gsCodeExt", &ZelkOptions::gsCodeExt, 2);
    ExtensionRow("gsResourceExt", &ZelkOptions::gsResourceExt, 3);
    BoolRow("gblnDialectAutodetect", &ZelkOptions::gblnDialectAutodetect, "optAutoDetect_0");
    gRows.back().Edit = [](Model& c) {
        c.SetOption(c["optAutoDetect_0"].Value ? "optAutoDetect_1" : "optAutoDetect_0", true);
    };
    gRows.push_back({"gsDialectDefault", [](ZelkOptions& o) { o.gsDialectDefault = "4"; },
                     [](const Model& c) { EXPECT_EQ(c.Selected("optDialect"), std::optional<int>(4)); },
                     [](Model& c) { c.SetOption("optDialect_3", true); },
                     [](const ZelkOptions& o) { EXPECT_EQ(o.gsDialectDefault, "3"); }});
    // Arrange.
    BoolRow("gblnDoModules", &ZelkOptions::gblnDoModules, "chkArrangeModule");
    BoolRow("gblnDoProcs", &ZelkOptions::gblnDoProcs, "chkChangeProcs");
    BoolRow("gblnDoLocals", &ZelkOptions::gblnDoLocals, "chkArrangeLocal");
    OrderRow("gsModuleHow", &ZelkOptions::gsModuleHow, "213427123456");
    OrderRow("gsProcsHow", &ZelkOptions::gsProcsHow, "23132145");
    OrderRow("gsLocalHow", &ZelkOptions::gsLocalHow, "21345");
    // Replace code.
    BoolRow("gblnConvertDeclare", &ZelkOptions::gblnConvertDeclare, "chkConvertDeclare");
    BoolRow("gblnConvertMsgBox", &ZelkOptions::gblnConvertMsgBox, "chkConvertMsgbox");
    BoolRow("gblnConvertDAO", &ZelkOptions::gblnConvertDAO, "chkConvertDAO");
    BoolRow("gblnConvertSymbols", &ZelkOptions::gblnConvertSymbols, "chkConvertSymbols");
    BoolRow("gblnConvertSymbolsCode", &ZelkOptions::gblnConvertSymbolsCode, "chkConvertSymbolsCode");
    BoolRow("gblnNextVariable", &ZelkOptions::gblnNextVariable, "chkForNext");
    CodeRow("glConvertIntrinsicFunction", &ZelkOptions::glConvertIntrinsicFunction, "optIntrinsic", 2L, 1L);
    // Error handling.
    BoolRow("gblnInsertErrHandling", &ZelkOptions::gblnInsertErrHandling, "chkERHandling");
    TextRow("gsErrSet", &ZelkOptions::gsErrSet, "txtErrHandler_0");
    TextRow("gsErrTrap", &ZelkOptions::gsErrTrap, "txtErrHandler_1");
    BoolRow("gblnInsertTracing", &ZelkOptions::gblnInsertTracing, "chkTrace");
    TextRow("gsTraceIn", &ZelkOptions::gsTraceIn, "txtErrHandler_2");
    TextRow("gsTraceOut", &ZelkOptions::gsTraceOut, "txtErrHandler_3");
    BoolRow("gblnAnalyzeDates", &ZelkOptions::gblnAnalyzeDates, "chkDates");
    BoolRow("gblnInsertLineNumbers", &ZelkOptions::gblnInsertLineNumbers, "chkLineNumbers");
    NumberRow("glLineNumberStart", &ZelkOptions::glLineNumberStart, "txtLineNumberStart");
    NumberRow("glLineNumberInc", &ZelkOptions::glLineNumberInc, "txtLineNumberIncrement");
    CodeRow("glLineNumberHow", &ZelkOptions::glLineNumberHow, "optLineNumber", 3L, 1L);
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
        ZelkOptions o;
        sbGetINIInfo(o);
        r.Put(o);
        // The dialog's rules compare with the stored options.
        Model c = DesignOver(o);
        sbRestoreOptions(c, o);
        r.Shown(c);
        r.Edit(c);
        sbSaveOptions(c, o);
        r.Saved(o);
    }
}

// Writes the settings file and returns it, without the line that stamps the
// time of writing.
std::string SettingsText(const ZelkOptions& options) {
    sbINIPutInfo(options);
    std::string text = testsupport::ReadFile(testsupport::ConfigDir() + "/VEZUZ.INI");
    const size_t at = text.find("Version=");
    if (at != std::string::npos) text.erase(at, text.find('\n', at) - at);
    return text;
}

TEST_F(OptionsMapping, RestoreThenSaveChangesNoSettingThatTheControlsCanShow) {
    for (const Row& r : Rows()) r.Put(options);
    options.gblnCmtInLineRight = false;  // with both placements on, the later wins
    std::string before;
    try {
        before = SettingsText(options);
    } catch (const ErrorReported& e) {
        FAIL() << e.Number << " " << e.Description << " " << e.ProcName;
    }
    Model c = Design();
    sbRestoreOptions(c, options);
    sbSaveOptions(c, options);
    EXPECT_EQ(SettingsText(options), before);
}

TEST_F(OptionsMapping, WhereRestoreAndSaveDifferOnPurpose) {
    options.gblnCmtInLineRight = options.gblnCmtInLineNext = true;  // one group: the later wins
    options.giIndentAmount = 0;                             // below the spin box: its bound
    options.giAlignAsColumn = 200;                          // above it
    options.gblnSpellEnabled = false;
    oAppInfo->User("Ann");
    Model c = Design();
    sbRestoreOptions(c, options);
    EXPECT_EQ(c["optRight"].Value, 0);
    EXPECT_EQ(c["optNextLine"].Value, 1);
    EXPECT_EQ(c["spnIndentBy"].Text, "1");
    EXPECT_EQ(c["spnAlignAs"].Text, "100");
    c.SetText("txtUserName", "");
    sbSaveOptions(c, options);
    EXPECT_FALSE(options.gblnCmtInLineRight);
    EXPECT_TRUE(options.gblnCmtInLineNext);
    EXPECT_EQ(options.giIndentAmount, 1);
    EXPECT_EQ(options.giAlignAsColumn, 100);
    EXPECT_EQ(oAppInfo->User(), "Ann"); // an emptied name keeps the stored one
    sbRestoreOptions(c, options);
    EXPECT_EQ(c["txtUserName"].Text, "Ann");
}

TEST_F(OptionsMapping, CodesWithoutAButtonShowNoChoiceAndAreSavedUnchanged) {
    // Codes the load lets through but no button stands for.
    options.giCmtInLine = InLineCommentPlace::NotChosen;
    options.giSaveInBackup = SaveMode{7};
    options.giOverwrite = OverwriteMode{5};
    options.giCodeLine = CodeIndentation{3};
    options.giCmtStandAlone = StandAloneCommentPlace{12};
    options.glLineNumberHow = LineNumbering{9};
    options.giCmtWhere = CommentBlockPlace{4};
    options.glConvertIntrinsicFunction = IntrinsicDollar{6};
    Model c = Design();
    // An earlier choice on screen must not survive a restore.
    c.SetOption("optInLine_0", true);
    c.SetOption("optIntrinsic_1", true);
    sbRestoreOptions(c, options);
    for (const char* base : {"optInLine", "optWhereToSave", "optOVerwrite", "optIndent", "optInlineStart",
                             "optLineNumber", "optPositionBlock", "optIntrinsic"})
        EXPECT_FALSE(c.Selected(base).has_value()) << base;
    sbSaveOptions(c, options);
    EXPECT_EQ(options.giCmtInLine, InLineCommentPlace::NotChosen);
    EXPECT_EQ(options.giSaveInBackup, SaveMode{7});  // never "replace without backup"
    EXPECT_EQ(options.giOverwrite, OverwriteMode{5});
    EXPECT_EQ(options.giCodeLine, CodeIndentation{3});
    EXPECT_EQ(options.giCmtStandAlone, StandAloneCommentPlace{12});
    EXPECT_EQ(options.glLineNumberHow, LineNumbering{9});
    EXPECT_EQ(options.giCmtWhere, CommentBlockPlace{4});
    EXPECT_EQ(options.glConvertIntrinsicFunction, IntrinsicDollar{6});
}

TEST_F(OptionsMapping, NumberFieldsAndSpinBoxesWithoutANumberKeepTheirSetting) {
    options.glLineNumberStart = 500;
    options.glLineNumberInc = 5;
    Model c = Design();
    sbRestoreOptions(c, options);
    c.SetText("txtLineNumberStart", "");
    c.SetText("txtLineNumberIncrement", "99999999999");
    c["spnIndentBy"].Text = "abc";  // pasted past the digit filter
    c.SetText("spnAlignAs", "99999");
    sbSaveOptions(c, options);
    EXPECT_EQ(options.glLineNumberStart, 500);
    EXPECT_EQ(options.glLineNumberInc, 5);
    EXPECT_EQ(options.giIndentAmount, 4);
    EXPECT_EQ(options.giAlignAsColumn, 32767);
}

TEST_F(OptionsMapping, ExtensionListsKeepEmptyPiecesAndAnEmptySettingGivesAnEmptyList) {
    options.gsCodeExt = "BAS||CLS";
    options.gsResourceExt = "";
    Model c = Design();
    c["cboExtension_3"].Items = {"old"};
    sbRestoreOptions(c, options);
    EXPECT_EQ(c["cboExtension_2"].Items, (std::vector<std::string>{"BAS", "", "CLS"}));
    EXPECT_TRUE(c["cboExtension_3"].Items.empty());
    sbSaveOptions(c, options);
    EXPECT_EQ(options.gsCodeExt, "BAS||CLS");
    EXPECT_EQ(options.gsResourceExt, "");
}

TEST_F(OptionsMapping, DesignStateDecidesWhichHandlersRunAtCreation) {
    // Dialect 6 is the design's choice: no dialect handler runs; the first
    // run's switches tick No Change and the indentation's No Change.
    std::vector<std::string> ran;
    Model c = Design();
    c.SetHandler([&ran, this](Model& m, const ControlEvent& e) {
        ran.push_back(e.Name);
        OptionsPageRules(m, e, options);
    });
    sbRestoreOptions(c, options);
    auto has = [&ran](const std::string& n) { return std::find(ran.begin(), ran.end(), n) != ran.end(); };
    EXPECT_FALSE(has("optDialect_6"));
    EXPECT_FALSE(has("optIndentCase_0"));
    EXPECT_TRUE(has("chkASIS"));
    EXPECT_TRUE(has("chkNoWSChange"));
    EXPECT_TRUE(gblnOptionsChanged);
    options.gsDialectDefault = "3";
    ran.clear();
    sbRestoreOptions(c, options);
    EXPECT_TRUE(has("optDialect_3"));
}

}  // namespace
