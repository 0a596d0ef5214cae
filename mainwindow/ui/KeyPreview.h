#pragma once
// Lets a window see every key pressed while any of its controls has the
// focus, before the control handles it (the control still gets the key).
#include <QObject>
#include <functional>

class QWidget;

class KeyPreview : public QObject {
public:
    using Handler = std::function<void(int keyCode, int shift)>;
    // Watches the application's key presses for `window`.
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Handler handler_;
};
