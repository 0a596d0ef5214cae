#include "options/OptionsMapping.h"

#include <climits>
#include <cstdint>
#include <type_traits>

#include "common/ErrorTrap.h"
#include "common/SharedState.h"
#include "settings/ProgramOptions.h"
#include "options/OrderListsPage.h"
#include "options/SpinRules.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/cAppInfo.h"
#include "common/mKEMCommon.h"

namespace {

std::string Name(const std::string& base, int index) { return OptionControls::NameOf(base, index); }

// The blank-line grid: before and after each kind of statement, row by row.
bool* const kBlankLineGrid[24] = {
    &goOptions.gblnWSBeforeSub,    &goOptions.gblnWSAfterSub,    &goOptions.gblnWSBeforeEndSub,    &goOptions.gblnWSAfterEndSub,
    &goOptions.gblnWSBeforeIf,     &goOptions.gblnWSAfterIf,     &goOptions.gblnWSBeforeElse,      &goOptions.gblnWSAfterElse,
    &goOptions.gblnWSBeforeEndIf,  &goOptions.gblnWSAfterEndIf,  &goOptions.gblnWSBeforeLoop,      &goOptions.gblnWSAfterLoop,
    &goOptions.gblnWSBeforeEndLoop, &goOptions.gblnWSAfterEndLoop, &goOptions.gblnWSBeforeSelect,  &goOptions.gblnWSAfterSelect,
    &goOptions.gblnWSBeforeCase,   &goOptions.gblnWSAfterCase,   &goOptions.gblnWSBeforeEndSelect, &goOptions.gblnWSAfterEndSelect,
    &goOptions.gblnWSBeforeLabel,  &goOptions.gblnWSAfterLabel,  &goOptions.gblnWSBeforeDec,       &goOptions.gblnWSAfterDec};

bool* const kSpellWhat[6] = {&goOptions.gblnSpellComments, &goOptions.gblnSpellFormLiterals, &goOptions.gblnSpellCodeLiterals,
                             &goOptions.gblnIgnoreCaps,    &goOptions.gblnIgnoreNumbers,     &goOptions.gblnIgnoreVBWords};

std::string* const kCommentFiles[3] = {&goOptions.gsCmtModuleFile, &goOptions.gsCmtUDPFile, &goOptions.gsCmtEventFile};
bool* const kCommentSwitches[3] = {&goOptions.gblnCmtModule, &goOptions.gblnCmtUDP, &goOptions.gblnCmtEvent};
std::string* const kTemplates[4] = {&goOptions.gsErrSet, &goOptions.gsErrTrap, &goOptions.gsTraceIn, &goOptions.gsTraceOut};
std::string* const kDictionaries[2] = {&goOptions.gsCustomDictionary, &goOptions.gsStandardDictionary};
std::string* const kExtensions[4] = {&goOptions.gsProjectExt, &goOptions.gsFormExt, &goOptions.gsCodeExt, &goOptions.gsResourceExt};

// --- restore: control from setting

void Check(OptionControls& c, const std::string& name, bool value) { c.SetCheck(name, value ? 1 : 0); }

// Selects the button whose index is the code; a code without a button shows
// no selection, so that Cancel never leaves an earlier choice on screen.
void Code(OptionControls& c, const std::string& base, long code) {
    const std::string name = code >= INT16_MIN && code <= INT16_MAX ? Name(base, static_cast<int>(code)) : "";
    if (!name.empty() && c.Has(name) && c[name].Kind == CtlKind::OptionButton)
        c.SetOption(name, true);
    else
        c.ClearGroup(base);
}

template <class E>
    requires std::is_enum_v<E>
void Code(OptionControls& c, const std::string& base, E code) {
    Code(c, base, static_cast<long>(code));
}

void Spin(OptionControls& c, const std::string& name, int value) { c.SetSpinValue(name, std::to_string(value)); }

// --- save: setting from control

bool Checked(const OptionControls& c, const std::string& name) { return c[name].Value == 1; }

template <class T>
void SaveCode(const OptionControls& c, const std::string& base, T& setting) {
    if (auto selected = c.Selected(base)) setting = static_cast<T>(*selected);
}

void SaveSpin(const OptionControls& c, const std::string& name, int& setting) {
    if (auto value = SpinSettingValue(c[name].Text)) setting = *value;
}

// A number field that is empty or holds more than a 32-bit number keeps the
// setting as it was.
void SaveNumberText(const OptionControls& c, const std::string& name, long& setting) {
    const std::string text = c[name].Text;
    if (!vb::IsNumeric(text)) return;
    const double v = vb::RoundHalfEven(vb::Val(text));
    if (v < static_cast<double>(INT32_MIN) || v > static_cast<double>(INT32_MAX)) return;
    setting = static_cast<long>(v);
}

void RestoreSteps(OptionControls& c) {
    // 1-2: user, dialect.
    c.SetText("txtUserName", oAppInfo->User());
    c.SetText("txtCompany", oAppInfo->Company());
    c.SetOption(goOptions.gblnDialectAutodetect ? "optAutoDetect_0" : "optAutoDetect_1", true);
    Code(c, "optDialect", vb::IsNumeric(goOptions.gsDialectDefault) ? static_cast<long>(vb::Val(goOptions.gsDialectDefault)) : -1);
    // 3: declarations.
    Check(c, "chkOptionExplicit", goOptions.gblnOptionExplicit);
    Check(c, "chkAlign", goOptions.gblnAlignAs);
    Spin(c, "spnAlignAs", goOptions.giAlignAsColumn);
    c.SetEnabled("spnAlignAs", Checked(c, "chkAlign"));
    // 4: splits.
    Check(c, "chkForNext", goOptions.gblnNextVariable);
    Check(c, "chkSplitDeclaration", goOptions.gblnSplitDeclarations);
    Check(c, "chkSplitConst", goOptions.gblnSplitConsts);
    Check(c, "chkSplitIf", goOptions.gblnSplitIfs);
    Check(c, "chkSplitLabels", goOptions.gblnSplitLabels);
    Check(c, "chkSplitMultiLine", goOptions.gblnSplitMultiLines);
    Check(c, "chkKillNumericLabels", goOptions.gblnKillNumericLabels);
    // 5: continuations.
    Code(c, "optLines", goOptions.giContinuations);
    Check(c, "chkContinue", goOptions.gblnInsertContinuations);
    Check(c, "chkKeepIndentation", goOptions.gblnKeepIndentation);
    Check(c, "chkShowOpenDialog", oAppInfo->ShowOpenDialog);
    Spin(c, "spnLineLength", goOptions.giContinuationColumn);
    // 6: comment blocks.
    Code(c, "optPositionBlock", goOptions.giCmtWhere);
    Check(c, "chkOverwriteBlock", goOptions.gblnCmtOverwrite);
    Check(c, "chkInsertAutomatically", goOptions.gblnCmtAutoInsert);
    for (int i = 0; i < 3; ++i) Check(c, Name("chkComments", i), *kCommentSwitches[i]);
    for (int i = 0; i < 3; ++i) c.SetText(Name("txtCommentFile", i), *kCommentFiles[i]);
    // 7: white space.
    Check(c, "chkXSLines", goOptions.gblnXSLines);
    Spin(c, "spnXSLines", goOptions.giXSLinesAmount);
    Check(c, "chkNoWSChange", goOptions.gblnWSNoChange);
    Check(c, "chkInsertWS", goOptions.gblnWSChange);
    c.SetEnabled("chkInsertWS", c["chkNoWSChange"].Value == 0);
    c.SetEnabled("chkXSLines", c["chkNoWSChange"].Value == 0);
    for (int i = 0; i < 24; ++i) Check(c, Name("chkInsertBlank", i), *kBlankLineGrid[i]);
    // 8: comments.
    Spin(c, "spnCommentStart", goOptions.giCmtStandAloneColumn);
    Code(c, "optInlineStart", goOptions.giCmtStandAlone);
    Spin(c, "spnInLine", goOptions.giCmtInLineColumn);
    Code(c, "optInLine", goOptions.giCmtInLine);
    c.SetOption("optRight", goOptions.gblnCmtInLineRight);
    c.SetOption("optNextLine", goOptions.gblnCmtInLineNext);
    // 9: indentation.
    Check(c, "chkASIS", goOptions.gblnAsIs);
    Spin(c, "spnIndentBy", goOptions.giIndentAmount);
    Code(c, "optIndent", goOptions.giCodeLine);
    Check(c, "chkDeclaration", goOptions.gblnDeclarations);
    Check(c, "chkDeclarationsModule", goOptions.gblnModDeclarations);
    Check(c, "chkBaseLine", goOptions.gblnBaseLines);
    Code(c, "optIndentCase", goOptions.giCaseStructure);
    Code(c, "optElse", goOptions.giIfStructure);
    // 10: history file and default location.
    Check(c, "chkSaveInfo", goOptions.gblnSaveZelInfo);
    c.SetText("txtQPSave", goOptions.gsSaveZelFile);
    c.SetText("txtDefaultFileLoc", goOptions.gsDefaultFileLoc);
    c.SetEnabled("txtQPSave", goOptions.gblnSaveZelInfo);
    c.SetEnabled("cmdFindQPFile", goOptions.gblnSaveZelInfo);
    // 11: saving and backups.
    Code(c, "optWhereToSave", goOptions.giSaveInBackup);
    Code(c, "optBackupDir", goOptions.giBackup);
    c.SetText("txtBackupDir", goOptions.gsBackupDirectory);
    Code(c, "optOVerwrite", goOptions.giOverwrite);
    Code(c, "optOverwriteLog", goOptions.giLogOverwrite);
    Check(c, "chkSignificant", goOptions.gblnLogSignificant);
    // 12: extension lists, an entry per piece between the separators.
    for (int i = 0; i < 4; ++i) c[Name("cboExtension", i)].Items.clear();
    for (int i = 0; i < 4; ++i)
        if (!kExtensions[i]->empty()) c[Name("cboExtension", i)].Items = vb::Split(*kExtensions[i], "|");
    // 13: spelling.
    Check(c, "chkSpellDisable", !goOptions.gblnSpellEnabled);
    for (int i = 0; i < 6; ++i) Check(c, Name("chkSpellWhat", i), *kSpellWhat[i]);
    for (int i = 0; i < 2; ++i) c.SetText(Name("txtDictionary", i), *kDictionaries[i]);
    // 14: arranging; the order lists show the order strings as they stand.
    Check(c, "chkChangeProcs", goOptions.gblnDoProcs);
    Check(c, "chkArrangeLocal", goOptions.gblnDoLocals);
    Check(c, "chkArrangeModule", goOptions.gblnDoModules);
    sbRestoreOrder(c);
    // 15: conversions. The intrinsic-function choice is saved from the
    // frame's tag, which its buttons keep; no button, no tag.
    Check(c, "chkConvertDeclare", goOptions.gblnConvertDeclare);
    Check(c, "chkConvertMsgbox", goOptions.gblnConvertMsgBox);
    Check(c, "chkConvertDAO", goOptions.gblnConvertDAO);
    Check(c, "chkConvertSymbols", goOptions.gblnConvertSymbols);
    Code(c, "optIntrinsic", goOptions.glConvertIntrinsicFunction);
    if (!c.Selected("optIntrinsic")) c["fraIntrinsicFunctions"].Tag.clear();
    Check(c, "chkConvertSymbolsCode", goOptions.gblnConvertSymbolsCode);
    // 16: error handling and line numbers.
    Check(c, "chkERHandling", goOptions.gblnInsertErrHandling);
    Check(c, "chkTrace", goOptions.gblnInsertTracing);
    Check(c, "chkDates", goOptions.gblnAnalyzeDates);
    Check(c, "chkLineNumbers", goOptions.gblnInsertLineNumbers);
    c.SetText("txtLineNumberStart", std::to_string(goOptions.glLineNumberStart));
    c.SetText("txtLineNumberIncrement", std::to_string(goOptions.glLineNumberInc));
    Code(c, "optLineNumber", goOptions.glLineNumberHow);
    for (int i = 0; i < 4; ++i) c.SetText(Name("txtErrHandler", i), *kTemplates[i]);
}

void SaveSteps(const OptionControls& c) {
    // 1-2: user, dialect.
    oAppInfo->User(c["txtUserName"].Text);
    oAppInfo->Company(c["txtCompany"].Text);
    if (auto detect = c.Selected("optAutoDetect")) goOptions.gblnDialectAutodetect = *detect == 0;
    if (auto dialect = c.Selected("optDialect")) goOptions.gsDialectDefault = std::to_string(*dialect);
    // 3: declarations and splits.
    goOptions.gblnOptionExplicit = Checked(c, "chkOptionExplicit");
    goOptions.gblnAlignAs = Checked(c, "chkAlign");
    SaveSpin(c, "spnAlignAs", goOptions.giAlignAsColumn);
    goOptions.gblnSplitDeclarations = Checked(c, "chkSplitDeclaration");
    goOptions.gblnSplitConsts = Checked(c, "chkSplitConst");
    goOptions.gblnSplitIfs = Checked(c, "chkSplitIf");
    goOptions.gblnSplitLabels = Checked(c, "chkSplitLabels");
    goOptions.gblnSplitMultiLines = Checked(c, "chkSplitMultiLine");
    goOptions.gblnKillNumericLabels = Checked(c, "chkKillNumericLabels");
    // 4: continuations.
    SaveCode(c, "optLines", goOptions.giContinuations);
    goOptions.gblnInsertContinuations = Checked(c, "chkContinue");
    goOptions.gblnKeepIndentation = Checked(c, "chkKeepIndentation");
    oAppInfo->ShowOpenDialog = Checked(c, "chkShowOpenDialog");
    SaveSpin(c, "spnLineLength", goOptions.giContinuationColumn);
    // 5: comment blocks.
    SaveCode(c, "optPositionBlock", goOptions.giCmtWhere);
    goOptions.gblnCmtOverwrite = Checked(c, "chkOverwriteBlock");
    goOptions.gblnCmtAutoInsert = Checked(c, "chkInsertAutomatically");
    for (int i = 0; i < 3; ++i) *kCommentSwitches[i] = Checked(c, Name("chkComments", i));
    for (int i = 0; i < 3; ++i) *kCommentFiles[i] = c[Name("txtCommentFile", i)].Text;
    // 6: white space.
    goOptions.gblnXSLines = Checked(c, "chkXSLines");
    SaveSpin(c, "spnXSLines", goOptions.giXSLinesAmount);
    goOptions.gblnWSNoChange = Checked(c, "chkNoWSChange");
    goOptions.gblnWSChange = Checked(c, "chkInsertWS");
    for (int i = 0; i < 24; ++i) *kBlankLineGrid[i] = Checked(c, Name("chkInsertBlank", i));
    // 7: comments.
    SaveSpin(c, "spnCommentStart", goOptions.giCmtStandAloneColumn);
    SaveCode(c, "optInlineStart", goOptions.giCmtStandAlone);
    SaveSpin(c, "spnInLine", goOptions.giCmtInLineColumn);
    SaveCode(c, "optInLine", goOptions.giCmtInLine);
    goOptions.gblnCmtInLineRight = c["optRight"].Value != 0;
    goOptions.gblnCmtInLineNext = c["optNextLine"].Value != 0;
    // 8: indentation.
    goOptions.gblnAsIs = Checked(c, "chkASIS");
    SaveSpin(c, "spnIndentBy", goOptions.giIndentAmount);
    SaveCode(c, "optIndent", goOptions.giCodeLine);
    goOptions.gblnDeclarations = Checked(c, "chkDeclaration");
    goOptions.gblnModDeclarations = Checked(c, "chkDeclarationsModule");
    goOptions.gblnBaseLines = Checked(c, "chkBaseLine");
    SaveCode(c, "optIndentCase", goOptions.giCaseStructure);
    SaveCode(c, "optElse", goOptions.giIfStructure);
    // 9: files.
    goOptions.gblnSaveZelInfo = Checked(c, "chkSaveInfo");
    goOptions.gsSaveZelFile = c["txtQPSave"].Text;
    goOptions.gsDefaultFileLoc = c["txtDefaultFileLoc"].Text;
    SaveCode(c, "optBackupDir", goOptions.giBackup);
    SaveCode(c, "optWhereToSave", goOptions.giSaveInBackup);
    goOptions.gsBackupDirectory = c["txtBackupDir"].Text;
    SaveCode(c, "optOVerwrite", goOptions.giOverwrite);
    SaveCode(c, "optOverwriteLog", goOptions.giLogOverwrite);
    goOptions.gblnLogSignificant = Checked(c, "chkSignificant");
    // 10: extension lists.
    for (int i = 0; i < 4; ++i) *kExtensions[i] = vb::Join(c[Name("cboExtension", i)].Items, "|");
    // 11: spelling.
    goOptions.gblnSpellEnabled = c["chkSpellDisable"].Value == 0;
    gblnSpellThisModule = goOptions.gblnSpellEnabled;
    for (int i = 0; i < 6; ++i) *kSpellWhat[i] = Checked(c, Name("chkSpellWhat", i));
    for (int i = 0; i < 2; ++i) *kDictionaries[i] = c[Name("txtDictionary", i)].Text;
    // 12: arranging; each order is saved whether or not its group is ticked.
    const OrderStrings how = OrderStringsOf(c);
    goOptions.gblnDoLocals = Checked(c, "chkArrangeLocal");
    goOptions.gsLocalHow = how.LocalHow;
    goOptions.gblnDoProcs = Checked(c, "chkChangeProcs");
    goOptions.gsProcsHow = how.ProcsHow;
    goOptions.gblnDoModules = Checked(c, "chkArrangeModule");
    goOptions.gsModuleHow = how.ModuleHow;
    // 13: conversions.
    goOptions.gblnConvertDeclare = Checked(c, "chkConvertDeclare");
    goOptions.gblnConvertMsgBox = Checked(c, "chkConvertMsgbox");
    goOptions.gblnConvertDAO = Checked(c, "chkConvertDAO");
    goOptions.gblnConvertSymbols = Checked(c, "chkConvertSymbols");
    goOptions.gblnConvertSymbolsCode = Checked(c, "chkConvertSymbolsCode");
    const std::string& tag = c["fraIntrinsicFunctions"].Tag;
    if (vb::IsNumeric(tag)) goOptions.glConvertIntrinsicFunction = static_cast<IntrinsicDollar>(static_cast<long>(vb::Val(tag)));
    goOptions.gblnNextVariable = Checked(c, "chkForNext");
    // 14: error handling and line numbers.
    goOptions.gblnInsertErrHandling = Checked(c, "chkERHandling");
    goOptions.gblnInsertTracing = Checked(c, "chkTrace");
    goOptions.gblnInsertLineNumbers = Checked(c, "chkLineNumbers");
    SaveNumberText(c, "txtLineNumberStart", goOptions.glLineNumberStart);
    goOptions.gblnAnalyzeDates = Checked(c, "chkDates");
    SaveNumberText(c, "txtLineNumberIncrement", goOptions.glLineNumberInc);
    SaveCode(c, "optLineNumber", goOptions.glLineNumberHow);
    for (int i = 0; i < 4; ++i) *kTemplates[i] = c[Name("txtErrHandler", i)].Text;
}

}  // namespace

void sbRestoreOptions(OptionControls& c) {
    TraceGuard trace(TraceKind::Events, "sbRestoreOptions(frmZelOptions)");
    Trapped("sbRestoreOptions", [&] { RestoreSteps(c); });
}

void sbSaveOptions(const OptionControls& c) {
    TraceGuard trace(TraceKind::Events, "sbSaveOptions(frmZelOptions)");
    Trapped("sbSaveOptions", [&] { SaveSteps(c); });
}
