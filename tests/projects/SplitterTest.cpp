// The splitter bar's layout of the controls beside it and its drag.
#include <gtest/gtest.h>

#include "projects/CSplitter.h"
#include "projects/SplitControl.h"

namespace {
class FakeControl : public ISplitControl {
public:
    FakeControl(std::string name, ControlKind kind, int l = 0, int t = 0, int w = 0, int h = 0, int index = -1)
        : name_(std::move(name)), kind_(kind), index_(index), l(l), t(t), w(w), h(h) {}
    std::string Name() const override { return name_; }
    int Index() const override { return index_; }
    ControlKind Kind() const override { return kind_; }
    int Left() const override { return l; }
    int Top() const override { return t; }
    int Width() const override { return w; }
    int Height() const override { return h; }
    int ScaleWidth() const override { return w - 30; }  // inside a border
    int ScaleHeight() const override { return h - 30; }
    void Move(int L, int T, int W, int H) override { l = L, t = T, w = W, h = H, ++moves; }
    void SetLeft(int v) override { l = v; }
    void SetTop(int v) override { t = v; }
    void SetWidth(int v) override { w = v; }
    void SetHeight(int v) override { h = v; }

    std::string name_;
    ControlKind kind_;
    int index_, l, t, w, h, moves = 0;
};

// The dialog's arrangement: the outline and its scroll bar left of the
// bar, the two information controls right of it.
struct Dialog {
    FakeControl container{"picContainer", ControlKind::PictureBox, 60, 660, 8205, 4365};  // inner 8175 x 4335
    FakeControl bar{"butSplit", ControlKind::PictureBox, 4020, 0, 285, 4335};
    FakeControl otl{"picOTL", ControlKind::PictureBox};
    FakeControl vs{"vsOTL", ControlKind::VScrollBar, 0, 0, 255, 100};
    FakeControl info{"picFileInfo", ControlKind::PictureBox};
    FakeControl list{"lstMiscOther", ControlKind::ListBox};
    CSplitter splitter;
    Dialog() {
        splitter.Register(bar, 0);
        splitter.Add(otl, true, true);
        splitter.Add(vs, true, false);
        splitter.Add(info, false, true);
        splitter.Add(list, false, true);
        splitter.PositionControls(container);
    }
    std::vector<int> Of(const FakeControl& c) const { return {c.l, c.t, c.w, c.h}; }
};
}  // namespace

TEST(Splitter, LaysTheDialogOutRoundTheBar) {
    Dialog d;
    EXPECT_EQ(d.splitter.SplitCenter(), 4020 + 142);
    EXPECT_EQ(d.Of(d.otl), (std::vector<int>{60, 60, 8175 - 4500, 4335 - 60}));
    EXPECT_EQ(d.Of(d.vs), (std::vector<int>{3900 - 255, 60, 255, 4335 - 60}));
    EXPECT_EQ(d.Of(d.info), (std::vector<int>{4140, 60, 8175 - 4140, 4335 - 60}));
    EXPECT_EQ(d.Of(d.list), d.Of(d.info));
    // Laying out again without a drag gives the same places.
    d.splitter.PositionControls(d.container);
    EXPECT_EQ(d.Of(d.otl), (std::vector<int>{60, 60, 3675, 4275}));
    EXPECT_EQ(d.Of(d.info), (std::vector<int>{4140, 60, 4035, 4275}));
}

TEST(Splitter, ADragMovesAndStretchesBySteps) {
    Dialog d;
    d.splitter.Split();  // the bar has not moved: nothing changes
    EXPECT_EQ(d.Of(d.otl), (std::vector<int>{60, 60, 3675, 4275}));
    EXPECT_EQ(d.Of(d.info), (std::vector<int>{4140, 60, 4035, 4275}));

    d.bar.l += 300;
    d.splitter.Split();
    EXPECT_EQ(d.Of(d.otl), (std::vector<int>{60, 60, 3975, 4275}));
    EXPECT_EQ(d.vs.l, 3645 + 300);
    EXPECT_EQ(d.Of(d.info), (std::vector<int>{4440, 60, 3735, 4275}));
    EXPECT_EQ(d.splitter.SplitCenter(), 4462);

    // Each drag counts from the place of the previous one.
    d.bar.l -= 100;
    d.splitter.Split();
    EXPECT_EQ(d.otl.w, 3875);
    EXPECT_EQ(d.info.l, 4340);
    EXPECT_EQ(d.info.w, 3835);
}

