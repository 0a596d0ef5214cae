#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform_ui/QtKeys.h"

KeyPreview::KeyPreview(QWidget* window, Handler handler) : window_(window), handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() { qApp->removeEventFilter(this); }

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window_) return false;
    // A key the focused control ignores travels on to its parents; the
    // window sees it once, on its way to the control.
    QWidget* focus = QApplication::focusWidget();
    if (focus ? widget != focus : widget != window_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // A modifier held down repeats; only a new press counts as a key.
    const int k = key->key();
    if (key->isAutoRepeat() && (k == Qt::Key_Control || k == Qt::Key_Shift || k == Qt::Key_Alt)) return false;
    handler_(VBKeyCode(k, key->modifiers()), VBShift(key->modifiers()));
    return false;
}
