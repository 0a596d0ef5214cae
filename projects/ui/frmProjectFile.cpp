#include "projects_ui/frmProjectFile.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "platform_ui/AnsiText.h"
#include "common/AppIdentity.h"
#include "platform_ui/DesignFont.h"
#include "common/ErrorTrap.h"
#include "projects/OutlineImages.h"
#include "platform_ui/ProgramIcon.h"
#include "platform_ui/QtKeys.h"
#include "platform_ui/QtPictureBox.h"
#include "common/Trace.h"
#include "platform_ui/Twips.h"
#include "platform/UiServices.h"
#include "common/cAppInfo.h"
#include "common/cDebug.h"
#include "common/cFileDesc.h"
#include "common/cLog.h"
#include "common/cWindow.h"
#include "common/mKEMCommon.h"

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int l, int t, int w, int h) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(Px(l), Px(t), Px(w), Px(h));
    b->setAutoDefault(false);
    return b;
}

QtPictureBox* Picture(QWidget* parent, const char* name, int l, int t, int w, int h) {
    auto* p = new QtPictureBox(parent);
    p->setObjectName(name);
    p->setGeometry(Px(l), Px(t), Px(w), Px(h));
    return p;
}

}  // namespace

frmProjectFile::frmProjectFile(std::string helpFile, std::string historyFile, QWidget* parent)
    : QDialog(parent), helpFile_(std::move(helpFile)), historyFile_(std::move(historyFile)) {
    setObjectName("frmProjectFile");
    setWindowTitle("Project File Processing");
    setFont(DesignFont());
    setFixedSize(Px(8430), Px(5820));
    // A fixed dialog: a close box, no minimize or maximize buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    cmdSelectAll = Button(this, "cmdSelectAll", "Select &All", 60, 5160, 1135, 375);
    cmdDeselect = Button(this, "cmdDeselect", "&Deselect All", 1230, 5160, 1135, 375);
    cmdSelectNewer = Button(this, "cmdSelectNewer", "Select &Updated", 2400, 5160, 1380, 375);
    cmdHelp = Button(this, "cmdHelp", "&Help", 6900, 5160, 1135, 375);
    cmdOK = Button(this, "cmdOK", "OK", 4515, 5160, 1135, 375);
    cmdOK->setDefault(true);
    cmdCancel = Button(this, "cmdCancel", "Cancel", 5707, 5160, 1135, 375);
    cmdExpand = Button(this, "cmdExpand", "Expand All &>>", 600, 240, 1395, 375);
    cmdCollapse = Button(this, "cmdCollapse", "&<< Collapse All", 2100, 240, 1395, 375);

    picContainer = Picture(this, "picContainer", 60, 660, 8175, 4335);
    picOTL = Picture(picContainer, "picOTL", 0, 0, 3780, 4350);
    picOTL->SetBackColor(0xFFFFFF);
    picOTL->SetAutoRedraw(true);
    picOTL->setFocusPolicy(Qt::StrongFocus);
    vsOTL = new QScrollBar(Qt::Vertical, picContainer);
    vsOTL->setObjectName("vsOTL");
    vsOTL->setGeometry(Px(3780), 0, Px(255), Px(4350));
    vsOTL->setMinimum(0);
    butSplit = Picture(picContainer, "butSplit", 4020, 0, 285, 4335);
    butSplit->setCursor(Qt::SplitHCursor);
    lstMiscOther = new QListWidget(picContainer);
    lstMiscOther->setObjectName("lstMiscOther");
    lstMiscOther->setGeometry(Px(4380), 0, Px(3735), Px(4350));
    picFileInfo = Picture(picContainer, "picFileInfo", 4380, 0, 3965, 4350);
    picFileInfo->SetBackColor(0xFFFFFF);
    picFileInfo->SetAutoRedraw(true);
    const auto images = fnOutlineImages();
    for (int k = 0; k < kOutlineImages; ++k) imgOutline[k].Picture = images[static_cast<size_t>(k)];

    setTabOrder(cmdSelectAll, cmdDeselect);
    setTabOrder(cmdDeselect, cmdSelectNewer);
    setTabOrder(cmdSelectNewer, cmdHelp);
    setTabOrder(cmdHelp, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdExpand);
    setTabOrder(cmdExpand, cmdCollapse);

    scroll_ = std::make_unique<QtOutlineScrollBar>(vsOTL);
    list_ = std::make_unique<QtInfoList>(lstMiscOther);
    container_ = std::make_unique<QtSplitControl>(picContainer, ControlKind::PictureBox);
    bar_ = std::make_unique<QtSplitControl>(butSplit, ControlKind::PictureBox);
    otlCtl_ = std::make_unique<QtSplitControl>(picOTL, ControlKind::PictureBox);
    vsCtl_ = std::make_unique<QtSplitControl>(vsOTL, ControlKind::VScrollBar);
    infoCtl_ = std::make_unique<QtSplitControl>(picFileInfo, ControlKind::PictureBox);
    listCtl_ = std::make_unique<QtSplitControl>(lstMiscOther, ControlKind::ListBox);

    connect(cmdSelectAll, &QPushButton::clicked, this, [this] { otl_->SelectAll(); });
    connect(cmdDeselect, &QPushButton::clicked, this, [this] { otl_->DeselectAll(); });
    connect(cmdSelectNewer, &QPushButton::clicked, this, [this] { otl_->SelectNewer(); });
    connect(cmdExpand, &QPushButton::clicked, this, [this] { otl_->OutlineExpandAll(); });
    connect(cmdCollapse, &QPushButton::clicked, this, [this] { otl_->OutlineCollapseAll(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(vsOTL, &QScrollBar::valueChanged, this, [this] { vsOTL_Change(); });
    picOTL->MouseDown = [this](Qt::MouseButton, int X, int Y) { picOTL_MouseDown(X, Y); };
    picOTL->MouseUp = [this](Qt::MouseButton, int X, int Y) {
        if (picOTL->rect().contains(X, Y)) picOTL_Click();
    };
    picOTL->installEventFilter(this);
    butSplit->MouseDown = [this](Qt::MouseButton, int, int) { butSplit_MouseDown(); };
    butSplit->MouseMove = [this](Qt::MouseButtons, int X, int) { butSplit_MouseMove(static_cast<int>(Tw(X))); };
    butSplit->MouseUp = [this](Qt::MouseButton, int, int) { butSplit_MouseUp(); };

    Form_Load();
}

frmProjectFile::~frmProjectFile() {
    // Form_Unload: the splitter and the outline go with the window.
    splitter_.reset();
    otl_.reset();
}

void frmProjectFile::Form_Load() {
    Trapped("Form_Load line: 0", [&] {
        TraceGuard trace(TraceKind::Events, "Form_Load(frmProjectFile)");
        setWindowIcon(ProgramIcon());
        cmdHelp->setEnabled(!helpFile_.empty());
        otl_ = std::make_unique<cotlControl>();
        otl_->OutlineBmpSetup(imgOutline[3], "", imgOutline[0], "", imgOutline[6], "", imgOutline[8]);
        otl_->OutlineBmpCheckedSetup(imgOutline[4], imgOutline[1], imgOutline[5], imgOutline[2], imgOutline[7]);
        otl_->LoadPicture = [](const std::string& file, Bitmap32& picture) {
            QImage image;
            if (!image.load(FromAnsi(file))) return false;
            picture = ToBitmap32(image);
            return true;
        };
        otl_->OutlineSetup(*picOTL, *scroll_, *picFileInfo, *list_, "Project, Type, Item", true, true, true, true,
                           0x800000, 0xFFFFFF);
        otl_->OutlineSetData(historyFile_);
        otl_->OutlineRefresh();
        picOTL_Click();
        splitter_ = std::make_unique<CSplitter>();
        splitter_->Register(*bar_, 0);
        splitter_->Add(*otlCtl_, true, true);
        splitter_->Add(*vsCtl_, true, false);
        splitter_->Add(*infoCtl_, false, true);
        splitter_->Add(*listCtl_, false, true);
        sbSetToolTips();
    });
}

void frmProjectFile::sbSetToolTips() {
    cmdExpand->setToolTip("Expand all branches to see all files");
    cmdCollapse->setToolTip("Collapse all branches to see all files");
    cmdSelectNewer->setToolTip(
        FromAnsi("Select only files that have been modified since last " + app::kProductName));
    cmdSelectAll->setToolTip("Select all files");
    cmdDeselect->setToolTip("Deselect all files");
    cmdHelp->setToolTip("Display help for Project File Processing");
    cmdOK->setToolTip("Process all selected files");
    cmdCancel->setToolTip("Close Project dialog without any processing");
    picOTL->SetToolTipText("Click on a file to toggle the selection indicated by "
                           "the red file indicator or to expand/collapse a branch");
}

void frmProjectFile::Form_Resize() {
    if (!splitter_) return;
    if (oAppInfo && oAppInfo->ScrollBarWidth > 0) vsOTL->resize(Px(static_cast<long>(oAppInfo->ScrollBarWidth)), vsOTL->height());
    splitter_->PositionControls(*container_);
    if (oDebug && oDebug->LogClasses && oLog)
        for (QWidget* w : findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                oLog->LogData("Control " + w->objectName().toStdString() + " Left=" + std::to_string(Tw(w->x())) +
                              " Top=" + std::to_string(Tw(w->y())) + " Visible=" + (w->isVisible() ? "True" : "False"));
    update();
}

void frmProjectFile::Form_Activate() { Ui().SetMousePointer(pointer::vbDefault); }

void frmProjectFile::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void frmProjectFile::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

bool frmProjectFile::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picOTL && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = VBKeyCode(key->key(), key->modifiers());
        if (code != 0 && code != 9 && code != 13 && code != 27) {
            picOTL_KeyDown(code);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmProjectFile::picOTL_Click() {
    otl_->OutlineClick();
    otl_->OutlineRefresh();
    otl_->DisplayData();
}

void frmProjectFile::picOTL_KeyDown(int KeyCode) {
    otl_->OutlineKeyPress(KeyCode);
    otl_->DisplayData();
}

void frmProjectFile::picOTL_MouseDown(int X, int Y) {
    otl_->OutlineMouseDown2Line(static_cast<double>(Tw(Y)), static_cast<double>(Tw(X)));
}

void frmProjectFile::vsOTL_Change() {
    if (!otl_) return;
    otl_->OutlineScroll(vsOTL->value());
    otl_->DisplayData();
}

void frmProjectFile::butSplit_MouseDown() { dragging_ = true; }

void frmProjectFile::butSplit_MouseMove(int X) {
    if (!dragging_) return;
    const int left = fnSplitBarLeft(static_cast<int>(Tw(butSplit->x())), static_cast<int>(Tw(butSplit->width())), X,
                                    static_cast<int>(Tw(width())));
    butSplit->move(Px(left), butSplit->y());
}

void frmProjectFile::butSplit_MouseUp() {
    if (splitter_) splitter_->Split();
    dragging_ = false;
}

void frmProjectFile::cmdOK_Click() {
    bool ok = false;
    otl_->GetSelected(ok);
    if (!ok) {
        Ui().MsgBox("No files have been selected\r\nCannot proceed", mb::vbExclamation, app::kTitle);
        return;
    }
    hide();
    if (oDebug->LogApp && oLog)
        for (long i = 1; i <= oFile->Count(); ++i) {
            const cFileDesc& f = oFile->Item(i);
            oLog->LogData("Selected file:" + f.FileName + " type " + std::to_string(f.FileType) + " " +
                          std::to_string(f.WhichFile) + " " + std::to_string(f.WhichProject));
        }
}

void frmProjectFile::cmdCancel_Click() {
    Trapped("cmdCancel_Click", [&] {
        TraceGuard trace(TraceKind::Events, "cmdCancel_Click(frmProjectFile)");
        oDebug->StatusCode = 8;
        hide();
    });
}

void frmProjectFile::reject() {
    // Esc and the close box are Cancel: a choice closed any other way must
    // not count as confirmed.
    cmdCancel_Click();
}

void frmProjectFile::cmdHelp_Click() {
    try {
        TraceGuard trace(TraceKind::Events, "cmdHelp_Click(frmProjectFile)");
        oWindow->CallWinHelp(helpFile_, HELP_CONTEXT, 12000);
    } catch (const std::exception&) {
        ERHandlerForCurrentException("cmdHelp_Click");
    }
}
