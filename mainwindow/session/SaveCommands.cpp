// Save and Save All, the Options command with its offer to zelk again, and
// the Help menu's commands.
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "session/SaveAFile.h"
#include "session/SessionCommands.h"
#include "mainwindow/SessionState.h"
#include "session/SessionWindow.h"
#include "options/OptionsChanged.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "common/WindowHelpers.h"
#include "common/cWindow.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

namespace {

// Saves file `index`; a save that took place clears its marker.
void SaveOne(ISessionWindow& w, int index) {
    bool saved = false;
    sbSaveAFile(index, w.Settings(), saved, &w);
    if (saved) gblnFileZelked[static_cast<size_t>(index)] = false;
}

bool OfferToZelkAgain(const cFileCollection& files, bool zelkEnabled) {
    if (giFileIndex <= 0 || files.Count() < 1 || !zelkEnabled || files.Item(1).FileName.empty()) return false;
    const std::string what = files.Count() > 1 ? "Zelk All Files?" : "Run Zelk Now?";
    return Ui().MsgBox("Zelk Options May Have Changed\r\n\r\n" + what, mb::vbYesNo | mb::vbQuestion, "Zelk") ==
           mb::vbYes;
}

}  // namespace

void mnuFileSave_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuFileSave_Click(frmZelker)");
    Trapped("(frmZelker): mnuFileSave_Click", [&] {
        SaveOne(w, giFileIndex);
        gblnUnsaved = fbAnyUnsaved();
        const std::string said = gctlStatus ? gctlStatus->Caption() : std::string();
        // A saved file closes without a question; one whose save did not
        // take place is asked about before its output is discarded.
        mnuFileClose_Click(w, 0);
        // Showing the next file says nothing worth more than how the save
        // went.
        sbMsgBar(said, false, gctlStatus);
    });
}

void mnuFileSaveAll_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuFileSaveAll_Click(frmZelker)");
    Trapped("(frmZelker): mnuFileSaveAll_Click", [&] {
        sbMsgBar("Save all Zelked Files", false, gctlStatus);
        if (oFile->Count() <= 0) return;
        for (long i = 1; i <= oFile->Count(); ++i) {
            const size_t at = static_cast<size_t>(i);
            if (at < gblnFileZelked.size() && gblnFileZelked[at]) SaveOne(w, static_cast<int>(i));
        }
        gblnUnsaved = fbAnyUnsaved();
        sbSaveCommandsState(w);
    });
}

void mnuOptions_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuOptions_Click(frmZelker)");
    Trapped("(frmZelker): mnuOptions_Click", [&] {
        sbMsgBar("Setting Zelking Options", false, gctlStatus);
        w.ShowOptionsDialog();
        w.BringToTop();
        if (!gblnOptionsChanged) return;
        sbINIPutInfo(w.Settings());
        if (!OfferToZelkAgain(*oFile, w.Enabled("mnuProcessZelk"))) return;
        if (oFile->Count() > 1)
            mnuProcessZelkAll_Click(w, 0);
        else
            mnuProcessZelk_Click(w);
    });
}

void mnuHelpContents_Click(ISessionWindow&) {
    TraceGuard trace(TraceKind::Events, "mnuHelpContents_Click(frmZelker)");
    Trapped("(frmZelker): mnuHelpContents_Click", [] { oWindow->CallWinHelp(gsHelpFile, HELP_FINDER, 0); });
}

void mnuHelpAbout_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuHelpAbout_Click(frmZelker)");
    Trapped("(frmZelker): mnuHelpAbout_Click", [&] {
        gblnStarting = false;
        w.ShowAbout();
        w.BringToTop();
    });
}
