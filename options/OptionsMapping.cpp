#include "options/OptionsMapping.h"

#include <climits>
#include <cstdint>
#include <type_traits>

#include "common/ErrorTrap.h"
#include "settings/ZelkOptions.h"
#include "options/OrderListsPage.h"
#include "options/SpinRules.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/cAppInfo.h"
#include "common/mKEMCommon.h"

namespace {

std::string Name(const std::string& base, int index) { return OptionControls::NameOf(base, index); }

bool ZelkOptions::*const kSpellWhat[6] = {&ZelkOptions::gblnSpellComments,     &ZelkOptions::gblnSpellFormLiterals,
                                          &ZelkOptions::gblnSpellCodeLiterals, &ZelkOptions::gblnIgnoreCaps,
                                          &ZelkOptions::gblnIgnoreNumbers,     &ZelkOptions::gblnIgnoreVBWords};

std::string ZelkOptions::*const kCommentFiles[3] = {&ZelkOptions::gsCmtModuleFile, &ZelkOptions::gsCmtUDPFile,
                                                    &ZelkOptions::gsCmtEventFile};
bool ZelkOptions::*const kCommentSwitches[3] = {&ZelkOptions::gblnCmtModule, &ZelkOptions::gblnCmtUDP,
                                                &ZelkOptions::gblnCmtEvent};
std::string ZelkOptions::*const kTemplates[4] = {&ZelkOptions::gsErrSet, &ZelkOptions::gsErrTrap,
                                                 &ZelkOptions::gsTraceIn, &ZelkOptions::gsTraceOut};
std::string ZelkOptions::*const kDictionaries[2] = {&ZelkOptions::gsCustomDictionary,
                                                    &ZelkOptions::gsStandardDictionary};
std::string ZelkOptions::*const kExtensions[4] = {&ZelkOptions::gsProjectExt, &ZelkOptions::gsFormExt,
                                                  &ZelkOptions::gsCodeExt, &ZelkOptions::gsResourceExt};

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

void RestoreSteps(OptionControls& c, const ZelkOptions& o) {
    // 1-2: user, dialect.
    c.SetText("txtUserName", oAppInfo->User());
    c.SetText("txtCompany", oAppInfo->Company());
    c.SetOption(o.gblnDialectAutodetect ? "optAutoDetect_0" : "optAutoDetect_1", true);
    Code(c, "optDialect", vb::IsNumeric(o.gsDialectDefault) ? static_cast<long>(vb::Val(o.gsDialectDefault)) : -1);
    // 3: declarations.
    Check(c, "chkOptionExplicit", o.gblnOptionExplicit);
    Check(c, "chkAlign", o.gblnAlignAs);
    Spin(c, "spnAlignAs", o.giAlignAsColumn);
    c.SetEnabled("spnAlignAs", Checked(c, "chkAlign"));
    // 4: splits.
    Check(c, "chkForNext", o.gblnNextVariable);
    Check(c, "chkSplitDeclaration", o.gblnSplitDeclarations);
    Check(c, "chkSplitConst", o.gblnSplitConsts);
    Check(c, "chkSplitIf", o.gblnSplitIfs);
    Check(c, "chkSplitLabels", o.gblnSplitLabels);
    Check(c, "chkSplitMultiLine", o.gblnSplitMultiLines);
    Check(c, "chkKillNumericLabels", o.gblnKillNumericLabels);
    // 5: continuations.
    Code(c, "optLines", o.giContinuations);
    Check(c, "chkContinue", o.gblnInsertContinuations);
    Check(c, "chkKeepIndentation", o.gblnKeepIndentation);
    Check(c, "chkShowOpenDialog", oAppInfo->ShowOpenDialog);
    Spin(c, "spnLineLength", o.giContinuationColumn);
    // 6: comment blocks.
    Code(c, "optPositionBlock", o.giCmtWhere);
    Check(c, "chkOverwriteBlock", o.gblnCmtOverwrite);
    Check(c, "chkInsertAutomatically", o.gblnCmtAutoInsert);
    for (int i = 0; i < 3; ++i) Check(c, Name("chkComments", i), o.*kCommentSwitches[i]);
    for (int i = 0; i < 3; ++i) c.SetText(Name("txtCommentFile", i), o.*kCommentFiles[i]);
    // 7: white space.
    Check(c, "chkXSLines", o.gblnXSLines);
    Spin(c, "spnXSLines", o.giXSLinesAmount);
    Check(c, "chkNoWSChange", o.gblnWSNoChange);
    Check(c, "chkInsertWS", o.gblnWSChange);
    c.SetEnabled("chkInsertWS", c["chkNoWSChange"].Value == 0);
    c.SetEnabled("chkXSLines", c["chkNoWSChange"].Value == 0);
    for (int i = 0; i < 24; ++i) Check(c, Name("chkInsertBlank", i), o.*kBlankLineSwitches[i].Field);
    // 8: comments.
    Spin(c, "spnCommentStart", o.giCmtStandAloneColumn);
    Code(c, "optInlineStart", o.giCmtStandAlone);
    Spin(c, "spnInLine", o.giCmtInLineColumn);
    Code(c, "optInLine", o.giCmtInLine);
    c.SetOption("optRight", o.gblnCmtInLineRight);
    c.SetOption("optNextLine", o.gblnCmtInLineNext);
    // 9: indentation.
    Check(c, "chkASIS", o.gblnAsIs);
    Spin(c, "spnIndentBy", o.giIndentAmount);
    Code(c, "optIndent", o.giCodeLine);
    Check(c, "chkDeclaration", o.gblnDeclarations);
    Check(c, "chkDeclarationsModule", o.gblnModDeclarations);
    Check(c, "chkBaseLine", o.gblnBaseLines);
    Code(c, "optIndentCase", o.giCaseStructure);
    Code(c, "optElse", o.giIfStructure);
    // 10: history file and default location.
    Check(c, "chkSaveInfo", o.gblnSaveZelInfo);
    c.SetText("txtQPSave", o.gsSaveZelFile);
    c.SetText("txtDefaultFileLoc", o.gsDefaultFileLoc);
    c.SetEnabled("txtQPSave", o.gblnSaveZelInfo);
    c.SetEnabled("cmdFindQPFile", o.gblnSaveZelInfo);
    // 11: saving and backups.
    Code(c, "optWhereToSave", o.giSaveInBackup);
    Code(c, "optBackupDir", o.giBackup);
    c.SetText("txtBackupDir", o.gsBackupDirectory);
    Code(c, "optOVerwrite", o.giOverwrite);
    Code(c, "optOverwriteLog", o.giLogOverwrite);
    Check(c, "chkSignificant", o.gblnLogSignificant);
    // 12: extension lists, an entry per piece between the separators.
    for (int i = 0; i < 4; ++i) c[Name("cboExtension", i)].Items.clear();
    for (int i = 0; i < 4; ++i)
        if (!(o.*kExtensions[i]).empty()) c[Name("cboExtension", i)].Items = vb::Split(o.*kExtensions[i], "|");
    // 13: spelling.
    Check(c, "chkSpellDisable", !o.gblnSpellEnabled);
    for (int i = 0; i < 6; ++i) Check(c, Name("chkSpellWhat", i), o.*kSpellWhat[i]);
    for (int i = 0; i < 2; ++i) c.SetText(Name("txtDictionary", i), o.*kDictionaries[i]);
    // 14: arranging; the order lists show the order strings as they stand.
    Check(c, "chkChangeProcs", o.gblnDoProcs);
    Check(c, "chkArrangeLocal", o.gblnDoLocals);
    Check(c, "chkArrangeModule", o.gblnDoModules);
    sbRestoreOrder(c, o);
    // 15: conversions. The intrinsic-function choice is saved from the
    // frame's tag, which its buttons keep; no button, no tag.
    Check(c, "chkConvertDeclare", o.gblnConvertDeclare);
    Check(c, "chkConvertMsgbox", o.gblnConvertMsgBox);
    Check(c, "chkConvertDAO", o.gblnConvertDAO);
    Check(c, "chkConvertSymbols", o.gblnConvertSymbols);
    Code(c, "optIntrinsic", o.glConvertIntrinsicFunction);
    if (!c.Selected("optIntrinsic")) c["fraIntrinsicFunctions"].Tag.clear();
    Check(c, "chkConvertSymbolsCode", o.gblnConvertSymbolsCode);
    // 16: error handling and line numbers.
    Check(c, "chkERHandling", o.gblnInsertErrHandling);
    Check(c, "chkTrace", o.gblnInsertTracing);
    Check(c, "chkDates", o.gblnAnalyzeDates);
    Check(c, "chkLineNumbers", o.gblnInsertLineNumbers);
    c.SetText("txtLineNumberStart", std::to_string(o.glLineNumberStart));
    c.SetText("txtLineNumberIncrement", std::to_string(o.glLineNumberInc));
    Code(c, "optLineNumber", o.glLineNumberHow);
    for (int i = 0; i < 4; ++i) c.SetText(Name("txtErrHandler", i), o.*kTemplates[i]);
}

void SaveSteps(const OptionControls& c, ZelkOptions& o) {
    // 1-2: user, dialect.
    oAppInfo->User(c["txtUserName"].Text);
    oAppInfo->Company(c["txtCompany"].Text);
    if (auto detect = c.Selected("optAutoDetect")) o.gblnDialectAutodetect = *detect == 0;
    if (auto dialect = c.Selected("optDialect")) o.gsDialectDefault = std::to_string(*dialect);
    // 3: declarations and splits.
    o.gblnOptionExplicit = Checked(c, "chkOptionExplicit");
    o.gblnAlignAs = Checked(c, "chkAlign");
    SaveSpin(c, "spnAlignAs", o.giAlignAsColumn);
    o.gblnSplitDeclarations = Checked(c, "chkSplitDeclaration");
    o.gblnSplitConsts = Checked(c, "chkSplitConst");
    o.gblnSplitIfs = Checked(c, "chkSplitIf");
    o.gblnSplitLabels = Checked(c, "chkSplitLabels");
    o.gblnSplitMultiLines = Checked(c, "chkSplitMultiLine");
    o.gblnKillNumericLabels = Checked(c, "chkKillNumericLabels");
    // 4: continuations.
    SaveCode(c, "optLines", o.giContinuations);
    o.gblnInsertContinuations = Checked(c, "chkContinue");
    o.gblnKeepIndentation = Checked(c, "chkKeepIndentation");
    oAppInfo->ShowOpenDialog = Checked(c, "chkShowOpenDialog");
    SaveSpin(c, "spnLineLength", o.giContinuationColumn);
    // 5: comment blocks.
    SaveCode(c, "optPositionBlock", o.giCmtWhere);
    o.gblnCmtOverwrite = Checked(c, "chkOverwriteBlock");
    o.gblnCmtAutoInsert = Checked(c, "chkInsertAutomatically");
    for (int i = 0; i < 3; ++i) o.*kCommentSwitches[i] = Checked(c, Name("chkComments", i));
    for (int i = 0; i < 3; ++i) o.*kCommentFiles[i] = c[Name("txtCommentFile", i)].Text;
    // 6: white space.
    o.gblnXSLines = Checked(c, "chkXSLines");
    SaveSpin(c, "spnXSLines", o.giXSLinesAmount);
    o.gblnWSNoChange = Checked(c, "chkNoWSChange");
    o.gblnWSChange = Checked(c, "chkInsertWS");
    for (int i = 0; i < 24; ++i) o.*kBlankLineSwitches[i].Field = Checked(c, Name("chkInsertBlank", i));
    // 7: comments.
    SaveSpin(c, "spnCommentStart", o.giCmtStandAloneColumn);
    SaveCode(c, "optInlineStart", o.giCmtStandAlone);
    SaveSpin(c, "spnInLine", o.giCmtInLineColumn);
    SaveCode(c, "optInLine", o.giCmtInLine);
    o.gblnCmtInLineRight = c["optRight"].Value != 0;
    o.gblnCmtInLineNext = c["optNextLine"].Value != 0;
    // 8: indentation.
    o.gblnAsIs = Checked(c, "chkASIS");
    SaveSpin(c, "spnIndentBy", o.giIndentAmount);
    SaveCode(c, "optIndent", o.giCodeLine);
    o.gblnDeclarations = Checked(c, "chkDeclaration");
    o.gblnModDeclarations = Checked(c, "chkDeclarationsModule");
    o.gblnBaseLines = Checked(c, "chkBaseLine");
    SaveCode(c, "optIndentCase", o.giCaseStructure);
    SaveCode(c, "optElse", o.giIfStructure);
    // 9: files.
    o.gblnSaveZelInfo = Checked(c, "chkSaveInfo");
    o.gsSaveZelFile = c["txtQPSave"].Text;
    o.gsDefaultFileLoc = c["txtDefaultFileLoc"].Text;
    SaveCode(c, "optBackupDir", o.giBackup);
    SaveCode(c, "optWhereToSave", o.giSaveInBackup);
    o.gsBackupDirectory = c["txtBackupDir"].Text;
    SaveCode(c, "optOVerwrite", o.giOverwrite);
    SaveCode(c, "optOverwriteLog", o.giLogOverwrite);
    o.gblnLogSignificant = Checked(c, "chkSignificant");
    // 10: extension lists.
    for (int i = 0; i < 4; ++i) o.*kExtensions[i] = vb::Join(c[Name("cboExtension", i)].Items, "|");
    // 11: spelling.
    o.gblnSpellEnabled = c["chkSpellDisable"].Value == 0;
    for (int i = 0; i < 6; ++i) o.*kSpellWhat[i] = Checked(c, Name("chkSpellWhat", i));
    for (int i = 0; i < 2; ++i) o.*kDictionaries[i] = c[Name("txtDictionary", i)].Text;
    // 12: arranging; each order is saved whether or not its group is ticked.
    const OrderStrings how = OrderStringsOf(c);
    o.gblnDoLocals = Checked(c, "chkArrangeLocal");
    o.gsLocalHow = how.LocalHow;
    o.gblnDoProcs = Checked(c, "chkChangeProcs");
    o.gsProcsHow = how.ProcsHow;
    o.gblnDoModules = Checked(c, "chkArrangeModule");
    o.gsModuleHow = how.ModuleHow;
    // 13: conversions.
    o.gblnConvertDeclare = Checked(c, "chkConvertDeclare");
    o.gblnConvertMsgBox = Checked(c, "chkConvertMsgbox");
    o.gblnConvertDAO = Checked(c, "chkConvertDAO");
    o.gblnConvertSymbols = Checked(c, "chkConvertSymbols");
    o.gblnConvertSymbolsCode = Checked(c, "chkConvertSymbolsCode");
    const std::string& tag = c["fraIntrinsicFunctions"].Tag;
    if (vb::IsNumeric(tag)) o.glConvertIntrinsicFunction = static_cast<IntrinsicDollar>(static_cast<long>(vb::Val(tag)));
    o.gblnNextVariable = Checked(c, "chkForNext");
    // 14: error handling and line numbers.
    o.gblnInsertErrHandling = Checked(c, "chkERHandling");
    o.gblnInsertTracing = Checked(c, "chkTrace");
    o.gblnInsertLineNumbers = Checked(c, "chkLineNumbers");
    SaveNumberText(c, "txtLineNumberStart", o.glLineNumberStart);
    o.gblnAnalyzeDates = Checked(c, "chkDates");
    SaveNumberText(c, "txtLineNumberIncrement", o.glLineNumberInc);
    SaveCode(c, "optLineNumber", o.glLineNumberHow);
    for (int i = 0; i < 4; ++i) o.*kTemplates[i] = c[Name("txtErrHandler", i)].Text;
}

}  // namespace

void sbRestoreOptions(OptionControls& c, const ZelkOptions& options) {
    TraceGuard trace(TraceKind::Events, "sbRestoreOptions(frmZelOptions)");
    Trapped("sbRestoreOptions", [&] { RestoreSteps(c, options); });
}

void sbSaveOptions(const OptionControls& c, ZelkOptions& options) {
    TraceGuard trace(TraceKind::Events, "sbSaveOptions(frmZelOptions)");
    Trapped("sbSaveOptions", [&] { SaveSteps(c, options); });
}
