#include "projects_ui/ProjectDialogControls.h"

#include <algorithm>

#include "platform_ui/AnsiText.h"
#include "platform_ui/Twips.h"

int QtSplitControl::Left() const { return static_cast<int>(Tw(widget_->x())); }
int QtSplitControl::Top() const { return static_cast<int>(Tw(widget_->y())); }
int QtSplitControl::Width() const { return static_cast<int>(Tw(widget_->width())); }
int QtSplitControl::Height() const { return static_cast<int>(Tw(widget_->height())); }
int QtSplitControl::ScaleWidth() const { return static_cast<int>(Tw(widget_->contentsRect().width())); }
int QtSplitControl::ScaleHeight() const { return static_cast<int>(Tw(widget_->contentsRect().height())); }

void QtSplitControl::Move(int left, int top, int width, int height) {
    widget_->setGeometry(Px(left), Px(top), std::max(0, Px(width)), std::max(0, Px(height)));
}
void QtSplitControl::SetLeft(int left) { widget_->move(Px(left), widget_->y()); }
void QtSplitControl::SetTop(int top) { widget_->move(widget_->x(), Px(top)); }
void QtSplitControl::SetWidth(int width) { widget_->resize(std::max(0, Px(width)), widget_->height()); }
void QtSplitControl::SetHeight(int height) { widget_->resize(widget_->width(), std::max(0, Px(height))); }

int QtOutlineScrollBar::Width() const { return static_cast<int>(Tw(bar_->width())); }

void QtOutlineScrollBar::Move(int left, int top, int width, int height) {
    bar_->setGeometry(Px(left), Px(top), std::max(0, Px(width)), std::max(0, Px(height)));
}

void QtInfoList::AddItem(const std::string& text) { list_->addItem(FromAnsi(text)); }
