// The progress gauge's blocks, the frames drawn round controls and windows,
// and the main window's layout formulas.
#include <gtest/gtest.h>

#include "Drawing.h"
#include "Fakes.h"
#include "FrameLayout.h"
#include "TestSupport.h"
#include "cGauge.h"
#include "mKEMCommon.h"

TEST(Gauge, BlocksForTheShareReached) {
    FakePictureBox box(256, 29);
    cGauge gauge;
    gauge.NewGauge(&box);
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

TEST(Gauge, AnEmptyRangeClearsAndDrawsNothing) {
    FakePictureBox box(256, 25);
    cGauge gauge;
    gauge.NewGauge(&box);
    gauge.Value(50);
    gauge.max(0);
    gauge.Value(10);
    EXPECT_TRUE(box.boxes.empty());
    EXPECT_TRUE(box.autoRedraw);
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
