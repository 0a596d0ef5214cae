#include "options/OptionsMapping.h"

#include <climits>
#include <cstdint>
#include <type_traits>

#include "common/ErrorTrap.h"
#include "common/SharedState.h"
#include "settings/OptionGlobals.h"
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
    &gblnWSBeforeSub,    &gblnWSAfterSub,    &gblnWSBeforeEndSub,    &gblnWSAfterEndSub,
    &gblnWSBeforeIf,     &gblnWSAfterIf,     &gblnWSBeforeElse,      &gblnWSAfterElse,
    &gblnWSBeforeEndIf,  &gblnWSAfterEndIf,  &gblnWSBeforeLoop,      &gblnWSAfterLoop,
    &gblnWSBeforeEndLoop, &gblnWSAfterEndLoop, &gblnWSBeforeSelect,  &gblnWSAfterSelect,
    &gblnWSBeforeCase,   &gblnWSAfterCase,   &gblnWSBeforeEndSelect, &gblnWSAfterEndSelect,
    &gblnWSBeforeLabel,  &gblnWSAfterLabel,  &gblnWSBeforeDec,       &gblnWSAfterDec};

bool* const kSpellWhat[6] = {&gblnSpellComments, &gblnSpellFormLiterals, &gblnSpellCodeLiterals,
                             &gblnIgnoreCaps,    &gblnIgnoreNumbers,     &gblnIgnoreVBWords};

