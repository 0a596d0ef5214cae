// The main window's side of the session: its handlers run the session's
// commands, and it gives them the View menu's file list, the recent-file
// items, the Files window and the window's frame.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

#include "platform_ui/AnsiText.h"
#include "session/SessionCommands.h"
#include "mainwindow/SessionState.h"
#include "settings/ProgramOptions.h"
#include "mainwindow_ui/OptionsDialogUi.h"
#include "common/Trace.h"
#include "mainwindow_ui/frmAbout.h"
#include "mainwindow_ui/frmFileList.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"

namespace {

std::string ViewFileName(int item) { return "mnuViewFile_" + std::to_string(item); }

}  // namespace

void frmZelker::mnuFileOpen_Click() { ::mnuFileOpen_Click(*this); }
void frmZelker::mnuFileMRU_Click(int index) { ::mnuFileMRU_Click(*this, index); }
void frmZelker::mnuFileClose_Click(int index) { ::mnuFileClose_Click(*this, index); }
void frmZelker::mnuFileSave_Click() { ::mnuFileSave_Click(*this); }
void frmZelker::mnuFileSaveAll_Click() { ::mnuFileSaveAll_Click(*this); }
void frmZelker::mnuProcessZelk_Click() { ::mnuProcessZelk_Click(*this); }
void frmZelker::mnuProcessZelkAll_Click(int index) { ::mnuProcessZelkAll_Click(*this, index); }
void frmZelker::mnuProcessNext_Click(int index) { ::mnuProcessNext_Click(*this, index); }
void frmZelker::mnuProcessSkipFile_Click() { ::mnuProcessSkipFile_Click(*this); }
void frmZelker::mnuProcessDiscardFile_Click() { ::mnuProcessDiscardFile_Click(*this); }
void frmZelker::mnuViewFile_Click(int index) { ::mnuViewFile_Click(*this, index); }
void frmZelker::mnuOptions_Click() { ::mnuOptions_Click(*this); }
void frmZelker::mnuHelpContents_Click() { ::mnuHelpContents_Click(*this); }
void frmZelker::mnuHelpAbout_Click() { ::mnuHelpAbout_Click(*this); }

void frmZelker::mnuFileExit_Click() {
    TraceGuard trace(TraceKind::Events, "mnuFileExit_Click(frmZelker)");
    close();
}

bool frmZelker::Form_Unload() {
    // A running zelk finishes first.
    if (mblnZelking) return false;
    if (!fbFormUnload(*this)) return false;
    mblnUnloaded = true;
    gblnProgramEnding = true;
    mFileList.reset();
    QApplication::quit();
    return true;
}

void frmZelker::HideFileFrame() { fraFile->hide(); }
void frmZelker::ClearRecordLabel() { lblRecord->setText(""); }
void frmZelker::SetWindowCaption(const std::string& text) { setWindowTitle(FromAnsi(text)); }
void frmZelker::BringToTop() { oWindow->BringToTop(this); }

bool frmZelker::Visible(const std::string& name) const {
    QAction* a = Menu(name);
    return a && a->isVisible();
}

void frmZelker::LoadViewFileItem(int item) {
    QAction* first = Menu(ViewFileName(0));
    if (item < 1 || Menu(ViewFileName(item))) return;
    // After the list's last item, with item 0's state.
    QAction* before = nullptr;
    for (int k = item - 1; k >= 0 && !before; --k) before = Menu(ViewFileName(k));
    const QList<QAction*> actions = mnuView->actions();
    const qsizetype at = actions.indexOf(before);
    QAction* next = at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
    const std::string name = ViewFileName(item);
    auto* action = new QAction(first->text(), mnuView);
    action->setObjectName(QString::fromStdString(name));
    action->setCheckable(true);
    action->setChecked(first->isChecked());
    action->setVisible(first->isVisible());
    action->setProperty("Enabled", Enabled(ViewFileName(0)));
    action->setEnabled(Enabled(ViewFileName(0)));
    mnuView->insertAction(next, action);
    mActions[name] = action;
    WireItem(action, name);
    SetCommand(name, [this, item] { mnuViewFile_Click(item); });
}

void frmZelker::UnloadViewFileItem(int item) {
    const std::string name = ViewFileName(item);
    QAction* action = item >= 1 ? Menu(name) : nullptr;
    if (!action) return;
    mActions.erase(name);
    mCommands.erase(name);
    delete action;
}

void frmZelker::SetViewFileCaption(int item, const std::string& caption) {
    if (QAction* a = Menu(ViewFileName(item))) a->setText(FromAnsi(caption));
}

bool frmZelker::SetViewFileChecked(int item, bool checked) {
    QAction* a = Menu(ViewFileName(item));
    if (!a) return false;
    a->setChecked(checked);
    return true;
}

int frmZelker::ShowFileList() {
    if (!mFileList) {
        mFileList = std::make_unique<frmFileList>(this);
        mFileList->Form_Load();
    }
    mFileList->exec();
    const bool chosen = mFileList->WasSelected;
    const int row = mFileList->lstFiles->currentRow();
    if (mFileList->Unloaded) mFileList.reset();
    return chosen ? row : -1;
}

void frmZelker::UnloadFileList() { mFileList.reset(); }

void frmZelker::ShowOptionsDialog() { sbShowOptionsDialog(this); }
void frmZelker::ShowAbout() { sbShowAboutWindow(this); }
ZelkOptions& frmZelker::Settings() { return goOptions; }

void frmZelker::SetMRUCaption(int item, const std::string& caption) {
    if (QAction* a = Menu("mnuFileMRU_" + std::to_string(item))) a->setText(FromAnsi(caption));
}

void frmZelker::ShowMRUItem(int item) {
    if (QAction* a = Menu("mnuFileMRU_" + std::to_string(item))) a->setVisible(true);
}
