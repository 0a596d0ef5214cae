// The toolbar engine: layout, drawing, hover help and press tracking.
#include <gtest/gtest.h>

#include "Fakes.h"
#include "TestSupport.h"
#include "platform/ToolbarImages.h"
#include "mainwindow/XTOOLBAR.h"
#include "common/mKEMCommon.h"

namespace {

const uint32_t kFace = GetSysColor(syscolor::COLOR_BTNFACE);
const uint32_t kHighlight = GetSysColor(syscolor::COLOR_BTNHIGHLIGHT);
const uint32_t kShadow = GetSysColor(syscolor::COLOR_BTNSHADOW);
const uint32_t kFrame = GetSysColor(syscolor::COLOR_WINDOWFRAME);

// A toolbar of: separator, Open (enabled), Save (disabled), separator,
// Zelk (enabled), Print (not drawn yet).
struct ToolbarEngine : ::testing::Test {
    FakePictureBox box{200, 30};
    FakeCaption status;
    Bitmap32 strip = fnToolbarStrip();

    void SetUp() override {
        oAppInfo->ToolTips = true;
        g_InitToolbars();
        g_SetToolbarStatushelp(&status);
        g_AddToolbar(&box, &strip);
        const std::string disabled = "Not available";
        g_AddToolbarButton(1, 1, -1, "", "");
        g_AddToolbarButton(1, 2, 1, "Open a file", "Open");
        g_AddToolbarButton(1, 3, 2, "Save this file", "Save", &disabled);
        g_AddToolbarButton(1, 4, -1, "", "");
        g_AddToolbarButton(1, 5, 3, "Zelk this file", "Zelk");
        g_AddToolbarButton(1, 6, 10, "Print", "QuindyPrinter");
        g_ResizeToolbar(&box);
        g_CalcToolbarButtons(&box);
        g_DrawButton(2, 0);
        g_DrawButton(3, 2);
        g_DrawButton(5, 0);
    }
    void TearDown() override { g_InitToolbars(); }
};

}  // namespace

TEST_F(ToolbarEngine, CellsFollowEachOther) {
    EXPECT_EQ(box.tag, "1");
    EXPECT_EQ(box.heightSet, 30);
    EXPECT_EQ(box.align, 1);
    const long lefts[] = {0, 4, 7, 30, 57, 60, 83};
    const long rights[] = {0, 0, 30, 53, 0, 83, 106};
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(gtToolbarButtons[i].Left, lefts[i]);
        EXPECT_EQ(gtToolbarButtons[i].Top, 5);
        EXPECT_EQ(gtToolbarButtons[i].Bottom, 27);
        if (gtToolbarButtons[i].Bitmap > 0) {
            EXPECT_EQ(gtToolbarButtons[i].Right, rights[i]);
        }
    }
    EXPECT_EQ(gtToolbarButtons[6].State, -1);
    // The separators' etched lines.
    g_PaintToolbar();
    EXPECT_EQ(box.Shown(4, 10), kShadow);
    EXPECT_EQ(box.Shown(5, 10), kHighlight);
    EXPECT_EQ(box.Shown(57, 4), kShadow);
    EXPECT_EQ(box.Shown(57, 26), kShadow);
    EXPECT_EQ(box.Shown(57, 27), kFace);  // the end point is left out
    EXPECT_EQ(box.Shown(50, 1), kShadow);   // etched edge along the top
    EXPECT_EQ(box.Shown(50, 29), kShadow);  // and along the bottom
}

TEST_F(ToolbarEngine, ImagesGoToThePersistentPicture) {
    // Open's folder image at (left + 3, top + 3); its transparent ground is the face.
    EXPECT_EQ(box.persistent.At(10, 8), kFace);
    EXPECT_EQ(box.persistent.At(10, 14), 0u);  // a black outline pixel of the folder
    EXPECT_EQ(box.direct.At(10, 14), FakePictureBox::kNone);
    // Drawing a state the button already has draws nothing.
    box.persistent.Set(10, 14, 0x123456);
    g_DrawButton(2, 0);
    EXPECT_EQ(box.persistent.At(10, 14), 0x123456u);
    g_DrawButton(2, 2);
    EXPECT_EQ(box.persistent.At(10, 14), kShadow);
}

TEST_F(ToolbarEngine, DisabledImagesKeepOnlyTheirInkEmbossed) {
    Bitmap32 source(4, 3, xtoolbar::kTransparent);
    source.Set(0, 0, 0);                // black
    source.Set(1, 0, RGB(0, 0, 255));   // pure blue
    source.Set(2, 0, RGB(255, 255, 0)); // yellow: not ink
    source.Set(3, 2, 0);                // black in the last column and row
    Bitmap32 grey = fnButtonImage(source, xtoolbar::kTransparent, true);
    EXPECT_EQ(grey.At(0, 0), kShadow);
    EXPECT_EQ(grey.At(1, 0), kShadow);
    EXPECT_EQ(grey.At(2, 0), kFace);
    EXPECT_EQ(grey.At(1, 1), kHighlight);  // one pixel right of and below the ink
    EXPECT_EQ(grey.At(2, 1), kHighlight);
    EXPECT_EQ(grey.At(3, 1), kFace);       // yellow left no highlight
    EXPECT_EQ(grey.At(3, 2), kShadow);
    Bitmap32 plain = fnButtonImage(source, xtoolbar::kTransparent, false);
    EXPECT_EQ(plain.At(2, 0), RGB(255, 255, 0));
    EXPECT_EQ(plain.At(0, 1), kFace);
}

