#pragma once
// One control that a splitter bar keeps: on which side of the bar it lies
// and whether it stretches with the bar or moves with it.
class ISplitControl;

struct CSplittee {
    ISplitControl* Ctrl = nullptr;  // the window owns the control
    bool IsLeftOrTop = false;
    bool IsStretch = false;
    long SplitDir = 0;
};
