#include "mainwindow_ui/ViewerTextBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

#include "platform_ui/QtKeys.h"
#include "mainwindow_ui/frmZelker.h"

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
    if (form_->txtSourceFile_KeyDown(VBKeyCode(event->key(), event->modifiers()), VBShift(event->modifiers()))) {
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

int ViewerTextBox::FullyVisibleRows() const {
    // The text area is the box less its frame and the horizontal scroll bar
    // (always shown); the first line starts below the document's margin.
    const int area = contentsRect().height() - horizontalScrollBar()->sizeHint().height() -
                     static_cast<int>(document()->documentMargin());
    // A row's height as the text is laid out (a block's bounding box would
    // include the bottom margin when it is the last block).
    const QTextLayout* layout = document()->firstBlock().layout();
    const qreal laidOut = layout && layout->lineCount() > 0 ? layout->lineAt(0).height() : 0;
    const qreal lineHeight = laidOut > 0 ? laidOut : fontMetrics().lineSpacing();
    const int rows = static_cast<int>(area / lineHeight);
    return rows < 1 ? 1 : rows;
}

void ViewerTextBox::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() == 0) {
        QPlainTextEdit::wheelEvent(event);  // sideways
        return;
    }
    event->accept();
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / QWheelEvent::DefaultDeltasPerStep;
    wheelAngle_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) form_->txtSourceFile_Wheel(-notches * QApplication::wheelScrollLines());
}
