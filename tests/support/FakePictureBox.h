#pragma once
// A picture box for the logic tests of hand-drawn controls.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/Bitmap32.h"
#include "platform/LinePixels.h"
#include "platform/PictureBox.h"
#include "platform/SysColor.h"

// Draws into a persistent and a direct layer of pixels (0xFFFFFFFF marks an
// undrawn direct pixel) and counts what the code asked of it. Text has a
// fixed metric, so that pixel tests do not depend on the installed fonts:
// every character is kCharWidth wide and a line kTextHeight high; a printed
// character other than a blank shows as a short upright stroke in the fore
// colour, and every print is recorded.
class FakePictureBox : public IPictureBox {
public:
    static constexpr uint32_t kNone = 0xFFFFFFFF;
    static constexpr int kCharWidth = 6, kTextHeight = 13;
    struct Printed {
        int x, y;
        std::string text;
        uint32_t color;
    };
    FakePictureBox(int width, int height)
        : persistent(width, height, GetSysColor(syscolor::COLOR_BTNFACE)), direct(width, height, kNone) {}

    Bitmap32 persistent, direct;
    std::string tag, toolTip;
    bool visible = true, autoRedraw = false;
    int refreshes = 0, clears = 0, copies = 0, align = 0, heightSet = -1, widthSet = -1;
    uint32_t fore = 0, back = 0x00C0C0C0;
    std::vector<std::vector<int>> boxes;  // x1, y1, x2, y2 of every filled box
    std::vector<Printed> prints;
    int drawStyle = 0, fillStyle = 1, currentX = 0, currentY = 0;
    uint32_t fillColor = 0;

    // What the window shows at (x, y).
    uint32_t Shown(int x, int y) const { return direct.At(x, y) != kNone ? direct.At(x, y) : persistent.At(x, y); }

    std::string Tag() const override { return tag; }
    void SetTag(const std::string& t) override { tag = t; }
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    void SetToolTipText(const std::string& t) override { toolTip = t; }
    bool AutoRedraw() const override { return autoRedraw; }
    void SetAutoRedraw(bool on) override { autoRedraw = on; }
    uint32_t BackColor() const override { return back; }
    // As on the window, a new back colour clears the persistent image.
    void SetBackColor(uint32_t c) override {
        back = c;
        persistent = Bitmap32(persistent.Width, persistent.Height, ResolveColor(back));
    }
    uint32_t ForeColor() const override { return fore; }
    void SetForeColor(uint32_t c) override { fore = c; }
    void SetBorderless() override {}
    void SetHeightPixels(int h) override { heightSet = h; }
    void SetWidthPixels(int w) override { widthSet = w; }
    void SetAlign(int a) override { align = a; }
    int ScaleWidth() const override { return persistent.Width; }
    int ScaleHeight() const override { return persistent.Height; }
    int Width() const override { return persistent.Width * 15; }
    void Line(int x1, int y1, int x2, int y2, uint32_t color) override {
        linepixels::ForEach(x1, y1, x2, y2, drawStyle, [&](int x, int y) { Target().Set(x, y, ResolveColor(color)); });
    }
    void FilledBox(int x1, int y1, int x2, int y2, uint32_t color) override {
        boxes.push_back({x1, y1, x2, y2});
        for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
            for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) Target().Set(x, y, ResolveColor(color));
    }
    void Box(int x1, int y1, int x2, int y2, uint32_t color) override {
        if (fillStyle == 0)
            for (int y = std::min(y1, y2) + 1; y < std::max(y1, y2); ++y)
                for (int x = std::min(x1, x2) + 1; x < std::max(x1, x2); ++x) Target().Set(x, y, ResolveColor(fillColor));
        linepixels::ForEachBoxEdge(x1, y1, x2, y2, drawStyle,
                                   [&](int x, int y) { Target().Set(x, y, ResolveColor(color)); });
    }
    void PSet(int x, int y, uint32_t color) override { Target().Set(x, y, ResolveColor(color)); }
    int DrawStyle() const override { return drawStyle; }
    void SetDrawStyle(int s) override { drawStyle = s; }
    int FillStyle() const override { return fillStyle; }
    void SetFillStyle(int s) override { fillStyle = s; }
    uint32_t FillColor() const override { return fillColor; }
    void SetFillColor(uint32_t c) override { fillColor = c; }
    int CurrentX() const override { return currentX; }
    int CurrentY() const override { return currentY; }
    void SetCurrentX(int x) override { currentX = x; }
    void SetCurrentY(int y) override { currentY = y; }
    void Print(const std::string& text) override {
        prints.push_back({currentX, currentY, text, ResolveColor(fore)});
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] != ' ')
                for (int dy = 3; dy < 10; ++dy)
                    Target().Set(currentX + static_cast<int>(i) * kCharWidth + 2, currentY + dy, ResolveColor(fore));
        currentX = 0;
        currentY += kTextHeight;
    }
    int TextWidth(const std::string& text) const override { return static_cast<int>(text.size()) * kCharWidth; }
    int TextHeight(const std::string&) const override { return kTextHeight; }
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
        currentX = currentY = 0;
        direct = Bitmap32(direct.Width, direct.Height, kNone);
        if (autoRedraw) {
            persistent = Bitmap32(persistent.Width, persistent.Height, ResolveColor(back));
            boxes.clear();
            prints.clear();
        }
    }
    void Refresh() override {
        ++refreshes;
        direct = Bitmap32(direct.Width, direct.Height, kNone);
    }

private:
    Bitmap32& Target() { return autoRedraw ? persistent : direct; }
};
