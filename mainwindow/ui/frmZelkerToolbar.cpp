// The main window's toolbar (its 24 positions, clicks, hover and paint), the
// View menu's switches and the popup menu's dispatch.
#include <QFrame>

#include "common/ErrorTrap.h"
#include "platform_ui/QtPictureBox.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"

namespace {

struct ToolbarPosition {
    int Position;
    long Image;  // -1 a separator
    const char* ToolTip;
    const char* StatusHelp;
    const char* DisabledHelp;  // nullptr: the status help
};

constexpr ToolbarPosition kPositions[] = {
    {1, -1, "", "", nullptr},
    {2, -1, "", "", nullptr},
    {3, 1, "Open", "Open a file or project for processing", nullptr},
    {4, 2, "Save", "Save this file", "Not available unless a file is open"},
    {5, -1, "", "", nullptr},
    {6, 3, "Zelk", "Zelk this file using current options", "Zelking not currently available"},
    {7, 13, "Zelk and Save All", "Zelk and save all files using current options", "Zelking not currently available"},
    {8, -1, "", "", nullptr},
    {9, 4, "Discard", "Discard Zelked file ", "Not Available"},
    {10, -1, "", "", nullptr},
    {11, 14, "Start of Code", "Go to first line of code ", nullptr},
    {12, -1, "", "", nullptr},
    {13, 5, "View Input File", "View the Input File", "Not available"},
    {14, 6, "View Output File", "View the Output Zelked File", "Not available"},
    {15, 7, "View Log File", "View Zelker Log File ", "Not available"},
    {16, -1, "", "", nullptr},
    {17, 8, "Prior File", "Display the Prior File in list", "Not available"},
    {18, 9, "Next File", "Display the Next File in list", "Not available"},
    {19, -1, "", "", nullptr},
    {20, 11, "Set Zelker Options", "Set Zelker Options", nullptr},
    {21, -1, "", "", nullptr},
    {22, 10, "QuindyPrinter", "Call Quindy Print to print this file", "Not available"},
    {23, -1, "", "", nullptr},
    {24, 12, "Help", "Help", "Not available - Help file Missing"},
};

// The command of a clicked position, by Button - 3.
const char* CommandOfPosition(int button) {
    switch (button - 3) {
        case 0: return "mnuFileOpen";
        case 1: return "mnuFileSave";
        case 3: return "mnuProcessZelk";
        case 4: return "mnuProcessZelkAll_0";
        case 6: return "mnuFileClose_0";
        case 8: return "mnuViewStart_0";
        case 10: return "mnuViewShow_0";
        case 11: return "mnuViewShow_1";
        case 12: return "mnuViewShow_2";
        case 14: return "mnuProcessNext_1";
        case 15: return "mnuProcessNext_0";
        case 17: return "mnuOptions";
        case 19: return "mnuFilePrint";
        case 21: return "mnuHelpContents";
        default: return nullptr;
    }
}

}  // namespace

void frmZelker::sbSetToolBar() {
    TraceGuard trace(TraceKind::App, "sbSetToolBar(frmZelker)");
    // A failing step of the toolbar's set-up is skipped; the next one runs.
    IgnoringErrors([&] { g_SetToolbarStatushelp(mStatusCaption.get()); });
    IgnoringErrors([&] { g_AddToolbar(picToolBar, &mStrip); });
    const long toolbar = vb::CLng(vb::Val(picToolBar->Tag()));
    for (const ToolbarPosition& p : kPositions) {
        IgnoringErrors([&] {
            std::string disabled = p.DisabledHelp ? p.DisabledHelp : "";
            g_AddToolbarButton(toolbar, p.Position, p.Image, p.StatusHelp, p.ToolTip,
                               p.DisabledHelp ? &disabled : nullptr);
        });
    }
    IgnoringErrors([&] { g_ResizeToolbar(picToolBar); });
    IgnoringErrors([&] { g_CalcToolbarButtons(picToolBar); });
    IgnoringErrors([&] { RedrawToolbar(kButtonEnabled); });
}

void frmZelker::sbToolBarClickEvent(int button) {
    Trapped("(frmZelker): sbToolBarClickEvent", [&] {
        TraceGuard trace(TraceKind::Events, "sbToolBarClickEvent(frmZelker)");
        if (const char* command = CommandOfPosition(button)) RunCommand(command);
    });
}

void frmZelker::picToolBar_MouseDown(Qt::MouseButton button, int X, int Y) {
    Trapped("(frmZelker): picToolBar_MouseDown", [&] {
        TraceGuard trace(TraceKind::MouseEvents, "picToolBar_MouseDown(frmZelker)");
        fbToolbarPressBegin(picToolBar, X, Y, button == Qt::LeftButton, mPress);
    });
}

void frmZelker::picToolBar_MouseMove(Qt::MouseButtons, int X, int Y) {
    giToolbarMouseMove(picToolBar, X, Y);
    if (mPress.Box) sbToolbarPressMove(mPress, X, Y);
}

void frmZelker::picToolBar_MouseUp(Qt::MouseButton button, int X, int Y) {
    if (button != Qt::LeftButton || !mPress.Box) return;
    const long clicked = giToolbarPressEnd(mPress, X, Y);
    if (clicked > 0) sbToolBarClickEvent(static_cast<int>(clicked));
}

void frmZelker::mnuViewStatus_Click() {
    TraceGuard trace(TraceKind::Events, "mnuViewStatus_Click(frmZelker)");
    SetChecked("mnuViewStatus", !Checked("mnuViewStatus"));
    picStatus->setVisible(Checked("mnuViewStatus"));
    oAppInfo->StatusBar = !picStatus->isHidden();
}

void frmZelker::mnuViewToolbar_Click() {
    TraceGuard trace(TraceKind::Events, "mnuViewToolbar_Click(frmZelker)");
    SetChecked("mnuViewToolbar", !Checked("mnuViewToolbar"));
    picToolBar->setVisible(Checked("mnuViewToolbar"));
    oAppInfo->Toolbar = picToolBar->Visible();
}

void frmZelker::mnuViewTooltips_Click() {
    TraceGuard trace(TraceKind::Events, "mnuViewTooltips_Click(frmZelker)");
    SetChecked("mnuViewTooltips", !Checked("mnuViewTooltips"));
    oAppInfo->ToolTips = Checked("mnuViewTooltips");
}

void frmZelker::mnuPopup_Click(int index) {
    static const char* const kCommands[] = {
        "mnuFileOpen",    "mnuProcessZelk", "mnuFileSave",   "mnuFilePrint",  "mnuFileClose_0",
        nullptr,          "mnuViewStart_0", "mnuViewStart_1", "mnuViewShow_0", "mnuViewShow_1",
        "mnuViewShow_2",  nullptr,          "mnuOptions",
    };
    if (index < 0 || index > 12 || !kCommands[index]) return;
    RunCommand(kCommands[index]);
}
