#include "options/TabGeometry.h"

#include <cmath>

double TabGeometry::TabLeft(int k) const {
    double x = O;
    for (int j = 1; j < k; ++j) x += TW[j - 1] + P + Px;
    return x;
}

TabGeometry SetupTabGeometry(int style, double px, double py, const std::vector<double>& textWidths,
                             const std::vector<double>& textHeights, double stripWidth, double stripHeight) {
    TabGeometry g;
    g.Style = style;
    g.Px = px;
    g.Py = py;
    g.H = 21 * px;
    g.P = 16 * px;
    g.O = 3 * px;
    g.TW = textWidths;
    g.TH = textHeights;
    g.WD = 0;
    for (double tw : textWidths) {
        const double w = tw + 2 * g.P + 10 * px;
        if (w > g.WD) g.WD = w;
    }
    const int top = static_cast<int>(std::lround(g.H + py));
    g.Page.Top = top;
    g.Page.Height = static_cast<int>(std::lround(stripHeight - top - g.O));
    if (style == 3) {
        g.Page.Left = static_cast<int>(std::lround(10 * px + g.WD + 480));
        g.Page.Width = static_cast<int>(std::lround(stripWidth - g.Page.Left - 240));
        g.WD = g.Page.Left - 480;
    } else {
        g.Page.Left = static_cast<int>(std::lround(2 * px));
        g.Page.Width = static_cast<int>(std::lround(stripWidth - 240));
    }
    return g;
}

int TabHitTest(const TabGeometry& g, double x, double y, bool& inBand) {
    inBand = false;
    if (g.Style == 3) {
        if (x < g.O || x > g.WD) return 0;
        inBand = true;
        for (int i = 1; i <= g.Count() + 1; ++i)
            if (y < i * g.H + (i - 1) * 4 * g.Px) return i - 1;
        return 0;
    }
    if (y < g.O || y > g.H) return 0;
    inBand = true;
    double edge = g.O;
    for (int k = 1; k <= g.Count(); ++k) {
        edge += g.TW[k - 1] + g.P + g.Px;
        if (x < edge) return k;
    }
    return 0;
}
