#include "mainwindow/DebugMenu.h"

#include <filesystem>

#include "common/AppIdentity.h"
#include "common/ErrorReport.h"
#include "common/ErrorTrap.h"
#include "common/IProgressView.h"
#include "platform/KeyCodes.h"
#include "platform/Paths.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

namespace {

const std::string kForm = "(frmZelker)";
constexpr const char* kCrLf = "\r\n";
constexpr int kAllModifiers = vbkey::vbShiftMask | vbkey::vbCtrlMask | vbkey::vbAltMask;
// The test error: the object-error base plus 1234.
constexpr long kGeneratedError = -2147220270;

struct Switch {
    const char* Name;
    bool cDebug::*Member;
};

constexpr Switch kSwitches[] = {
    {"mnuDebugDisableErrorTraps", &cDebug::DontTrapErrors},
    {"mnuDebugDisableFixDataErrors", &cDebug::DontFixDataErrors},
    {"mnuDebugTraceApp", &cDebug::LogApp},
    {"mnuDebugLogEvents", &cDebug::LogEvents},
    {"mnuDebugMouseEvents", &cDebug::LogMouseEvents},
    {"mnuDebugLogClasses", &cDebug::LogClasses},
    {"mnuDebugLogTracePackages", &cDebug::LogZurudUvu},
};

// The order in which hiding the menu switches the states off; event
// tracing stays as it is.
constexpr const char* kSwitchOffOrder[] = {
    "mnuDebugDisableErrorTraps", "mnuDebugDisableFixDataErrors", "mnuDebugLogClasses",
    "mnuDebugLogTracePackages",  "mnuDebugMouseEvents",          "mnuDebugTraceApp",
};

std::string TrueFalse(bool on) { return on ? "True" : "False"; }

// The running program's own file: its folder and its name as the system
// knows it (no extension on this system).
std::string ExePath() { return paths::Join(paths::ProgramDir(), paths::ExeName()); }

void LogItems(ICommandControls& c, bool open) {
    c.SetEnabled("mnuDebugLogClose", open);
    c.SetEnabled("mnuDebugOpenAppendLog", !open);
    c.SetEnabled("mnuDebugOpenNewLog", !open);
}

bool Held(int shift, int mask) { return (shift & mask) == mask; }

}  // namespace

std::string fsAppendLogName() { return paths::Join(paths::ProgramDir(), "DB_VEZUZ.LOG"); }

DebugChord fnDebugChord(int keyCode, int shift, bool& armed) {
    const bool ctrl = Held(shift, vbkey::vbCtrlMask);
    switch (keyCode) {
        case vbkey::vbKeyF8:
            return ctrl ? DebugChord::ShowSplash : DebugChord::None;
        case vbkey::vbKeyF13:
            if (ctrl) armed = !armed;
            return DebugChord::None;
        case vbkey::vbKeyF14: {
            const bool toggle = ctrl && armed;
            armed = false;
            return toggle ? DebugChord::ToggleDebugMenu : DebugChord::None;
        }
        default:
            armed = false;
            return DebugChord::None;
    }
}

bool fbIsDebugSwitch(const std::string& name) {
    for (const Switch& s : kSwitches)
        if (name == s.Name) return true;
    return false;
}

void mnuDebugSwitch_Click(ICommandControls& c, const std::string& name) {
    TraceGuard trace(TraceKind::Events, name + "_Click" + kForm);
    Trapped(kForm + ": " + name + "_Click", [&] {
        for (const Switch& s : kSwitches) {
            if (name != s.Name) continue;
            c.SetChecked(name, !c.Checked(name));
            bool& member = (*oDebug).*(s.Member);
            member = c.Checked(name);
            // The two error switches are kept at once, with the trace
            // switches as they stand.
            if (s.Member == &cDebug::DontTrapErrors || s.Member == &cDebug::DontFixDataErrors) {
                sbINIPutDebug();
                if (oDebug->LogEvents) {
                    const char* key = s.Member == &cDebug::DontTrapErrors ? "DontTrapErrors=" : "FixDataErrors=";
                    oLog->LogData(key + TrueFalse(member));
                }
            }
        }
    });
}

void mnuDebugLogClose_Click(ICommandControls& c) {
    TraceGuard trace(TraceKind::Events, "mnuDebugLogClose_Click" + kForm);
    Trapped(kForm + ": mnuDebugLogClose_Click", [&] {
        oLog->LogClose();
        LogItems(c, false);
        sbEnableDebugItems(c);
        oAppInfo->Logging = false;
    });
}

