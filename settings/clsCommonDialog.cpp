#include "clsCommonDialog.h"

#include "Paths.h"
#include "UiServices.h"
#include "VBError.h"

std::string TrimNulls(const std::string& text) {
    size_t end = text.find_last_not_of(std::string(" \0", 2));
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

void clsCommonDialog::ShowOpen() { ShowFileDialog(Kind::Open); }
void clsCommonDialog::ShowSave() { ShowFileDialog(Kind::Save); }

namespace {

std::string LastComponent(const std::string& path) {
    size_t sep = path.rfind(paths::kSep);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string FolderOf(const std::string& path) {
    size_t sep = path.rfind(paths::kSep);
    if (sep == std::string::npos) return std::string();
    return sep == 0 ? std::string(1, paths::kSep) : path.substr(0, sep);
}

// The chosen names as the dialog hands them back: one full path, or the
// folder followed by each name, all separated by NUL. A name from another
// folder (typed with its own path) is handed back whole.
std::string AnswerText(const FileDialogResult& result) {
    if (result.Files.size() == 1) return result.Files.front();
    const std::string folder = FolderOf(result.Files.front());
    std::string text = folder;
    for (const auto& file : result.Files) {
        text += cdl::kNameSeparator;
        text += FolderOf(file) == folder ? LastComponent(file) : file;
    }
    return text;
}

}  // namespace

void clsCommonDialog::ShowFileDialog(Kind kind) {
    apiReturn_ = 0;
    extendedError_ = 0;
    WasCanceled = false;
    if (MaxFileSize <= 0) MaxFileSize = 255;
    const size_t bufferSize = static_cast<size_t>(MaxFileSize);
    // A proposed name that does not fit the name buffers ends the run before
    // any dialog is shown, without a cancel and without an error.
    if (FileName.size() > bufferSize || FileTitle.size() > bufferSize) return;

    FileDialogRequest request;
    request.Save = kind == Kind::Save;
    request.Title = DialogTitle;
    request.Filter = Filter;
    request.FilterIndex = FilterIndex;
    request.InitDir = InitDir;
    request.FileName = FileName;
    request.DefaultExt = DefaultExt;
    request.MultiSelect = (flags & cdl::OFN_ALLOWMULTISELECT) != 0;
    request.FileMustExist = (flags & cdl::OFN_FILEMUSTEXIST) != 0;
    request.PathMustExist = (flags & cdl::OFN_PATHMUSTEXIST) != 0;
    request.OverwritePrompt = (flags & cdl::OFN_OVERWRITEPROMPT) != 0;
    request.HideReadOnly = (flags & cdl::OFN_HIDEREADONLY) != 0;

    FileDialogResult result = Ui().ShowFileDialog(request);
    std::string answer = result.Accepted && !result.Files.empty() ? AnswerText(result) : std::string();
    // An answer that does not fit the buffer (with its terminating NUL) is a
    // failed dialog, which counts as a cancel.
    if (answer.empty() || answer.size() >= bufferSize) {
        WasCanceled = true;
        if (CancelError) RaiseError(vberr::kCancelError);
        return;
    }
    apiReturn_ = 1;
    FileName = TrimNulls(answer);
    if (result.Files.size() == 1) FileTitle = TrimNulls(LastComponent(FileName));
    FilterIndex = result.FilterIndex;
    size_t sep = FileName.rfind(paths::kSep);
    InitDir = sep == std::string::npos ? std::string() : FileName.substr(0, sep);
}
