#pragma once
// A person at the keyboard for window tests: each modal window that opens
// (a message box, the file dialog, the Files window) gets the next scripted
// action, which may take its picture and answers it.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>

#include "QtTestApp.h"

class ModalRobot : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    ModalRobot() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
        qApp->installEventFilter(this);
    }
    ~ModalRobot() override { qApp->removeEventFilter(this); }

    // A window shown again (the Files window stays loaded between showings)
    // waits for an answer again.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            watched->setProperty("robotAnswered", false);
        return false;
    }

    void Then(Action action) { actions_.push_back(std::move(action)); }
    size_t Pending() const { return actions_.size(); }
    // The titles and texts of the modal windows met so far.
    std::vector<std::string> Seen;

    // Common actions.
    static Action Picture(const std::string& name, Action then) {
        return [name, then](QWidget* w) {
            w->grab().save(QString::fromStdString(testsupport::PicturePath(name)));
            then(w);
        };
    }
    static Action Press(QMessageBox::StandardButton button) {
        return [button](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) box->button(button)->click();
        };
    }
    // Goes to the file's folder, picks it (with a picture of the dialog at
    // that moment when a name is given) and presses Open.
    static Action ChooseFile(const std::string& path, const std::string& pictureName = "") {
        return [path, pictureName](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) return;
            const QFileInfo file(QString::fromStdString(path));
            dialog->setDirectory(file.absolutePath());
            // Let the folder's listing arrive, then type the name.
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < 300) QApplication::processEvents();
            dialog->selectFile(file.fileName());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file.fileName());
            QApplication::processEvents();
            if (!pictureName.empty()) w->grab().save(QString::fromStdString(testsupport::PicturePath(pictureName)));
            static_cast<QDialog*>(dialog)->accept();  // as the Open button does
        };
    }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("robotAnswered").toBool() || actions_.empty()) return;
        modal->setProperty("robotAnswered", true);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            Seen.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
        else
            Seen.push_back(modal->windowTitle().toStdString());
        Action action = std::move(actions_.front());
        actions_.pop_front();
        action(modal);
    }

    QTimer timer_;
    std::deque<Action> actions_;
};
