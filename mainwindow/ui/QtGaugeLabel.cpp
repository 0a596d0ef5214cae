#include "QtGaugeLabel.h"

#include <QLabel>

#include "platform_ui/AnsiText.h"
#include "platform_ui/QtPictureBox.h"

namespace {

uint32_t FromQt(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
           static_cast<uint32_t>(c.blue()) << 16;
}

}  // namespace

void QtGaugeLabel::SetVisible(bool visible) { label_->setVisible(visible); }
std::string QtGaugeLabel::Caption() const { return ToAnsi(label_->text()); }
void QtGaugeLabel::SetCaption(const std::string& text) { label_->setText(FromAnsi(text)); }
void QtGaugeLabel::SetOpaque(bool opaque) { label_->setAutoFillBackground(opaque); }
uint32_t QtGaugeLabel::BackColor() const { return FromQt(label_->palette().color(QPalette::Window)); }
uint32_t QtGaugeLabel::ForeColor() const { return FromQt(label_->palette().color(QPalette::WindowText)); }

void QtGaugeLabel::SetBackColor(uint32_t color) {
    QPalette p = label_->palette();
    p.setColor(QPalette::Window, QColor(QtColor(color)));
    label_->setPalette(p);
}

void QtGaugeLabel::SetForeColor(uint32_t color) {
    QPalette p = label_->palette();
    p.setColor(QPalette::WindowText, QColor(QtColor(color)));
    label_->setPalette(p);
}

void QtGaugeLabel::SetAutoSizeCentred() {
    label_->setAlignment(Qt::AlignCenter);
    label_->adjustSize();
}

int QtGaugeLabel::Left() const { return label_->x(); }
int QtGaugeLabel::Top() const { return label_->y(); }
int QtGaugeLabel::Width() const { return label_->width(); }
int QtGaugeLabel::Height() const { return label_->height(); }
void QtGaugeLabel::Move(int left, int top, int width, int height) { label_->setGeometry(left, top, width, height); }
void QtGaugeLabel::BringToFront() { label_->raise(); }
