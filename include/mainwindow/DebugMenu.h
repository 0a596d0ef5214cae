#pragma once
// The hidden Debug menu, its key sequence and the main window's other hot
// keys: the trace switches and error switches of oDebug with their check
// marks, opening, extending and closing the trace log, Ctrl+F13 then
// Ctrl+F14 to show or hide the menu, Ctrl+F8 for the splash window,
// Shift+Ctrl+Alt+F2 to stop in the development run mode, Shift+Ctrl+Alt+F3
// to raise a test error and Alt+F4 to leave.
#include <string>

#include "mainwindow/CommandStates.h"

// What the keys need of the main window besides its menu items.
class IDebugWindow {
public:
    virtual ~IDebugWindow() = default;
    // A menu item's (or menu's) Visible property.
    virtual bool Visible(const std::string& name) const = 0;
    // Shows a freshly loaded splash window modally.
    virtual void ShowSplashModal() = 0;
    virtual void BringToTop() = 0;
    // Unloads the main window, which runs the program's exit.
    virtual void UnloadMainWindow() = 0;
};

// What a key means to the Debug menu's chain.
enum class DebugChord { None, ShowSplash, ToggleDebugMenu };

// The chain's step for one key: Ctrl+F13 reverses the arming, Ctrl+F14
// toggles the menu when armed, Ctrl+F8 shows the splash and keeps the
// arming; every other key (F14 included) disarms.
DebugChord fnDebugChord(int keyCode, int shift, bool& armed);

// The main window's key-down handling, seen whatever control has the focus.
void Form_KeyDown(ICommandControls& c, IDebugWindow& w, int keyCode, int shift, bool& armed);

// Reverses the Debug menu's visibility; hiding it switches every debug
// state off (event tracing excepted) and closes the log.
void sbToggleDebugMenu(ICommandControls& c, IDebugWindow& w);

// The seven switch items, by their names: the check mark is reversed and
// the switch follows it.
bool fbIsDebugSwitch(const std::string& name);
void mnuDebugSwitch_Click(ICommandControls& c, const std::string& name);

// The log items.
void mnuDebugLogClose_Click(ICommandControls& c);
void mnuDebugOpenAppendLog_Click(ICommandControls& c);
void mnuDebugOpenNewLog_Click(ICommandControls& c);

// The fixed log that Extend Log File appends to: "DB_VEZUZ.LOG" in the
// program's folder.
std::string fsAppendLogName();
