#pragma once
// The main window: menus, toolbar, status bar, the file viewer, the
// progress panel and the spell-check frame, with the command states of the
// session. The session commands are registered by name and run through one
// dispatcher, so that menu items, popup items and toolbar buttons share
// them and a running zelk can block them.
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/Bitmap32.h"
#include "mainwindow/DebugMenu.h"
#include "mainwindow/FrameLayout.h"
#include "mainwindow_ui/LabelCaption.h"
#include "session/SessionWindow.h"
#include "mainwindow/Viewer.h"
#include "mainwindow/ViewerControls.h"
#include "mainwindow/XTOOLBAR.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QtPictureBox;
class ViewerTextBox;
class cGauge;
class frmFileList;
class QtGaugeLabel;

class frmZelker : public QMainWindow, public ISessionWindow, public IViewerControls, public IDebugWindow {
    Q_OBJECT
public:
    explicit frmZelker(QWidget* parent = nullptr);
    ~frmZelker() override;

    // --- Controls, named as the window's design names them.
    QtPictureBox* fraProgress;
    QPushButton* cmdCancel;
    QtPictureBox* picGauge;
    QLabel* lblGAuge;
    QLabel* lblShow;
    QLabel* lblProgress;
    QLabel* lblCount;
    QLabel* lblCountWhat;
    QtPictureBox* picBitmaps;
    QtPictureBox* picToolBar;
    QLabel* lblPosition;
    QFrame* picStatus;
    QLabel* lblRecord;
    QLabel* lblStatus;
    QGroupBox* fraFile;
    QScrollBar* vscr;
    ViewerTextBox* txtSourceFile;
    QGroupBox* fraSpellCheck;
    QLabel* zzzLabels[2];
    QLabel* lblSpelling[5];

    QMenu* mnuFile;
    QMenu* mnuView;
    QMenu* mnuProcess;
    QAction* mnuOptions;
    QMenu* mnuDebug;
    QMenu* mnuHelp;
    QMenu* mnuPopupMenu;
    // A menu item (or a menu's own item) by its name; nullptr when none.
    QAction* Menu(const std::string& name) const;

    // True while a zelk run started from this window is under way: the
    // session commands wait, the pointer over the window is the hourglass.
    bool mblnZelking = false;

    // --- Commands: every menu item, popup item and toolbar button runs its
    // command by name through RunCommand.
    void SetCommand(const std::string& name, std::function<void()> handler);
    void RunCommand(const std::string& name);

    // --- Window events.
    void Form_Load();
    void Form_Resize();
    bool Form_Unload();  // false: the unload is cancelled
    void Form_MouseDown(Qt::MouseButton button);
    void Form_MouseMove();
    // fraFile_MouseMove, fraSpellCheck_MouseMove and lblSpelling_MouseMove.
    void Ready_MouseMove(const std::string& handler);

    // --- Viewer.
    // False when the file cannot be read: the user is told, and the viewer
    // shows the file as not available.
    bool sbShowFile(const std::string& which, int fileIndex);
    void mnuViewShow_Click(int index);
    void mnuViewStart_Click(int index);
    bool txtSourceFile_KeyDown(int keyCode, int shift);
    void txtSourceFile_Click();
    void txtSourceFile_MouseUp();
    void txtSourceFile_Wheel(int lines);
    void vscr_GotFocus();
    bool vscr_KeyDown(int keyCode, int shift);
    void vscr_Change();
    void vscr_Scroll();
    void HookText();
    void UnhookText() override;
    bool TextWindowProc_ContextMenu(const QPoint& globalPos);
    ViewerState mViewer;

    // --- Toolbar and view switches.
    void sbSetToolBar();
    void sbToolBarClickEvent(int button);
    void picToolBar_MouseDown(Qt::MouseButton button, int X, int Y);
    void picToolBar_MouseMove(Qt::MouseButtons buttons, int X, int Y);
    void picToolBar_MouseUp(Qt::MouseButton button, int X, int Y);
    void mnuViewStatus_Click();
    void mnuViewToolbar_Click();
    void mnuViewTooltips_Click();
    void mnuPopup_Click(int index);

    // --- Command states.
    void sbButtonsDisable() { ::sbButtonsDisable(*this); }
    void sbButtonsOpen() { ::sbButtonsOpen(*this); }
    void sbButtonsZelked() { ::sbButtonsZelked(*this); }
    void sbEnableDebugItems() { ::sbEnableDebugItems(*this); }

