// The main window's Debug menu and hot keys: the commands of the menu, the
// key preview and the splash window shown again.
#include <QApplication>
#include <QEventLoop>

#include "mainwindow/DebugMenu.h"
#include "KeyPreview.h"
#include "mainwindow_ui/frmSplash.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"

void frmZelker::RegisterDebugCommands() {
    for (const char* name : {"mnuDebugDisableErrorTraps", "mnuDebugDisableFixDataErrors", "mnuDebugTraceApp",
                             "mnuDebugLogEvents", "mnuDebugMouseEvents", "mnuDebugLogClasses",
                             "mnuDebugLogTracePackages"})
        SetCommand(name, [this, name] { mnuDebugSwitch_Click(*this, name); });
    SetCommand("mnuDebugLogClose", [this] { ::mnuDebugLogClose_Click(*this); });
    SetCommand("mnuDebugOpenAppendLog", [this] { ::mnuDebugOpenAppendLog_Click(*this); });
    SetCommand("mnuDebugOpenNewLog", [this] { mnuDebugOpenNewLog_Click(); });
    mKeyPreview = std::make_unique<KeyPreview>(this, [this](int key, int shift) { Form_KeyDown(key, shift); });
}

void frmZelker::mnuDebugOpenNewLog_Click() { ::mnuDebugOpenNewLog_Click(*this); }

void frmZelker::Form_KeyDown(int keyCode, int shift) { ::Form_KeyDown(*this, *this, keyCode, shift, mblnDebugArmed); }

void frmZelker::ShowSplashModal() {
    frmSplash splash;
    splash.setWindowModality(Qt::ApplicationModal);
    splash.Form_Load();
    oWindow->Center(&splash);
    QApplication::processEvents();
    splash.show();
    splash.activateWindow();
    splash.setFocus();
    // Until Ctrl+F8 in the splash window closes it.
    while (splash.isVisible()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void frmZelker::UnloadMainWindow() { close(); }
