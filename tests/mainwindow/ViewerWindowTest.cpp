// The viewer on the main window: showing a file, keys through the text box,
// the View menu, the popup in place of the text box's menu, and speed.
#include <QClipboard>
#include <QGroupBox>
#include <QTextBlock>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <chrono>

#include "MainWindowFixture.h"
#include "ViewerTextBox.h"

namespace {
struct ViewerWindow : MainWindowFixture {
    std::string path;
    void SetUp() override {
        MainWindowFixture::SetUp();
        Load();
        form->resize(800, 600);
        form->show();
        path = WriteLines("hundred.bas", 100);
    }
    QString FirstLine() { return form->txtSourceFile->document()->firstBlock().text(); }
};
}  // namespace

TEST_F(ViewerWindow, ShowsTheInputOfAFile) {
    Open({path});
    EXPECT_EQ(form->windowTitle(), "Zelker - hundred.bas");
    EXPECT_EQ(form->fraFile->title().toStdString(), path + " -- Before Zelking");
    EXPECT_TRUE(form->fraFile->isVisible());
    EXPECT_EQ(form->lblRecord->text(), "Line: 1 of 100");
    EXPECT_EQ(FirstLine(), "L1");
    EXPECT_EQ(form->txtSourceFile->blockCount(), glLinesInWindow + 1);
    EXPECT_EQ(form->vscr->maximum(), 100);
    EXPECT_EQ(form->vscr->value(), 0);
    EXPECT_EQ(form->focusWidget(), form->txtSourceFile);
    SavePicture(form.get(), "main-window-file-shown.png");
}

TEST_F(ViewerWindow, TypingAndPastingChangeNothing) {
    Open({path});
    const QString before = form->txtSourceFile->toPlainText();
    QApplication::clipboard()->setText("pasted");
    QTest::keyClick(form->txtSourceFile, Qt::Key_X);
    QTest::keyClick(form->txtSourceFile, Qt::Key_Backspace);
    QTest::keyClick(form->txtSourceFile, Qt::Key_Delete);
    QTest::keyClick(form->txtSourceFile, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(form->txtSourceFile, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(form->txtSourceFile, Qt::Key_Return);
    EXPECT_EQ(form->txtSourceFile->toPlainText(), before);
}

TEST_F(ViewerWindow, KeysPageThroughTheFile) {
    Open({path});
    QTest::keyClick(form->txtSourceFile, Qt::Key_Down);
    EXPECT_EQ(form->lblRecord->text(), "Line: 2 of 100");
    EXPECT_EQ(form->txtSourceFile->textCursor().blockNumber(), 1);
    QTest::keyClick(form->txtSourceFile, Qt::Key_PageDown);
    const int W = static_cast<int>(glLinesInWindow);
    EXPECT_EQ(FirstLine(), QString("L%1").arg(1 + W));
    EXPECT_EQ(form->lblRecord->text(), QString("Line: %1 of 100").arg(1 + W));
    EXPECT_EQ(form->vscr->value(), 1 + W);
    QTest::keyClick(form->txtSourceFile, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form->lblRecord->text(), "Line: 100 of 100");
    EXPECT_EQ(form->txtSourceFile->textCursor().block().text(), "L100");
    QTest::keyClick(form->txtSourceFile, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(FirstLine(), "L1");
    EXPECT_EQ(form->vscr->value(), 1);
    // The scroll bar moves the window; its Home and End are the viewer's.
    Mouse(form->vscr, QEvent::MouseButtonPress, QPoint(5, form->vscr->height() - 30));
    Mouse(form->vscr, QEvent::MouseButtonRelease, QPoint(5, form->vscr->height() - 30));
    EXPECT_EQ(FirstLine(), QString("L%1").arg(form->vscr->value()));
    QTest::keyClick(form->vscr, Qt::Key_End);
    EXPECT_EQ(form->lblRecord->text(), "Line: 100 of 100");
}

TEST_F(ViewerWindow, ViewMenuAndStartItems) {
    const std::string code = testsupport::ProgramDir() + "/form.frm";
    testsupport::WriteFile(code, "VERSION 5.00\r\nBegin VB.Form F\r\nEnd\r\nAttribute VB_Name = \"F\"\r\nSub A()\r\n");
    Open({code});
    form->Menu("mnuViewStart_0")->trigger();
    EXPECT_EQ(FirstLine(), "Attribute VB_Name = \"F\"");
    form->Menu("mnuViewStart_1")->trigger();
    EXPECT_EQ(FirstLine(), "VERSION 5.00");

    // The log view of a file without a log keeps what is shown, but the mark moves.
    form->mnuViewShow_Click(2);
    EXPECT_TRUE(form->Checked("mnuViewShow_2"));
    EXPECT_FALSE(form->Checked("mnuViewShow_0"));
    EXPECT_EQ(FirstLine(), "VERSION 5.00");
    EXPECT_EQ(form->fraFile->title().toStdString(), code + " -- Before Zelking");

    // With a temporary output the output view shows it.
    const std::string output = WriteLines("PV1A.TMP", 3);
    gsTempOutFile[1] = output;
    form->mnuViewShow_Click(1);
    EXPECT_EQ(FirstLine(), "L1");
    EXPECT_EQ(form->fraFile->title().toStdString(), code + " -- After Zelking");
    form->sbShowFile("INOUT", 1);
    EXPECT_EQ(gtToolbarButtons[4].State, 0);
    EXPECT_EQ(gtToolbarButtons[18].State, 0);
}

TEST_F(ViewerWindow, RightClickShowsTheProgramsPopup) {
    EXPECT_TRUE(form->TextWindowProc_ContextMenu(QPoint(10, 10)));
    EXPECT_TRUE(form->mnuPopupMenu->isVisible());
    form->mnuPopupMenu->hide();
    form.reset();
    giRunMode = 3;  // the development mode keeps the text box's own menu
    Load();
    EXPECT_FALSE(form->TextWindowProc_ContextMenu(QPoint(10, 10)));
    giRunMode = 0;
}

TEST_F(ViewerWindow, ALargeFileStaysQuick) {
    const std::string big = WriteLines("big.bas", 60000);
    const auto start = std::chrono::steady_clock::now();
    Open({big});
    QTest::keyClick(form->txtSourceFile, Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 50; ++i) QTest::keyClick(form->txtSourceFile, Qt::Key_PageUp);
    QTest::keyClick(form->txtSourceFile, Qt::Key_Home, Qt::ControlModifier);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 1.0);
    EXPECT_EQ(glLinesInFile, 60000);
    EXPECT_EQ(form->vscr->maximum(), 32767);
    EXPECT_EQ(form->txtSourceFile->blockCount(), glLinesInWindow + 1);  // one window of lines only
}
