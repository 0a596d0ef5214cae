#pragma once
// The one-time question how many blanks a tab becomes. OK takes an answer
// into the giTabWidth of the settings it was given and into the settings
// file; the window cannot be closed without one.
#include <QDialog>
#include <string>
#include <vector>

#include "settings/ZelkOptions.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmTabWidth : public QDialog {
    Q_OBJECT
public:
    // settings: the program's settings, which keep the answer.
    explicit frmTabWidth(ZelkOptions& settings, QWidget* parent = nullptr);

    QGroupBox* fraTabWidth;
    QRadioButton* optSetTo;
    QLineEdit* txtSetTo;
    QRadioButton* optDoNot;
    QPushButton* cmdOK;

    // The form has been unloaded by an accepted answer.
    bool Unloaded = false;

    // The explanation printed on the form: each line's text and the
    // character column it starts in.
    struct PrintedLine {
        const char* Text;
        int Column;
    };
    static std::vector<PrintedLine> Explanation();

    void Form_Load();
    void Form_Activate();
    void txtSetTo_GotFocus();
    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    ZelkOptions& settings_;
};

// Shows the question modally (the engine's first tab while no width is
// chosen) and returns the answer, which is in the settings file at once;
// the program's settings take it from the run once the run is over.
TabWidth sbAskTabWidth();
