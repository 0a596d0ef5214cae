// The main window's controls and menus, and the dispatch of its commands.
#include "mainwindow_ui/frmZelker.h"

#include <algorithm>

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "platform_ui/AnsiText.h"
#include "common/AppIdentity.h"
#include "platform_ui/DesignFont.h"
#include "platform/Drawing.h"
#include "mainwindow/FrameLayout.h"
#include "mainwindow/MMAIN.h"
#include "QtGaugeLabel.h"
#include "session/SessionCommands.h"
#include "platform_ui/QtPictureBox.h"
#include "platform_ui/Twips.h"
#include "platform/ToolbarImages.h"
#include "mainwindow_ui/ViewerTextBox.h"
#include "common/WindowHelpers.h"
#include "mainwindow/cGauge.h"
#include "common/mKEMCommon.h"
#include "mainwindow_ui/frmFileList.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const std::string& name, const QString& caption, int l, int t, int w, int h) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromStdString(name));
    label->setGeometry(Px(l), Px(t), Px(w), Px(h));
    return label;
}

}  // namespace

frmZelker::frmZelker(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmZelker");
    // The program's title until a file is shown, never the executable's name.
    setWindowTitle(FromAnsi(app::kTitle));
    setFont(DesignFont());
    auto* client = new QWidget(this);
    client->setObjectName("frmZelkerClient");
    client->setMouseTracking(true);
    client->installEventFilter(this);
    setCentralWidget(client);
    resize(Px(8475), Px(4965) + menuBar()->sizeHint().height());
    BuildControls(client);
    BuildMenus();
    RegisterCommands();
}

frmZelker::~frmZelker() {
    if (goViewerControls == this) goViewerControls = nullptr;
    if (oProgressForm == this) oProgressForm = nullptr;
    if (gfrmZelker == this) gfrmZelker = nullptr;
    if (gctlStatus == mStatusCaption.get()) gctlStatus = nullptr;
    if (glblStatusHelp == mStatusCaption.get()) glblStatusHelp = nullptr;
    g_InitToolbars();
}

