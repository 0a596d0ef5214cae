#pragma once
// The comment-block editor. In definition mode (opened by the options
// dialog) it edits the template of one kind of block and saves it into a
// file; in editing mode (held by the engine while gblnCommentEdit is set) it
// shows one expanded block with the source around its insertion point, and
// OK inserts the block as edited while Skip inserts nothing.
#include <QDialog>
#include <string>
#include <vector>

class ICommentFileFields;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QWidget;
struct CommentKind;

class frmComments : public QDialog {
    Q_OBJECT
public:
    explicit frmComments(QWidget* parent = nullptr);

    QMenuBar* menuBar;
    QMenu* mnuFile;
    QAction* mnuFileOpen;
    QAction* mnuFileSave;
    QAction* mnuFileExit;
    QMenu* mnuView;
    QAction* mnuViewDefault;
    QLabel* lblDefinition[2];
    QGroupBox* fraInsertion;
    QPlainTextEdit* txtInsertion;
    QGroupBox* fraComments;
    QPlainTextEdit* txtCommentBlock;
    QWidget* picBottom;
    QPushButton* cmdClose;
    QPushButton* cmdCancel;
    QPushButton* cmdSave;
    QPushButton* cmdSpell;
    QPushButton* cmdCommentDir;
    QPushButton* cmdHelp;

    // Where a Save puts the chosen file name (the options dialog's fields);
    // none: the name goes nowhere.
    ICommentFileFields* CommentFileFields = nullptr;

    // The block was typed into (or corrected by the spell check) since it
    // was last loaded from a file or saved.
    bool mblnChanged = false;
    // Definition mode: the form has been unloaded (closed for good).
    bool Unloaded = false;

    // The block's text, its lines joined by CR LF. Setting it is no change.
    std::string CommentBlockText() const;
    void SetCommentBlockText(const std::string& text);
    // The lines printed under the block, for the mode the form was shown in.
    std::vector<std::string> LegendLines() const;
    bool EditingMode() const { return editing_; }

    // Sets the form up for the mode gblnCommentEdit chooses and shows it
    // modally; returns when it is hidden or unloaded.
    void ShowModal();
    // The setting up each showing does (ShowModal runs it).
    void SetUpForShowing();

    void Form_Load();
    void cmdClose_Click();
    void cmdCancel_Click();
    void cmdCommentDir_Click();
    void mnuFileOpen_Click() { cmdCommentDir_Click(); }
    void cmdSave_Click();
    void mnuFileSave_Click() { cmdSave_Click(); }
    void cmdSpell_Click();
    void cmdHelp_Click();
    void mnuViewDefault_Click();
    void mnuFileExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // Definition mode: closes the form for good, unless the user keeps
    // changes that were not saved.
    void UnloadForm();
    bool QueryUnload();
    // Editing mode: the answer, then the form hides until the next block.
    void Answer(bool skip);
    void PlaceForMode();
    void LoadTemplateFile(const std::string& name);
    void PaintLegend(QWidget* on);
    bool InsertionKey(QKeyEvent* key);

    QWidget* client_;
    QWidget* legend_;
    const CommentKind* kind_ = nullptr;
    bool editing_ = false;
    bool settingText_ = false;
};
