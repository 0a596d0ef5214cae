#pragma once
// Frames that windows draw round themselves or round one of their controls.
#include <cstdint>
#include <vector>

class IPictureBox;

struct LineCmd {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    uint32_t Color = 0;
    bool operator==(const LineCmd&) const = default;
};

// A raised bevel of `width` one-pixel lines just inside a surface of P x Q
// pixels: white on the top and left, the button shadow on the right and
// bottom. Each line leaves out its end point.
std::vector<LineCmd> fnRaisedBevel(int P, int Q, int width);

// Two rings round a control (its left, top, width and height in pixels of
// the surface it stands on): the inner ring 2 pixels outside its edges in
// the style of blnFlag (True: black top and left, white bottom and right),
// the outer ring 3 pixels outside in the opposite style. blnFlag holds the
// opposite afterwards.
std::vector<LineCmd> fnDraw3DBorder(int L, int T, int W, int H, bool& blnFlag);
void sbDraw3DBorder(IPictureBox& surface, int L, int T, int W, int H, bool& blnFlag);