TEST(Splitter, WidthsNeverGoBelowNothing) {
    Dialog d;
    // Far to the right: the right-hand controls keep a width they cannot
    // give up and only move; back again they widen by the full amount.
    d.bar.l += 4100;
    d.splitter.Split();
    EXPECT_EQ(d.info.w, 4035);
    EXPECT_EQ(d.info.l, 8240);
    d.bar.l -= 4100;
    d.splitter.Split();
    EXPECT_EQ(d.info.w, 8135);
    EXPECT_EQ(d.info.l, 4140);

    // Far to the left: the outline shrinks to nothing, not below.
    d.bar.l = 55;
    d.splitter.Split();
    EXPECT_EQ(d.otl.w, 0);
    // A bar at the container's right edge leaves the left-hand controls no
    // room, and no negative width either.
    d.bar.l = 8000;
    d.splitter.PositionControls(d.container);
    EXPECT_EQ(d.otl.w, 0);
    EXPECT_EQ(d.info.w, 55);
}

TEST(Splitter, KeysKindsAndContainers) {
    FakeControl bar{"butSplit", ControlKind::PictureBox, 1000, 0, 200, 500};
    FakeControl a{"txt", ControlKind::TextBox, 0, 300, 10, 90, 2};
    FakeControl b{"txt", ControlKind::TextBox, 0, 0, 10, 20, 3};
    FakeControl hs{"hs", ControlKind::HScrollBar, 0, 0, 10, 255};
    FakeControl frame{"fra", ControlKind::Other, 0, 0, 3000, 2000};  // measured by its outer size
    CSplitter s;
    s.Register(bar, 0);
    s.Add(a, false, true);
    s.Add(a, true, false);  // the same control again: kept once, as first added
    s.Add(b, false, true);  // element 3 of the same array is another item
    s.Add(hs, true, true);
    ASSERT_EQ(s.Items().size(), 3u);
    EXPECT_FALSE(s.Items()[0].IsLeftOrTop);
    s.PositionControls(frame);
    EXPECT_EQ(a.moves, 1);
    // A text box keeps its own top and height.
    EXPECT_EQ((std::vector<int>{a.l, a.t, a.w, a.h}), (std::vector<int>{1120, 300, 3000 - 1000 - 120, 90}));
    // A horizontal scroll bar keeps its height, 120 above the bottom.
    EXPECT_EQ((std::vector<int>{hs.l, hs.t, hs.w, hs.h}), (std::vector<int>{60, 2000 - 255 - 120, 1520, 255}));
}

TEST(Splitter, ALyingBarWorksAlongTheOtherAxis) {
    FakeControl container{"pic", ControlKind::PictureBox, 0, 0, 4030, 6030};  // inner 4000 x 6000
    FakeControl bar{"bar", ControlKind::PictureBox, 0, 3000, 4000, 100};
    FakeControl top{"top", ControlKind::PictureBox}, bottom{"bottom", ControlKind::PictureBox};
    CSplitter s;
    s.Register(bar, 1);
    EXPECT_EQ(s.SplitCenter(), 3050);
    s.Add(top, true, true);
    s.Add(bottom, false, true);
    s.PositionControls(container);
    EXPECT_EQ((std::vector<int>{top.l, top.t, top.w, top.h}), (std::vector<int>{60, 60, 3940, 6000 - 3000 - 480}));
    EXPECT_EQ((std::vector<int>{bottom.l, bottom.t, bottom.w, bottom.h}),
              (std::vector<int>{60, 3120, 3940, 2880}));
    bar.t += 200;
    s.Split();
    EXPECT_EQ(top.h, 2720);
    EXPECT_EQ(bottom.t, 3320);
    EXPECT_EQ(bottom.h, 2680);
}

TEST(Splitter, TheBarStaysInsideTheWindow) {
    // A window 8430 wide, a bar 285 wide (half: 142).
    EXPECT_EQ(fnSplitBarLeft(4020, 285, 142, 8430), 4020);
    EXPECT_EQ(fnSplitBarLeft(4020, 285, 442, 8430), 4320);
    EXPECT_EQ(fnSplitBarLeft(200, 285, 142 - 150, 8430), 200);    // would be 50: stays
    EXPECT_EQ(fnSplitBarLeft(200, 285, 142 - 149, 8430), 51);
    EXPECT_EQ(fnSplitBarLeft(8000, 285, 142 + 380, 8430), 8000);  // would be 8380 = width - 50: stays
    EXPECT_EQ(fnSplitBarLeft(8000, 285, 142 + 379, 8430), 8379);
}
