#pragma once
// The splash window: the product name with its shadow, "For Visual Basic",
// the version, the user and the company, inside a raised frame.
#include <QWidget>

class QLabel;
class QPainter;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* lblQP[3];
    QLabel* lblreg[5];  // indices 0, 1, 2 and 4
    QLabel* Image1;
    QLabel* Image3;

    void Form_Load();
    void Form_KeyDown(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Paints a raised frame of `width` one-pixel lines just inside a window.
void sbDrawBorder(QWidget* window, QPainter& painter, int width);
