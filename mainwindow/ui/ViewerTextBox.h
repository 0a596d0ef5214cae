#pragma once
// The viewer's text box: read-only, one window of lines; its keys, clicks
// and context menu go to the main window's handlers.
#include <QPlainTextEdit>

class frmZelker;

class ViewerTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    ViewerTextBox(frmZelker* form, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData*) override {}

private:
    frmZelker* form_;
};
