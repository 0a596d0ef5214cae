// The tab strip's hit test at the edges of its tabs and band.
#include <gtest/gtest.h>

#include "options/TabGeometry.h"

namespace {

TabGeometry Column() {
    return SetupTabGeometry(3, 15, 15, std::vector<double>(12, 900), std::vector<double>(12, 195), 9000, 6000);
}

int Hit(const TabGeometry& g, double x, double y) {
    bool inBand = false;
    return TabHitTest(g, x, y, inBand);
}

TEST(TabGeometry, ColumnOfTwelveEdges) {
    const TabGeometry g = Column();
    const double x = g.O + 1;
    EXPECT_EQ(Hit(g, x, g.H - 1), 0);
    EXPECT_EQ(Hit(g, x, g.H), 1);
    const double below = 13 * g.H + 12 * 4 * g.Px;
    EXPECT_EQ(Hit(g, x, below - 1), 12);
    EXPECT_EQ(Hit(g, x, below), 0);
    EXPECT_EQ(Hit(g, g.WD, g.H), 1);
    bool inBand = true;
    EXPECT_EQ(TabHitTest(g, g.WD + 1, g.H, inBand), 0);
    EXPECT_FALSE(inBand);
    EXPECT_EQ(Hit(g, 0, 0), 0);
}

TEST(TabGeometry, ColumnPageRectangleAndBands) {
    const TabGeometry g = Column();
    // WD = 900 + 2 * 240 + 150; the page starts 10 px and 480 twips right of it.
    EXPECT_EQ(g.Page.Left, 150 + 1530 + 480);
    EXPECT_EQ(g.Page.Top, 315 + 15);
    EXPECT_EQ(g.Page.Width, 9000 - g.Page.Left - 240);
    EXPECT_EQ(g.Page.Height, 6000 - 330 - 45);
    EXPECT_DOUBLE_EQ(g.WD, g.Page.Left - 480);
    // Consecutive tabs start a tab height and 4 px apart.
    EXPECT_DOUBLE_EQ(g.TabTop(2) - g.TabTop(1), g.H + 60);
}

TEST(TabGeometry, RowHitTest) {
    const TabGeometry g = SetupTabGeometry(1, 15, 15, {600, 900}, {195, 195}, 9000, 6000);
    EXPECT_EQ(Hit(g, 0, g.O), 1);
    EXPECT_EQ(Hit(g, g.TabLeft(2), g.H), 2);
    EXPECT_EQ(Hit(g, 10, g.H + 1), 0);
    EXPECT_EQ(Hit(g, g.TabRight(2) + 100, g.O), 0);
    EXPECT_DOUBLE_EQ(g.TabRight(1) + g.Px, g.TabLeft(2));
}

}  // namespace
