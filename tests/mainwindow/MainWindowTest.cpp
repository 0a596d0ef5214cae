// The main window's frame: menus, command states, layout, the progress
// panel and its Cancel, and the commands a running zelk holds back.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "engine/EngineState.h"
#include "platform/KeyCodes.h"
#include "MainWindowFixture.h"
#include "common/clsCommonDialog.h"
#include "mainwindow_ui/frmSplash.h"
#include "platform/UiServices.h"

namespace {
struct MainWindow : MainWindowFixture {
    void SetUp() override {
        MainWindowFixture::SetUp();
        Load();
    }
    bool On(const std::string& name) { return form->Enabled(name); }
    bool Checked(const std::string& name) { return form->Checked(name); }
    long Button(int position) { return gtToolbarButtons[position].State; }
};
}  // namespace

TEST_F(MainWindow, MenusCaptionsAndShortcuts) {
    struct Item {
        const char* name;
        const char* caption;
        const char* keys;
    };
    const Item items[] = {
        {"mnuFile", "&File", ""},
        {"mnuFileOpen", "&Open...", "Ctrl+O"},
        {"mnuFileSave", "&Save", "Ctrl+S"},
        {"mnuFileSaveAs", "Save As...", ""},
        {"mnuFileSaveAll", "Sa&ve All", ""},
        {"mnuFileClose_0", "&Close", ""},
        {"mnuFileClose_1", "Close &All", ""},
        {"mnuFilePrint", "&Quindy Printer...", "Ctrl+P"},
        {"mnuFileExit", "E&xit", "Ctrl+E"},
        {"mnuView", "&View", ""},
        {"mnuViewShow_0", "&Input Source", ""},
        {"mnuViewShow_1", "&Output Source", ""},
        {"mnuViewShow_2", "&Log File", ""},
        {"mnuViewStart_0", "Start of &Code", ""},
        {"mnuViewStart_1", "Start of &File", ""},
        {"mnuViewToolbar", "&Toolbar", ""},
        {"mnuViewTooltips", "Toolt&ips", ""},
        {"mnuViewStatus", "&Status Bar", ""},
        {"mnuViewFile_0", "&ViewFile", ""},
        {"mnuProcess", "&Process", ""},
        {"mnuProcessZelk", "&Zelk File...", "F5"},
        {"mnuProcessZelkAll_0", "Zelk and Save &All", ""},
        {"mnuProcessZelkAll_1", "Zelk all Newer Files and Save", ""},
        {"mnuProcessNext_0", "&Next File", ""},
        {"mnuProcessNext_1", "Prio&r File", ""},
        {"mnuProcessSkipFile", "S&kip This File", ""},
        {"mnuProcessDiscardFile", "&Discard Output File", ""},
        {"mnuProcessSpell", "Spell &Check", ""},
        {"mnuOptions", "&Options...", ""},
        {"mnuDebug", "&Debug", ""},
        {"mnuDebugOpenNewLog", "New Log File", ""},
        {"mnuDebugOpenAppendLog", "Extend Log File", ""},
        {"mnuDebugLogClose", "Close Log File", ""},
        {"mnuDebugDisableErrorTraps", "&Disable Application's Error Traps", ""},
        {"mnuDebugDisableFixDataErrors", "&Disable Fix Data Errors", ""},
        {"mnuDebugTraceApp", "Trace Application", ""},
        {"mnuDebugLogEvents", "Trace Events", ""},
        {"mnuDebugMouseEvents", "Trace Mouse Events", ""},
        {"mnuDebugLogClasses", "Trace Classes", ""},
        {"mnuDebugLogTracePackages", "Trace Packages", ""},
        {"mnuHelp", "&Help", ""},
        {"mnuHelpContents", "&Help Topics...", ""},
        {"mnuHelpAbout", "&About Zelker...", ""},
        {"mnuPopupMenu", "Popup", ""},
        {"mnuPopup_0", "Open", ""},
        {"mnuPopup_1", "Zelk This File", ""},
        {"mnuPopup_2", "Save", ""},
        {"mnuPopup_3", "Quindy Printer", ""},
        {"mnuPopup_4", "Close", ""},
        {"mnuPopup_6", "Start of Code", ""},
        {"mnuPopup_7", "Start of File", ""},
        {"mnuPopup_8", "Display Input", ""},
        {"mnuPopup_9", "Display Output ", ""},
        {"mnuPopup_10", "Display Log File", ""},
        {"mnuPopup_12", "Zelker Options", ""},
    };
    for (const Item& i : items) {
        SCOPED_TRACE(i.name);
        QAction* a = form->Menu(i.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->objectName().toStdString(), i.name);
        EXPECT_EQ(a->text().toStdString(), i.caption);
        EXPECT_EQ(a->shortcut(), QKeySequence(i.keys));
    }
    for (const char* separator : {"mnuPopup_5", "mnuPopup_11", "mnuFileMRU_8", "mnuViewDash2", "mnuDebugDash01"})
        EXPECT_TRUE(form->Menu(separator)->isSeparator()) << separator;

    // The menu bar: File, View, Process, Options, the hidden Debug menu, Help.
    QStringList bar;
    for (QAction* a : form->menuBar()->actions()) bar << a->objectName();
    EXPECT_EQ(bar, QStringList({"mnuFile", "mnuView", "mnuProcess", "mnuOptions", "mnuDebug", "mnuHelp"}));
    EXPECT_FALSE(form->Menu("mnuDebug")->isVisible());
    EXPECT_FALSE(form->Menu("mnuFileSaveAs")->isVisible());
    EXPECT_FALSE(form->Menu("mnuProcessSpell")->isVisible());
    EXPECT_FALSE(form->Menu("mnuViewFile_0")->isVisible());
    for (int i = 1; i <= 7; ++i) EXPECT_FALSE(form->Menu("mnuFileMRU_" + std::to_string(i))->isVisible());
}

