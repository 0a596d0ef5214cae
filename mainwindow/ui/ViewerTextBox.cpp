#include "ViewerTextBox.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>

#include "QtKeys.h"
#include "frmZelker.h"

ViewerTextBox::ViewerTextBox(frmZelker* form, QWidget* parent) : QPlainTextEdit(parent), form_(form) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setUndoRedoEnabled(false);
}

void ViewerTextBox::keyPressEvent(QKeyEvent* event) {
    if (form_->txtSourceFile_KeyDown(VBKeyCode(event->key()), VBShift(event->modifiers()))) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ViewerTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    form_->txtSourceFile_Click();
    form_->txtSourceFile_MouseUp();
}

void ViewerTextBox::contextMenuEvent(QContextMenuEvent* event) {
    if (form_->TextWindowProc_ContextMenu(event->globalPos())) return;
    QPlainTextEdit::contextMenuEvent(event);
}