    // --- Debug menu and hot keys: the window sees every key pressed while
    // one of its controls has the focus.
    void Form_KeyDown(int keyCode, int shift);
    void mnuDebugOpenNewLog_Click();
    bool mblnDebugArmed = false;
    // IDebugWindow (Visible and BringToTop: below)
    void ShowSplashModal() override;
    void UnloadMainWindow() override;

    // --- Progress panel.
    void InitProgress() override;
    void TermProgress() override;
    std::string ProgressCaption() const override;
    void SetProgressCaption(const std::string& text) override;
    void SetProgressVisible(bool visible) override;
    void SetCountText(const std::string& text) override;
    void SetCountWhatText(const std::string& text) override;
    void ClearGauge() override;
    void SetGaugeMin(long value) override;
    void SetGaugeMax(long value) override;
    void SetGaugeValue(long value) override;
    void cmdCancel_Click();
    void cmdCancel_KeyDown(int keyCode, int shift);

    // --- Session commands: the window's handlers of the session's logic.
    void mnuFileOpen_Click();
    void mnuFileMRU_Click(int index);
    void mnuFileClose_Click(int index);
    void mnuFileExit_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAll_Click();
    void mnuProcessZelk_Click();
    void mnuProcessZelkAll_Click(int index);
    void mnuProcessNext_Click(int index);
    void mnuProcessSkipFile_Click();
    void mnuProcessDiscardFile_Click();
    void mnuViewFile_Click(int index);
    void mnuOptions_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    // The Files window while it is loaded (null otherwise).
    frmFileList* FileListWindow() const { return mFileList.get(); }

    // IZelkWindow (the rest of it: the progress panel above)
    void HideFileFrame() override;
    void ClearRecordLabel() override;
    void SetWindowCaption(const std::string& text) override;
    void BringToTop() override;
    void SetSpellCheckCaption(const std::string& text) override;
    void SetSpellingLine(int index, const std::string& text) override;
    void SetSpellCheckVisible(bool visible) override;
    // ISessionWindow
    bool Visible(const std::string& name) const override;
    bool ShowFile(const std::string& which, int fileIndex) override { return sbShowFile(which, fileIndex); }
    void ViewShow(int index) override { mnuViewShow_Click(index); }
    void LoadViewFileItem(int item) override;
    void UnloadViewFileItem(int item) override;
    void SetViewFileCaption(int item, const std::string& caption) override;
    int ShowFileList() override;
    void UnloadFileList() override;
    void SetZelking(bool zelking) override { mblnZelking = zelking; }
    void ShowOptionsDialog() override;
    void ShowAbout() override;
    // The program's own settings.
    ZelkOptions& Settings() override;
    // IViewFileList
    bool SetViewFileChecked(int item, bool checked) override;
    // IMRUMenu
    void SetMRUCaption(int item, const std::string& caption) override;
    void ShowMRUItem(int item) override;

    // ICommandControls
    bool Enabled(const std::string& name) const override;
    void SetEnabled(const std::string& name, bool enabled) override;
    bool Checked(const std::string& name) const override;
    void SetChecked(const std::string& name, bool checked) override;
    void SetVisible(const std::string& name, bool visible) override;
    void RefreshToolBar() override;
    // IViewerControls
    void SetLineLabel(const std::string& text) override;
    void SetScrollEnabled(bool enabled) override;
    long ScrollMax() const override;
    void SetScrollMax(long value) override;
    long ScrollValue() const override;
    void SetScrollValue(long value) override;
    void SetViewerText(const std::string& text) override;
    long CaretPosition() const override;
    void SetCaretPosition(long position) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls(QWidget* client);
    void BuildMenus();
    QAction* AddItem(QMenu* menu, const std::string& name, const QString& caption, const QKeySequence& keys = {});
    // A menu item's click runs its command.
    void WireItem(QAction* action, const std::string& name);
    void RegisterCommands();
    void RegisterDebugCommands();
    void LayoutAlignedBoxes();
    int WindowState() const;
    // The user did something in the window: a splash window still up from
    // the start-up goes, so that it never comes back over the window.
    void UserActed();
    void PlaceStatusLabels(const StatusLabels& labels);

    std::map<std::string, QAction*> mActions;
    std::map<std::string, std::function<void()>> mCommands;
    std::unique_ptr<LabelCaption> mStatusCaption;
    std::unique_ptr<cGauge> mGauge;
    std::unique_ptr<QtGaugeLabel> mGaugeBar, mGaugePercent;
    std::unique_ptr<frmFileList> mFileList;
    std::unique_ptr<QObject> mKeyPreview;
    Bitmap32 mStrip;
    ToolbarPress mPress;
    bool mblnHooked = false;
    bool mblnLoaded = false;
    bool mblnUnloaded = false;
    bool mblnUserActed = false;
};