TEST_F(MainWindow, StatesNothingOpenFileOpenZelked) {
    // The load gives the state nothing open.
    for (const char* n :
         {"mnuFileSave", "mnuFileSaveAll", "mnuFileClose_0", "mnuFileClose_1", "mnuFilePrint", "mnuProcessZelk",
          "mnuProcessZelkAll_0", "mnuProcessZelkAll_1", "mnuProcessNext_0", "mnuProcessNext_1", "mnuProcessSkipFile",
          "mnuProcessDiscardFile", "mnuProcessSpell", "mnuViewStart_0", "mnuViewStart_1", "mnuViewShow_0",
          "mnuViewShow_1", "mnuViewShow_2", "mnuPopup_1", "mnuPopup_2", "mnuPopup_3", "mnuPopup_4", "mnuPopup_6",
          "mnuPopup_7", "mnuPopup_8", "mnuPopup_9", "mnuPopup_10"})
        EXPECT_FALSE(On(n)) << n;
    for (const char* n : {"mnuViewShow_0", "mnuViewShow_1", "mnuViewShow_2"}) EXPECT_FALSE(Checked(n)) << n;
    for (int p : {4, 6, 7, 9, 11, 13, 14, 15, 17, 18, 22}) EXPECT_EQ(Button(p), 2) << p;
    // Open, Options and Help stay available in every state.
    for (const char* n : {"mnuFileOpen", "mnuOptions", "mnuHelpContents", "mnuPopup_0", "mnuPopup_12"})
        EXPECT_TRUE(On(n)) << n;
    for (int p : {3, 20, 24}) EXPECT_EQ(Button(p), 0) << p;

    // A file open, in a session of one plain file.
    oFile->Add(cFileDesc{});
    giFileIndex = 1;
    gblnMultiFile = false;
    form->sbButtonsOpen();
    for (const char* n : {"mnuFileClose_0", "mnuFileClose_1", "mnuFilePrint", "mnuProcessZelk", "mnuProcessSpell",
                          "mnuViewStart_0", "mnuViewStart_1", "mnuViewShow_0", "mnuPopup_1", "mnuPopup_3",
                          "mnuPopup_4", "mnuPopup_6", "mnuPopup_7"})
        EXPECT_TRUE(On(n)) << n;
    for (const char* n : {"mnuFileSave", "mnuFileSaveAll", "mnuProcessSkipFile", "mnuViewShow_1", "mnuViewShow_2",
                          "mnuPopup_2", "mnuPopup_8", "mnuPopup_9", "mnuPopup_10", "mnuProcessNext_0",
                          "mnuProcessNext_1", "mnuProcessZelkAll_0", "mnuProcessDiscardFile"})
        EXPECT_FALSE(On(n)) << n;
    EXPECT_TRUE(Checked("mnuViewShow_0"));
    for (int p : {6, 9, 11, 22}) EXPECT_EQ(Button(p), 0) << p;
    for (int p : {4, 7, 13, 14, 15, 17, 18}) EXPECT_EQ(Button(p), 2) << p;

    // Zelked: the file's output is unsaved, so Save and Save All are offered.
    gblnFileZelked.assign(2, false);
    gblnFileZelked[1] = true;
    form->sbButtonsZelked();
    for (const char* n : {"mnuFileSave", "mnuViewShow_1", "mnuViewShow_2", "mnuPopup_2", "mnuPopup_8", "mnuPopup_9",
                          "mnuPopup_10", "mnuFileClose_0", "mnuProcessZelk", "mnuFileSaveAll"})
        EXPECT_TRUE(On(n)) << n;
    for (const char* n : {"mnuProcessSkipFile", "mnuProcessNext_0", "mnuProcessDiscardFile"})
        EXPECT_FALSE(On(n)) << n;
    EXPECT_TRUE(Checked("mnuViewShow_0"));  // the check marks are left as they are
    EXPECT_FALSE(Checked("mnuViewShow_1"));
    for (int p : {4, 13, 14, 15, 6}) EXPECT_EQ(Button(p), 0) << p;
    EXPECT_EQ(Button(7), 2);
}

