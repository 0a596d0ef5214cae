#pragma once
// The desktop implementation of the UI services.
#include "UiServices.h"

class QWidget;

class QtUiServices : public IUiServices {
public:
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    FileDialogResult ShowFileDialog(const FileDialogRequest& request) override;
    void ClipboardClear() override;
    void ClipboardSetText(const std::string& text) override;
    std::string ClipboardGetText() override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& args) override;
    bool OpenUrl(const std::string& url) override;
    void DoEvents() override;
    void SetMousePointer(int pointer) override;
    int MousePointer() override { return pointer_; }
    void Beep() override;

private:
    int pointer_ = pointer::vbDefault;
};
