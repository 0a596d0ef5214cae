// The main window sees the Debug menu's keys wherever the focus is, and
// the menu's items run their commands.
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QKeyEvent>

#include "MainWindowFixture.h"
#include "QtTestApp.h"

namespace {
// A key pressed while Ctrl is held down from before (QTest would press Ctrl
// again first, which disarms the sequence).
void CtrlKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QApplication::sendEvent(w, &press);
}
}  // namespace

TEST_F(MainWindowFixture, CtrlF13ThenCtrlF14ShowsTheDebugMenuFromTheViewer) {
    oLog->LogFileName("");
    Load();
    ASSERT_FALSE(form->Visible("mnuDebug"));
    form->activateWindow();
    form->txtSourceFile->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), form->txtSourceFile);

    CtrlKey(form->txtSourceFile, Qt::Key_F13);
    CtrlKey(form->txtSourceFile, Qt::Key_F14);
    EXPECT_TRUE(form->Visible("mnuDebug"));
    EXPECT_EQ(form->lblStatus->text(), "Logging to ");

    // The menu's switch items mirror the switches.
    form->Menu("mnuDebugTraceApp")->trigger();
    EXPECT_TRUE(oDebug->LogApp);
    EXPECT_TRUE(form->Checked("mnuDebugTraceApp"));
    form->Menu("mnuDebugTraceApp")->trigger();
    EXPECT_FALSE(oDebug->LogApp);
    EXPECT_FALSE(form->Checked("mnuDebugTraceApp"));

    form->mnuDebug->popup(form->mapToGlobal(QPoint(200, 0)));
    QApplication::processEvents();
    EXPECT_TRUE(form->mnuDebug->grab().save(QString::fromStdString(testsupport::PicturePath("debug-menu.png"))));
    form->mnuDebug->hide();

    // The same sequence from the scroll bar hides it again.
    form->vscr->setFocus();
    QApplication::processEvents();
    CtrlKey(form->vscr, Qt::Key_F13);
    CtrlKey(form->vscr, Qt::Key_F14);
    EXPECT_FALSE(form->Visible("mnuDebug"));
    EXPECT_EQ(form->lblStatus->text(), "Logging is off ");
}
