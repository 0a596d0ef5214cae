#pragma once
// The desktop implementation of the UI services.
#include <cstdint>
#include <memory>

#include "platform/UiServices.h"

class QPrinter;
class QWidget;

class QtUiServices : public IUiServices {
public:
    QtUiServices();
    ~QtUiServices() override;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    FileDialogResult ShowFileDialog(const FileDialogRequest& request) override;
    void ClipboardClear() override;
    void ClipboardSetText(const std::string& text) override;
    std::string ClipboardGetText() override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& args) override;
    bool OpenUrl(const std::string& url) override;
    void DoEvents() override;
    bool EventsDue() override;
    void SetMousePointer(int pointer) override;
    int MousePointer() override { return pointer_; }
    void Beep() override;
    ColorDialogResult ShowColorDialog(const ColorDialogRequest& request) override;
    FontDialogResult ShowFontDialog(const FontDialogRequest& request) override;
    PrinterDialogResult ShowPrinterDialog(const PrinterDialogRequest& request) override;
    PrinterSettings CurrentPrinter() override;
    std::vector<std::string> PrinterNames() override;
    void SetCurrentPrinter(const PrinterSettings& settings) override;
    PrinterQuery QueryPrinter(const std::string& device) override;

private:
    QPrinter& Printer();

    int pointer_ = pointer::vbDefault;
    // When window events last ran (the coarse monotonic clock, ms); below
    // zero before they first run.
    int64_t eventsRanMs_ = -1;
    // The current printer, made on first use from the desktop's default.
    std::unique_ptr<QPrinter> printer_;
};
