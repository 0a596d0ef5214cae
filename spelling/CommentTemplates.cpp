#include "spelling/CommentTemplates.h"

#include <cerrno>

#include "common/AppIdentity.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "common/clsCommonDialog.h"

namespace {

constexpr CommentKind kKinds[] = {
    {'M', "CMTMOD.DEF", " - Module Comment Block", "&Default Module Comment Block", 0},
    {'U', "CMTUDP.DEF", " - User Defined Procedure Commen", "&Default User Defined Procedure", 1},
    {'E', "CMTEVT.DEF", " - Event Procedure Comment Block", "&Default Event Procedure Commen", 2},
};

const std::string kBanner = "'***** ZEMBROCK ZELKER ********************************";
constexpr char kFilter[] = "Definition File (*.DEF)|*.DEF|All Files (*.*)|*.*";

std::string JoinLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

// Sets the shared dialog up to propose the template (or the kind's default).
void Propose(const CommentKind* kind, const std::string& current, const char* title) {
    clsCommonDialog& dialog = *oCommonDialog;
    dialog.FileName = ProposedCommentFile(kind, current);
    if (current.empty()) dialog.InitDir = paths::ProgramDir();
    dialog.DialogTitle = title;
    dialog.Filter = kFilter;
}

}  // namespace

const CommentKind* CommentKindOf(const std::string& caption) {
    if (caption.empty()) return nullptr;
    for (const CommentKind& kind : kKinds)
        if (kind.Letter == caption.front()) return &kind;
    return nullptr;
}

std::string DefaultModuleBlock() {
    return JoinLines({kBanner, "'@Module        By: @User       Date: @Date", "'Comments: @Ask", "'  ", "'  ",
                      kBanner});
}

std::string DefaultProcedureBlock() {
    return JoinLines({kBanner, "'@Module / @Procedure        ", "'By: @User                 Date: @Date",
                      "'Comments: @Ask", "'  Inputs:", "' Outputs:", kBanner});
}

std::string DefaultCommentBlock(const CommentKind& kind) {
    return kind.Letter == 'M' ? DefaultModuleBlock() : DefaultProcedureBlock();
}

std::string ProposedCommentFile(const CommentKind* kind, const std::string& current) {
    if (!current.empty() || !kind) return current;
    return paths::Join(paths::ProgramDir(), kind->DefaultFile);
}

bool sbOpenCommentTemplate(const CommentKind* kind, const std::string& current, std::string& name,
                           std::string& text) {
    if (!oCommonDialog) return false;
    Propose(kind, current, "Designate Comment Defintion File");
    clsCommonDialog& dialog = *oCommonDialog;
    dialog.CancelError = true;
    // One template at a time: several names would make no file name.
    dialog.flags = cdl::OFN_PATHMUSTEXIST | cdl::OFN_FILEMUSTEXIST | cdl::OFN_EXPLORER | cdl::OFN_LONGNAMES;
    try {
        dialog.ShowOpen();
    } catch (const VBError&) {
        return false;  // cancelled
    }
    std::string content;
    if (dialog.WasCanceled || dialog.FileName.empty() || !textfile::ReadAll(dialog.FileName, content)) return false;
    name = dialog.FileName;
    text = std::move(content);
    return true;
}

TemplateSaveOutcome sbSaveCommentTemplate(const CommentKind* kind, const std::string& current,
                                          const std::string& text, std::string& name) {
    if (!oCommonDialog) return TemplateSaveOutcome::Canceled;
    Propose(kind, current, "Save Comment Defintion File");
    clsCommonDialog& dialog = *oCommonDialog;
    // The flags Open leaves behind would demand an existing file: a new
    // template could not be named.
    dialog.CancelError = false;
    dialog.flags = cdl::OFN_PATHMUSTEXIST | cdl::OFN_EXPLORER | cdl::OFN_LONGNAMES;
    dialog.ShowSave();
    if (dialog.WasCanceled || dialog.FileName.empty()) return TemplateSaveOutcome::Canceled;
    name = dialog.FileName;
    if (!textfile::WriteAllAtomic(name, text)) {
        const long number = fnErrnoToVB(errno);
        Ui().MsgBox("The comment block cannot be saved in " + name + "\r\n\r\n" + fsErrorDescription(number),
                    mb::vbOKOnly | mb::vbExclamation, app::kTitle);
        return TemplateSaveOutcome::Failed;
    }
    return TemplateSaveOutcome::Saved;
}

bool fbDiscardCommentChanges() {
    return Ui().MsgBox("Comment Block Definition Has Changed\r\n\r\nDo You Want To Discard Changes",
                       mb::vbYesNo | mb::vbQuestion, "Discard Changes") == mb::vbYes;
}
