#include "mainwindow/CommandStates.h"

#include "engine/EngineState.h"
#include "mainwindow/SessionState.h"
#include "common/Trace.h"
#include "mainwindow/XTOOLBAR.h"
#include "common/mKEMCommon.h"

namespace {

const std::string kForm = "(frmZelker)";

void Enable(ICommandControls& c, std::initializer_list<const char*> names, bool on) {
    for (const char* n : names) c.SetEnabled(n, on);
}

void Paint(std::initializer_list<int> positions, long state) {
    for (int p : positions) sbPaintToolBar(p, state);
}

constexpr const char* kDebugSwitches[] = {
    "mnuDebugDisableErrorTraps", "mnuDebugDisableFixDataErrors", "mnuDebugLogEvents", "mnuDebugLogClasses",
    "mnuDebugTraceApp",          "mnuDebugLogTracePackages",     "mnuDebugMouseEvents",
};

}  // namespace

void sbPaintToolBar(int position, long state) {
    const std::string name = "sbPaintToolBar" + kForm;
    if (TraceOn(TraceKind::App))
        oLog->LogTraceEnter(name + " Button: " + std::to_string(position) + " State: " + std::to_string(state));
    g_DrawButton(position, state);
    if (TraceOn(TraceKind::App)) oLog->LogTraceExit(name);
}

bool fbAnyUnsaved() {
    for (size_t i = 1; i < gblnFileZelked.size(); ++i)
        if (gblnFileZelked[i]) return true;
    return false;
}

void sbSaveCommandsState(ICommandControls& c) {
    const bool current = giFileIndex >= 1 && static_cast<size_t>(giFileIndex) < gblnFileZelked.size() &&
                         gblnFileZelked[static_cast<size_t>(giFileIndex)];
    sbPaintToolBar(4, current ? kButtonEnabled : kButtonGreyed);
    c.RefreshToolBar();
    Enable(c, {"mnuFileSave", "mnuPopup_2"}, current);
    c.SetEnabled("mnuFileSaveAll", fbAnyUnsaved());
}

void sbButtonsDisable(ICommandControls& c) {
    TraceGuard trace(TraceKind::App, "sbButtonsDisable" + kForm);
    Paint({4, 6, 7, 9, 11, 13, 14, 15, 17, 18, 22}, kButtonGreyed);
    c.RefreshToolBar();
    Enable(c,
           {"mnuFileSave", "mnuFileSaveAll", "mnuFileClose_0", "mnuFileClose_1", "mnuFilePrint", "mnuProcessZelk",
            "mnuProcessZelkAll_0", "mnuProcessZelkAll_1", "mnuProcessNext_0", "mnuProcessNext_1",
            "mnuProcessSkipFile", "mnuViewStart_0", "mnuViewStart_1"},
           false);
    Enable(c, {"mnuPopup_1", "mnuPopup_2", "mnuPopup_3", "mnuPopup_4", "mnuPopup_6", "mnuPopup_7", "mnuPopup_8",
               "mnuPopup_9", "mnuPopup_10"},
           false);
    for (const char* n : {"mnuViewShow_0", "mnuViewShow_1", "mnuViewShow_2"}) {
        c.SetEnabled(n, false);
        c.SetChecked(n, false);
    }
    Enable(c, {"mnuProcessSpell", "mnuProcessDiscardFile"}, false);
}

void sbButtonsOpen(ICommandControls& c) {
    TraceGuard trace(TraceKind::App, "sbButtonsOpen" + kForm);
    Paint({6, 9, 22, 11}, kButtonEnabled);
    if (oAppInfo->IsAProjectFile || gblnMultiFile) {
        Paint({18, 17}, kButtonEnabled);
        Enable(c, {"mnuProcessNext_0", "mnuProcessNext_1"}, true);
        if (giFileIndex == 1) sbPaintToolBar(17, kButtonGreyed);
        if (giFileIndex == oFile->Count()) sbPaintToolBar(18, kButtonGreyed);
    } else {
        Paint({17, 18}, kButtonGreyed);
    }
    c.RefreshToolBar();
    Enable(c, {"mnuPopup_1", "mnuPopup_2", "mnuPopup_3", "mnuPopup_4", "mnuPopup_6", "mnuPopup_7", "mnuPopup_8",
               "mnuPopup_9", "mnuPopup_10"},
           true);
    Enable(c, {"mnuPopup_2", "mnuPopup_8", "mnuPopup_9", "mnuPopup_10"}, false);
    Enable(c, {"mnuFileSave", "mnuFileSaveAll"}, false);
    Enable(c, {"mnuFileClose_0", "mnuFileClose_1", "mnuFilePrint", "mnuProcessZelk"}, true);
    c.SetEnabled("mnuProcessSkipFile", false);
    c.SetEnabled("mnuViewShow_0", true);
    c.SetChecked("mnuViewShow_0", true);
    for (const char* n : {"mnuViewShow_1", "mnuViewShow_2"}) {
        c.SetEnabled(n, false);
        c.SetChecked(n, false);
    }
    Enable(c, {"mnuProcessSpell", "mnuViewStart_0", "mnuViewStart_1"}, true);
    sbSaveCommandsState(c);
}

