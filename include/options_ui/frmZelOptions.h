#pragma once
// The options dialog: twelve pages behind the hand-drawn tab strip, every
// control bound to the options model (OptionsDialogLogic), which holds the
// values and runs the handlers. The window shows the model after each edit
// and hands the user's edits, keys and clicks to it.
#include <QDialog>
#include <functional>
#include <map>
#include <memory>

#include "options/OptionsDialogLogic.h"
#include "options_ui/TabControl.h"

class QPushButton;
class QAbstractButton;
class QLineEdit;
class QListWidget;
class QBoxLayout;

class frmZelOptions : public QDialog, private IOptionsView {
    Q_OBJECT
public:
    // Edits the given options (the program's), which must outlive it.
    explicit frmZelOptions(ZelkOptions& options, QWidget* parent = nullptr);
    ~frmZelOptions() override;

    OptionsDialogLogic Logic;
    TabHost Tabs;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
    int HelpContextID = 2200;
    // Opens the help file at a topic (the program sets it).
    std::function<void(int topic)> OpenHelp;

    // Loads the dialog: design state, tabs, settings copied in.
    void Form_Load();
    // Shows the dialog modally until OK, Cancel or the close box ends it.
    void ShowModal();
    // True once the close box has unloaded the dialog.
    bool Unloaded() const { return unloaded_; }

    // The widget that shows a control of the model.
    QWidget* Widget(const std::string& name) const;
    // Shows every control's state from the model.
    void SyncFromModel();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetupTabs(int tabCount, int tab, const std::vector<std::string>& captions) override;
    int TabClick(int tab, double x, double y) override;
    void Hide() override;
    int FocusedExtensionList() override;
    void SetHelpContext(int topic) override;
    void SendHelpKey() override;

    void BuildPages();
    void Bind(const std::string& name, QWidget* w);
    // Runs a user's edit on the model, then shows the model again.
    void Edit(const std::function<void()>& edit);
    void ApplyFocusRequest();
    bool CheckFieldOnLeave(const std::string& name, QWidget* nextFocus);
    // An order list with its up and down arrows beside it.
    QListWidget* OrderListWithArrows(const std::string& name, QWidget* parent, QBoxLayout* into);
    // An extension list: its text line above its entries.
    QWidget* ExtensionCombo(const std::string& name, int index, QWidget* parent);
    bool ListKeyPress(QWidget* widget, int code, int shift);
    void ButtonClicked(const std::string& name);

    std::map<std::string, QWidget*> widgets_;
    std::map<QWidget*, std::string> names_;
    std::map<QWidget*, int> arrows_;          // imgMove images: their index
    std::map<QLineEdit*, int> extLines_;      // text lines of the extension lists
    std::map<QListWidget*, int> extEntries_;  // entries of the extension lists
    bool syncing_ = false;
    bool unloaded_ = false;
    bool showing_ = false;
};
