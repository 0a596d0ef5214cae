#pragma once
// A picture box on a Qt window: a persistent image (drawn while AutoRedraw
// is on), the drawings of its Paint handling (redone at every repaint) and
// the drawings made straight onto the window (until Cls or Refresh), shown
// in that order. Coordinates are pixels.
#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/PictureBox.h"

class QtPictureBox : public QWidget, public IPictureBox {
    Q_OBJECT
public:
    explicit QtPictureBox(QWidget* parent = nullptr);

    // The box's events, as its owner handles them; X and Y in pixels.
    std::function<void()> Paint;
    std::function<void(Qt::MouseButton button, int X, int Y)> MouseDown;
    std::function<void(Qt::MouseButtons buttons, int X, int Y)> MouseMove;
    std::function<void(Qt::MouseButton button, int X, int Y)> MouseUp;

    int Align() const { return align_; }
    // What the window shows, as one picture.
    QImage Composite() const;

    std::string Tag() const override { return tag_; }
    void SetTag(const std::string& tag) override { tag_ = tag; }
    bool Visible() const override { return !isHidden(); }
    void SetVisible(bool visible) override { setVisible(visible); }
    void SetToolTipText(const std::string& text) override;
    bool AutoRedraw() const override { return autoRedraw_; }
    void SetAutoRedraw(bool on) override { autoRedraw_ = on; }
    uint32_t BackColor() const override { return back_; }
    void SetBackColor(uint32_t color) override;
    uint32_t ForeColor() const override { return fore_; }
    void SetForeColor(uint32_t color) override { fore_ = color; }
    void SetBorderless() override {}
    void SetHeightPixels(int height) override { resize(width(), height); }
    void SetWidthPixels(int width) override { resize(width, height()); }
    void SetAlign(int align) override { align_ = align; }
    int ScaleWidth() const override { return width(); }
    int ScaleHeight() const override { return height(); }
    int Width() const override { return width() * 15; }
    void Line(int x1, int y1, int x2, int y2, uint32_t color) override;
    void FilledBox(int x1, int y1, int x2, int y2, uint32_t color) override;
    void Box(int x1, int y1, int x2, int y2, uint32_t color) override;
    void PSet(int x, int y, uint32_t color) override;
    int DrawStyle() const override { return drawStyle_; }
    void SetDrawStyle(int style) override { drawStyle_ = style; }
    int FillStyle() const override { return fillStyle_; }
    void SetFillStyle(int style) override { fillStyle_ = style; }
    uint32_t FillColor() const override { return fillColor_; }
    void SetFillColor(uint32_t color) override { fillColor_ = color; }
    int CurrentX() const override { return currentX_; }
    int CurrentY() const override { return currentY_; }
    void SetCurrentX(int x) override { currentX_ = x; }
    void SetCurrentY(int y) override { currentY_ = y; }
    void Print(const std::string& text) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;
    void PutImage(const Bitmap32& image, int x, int y) override;
    void CopyWithin(int sx, int sy, int dx, int dy, int width, int height) override;
    void Cls() override;
    void Refresh() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage& Target();
    void Changed();
    void RedoPaintLayer();

    QImage persistent_;
    QImage paintLayer_;
    QImage direct_;
    bool autoRedraw_ = false;
    bool inPaint_ = false;
    uint32_t back_;
    uint32_t fore_ = 0;
    int align_ = 0;
    int drawStyle_ = 0, fillStyle_ = 1;
    uint32_t fillColor_ = 0;
    int currentX_ = 0, currentY_ = 0;
    std::string tag_;
};

// A colour value (plain or a system colour reference) as a Qt colour.
QRgb QtColor(uint32_t color);
Bitmap32 ToBitmap32(const QImage& image);
QImage ToQImage(const Bitmap32& bitmap);
