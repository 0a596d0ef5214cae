#include "options/OptionPickers.h"

#include <filesystem>
#include <memory>

#include "common/AppIdentity.h"
#include "spelling/CustomDictionary.h"
#include "common/ErrorTrap.h"
#include "options/OptionsChanged.h"
#include "platform/Paths.h"
#include "spelling/TemplateEditors.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "common/cLog.h"
#include "common/clsCommonDialog.h"
#include "common/mKEMCommon.h"

namespace {

const std::string kForm = "(frmZelOptions)";
// The file dialog flags: long names, the path must exist, no read-only box;
// the Explorer style; and the file must exist.
constexpr long kFlagsPlain = cdl::OFN_LONGNAMES | cdl::OFN_PATHMUSTEXIST | cdl::OFN_HIDEREADONLY;
constexpr long kFlagsExplorer = kFlagsPlain | cdl::OFN_EXPLORER;
constexpr long kFlagsMustExist = kFlagsExplorer | cdl::OFN_FILEMUSTEXIST;

std::string Name(const std::string& base, int index) { return OptionControls::NameOf(base, index); }

// Shows a file dialog; true when a name was chosen. A cancel (raised as the
// cancel error) and any other failure of the dialog choose nothing.
bool Chosen(clsCommonDialog& dlg, bool save) {
    try {
        save ? dlg.ShowSave() : dlg.ShowOpen();
    } catch (const VBError&) {
        return false;
    }
    return !dlg.WasCanceled;
}

std::string& TemplateOf(ZelkOptions& options, int index) {
    std::string* const templates[4] = {&options.gsErrSet, &options.gsErrTrap, &options.gsTraceIn, &options.gsTraceOut};
    return *templates[index];
}
const char* const kTemplateFiles[4] = {"ErrSet.DEF", "ErrTrap.DEF", "TraceIn.DEF", "TraceOut.DEF"};

// Fills a comment-file field from the comment-block editor's save.
class CommentFileFields : public ICommentFileFields {
public:
    explicit CommentFileFields(OptionControls& c) : c_(c) {}
    void SetCommentFile(int index, const std::string& fileName) override {
        if (index >= 0 && index <= 2) c_.SetText(Name("txtCommentFile", index), fileName);
    }

private:
    OptionControls& c_;
};

}  // namespace

std::string CodeTemplateFileText(const std::string& text) {
    if (text.ends_with("\r\n")) return text;
    return text + "\r\n";
}

std::string DefaultCodeTemplateFile(int index) { return paths::Join(paths::ProgramDir(), kTemplateFiles[index]); }

void cmdBackupTo_Click(OptionControls& c) {
    TraceGuard trace(TraceKind::Events, "cmdBackupTo_Click" + kForm);
    clsCommonDialog dlg;
    dlg.CancelError = true;
    dlg.FileName = "Backup.BAK";
    dlg.DialogTitle = "Designate Backup Directory";
    dlg.Filter = "Backup File (*.bak)|Backup.BAK|All Files (*.*)|*.*";
    dlg.flags = kFlagsPlain;
    if (Chosen(dlg, true)) {
        // Only a file named exactly Backup.BAK names its folder; a longer
        // name that merely ends so ("MyBackup.bak") is no choice.
        const size_t sep = dlg.FileName.rfind(paths::kSep);
        const std::string name = sep == std::string::npos ? dlg.FileName : dlg.FileName.substr(sep + 1);
        if (vb::UCase(name) == "BACKUP.BAK")
            c.SetText("txtBackupDir", dlg.FileName.substr(0, dlg.FileName.size() - name.size()));
    }
    gblnOptionsChanged = true;
}

void cmdSpellDictionary_Click(OptionControls& c, int index) {
    TraceGuard trace(TraceKind::Events, "cmdSpellDic_Click" + kForm);
    clsCommonDialog& dlg = *oCommonDialog;
    dlg.flags = kFlagsMustExist;
    dlg.CancelError = true;
    if (index == 0) {
        dlg.DialogTitle = "Designate Custom Spelling Dictionary";
        dlg.FileName = "VEZUZ.DIC";
        dlg.Filter = "Dictionary Files(*.NDX,*.DIC,*.VTD,*.VTC)|*.NDX;*.DIC;*.VTD;*.VTC|All Files (*.*)|*.*";
    } else {
        dlg.DialogTitle = "Designate Main Spelling Dictionary";
        dlg.FileName = "SPELLDIC.DAT";
        dlg.Filter = "Dictionary Files |*.DAT|All Files (*.*)|*.*";
    }
    dlg.InitDir = paths::ProgramDir();
    if (Chosen(dlg, true)) c.SetText(Name("txtDictionary", index), dlg.FileName);
    gblnOptionsChanged = true;
    if (index != 0) return;
    // An empty custom dictionary gets its header; a missing one is not
    // created here and a filled one is left alone.
    const std::string file = c[Name("txtDictionary", 0)].Text;
    std::error_code ec;
    if (!file.empty() && std::filesystem::is_regular_file(file, ec) && std::filesystem::file_size(file, ec) == 0 &&
        !ec)
        customdict::WriteHeaderOnly(file);
}

