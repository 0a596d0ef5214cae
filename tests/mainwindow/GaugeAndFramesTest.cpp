// The progress gauge's blocks, the frames drawn round controls and windows,
// and the main window's layout formulas.
#include <gtest/gtest.h>

#include "platform/Drawing.h"
#include "Fakes.h"
#include "mainwindow/FrameLayout.h"
#include "TestSupport.h"
#include "mainwindow/cGauge.h"
#include "common/mKEMCommon.h"

namespace {
// The progress panel's mode: thick, horizontal, segmented, percent label on.
void PanelGauge(cGauge& gauge, FakePictureBox& box, FakeGaugeLabel* bar = nullptr) {
    gauge.NewGauge(nullptr, &box, bar, nullptr, true, true, false, true);
}
}  // namespace

TEST(Gauge, BlocksForTheShareReached) {
    FakePictureBox box(256, 29);
    FakeGaugeLabel bar;
    cGauge gauge;
    PanelGauge(gauge, box, &bar);
    EXPECT_FALSE(bar.visible);
    EXPECT_EQ(box.heightSet, 25);

    gauge.Value(0);  // a new run starts with one block
    ASSERT_EQ(box.boxes.size(), 1u);
    EXPECT_EQ(box.boxes[0], (std::vector<int>{1, 1, 12, 19}));

    gauge.Min(0);
    gauge.max(1024);
    gauge.Value(512);  // n = 128: ten blocks at x = 0, 14, ..., 126
    ASSERT_EQ(box.boxes.size(), 10u);
    EXPECT_EQ(box.boxes.back(), (std::vector<int>{127, 1, 138, 19}));
    EXPECT_FALSE(box.autoRedraw);

    gauge.Value(1024);  // n = 256: nineteen blocks, the last past the edge
    ASSERT_EQ(box.boxes.size(), 19u);
    EXPECT_EQ(box.boxes.back()[0], 253);
}

TEST(Gauge, TheSameRowIsNotDrawnAgainUnlessTheBoxWasCleared) {
    FakePictureBox box(256, 29);
    cGauge gauge;
    PanelGauge(gauge, box);
    gauge.max(1024);
    gauge.Value(512);
    const int clears = box.clears;
    gauge.Value(513);  // 128 or 130 pixels reached: the same ten blocks
    gauge.Value(520);
    EXPECT_EQ(box.clears, clears);
    gauge.Value(600);  // 150 pixels: an eleventh block
    EXPECT_EQ(box.clears, clears + 1);
    ASSERT_EQ(box.boxes.size(), 11u);
    box.Cls();
    gauge.Cleared();
    gauge.Value(600);
    EXPECT_EQ(box.boxes.size(), 11u);
}

TEST(Gauge, AnEmptyRangeClearsAndDrawsNothing) {
    FakePictureBox box(256, 25);
    cGauge gauge;
    PanelGauge(gauge, box);
    gauge.Value(50);
    gauge.max(0);
    gauge.Value(10);
    EXPECT_TRUE(box.boxes.empty());
    EXPECT_TRUE(box.autoRedraw);
}

TEST(Gauge, HorizontalThinBlocksUnderAHiddenCover) {
    FakePictureBox box(40, 17);
    box.fore = 0x800000;
    FakeGaugeLabel bar;
    cGauge gauge;
    gauge.NewGauge(nullptr, &box, &bar, nullptr, true, false, false, false);
    EXPECT_EQ(box.heightSet, 17);
    // Blocks 7 pixels wide at a pitch of 8, rows 1 to 11, up to the width.
    ASSERT_EQ(box.boxes.size(), 6u);
    EXPECT_EQ(box.boxes[1], (std::vector<int>{9, 1, 15, 11}));
    EXPECT_EQ(box.Shown(9, 11), 0x800000u);
    EXPECT_NE(box.Shown(16, 5), 0x800000u);  // the gap between blocks
    EXPECT_NE(box.Shown(9, 12), 0x800000u);
    EXPECT_FALSE(bar.visible);
    EXPECT_EQ(bar.back, box.back);
    EXPECT_EQ(std::vector<int>({bar.left, bar.top, bar.width, bar.height}), (std::vector<int>{0, 0, 40, 17}));

    // The value draws the panel's blocks, whatever the thickness.
    gauge.Value(100);
    EXPECT_EQ(box.heightSet, 25);
    ASSERT_EQ(box.boxes.size(), 3u);
    EXPECT_EQ(box.boxes[2], (std::vector<int>{29, 1, 40, 19}));
}

