#pragma once
// The engine's interface to the windows.
#include <string>

#include "common/IProgressView.h"

// The main window as a zelk run reaches it besides its progress panel: the
// parts of the window the run changes. The main window implements it; tests
// use fakes.
class IZelkWindow : public IProgressView {
public:
    virtual void HideFileFrame() = 0;     // fraFile
    virtual void ClearRecordLabel() = 0;  // lblRecord
    virtual void SetWindowCaption(const std::string& text) = 0;
    virtual void BringToTop() = 0;
    // The spelling frame (fraSpellCheck) with the five statements around
    // the text being checked (lblSpelling 0 to 4, the text's own in the
    // middle). A window without one shows nothing.
    virtual void SetSpellCheckCaption(const std::string&) {}
    virtual void SetSpellingLine(int /*index*/, const std::string&) {}
    virtual void SetSpellCheckVisible(bool) {}
};

// The main window (null when none is shown, as in the headless tools).
inline IZelkWindow* gfrmZelker = nullptr;
