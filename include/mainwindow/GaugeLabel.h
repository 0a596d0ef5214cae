#pragma once
// A label inside the gauge's picture box as the gauge drives it: the bar of
// a solid gauge (or the cover over the unreached blocks of a vertical one)
// and the percent text. Positions and sizes in pixels of the container;
// colours are 0x00BBGGRR values.
#include <cstdint>
#include <string>

class IGaugeLabel {
public:
    virtual ~IGaugeLabel() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    // Opaque: the label paints its background colour; transparent: it
    // paints only its text.
    virtual void SetOpaque(bool opaque) = 0;
    virtual uint32_t BackColor() const = 0;
    virtual void SetBackColor(uint32_t color) = 0;
    virtual uint32_t ForeColor() const = 0;
    virtual void SetForeColor(uint32_t color) = 0;
    // Sizes the label to its caption and centres the caption.
    virtual void SetAutoSizeCentred() = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Move(int left, int top, int width, int height) = 0;
    virtual void BringToFront() = 0;
};