void cmdCommentBlock_Click(OptionControls& c, int index) {
    TraceGuard trace(TraceKind::Events, "cmdCommentBlock_Click" + kForm);
    Trapped("cmdCommentBlock_Click", [&] {
        const std::string field = Name("txtCommentFile", index);
        const std::string file = c[field].Text;
        if (!file.empty() && !FileExists(file)) {
            Ui().MsgBox("File " + file + " Does not exist!", mb::vbOKOnly | mb::vbExclamation, app::kTitle);
            c.SetText(field, "");
        } else {
            gblnOptionsChanged = true;
            CommentFileFields fields(c);
            if (goTemplateEditors)
                goTemplateEditors->DefineCommentBlock(c[Name("chkComments", index)].Caption, file, fields);
        }
        gblnOptionsChanged = true;
    });
}

void cmdERHandler_Click(OptionControls& c, int index, ZelkOptions& saved) {
    TraceGuard trace(TraceKind::App, "cmdERHandler_Click");
    if (TraceOn(TraceKind::App)) oLog->LogData(c[Name("cmdERHandler", index)].Caption);
    Trapped("cmdERHandler_Click", [&] {
        gblnOptionsChanged = true;
        const std::string field = Name("txtErrHandler", index);
        std::string file = c[field].Text;
        long kind = index + 1;
        if (file.empty()) file = DefaultCodeTemplateFile(index);
        std::string text;
        if (FileExists(file)) {
            if (!textfile::ReadAll(file, text)) RaiseErrno(errno, file);
            kind = 0;
        }
        if (!goTemplateEditors) return;
        const CodeTemplateAnswer answer = goTemplateEditors->EditCodeTemplate(text, kind, file);
        if (answer.bCanceled || answer.DefFileName.empty()) return;
        if (!textfile::WriteAllAtomic(answer.DefFileName, CodeTemplateFileText(answer.Text)))
            RaiseErrno(errno, answer.DefFileName);
        TemplateOf(saved, index) = answer.DefFileName;
        c.SetText(field, answer.DefFileName);
    });
}

namespace {

// The definition-file and history-file browsers: the shared dialog,
// proposing the field's file.
void BrowseInto(OptionControls& c, const std::string& field, const std::string& title, const std::string& filter) {
    clsCommonDialog& dlg = *oCommonDialog;
    dlg.CancelError = true;
    dlg.DialogTitle = title;
    dlg.FileName = c[field].Text;
    dlg.Filter = filter;
    dlg.flags = kFlagsExplorer;
    dlg.MaxFileSize = 2048;
    if (Chosen(dlg, true) && !dlg.FileName.empty()) c.SetText(field, dlg.FileName);
}

}  // namespace

void cmdErrFind_Click(OptionControls& c, int index) {
    BrowseInto(c, Name("txtErrHandler", index), "Select Definition File File", "Definition Files|*.DEF|All Files|*.*");
}

void cmdFindQPFile_Click(OptionControls& c) {
    BrowseInto(c, "txtQPSave", "Select Zelker History Save File", "KEM Files|*.KEM|All Files|*.*");
}

void cmdDefaultFileLoc_Click(OptionControls& c) {
    clsCommonDialog dlg;
    dlg.DialogTitle = "Default File Location";
    dlg.Filter = "All Files|*.*|Project Files|*.VBP;*.VBG";
    dlg.flags = kFlagsExplorer;
    dlg.MaxFileSize = 2048;
    if (!Chosen(dlg, false)) return;
    const size_t sep = dlg.FileName.rfind(paths::kSep);
    if (sep == std::string::npos) return;
    // A file in the root folder gives the root itself, not an empty location.
    c.SetText("txtDefaultFileLoc", sep == 0 ? std::string(1, paths::kSep) : dlg.FileName.substr(0, sep));
}

bool OptionPickerClick(OptionControls& c, const std::string& base, int index, ZelkOptions& saved) {
    if (base == "cmdBackupTo") cmdBackupTo_Click(c);
    else if (base == "cmdSpellDictionary") cmdSpellDictionary_Click(c, index);
    else if (base == "cmdCommentBlock") cmdCommentBlock_Click(c, index);
    else if (base == "cmdERHandler") cmdERHandler_Click(c, index, saved);
    else if (base == "cmdErrFind") cmdErrFind_Click(c, index);
    else if (base == "cmdFindQPFile") cmdFindQPFile_Click(c);
    else if (base == "cmdDefaultFileLoc") cmdDefaultFileLoc_Click(c);
    else return false;
    return true;
}
