#pragma once
// A picture box as the hand-drawn controls use it: a drawing surface with a
// persistent image. While AutoRedraw is on, drawing goes into the persistent
// image; while it is off, drawing goes straight onto the window and lasts
// until Cls or Refresh. Refresh shows the persistent image again and raises
// the box's Paint handling. Coordinates are pixels of the box; colours are
// 0x00BBGGRR values or system colour references.
//
// Lines and box outlines follow the drawing style (DrawStyle: 0 solid, 1 dash,
// 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible, 6 solid); a box outline is
// filled with the fill colour when the fill style (FillStyle) is 0 (solid)
// and left clear when it is 1 (transparent, the default). Text is printed
// clear of background in the fore colour at the current position
// (CurrentX, CurrentY), which then moves to the start of the next line.
#include <cstdint>
#include <string>

#include "platform/Bitmap32.h"

class IPictureBox {
public:
    virtual ~IPictureBox() = default;

    virtual std::string Tag() const = 0;
    virtual void SetTag(const std::string& tag) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetToolTipText(const std::string& text) = 0;

    virtual bool AutoRedraw() const = 0;
    virtual void SetAutoRedraw(bool on) = 0;
    virtual uint32_t BackColor() const = 0;
    virtual void SetBackColor(uint32_t color) = 0;
    virtual uint32_t ForeColor() const = 0;
    virtual void SetForeColor(uint32_t color) = 0;
    // No border: the window rectangle and the drawing area coincide.
    virtual void SetBorderless() = 0;
    virtual void SetHeightPixels(int height) = 0;
    virtual void SetWidthPixels(int width) = 0;
    // Docks the box at the top (1) or the bottom (2) of its window.
    virtual void SetAlign(int align) = 0;

    // The inner size in pixels, and the width in the containing window's
    // units (twips).
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;
    virtual int Width() const = 0;

    // A line from (x1, y1) to (x2, y2), its end point left out.
    virtual void Line(int x1, int y1, int x2, int y2, uint32_t color) = 0;
    // A filled box with both corners included.
    virtual void FilledBox(int x1, int y1, int x2, int y2, uint32_t color) = 0;
    // The outline of a box with both corners included, in the drawing style,
    // filled inside as the fill style says.
    virtual void Box(int x1, int y1, int x2, int y2, uint32_t color) = 0;
    // One pixel.
    virtual void PSet(int x, int y, uint32_t color) = 0;
    virtual int DrawStyle() const = 0;
    virtual void SetDrawStyle(int style) = 0;
    virtual int FillStyle() const = 0;
    virtual void SetFillStyle(int style) = 0;
    virtual uint32_t FillColor() const = 0;
    virtual void SetFillColor(uint32_t color) = 0;

    // Text at the current position.
    virtual int CurrentX() const = 0;
    virtual int CurrentY() const = 0;
    virtual void SetCurrentX(int x) = 0;
    virtual void SetCurrentY(int y) = 0;
    // Prints the text (Windows-1252 bytes) with its top-left corner at the
    // current position; the position then moves to the start of the next
    // line (x 0, y one text height lower).
    virtual void Print(const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;
    // Puts a picture with its top-left corner at (x, y).
    virtual void PutImage(const Bitmap32& image, int x, int y) = 0;
    // Copies a block of what the window shows to another place on the window.
    virtual void CopyWithin(int sx, int sy, int dx, int dy, int width, int height) = 0;

    // Removes what was drawn straight onto the window; with AutoRedraw on it
    // also clears the persistent image. The current position returns to the
    // top-left corner.
    virtual void Cls() = 0;
    virtual void Refresh() = 0;
};
