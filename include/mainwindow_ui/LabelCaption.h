#pragma once
// A label as a control with a caption, for the logic that writes captions
// (the status line, the toolbar's help).
#include <QLabel>

#include "platform_ui/AnsiText.h"
#include "common/IProgressView.h"

class LabelCaption : public ICaption {
public:
    explicit LabelCaption(QLabel* label) : label_(label) {}
    std::string Caption() const override { return ToAnsi(label_->text()); }
    void SetCaption(const std::string& text) override { label_->setText(FromAnsi(text)); }

private:
    QLabel* label_;
};
