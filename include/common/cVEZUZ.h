#pragma once
// Line-count progress of a parse or of a zelk's output, and closing the open
// source files.
#include <functional>

class cVEZUZ {
public:
    long lMaxLines = 0;

    // The progress panel and the status line count the first line and every
    // tenth; they are brought up to date when pending window events are due
    // (IUiServices::EventsDue), and then the events run.
    void StatusBarUpdate(bool& ablnFirstTime, bool ablnParsing, long aCount);
    void CloseFiles();
    void CloseFile();

    void* FormName() const { return form_; }
    void FormName(void* form) { form_ = form; }

private:
    struct Progress {
        long Count = -1;  // below zero: none
        bool Parsing = false;
        bool operator==(const Progress&) const = default;
    };
    void Show(const Progress& progress);

    void* form_ = nullptr;
    Progress due_;    // what the panel and the status line should show
    Progress shown_;  // what they show
};

// Unloads the project dialog; set by the projects window code.
inline std::function<void()> gfnUnloadProjectDialog;

class cWindowObject {
public:
    float TheHeight = 0, TheLeft = 0, TheTop = 0, TheWidth = 0;  // twips
    int WindowState() const { return windowState_; }
    // 0 normal, 1 minimised, 2 maximised; anything else stores 0.
    void WindowState(int state) { windowState_ = (state >= 0 && state <= 2) ? state : 0; }

private:
    int windowState_ = 0;
};

class cFileHandler {
public:
    void* FormCurrent() const { return form_; }
    void FormCurrent(void* form) { form_ = form; }

private:
    void* form_ = nullptr;
};