std::string* const kCommentFiles[3] = {&gsCmtModuleFile, &gsCmtUDPFile, &gsCmtEventFile};
bool* const kCommentSwitches[3] = {&gblnCmtModule, &gblnCmtUDP, &gblnCmtEvent};
std::string* const kTemplates[4] = {&gsErrSet, &gsErrTrap, &gsTraceIn, &gsTraceOut};
std::string* const kDictionaries[2] = {&gsCustomDictionary, &gsStandardDictionary};
std::string* const kExtensions[4] = {&gsProjectExt, &gsFormExt, &gsCodeExt, &gsResourceExt};

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
    c.SetOption(gblnDialectAutodetect ? "optAutoDetect_0" : "optAutoDetect_1", true);
    Code(c, "optDialect", vb::IsNumeric(gsDialectDefault) ? static_cast<long>(vb::Val(gsDialectDefault)) : -1);
    // 3: declarations.
    Check(c, "chkOptionExplicit", gblnOptionExplicit);
    Check(c, "chkAlign", gblnAlignAs);
    Spin(c, "spnAlignAs", giAlignAsColumn);
    c.SetEnabled("spnAlignAs", Checked(c, "chkAlign"));
    // 4: splits.
    Check(c, "chkForNext", gblnNextVariable);
    Check(c, "chkSplitDeclaration", gblnSplitDeclarations);
    Check(c, "chkSplitConst", gblnSplitConsts);
    Check(c, "chkSplitIf", gblnSplitIfs);
    Check(c, "chkSplitLabels", gblnSplitLabels);
    Check(c, "chkSplitMultiLine", gblnSplitMultiLines);
    Check(c, "chkKillNumericLabels", gblnKillNumericLabels);
    // 5: continuations.
    Code(c, "optLines", giContinuations);
    Check(c, "chkContinue", gblnInsertContinuations);
    Check(c, "chkKeepIndentation", gblnKeepIndentation);
    Check(c, "chkShowOpenDialog", oAppInfo->ShowOpenDialog);
    Spin(c, "spnLineLength", giContinuationColumn);
    // 6: comment blocks.
    Code(c, "optPositionBlock", giCmtWhere);
    Check(c, "chkOverwriteBlock", gblnCmtOverwrite);
    Check(c, "chkInsertAutomatically", gblnCmtAutoInsert);
    for (int i = 0; i < 3; ++i) Check(c, Name("chkComments", i), *kCommentSwitches[i]);
    for (int i = 0; i < 3; ++i) c.SetText(Name("txtCommentFile", i), *kCommentFiles[i]);
    // 7: white space.
    Check(c, "chkXSLines", gblnXSLines);
    Spin(c, "spnXSLines", giXSLinesAmount);
    Check(c, "chkNoWSChange", gblnWSNoChange);
    Check(c, "chkInsertWS", gblnWSChange);
    c.SetEnabled("chkInsertWS", c["chkNoWSChange"].Value == 0);
    c.SetEnabled("chkXSLines", c["chkNoWSChange"].Value == 0);
    for (int i = 0; i < 24; ++i) Check(c, Name("chkInsertBlank", i), *kBlankLineGrid[i]);
    // 8: comments.
    Spin(c, "spnCommentStart", giCmtStandAloneColumn);
    Code(c, "optInlineStart", giCmtStandAlone);
    Spin(c, "spnInLine", giCmtInLineColumn);
    Code(c, "optInLine", giCmtInLine);
    c.SetOption("optRight", gblnCmtInLineRight);
    c.SetOption("optNextLine", gblnCmtInLineNext);
    // 9: indentation.
    Check(c, "chkASIS", gblnAsIs);
    Spin(c, "spnIndentBy", giIndentAmount);
    Code(c, "optIndent", giCodeLine);
    Check(c, "chkDeclaration", gblnDeclarations);
    Check(c, "chkDeclarationsModule", gblnModDeclarations);
    Check(c, "chkBaseLine", gblnBaseLines);
    Code(c, "optIndentCase", giCaseStructure);
    Code(c, "optElse", giIfStructure);
    // 10: history file and default location.
    Check(c, "chkSaveInfo", gblnSaveZelInfo);
    c.SetText("txtQPSave", gsSaveZelFile);
    c.SetText("txtDefaultFileLoc", gsDefaultFileLoc);
    c.SetEnabled("txtQPSave", gblnSaveZelInfo);
    c.SetEnabled("cmdFindQPFile", gblnSaveZelInfo);
    // 11: saving and backups.
    Code(c, "optWhereToSave", giSaveInBackup);
    Code(c, "optBackupDir", giBackup);
    c.SetText("txtBackupDir", gsBackupDirectory);
    Code(c, "optOVerwrite", giOverwrite);
    Code(c, "optOverwriteLog", giLogOverwrite);
    Check(c, "chkSignificant", gblnLogSignificant);
    // 12: extension lists, an entry per piece between the separators.
    for (int i = 0; i < 4; ++i) c[Name("cboExtension", i)].Items.clear();
    for (int i = 0; i < 4; ++i)
        if (!kExtensions[i]->empty()) c[Name("cboExtension", i)].Items = vb::Split(*kExtensions[i], "|");
    // 13: spelling.
    Check(c, "chkSpellDisable", !gblnSpellEnabled);
    for (int i = 0; i < 6; ++i) Check(c, Name("chkSpellWhat", i), *kSpellWhat[i]);
    for (int i = 0; i < 2; ++i) c.SetText(Name("txtDictionary", i), *kDictionaries[i]);
    // 14: arranging; the order lists show the order strings as they stand.
    Check(c, "chkChangeProcs", gblnDoProcs);
    Check(c, "chkArrangeLocal", gblnDoLocals);
    Check(c, "chkArrangeModule", gblnDoModules);
    sbRestoreOrder(c);
    // 15: conversions. The intrinsic-function choice is saved from the
    // frame's tag, which its buttons keep; no button, no tag.
    Check(c, "chkConvertDeclare", gblnConvertDeclare);
    Check(c, "chkConvertMsgbox", gblnConvertMsgBox);
    Check(c, "chkConvertDAO", gblnConvertDAO);
    Check(c, "chkConvertSymbols", gblnConvertSymbols);
    Code(c, "optIntrinsic", glConvertIntrinsicFunction);
    if (!c.Selected("optIntrinsic")) c["fraIntrinsicFunctions"].Tag.clear();
    Check(c, "chkConvertSymbolsCode", gblnConvertSymbolsCode);
    // 16: error handling and line numbers.
    Check(c, "chkERHandling", gblnInsertErrHandling);
    Check(c, "chkTrace", gblnInsertTracing);
    Check(c, "chkDates", gblnAnalyzeDates);
    Check(c, "chkLineNumbers", gblnInsertLineNumbers);
    c.SetText("txtLineNumberStart", std::to_string(glLineNumberStart));
    c.SetText("txtLineNumberIncrement", std::to_string(glLineNumberInc));
    Code(c, "optLineNumber", glLineNumberHow);
    for (int i = 0; i < 4; ++i) c.SetText(Name("txtErrHandler", i), *kTemplates[i]);
}

