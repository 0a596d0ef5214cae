#pragma once
// A QLabel as the gauge drives it (the bar or the percent text).
#include "mainwindow/GaugeLabel.h"

class QLabel;

class QtGaugeLabel : public IGaugeLabel {
public:
    explicit QtGaugeLabel(QLabel* label) : label_(label) {}
    void SetVisible(bool visible) override;
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    void SetOpaque(bool opaque) override;
    uint32_t BackColor() const override;
    void SetBackColor(uint32_t color) override;
    uint32_t ForeColor() const override;
    void SetForeColor(uint32_t color) override;
    void SetAutoSizeCentred() override;
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    void Move(int left, int top, int width, int height) override;
    void BringToFront() override;

private:
    QLabel* label_;
};