TEST_F(ToolbarEngine, HoverShowsHelpAndRaisesEnabledButtons) {
    EXPECT_EQ(giToolbarMouseMove(&box, 10, 10), 2);
    EXPECT_EQ(status.text, "Open a file");
    EXPECT_EQ(box.toolTip, "Open");
    EXPECT_EQ(box.Shown(8, 5), kHighlight);  // raised: light top-left
    EXPECT_EQ(box.Shown(29, 10), kFrame);    // dark right edge

    // Straight onto the next button: the first frame is wiped.
    EXPECT_EQ(giToolbarMouseMove(&box, 40, 10), 3);
    EXPECT_EQ(status.text, "Not available");
    EXPECT_EQ(box.toolTip, "Save");
    EXPECT_EQ(box.Shown(29, 10), kFace);
    EXPECT_EQ(box.Shown(30, 5), kFace);  // a disabled button is not raised

    // Within the same button nothing is redrawn.
    const int writes = status.writes;
    EXPECT_EQ(giToolbarMouseMove(&box, 41, 11), 3);
    EXPECT_EQ(status.writes, writes);

    // A button not drawn yet has no help; the edges and separators are no button.
    EXPECT_EQ(giToolbarMouseMove(&box, 90, 10), 6);
    EXPECT_EQ(status.text, "");
    EXPECT_EQ(box.toolTip, "QuindyPrinter");
    EXPECT_EQ(giToolbarMouseMove(&box, 30, 10), -1);
    EXPECT_EQ(giToolbarMouseMove(&box, 10, 5), -1);
    EXPECT_EQ(giToolbarMouseMove(&box, 57, 10), -1);
    EXPECT_EQ(box.toolTip, "");
}

TEST_F(ToolbarEngine, WithToolTipsOffHoverLeavesHelpAlone) {
    oAppInfo->ToolTips = false;
    status.text = "kept";
    box.toolTip = "kept too";
    EXPECT_EQ(giToolbarMouseMove(&box, 10, 10), 2);
    EXPECT_EQ(status.text, "kept");
    EXPECT_EQ(box.toolTip, "kept too");
}

TEST_F(ToolbarEngine, PressDragOffBackOnAndRelease) {
    ToolbarPress press;
    ASSERT_TRUE(fbToolbarPressBegin(&box, 10, 10, true, press));
    EXPECT_TRUE(press.Pressed);
    EXPECT_EQ(box.Shown(7, 5), kFrame);  // sunken: dark top-left
    EXPECT_EQ(box.copies, 1);
    sbToolbarPressMove(press, 120, 10);  // off the button
    EXPECT_FALSE(press.Pressed);
    EXPECT_EQ(box.clears, 1);
    EXPECT_EQ(box.Shown(7, 5), kFace);
    sbToolbarPressMove(press, 30, 27);  // back on: its edges count
    EXPECT_TRUE(press.Pressed);
    status.text = "help";
    EXPECT_EQ(giToolbarPressEnd(press, 30, 27), 2);
    EXPECT_EQ(status.text, "");
    EXPECT_EQ(box.refreshes, 1);
    EXPECT_EQ(press.Box, nullptr);
}

TEST_F(ToolbarEngine, ReleasedOffTheButtonClicksNothing) {
    ToolbarPress press;
    ASSERT_TRUE(fbToolbarPressBegin(&box, 65, 10, true, press));
    EXPECT_EQ(giToolbarPressEnd(press, 150, 10), 0);
    EXPECT_EQ(box.refreshes, 1);
}

TEST_F(ToolbarEngine, PressesThatStartNothing) {
    ToolbarPress press;
    // A disabled button, a separator, a cell's edge: nothing drawn, no refresh.
    EXPECT_FALSE(fbToolbarPressBegin(&box, 40, 10, true, press));
    EXPECT_FALSE(fbToolbarPressBegin(&box, 4, 10, true, press));
    EXPECT_FALSE(fbToolbarPressBegin(&box, 30, 10, true, press));
    EXPECT_EQ(box.refreshes, 0);
    EXPECT_EQ(box.copies, 0);
    // The right button on an enabled button: the left one is up, so nothing.
    EXPECT_FALSE(fbToolbarPressBegin(&box, 10, 10, false, press));
    EXPECT_EQ(box.copies, 0);
    EXPECT_EQ(box.refreshes, 1);
}

TEST_F(ToolbarEngine, TablesStartAgain) {
    RedrawToolbar(2);
    EXPECT_EQ(gtToolbarButtons[2].State, 2);
    g_CalcToolbarButtons(&box);
    for (int i : {2, 3, 5, 6}) EXPECT_EQ(gtToolbarButtons[i].State, -1);
    FakePictureBox second(50, 30);
    g_AddToolbar(&second, &strip);
    EXPECT_EQ(second.tag, "2");
    EXPECT_EQ(gtToolbarButtons.size(), 1u);
    g_DrawButton(99, 0);  // outside the table: nothing
}

TEST_F(ToolbarEngine, AHiddenToolbarIsSizedAllTheSame) {
    FakePictureBox hidden(100, 29);
    hidden.visible = false;
    g_AddToolbar(&hidden, &strip);
    g_ResizeToolbar(&hidden);
    EXPECT_EQ(hidden.heightSet, 30);
    EXPECT_TRUE(gtToolbars[2].UpperImageRow);
}
