#pragma once
// The services through which logic reaches the user and the desktop: message
// boxes, file dialogs, the clipboard, starting programs, the event pump, the
// mouse pointer and beeps. The program installs the Qt implementation; tests
// and the headless tools use the scripted fake.
#include <functional>
#include <string>
#include <vector>

#include "platform/PickerDialogs.h"

// Message box buttons, icons and answers, with Visual Basic's values.
namespace mb {
constexpr int vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
              vbRetryCancel = 5;
constexpr int vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64;
constexpr int vbDefaultButton1 = 0, vbDefaultButton2 = 256, vbDefaultButton3 = 512;
constexpr int vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7;
constexpr int kButtonsMask = 7, kIconMask = 0x70;
// The answer a dialog gives when the user just presses Enter on the first button.
int FirstButtonAnswer(int buttons);
}  // namespace mb

// Mouse pointers used by the program (Visual Basic's values).
namespace pointer {
constexpr int vbDefault = 0, vbArrow = 1, vbHourglass = 11;
}

struct FileDialogRequest {
    bool Save = false;
    std::string Title;
    // Pairs of description and pattern, all separated by "|"; a pattern may
    // hold several masks separated by ";".
    std::string Filter;
    int FilterIndex = 1;  // 1-based
    std::string InitDir;
    std::string FileName;
    bool MultiSelect = false;
    bool FileMustExist = false;
    bool PathMustExist = false;
    bool OverwritePrompt = false;
    bool HideReadOnly = false;
    std::string DefaultExt;
};

struct FileDialogResult {
    bool Accepted = false;
    std::vector<std::string> Files;  // full paths
    int FilterIndex = 1;
};

class IUiServices {
public:
    virtual ~IUiServices() = default;
    // Returns one of the mb answers. Lines of the prompt are joined by CR LF.
    virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
    virtual FileDialogResult ShowFileDialog(const FileDialogRequest& request) = 0;
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(const std::string& text) = 0;
    virtual std::string ClipboardGetText() = 0;
    // Starts an outside program with the given arguments; false when it
    // cannot be started.
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& args) = 0;
    // Hands a link ("mailto:...") to the desktop; false when nothing took it.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Lets pending window events run.
    virtual void DoEvents() = 0;
    // Whether pending window events are due: often enough that the window
    // follows and a click (Cancel) is taken at once, seldom enough that a long
    // loop asking on every line does not spend its time there. The desktop
    // lets them run some 30 ms apart; by default they are always due. A loop
    // that drives a display brings it up to date only when they are due: the
    // window shows nothing of it before they run.
    virtual bool EventsDue() { return true; }
    // For a long loop to call as often as it likes: lets pending window
    // events run when they are due.
    void KeepResponsive() {
        if (EventsDue()) DoEvents();
    }
    virtual void SetMousePointer(int pointer) = 0;
    virtual int MousePointer() = 0;
    virtual void Beep() = 0;

    virtual ColorDialogResult ShowColorDialog(const ColorDialogRequest& request) = 0;
    virtual FontDialogResult ShowFontDialog(const FontDialogRequest& request) = 0;
    virtual PrinterDialogResult ShowPrinterDialog(const PrinterDialogRequest& request) = 0;
    // The printer that printing would use now, with its settings.
    virtual PrinterSettings CurrentPrinter() = 0;
    // The device names of the installed printers, in the desktop's order.
    virtual std::vector<std::string> PrinterNames() = 0;
    // Makes the named printer current (an empty name keeps the current one)
    // and gives it the copies, duplex, orientation and paper size of the
    // settings; a setting of 0 is left as it is.
    virtual void SetCurrentPrinter(const PrinterSettings& settings) = 0;
    // The settings a printer starts a document with.
    virtual PrinterQuery QueryPrinter(const std::string& device) = 0;
};

// The services in use. Until a program installs its own, a scripted fake
// answers (so that logic runs headless).
IUiServices& Ui();
// Installs services (not owned); nullptr restores the built-in fake.
void SetUi(IUiServices* services);

// A scripted stand-in: answers come from queues, everything asked is recorded.
class ScriptedUiServices : public IUiServices {
public:
    struct Message {
        std::string Prompt;
        int Buttons = 0;
        std::string Title;
    };

    std::vector<int> MsgBoxAnswers;  // consumed front to back
    size_t NextAnswer = 0;
    // With no scripted answer left: false answers with the first button,
    // true raises std::logic_error so a test sees the unexpected question.
    bool Strict = false;
    std::vector<Message> Messages;

    std::vector<FileDialogResult> FileDialogAnswers;
    size_t NextFileDialog = 0;
    std::vector<FileDialogRequest> FileDialogRequests;

    std::string Clipboard;
    std::vector<std::vector<std::string>> StartedPrograms;  // program then args
    bool StartProgramResult = true;
    std::vector<std::string> OpenedUrls;
    int DoEventsCount = 0;
    std::function<void()> OnDoEvents;  // runs inside DoEvents (a click, say)
    int Pointer = pointer::vbDefault;
    std::vector<int> PointerHistory;
    int Beeps = 0;

    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    FileDialogResult ShowFileDialog(const FileDialogRequest& request) override;
    void ClipboardClear() override { Clipboard.clear(); }
    void ClipboardSetText(const std::string& text) override { Clipboard = text; }
    std::string ClipboardGetText() override { return Clipboard; }
    bool StartProgram(const std::string& program, const std::vector<std::string>& args) override;
    bool OpenUrl(const std::string& url) override;
    void DoEvents() override;
    void SetMousePointer(int p) override;
    int MousePointer() override { return Pointer; }
    void Beep() override { ++Beeps; }

    // The pickers: scripted answers (none left: a cancel, or with Strict an
    // exception), every request recorded.
    std::vector<ColorDialogResult> ColorDialogAnswers;
    size_t NextColorDialog = 0;
    std::vector<ColorDialogRequest> ColorDialogRequests;
    std::vector<FontDialogResult> FontDialogAnswers;
    size_t NextFontDialog = 0;
    std::vector<FontDialogRequest> FontDialogRequests;
    std::vector<PrinterDialogResult> PrinterDialogAnswers;
    size_t NextPrinterDialog = 0;
    std::vector<PrinterDialogRequest> PrinterDialogRequests;
    // The installed printers; Current indexes them (-1: none is current).
    std::vector<PrinterQuery> Printers;
    int Current = -1;

    ColorDialogResult ShowColorDialog(const ColorDialogRequest& request) override;
    FontDialogResult ShowFontDialog(const FontDialogRequest& request) override;
    PrinterDialogResult ShowPrinterDialog(const PrinterDialogRequest& request) override;
    PrinterSettings CurrentPrinter() override;
    std::vector<std::string> PrinterNames() override;
    void SetCurrentPrinter(const PrinterSettings& settings) override;
    PrinterQuery QueryPrinter(const std::string& device) override;

    // Convenience for tests: the prompt of the last message, or empty.
    std::string LastPrompt() const { return Messages.empty() ? std::string() : Messages.back().Prompt; }
};