TEST_F(MainWindow, NextAndPriorFollowThePositionInASession) {
    for (int i = 0; i < 3; ++i) oFile->Add(cFileDesc{});
    testsupport::Lend multiFile{gblnMultiFile, true};
    const struct {
        int index;
        long prior, next;
    } cases[] = {{1, 2, 0}, {2, 0, 0}, {3, 0, 2}};
    for (const auto& c : cases) {
        giFileIndex = c.index;
        form->sbButtonsOpen();
        EXPECT_EQ(Button(17), c.prior) << c.index;
        EXPECT_EQ(Button(18), c.next) << c.index;
        EXPECT_TRUE(On("mnuProcessNext_0"));
        EXPECT_TRUE(On("mnuProcessNext_1"));
    }
    // A session whose only file is both the first and the last.
    testsupport::Lend single{oFile, std::make_unique<cFileCollection>()};
    oFile->Add(cFileDesc{});
    giFileIndex = 1;
    form->sbButtonsOpen();
    EXPECT_EQ(Button(17), 2);
    EXPECT_EQ(Button(18), 2);
    EXPECT_TRUE(On("mnuProcessNext_1"));
}

TEST_F(MainWindow, DebugSwitchItemsFlipBothWays) {
    const char* items[] = {"mnuDebugDisableErrorTraps", "mnuDebugDisableFixDataErrors", "mnuDebugLogEvents",
                           "mnuDebugLogClasses", "mnuDebugTraceApp", "mnuDebugLogTracePackages",
                           "mnuDebugMouseEvents"};
    form->sbEnableDebugItems();
    for (const char* n : items) EXPECT_FALSE(On(n)) << n;
    form->sbEnableDebugItems();
    for (const char* n : items) EXPECT_TRUE(On(n)) << n;
    EXPECT_FALSE(On("mnuDebugLogClose"));
}

