#pragma once
// The main window as a zelk run reaches it, for the engine, spelling and
// session tests: what the run shows is kept as state, and the run's calls
// on the window are recorded in order. `Window` is the interface faked:
// IZelkWindow itself, or a wider window interface built on it.
#include <string>
#include <vector>

#include "engine/ZelkHost.h"

template <class Window = IZelkWindow>
class FakeZelkWindowOf : public Window {
public:
    // The frame, label, caption and progress calls, in order: "InitProgress",
    // "TermProgress", "Progress <caption>", "HideFileFrame",
    // "ClearRecordLabel", "Caption <text>", "BringToTop".
    std::vector<std::string> calls;
    // The spelling frame and progress panel shown and hidden, in order.
    std::vector<std::string> frame;
    // One entry per text the spelling pass showed: its caption and the five
    // statements around it.
    struct Showing {
        std::string Caption;
        std::vector<std::string> Context;
    };
    std::vector<Showing> shown;
    std::vector<std::string> context = std::vector<std::string>(5);

    std::string progress;  // the progress panel's caption
    std::string caption = "Zelker";
    std::string recordLabel = "Line: 1";
    bool frameVisible = false;  // the file frame
    int bringToTop = 0;

    void InitProgress() override { calls.push_back("InitProgress"); }
    void TermProgress() override { calls.push_back("TermProgress"); }
    std::string ProgressCaption() const override { return progress; }
    void SetProgressCaption(const std::string& text) override {
        progress = text;
        calls.push_back("Progress " + text);
    }
    void SetProgressVisible(bool visible) override { frame.push_back(visible ? "progress shown" : "progress hidden"); }
    void SetCountText(const std::string&) override {}
    void SetCountWhatText(const std::string&) override {}
    void ClearGauge() override {}
    void SetGaugeMin(long) override {}
    void SetGaugeMax(long) override {}
    void SetGaugeValue(long) override {}
    void HideFileFrame() override {
        frameVisible = false;
        calls.push_back("HideFileFrame");
    }
    void ClearRecordLabel() override {
        recordLabel.clear();
        calls.push_back("ClearRecordLabel");
    }
    void SetWindowCaption(const std::string& text) override {
        caption = text;
        calls.push_back("Caption " + text);
    }
    void BringToTop() override {
        ++bringToTop;
        calls.push_back("BringToTop");
    }
    void SetSpellCheckCaption(const std::string& text) override { shown.push_back({text, {}}); }
    void SetSpellingLine(int index, const std::string& text) override { context[static_cast<size_t>(index)] = text; }
    void SetSpellCheckVisible(bool visible) override {
        if (visible && !shown.empty()) shown.back().Context = context;
        frame.push_back(visible ? "spelling shown" : "spelling hidden");
    }
};

using FakeZelkWindow = FakeZelkWindowOf<>;
