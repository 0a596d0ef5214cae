#include "platform_ui/QtPictureBox.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

#include "platform_ui/AnsiText.h"
#include "platform/LinePixels.h"
#include "platform/SysColor.h"

QRgb QtColor(uint32_t color) {
    uint32_t c = ResolveColor(color);
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

Bitmap32 ToBitmap32(const QImage& image) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap32 out(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            QRgb p = rgb.pixel(x, y);
            out.Set(x, y, RGB(qRed(p), qGreen(p), qBlue(p)));
        }
    return out;
}

QImage ToQImage(const Bitmap32& bitmap) {
    QImage out(bitmap.Width, bitmap.Height, QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.Height; ++y)
        for (int x = 0; x < bitmap.Width; ++x) out.setPixel(x, y, QtColor(bitmap.At(x, y)));
    return out;
}

QtPictureBox::QtPictureBox(QWidget* parent) : QWidget(parent), back_(syscolor::kButtonFace) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void QtPictureBox::SetToolTipText(const std::string& text) { setToolTip(FromAnsi(text)); }

void QtPictureBox::SetBackColor(uint32_t color) {
    back_ = color;
    if (!persistent_.isNull()) persistent_.fill(QtColor(back_));
    update();
}

void QtPictureBox::Changed() {
    // Drawing inside the Paint handling is part of the repaint under way.
    if (!inPaint_) update();
}

QImage& QtPictureBox::Target() {
    // A box never shown yet still keeps what is drawn on it.
    if (persistent_.isNull()) resizeEvent(nullptr);
    if (inPaint_) return paintLayer_;
    return autoRedraw_ ? persistent_ : direct_;
}

void QtPictureBox::resizeEvent(QResizeEvent*) {
    const QSize size = this->size().expandedTo(QSize(1, 1));
    auto grow = [&](QImage& image, QRgb fill, QImage::Format format) {
        if (!image.isNull() && image.width() >= size.width() && image.height() >= size.height()) return;
        QImage bigger(size.expandedTo(image.isNull() ? QSize(1, 1) : image.size()), format);
        bigger.fill(fill);
        if (!image.isNull()) {
            QPainter p(&bigger);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, image);
        }
        image = bigger;
    };
    grow(persistent_, QtColor(back_), QImage::Format_ARGB32);
    grow(paintLayer_, qRgba(0, 0, 0, 0), QImage::Format_ARGB32);
    grow(direct_, qRgba(0, 0, 0, 0), QImage::Format_ARGB32);
}

void QtPictureBox::Line(int x1, int y1, int x2, int y2, uint32_t color) {
    QImage& target = Target();
    if (target.isNull()) return;
    const QRgb c = QtColor(color);
    linepixels::ForEach(x1, y1, x2, y2, drawStyle_, [&](int x, int y) {
        if (target.valid(x, y)) target.setPixel(x, y, c);
    });
    Changed();
}

void QtPictureBox::Box(int x1, int y1, int x2, int y2, uint32_t color) {
    QImage& target = Target();
    if (target.isNull()) return;
    if (fillStyle_ == 0 && std::abs(x2 - x1) > 1 && std::abs(y2 - y1) > 1) {
        QPainter p(&target);
        p.fillRect(QRect(QPoint(std::min(x1, x2) + 1, std::min(y1, y2) + 1),
                         QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)),
                   QColor(QtColor(fillColor_)));
    }
    const QRgb c = QtColor(color);
    linepixels::ForEachBoxEdge(x1, y1, x2, y2, drawStyle_, [&](int x, int y) {
        if (target.valid(x, y)) target.setPixel(x, y, c);
    });
    Changed();
}

void QtPictureBox::PSet(int x, int y, uint32_t color) {
    QImage& target = Target();
    if (!target.valid(x, y)) return;
    target.setPixel(x, y, QtColor(color));
    Changed();
}

void QtPictureBox::Print(const std::string& text) {
    QImage& target = Target();
    if (!target.isNull()) {
        QPainter p(&target);
        p.setFont(font());
        p.setPen(QColor(QtColor(fore_)));
        const QFontMetrics metrics(font());
        p.drawText(currentX_, currentY_ + metrics.ascent(), FromAnsi(text));
        p.end();
        Changed();
    }
    currentX_ = 0;
    currentY_ += TextHeight(text);
}

int QtPictureBox::TextWidth(const std::string& text) const {
    return QFontMetrics(font()).horizontalAdvance(FromAnsi(text));
}

int QtPictureBox::TextHeight(const std::string&) const { return QFontMetrics(font()).height(); }

void QtPictureBox::FilledBox(int x1, int y1, int x2, int y2, uint32_t color) {
    QImage& target = Target();
    if (target.isNull()) return;
    QPainter p(&target);
    p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
               QColor(QtColor(color)));
    p.end();
    Changed();
}

void QtPictureBox::PutImage(const Bitmap32& image, int x, int y) {
    QImage& target = Target();
    if (target.isNull()) return;
    QPainter p(&target);
    p.drawImage(x, y, ToQImage(image));
    p.end();
    Changed();
}

QImage QtPictureBox::Composite() const {
    if (persistent_.isNull()) const_cast<QtPictureBox*>(this)->resizeEvent(nullptr);
    QImage out = persistent_.copy(0, 0, width(), height());
    QPainter p(&out);
    p.drawImage(0, 0, paintLayer_);
    p.drawImage(0, 0, direct_);
    return out;
}

void QtPictureBox::CopyWithin(int sx, int sy, int dx, int dy, int width, int height) {
    if (width <= 0 || height <= 0 || direct_.isNull()) return;
    QImage block = Composite().copy(sx, sy, width, height);
    QPainter p(&direct_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dx, dy, block);
    update();
}

void QtPictureBox::Cls() {
    currentX_ = currentY_ = 0;
    if (persistent_.isNull()) resizeEvent(nullptr);
    if (!direct_.isNull()) direct_.fill(qRgba(0, 0, 0, 0));
    if (autoRedraw_ && !persistent_.isNull()) persistent_.fill(QtColor(back_));
    update();
}

void QtPictureBox::Refresh() {
    if (!direct_.isNull()) direct_.fill(qRgba(0, 0, 0, 0));
    update();
}

void QtPictureBox::RedoPaintLayer() {
    if (paintLayer_.isNull()) return;
    paintLayer_.fill(qRgba(0, 0, 0, 0));
    if (!Paint) return;
    const bool autoRedraw = autoRedraw_;
    inPaint_ = true;
    Paint();
    inPaint_ = false;
    autoRedraw_ = autoRedraw;
}

void QtPictureBox::paintEvent(QPaintEvent*) {
    if (persistent_.isNull()) resizeEvent(nullptr);
    RedoPaintLayer();
    QPainter p(this);
    p.drawImage(0, 0, persistent_);
    p.drawImage(0, 0, paintLayer_);
    p.drawImage(0, 0, direct_);
}

void QtPictureBox::mousePressEvent(QMouseEvent* event) {
    if (MouseDown) MouseDown(event->button(), event->position().toPoint().x(), event->position().toPoint().y());
    else QWidget::mousePressEvent(event);
}

void QtPictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (MouseMove) MouseMove(event->buttons(), event->position().toPoint().x(), event->position().toPoint().y());
    else QWidget::mouseMoveEvent(event);
}

void QtPictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (MouseUp) MouseUp(event->button(), event->position().toPoint().x(), event->position().toPoint().y());
    else QWidget::mouseReleaseEvent(event);
}
