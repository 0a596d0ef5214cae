// The program's entry: the desktop services, then the start-up.
#include <QApplication>
#include <QScreen>

#include "platform_ui/ProgramIcon.h"
#include "projects_ui/ProjectFileDialogUi.h"
#include "platform_ui/QtUiServices.h"
#include "common/ScreenSize.h"
#include "mainwindow/SessionState.h"
#include "mainwindow_ui/StartupWindows.h"
#include "spelling_ui/TemplateWindows.h"
#include "platform/Registry.h"
#include "platform/UiServices.h"
#include "common_ui/frmErrorInfo.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The program ends when its main window is unloaded, not when the splash
    // window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    QtUiServices services;
    SetUi(&services);
    // The registry store is read once for the program's run; its own changes
    // go into that reading as well as onto the disk.
    reg::StoreReadOnce registryOnce;
    InstallErrorReportWindow();
    // Every window shows the program's icon.
    QApplication::setWindowIcon(ProgramIcon());
    // The comment-block editor and the tab-width question for the engine,
    // the template editors for the options dialog.
    InstallTemplateWindows();
    if (QScreen* screen = QApplication::primaryScreen())
        SetScreenSize({screen->size().width() * 15.0, screen->size().height() * 15.0});

    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    ProjectFileDialogUi projectDialog([] { return gsHelpFile; });
    QtStartupWindows windows;
    Main(commandLine, windows);
    return gblnProgramEnding ? 0 : application.exec();
}
