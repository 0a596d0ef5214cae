#pragma once
// The editor of one code template (error set-up, error handler, trace entry,
// trace exit). OK asks for the file to save in; the caller writes the file.
#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit frmEditDialog(QWidget* parent = nullptr);

    // In: the file proposed for saving. Out: the file the user chose.
    std::string DefFileName;
    // Out: the user cancelled the editor or its save dialog.
    bool bCanceled = false;
    // In: the template kind (codekind), 0 for the text of an existing file.
    long DefKind = 0;

    QPlainTextEdit* txtInfo;
    QLabel* lblInfo;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // The template text, its lines joined by CR LF.
    std::string InfoText() const;
    void SetInfoText(const std::string& text);

    void Form_Load();
    void Form_Activate();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};
