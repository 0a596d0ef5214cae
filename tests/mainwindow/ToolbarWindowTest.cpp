// The main window's toolbar: its 24 positions, clicks through real mouse
// events, hover help and the View switches.
#include <QFrame>
#include <QLabel>

#include "MainWindowFixture.h"

namespace {
struct ToolbarWindow : MainWindowFixture {
    void SetUp() override {
        MainWindowFixture::SetUp();
        Load();
        form->show();
    }
};
}  // namespace

TEST_F(ToolbarWindow, PositionsAndSeparators) {
    const std::map<int, long> lefts = {{3, 14},   {4, 37},   {6, 67},   {7, 90},   {9, 120},  {11, 150},
                                       {13, 180}, {14, 203}, {15, 226}, {17, 256}, {18, 279}, {20, 309},
                                       {22, 339}, {24, 369}};
    for (const auto& [position, left] : lefts) {
        EXPECT_EQ(gtToolbarButtons[position].Left, left) << position;
        EXPECT_EQ(gtToolbarButtons[position].Right, left + 23) << position;
    }
    const std::vector<long> etched = {4, 11, 64, 117, 147, 177, 253, 306, 336, 366};
    std::vector<long> separators;
    for (size_t i = 1; i < gtToolbarButtons.size(); ++i)
        if (gtToolbarButtons[i].Bitmap == -1) separators.push_back(gtToolbarButtons[i].Left);
    EXPECT_EQ(separators, etched);
    EXPECT_EQ(gtToolbarButtons[9].StatusHelp, "Discard Zelked file ");
    EXPECT_EQ(gtToolbarButtons[9].DisabledHelp, "Not Available");
    EXPECT_EQ(gtToolbarButtons[3].DisabledHelp, "Open a file or project for processing");
    EXPECT_EQ(gtToolbarButtons[24].DisabledHelp, "Not available - Help file Missing");
    EXPECT_EQ(form->picToolBar->height(), 30);
    EXPECT_EQ(form->picToolBar->Tag(), "1");
    // The etched lines show on the window.
    const QImage shown = form->picToolBar->grab().toImage();
    EXPECT_EQ(shown.pixel(64, 15), qRgb(128, 128, 128));
    EXPECT_EQ(shown.pixel(65, 15), qRgb(255, 255, 255));
}

TEST_F(ToolbarWindow, ClicksRunTheCommandOfTheirPosition) {
    std::vector<std::string> ran;
    for (const char* name : {"mnuFileClose_0", "mnuProcessNext_1", "mnuProcessNext_0", "mnuFileOpen"})
        form->SetCommand(name, [&ran, name, this] {
            ran.push_back(name);
            // The status line was emptied before the command runs.
            EXPECT_EQ(form->lblStatus->text(), "");
        });
    for (int p : {9, 17, 18}) g_DrawButton(p, 0);
    form->lblStatus->setText("help");
    ClickToolbar(9);
    ClickToolbar(17);
    ClickToolbar(18);
    ClickToolbar(3);
    EXPECT_EQ(ran, (std::vector<std::string>{"mnuFileClose_0", "mnuProcessNext_1", "mnuProcessNext_0", "mnuFileOpen"}));

    // A disabled button, a separator and the gap at the edge run nothing.
    ran.clear();
    ClickToolbar(22);
    Mouse(form->picToolBar, QEvent::MouseButtonPress, QPoint(64, 15));
    Mouse(form->picToolBar, QEvent::MouseButtonRelease, QPoint(64, 15));
    Mouse(form->picToolBar, QEvent::MouseButtonPress, QPoint(37, 15));
    Mouse(form->picToolBar, QEvent::MouseButtonRelease, QPoint(37, 15));
    EXPECT_TRUE(ran.empty());
}

