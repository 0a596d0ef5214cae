#pragma once
// The controls the outline works with besides its drawing surface: its
// scroll bar, the information list, and the holders of its pictures.
// Places and sizes are in twips.
#include <string>

#include "platform/Bitmap32.h"

class IOutlineScrollBar {
public:
    virtual ~IOutlineScrollBar() = default;
    virtual int Width() const = 0;
    virtual void Move(int left, int top, int width, int height) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int Max() const = 0;
    virtual void SetMax(int max) = 0;
    virtual void SetSmallChange(int change) = 0;
    virtual void SetLargeChange(int change) = 0;
    virtual int Value() const = 0;
    // A new value raises the scroll bar's change handling, as a user's
    // scrolling does.
    virtual void SetValue(int value) = 0;
};

class IInfoList {
public:
    virtual ~IInfoList() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual void SetVisible(bool visible) = 0;
};

// A picture holder (an image control): the picture it holds.
struct PictureHolder {
    Bitmap32 Picture;
};
