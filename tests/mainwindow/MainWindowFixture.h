#pragma once
// A loaded main window on the offscreen display, with helpers that send it
// real mouse events and open a file in its viewer.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include <QGroupBox>
#include <QMenu>

#include "mainwindow/MFILESET.h"
#include "engine/ProcessFile.h"
#include "mainwindow/SessionState.h"
#include "common/SharedState.h"
#include "platform/VBError.h"
#include "mainwindow_ui/ViewerTextBox.h"
#include "platform_ui/QtPictureBox.h"
#include "Lend.h"
#include "QtTestApp.h"
#include "TestSupport.h"
#include "platform_ui/Twips.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"

struct MainWindowFixture : ::testing::Test {
    testsupport::Lend<bool> ending{gblnProgramEnding};  // the window's Exit ends the program
    std::unique_ptr<frmZelker> form;

    void SetUp() override {
        testsupport::EnsureQApplication();
        oDebug->LogApp = false;  // as the settings leave it
        oAppInfo->StatusBar = true;
        oAppInfo->Toolbar = true;
        oAppInfo->ToolTips = true;
        oAppInfo->ShowOpenDialog = false;
        oWindowObject->TheLeft = 0;
        oWindowObject->TheTop = 0;
        oWindowObject->TheWidth = Tw(800);
        oWindowObject->TheHeight = Tw(600);
    }
    void TearDown() override { form.reset(); }

    void Load() {
        form = std::make_unique<frmZelker>();
        form->Form_Load();
    }

    // A session of the given files, the first shown.
    void Open(const std::vector<std::string>& paths) {
        for (const std::string& p : paths) {
            cFileDesc entry;
            entry.FileName = p;
            oFile->Add(entry);
        }
        sbSizeFileArrays(oFile->Count());
        giFileIndex = 1;
        form->sbShowFile("INFILE", 1);
        form->sbButtonsOpen();
    }

    static std::string WriteLines(const std::string& name, int count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "L" + std::to_string(i) + "\r\n";
        const std::string path = testsupport::ProgramDir() + "/" + name;
        testsupport::WriteFile(path, text);
        return path;
    }

    static void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                         : type == QEvent::MouseMove      ? Qt::MouseButtons(Qt::NoButton)
                                                                          : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }

    // A click on a toolbar position's middle.
    void ClickToolbar(int position) {
        const auto& b = gtToolbarButtons[position];
        const QPoint at((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
        Mouse(form->picToolBar, QEvent::MouseButtonPress, at);
        Mouse(form->picToolBar, QEvent::MouseButtonRelease, at);
    }

    void SavePicture(QWidget* w, const std::string& name) {
        EXPECT_TRUE(w->grab().save(QString::fromStdString(testsupport::PicturePath(name))));
    }
};
