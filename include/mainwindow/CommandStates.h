#pragma once
// The commands of the main window in their three places (menu item, popup
// item, toolbar position), set together for the state of the session:
// nothing open, a file open, the current file zelked. The states only enable,
// disable and check; they decide nothing about the session.
#include <string>

// The main window's command controls, addressed by their names (a member of
// a control array as name_index: "mnuPopup_3").
class ICommandControls {
public:
    virtual ~ICommandControls() = default;
    virtual bool Enabled(const std::string& name) const = 0;
    virtual void SetEnabled(const std::string& name, bool enabled) = 0;
    virtual bool Checked(const std::string& name) const = 0;
    virtual void SetChecked(const std::string& name, bool checked) = 0;
    virtual void SetVisible(const std::string& name, bool visible) = 0;
    // Repaints the toolbar's picture box so that repainted buttons show.
    virtual void RefreshToolBar() = 0;
};

// Toolbar position states.
constexpr long kButtonEnabled = 0, kButtonGreyed = 2;

// Paints one toolbar position enabled (0) or greyed (2); the caller refreshes.
void sbPaintToolBar(int position, long state);

void sbButtonsDisable(ICommandControls& c);  // nothing open
void sbButtonsOpen(ICommandControls& c);     // a file open, not zelked
void sbButtonsZelked(ICommandControls& c);   // the current file zelked
// After the file-open state: the current file cannot be read, so nothing
// that needs its text is offered; moving on and closing stay.
void sbButtonsUnavailable(ICommandControls& c);

// True when some file of the session has zelked output not yet saved.
bool fbAnyUnsaved();
// Save (menu item, popup item and toolbar position together) for a current
// file with unsaved output; Save All while any file of the session has some.
// The file states end with it, and the save commands call it after saving.
void sbSaveCommandsState(ICommandControls& c);

// Flips the enabled state of the Debug menu's seven switch items.
void sbEnableDebugItems(ICommandControls& c);
// Shows the Debug menu when a log is named or a debug switch other than event
// tracing is on, and sets its check marks and log items from the switches.
void EnableDebugItems(ICommandControls& c);

// True when the named command may run while a zelk run is under way: the
// view switches, help and the Debug menu. Every session command (open,
// close, save, zelk, move, view, options, print, exit) waits for the run.
bool fbCommandAllowedWhileZelking(const std::string& name);