void frmZelker::BuildControls(QWidget* client) {
    // The progress panel, hidden and disabled until a run starts.
    fraProgress = new QtPictureBox(client);
    fraProgress->setObjectName("fraProgress");
    fraProgress->setGeometry(Px(1200), Px(1800), Px(frame::kProgressWidth), Px(frame::kProgressHeight));
    fraProgress->SetBorderless();
    fraProgress->hide();
    fraProgress->setEnabled(false);
    fraProgress->installEventFilter(this);
    cmdCancel = new QPushButton("Cancel", fraProgress);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(Px(4740), Px(480), Px(1035), Px(435));
    cmdCancel->setMouseTracking(true);
    cmdCancel->installEventFilter(this);
    // Not a session command: the one command a running zelk listens to.
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    picGauge = new QtPictureBox(fraProgress);
    picGauge->setObjectName("picGauge");
    picGauge->setGeometry(Px(120), Px(480), Px(4515), Px(435));
    picGauge->SetBorderless();
    picGauge->SetForeColor(0x800000);  // navy blocks
    lblGAuge = MakeLabel(picGauge, "lblGAuge", "Gauge", 0, -60, 4515, 495);
    lblGAuge->hide();
    lblShow = MakeLabel(picGauge, "lblShow", "", 0, 0, 1095, 300);
    lblShow->hide();
    lblProgress = MakeLabel(fraProgress, "lblProgress", "Progress Meter", 120, 180, 5715, 375);
    lblProgress->setMouseTracking(true);
    lblProgress->installEventFilter(this);
    lblCount = MakeLabel(fraProgress, "lblCount", "0 ", 180, 960, 2475, 255);
    lblCountWhat = MakeLabel(fraProgress, "lblCountWhat", "Records Output", 2700, 960, 3015, 255);
    fraProgress->Paint = [this] {
        for (const LineCmd& l : fnRaisedBevel(fraProgress->ScaleWidth(), fraProgress->ScaleHeight(), 2))
            fraProgress->Line(l.X1, l.Y1, l.X2, l.Y2, l.Color);
    };

    // The strip of toolbar images, never shown.
    picBitmaps = new QtPictureBox(client);
    picBitmaps->setObjectName("picBitmaps");
    picBitmaps->setGeometry(0, 0, kStripWidth, kStripHeight);
    picBitmaps->hide();
    mStrip = fnToolbarStrip();
    picBitmaps->SetAutoRedraw(true);
    picBitmaps->PutImage(mStrip, 0, 0);
    picBitmaps->SetAutoRedraw(false);

    picToolBar = new QtPictureBox(client);
    picToolBar->setObjectName("picToolBar");
    picToolBar->setGeometry(0, 0, width(), Px(435));
    picToolBar->SetAlign(1);
    picToolBar->Paint = [] { g_PaintToolbar(); };
    picToolBar->MouseDown = [this](Qt::MouseButton b, int x, int y) { picToolBar_MouseDown(b, x, y); };
    picToolBar->MouseMove = [this](Qt::MouseButtons b, int x, int y) { picToolBar_MouseMove(b, x, y); };
    picToolBar->MouseUp = [this](Qt::MouseButton b, int x, int y) { picToolBar_MouseUp(b, x, y); };

    lblPosition = MakeLabel(client, "lblPosition", "", 8100, 60, 2295, 315);

    picStatus = new QFrame(client);
    picStatus->setObjectName("picStatus");
    picStatus->setFrameShape(QFrame::Panel);
    picStatus->setFrameShadow(QFrame::Raised);
    picStatus->setGeometry(0, 0, width(), Px(345));
    lblRecord = MakeLabel(picStatus, "lblRecord", "Line: ", 6660, 60, 1680, 255);
    lblStatus = MakeLabel(picStatus, "lblStatus", "Ready", 120, 60, 6435, 255);
    mStatusCaption = std::make_unique<LabelCaption>(lblStatus);

    fraFile = new QGroupBox("FileName", client);
    fraFile->setObjectName("fraFile");
    fraFile->setMouseTracking(true);
    fraFile->installEventFilter(this);
    vscr = new QScrollBar(Qt::Vertical, fraFile);
    vscr->setObjectName("vscr");
    vscr->setRange(1, 100);
    vscr->setFocusPolicy(Qt::StrongFocus);
    vscr->installEventFilter(this);
    txtSourceFile = new ViewerTextBox(this, fraFile);
    txtSourceFile->setObjectName("txtSourceFile");
    connect(vscr, &QScrollBar::valueChanged, this, [this](int) {
        if (!vscr->isSliderDown()) vscr_Change();
    });
    connect(vscr, &QScrollBar::sliderMoved, this, [this](int) { vscr_Scroll(); });
    connect(vscr, &QScrollBar::sliderReleased, this, [this] { vscr_Change(); });

    fraSpellCheck = new QGroupBox("Spell Checking", client);
    fraSpellCheck->setObjectName("fraSpellCheck");
    fraSpellCheck->setGeometry(Px(420), Px(540), Px(7215), Px(2535));
    fraSpellCheck->setMouseTracking(true);
    fraSpellCheck->installEventFilter(this);
    fraSpellCheck->hide();
    QFont bold = font();
    bold.setBold(true);
    zzzLabels[0] = MakeLabel(fraSpellCheck, "zzzLabels_0", ">>", 60, 1080, 195, 255);
    zzzLabels[1] = MakeLabel(fraSpellCheck, "zzzLabels_1", "<<", 6960, 1080, 195, 255);
    const int lefts[] = {300, 300, 300, 280, 280};
    const int tops[] = {240, 660, 1095, 1620, 2040};
    for (int i = 0; i < 5; ++i) {
        lblSpelling[i] = MakeLabel(fraSpellCheck, "lblSpelling_" + std::to_string(i), "XXXXX", lefts[i], tops[i],
                                   6615, i == 2 ? 570 : 450);
        lblSpelling[i]->setMouseTracking(true);
        lblSpelling[i]->installEventFilter(this);
    }
    for (QLabel* l : {zzzLabels[0], zzzLabels[1], lblSpelling[2]}) l->setFont(bold);
    // The markers' design size is too narrow for the bold text in the
    // desktop's fonts: they grow to their text, keeping their place.
    for (QLabel* l : zzzLabels)
        l->resize(std::max(l->width(), l->sizeHint().width()), std::max(l->height(), l->sizeHint().height()));
}