TEST_F(MainWindow, DebugMenuShowsWithALogOrASwitch) {
    form.reset();
    oDebug->LogApp = false;
    oDebug->LogEvents = true;  // event tracing alone keeps the menu hidden
    Load();
    EXPECT_FALSE(form->Menu("mnuDebug")->isVisible());
    EXPECT_TRUE(form->Checked("mnuDebugLogEvents"));
    form.reset();
    oLog->LogFileName("/tmp/trace.log");
    Load();
    EXPECT_TRUE(form->Menu("mnuDebug")->isVisible());
    EXPECT_TRUE(oAppInfo->DebugMenu);
    EXPECT_TRUE(On("mnuDebugLogClose"));
    EXPECT_FALSE(On("mnuDebugOpenNewLog"));
}

TEST_F(MainWindow, PaintToolBarTraceNamesButtonAndState) {
    oDebug->LogApp = true;
    const std::string log = testsupport::ProgramDir() + "/paint.log";
    oLog->LogOpen(log, 1);
    sbPaintToolBar(22, 0);
    oLog->LogClose();
    const std::string text = testsupport::ReadFile(log);
    EXPECT_NE(text.find("->sbPaintToolBar(frmZelker) Button: 22 State: 0\r\n"), std::string::npos);
    EXPECT_NE(text.find("<-sbPaintToolBar(frmZelker)\r\n"), std::string::npos);
}

TEST_F(MainWindow, LayoutKeepsItsPlaceWithHiddenBars) {
    form->resize(700, 500);
    form->resize(800, 600);
    const QRect shown = form->fraFile->geometry();
    EXPECT_EQ(shown.top(), form->picToolBar->height() + 4);
    EXPECT_EQ(shown.height(), Px(Tw(600) - (Tw(form->picToolBar->height()) + Tw(form->picStatus->height()) + 900)));
    EXPECT_EQ(form->vscr->geometry().left(), form->txtSourceFile->geometry().right() + 1);
    EXPECT_EQ(glLinesInWindow, form->txtSourceFile->FullyVisibleRows());

    form->RunCommand("mnuViewToolbar");
    form->RunCommand("mnuViewStatus");
    EXPECT_FALSE(oAppInfo->Toolbar);
    EXPECT_FALSE(oAppInfo->StatusBar);
    form->resize(801, 600);
    form->resize(800, 600);
    EXPECT_EQ(form->fraFile->geometry(), shown);
    // The remembered place is the normal window's.
    EXPECT_FLOAT_EQ(oWindowObject->TheWidth, Tw(800));
    EXPECT_EQ(oWindowObject->WindowState(), 0);
}

TEST_F(MainWindow, ProgressPanelGaugeAndCancel) {
    form->show();
    form->InitProgress();
    EXPECT_TRUE(form->fraProgress->isVisible());
    EXPECT_TRUE(form->fraProgress->isEnabled());
    EXPECT_EQ(form->picGauge->height(), 25);
    form->SetGaugeMin(0);
    form->SetGaugeMax(1024);
    form->SetGaugeValue(512);
    form->SetProgressCaption("Zelking - Form1.frm");
    form->SetCountText(" Lines output 512 ");
    form->SetCountWhatText("");
    const QImage gauge = form->picGauge->Composite();
    const int n = gauge.width() * 512 / 1024;
    EXPECT_EQ(gauge.pixel(5, 10), qRgb(0, 0, 128));           // the first block
    EXPECT_EQ(gauge.pixel(n + 13, 10), qRgb(192, 192, 192));  // past the share reached
    SavePicture(form.get(), "main-window-progress.png");

    auto& ui = testsupport::Ui();
    ui.MsgBoxAnswers = {mb::vbYes, mb::vbNo};
    form->cmdCancel->click();
    EXPECT_TRUE(oAppInfo->WasCanceled);
    EXPECT_EQ(ui.Messages.at(0).Prompt, "You have selected cancel.\r\nDo You Want to Cancel this Zelk?");
    EXPECT_EQ(ui.Messages.at(0).Title, "Cancel Zelk");
    EXPECT_EQ(ui.Messages.at(0).Buttons, 36);
    form->cmdCancel->click();
    EXPECT_FALSE(oAppInfo->WasCanceled);  // No clears an earlier request

    form->cmdCancel_KeyDown(vbkey::vbKeyF2, vbkey::vbShiftMask | vbkey::vbCtrlMask);
    EXPECT_FALSE(oAppInfo->WasCanceled);
    form->cmdCancel_KeyDown(vbkey::vbKeyF2, vbkey::vbShiftMask | vbkey::vbCtrlMask | vbkey::vbAltMask);
    EXPECT_TRUE(oAppInfo->WasCanceled);
    EXPECT_EQ(ui.Messages.size(), 2u);

    form->TermProgress();
    EXPECT_FALSE(form->fraProgress->isVisible());
    EXPECT_FALSE(form->fraProgress->isEnabled());
    EXPECT_THROW(form->SetGaugeValue(1), VBError);  // no gauge between runs
}

