#pragma once
// The program's numeric spin box: a text box holding the number and a
// picture of an upper and a lower arrow half. Pressing a half steps the
// number at once, again after 800 milliseconds and then every 50 for as long
// as it is held; Up and Down step it once; a step stays within MinVal and
// MaxVal. Only digits can be typed, and an emptied box shows MinVal.
#include <QWidget>
#include <functional>
#include <string>

#include "platform/Bitmap32.h"

class QLineEdit;
class QTimer;
class QtPictureBox;

class fcSpinControl : public QWidget {
    Q_OBJECT
public:
    explicit fcSpinControl(QWidget* parent = nullptr);

    long ChangeAmount = 1;
    long MinVal = 1;
    long MaxVal = 100;

    // The control's own switch: enables the text box and the picture and
    // draws the arrows in the matching colour.
    bool SpinEnabled() const { return enabled_; }
    void SetSpinEnabled(bool on);
    bool HitSpin() const { return hitSpin_; }

    std::string Text() const;
    // Puts the text in unchanged.
    void SetText(const std::string& text);
    std::string Value() const { return Text(); }
    // A number is bounded to MinVal..MaxVal; any other text is ignored.
    void SetValue(const std::string& text);

    // Draws both pictures; ends any auto-repeat.
    void InitSpinner(bool isEnabled);

    // Events.
    std::function<void()> Change;
    std::function<void()> SpinUp;
    std::function<void()> SpinDown;
    std::function<void()> Timer;

    QLineEdit* fcSpinText;
    QtPictureBox* fcSpinPic;
    QTimer* fcSpinTimer;
    Bitmap32 fcSpinUp;    // the normal picture of both halves
    Bitmap32 fcSpinDown;  // the pressed picture of both halves

    // One auto-repeat tick (the timer's handler).
    void fcSpinTimer_Timer();
    int PressedHalf() const { return pressedHalf_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PicMouseDown(Qt::MouseButton button, int x, int y);
    void PicMouseMove(Qt::MouseButtons buttons, int x, int y);
    void PicMouseUp(Qt::MouseButton button, int x, int y);
    void TextChanged();
    void ShowHalf(const Bitmap32& from, int half);

    bool enabled_ = false;
    bool hitSpin_ = false;
    int pressedHalf_ = 0;
    bool pressedInside_ = false;
};
