#pragma once
// The pixels of a line as every picture box draws it: from (x1, y1) to
// (x2, y2), its end point left out, with the dashes of a drawing style.
#include <cstdlib>
#include <utility>

namespace linepixels {

// Whether the step-th pixel of a line (from 0) is drawn in the style.
inline bool StyleOn(int drawStyle, int step) {
    switch (drawStyle) {
        case 1: return step % 9 < 6;                                  // dash
        case 2: return step % 2 == 0;                                 // dot
        case 3: { const int s = step % 12; return s < 6 || s == 8; }  // dash-dot
        case 4: { const int s = step % 14; return s < 6 || s == 8 || s == 10; }
        case 5: return false;                                         // invisible
        default: return true;                                         // solid, inside solid
    }
}

// Calls plot(x, y) for each drawn pixel (Bresenham).
template <class Plot>
void ForEach(int x1, int y1, int x2, int y2, int drawStyle, Plot plot) {
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy, x = x1, y = y1;
    for (int step = 0; !(x == x2 && y == y2); ++step) {
        if (StyleOn(drawStyle, step)) plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x += sx;
        if (e2 <= dx) err += dx, y += sy;
    }
}

// The outline of a box with both corners included, clockwise from the
// top-left corner, in the style.
template <class Plot>
void ForEachBoxEdge(int x1, int y1, int x2, int y2, int drawStyle, Plot plot) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) {
        ForEach(x1, y1, x2 + (x1 == x2 ? 0 : 1), y2 + (y1 == y2 ? 0 : 1), drawStyle, plot);
        if (x1 == x2 && y1 == y2 && StyleOn(drawStyle, 0)) plot(x1, y1);
        return;
    }
    ForEach(x1, y1, x2, y1, drawStyle, plot);
    ForEach(x2, y1, x2, y2, drawStyle, plot);
    ForEach(x2, y2, x1, y2, drawStyle, plot);
    ForEach(x1, y2, x1, y1, drawStyle, plot);
}

}  // namespace linepixels
