#pragma once
// Fakes of the main window's controls for the logic tests: the gauge label,
// the viewer's controls and a caption (the picture box is shared by every
// window's tests).
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "FakePictureBox.h"
#include "mainwindow/GaugeLabel.h"
#include "common/IProgressView.h"
#include "mainwindow/ViewerControls.h"

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
