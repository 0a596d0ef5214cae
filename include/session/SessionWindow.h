#pragma once
// The main window as the session's commands reach it: the progress panel
// and frame of a zelk run, the command controls, the View menu's file list,
// the recent-file items, the viewer, and the small windows the commands
// show. The main window implements it; tests use a fake, so that every rule
// of the session runs without a display.
#include <string>

#include "mainwindow/CommandStates.h"
#include "projects/IMRUMenu.h"
#include "session/IViewFileList.h"
#include "engine/ZelkHost.h"
#include "settings/ZelkOptions.h"

class ISessionWindow : public IZelkWindow, public ICommandControls, public IViewFileList, public IMRUMenu {
public:
    // A menu item's Visible property (a hidden separator reads false).
    virtual bool Visible(const std::string& name) const = 0;

    // The viewer: sbShowFile ("INFILE", "OUTFILE", "LOGFILE" or "INOUT") and
    // the View menu's view command (0 input, 1 output, 2 log). ShowFile is
    // false when the file cannot be read: the user has been told, and the
    // viewer shows the file as not available.
    virtual bool ShowFile(const std::string& which, int fileIndex) = 0;
    virtual void ViewShow(int index) = 0;

    // The View menu's file list mnuViewFile: item 0 always exists; items
    // from 1 on are loaded (copying item 0's state) and unloaded at run time.
    virtual void LoadViewFileItem(int item) = 0;
    virtual void UnloadViewFileItem(int item) = 0;  // nothing when missing
    virtual void SetViewFileCaption(int item, const std::string& caption) = 0;

    // The Files window: shown modally (loaded and filled on its first
    // showing); the 0-based index of the chosen file, or -1 when it closed
    // without a choice. UnloadFileList ends its life with the session.
    virtual int ShowFileList() = 0;
    virtual void UnloadFileList() = 0;

    // True while a zelk command runs: the other commands wait.
    virtual void SetZelking(bool zelking) = 0;

    // The options dialog and the About window, modal.
    virtual void ShowOptionsDialog() = 0;
    virtual void ShowAbout() = 0;

    // Gives the viewer's text box its own context menu back.
    virtual void UnhookText() = 0;

    // The program's settings the commands work with: every command reads
    // them, and the few that change a setting (a dictionary found missing,
    // the printing program found) change them here. The main window's are
    // the program's own.
    virtual ZelkOptions& Settings() = 0;
};
