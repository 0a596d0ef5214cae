#pragma once
// An outline on fake controls: a surface of five display lines (the fake's
// 13-pixel text gives lines of 14 pixels, 210 twips), a scroll bar, the
// information panel and list, and nine pictures each of one colour, so
// that a test reads from a pixel which picture was drawn where.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "FakePictureBox.h"
#include "platform/SysColor.h"
#include "projects/cotlControl.h"

class FakeOutlineScrollBar : public IOutlineScrollBar {
public:
    bool visible = true;
    int max = 32767, value = 0, small = 0, large = 0, left = 0, top = 0, width = 255, height = 0;
    std::vector<int> changes;  // the values that raised the change handling
    std::function<void(int)> onChange;
    int Width() const override { return width; }
    void Move(int l, int t, int w, int h) override { left = l, top = t, width = w, height = h; }
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    int Max() const override { return max; }
    void SetMax(int m) override {
        max = m;
        if (value > m) SetValue(m);
    }
    void SetSmallChange(int c) override { small = c; }
    void SetLargeChange(int c) override { large = c; }
    int Value() const override { return value; }
    void SetValue(int v) override {
        v = std::max(0, std::min(v, max));
        if (v == value) return;
        value = v;
        changes.push_back(v);
        if (onChange) onChange(v);
    }
};

class FakeInfoList : public IInfoList {
public:
    std::vector<std::string> items;
    bool visible = true;
    void Clear() override { items.clear(); }
    void AddItem(const std::string& t) override { items.push_back(t); }
    void SetVisible(bool v) override { visible = v; }
};

namespace outlinerig {
// The pictures' colours, by imgOutline index.
constexpr uint32_t kClosed = 0x000011, kClosedAll = 0x000022, kClosedSome = 0x000033, kOpen = 0x000044,
                   kOpenAll = 0x000055, kOpenSome = 0x000066, kLeaf = 0x000077, kLeafChecked = 0x000088,
                   kCustom = 0x000099;
constexpr uint32_t kSelect = 0x800000, kSelectText = 0xFFFFFF;
constexpr int kLine = 14;  // pixels

inline OtlNode N(int level, const std::string& text, bool visible) {
    OtlNode n;
    n.Level = level;
    n.Text = text;
    n.Visible = visible;
    n.CheckmarkFlag = level > 0;
    return n;
}
}  // namespace outlinerig

struct OutlineRig {
    FakePictureBox pic{200, 5 * outlinerig::kLine};
    FakePictureBox info{200, 100};
    FakeOutlineScrollBar scroll;
    FakeInfoList list;
    PictureHolder img[9];
    cotlControl otl;

    explicit OutlineRig(std::vector<OtlNode> nodes = {}, bool checkmarks = true) {
        using namespace outlinerig;
        const uint32_t colors[9] = {kClosed, kClosedAll, kClosedSome, kOpen, kOpenAll, kOpenSome, kLeaf, kLeafChecked, kCustom};
        for (int k = 0; k < 9; ++k) img[k].Picture = Bitmap32(13, 13, colors[k]);
        pic.autoRedraw = true;
        info.autoRedraw = true;
        pic.SetBackColor(syscolor::kWhite);
        scroll.onChange = [this](int v) { otl.OutlineScroll(v); };
        otl.OutlineBmpSetup(img[3], "", img[0], "", img[6], "", img[8]);
        otl.OutlineBmpCheckedSetup(img[4], img[1], img[5], img[2], img[7]);
        otl.OutlineSetup(pic, scroll, info, list, "Project, Type, Item", true, true, true, checkmarks, kSelect,
                         kSelectText);
        if (!nodes.empty()) {
            otl.SetNodes(std::move(nodes));
            otl.OutlineRefresh();
        }
    }

    // A press and click on display line `line`, in the column zone (0 box,
    // 1 picture, 2 text, -1 left of the node's column) of the node there.
    void Click(int line, int zone) {
        const int level = otl.LineMap(line) > 0 ? otl.Node(otl.LineMap(line)).Level : 0;
        otl.OutlineMouseDown2Line(line * 210 + 100, (level + zone) * 255 + (zone < 0 ? 0 : 100));
        otl.OutlineClick();
    }

    // The texts of the drawn lines, top to bottom.
    std::vector<std::string> Shown() const {
        std::vector<std::string> out;
        for (int k = 0; k <= otl.LastLine(); ++k) out.push_back(otl.Nodes()[static_cast<size_t>(otl.LineMap(k))].Text);
        return out;
    }
    // The colour of the picture drawn on display line `line` for a node at
    // `level`.
    uint32_t PictureAt(int line, int level) const {
        return pic.Shown(17 * (level + 1) + 2 + 6, line * outlinerig::kLine + 6);
    }
    // The colour at the right-hand end of a line's caption bar.
    uint32_t BarAt(int line) const { return pic.Shown(195, line * outlinerig::kLine + 1); }
};
