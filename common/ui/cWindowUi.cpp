// The window operations of cWindow.
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QWidget>

#include "common/cWindow.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

void cWindow::BringToTop(QWidget* form) {
    if (!form) return;
    form->raise();
    form->activateWindow();
}

void cWindow::Center(QWidget* form) {
    if (!form || form->isMinimized() || form->isMaximized()) return;
    QSize area;
    if (QWidget* parent = form->parentWidget(); parent && !form->isWindow())
        area = parent->size();
    else if (QScreen* screen = form->screen() ? form->screen() : QApplication::primaryScreen())
        area = screen->size();
    double left = 0, top = 0;
    CenterPosition(area.width(), area.height(), form->frameGeometry().width(), form->frameGeometry().height(), left,
                   top);
    form->move(static_cast<int>(left), static_cast<int>(top));
}

void cWindow::HiLIte(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control)) line->selectAll();
    else if (auto* text = qobject_cast<QTextEdit*>(control)) text->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) plain->selectAll();
}

void cWindow::OnTop(QWidget* form, bool bSetOnTop) {
    if (!form) return;
    bool visible = form->isVisible();
    form->setWindowFlag(Qt::WindowStaysOnTopHint, bSetOnTop);
    if (visible) form->show();  // changing the flags hides a window
}

bool cWindow::SetHorizontalExtent(int wHowMuch, QWidget* wControl) {
    bool logging = oDebug && oDebug->LogClasses;
    if (logging) {
        oLog->LogTraceEnter("SetHorizontalExtent");
        oLog->LogData("HowMuch=" + vb::Str(static_cast<double>(wHowMuch)));
    }
    bool result = false;
    if (auto* list = qobject_cast<QListWidget*>(wControl)) {
        if (wHowMuch < 0) {
            oDebug->StatusCode = 3;
        } else if (long pixels = ExtentPixels(wHowMuch); pixels > 0) {
            list->setProperty("horizontalExtent", static_cast<qlonglong>(pixels));
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            result = true;
        }
    }
    if (logging) oLog->LogTraceExit("SetHorizontalExtent");
    return result;
}
