#pragma once
// The geometry of the hand-drawn tab strip, in twips of the strip: the tab
// sizes, where each tab lies, the rectangle the pages share, and which tab a
// point hits. Style 1 puts the tabs in a row along the top, style 3 in a
// column down the left side.
#include <vector>

struct TabRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

struct TabGeometry {
    int Style = 3;
    double Px = 15, Py = 15;  // twips per pixel, horizontal and vertical
    double H = 0;             // tab height
    double P = 0;             // padding added to a caption's width
    double O = 0;             // offset of the tabs from the strip's edge
    double WD = 0;            // widest tab; in style 3 the right end of the hit area
    std::vector<double> TW, TH;  // caption text widths and heights, tab 1 first
    TabRect Page;                // the rectangle of every page

    int Count() const { return static_cast<int>(TW.size()); }
    // Style 3: a tab's top and bottom; the left edge of the page frame.
    double TabTop(int k) const { return k * H + (k - 1) * 4 * Px; }
    double TabBottom(int k) const { return TabTop(k) + H + 2 * Py; }
    double FrameLeft() const { return WD + O + P; }
    // Style 1: a tab's left and right.
    double TabLeft(int k) const;
    double TabRight(int k) const { return TabLeft(k) + TW[k - 1] + P; }
};

// Lays out the strip for captions of the given text sizes on a strip of
// stripWidth x stripHeight twips.
TabGeometry SetupTabGeometry(int style, double px, double py, const std::vector<double>& textWidths,
                             const std::vector<double>& textHeights, double stripWidth, double stripHeight);

// The tab at (x, y): 0 when none. inBand tells whether the point lay in the
// strip's band of tabs at all (outside it the caller keeps its tab number).
int TabHitTest(const TabGeometry& g, double x, double y, bool& inBand);