TEST_F(ToolbarWindow, DragOffCancelsAndDragBackClicks) {
    int opened = 0;
    form->SetCommand("mnuFileOpen", [&] { ++opened; });
    QWidget* bar = form->picToolBar;
    Mouse(bar, QEvent::MouseButtonPress, QPoint(25, 15));
    const QImage sunken = form->picToolBar->Composite();
    EXPECT_EQ(sunken.pixel(15, 5), qRgb(0, 0, 0));  // the pressed button's dark top edge
    Mouse(bar, QEvent::MouseMove, QPoint(200, 15));
    EXPECT_EQ(form->picToolBar->Composite().pixel(15, 5), qRgb(192, 192, 192));
    Mouse(bar, QEvent::MouseButtonRelease, QPoint(200, 15));
    EXPECT_EQ(opened, 0);

    Mouse(bar, QEvent::MouseButtonPress, QPoint(25, 15));
    Mouse(bar, QEvent::MouseMove, QPoint(200, 15));
    Mouse(bar, QEvent::MouseMove, QPoint(20, 10));
    Mouse(bar, QEvent::MouseButtonRelease, QPoint(20, 10));
    EXPECT_EQ(opened, 1);
    // The right button clicks nothing.
    Mouse(bar, QEvent::MouseButtonPress, QPoint(25, 15), Qt::RightButton);
    Mouse(bar, QEvent::MouseButtonRelease, QPoint(25, 15), Qt::RightButton);
    EXPECT_EQ(opened, 1);
}

TEST_F(ToolbarWindow, HoverHelpAndTheToolTipsSwitch) {
    Mouse(form->picToolBar, QEvent::MouseMove, QPoint(25, 15));
    EXPECT_EQ(form->lblStatus->text(), "Open a file or project for processing");
    EXPECT_EQ(form->picToolBar->toolTip(), "Open");
    Mouse(form->picToolBar, QEvent::MouseMove, QPoint(48, 15));
    EXPECT_EQ(form->lblStatus->text(), "Not available unless a file is open");
    EXPECT_EQ(form->picToolBar->toolTip(), "Save");

    // The command ends what the status line said; with the switch off the
    // buttons say nothing.
    form->Menu("mnuViewTooltips")->trigger();
    EXPECT_FALSE(oAppInfo->ToolTips);
    EXPECT_FALSE(form->Checked("mnuViewTooltips"));
    EXPECT_EQ(form->lblStatus->text(), "Ready");
    Mouse(form->picToolBar, QEvent::MouseMove, QPoint(25, 15));
    EXPECT_EQ(form->lblStatus->text(), "Ready");
    EXPECT_EQ(form->picToolBar->toolTip(), "Save");
}

TEST_F(ToolbarWindow, ViewSwitchesShowAndHideTheBars) {
    form->Menu("mnuViewStatus")->trigger();
    EXPECT_FALSE(form->picStatus->isVisible());
    EXPECT_FALSE(form->Checked("mnuViewStatus"));
    EXPECT_FALSE(oAppInfo->StatusBar);
    form->Menu("mnuViewToolbar")->trigger();
    form->Menu("mnuViewToolbar")->trigger();
    EXPECT_TRUE(form->picToolBar->isVisible());
    EXPECT_TRUE(oAppInfo->Toolbar);
    EXPECT_EQ(gtToolbarButtons[3].State, 0);  // hiding and showing keeps the buttons
}

TEST_F(ToolbarWindow, AToolbarHiddenAtLoadShowsItsButtonsLater) {
    form.reset();
    oAppInfo->Toolbar = false;
    Load();
    form->show();
    EXPECT_FALSE(form->picToolBar->isVisible());
    form->Menu("mnuViewToolbar")->trigger();
    ASSERT_TRUE(form->picToolBar->isVisible());
    EXPECT_EQ(form->picToolBar->height(), 30);
    // Open's folder: a black outline pixel of image 1 in the button's cell.
    const QImage shown = form->picToolBar->grab().toImage();
    EXPECT_EQ(shown.pixel(14 + 3, 5 + 3 + 6), qRgb(0, 0, 0));
    // Save is greyed: its black ink is the shadow grey.
    EXPECT_EQ(shown.pixel(37 + 3 + 1, 5 + 3 + 1), qRgb(128, 128, 128));
}

TEST_F(ToolbarWindow, PictureOfTheToolbar) {
    oFile->Add(cFileDesc{});
    giFileIndex = 1;
    form->sbButtonsOpen();
    Mouse(form->picToolBar, QEvent::MouseMove, QPoint(78, 15));  // Zelk raised
    const QImage bar = form->picToolBar->grab().toImage().copy(0, 0, 400, 30);
    EXPECT_TRUE(bar.scaled(1200, 90).save(QString::fromStdString(testsupport::PicturePath("toolbar.png"))));
}
