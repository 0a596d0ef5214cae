#pragma once
// "Error Information": the modal window that shows an error report and lets
// the user copy it or hand it to the mail program.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmErrorInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmErrorInfo(QWidget* parent = nullptr);

    QPlainTextEdit* txtErrorInfo;
    QPushButton* cmdEMail;
    QPushButton* cmdAll;
    QPushButton* cmdOK;
    QLabel* lblInfo;

    void cmdAll_Click();
    void cmdEMail_Click();
    void cmdOK_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PlaceButtonRow();
};

// Makes the error report show itself in this window.
void InstallErrorReportWindow();
