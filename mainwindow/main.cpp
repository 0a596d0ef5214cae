// The program's entry: the shared objects, then the main window.
#include <QApplication>
#include <QMainWindow>

#include "AppIdentity.h"
#include "QtUiServices.h"
#include "UiServices.h"
#include "mKEMCommon.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QtUiServices services;
    SetUi(&services);

    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    oZel = std::make_unique<cVEZUZ>();
    sbCommonInit(commandLine);

    QMainWindow frmZelker;
    frmZelker.setObjectName("frmZelker");
    frmZelker.setWindowTitle(QString::fromStdString(app::kTitle));
    frmZelker.resize(800, 600);
    frmZelker.show();
    return application.exec();
}