void mnuDebugOpenAppendLog_Click(ICommandControls& c) {
    TraceGuard trace(TraceKind::Events, "mnuDebugOpenAppendLog_Click" + kForm);
    Trapped(kForm + ": mnuDebugOpenAppendLog_Click", [&] {
        const std::string name = fsAppendLogName();
        oLog->LogFileName(name);
        oLog->LogClose();
        oLog->LogOpen(name, 0);
        LogItems(c, true);
        sbEnableDebugItems(c);
        oAppInfo->Logging = true;
        oLog->LogData(std::string("=====>") + kCrLf + oAppInfo->AppVersion() + kCrLf + ExePath() + kCrLf +
                      "<=====");
    });
}

void mnuDebugOpenNewLog_Click(ICommandControls& c) {
    TraceGuard trace(TraceKind::Events, "mnuDebugOpenNewLog_Click" + kForm);
    Trapped(kForm + ": mnuDebugOpenNewLog_Click", [&] {
        oLog->LogClose();
        // From here a failing step is passed over and the next one runs.
        clsCommonDialog& dlg = *oCommonDialog;
        IgnoringErrors([&] {
            // One file, which need not exist yet: no multiple selection.
            dlg.flags = cdl::OFN_HIDEREADONLY | cdl::OFN_PATHMUSTEXIST | cdl::OFN_EXPLORER | cdl::OFN_LONGNAMES;
            dlg.MaxFileSize = 2048;
            dlg.Filter = "LOG Files|*.LOG|All Files (*.*)|*.*";
            dlg.FileName = "DB_VEZUZ.LOG";
            dlg.InitDir = paths::ProgramDir();
            dlg.hWndOwner = 0;
            dlg.CancelError = true;
        });
        try {
            dlg.ShowOpen();
        } catch (const std::exception&) {
            return;  // cancelled or failed: no log
        }
        if (dlg.WasCanceled || dlg.FileName.empty()) return;
        IgnoringErrors([&] {
            oLog->LogFileName(dlg.FileName);
            oLog->LogOpen(dlg.FileName, 1);
        });
        IgnoringErrors([&] { LogItems(c, true); });
        IgnoringErrors([&] { sbEnableDebugItems(c); });
        oAppInfo->Logging = true;
        IgnoringErrors([&] {
            const std::string exe = ExePath();
            if (!FileExists(exe)) return;
            const auto size = std::filesystem::file_size(exe);
            oLog->LogData(std::string("=====>") + kCrLf + paths::ExeName() + ": " + " Date of EXE: " +
                          oAppInfo->AppVersion() + " Size of EXE: " + std::to_string(size) + kCrLf + "<=====");
        });
    });
}

void sbToggleDebugMenu(ICommandControls& c, IDebugWindow& w) {
    const bool shown = !w.Visible("mnuDebug");
    c.SetVisible("mnuDebug", shown);
    oAppInfo->DebugMenu = shown;
    if (shown) {
        sbMsgBar("Logging to " + oLog->LogFileName(), false, gctlStatus);
        return;
    }
    for (const char* name : kSwitchOffOrder)
        if (c.Checked(name)) mnuDebugSwitch_Click(c, name);
    if (c.Enabled("mnuDebugLogClose")) mnuDebugLogClose_Click(c);
    oLog->LogFileName("");
    sbMsgBar("Logging is off ", false, gctlStatus);
}

void Form_KeyDown(ICommandControls& c, IDebugWindow& w, int keyCode, int shift, bool& armed) {
    TraceGuard trace(TraceKind::Events, "Form_KeyDown" + kForm);
    const std::string proc = kForm + ": Form_KeyDown";
    Trapped(proc, [&] {
        if (oDebug->LogEvents) oLog->LogData("Key/Shift=" + vb::Str(static_cast<long long>(keyCode)) +
                                             vb::Str(static_cast<long long>(shift)));
        switch (fnDebugChord(keyCode, shift, armed)) {
            case DebugChord::ShowSplash:
                // Errors in showing the splash window are passed over.
                IgnoringErrors([&] {
                    w.ShowSplashModal();
                    w.BringToTop();
                });
                return;
            case DebugChord::ToggleDebugMenu:
                sbToggleDebugMenu(c, w);
                break;
            case DebugChord::None:
                break;
        }
        if (keyCode == vbkey::vbKeyF2 && Held(shift, kAllModifiers) && giRunMode == 3) {
            if (Ui().MsgBox("Are You Sure You Want to Stop?", mb::vbYesNo | mb::vbQuestion, app::kTitle) ==
                mb::vbYes && !fbBreakIntoDebugger())
                EndProgram(0);
        }
        if (keyCode == vbkey::vbKeyF3 && Held(shift, kAllModifiers)) {
            if (Ui().MsgBox("Are You Sure You Want Generate an error?", mb::vbYesNo | mb::vbQuestion, app::kTitle) ==
                mb::vbYes)
                throw VBError(kGeneratedError, "Zelker Generated Error", proc, proc);
        }
        if (keyCode == vbkey::vbKeyF4 && Held(shift, vbkey::vbAltMask)) w.UnloadMainWindow();
    });
}
