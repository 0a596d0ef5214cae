#pragma once
// The About window: the program's description, version and legal notice,
// the user and company, the maker's contact lines, and a System Info button
// enabled only when the system information tool is found.
#include <QDialog>
#include <map>

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* pic;
    QPushButton* cmdOk;
    QPushButton* cmdSysInfo;
    std::map<int, QLabel*> lbl;  // indices 0 to 6, 8 to 17
    QFrame* Lines[2];

    void Form_Load();
    void Form_Unload();
    void cmdOk_Click();
    void cmdSysInfo_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int miSavedPointer = 0;
    bool mblnUnloaded = false;
};

// Opens a fresh About window modally over the given window and unloads it
// when it closes.
void sbShowAboutWindow(QWidget* parent);