QAction* frmZelker::AddItem(QMenu* menu, const std::string& name, const QString& caption, const QKeySequence& keys) {
    QAction* action = caption == "-" ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(QString::fromStdString(name));
    if (!keys.isEmpty()) action->setShortcut(keys);
    action->setProperty("Enabled", true);
    mActions[name] = action;
    if (caption != "-") WireItem(action, name);
    return action;
}

void frmZelker::WireItem(QAction* action, const std::string& name) {
    connect(action, &QAction::triggered, this, [this, action, name] {
        // A check item's own click handling decides its mark.
        if (action->isCheckable()) action->setChecked(!action->isChecked());
        RunCommand(name);
    });
}

void frmZelker::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](const std::string& name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromStdString(name));
        m->menuAction()->setObjectName(QString::fromStdString(name));
        mActions[name] = m->menuAction();
        return m;
    };

    mnuFile = menu("mnuFile", "&File");
    AddItem(mnuFile, "mnuFileOpen", "&Open...", QKeySequence("Ctrl+O"));
    AddItem(mnuFile, "mnuFileDash1", "-");
    AddItem(mnuFile, "mnuFileSave", "&Save", QKeySequence("Ctrl+S"));
    AddItem(mnuFile, "mnuFileSaveAs", "Save As...")->setVisible(false);
    AddItem(mnuFile, "mnuFileSaveAll", "Sa&ve All");
    SetEnabled("mnuFileSaveAll", false);
    AddItem(mnuFile, "mnuFileDash2", "-");
    AddItem(mnuFile, "mnuFileClose_0", "&Close");
    AddItem(mnuFile, "mnuFileClose_1", "Close &All");
    AddItem(mnuFile, "mnuFileDash3", "-");
    AddItem(mnuFile, "mnuFilePrint", "&Quindy Printer...", QKeySequence("Ctrl+P"));
    AddItem(mnuFile, "mnuFileDash4", "-");
    for (int i = 1; i <= 7; ++i) AddItem(mnuFile, "mnuFileMRU_" + std::to_string(i), "")->setVisible(false);
    AddItem(mnuFile, "mnuFileMRU_8", "-");
    AddItem(mnuFile, "mnuFileExit", "E&xit", QKeySequence("Ctrl+E"));

    mnuView = menu("mnuView", "&View");
    AddItem(mnuView, "mnuViewShow_0", "&Input Source")->setCheckable(true);
    AddItem(mnuView, "mnuViewShow_1", "&Output Source")->setCheckable(true);
    AddItem(mnuView, "mnuViewShow_2", "&Log File")->setCheckable(true);
    AddItem(mnuView, "mnuViewDash0", "-");
    AddItem(mnuView, "mnuViewStart_0", "Start of &Code");
    AddItem(mnuView, "mnuViewStart_1", "Start of &File");
    AddItem(mnuView, "mnuViewDash1", "-");
    AddItem(mnuView, "mnuViewToolbar", "&Toolbar")->setCheckable(true);
    AddItem(mnuView, "mnuViewTooltips", "Toolt&ips")->setCheckable(true);
    AddItem(mnuView, "mnuViewStatus", "&Status Bar")->setCheckable(true);
    AddItem(mnuView, "mnuViewDash2", "-")->setVisible(false);
    QAction* viewFile = AddItem(mnuView, "mnuViewFile_0", "&ViewFile");
    viewFile->setCheckable(true);
    viewFile->setVisible(false);

    mnuProcess = menu("mnuProcess", "&Process");
    AddItem(mnuProcess, "mnuProcessZelk", "&Zelk File...", QKeySequence("F5"));
    AddItem(mnuProcess, "mnuProcessZelkAll_0", "Zelk and Save &All");
    AddItem(mnuProcess, "mnuProcessZelkAll_1", "Zelk all Newer Files and Save");
    AddItem(mnuProcess, "mnuProcessNext_0", "&Next File");
    AddItem(mnuProcess, "mnuProcessNext_1", "Prio&r File");
    AddItem(mnuProcess, "mnuProcessSkipFile", "S&kip This File");
    AddItem(mnuProcess, "mnuProcessDiscardFile", "&Discard Output File");
    AddItem(mnuProcess, "mnuProcessDash1", "-");
    AddItem(mnuProcess, "mnuProcessSpell", "Spell &Check");

    mnuOptions = bar->addAction("&Options...");
    mnuOptions->setObjectName("mnuOptions");
    mActions["mnuOptions"] = mnuOptions;
    connect(mnuOptions, &QAction::triggered, this, [this] { RunCommand("mnuOptions"); });

    mnuDebug = menu("mnuDebug", "&Debug");
    AddItem(mnuDebug, "mnuDebugOpenNewLog", "New Log File");
    AddItem(mnuDebug, "mnuDebugOpenAppendLog", "Extend Log File");
    AddItem(mnuDebug, "mnuDebugLogClose", "Close Log File");
    SetEnabled("mnuDebugLogClose", false);
    AddItem(mnuDebug, "mnuDebugDash01", "-");
    AddItem(mnuDebug, "mnuDebugDisableErrorTraps", "&Disable Application's Error Traps")->setCheckable(true);
    AddItem(mnuDebug, "mnuDebugDisableFixDataErrors", "&Disable Fix Data Errors")->setCheckable(true);
    AddItem(mnuDebug, "mnuDebugDash02", "-");
    AddItem(mnuDebug, "mnuDebugTraceApp", "Trace Application")->setCheckable(true);
    AddItem(mnuDebug, "mnuDebugLogEvents", "Trace Events")->setCheckable(true);
    AddItem(mnuDebug, "mnuDebugMouseEvents", "Trace Mouse Events")->setCheckable(true);
    AddItem(mnuDebug, "mnuDebugLogClasses", "Trace Classes")->setCheckable(true);
    AddItem(mnuDebug, "mnuDebugLogTracePackages", "Trace Packages")->setCheckable(true);
    mnuDebug->menuAction()->setVisible(false);

    mnuHelp = menu("mnuHelp", "&Help");
    AddItem(mnuHelp, "mnuHelpContents", "&Help Topics...");
    AddItem(mnuHelp, "mnuHelpDash1", "-");
    AddItem(mnuHelp, "mnuHelpAbout", "&About Zelker...");

    // The popup commands: a hidden top-level menu, shown on a right click.
    mnuPopupMenu = new QMenu("Popup", this);
    mnuPopupMenu->setObjectName("mnuPopupMenu");
    mnuPopupMenu->menuAction()->setObjectName("mnuPopupMenu");
    mActions["mnuPopupMenu"] = mnuPopupMenu->menuAction();
    const char* popup[] = {"Open",          "Zelk This File",  "Save",           "Quindy Printer", "Close",
                           "-",             "Start of Code",   "Start of File",  "Display Input",  "Display Output ",
                           "Display Log File", "-",            "Zelker Options"};
    for (int i = 0; i <= 12; ++i) AddItem(mnuPopupMenu, "mnuPopup_" + std::to_string(i), popup[i]);
}

