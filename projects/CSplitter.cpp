#include "projects/CSplitter.h"

#include <algorithm>
#include <cstdint>

#include "projects/SplitControl.h"

// The two directions differ only in which of a control's measures lie along
// the bar's travel ("main": left and width for an upright bar) and which
// across it.
struct CSplitter::Axis {
    bool upright;
    int Pos(const ISplitControl& c) const { return upright ? c.Left() : c.Top(); }
    int Size(const ISplitControl& c) const { return upright ? c.Width() : c.Height(); }
    int CrossPos(const ISplitControl& c) const { return upright ? c.Top() : c.Left(); }
    int CrossSize(const ISplitControl& c) const { return upright ? c.Height() : c.Width(); }
    void SetPos(ISplitControl& c, int v) const { upright ? c.SetLeft(v) : c.SetTop(v); }
    void SetSize(ISplitControl& c, int v) const { upright ? c.SetWidth(v) : c.SetHeight(v); }
    void Move(ISplitControl& c, int pos, int cross, int size, int crossSize) const {
        if (upright) c.Move(pos, cross, size, crossSize);
        else c.Move(cross, pos, crossSize, size);
    }
    // The scroll bar that stands beside the bar, and the one that runs along
    // the container's far edge.
    ControlKind Beside() const { return upright ? ControlKind::VScrollBar : ControlKind::HScrollBar; }
    ControlKind AlongEdge() const { return upright ? ControlKind::HScrollBar : ControlKind::VScrollBar; }
};

CSplitter::Axis CSplitter::Along() const { return Axis{mSplitDir == 0}; }

void CSplitter::Register(ISplitControl& SplitControl, long SplitDir) {
    mSplitDir = SplitDir;
    const Axis a = Along();
    mSplitCenter = static_cast<int16_t>(a.Pos(SplitControl) + a.Size(SplitControl) / 2);
    mSplitControl = &SplitControl;
}

void CSplitter::Add(ISplitControl& Ctrl, bool IsLeftOrTop, bool IsStretch) {
    const int index = Ctrl.Index();
    const std::string key = Ctrl.Name() + (index >= 0 ? std::to_string(index) : std::string());
    if (std::find(mKeys.begin(), mKeys.end(), key) != mKeys.end()) return;
    mKeys.push_back(key);
    mItems.push_back(CSplittee{&Ctrl, IsLeftOrTop, IsStretch, mSplitDir});
}

void CSplitter::PositionControls(const ISplitControl& Container) {
    const bool scaled = Container.Kind() == ControlKind::PictureBox || Container.Kind() == ControlKind::Form;
    mContWidth = scaled ? Container.ScaleWidth() : Container.Width();
    mContHeight = scaled ? Container.ScaleHeight() : Container.Height();
    const Axis a = Along();
    const int contMain = a.upright ? mContWidth : mContHeight;
    const int contCross = a.upright ? mContHeight : mContWidth;
    const int bar = a.Pos(*mSplitControl);
    for (CSplittee& item : mItems) {
        ISplitControl& c = *item.Ctrl;
        int cross = kMargin, crossSize = contCross - kMargin, pos, size;
        if (item.IsLeftOrTop) {
            pos = kMargin;
            size = contMain - bar - kLeftSpare;
        } else {
            pos = bar + kGap;
            size = contMain - bar - kGap;
        }
        const ControlKind kind = c.Kind();
        if (kind == a.Beside()) {
            size = a.Size(c);
            pos = bar - a.Size(c) - kGap;
        } else if (kind == ControlKind::Label || kind == ControlKind::TextBox) {
            cross = a.CrossPos(c);
            crossSize = a.CrossSize(c);
        } else if (kind == a.AlongEdge()) {
            crossSize = a.CrossSize(c);
            cross = contCross - a.CrossSize(c) - kGap;
        }
        // A bar near the container's far edge leaves no room: a control
        // shrinks to nothing rather than to a negative size.
        a.Move(c, pos, cross, std::max(0, size), std::max(0, crossSize));
    }
}

void CSplitter::Split() {
    const Axis a = Along();
    const int offset = a.Pos(*mSplitControl) + a.Size(*mSplitControl) / 2 - mSplitCenter;
    for (CSplittee& item : mItems) {
        ISplitControl& c = *item.Ctrl;
        if (item.IsLeftOrTop && item.IsStretch) {
            // A drag far to the left takes the control down to nothing, never
            // below.
            a.SetSize(c, std::max(0, a.Size(c) + offset));
        } else if (item.IsStretch) {
            if (a.Size(c) > offset) a.SetSize(c, a.Size(c) - offset);
            a.SetPos(c, a.Pos(c) + offset);
        } else {
            a.SetPos(c, a.Pos(c) + offset);
        }
    }
    mSplitCenter = static_cast<int16_t>(mSplitCenter + offset);
}

int fnSplitBarLeft(int barLeft, int barWidth, int mouseX, int windowWidth) {
    const int left = barLeft + mouseX - barWidth / 2;
    return left > 50 && left < windowWidth - 50 ? left : barLeft;
}