TEST_F(MainWindow, SpellingFrameShowsTheContextWithWholeMarkers) {
    form->show();
    form->SetSpellCheckCaption("Spell Checking - Module1.bas - Comment");
    const char* lines[] = {"Option Explicit", "", "'recieve the data", "Public Sub Main()", "End Sub"};
    for (int i = 0; i < 5; ++i) form->SetSpellingLine(i, lines[i]);
    form->SetSpellCheckVisible(true);
    EXPECT_TRUE(form->fraSpellCheck->isVisible());
    EXPECT_EQ(form->lblSpelling[2]->text(), "'recieve the data");
    // The markers keep their whole text beside the middle line at any width.
    for (int width : {800, 1000, 640}) {
        form->resize(width, 600);
        QApplication::processEvents();
        for (QLabel* marker : form->zzzLabels) {
            EXPECT_GE(marker->width(), marker->sizeHint().width()) << marker->text().toStdString() << " at " << width;
            EXPECT_GE(marker->height(), marker->sizeHint().height()) << marker->text().toStdString();
            EXPECT_TRUE(form->fraSpellCheck->rect().contains(marker->geometry()))
                << marker->text().toStdString() << " at " << width;
        }
        const QRect middle = form->lblSpelling[2]->geometry();
        EXPECT_LE(form->zzzLabels[0]->geometry().right(), middle.left()) << width;
        EXPECT_GE(form->zzzLabels[1]->geometry().left(), middle.right()) << width;
    }
    form->resize(800, 600);
    QApplication::processEvents();
    SavePicture(form->fraSpellCheck, "main-window-spelling-frame.png");
}

TEST_F(MainWindow, ProgressThroughTheProgressInterface) {
    form->show();
    ASSERT_EQ(oProgressForm, form.get());
    glLinesInFile = 200;
    oProgressForm->InitProgress();
    bool first = true;
    oZel->StatusBarUpdate(first, false, 100);
    EXPECT_EQ(form->lblCount->text(), " Lines output 100 ");
    EXPECT_EQ(form->lblStatus->text(), " Lines output 100  about 50% completed, please wait ...");
    oProgressForm->TermProgress();
}

TEST_F(MainWindow, AGaugeDrivenLineByLineLooksAsOneDrawnAtOnce) {
    form->show();
    glLinesInFile = 1000;
    form->InitProgress();
    bool first = true;
    oZel->StatusBarUpdate(first, false, 1);  // a fresh run: one block
    EXPECT_EQ(form->picGauge->Composite().pixel(5, 10), qRgb(0, 0, 128));
    for (long line = 2; line <= 537; ++line) oZel->StatusBarUpdate(first, false, line);
    const QImage lineByLine = form->picGauge->Composite();
    SavePicture(form->fraProgress, "main-window-progress-line-by-line.png");

    form->InitProgress();
    form->ClearGauge();
    form->SetGaugeMin(0);
    form->SetGaugeMax(1000);
    form->SetGaugeValue(530);  // the count last shown
    EXPECT_EQ(lineByLine, form->picGauge->Composite());
    // Half the width is reached: blocks before the middle, none well past it.
    const int middle = lineByLine.width() / 2;
    EXPECT_EQ(lineByLine.pixel(middle - 20, 10), qRgb(0, 0, 128));
    EXPECT_EQ(lineByLine.pixel(middle + 30, 10), qRgb(192, 192, 192));
    form->TermProgress();
}

