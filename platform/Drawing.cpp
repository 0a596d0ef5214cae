#include "platform/Drawing.h"

#include "platform/PictureBox.h"
#include "platform/SysColor.h"

std::vector<LineCmd> fnRaisedBevel(int P, int Q, int width) {
    std::vector<LineCmd> lines;
    for (int i = 1; i <= width; ++i) lines.push_back({i, i, P - i, i, syscolor::kWhite});
    for (int i = 1; i <= width; ++i) lines.push_back({i, i, i, Q - i, syscolor::kWhite});
    for (int i = 1; i <= width; ++i) lines.push_back({P - i, i, P - i, Q - i, syscolor::kButtonShadow});
    for (int i = 1; i <= width; ++i) lines.push_back({i, Q - i, P - i, Q - i, syscolor::kButtonShadow});
    return lines;
}

std::vector<LineCmd> fnDraw3DBorder(int L, int T, int W, int H, bool& blnFlag) {
    // 30 and 45 twips outside the control; the right edge reaches one pixel
    // further down to close the corner.
    std::vector<LineCmd> lines;
    bool sunken = blnFlag;
    for (int d : {2, 3}) {
        const uint32_t topLeft = sunken ? syscolor::kBlack : syscolor::kWhite;
        const uint32_t bottomRight = sunken ? syscolor::kWhite : syscolor::kBlack;
        lines.push_back({L - d, T - d, L + W + d, T - d, topLeft});
        lines.push_back({L - d, T - d, L - d, T + H + d, topLeft});
        lines.push_back({L - d, T + H + d, L + W + d, T + H + d, bottomRight});
        lines.push_back({L + W + d, T - d, L + W + d, T + H + d + 1, bottomRight});
        sunken = !sunken;
    }
    blnFlag = !blnFlag;
    return lines;
}

void sbDraw3DBorder(IPictureBox& surface, int L, int T, int W, int H, bool& blnFlag) {
    for (const LineCmd& l : fnDraw3DBorder(L, T, W, H, blnFlag)) surface.Line(l.X1, l.Y1, l.X2, l.Y2, l.Color);
}