QAction* frmZelker::Menu(const std::string& name) const {
    auto it = mActions.find(name);
    return it == mActions.end() ? nullptr : it->second;
}

void frmZelker::SetCommand(const std::string& name, std::function<void()> handler) {
    mCommands[name] = std::move(handler);
}

void frmZelker::RunCommand(const std::string& name) {
    UserActed();
    if (mblnZelking && !fbCommandAllowedWhileZelking(name)) return;
    auto it = mCommands.find(name);
    if (it == mCommands.end() || !it->second) return;
    // What the last command said ("... Has Been Saved") is over once the
    // next one starts; the command puts up its own text.
    if (!mblnZelking) sbMsgBar("", false, gctlStatus);
    it->second();
}

void frmZelker::RegisterCommands() {
    SetCommand("mnuFileOpen", [this] { mnuFileOpen_Click(); });
    for (int i = 1; i <= 7; ++i) SetCommand("mnuFileMRU_" + std::to_string(i), [this, i] { mnuFileMRU_Click(i); });
    for (int i = 0; i <= 1; ++i) SetCommand("mnuFileClose_" + std::to_string(i), [this, i] { mnuFileClose_Click(i); });
    SetCommand("mnuFileSave", [this] { mnuFileSave_Click(); });
    SetCommand("mnuFileSaveAll", [this] { mnuFileSaveAll_Click(); });
    SetCommand("mnuFileExit", [this] { mnuFileExit_Click(); });
    SetCommand("mnuFilePrint", [this] { ::mnuFilePrint_Click(*this); });
    SetCommand("mnuProcessZelk", [this] { mnuProcessZelk_Click(); });
    for (int i = 0; i <= 1; ++i) {
        SetCommand("mnuProcessZelkAll_" + std::to_string(i), [this, i] { mnuProcessZelkAll_Click(i); });
        SetCommand("mnuProcessNext_" + std::to_string(i), [this, i] { mnuProcessNext_Click(i); });
    }
    SetCommand("mnuProcessSkipFile", [this] { mnuProcessSkipFile_Click(); });
    SetCommand("mnuProcessDiscardFile", [this] { mnuProcessDiscardFile_Click(); });
    SetCommand("mnuViewFile_0", [this] { mnuViewFile_Click(0); });
    SetCommand("mnuOptions", [this] { mnuOptions_Click(); });
    SetCommand("mnuHelpContents", [this] { mnuHelpContents_Click(); });
    SetCommand("mnuHelpAbout", [this] { mnuHelpAbout_Click(); });
    SetCommand("mnuFileSaveAs", [] { sbNotYet(); });
    SetCommand("mnuProcessSpell", [] { sbNotYet(); });
    for (int i = 0; i <= 2; ++i) SetCommand("mnuViewShow_" + std::to_string(i), [this, i] { mnuViewShow_Click(i); });
    for (int i = 0; i <= 1; ++i)
        SetCommand("mnuViewStart_" + std::to_string(i), [this, i] { mnuViewStart_Click(i); });
    SetCommand("mnuViewStatus", [this] { mnuViewStatus_Click(); });
    SetCommand("mnuViewToolbar", [this] { mnuViewToolbar_Click(); });
    SetCommand("mnuViewTooltips", [this] { mnuViewTooltips_Click(); });
    for (int i = 0; i <= 12; ++i) SetCommand("mnuPopup_" + std::to_string(i), [this, i] { mnuPopup_Click(i); });
    RegisterDebugCommands();
}

// A hidden item keeps its own Enabled value (Qt reports a hidden action as
// disabled), so that the states read back what they set.
bool frmZelker::Enabled(const std::string& name) const {
    QAction* a = Menu(name);
    if (!a) return false;
    const QVariant own = a->property("Enabled");
    return own.isValid() ? own.toBool() : a->isEnabled();
}

void frmZelker::SetEnabled(const std::string& name, bool enabled) {
    if (QAction* a = Menu(name)) {
        a->setProperty("Enabled", enabled);
        a->setEnabled(enabled);
    }
}

bool frmZelker::Checked(const std::string& name) const {
    QAction* a = Menu(name);
    return a && a->isChecked();
}

void frmZelker::SetChecked(const std::string& name, bool checked) {
    if (QAction* a = Menu(name)) a->setChecked(checked);
}

void frmZelker::SetVisible(const std::string& name, bool visible) {
    if (QAction* a = Menu(name)) a->setVisible(visible);
}

void frmZelker::RefreshToolBar() { picToolBar->Refresh(); }
