#pragma once
// The "Files" window: every file of the session in a list, for choosing one
// that the View menu's list does not show.
#include <QDialog>

class QListWidget;
class QPushButton;

class frmFileList : public QDialog {
    Q_OBJECT
public:
    explicit frmFileList(QWidget* parent = nullptr);

    QListWidget* lstFiles;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    // The window closed with a file chosen.
    bool WasSelected = false;
    // The window's close box unloads it: its owner then lets it go.
    bool Unloaded = false;

    void Form_Load();
    void Form_Activate();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};
