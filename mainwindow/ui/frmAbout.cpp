#include "mainwindow_ui/frmAbout.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform_ui/AnsiText.h"
#include "common/AppIdentity.h"
#include "platform_ui/DesignFont.h"
#include "common/ErrorTrap.h"
#include "platform_ui/ProgramIcon.h"
#include "mainwindow/SysInfo.h"
#include "common/Trace.h"
#include "platform_ui/Twips.h"
#include "platform/UiServices.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"

namespace {

struct LabelPlace {
    int Index, Left, Top, Width, Height;
};

// Design places in twips; label 14 is wide enough for its text in the
// fonts found on Linux.
constexpr LabelPlace kLabels[] = {
    {0, 840, 135, 3555, 255},   {1, 855, 405, 5475, 255},   {2, 855, 675, 4035, 255},   {3, 840, 900, 4035, 255},
    {4, 840, 1140, 4035, 255},  {14, 855, 1455, 4725, 195}, {5, 855, 1710, 4725, 195},  {6, 855, 1965, 4725, 195},
    {15, 840, 2520, 4725, 195}, {17, 840, 2760, 5460, 255}, {16, 840, 3000, 5460, 255}, {8, 840, 3240, 5775, 255},
    {9, 840, 3540, 5460, 195},  {10, 840, 3675, 5460, 195}, {11, 840, 3810, 5460, 195}, {12, 840, 3945, 5460, 195},
    {13, 840, 4065, 5460, 195},
};

QFrame* Rule(QWidget* parent, const QString& name, int top) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Px(840), Px(top) - 1, Px(6350 - 840), 2);
    return line;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About App");
    setFont(DesignFont());
    setFixedSize(Px(6600), Px(4395));

    pic = new QLabel(this);
    pic->setObjectName("pic");
    pic->setGeometry(Px(120), Px(120), Px(480), Px(480));
    cmdOk = new QPushButton("&OK", this);
    cmdOk->setObjectName("cmdOk");
    cmdOk->setGeometry(Px(5100), Px(150), Px(1365), Px(375));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    cmdSysInfo = new QPushButton("&System Info", this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdSysInfo->setGeometry(Px(5100), Px(600), Px(1365), Px(375));
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });

    for (const LabelPlace& p : kLabels) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("lbl_%1").arg(p.Index));
        label->setGeometry(Px(p.Left), Px(p.Top), Px(p.Width), Px(p.Height));
        lbl[p.Index] = label;
    }
    Lines[1] = Rule(this, "Lines_1", 2490);
    Lines[0] = Rule(this, "Lines_0", 3480);
}

void frmAbout::Form_Load() {
    TraceGuard trace(TraceKind::Events, "Form_Load(frmAbout)");
    setWindowIcon(ProgramIcon());
    pic->setPixmap(ProgramIcon().pixmap(pic->size()));
    miSavedPointer = Ui().MousePointer();
    Ui().SetMousePointer(pointer::vbHourglass);

    setWindowTitle(FromAnsi("About " + app::kFileDescription));
    auto set = [this](int index, const std::string& text) { lbl[index]->setText(FromAnsi(text)); };
    set(0, app::kFileDescription);
    set(1, "Version " + oAppInfo->AppVersion());
    set(2, app::kLegalCopyright);
    set(3, app::kPostalAddress);
    set(4, "Phone: " + app::kSupportPhone);
    set(5, oAppInfo->User());
    set(6, oAppInfo->Company());
    set(14, "This product is being used by");
    set(15, "Technical Support:");
    set(17, "E-mail: " + app::kSupportEmail);
    set(16, "Fax: " + app::kSupportFax);
    set(8, "Web: " + app::kWebSite);
    for (int i = 9; i <= 13; ++i) set(i, "");

    const std::string tool = fsSysInfoPath();
    cmdSysInfo->setEnabled(!tool.empty() && FileExists(tool));
    Ui().SetMousePointer(miSavedPointer);
}

void frmAbout::Form_Unload() {
    if (mblnUnloaded) return;
    TraceGuard trace(TraceKind::Events, "Form_Unload(frmAbout)");
    mblnUnloaded = true;
    Ui().SetMousePointer(miSavedPointer);
}

void frmAbout::cmdOk_Click() {
    TraceGuard trace(TraceKind::Events, "cmdOk_Click(frmAbout)");
    Form_Unload();
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    Trapped("(frmAbout): cmdSysInfo_Click", [] {
        TraceGuard trace(TraceKind::Events, "cmdSysInfo_Click(frmAbout)");
        StartSysInfo();
    });
}

void frmAbout::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QDialog::closeEvent(event);
}

void sbShowAboutWindow(QWidget* parent) {
    frmAbout about(parent);
    about.Form_Load();
    oWindow->Center(&about);
    about.exec();
    about.Form_Unload();
}
