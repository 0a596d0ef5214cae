#pragma once
// A progress gauge drawn in a picture box: horizontal or vertical, thick or
// thin, a row of blocks or a solid bar, with an optional percent label.
// The progress panel uses the thick, horizontal, segmented gauge: blocks at
// a pitch of 14 pixels, drawn in the container's foreground colour over the
// share of the range that the value reaches.
#include <limits>

class IPictureBox;
class IGaugeLabel;

class cGauge {
public:
    // FName (the host window) is not used. The flags: Direction true
    // horizontal, false vertical; ThickNess true thick; SolidNess true a
    // solid bar, false blocks; UN true shows the percent label (horizontal
    // solid gauges). Prepares the container and the labels for the mode and
    // sets the range to 0..100.
    void NewGauge(const void* FName, IPictureBox* ContainName, IGaugeLabel* CVLabel, IGaugeLabel* NumLabel,
                  bool Direction, bool ThickNess, bool SolidNess, bool UN);
    void Min(long value) { min_ = value; }
    void max(long value) { max_ = value; }
    // Draws the gauge for the value. An empty range (max equal to Min)
    // draws nothing. A row of blocks is drawn again only when its number of
    // blocks changes.
    void Value(long value);
    // The container was cleared from outside: the next value draws afresh.
    void Cleared() { drawnBlocks_ = kNotDrawn; }

private:
    void DrawBlocks(long value);
    void PercentLabel(int barWidth);

    IPictureBox* box_ = nullptr;
    IGaugeLabel* bar_ = nullptr;
    IGaugeLabel* percent_ = nullptr;
    bool horizontal_ = true, thick_ = true, solid_ = false, showPercent_ = false;
    long min_ = 0;
    long max_ = 100;
    unsigned percentFore_ = 0;
    // The number of blocks on the container now; two values no count can
    // take stand for "not drawn" and "an empty range".
    static constexpr long kNotDrawn = std::numeric_limits<long>::min(), kEmptyRange = kNotDrawn + 1;
    long drawnBlocks_ = kNotDrawn;
};
