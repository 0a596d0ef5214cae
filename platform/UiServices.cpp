#include "UiServices.h"

#include <stdexcept>

namespace mb {
int FirstButtonAnswer(int buttons) {
    switch (buttons & kButtonsMask) {
        case vbOKOnly:
        case vbOKCancel: return vbOK;
        case vbAbortRetryIgnore: return vbAbort;
        case vbYesNoCancel:
        case vbYesNo: return vbYes;
        case vbRetryCancel: return vbRetry;
        default: return vbOK;
    }
}
}  // namespace mb

namespace {
ScriptedUiServices gFallback;
IUiServices* gUi = nullptr;
}  // namespace

IUiServices& Ui() { return gUi ? *gUi : gFallback; }
void SetUi(IUiServices* services) { gUi = services; }

int ScriptedUiServices::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    Messages.push_back({prompt, buttons, title});
    if (NextAnswer < MsgBoxAnswers.size()) return MsgBoxAnswers[NextAnswer++];
    if (Strict) throw std::logic_error("unexpected message box: " + prompt);
    return mb::FirstButtonAnswer(buttons);
}

FileDialogResult ScriptedUiServices::ShowFileDialog(const FileDialogRequest& request) {
    FileDialogRequests.push_back(request);
    if (NextFileDialog < FileDialogAnswers.size()) return FileDialogAnswers[NextFileDialog++];
    if (Strict) throw std::logic_error("unexpected file dialog: " + request.Title);
    return FileDialogResult{};
}

bool ScriptedUiServices::StartProgram(const std::string& program, const std::vector<std::string>& args) {
    std::vector<std::string> call{program};
    call.insert(call.end(), args.begin(), args.end());
    StartedPrograms.push_back(call);
    return StartProgramResult;
}

bool ScriptedUiServices::OpenUrl(const std::string& url) {
    OpenedUrls.push_back(url);
    return true;
}

void ScriptedUiServices::DoEvents() {
    ++DoEventsCount;
    if (OnDoEvents) OnDoEvents();
}

void ScriptedUiServices::SetMousePointer(int p) {
    Pointer = p;
    PointerHistory.push_back(p);
}
