#pragma once
// The program's start: the shared objects, the user name, the settings and
// the keyword table, the splash window for a minimum time, the main window,
// the recent-file list, the options dialog and the spell checker.
#include <string>

class IWordNotFound;

// The windows the start-up loads and shows, in the order Main calls them.
class IStartupWindows {
public:
    virtual ~IStartupWindows() = default;
    virtual void ShowSplash() = 0;          // loaded and shown without blocking
    virtual void RefreshSplash() = 0;       // repainted at once
    virtual void LoadMainWindow() = 0;      // frmZelker's load (it may run Open)
    virtual void ShowMRUMenu() = 0;         // the recent files into the File menu
    virtual void LoadOptionsHidden() = 0;   // the options dialog, loaded and hidden
    virtual void ShowOptionsModal() = 0;    // the options dialog for a first run
    virtual void BringMainToTop() = 0;
    virtual void UnloadSplash() = 0;
    // How the spell checker asks about an unknown word (not owned; none:
    // such words are left as they are).
    virtual IWordNotFound* WordNotFound() { return nullptr; }
};

// The minimum times from the start to the main window's load and to the end
// of the start-up, in milliseconds.
constexpr unsigned kFirstWaitMs = 4000, kSecondWaitMs = 8000;

void Main(const std::string& commandLine, IStartupWindows& windows);

// "Requested Function Not Currently Available!"
void sbNotYet();
