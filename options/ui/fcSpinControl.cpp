#include "options_ui/fcSpinControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "platform_ui/AnsiText.h"
#include "platform_ui/QtKeys.h"
#include "platform_ui/QtPictureBox.h"
#include "options/SpinPicture.h"
#include "options/SpinRules.h"

fcSpinControl::fcSpinControl(QWidget* parent) : QWidget(parent) {
    fcSpinText = new QLineEdit(QStringLiteral("40"), this);
    fcSpinText->setObjectName(QStringLiteral("fcSpinText"));
    fcSpinPic = new QtPictureBox(this);
    fcSpinPic->setObjectName(QStringLiteral("fcSpinPic"));
    fcSpinPic->SetAutoRedraw(true);
    fcSpinPic->resize(kSpinPicWidth, kSpinPicHeight);
    fcSpinTimer = new QTimer(this);
    fcSpinTimer->setObjectName(QStringLiteral("fcSpinTimer"));
    connect(fcSpinTimer, &QTimer::timeout, this, [this] { fcSpinTimer_Timer(); });
    connect(fcSpinText, &QLineEdit::textChanged, this, [this] { TextChanged(); });
    fcSpinText->installEventFilter(this);
    fcSpinPic->MouseDown = [this](Qt::MouseButton b, int x, int y) { PicMouseDown(b, x, y); };
    fcSpinPic->MouseMove = [this](Qt::MouseButtons b, int x, int y) { PicMouseMove(b, x, y); };
    fcSpinPic->MouseUp = [this](Qt::MouseButton b, int x, int y) { PicMouseUp(b, x, y); };
    resize(49, 20);
    InitSpinner(true);
}

std::string fcSpinControl::Text() const { return ToAnsi(fcSpinText->text()); }

void fcSpinControl::SetText(const std::string& text) { fcSpinText->setText(FromAnsi(text)); }

void fcSpinControl::SetValue(const std::string& text) {
    if (auto bounded = SpinValueLet(text, MinVal, MaxVal)) SetText(*bounded);
}

void fcSpinControl::SetSpinEnabled(bool on) {
    enabled_ = on;
    fcSpinText->setEnabled(on);
    fcSpinPic->setEnabled(on);
    InitSpinner(on);
}

void fcSpinControl::InitSpinner(bool isEnabled) {
    fcSpinText->setFixedHeight(20);
    fcSpinTimer->setInterval(0);
    fcSpinTimer->stop();
    fcSpinDown = DrawSpinPicture(true, isEnabled);
    fcSpinUp = DrawSpinPicture(false, isEnabled);
    fcSpinPic->PutImage(fcSpinUp, 0, 0);
    fcSpinPic->Refresh();
}

void fcSpinControl::resizeEvent(QResizeEvent*) {
    // The height is fixed; the text box takes what the picture leaves.
    if (height() != 20) resize(width(), 20);
    const int textWidth = width() - (fcSpinPic->width() * 5 + 3) / 4;
    fcSpinText->setGeometry(0, 0, std::max(0, textWidth), 18);
    fcSpinPic->setGeometry(fcSpinText->x() + fcSpinText->width(), 1, kSpinPicWidth, kSpinPicHeight);
}

void fcSpinControl::showEvent(QShowEvent*) { InitSpinner(enabled_); }

void fcSpinControl::ShowHalf(const Bitmap32& from, int half) {
    const int top = half == 1 ? 0 : kSpinHalfHeight;
    fcSpinPic->PutImage(from.Block(0, top, kSpinPicWidth, kSpinHalfHeight), 0, top);
    fcSpinPic->Refresh();
}

void fcSpinControl::PicMouseDown(Qt::MouseButton button, int, int y) {
    if (button != Qt::LeftButton) return;
    pressedHalf_ = y < kSpinHalfHeight ? 1 : 2;
    pressedInside_ = true;
    ShowHalf(fcSpinDown, pressedHalf_);
    fcSpinTimer->setInterval(1);
    fcSpinTimer->start();
}

void fcSpinControl::PicMouseMove(Qt::MouseButtons buttons, int x, int y) {
    if (buttons != Qt::LeftButton) return;
    const bool upper = pressedHalf_ == 1;
    const bool inside = upper ? (x >= 0 && x <= 19 && y >= 0 && y <= 8) : (x >= 0 && x <= 20 && y >= 9 && y <= 18);
    const int half = upper ? 1 : 2;
    pressedInside_ = inside;
    if (inside) {
        ShowHalf(fcSpinDown, half);
        fcSpinTimer->start();
    } else {
        ShowHalf(fcSpinUp, half);
        fcSpinTimer->stop();
    }
}

void fcSpinControl::PicMouseUp(Qt::MouseButton, int x, int y) {
    fcSpinTimer->stop();
    fcSpinPic->PutImage(fcSpinUp, 0, 0);
    fcSpinPic->Refresh();
    // A click: pressed and released on the picture.
    if (x < 0 || y < 0 || x >= fcSpinPic->width() || y >= fcSpinPic->height()) return;
    hitSpin_ = true;
    if (pressedHalf_ == 1 && SpinUp) SpinUp();
    if (pressedHalf_ == 2 && SpinDown) SpinDown();
}

void fcSpinControl::fcSpinTimer_Timer() {
    const int interval = fcSpinTimer->interval();
    if (interval == 1)
        fcSpinTimer->setInterval(800);
    else if (interval == 800)
        fcSpinTimer->setInterval(50);
    SetText(SpinStep(Text(), pressedHalf_ == 1, ChangeAmount, MinVal, MaxVal));
    if (Timer) Timer();
}

void fcSpinControl::TextChanged() {
    hitSpin_ = false;
    if (fcSpinText->text().isEmpty()) SetText(std::to_string(MinVal));
    if (Change) Change();
}

bool fcSpinControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != fcSpinText) return false;
    if (event->type() == QEvent::FocusIn) {
        hitSpin_ = false;
        QTimer::singleShot(0, fcSpinText, [t = fcSpinText] { t->selectAll(); });
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Key down: every key rewrites the number, Up and Down step it.
    const std::string rewritten = SpinKeyDown(Text(), VBKeyCode(key->key()), ChangeAmount, MinVal, MaxVal);
    if (rewritten != Text()) SetText(rewritten);
    // The character: only digits get in.
    const QString typed = key->text();
    if (!typed.isEmpty() && typed.at(0).unicode() >= 0x20 && typed.at(0).unicode() != 0x7F)
        return !SpinAcceptsChar(static_cast<char>(typed.at(0).unicode() < 128 ? typed.at(0).unicode() : 0));
    return key->key() == Qt::Key_Backspace;
}
