#pragma once
// The viewer's text box: read-only, one window of lines; its keys, clicks
// and context menu go to the main window's handlers.
#include <QPlainTextEdit>

class frmZelker;

class ViewerTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    ViewerTextBox(frmZelker* form, QWidget* parent);

    // The rows that show a line in full at the box's present size (at least
    // one), whether or not the box has been shown yet.
    int FullyVisibleRows() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The wheel moves through the file, never within the window's text.
    void wheelEvent(QWheelEvent* event) override;
    void insertFromMimeData(const QMimeData*) override {}

private:
    frmZelker* form_;
    int wheelAngle_ = 0;  // the part of a notch turned so far
};
