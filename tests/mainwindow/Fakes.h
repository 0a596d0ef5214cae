#pragma once
// Fakes of the main window's controls for the logic tests: a picture box
// that draws into pixels, the viewer's controls, and a caption.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "Bitmap32.h"
#include "GaugeLabel.h"
#include "IProgressView.h"
#include "PictureBox.h"
#include "SysColor.h"
#include "ViewerControls.h"

// Draws into a persistent and a direct layer of pixels (0xFFFFFFFF marks an
// undrawn direct pixel) and counts what the code asked of it.
class FakePictureBox : public IPictureBox {
public:
    static constexpr uint32_t kNone = 0xFFFFFFFF;
    FakePictureBox(int width, int height)
        : persistent(width, height, GetSysColor(syscolor::COLOR_BTNFACE)), direct(width, height, kNone) {}

    Bitmap32 persistent, direct;
    std::string tag, toolTip;
    bool visible = true, autoRedraw = false;
    int refreshes = 0, clears = 0, copies = 0, align = 0, heightSet = -1, widthSet = -1;
    uint32_t fore = 0, back = 0x00C0C0C0;
    std::vector<std::vector<int>> boxes;  // x1, y1, x2, y2 of every filled box

    // What the window shows at (x, y).
    uint32_t Shown(int x, int y) const { return direct.At(x, y) != kNone ? direct.At(x, y) : persistent.At(x, y); }

    std::string Tag() const override { return tag; }
    void SetTag(const std::string& t) override { tag = t; }
    bool Visible() const override { return visible; }
    void SetToolTipText(const std::string& t) override { toolTip = t; }
    bool AutoRedraw() const override { return autoRedraw; }
    void SetAutoRedraw(bool on) override { autoRedraw = on; }
    uint32_t BackColor() const override { return back; }
    void SetBackColor(uint32_t c) override { back = c; }
    uint32_t ForeColor() const override { return fore; }
    void SetBorderless() override {}
    void SetHeightPixels(int h) override { heightSet = h; }
    void SetWidthPixels(int w) override { widthSet = w; }
    void SetAlign(int a) override { align = a; }
    int ScaleWidth() const override { return persistent.Width; }
    int ScaleHeight() const override { return persistent.Height; }
    int Width() const override { return persistent.Width * 15; }
    void Line(int x1, int y1, int x2, int y2, uint32_t color) override {
        // Horizontal and vertical lines, the end point left out.
        const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
        for (int x = x1, y = y1; !(x == x2 && y == y2); x += dx, y += dy) Target().Set(x, y, ResolveColor(color));
    }
    void FilledBox(int x1, int y1, int x2, int y2, uint32_t color) override {
        boxes.push_back({x1, y1, x2, y2});
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) Target().Set(x, y, ResolveColor(color));
    }
    void PutImage(const Bitmap32& image, int x, int y) override {
        for (int j = 0; j < image.Height; ++j)
            for (int i = 0; i < image.Width; ++i) Target().Set(x + i, y + j, image.At(i, j));
    }
    void CopyWithin(int sx, int sy, int dx, int dy, int w, int h) override {
        ++copies;
        Bitmap32 block(w, h);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) block.Set(i, j, Shown(sx + i, sy + j));
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) direct.Set(dx + i, dy + j, block.At(i, j));
    }
    void Cls() override {
        ++clears;
        direct = Bitmap32(direct.Width, direct.Height, kNone);
        if (autoRedraw) {
            persistent = Bitmap32(persistent.Width, persistent.Height, GetSysColor(syscolor::COLOR_BTNFACE));
            boxes.clear();
        }
    }
    void Refresh() override {
        ++refreshes;
        direct = Bitmap32(direct.Width, direct.Height, kNone);
    }

private:
    Bitmap32& Target() { return autoRedraw ? persistent : direct; }
};

// A gauge label: its geometry, colours and caption as the gauge left them.
class FakeGaugeLabel : public IGaugeLabel {
public:
    bool visible = true, opaque = false, centred = false, front = false;
    std::string caption;
    uint32_t back = 0x00C0C0C0, fore = 0;
    int left = 0, top = 0, width = 70, height = 20;

    void SetVisible(bool v) override { visible = v; }
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& t) override { caption = t; }
    void SetOpaque(bool o) override { opaque = o; }
    uint32_t BackColor() const override { return back; }
    void SetBackColor(uint32_t c) override { back = c; }
    uint32_t ForeColor() const override { return fore; }
    void SetForeColor(uint32_t c) override { fore = c; }
    void SetAutoSizeCentred() override { centred = true; }
    int Left() const override { return left; }
    int Top() const override { return top; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void Move(int l, int t, int w, int h) override { left = l, top = t, width = w, height = h; }
    void BringToFront() override { front = true; }
};

class FakeCaption : public ICaption {
public:
    std::string text;
    int writes = 0;
    std::string Caption() const override { return text; }
    void SetCaption(const std::string& t) override { text = t, ++writes; }
};

// The viewer's controls; a change of the scroll bar's value calls onChange,
// as the window's change handling does.
class FakeViewerControls : public IViewerControls {
public:
    std::string label, text;
    bool scrollEnabled = true;
    long scrollMax = 100, scrollValue = 0, caret = 0;
    int valueWrites = 0;
    std::function<void()> onChange;

    void SetLineLabel(const std::string& t) override { label = t; }
    void SetScrollEnabled(bool e) override { scrollEnabled = e; }
    long ScrollMax() const override { return scrollMax; }
    void SetScrollMax(long v) override {
        scrollMax = v;
        if (scrollValue > v) SetScrollValue(v);
    }
    long ScrollValue() const override { return scrollValue; }
    // As a scroll bar does, a value outside 1 to the maximum is brought to
    // the nearer end.
    void SetScrollValue(long v) override {
        ++valueWrites;
        v = std::max(1L, std::min(v, scrollMax));
        if (v == scrollValue) return;
        scrollValue = v;
        if (onChange) onChange();
    }
    void SetViewerText(const std::string& t) override {
        text = t;
        caret = 0;
    }
    long CaretPosition() const override { return caret; }
    void SetCaretPosition(long p) override { caret = p; }
};