TEST_F(MainWindow, AZelkRunHoldsTheSessionCommandsBack) {
    int opened = 0, options = 0;
    form->SetCommand("mnuFileOpen", [&] { ++opened; });
    form->SetCommand("mnuOptions", [&] { ++options; });
    form->show();
    form->mblnZelking = true;
    form->Menu("mnuFileOpen")->trigger();
    form->Menu("mnuPopup_12")->trigger();
    ClickToolbar(3);
    form->close();
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(options, 0);
    EXPECT_TRUE(form->isVisible());
    // The view switches and Cancel still work.
    form->InitProgress();
    form->Menu("mnuViewTooltips")->trigger();
    EXPECT_FALSE(oAppInfo->ToolTips);
    testsupport::Ui().MsgBoxAnswers = {mb::vbYes};
    form->cmdCancel->click();
    EXPECT_TRUE(oAppInfo->WasCanceled);
    // The pointer over the window is the hourglass; over the viewer's frame
    // the status line reads "Ready" all the same.
    form->lblStatus->setText("busy");
    Mouse(form->centralWidget(), QEvent::MouseMove, QPoint(300, 540));
    EXPECT_EQ(testsupport::Ui().Pointer, pointer::vbHourglass);
    EXPECT_EQ(form->lblStatus->text(), "busy");
    Mouse(form->fraFile, QEvent::MouseMove, QPoint(2, 2));
    EXPECT_EQ(form->lblStatus->text(), "Ready");

    form->mblnZelking = false;
    form->Menu("mnuFileOpen")->trigger();
    form->Menu("mnuPopup_12")->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(options, 1);
    form->lblStatus->setText("busy");
    form->Form_MouseMove();
    EXPECT_EQ(form->lblStatus->text(), "Ready");
}

TEST_F(MainWindow, RightClickOnTheBackgroundOpensThePopup) {
    form->show();
    Mouse(form->centralWidget(), QEvent::MouseButtonPress, QPoint(300, 540), Qt::LeftButton);
    EXPECT_FALSE(form->mnuPopupMenu->isVisible());
    Mouse(form->centralWidget(), QEvent::MouseButtonPress, QPoint(300, 540), Qt::RightButton);
    EXPECT_TRUE(form->mnuPopupMenu->isVisible());
    form->mnuPopupMenu->hide();
}

TEST_F(MainWindow, NotAvailableCommands) {
    form->Menu("mnuFileSaveAs")->trigger();
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Not Yet");
}

TEST_F(MainWindow, PictureWithNothingOpen) {
    form->show();
    EXPECT_EQ(form->lblStatus->text(), "Ready");
    SavePicture(form.get(), "main-window-nothing-open.png");
}

// The window's title is the program's from the start; a splash window still
// up from the start-up goes for good once the user acts in the window.
TEST_F(MainWindow, TitleAndSplashAtTheStart) {
    EXPECT_EQ(form->windowTitle(), "Zelker");
    form.reset();
    frmSplash splash;
    splash.show();
    Load();
    EXPECT_EQ(form->windowTitle(), "Zelker");
    EXPECT_TRUE(splash.isVisible());  // nothing done yet
    form->RunCommand("mnuViewTooltips");
    EXPECT_FALSE(splash.isVisible());
    form->RunCommand("mnuViewTooltips");

    // The Open command of the load: the user answers its dialog.
    form.reset();
    splash.show();
    oAppInfo->ShowOpenDialog = true;
    testsupport::Lend dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};
    Load();
    oAppInfo->ShowOpenDialog = false;
    EXPECT_EQ(testsupport::Ui().FileDialogRequests.size(), 1u);
    EXPECT_FALSE(splash.isVisible());
}