void sbButtonsZelked(ICommandControls& c) {
    TraceGuard trace(TraceKind::App, "sbButtonsZelked" + kForm);
    Paint({4, 13, 14, 15}, kButtonEnabled);
    c.RefreshToolBar();
    Enable(c, {"mnuFileSave", "mnuFileClose_0", "mnuFileClose_1", "mnuFilePrint", "mnuProcessZelk"}, true);
    c.SetEnabled("mnuProcessSkipFile", false);
    Enable(c, {"mnuViewShow_0", "mnuViewShow_1", "mnuViewShow_2", "mnuProcessSpell", "mnuViewStart_0",
               "mnuViewStart_1"},
           true);
    Enable(c, {"mnuPopup_1", "mnuPopup_2", "mnuPopup_3", "mnuPopup_4", "mnuPopup_6", "mnuPopup_7", "mnuPopup_8",
               "mnuPopup_9", "mnuPopup_10"},
           true);
    sbSaveCommandsState(c);
}

void sbButtonsUnavailable(ICommandControls& c) {
    TraceGuard trace(TraceKind::App, "sbButtonsUnavailable" + kForm);
    Paint({6, 11, 13, 14, 15, 22}, kButtonGreyed);
    c.RefreshToolBar();
    Enable(c, {"mnuProcessZelk", "mnuFilePrint", "mnuProcessSpell", "mnuViewStart_0", "mnuViewStart_1",
               "mnuPopup_1", "mnuPopup_3", "mnuPopup_6", "mnuPopup_7"},
           false);
    c.SetEnabled("mnuViewShow_0", false);
    c.SetChecked("mnuViewShow_0", false);
}

void sbEnableDebugItems(ICommandControls& c) {
    TraceGuard trace(TraceKind::App, "sbEnableDebugItems" + kForm);
    for (const char* n : kDebugSwitches) c.SetEnabled(n, !c.Enabled(n));
}

void EnableDebugItems(ICommandControls& c) {
    TraceGuard trace(TraceKind::App, kForm + ": EnableDebugItems");
    const cDebug& d = *oDebug;
    oAppInfo->DebugMenu = !oLog->LogFileName().empty() || d.DontFixDataErrors || d.DontTrapErrors || d.LogApp ||
                          d.LogZurudUvu || d.LogClasses || d.LogMouseEvents;
    c.SetVisible("mnuDebug", oAppInfo->DebugMenu);
    c.SetChecked("mnuDebugDisableErrorTraps", d.DontTrapErrors);
    c.SetChecked("mnuDebugDisableFixDataErrors", d.DontFixDataErrors);
    c.SetChecked("mnuDebugTraceApp", d.LogApp);
    c.SetChecked("mnuDebugLogEvents", d.LogEvents);
    c.SetChecked("mnuDebugMouseEvents", d.LogMouseEvents);
    c.SetChecked("mnuDebugLogClasses", d.LogClasses);
    c.SetChecked("mnuDebugLogTracePackages", d.LogZurudUvu);
    const bool logNamed = !oLog->LogFileName().empty();
    c.SetEnabled("mnuDebugOpenNewLog", !logNamed);
    c.SetEnabled("mnuDebugOpenAppendLog", !logNamed);
    c.SetEnabled("mnuDebugLogClose", logNamed);
}

bool fbCommandAllowedWhileZelking(const std::string& name) {
    return name == "mnuViewToolbar" || name == "mnuViewTooltips" || name == "mnuViewStatus" ||
           name == "mnuHelpContents" || name == "mnuHelpAbout" || name.rfind("mnuDebug", 0) == 0;
}
