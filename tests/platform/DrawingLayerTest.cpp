// The shared drawing layer: the picture box on a window and its fake draw
// lines, boxes and single pixels alike, print at the current position, and
// the keypad's + and - reach the key handlers.
#include <gtest/gtest.h>

#include "FakePictureBox.h"
#include "platform/KeyCodes.h"
#include "platform_ui/QtKeys.h"
#include "platform_ui/QtPictureBox.h"
#include "QtTestApp.h"
#include "platform/SysColor.h"

namespace {
// Draws the same figure on any picture box: a dotted line, a dashed box
// filled solid, and a few single pixels.
void DrawFigure(IPictureBox& box) {
    box.SetAutoRedraw(true);
    box.SetDrawStyle(2);
    box.Line(1, 1, 12, 1, 0x808080);
    box.SetDrawStyle(1);
    box.SetFillStyle(0);
    box.SetFillColor(0x00FF00);
    box.Box(2, 3, 17, 9, 0x0000FF);
    box.SetDrawStyle(0);
    box.SetFillStyle(1);
    box.Box(20, 3, 24, 7, 0);
    box.PSet(0, 0, 0xFF0000);
    box.PSet(30, 12, 0xFF0000);
    box.PSet(-1, 5, 0xFF0000);  // outside: ignored
}

uint32_t RgbOf(QRgb p) { return RGB(qRed(p), qGreen(p), qBlue(p)); }
}  // namespace

TEST(DrawingLayer, WindowAndFakeDrawTheSamePixels) {
    testsupport::EnsureQApplication();
    QtPictureBox window;
    window.resize(32, 14);
    window.SetBackColor(syscolor::kWhite);
    FakePictureBox fake(32, 14);
    fake.SetBackColor(syscolor::kWhite);
    DrawFigure(window);
    DrawFigure(fake);
    const QImage shown = window.Composite();
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_EQ(RgbOf(shown.pixel(x, y)), fake.Shown(x, y)) << x << "," << y;

    // Dots on every second pixel, the end point left out.
    EXPECT_EQ(fake.Shown(1, 1), 0x808080u);
    EXPECT_EQ(fake.Shown(2, 1), syscolor::kWhite);
    EXPECT_EQ(fake.Shown(11, 1), 0x808080u);
    EXPECT_EQ(fake.Shown(12, 1), syscolor::kWhite);
    // Solid fill inside the dashed outline; a clear inside with fill style 1.
    EXPECT_EQ(fake.Shown(2, 3), 0x0000FFu);
    EXPECT_EQ(fake.Shown(10, 6), 0x00FF00u);
    EXPECT_EQ(fake.Shown(8, 3), syscolor::kWhite);  // a gap between dashes
    EXPECT_EQ(fake.Shown(24, 7), 0u);
    EXPECT_EQ(fake.Shown(22, 5), syscolor::kWhite);
    EXPECT_EQ(fake.Shown(30, 12), 0xFF0000u);
}

TEST(DrawingLayer, PrintMovesToTheNextLine) {
    testsupport::EnsureQApplication();
    QtPictureBox window;
    window.resize(200, 60);
    window.SetBackColor(syscolor::kWhite);
    window.SetForeColor(0x0000FF);
    window.SetCurrentX(10);
    window.SetCurrentY(5);
    const int h = window.TextHeight("X");
    ASSERT_GT(h, 0);
    EXPECT_GT(window.TextWidth("WWW"), window.TextWidth("W"));
    window.Print("MW");
    EXPECT_EQ(window.CurrentX(), 0);
    EXPECT_EQ(window.CurrentY(), 5 + h);
    // The text went onto the window in the fore colour, right of x 10.
    const QImage shown = window.Composite();
    int red = 0, leftOfStart = 0;
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 0; x < 200; ++x)
            if (qRed(shown.pixel(x, y)) > 200 && qGreen(shown.pixel(x, y)) < 100) ++red, leftOfStart += x < 10;
    EXPECT_GT(red, 0);
    EXPECT_EQ(leftOfStart, 0);

    // The fake's metric is fixed.
    FakePictureBox fake(100, 40);
    fake.SetCurrentX(4);
    fake.Print("ab c");
    EXPECT_EQ(fake.TextWidth("ab c"), 4 * FakePictureBox::kCharWidth);
    EXPECT_EQ(fake.CurrentY(), FakePictureBox::kTextHeight);
    ASSERT_EQ(fake.prints.size(), 1u);
    EXPECT_EQ(fake.prints[0].x, 4);
    EXPECT_EQ(fake.prints[0].text, "ab c");
}

TEST(DrawingLayer, KeypadPlusAndMinusHaveTheirOwnCodes) {
    EXPECT_EQ(VBKeyCode(Qt::Key_Plus, Qt::KeypadModifier), vbkey::vbKeyAdd);
    EXPECT_EQ(VBKeyCode(Qt::Key_Minus, Qt::KeypadModifier), vbkey::vbKeySubtract);
    EXPECT_EQ(VBKeyCode(Qt::Key_Minus), 0);  // the main keyboard's minus is another key
    EXPECT_EQ(VBKeyCode(Qt::Key_Right, Qt::KeypadModifier), vbkey::vbKeyRight);
}
