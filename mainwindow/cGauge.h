#pragma once
// The progress gauge: a row of blocks at a pitch of 14 pixels, drawn in the
// container's foreground colour over the share of the range that the value
// reaches. This is the thick, horizontal, segmented gauge the progress panel
// shows, the only kind the program draws.
class IPictureBox;

class cGauge {
public:
    // Prepares the container (25 pixels high) and sets the range to 0..100.
    void NewGauge(IPictureBox* container);
    void Min(long value) { min_ = value; }
    void max(long value) { max_ = value; }
    // Clears the container's persistent drawing and draws the blocks for the
    // value. An empty range (max equal to Min) draws nothing.
    void Value(long value);

private:
    IPictureBox* box_ = nullptr;
    long min_ = 0;
    long max_ = 100;
};
