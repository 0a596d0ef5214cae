#include "platform/UiServices.h"

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

namespace {

// The next scripted answer; none left is a cancel, or with Strict an error.
template <typename Answer>
Answer NextOf(const std::vector<Answer>& answers, size_t& next, bool strict, const char* what) {
    if (next < answers.size()) return answers[next++];
    if (strict) throw std::logic_error(std::string("unexpected ") + what);
    return Answer{};
}

}  // namespace

ColorDialogResult ScriptedUiServices::ShowColorDialog(const ColorDialogRequest& request) {
    ColorDialogRequests.push_back(request);
    return NextOf(ColorDialogAnswers, NextColorDialog, Strict, "colour dialog");
}

FontDialogResult ScriptedUiServices::ShowFontDialog(const FontDialogRequest& request) {
    FontDialogRequests.push_back(request);
    return NextOf(FontDialogAnswers, NextFontDialog, Strict, "font dialog");
}

PrinterDialogResult ScriptedUiServices::ShowPrinterDialog(const PrinterDialogRequest& request) {
    PrinterDialogRequests.push_back(request);
    return NextOf(PrinterDialogAnswers, NextPrinterDialog, Strict, "printer dialog");
}

PrinterSettings ScriptedUiServices::CurrentPrinter() {
    if (Current < 0 || Current >= static_cast<int>(Printers.size())) return PrinterSettings{};
    return Printers[static_cast<size_t>(Current)].Settings;
}

std::vector<std::string> ScriptedUiServices::PrinterNames() {
    std::vector<std::string> names;
    for (const auto& p : Printers) names.push_back(p.Settings.Device);
    return names;
}

void ScriptedUiServices::SetCurrentPrinter(const PrinterSettings& settings) {
    if (!settings.Device.empty()) {
        for (size_t i = 0; i < Printers.size(); ++i)
            if (Printers[i].Settings.Device == settings.Device) {
                Current = static_cast<int>(i);
                break;
            }
    }
    if (Current < 0 || Current >= static_cast<int>(Printers.size())) return;
    PrinterSettings& current = Printers[static_cast<size_t>(Current)].Settings;
    if (settings.Copies) current.Copies = settings.Copies;
    if (settings.Duplex) current.Duplex = settings.Duplex;
    if (settings.Orientation) current.Orientation = settings.Orientation;
    if (settings.PaperSize) current.PaperSize = settings.PaperSize;
}

PrinterQuery ScriptedUiServices::QueryPrinter(const std::string& device) {
    for (const auto& p : Printers)
        if (p.Settings.Device == device) return p;
    return PrinterQuery{};
}
