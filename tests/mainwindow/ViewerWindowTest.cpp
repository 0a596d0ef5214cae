// The viewer on the main window: showing a file, keys through the text box,
// the View menu, the popup in place of the text box's menu, and speed.
#include <QClipboard>
#include <QGroupBox>
#include <QTextBlock>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <set>

#include "engine/EngineState.h"
#include "MainWindowFixture.h"
#include "mainwindow_ui/ViewerTextBox.h"

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

    // The file lines ("L7" is 7) whose row the text box shows in full.
    std::vector<int> FullyVisibleLines() {
        std::vector<int> lines;
        const QRect area = form->txtSourceFile->viewport()->rect();
        for (QTextBlock b = form->txtSourceFile->document()->firstBlock(); b.isValid(); b = b.next()) {
            const QRect row = form->txtSourceFile->cursorRect(QTextCursor(b));
            if (row.top() >= area.top() && row.bottom() <= area.bottom()) lines.push_back(b.text().mid(1).toInt());
        }
        return lines;
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->txtSourceFile, key, modifiers);
    }
    void Wheel(int notches) {
        QWidget* area = form->txtSourceFile->viewport();
        const QPointF at(10, 10);
        QWheelEvent event(at, area->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &event);
    }
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
    EXPECT_EQ(form->vscr->maximum(), 100 - glLinesInWindow + 1);
    EXPECT_EQ(form->vscr->value(), 1);
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

    // The log view of a file without a log keeps what is shown, and the marks
    // stay on the view shown; so do the toolbar's and the popup's switches.
    form->mnuViewShow_Click(2);
    ClickToolbar(15);
    form->RunCommand("mnuPopup_10");
    EXPECT_FALSE(form->Checked("mnuViewShow_2"));
    EXPECT_TRUE(form->Checked("mnuViewShow_0"));
    EXPECT_EQ(FirstLine(), "VERSION 5.00");
    EXPECT_EQ(form->fraFile->title().toStdString(), code + " -- Before Zelking");

    // With a temporary output the output view shows it.
    const std::string output = WriteLines("PV1A.TMP", 3);
    gsTempOutFile[1] = output;
    form->mnuViewShow_Click(1);
    EXPECT_EQ(FirstLine(), "L1");
    EXPECT_TRUE(form->Checked("mnuViewShow_1"));
    EXPECT_FALSE(form->Checked("mnuViewShow_0"));
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
    testsupport::Lend development{giRunMode, 3};  // the development mode keeps the text box's own menu
    Load();
    EXPECT_FALSE(form->TextWindowProc_ContextMenu(QPoint(10, 10)));
}

