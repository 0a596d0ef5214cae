#include "options/SpinPicture.h"

#include "platform/SysColor.h"

namespace {

// Drawing in pixels: a line leaves out its second point; a box outline and a
// filled box cover both corners. Every line of the pictures is level or
// upright.
class Pen {
public:
    explicit Pen(Bitmap32& b) : b_(b) {}
    void Color(uint32_t c) { color_ = c; }
    void Line(int x1, int y1, int x2, int y2) {
        if (y1 == y2) {
            for (int x = x1; x != x2; x += x2 > x1 ? 1 : -1) b_.Set(x, y1, color_);
        } else {
            for (int y = y1; y != y2; y += y2 > y1 ? 1 : -1) b_.Set(x1, y, color_);
        }
    }
    void Box(int x1, int y1, int x2, int y2) {
        Line(x1, y1, x2, y1);
        Line(x2, y1, x2, y2);
        Line(x2, y2, x1, y2);
        Line(x1, y2, x1, y1);
    }
    void Filled(int x1, int y1, int x2, int y2) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) b_.Set(x, y, color_);
    }
    void Point(int x, int y) { b_.Set(x, y, color_); }
    // A solid triangle of 1, 3, 5 and 7 pixels, its tip at (x, y), growing
    // downwards (dy 1) or upwards (dy -1).
    void Arrow(int x, int y, int dy) {
        Point(x, y);
        for (int i = 1; i <= 3; ++i) Line(x - i, y + i * dy, x + i + 1, y + i * dy);
    }

private:
    Bitmap32& b_;
    uint32_t color_ = 0;
};

}  // namespace

Bitmap32 DrawSpinPicture(bool pressed, bool enabled) {
    const uint32_t arrow = GetSysColor(enabled ? syscolor::COLOR_3DDKSHADOW : syscolor::COLOR_GRAYTEXT);
    const uint32_t shadow = GetSysColor(syscolor::COLOR_BTNSHADOW);
    Bitmap32 b(kSpinPicWidth, kSpinPicHeight);
    Pen p(b);
    p.Color(GetSysColor(syscolor::COLOR_BTNFACE));
    p.Filled(0, 0, 19, 17);
    p.Color(GetSysColor(syscolor::COLOR_BTNHIGHLIGHT));
    p.Box(0, 0, 19, 8);
    p.Box(0, 9, 19, 17);
    if (pressed) {
        p.Color(shadow);
        p.Line(0, 1, 19, 1);
        p.Line(1, 0, 1, 8);
        p.Line(1, 10, 1, 17);
        p.Line(1, 10, 19, 10);
        p.Color(arrow);
        p.Line(0, 0, 20, 0);
        p.Line(0, 0, 0, 18);
        p.Line(0, 9, 20, 9);
        p.Arrow(10, 3, 1);
        p.Arrow(10, 15, -1);
    } else {
        p.Color(arrow);
        p.Line(0, 8, 20, 8);
        p.Line(19, 0, 19, 8);
        p.Arrow(9, 2, 1);
        p.Line(0, 17, 20, 17);
        p.Line(19, 9, 19, 17);
        p.Arrow(9, 14, -1);
        p.Color(shadow);
        p.Line(1, 7, 19, 7);
        p.Line(18, 1, 18, 7);
        p.Line(1, 16, 19, 16);
        p.Line(18, 10, 18, 16);
    }
    return b;
}