TEST(Gauge, VerticalBlocksRevealedFromTheBottom) {
    struct Case {
        bool thick;
        int width, top, x2, blocks;
    };
    for (const Case c : {Case{true, 25, 47, 19, 5}, Case{false, 17, 52, 11, 8}}) {
        SCOPED_TRACE(c.thick ? "thick" : "thin");
        FakePictureBox box(25, 60);
        box.fore = 0x0000FF;
        FakeGaugeLabel cover;
        cGauge gauge;
        gauge.NewGauge(nullptr, &box, &cover, nullptr, false, c.thick, false, false);
        EXPECT_EQ(box.widthSet, c.width);
        ASSERT_EQ(box.boxes.size(), static_cast<size_t>(c.blocks));
        // The first block sits on the bottom edge, one pixel in.
        EXPECT_EQ(box.boxes[0], (std::vector<int>{1, c.top, c.x2, 58}));
        EXPECT_EQ(box.Shown(1, 58), 0x0000FFu);
        EXPECT_NE(box.Shown(1, 59), 0x0000FFu);
        EXPECT_NE(box.Shown(c.x2 + 1, 58), 0x0000FFu);
        // An opaque cover in the background colour hides the blocks not reached.
        EXPECT_TRUE(cover.visible);
        EXPECT_TRUE(cover.opaque);
        EXPECT_EQ(cover.back, box.back);
        EXPECT_EQ(cover.height, 60);
        gauge.Value(25);
        EXPECT_EQ(cover.height, 45);
        gauge.Value(100);
        EXPECT_EQ(cover.height, 0);
    }
}

TEST(Gauge, SolidHorizontalBarWithPercent) {
    FakePictureBox box(200, 24);
    box.fore = 0x800000;
    FakeGaugeLabel bar, percent;
    percent.fore = 0x000000;
    percent.back = 0x00C0C0C0;
    cGauge gauge;
    gauge.NewGauge(nullptr, &box, &bar, &percent, true, true, true, true);
    EXPECT_TRUE(bar.visible);
    EXPECT_TRUE(bar.opaque);
    EXPECT_EQ(bar.back, 0x800000u);  // the bar in the container's foreground colour
    EXPECT_EQ(bar.width, 0);
    EXPECT_EQ(bar.height, 24);
    EXPECT_EQ(percent.caption, "0%");
    EXPECT_FALSE(percent.opaque);
    EXPECT_TRUE(percent.centred && percent.front);
    EXPECT_EQ(percent.width, 200);
    EXPECT_EQ(percent.top, 24 / 2 - 20 / 2);
    EXPECT_TRUE(box.boxes.empty());

    gauge.max(400);
    gauge.Value(102);  // 200 / 400 * 102 = 51 pixels: 25 %
    EXPECT_EQ(bar.width, 51);
    EXPECT_EQ(percent.caption, "25%");
    EXPECT_EQ(percent.fore, 0x000000u);
    gauge.Value(300);  // past the half: the text takes the light colour
    EXPECT_EQ(percent.caption, "75%");
    EXPECT_EQ(percent.fore, 0x00C0C0C0u);
    gauge.Value(200);  // exactly half: the saved colour again
    EXPECT_EQ(percent.caption, "50%");
    EXPECT_EQ(percent.fore, 0x000000u);

    gauge.Min(400);  // an empty range leaves the bar as it was
    gauge.Value(10);
    EXPECT_EQ(bar.width, 100);
}

TEST(Gauge, SolidVerticalBarRisesFromTheBottom) {
    FakePictureBox box(20, 100);
    FakeGaugeLabel bar;
    cGauge gauge;
    gauge.NewGauge(nullptr, &box, &bar, nullptr, false, true, true, false);
    EXPECT_EQ(std::vector<int>({bar.left, bar.top, bar.width, bar.height}), (std::vector<int>{0, 99, 20, 100}));
    gauge.Value(30);
    EXPECT_EQ(bar.top, 70);
    EXPECT_EQ(bar.height, 100);
    EXPECT_EQ(box.widthSet, -1);  // a solid gauge keeps the container's size
}

TEST(Frames, ThreeDBorderRoundAControl) {
    bool flag = true;
    const auto lines = fnDraw3DBorder(10, 20, 100, 30, flag);
    EXPECT_FALSE(flag);
    ASSERT_EQ(lines.size(), 8u);
    // Inner ring 2 pixels out, sunken: black top and left, white bottom and right.
    EXPECT_EQ(lines[0], (LineCmd{8, 18, 112, 18, syscolor::kBlack}));
    EXPECT_EQ(lines[1], (LineCmd{8, 18, 8, 52, syscolor::kBlack}));
    EXPECT_EQ(lines[2], (LineCmd{8, 52, 112, 52, syscolor::kWhite}));
    EXPECT_EQ(lines[3], (LineCmd{112, 18, 112, 53, syscolor::kWhite}));
    // Outer ring 3 pixels out, raised.
    EXPECT_EQ(lines[4], (LineCmd{7, 17, 113, 17, syscolor::kWhite}));
    EXPECT_EQ(lines[7], (LineCmd{113, 17, 113, 54, syscolor::kBlack}));
}

TEST(Frames, RaisedBevel) {
    const auto lines = fnRaisedBevel(100, 50, 2);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], (LineCmd{1, 1, 99, 1, syscolor::kWhite}));
    EXPECT_EQ(lines[3], (LineCmd{2, 2, 2, 48, syscolor::kWhite}));
    EXPECT_EQ(lines[4], (LineCmd{99, 1, 99, 49, syscolor::kButtonShadow}));
    EXPECT_EQ(lines[7], (LineCmd{2, 48, 98, 48, syscolor::kButtonShadow}));
    EXPECT_TRUE(fnRaisedBevel(100, 50, 0).empty());
}

