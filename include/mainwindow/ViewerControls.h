#pragma once
// The viewer's controls on the main window as the line buffer and the key
// handling reach them: the line label, the scroll bar and the text box. The
// main window implements them; tests use a fake.
#include <string>

class IViewerControls {
public:
    virtual ~IViewerControls() = default;
    // lblRecord: its caption, repainted at once.
    virtual void SetLineLabel(const std::string& text) = 0;
    // vscr. Setting a value that differs from the current one raises the
    // scroll bar's change handling, as a user's change does.
    virtual void SetScrollEnabled(bool enabled) = 0;
    virtual long ScrollMax() const = 0;
    virtual void SetScrollMax(long value) = 0;
    virtual long ScrollValue() const = 0;
    virtual void SetScrollValue(long value) = 0;
    // txtSourceFile: the window text (lines ended by CR LF) and the caret, a
    // character position in that text (a line end counts two characters).
    virtual void SetViewerText(const std::string& text) = 0;
    virtual long CaretPosition() const = 0;
    virtual void SetCaretPosition(long position) = 0;
};

// The main window's viewer; null while no window is loaded.
inline IViewerControls* goViewerControls = nullptr;
