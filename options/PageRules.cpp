#include "options/PageRules.h"

#include <filesystem>
#include <set>

#include "options/ExtensionPage.h"
#include "options/OptionPickers.h"
#include "options/OptionsChanged.h"
#include "common/AppIdentity.h"
#include "platform/Paths.h"
#include "common/Trace.h"
#include "common/ErrorTrap.h"
#include "platform/UiServices.h"
#include "common/WindowHelpers.h"

namespace {

const std::string kForm = "(frmZelOptions)";

bool Checked(const OptionControls& c, const std::string& name) { return c[name].Value == 1; }

void EnableRange(OptionControls& c, const std::string& base, int first, int last, bool on) {
    for (int i = first; i <= last; ++i) c.SetEnabled(OptionControls::NameOf(base, i), on);
}

void Exclaim(const std::string& text, const std::string& title) {
    Ui().MsgBox(text, mb::vbOKOnly | mb::vbExclamation, title);
}

// Handlers that only mark the options as changed.
bool OnlyMarksChange(const ControlEvent& e) {
    static const std::set<std::string> clicks = {
        "chkBaseLine", "chkComments", "chkConvertDAO", "chkConvertDeclare", "chkConvertMsgbox",
        "chkConvertSymbols", "chkConvertSymbolsCode", "chkDates", "chkDeclaration", "chkDeclarationsModule",
        "chkForNext", "chkInsertAutomatically", "chkInsertBlank", "chkKeepIndentation", "chkKillNumericLabels",
        "chkOptionExplicit", "chkOverwriteBlock", "chkShowOpenDialog", "chkSignificant", "chkSpellWhat",
        "chkSplitConst", "chkSplitDeclaration", "chkSplitIf", "chkSplitLabels", "chkSplitMultiLine",
        "optElse", "optIndentCase", "optLineNumber", "optNextLine", "optOverwriteLog", "optOVerwrite",
        "optPositionBlock", "optRight"};
    static const std::set<std::string> changes = {
        "spnAlignAs", "spnCommentStart", "spnIndentBy", "spnInLine", "spnLineLength", "spnXSLines",
        "txtBackupDir", "txtCommentFile", "txtCompany", "txtDefaultFileLoc", "txtDictionary", "txtErrHandler",
        "txtLineNumberIncrement", "txtLineNumberStart", "txtQPSave", "txtUserName"};
    if (e.Kind == CtlEvent::Click) return clicks.count(e.Base) != 0;
    if (e.Kind == CtlEvent::Change) return changes.count(e.Base) != 0;
    return false;
}

// Runs a traced handler under the program's error trap.
template <class F>
void Traced(const std::string& name, F&& body) {
    TraceGuard trace(TraceKind::Events, name + kForm);
    Trapped(name + kForm, body);
}

void chkContinue_Click(OptionControls& c, const ZelkOptions& saved) {
    Traced("chkContinue_Click", [&] {
        c.SetEnabled("spnLineLength", Checked(c, "chkContinue"));
        gblnOptionsChanged = true;
        if (saved.gsDialectDefault == "3" && Checked(c, "chkContinue") && c.Visible)
            Exclaim("WARNING\r\n\r\nLine Continuations are Not Valid in Visual Basic 3.0!", "WARNING");
    });
}

void chkASIS_Click(OptionControls& c) {
    Traced("chkASIS_Click", [&] {
        const bool on = !Checked(c, "chkASIS");
        EnableRange(c, "optIndent", 0, 1, on);
        c.SetEnabled("spnIndentBy", on);
        for (const char* name : {"chkDeclaration", "chkDeclarationsModule", "chkBaseLine"}) c.SetEnabled(name, on);
        EnableRange(c, "optIndentCase", 0, 2, on);
        EnableRange(c, "optElse", 0, 1, on);
        gblnOptionsChanged = true;
    });
}

void chkSaveInfo_Click(OptionControls& c) {
    c.SetEnabled("cmdFindQPFile", true);
    c.SetEnabled("txtQPSave", true);
    gblnOptionsChanged = true;
    if (c["txtQPSave"].Text.empty()) c.SetText("txtQPSave", DefaultHistoryFile());
    c.RequestFocus("txtQPSave");
}

void optAutoDetect_Click(OptionControls& c, int index) {
    Traced("optAutoDetect_Click", [&] {
        gblnOptionsChanged = true;
        if (index == 0) {
            c.SetCaption("lblDialect_0",
                         "All Files whose language dialect is ambiguous will be processed according to the rules "
                         "of the selected Default Dialect.");
            c.SetCaption("lblDialect_1",
                         "All files whose language dialect can be determined will be processed according to the "
                         "rules of that Dialect.");
        } else {
            c.SetCaption("lblDialect_0",
                         "All files will be processed according to the rules that apply to the current Default "
                         "Dialog selection.");
            c.SetCaption("lblDialect_1", "");
        }
    });
}

void optBackupDir_Click(OptionControls& c, int index, const ZelkOptions& saved) {
    Traced("optBackupDir_Click", [&] {
        gblnOptionsChanged = true;
        if (index == 1) {
            c.SetEnabled("cmdBackupTo", true);
            c.SetEnabled("txtBackupDir", true);
            c.SetText("txtBackupDir", saved.gsBackupDirectory);
            c.RequestFocus("txtBackupDir");
        } else {
            c.SetEnabled("cmdBackupTo", false);
            c.SetText("txtBackupDir", "");
            c.SetEnabled("txtBackupDir", false);
        }
    });
}

void optWhereToSave_Click(OptionControls& c, int index) {
    gblnOptionsChanged = true;
    if (index == 0 || index == 1) {
        c.SetCaption("fraOverWrite", "If Backup File Exists, Then:");
        c.SetCaption("optOVerwrite_0", "Overwrite Prior Backup");
        c.SetCaption("optOVerwrite_2", "Cycle Backup Files");
        c.SetEnabled("fraBackupFiles", true);
    } else {
        c.SetEnabled("fraBackupFiles", false);
    }
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// Validate handlers set c.ValidateCancel to keep the focus in their field.
void txtBackupDir_Validate(OptionControls& c) {
    if (!Checked(c, "optBackupDir_1")) return;
    const std::string dir = c["txtBackupDir"].Text;
    if (dir.empty()) {
        Exclaim("Backup directory must be set!", app::kTitle);
        c.ValidateCancel = true;
        return;
    }
    // A file of that name is no place for backups: only a folder passes.
    if (!IsDirectory(dir)) {
        Exclaim("Backup directory does not exist!", app::kTitle);
        c.SetText("txtBackupDir", "");
        c.ValidateCancel = true;
    }
}

void txtCommentFile_Validate(OptionControls& c, const std::string& name) {
    const std::string file = c[name].Text;
    if (file.empty() || FileExists(file)) return;
    Exclaim("File " + file + " Does not exist!", app::kTitle);
    c.SetText(name, "");
    c.ValidateCancel = true;
}

void txtErrHandler_Validate(OptionControls& c, const std::string& name, int index, const ZelkOptions& saved) {
    const std::string file = c[name].Text;
    if (!file.empty()) {
        if (!FileExists(file)) c.SetText(name, "");
        return;
    }
    const std::string* templates[] = {&saved.gsErrSet, &saved.gsErrTrap, &saved.gsTraceIn, &saved.gsTraceOut};
    if (index >= 0 && index < 4) c.SetText(name, *templates[index]);
}

void txtDictionary_LostFocus(OptionControls& c, const std::string& name) {
    Traced("txtDictionary_LostFocus", [&] {
        if (FileExists(c[name].Text)) return;
        Exclaim("The file entered as the Dictionary does not exist\r\nPlease select a valid dictionary including path",
                "Cannot Find File");
        c.SetText(name, "");
        c.RequestFocus(name);
    });
}

void Click(OptionControls& c, const ControlEvent& e, const ZelkOptions& saved) {
    const std::string& b = e.Base;
    if (b == "chkContinue") return chkContinue_Click(c, saved);
    if (b == "chkASIS") return chkASIS_Click(c);
    if (b == "chkSaveInfo") return chkSaveInfo_Click(c);
    if (b == "optAutoDetect") return optAutoDetect_Click(c, e.Index);
    if (b == "optBackupDir") return optBackupDir_Click(c, e.Index, saved);
    if (b == "optWhereToSave") return optWhereToSave_Click(c, e.Index);
    if (b == "chkAlign") {
        Traced("chkAlign_Click", [&] {
            c.SetEnabled("spnAlignAs", Checked(c, "chkAlign"));
            gblnOptionsChanged = true;
        });
        return;
    }
    if (b == "optIntrinsic") {
        c["fraIntrinsicFunctions"].Tag = std::to_string(e.Index);
        gblnOptionsChanged = true;
        return;
    }
    // Rules that enable their dependents by one condition.
    struct Rule {
        const char* Base;
        bool (*Condition)(const OptionControls&, const ControlEvent&);
        void (*Apply)(OptionControls&, bool);
    };
    static const Rule rules[] = {
        {"optLines", [](const OptionControls& c, const ControlEvent&) { return c["optLines_0"].Value == 1; },
         [](OptionControls& c, bool on) { c.SetEnabled("chkKeepIndentation", on); }},
        {"optIndent", [](const OptionControls&, const ControlEvent& e) { return e.Index == 0; },
         [](OptionControls& c, bool on) { c.SetEnabled("spnIndentBy", on); }},
        {"optInLine", [](const OptionControls&, const ControlEvent& e) { return e.Index == 0; },
         [](OptionControls& c, bool on) {
             for (const char* name : {"spnInLine", "optNextLine", "optRight"}) c.SetEnabled(name, on);
         }},
        {"optInlineStart", [](const OptionControls&, const ControlEvent& e) { return e.Index == 0; },
         [](OptionControls& c, bool on) { c.SetEnabled("spnCommentStart", on); }},
        {"chkNoWSChange", [](const OptionControls& c, const ControlEvent&) { return c["chkNoWSChange"].Value == 0; },
         [](OptionControls& c, bool on) {
             c.SetEnabled("chkXSLines", on);
             c.SetEnabled("chkInsertWS", on);
         }},
        {"chkInsertWS", [](const OptionControls& c, const ControlEvent&) { return c["chkInsertWS"].Value == 1; },
         [](OptionControls& c, bool on) { EnableRange(c, "chkInsertBlank", 0, 23, on); }},
        {"chkXSLines", [](const OptionControls& c, const ControlEvent&) { return c["chkXSLines"].Value == 1; },
         [](OptionControls& c, bool on) { c.SetEnabled("spnXSLines", on); }},
        {"chkSpellDisable",
         [](const OptionControls& c, const ControlEvent&) { return c["chkSpellDisable"].Value == 0; },
         [](OptionControls& c, bool on) {
             EnableRange(c, "chkSpellWhat", 0, 5, on);
             EnableRange(c, "txtDictionary", 0, 1, on);
             EnableRange(c, "cmdSpellDictionary", 0, 1, on);
         }},
        {"chkArrangeModule",
         [](const OptionControls& c, const ControlEvent&) { return c["chkArrangeModule"].Value == 1; },
         [](OptionControls& c, bool on) {
             c.SetEnabled("fraArrange_1", on);
             EnableRange(c, "lstOrderDeclarations", 0, 2, on);
         }},
        {"chkChangeProcs", [](const OptionControls& c, const ControlEvent&) { return c["chkChangeProcs"].Value == 1; },
         [](OptionControls& c, bool on) {
             c.SetEnabled("fraProcs", on);
             EnableRange(c, "lstOrderProcs", 0, 2, on);
         }},
        {"chkArrangeLocal",
         [](const OptionControls& c, const ControlEvent&) { return c["chkArrangeLocal"].Value == 1; },
         [](OptionControls& c, bool on) {
             c.SetEnabled("fraArrange_0", on);
             EnableRange(c, "lstOrderLocal", 0, 1, on);
         }},
        {"chkERHandling", [](const OptionControls& c, const ControlEvent&) { return c["chkERHandling"].Value == 1; },
         [](OptionControls& c, bool on) {
             EnableRange(c, "txtErrHandler", 0, 1, on);
             EnableRange(c, "cmdERHandler", 0, 1, on);
         }},
        {"chkTrace", [](const OptionControls& c, const ControlEvent&) { return c["chkTrace"].Value == 1; },
         [](OptionControls& c, bool on) {
             EnableRange(c, "txtErrHandler", 2, 3, on);
             EnableRange(c, "cmdERHandler", 2, 3, on);
         }},
        {"chkLineNumbers", [](const OptionControls& c, const ControlEvent&) { return c["chkLineNumbers"].Value == 1; },
         [](OptionControls& c, bool on) {
             EnableRange(c, "optLineNumber", 1, 3, on);
             c.SetEnabled("txtLineNumberStart", on);
             c.SetEnabled("txtLineNumberIncrement", on);
         }},
    };
    for (const Rule& r : rules) {
        if (b != r.Base) continue;
        r.Apply(c, r.Condition(c, e));
        gblnOptionsChanged = true;
        return;
    }
}

}  // namespace

std::string DefaultHistoryFile() { return paths::Join(paths::ProgramDir(), "QPHIST.KEM"); }

bool LineNumberAcceptsChar(char ch) { return ch >= '0' && ch <= '9'; }

void OptionsPageRules(OptionControls& c, const ControlEvent& e, ZelkOptions& saved) {
    if (OnlyMarksChange(e)) {
        gblnOptionsChanged = true;
        return;
    }
    // The extension lists, the dialect buttons and the pickers.
    if (e.Base == "cboExtension") {
        if (e.Kind == CtlEvent::Change) cboExtension_Change(c, e.Index);
        if (e.Kind == CtlEvent::LostFocus) cboExtension_LostFocus(c, e.Index);
        return;
    }
    if (e.Kind == CtlEvent::Click && e.Base == "optDialect") return optDialect_Click(c, e.Index);
    if (e.Kind == CtlEvent::Click && OptionPickerClick(c, e.Base, e.Index, saved)) return;
    switch (e.Kind) {
        case CtlEvent::Click:
            Click(c, e, saved);
            return;
        case CtlEvent::Validate:
            if (e.Base == "txtBackupDir") txtBackupDir_Validate(c);
            if (e.Base == "txtCommentFile") txtCommentFile_Validate(c, e.Name);
            if (e.Base == "txtErrHandler") txtErrHandler_Validate(c, e.Name, e.Index, saved);
            return;
        case CtlEvent::LostFocus:
            if (e.Base == "txtDictionary") txtDictionary_LostFocus(c, e.Name);
            return;
        default:
            return;
    }
}

OptionControls::Handler PageRulesOver(ZelkOptions& saved) {
    return [&saved](OptionControls& c, const ControlEvent& e) { OptionsPageRules(c, e, saved); };
}
