#pragma once
// Keeps the controls on the two sides of a movable splitter bar inside one
// container: lays them out round the bar, and after the bar has been moved,
// moves and resizes them by the distance its centre has travelled. The bar
// itself is moved by its window. Direction 0 is an upright bar with
// controls on its left and right; any other direction a lying bar with
// controls above and below it.
#include <string>
#include <vector>

#include "projects/CSplittee.h"

class ISplitControl;

class CSplitter {
public:
    // Margin round the controls, gap between the bar and its neighbours, and
    // what the left-hand controls leave free.
    static constexpr int kMargin = 60, kGap = 120, kLeftSpare = 480;

    void Register(ISplitControl& SplitControl, long SplitDir);
    // Takes a control; a control already taken (by name and index) is left
    // as it is.
    void Add(ISplitControl& Ctrl, bool IsLeftOrTop, bool IsStretch);
    void PositionControls(const ISplitControl& Container);
    void Split();

    const std::vector<CSplittee>& Items() const { return mItems; }
    int SplitCenter() const { return mSplitCenter; }

private:
    struct Axis;
    Axis Along() const;

    int mContHeight = 0;
    int mContWidth = 0;
    int mSplitCenter = 0;
    std::vector<CSplittee> mItems;
    std::vector<std::string> mKeys;
    ISplitControl* mSplitControl = nullptr;
    long mSplitDir = 0;
};

// Where a dragged upright bar goes: its centre follows the pointer (mouseX
// within the bar) while its left edge stays more than 50 from both sides of
// the window; a move beyond that leaves the bar where it is.
int fnSplitBarLeft(int barLeft, int barWidth, int mouseX, int windowWidth);