TEST(FrameLayoutFormulas, ViewerAndBars) {
    FrameLayoutInput in;
    in.Width = 9000;
    in.Height = 6000;
    in.ToolbarHeight = 450;
    in.StatusHeight = 345;
    in.StatusWidth = 8800;
    in.ScrollBarWidth = 255;
    const FrameLayout out = fnFrameLayout(in);
    EXPECT_EQ(out.fraFile, (TwipRect{60, 510, 8780, 6000 - (450 + 345 + 900)}));
    EXPECT_EQ(out.txtSourceFile, (TwipRect{80, 300, 8780 - 435, 4305 - 380}));
    EXPECT_EQ(out.vscr, (TwipRect{80 + 8345, 300, 255, 3925 - 255}));
    EXPECT_EQ(out.lblStatusWidth, 6600);
    EXPECT_EQ(out.lblRecordLeft, 120 + 6600 + 120);
    EXPECT_EQ(out.lblRecordWidth, 1800);
    EXPECT_EQ(out.fraSpellCheck.Width, 8200);
    EXPECT_EQ(out.lblSpellingWidth, 7600);
    EXPECT_EQ(out.zzzLabels1Left, 300 + 7600 + 40);
    EXPECT_EQ(out.fraProgressLeft, (9000 - 5895) / 2);
    EXPECT_EQ(out.fraProgressTop, (6000 - 1395) / 2);
}

TEST(FrameLayoutFormulas, ATinyWindowHandsOnNoNegativeSize) {
    FrameLayoutInput in;
    in.Width = 100;
    in.Height = 200;
    in.ToolbarHeight = 450;
    in.StatusHeight = 345;
    in.ScrollBarWidth = 255;
    const FrameLayout out = fnFrameLayout(in);
    for (const TwipRect& r : {out.fraFile, out.txtSourceFile, out.vscr}) {
        EXPECT_GE(r.Width, 0);
        EXPECT_GE(r.Height, 0);
    }
    EXPECT_GE(out.lblSpellingWidth, 0);
}

TEST(FrameLayoutFormulas, TheLineLabelKeepsItsWholeText) {
    // Room enough: the labels stand where the window's proportions put them.
    const StatusLabels wide = fnStatusLabels(12000, 12000, 1500);
    EXPECT_EQ(wide.lblStatusWidth, 9000);
    EXPECT_EQ(wide.lblRecordLeft, 9240);
    EXPECT_EQ(wide.lblRecordWidth, 2400);
    // A text wider than its share moves left to end inside the bar; the
    // message gives way and never overlaps it.
    const StatusLabels narrow = fnStatusLabels(6000, 6000, 1800);
    EXPECT_EQ(narrow.lblRecordWidth, 1800);
    EXPECT_EQ(narrow.lblRecordLeft + narrow.lblRecordWidth, 6000 - 120);
    EXPECT_EQ(narrow.lblStatusWidth, narrow.lblRecordLeft - 240);
    // Narrower than the text itself: the label keeps its text from the bar's
    // left margin, the message has no room.
    const StatusLabels tiny = fnStatusLabels(1000, 1000, 1800);
    EXPECT_EQ(tiny.lblRecordLeft, 120);
    EXPECT_EQ(tiny.lblRecordWidth, 1800);
    EXPECT_EQ(tiny.lblStatusWidth, 0);
}

TEST(WindowPlace, FirstRunAndStoredPlaces) {
    cWindowObject place;
    // 67 % of a small screen is narrower than 8160: the minimum, centred
    // (a negative left stays as computed).
    EXPECT_FALSE(fbPlaceWindow(place, 9000, 6000));
    EXPECT_FLOAT_EQ(place.TheWidth, 8160);
    EXPECT_FLOAT_EQ(place.TheHeight, 4020);
    EXPECT_FLOAT_EQ(place.TheLeft, 420);
    EXPECT_FLOAT_EQ(place.TheTop, 990);
    cWindowObject narrow;
    fbPlaceWindow(narrow, 6000, 6000);
    EXPECT_FLOAT_EQ(narrow.TheLeft, -1080);

    cWindowObject stored;
    stored.TheWidth = 5000;
    stored.TheLeft = -30;
    EXPECT_TRUE(fbPlaceWindow(stored, 28800, 16200));
    EXPECT_FLOAT_EQ(stored.TheWidth, 5000);
    EXPECT_FLOAT_EQ(stored.TheLeft, -30);

    // A maximized window keeps the last normal place.
    sbRememberPlace(stored, 2, 0, 0, 28800, 16200);
    EXPECT_EQ(stored.WindowState(), 2);
    EXPECT_FLOAT_EQ(stored.TheWidth, 5000);
    sbRememberPlace(stored, 0, 150, 300, 9000, 6000);
    EXPECT_FLOAT_EQ(stored.TheWidth, 9000);
    EXPECT_FLOAT_EQ(stored.TheTop, 300);
}