// Only one window of lines is ever put into the text box, however long the file.
TEST_F(ViewerWindow, ALargeFileLoadsOneWindowOfLines) {
    const std::string big = WriteLines("big.bas", 60000);
    Open({big});
    QTest::keyClick(form->txtSourceFile, Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 50; ++i) QTest::keyClick(form->txtSourceFile, Qt::Key_PageUp);
    QTest::keyClick(form->txtSourceFile, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(glLinesInFile, 60000);
    EXPECT_EQ(form->vscr->maximum(), 60000 - glLinesInWindow + 1);
    EXPECT_EQ(form->txtSourceFile->blockCount(), glLinesInWindow + 1);  // one window of lines only
}

// At any height of the window, paging down and back up shows every line of
// the file in full, and a page moves by the rows shown in full.
TEST_F(ViewerWindow, PagingShowsEveryLineInFull) {
    for (int height = 560; height <= 720; height += 8) {
        SCOPED_TRACE("window height " + std::to_string(height));
        testsupport::Lend session{oFile, std::make_unique<cFileCollection>()};  // each height its own
        form->resize(900, height);
        Open({path});
        std::set<int> seen;
        for (int page = 0; page < 100; ++page) {
            const std::vector<int> shown = FullyVisibleLines();
            ASSERT_FALSE(shown.empty());
            EXPECT_EQ(static_cast<long>(shown.size()), std::min(glLinesInWindow, 101L - shown.front()));
            seen.insert(shown.begin(), shown.end());
            Key(Qt::Key_PageDown);
            if (FullyVisibleLines().front() == shown.front()) break;
            EXPECT_EQ(FullyVisibleLines().front(), shown.front() + static_cast<int>(shown.size()));
        }
        EXPECT_EQ(seen.size(), 100u);
        seen.clear();
        for (int page = 0; page < 100 && FullyVisibleLines().front() > 1; ++page) {
            const std::vector<int> shown = FullyVisibleLines();
            seen.insert(shown.begin(), shown.end());
            Key(Qt::Key_PageUp);
        }
        const std::vector<int> top = FullyVisibleLines();
        seen.insert(top.begin(), top.end());
        EXPECT_EQ(seen.size(), 100u);
        // Ctrl+End: the last line in full, the caret on it.
        Key(Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(FullyVisibleLines().back(), 100);
        EXPECT_EQ(form->txtSourceFile->textCursor().block().text(), "L100");
    }
    SavePicture(form.get(), "viewer-at-its-end.png");
}

// The wheel moves the window through the file as the scroll bar does; the
// text box itself never scrolls (no blank band below the last line).
TEST_F(ViewerWindow, WheelMovesThroughTheFile) {
    form->resize(900, 640);
    Open({path});
    const int W = static_cast<int>(glLinesInWindow);
    Wheel(1);
    EXPECT_EQ(FirstLine(), QString("L%1").arg(1 + QApplication::wheelScrollLines()));
    EXPECT_EQ(form->vscr->value(), 1 + QApplication::wheelScrollLines());
    Wheel(100);
    EXPECT_EQ(FirstLine(), QString("L%1").arg(100 - W + 1));
    EXPECT_EQ(FullyVisibleLines().back(), 100);
    EXPECT_EQ(form->txtSourceFile->verticalScrollBar()->value(), 0);
    EXPECT_EQ(form->vscr->value(), form->vscr->maximum());
    Wheel(-100);
    EXPECT_EQ(FirstLine(), "L1");
    EXPECT_EQ(FullyVisibleLines().front(), 1);
}

// In a file longer than a 16-bit scroll bar counts, the bar reaches every
// line: an arrow moves one line, the track a page, Ctrl+End the thumb to the end.
TEST_F(ViewerWindow, TheScrollBarReachesEveryLineOfALargeFile) {
    form->resize(900, 640);
    Open({WriteLines("forty-thousand.bas", 40000)});
    const int W = static_cast<int>(glLinesInWindow);
    form->vscr_GotFocus();
    form->vscr->setValue(35000);
    EXPECT_EQ(FirstLine(), "L35000");
    form->vscr->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(FirstLine(), "L35001");
    form->vscr->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(FirstLine(), QString("L%1").arg(35001 + W));
    form->vscr->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(FullyVisibleLines().back(), 40000);
    form->vscr->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(FullyVisibleLines().back(), 39999);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(form->vscr->value(), 1);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form->vscr->value(), form->vscr->maximum());
    EXPECT_EQ(FullyVisibleLines().back(), 40000);
    EXPECT_EQ(form->lblRecord->text(), "Line: 40000 of 40000");
}

// In a narrow window the line label still shows its whole text, inside the
// status bar and clear of the message beside it.
TEST_F(ViewerWindow, TheLineLabelFitsANarrowWindow) {
    form->resize(420, 500);
    Open({WriteLines("forty-thousand.bas", 40000)});
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form->lblRecord->text(), "Line: 40000 of 40000");
    for (int width : {420, 380, 500}) {
        SCOPED_TRACE("window width " + std::to_string(width));
        form->resize(width, 500);
        EXPECT_GE(form->lblRecord->width(), form->lblRecord->sizeHint().width());
        EXPECT_LE(form->lblRecord->geometry().right(), form->picStatus->contentsRect().right());
        EXPECT_LT(form->lblStatus->geometry().right(), form->lblRecord->x());
    }
    SavePicture(form->picStatus, "status-bar-narrow.png");
}
