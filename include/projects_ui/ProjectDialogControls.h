#pragma once
// The dialog's Qt controls as the outline and the splitter see them: places
// in twips, a scroll bar, an information list.
#include <QListWidget>
#include <QScrollBar>
#include <QWidget>

#include "projects/OutlineControls.h"
#include "projects/SplitControl.h"

// Any widget, kept by the splitter bar.
class QtSplitControl : public ISplitControl {
public:
    QtSplitControl(QWidget* widget, ControlKind kind) : widget_(widget), kind_(kind) {}
    std::string Name() const override { return widget_->objectName().toStdString(); }
    int Index() const override { return -1; }
    ControlKind Kind() const override { return kind_; }
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    int ScaleWidth() const override;
    int ScaleHeight() const override;
    void Move(int left, int top, int width, int height) override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;

private:
    QWidget* widget_;
    ControlKind kind_;
};

class QtOutlineScrollBar : public IOutlineScrollBar {
public:
    explicit QtOutlineScrollBar(QScrollBar* bar) : bar_(bar) {}
    int Width() const override;
    void Move(int left, int top, int width, int height) override;
    bool Visible() const override { return !bar_->isHidden(); }
    void SetVisible(bool visible) override { bar_->setVisible(visible); }
    int Max() const override { return bar_->maximum(); }
    void SetMax(int max) override { bar_->setMaximum(max); }
    void SetSmallChange(int change) override { bar_->setSingleStep(change); }
    void SetLargeChange(int change) override { bar_->setPageStep(change); }
    int Value() const override { return bar_->value(); }
    void SetValue(int value) override { bar_->setValue(value); }

private:
    QScrollBar* bar_;
};

class QtInfoList : public IInfoList {
public:
    explicit QtInfoList(QListWidget* list) : list_(list) {}
    void Clear() override { list_->clear(); }
    void AddItem(const std::string& text) override;
    void SetVisible(bool visible) override { list_->setVisible(visible); }

private:
    QListWidget* list_;
};
