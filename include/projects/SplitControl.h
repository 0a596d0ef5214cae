#pragma once
// A control as the splitter bar moves it: its place and size in its
// container's units (twips in the dialogs), its name, and what kind of
// control it is.
#include <string>

enum class ControlKind { PictureBox, Form, VScrollBar, HScrollBar, Label, TextBox, ListBox, Other };

class ISplitControl {
public:
    virtual ~ISplitControl() = default;
    virtual std::string Name() const = 0;
    // The index within a control array; -1 for a control that is not part
    // of one.
    virtual int Index() const = 0;
    virtual ControlKind Kind() const = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The inner size (of a picture box or a window used as a container).
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;
    virtual void Move(int left, int top, int width, int height) = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
};
