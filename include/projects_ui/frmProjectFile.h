#pragma once
// The "Project File Processing" dialog: the loaded projects as an outline
// whose files the user ticks, beside a panel with the current file's dates,
// size and history or the current project's other lines, the two separated
// by a splitter bar the user drags. OK hands the projects and the ticked
// files to the session's file list; Cancel, Esc and the close box cancel.
#include <QDialog>
#include <memory>
#include <string>

#include "projects/CSplitter.h"
#include "projects/OutlineControls.h"
#include "projects_ui/ProjectDialogControls.h"
#include "projects/cotlControl.h"

class QListWidget;
class QPushButton;
class QScrollBar;
class QtPictureBox;

class frmProjectFile : public QDialog {
    Q_OBJECT
public:
    // `helpFile` is the program's help file (empty: none).
    // historyFile: the zelking history the outline dates the files from.
    frmProjectFile(std::string helpFile, std::string historyFile, QWidget* parent = nullptr);
    ~frmProjectFile() override;

    cotlControl& Outline() { return *otl_; }

    QPushButton *cmdSelectAll, *cmdDeselect, *cmdSelectNewer, *cmdHelp, *cmdOK, *cmdCancel, *cmdExpand, *cmdCollapse;
    QtPictureBox *picContainer, *picOTL, *butSplit, *picFileInfo;
    QScrollBar* vsOTL;
    QListWidget* lstMiscOther;
    PictureHolder imgOutline[9];

    void Form_Load();
    void Form_Resize();
    void Form_Activate();
    void picOTL_Click();
    void picOTL_KeyDown(int KeyCode);
    void picOTL_MouseDown(int X, int Y);
    void vsOTL_Change();
    void butSplit_MouseDown();
    void butSplit_MouseMove(int X);
    void butSplit_MouseUp();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void sbSetToolTips();

    std::string helpFile_;
    std::string historyFile_;
    std::unique_ptr<cotlControl> otl_;
    std::unique_ptr<CSplitter> splitter_;
    bool dragging_ = false;
    // The controls as the outline and the splitter reach them.
    std::unique_ptr<QtOutlineScrollBar> scroll_;
    std::unique_ptr<QtInfoList> list_;
    std::unique_ptr<QtSplitControl> container_, bar_, otlCtl_, vsCtl_, infoCtl_, listCtl_;
};