void SaveSteps(const OptionControls& c) {
    // 1-2: user, dialect.
    oAppInfo->User(c["txtUserName"].Text);
    oAppInfo->Company(c["txtCompany"].Text);
    if (auto detect = c.Selected("optAutoDetect")) gblnDialectAutodetect = *detect == 0;
    if (auto dialect = c.Selected("optDialect")) gsDialectDefault = std::to_string(*dialect);
    // 3: declarations and splits.
    gblnOptionExplicit = Checked(c, "chkOptionExplicit");
    gblnAlignAs = Checked(c, "chkAlign");
    SaveSpin(c, "spnAlignAs", giAlignAsColumn);
    gblnSplitDeclarations = Checked(c, "chkSplitDeclaration");
    gblnSplitConsts = Checked(c, "chkSplitConst");
    gblnSplitIfs = Checked(c, "chkSplitIf");
    gblnSplitLabels = Checked(c, "chkSplitLabels");
    gblnSplitMultiLines = Checked(c, "chkSplitMultiLine");
    gblnKillNumericLabels = Checked(c, "chkKillNumericLabels");
    // 4: continuations.
    SaveCode(c, "optLines", giContinuations);
    gblnInsertContinuations = Checked(c, "chkContinue");
    gblnKeepIndentation = Checked(c, "chkKeepIndentation");
    oAppInfo->ShowOpenDialog = Checked(c, "chkShowOpenDialog");
    SaveSpin(c, "spnLineLength", giContinuationColumn);
    // 5: comment blocks.
    SaveCode(c, "optPositionBlock", giCmtWhere);
    gblnCmtOverwrite = Checked(c, "chkOverwriteBlock");
    gblnCmtAutoInsert = Checked(c, "chkInsertAutomatically");
    for (int i = 0; i < 3; ++i) *kCommentSwitches[i] = Checked(c, Name("chkComments", i));
    for (int i = 0; i < 3; ++i) *kCommentFiles[i] = c[Name("txtCommentFile", i)].Text;
    // 6: white space.
    gblnXSLines = Checked(c, "chkXSLines");
    SaveSpin(c, "spnXSLines", giXSLinesAmount);
    gblnWSNoChange = Checked(c, "chkNoWSChange");
    gblnWSChange = Checked(c, "chkInsertWS");
    for (int i = 0; i < 24; ++i) *kBlankLineGrid[i] = Checked(c, Name("chkInsertBlank", i));
    // 7: comments.
    SaveSpin(c, "spnCommentStart", giCmtStandAloneColumn);
    SaveCode(c, "optInlineStart", giCmtStandAlone);
    SaveSpin(c, "spnInLine", giCmtInLineColumn);
    SaveCode(c, "optInLine", giCmtInLine);
    gblnCmtInLineRight = c["optRight"].Value != 0;
    gblnCmtInLineNext = c["optNextLine"].Value != 0;
    // 8: indentation.
    gblnAsIs = Checked(c, "chkASIS");
    SaveSpin(c, "spnIndentBy", giIndentAmount);
    SaveCode(c, "optIndent", giCodeLine);
    gblnDeclarations = Checked(c, "chkDeclaration");
    gblnModDeclarations = Checked(c, "chkDeclarationsModule");
    gblnBaseLines = Checked(c, "chkBaseLine");
    SaveCode(c, "optIndentCase", giCaseStructure);
    SaveCode(c, "optElse", giIfStructure);
    // 9: files.
    gblnSaveZelInfo = Checked(c, "chkSaveInfo");
    gsSaveZelFile = c["txtQPSave"].Text;
    gsDefaultFileLoc = c["txtDefaultFileLoc"].Text;
    SaveCode(c, "optBackupDir", giBackup);
    SaveCode(c, "optWhereToSave", giSaveInBackup);
    gsBackupDirectory = c["txtBackupDir"].Text;
    SaveCode(c, "optOVerwrite", giOverwrite);
    SaveCode(c, "optOverwriteLog", giLogOverwrite);
    gblnLogSignificant = Checked(c, "chkSignificant");
    // 10: extension lists.
    for (int i = 0; i < 4; ++i) *kExtensions[i] = vb::Join(c[Name("cboExtension", i)].Items, "|");
    // 11: spelling.
    gblnSpellEnabled = c["chkSpellDisable"].Value == 0;
    gblnSpellThisModule = gblnSpellEnabled;
    for (int i = 0; i < 6; ++i) *kSpellWhat[i] = Checked(c, Name("chkSpellWhat", i));
    for (int i = 0; i < 2; ++i) *kDictionaries[i] = c[Name("txtDictionary", i)].Text;
    // 12: arranging; each order is saved whether or not its group is ticked.
    const OrderStrings how = OrderStringsOf(c);
    gblnDoLocals = Checked(c, "chkArrangeLocal");
    gsLocalHow = how.LocalHow;
    gblnDoProcs = Checked(c, "chkChangeProcs");
    gsProcsHow = how.ProcsHow;
    gblnDoModules = Checked(c, "chkArrangeModule");
    gsModuleHow = how.ModuleHow;
    // 13: conversions.
    gblnConvertDeclare = Checked(c, "chkConvertDeclare");
    gblnConvertMsgBox = Checked(c, "chkConvertMsgbox");
    gblnConvertDAO = Checked(c, "chkConvertDAO");
    gblnConvertSymbols = Checked(c, "chkConvertSymbols");
    gblnConvertSymbolsCode = Checked(c, "chkConvertSymbolsCode");
    const std::string& tag = c["fraIntrinsicFunctions"].Tag;
    if (vb::IsNumeric(tag)) glConvertIntrinsicFunction = static_cast<IntrinsicDollar>(static_cast<long>(vb::Val(tag)));
    gblnNextVariable = Checked(c, "chkForNext");
    // 14: error handling and line numbers.
    gblnInsertErrHandling = Checked(c, "chkERHandling");
    gblnInsertTracing = Checked(c, "chkTrace");
    gblnInsertLineNumbers = Checked(c, "chkLineNumbers");
    SaveNumberText(c, "txtLineNumberStart", glLineNumberStart);
    gblnAnalyzeDates = Checked(c, "chkDates");
    SaveNumberText(c, "txtLineNumberIncrement", glLineNumberInc);
    SaveCode(c, "optLineNumber", glLineNumberHow);
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
