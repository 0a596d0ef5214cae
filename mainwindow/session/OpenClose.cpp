// Opening a session (the Open command and the recent-file entries), closing
// its files, and leaving the program.
#include "common/AppIdentity.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "mainwindow/MFILESET.h"
#include "engine/ProcessFile.h"
#include "session/SessionCommands.h"
#include "mainwindow/SessionState.h"
#include "session/SessionWindow.h"
#include "platform/TempFiles.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "common/cWindow.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"
#include "projects/modFileList.h"
#include "projects/modMRU.h"

namespace {

const char* const kDiscardAllQuestion =
    "You have Zelked files and not saved them. \r\n\r\nDo you want to discard all Zelked files?";

bool Ask(const std::string& prompt, int buttons = mb::vbYesNo, const std::string& title = app::kTitle) {
    return Ui().MsgBox(prompt, buttons | mb::vbQuestion, title) == mb::vbYes;
}

// The question about the old session's unsaved output; false when the user
// keeps it.
bool MayDiscardOldSession() {
    bool keep = false;
    IgnoringErrors([&] {
        keep = gblnUnsaved && !Ask("You have Zelked a file and not saved it. \r\n"
                                   "Do you want to discard this Zelked file?");
    });
    return !keep;
}

// The old session ends.
void EndOldSession(ISessionWindow& w) {
    IgnoringErrors([&] { sbCleanAll(w); });
    IgnoringErrors([&] {
        gblnUnsaved = false;
        oAppInfo->IsAProjectFile = false;
        w.HideFileFrame();
        w.ClearRecordLabel();
        oFile = std::make_unique<cFileCollection>();
        sbSizeFileArrays(0);
    });
    IgnoringErrors([&] { sbButtonsDisable(w); });
}

// Nothing was chosen, or the project driver failed and said so.
bool SelectionFailed() {
    return oDebug->StatusCode == 8 || oFile->Count() == 0 || (oAppInfo->IsAProjectFile && oDebug->StatusCode != 0);
}

void EnableZelkAll(ISessionWindow& w) {
    sbPaintToolBar(7, kButtonEnabled);
    w.SetEnabled("mnuProcessZelkAll_0", true);
    w.SetEnabled("mnuProcessZelkAll_1", true);
}

// The chosen files become the session; its first file is shown.
void OpenChosenFiles(ISessionWindow& w) {
    sbButtonsOpen(w);
    oDebug->StatusCode = 0;
    const long count = oFile->Count();
    if (oAppInfo->IsAProjectFile) {
        sbSizeFileArrays(count);
        LoadViewMenu(w);
        w.SetEnabled("mnuFileSaveAll", true);
        gblnMultiFile = true;
        EnableZelkAll(w);
        // Entry 1 is the project's (or group's) own entry: the first file
        // shown is entry 2.
        giFileIndex = 1;
        mnuProcessNext_Click(w, 0);
    } else if (count == 1) {
        w.SetEnabled("mnuFileSaveAll", false);
        gblnMultiFile = false;
        sbSizeFileArrays(1);
        giFileIndex = 1;
        bool ok = false;
        sbProcessSelection(1, ok);
        if (ok) {
            const bool shown = w.ShowFile("INFILE", 1);
            sbButtonsOpen(w);
            if (!shown) sbButtonsUnavailable(w);
        }
    } else {
        sbViewMenuForFiles(w);
        sbSizeFileArrays(count);
        gblnMultiFile = true;
        EnableZelkAll(w);
        giFileIndex = 1;
        sbProjectDo(w, 1);
    }
}

void CloseCurrentFile(ISessionWindow& w) {
    const int current = giFileIndex;
    if (current >= 1 && static_cast<size_t>(current) < gblnFileZelked.size() && gblnFileZelked[current]) {
        if (!Ask("You have Zelked file " + oFile->Item(current).FileName + " and not saved it. \r\n\r\n" +
                 "Do you want to discard this Zelked file?"))
            return;
        sbKillTemp(current);
        sbButtonsOpen(w);
        // Other files of the session may still hold unsaved output.
        gblnUnsaved = fbAnyUnsaved();
    }
    if (oAppInfo->IsAProjectFile || gblnMultiFile) {
        if (giFileIndex < oFile->Count()) {
            mnuProcessNext_Click(w, 0);
            return;
        }
        // Ending the session deletes every file's output: the files left
        // behind unsaved are asked about first, and No keeps the session.
        if (gblnUnsaved && !Ask(kDiscardAllQuestion)) {
            sbProjectDo(w, giFileIndex);
            return;
        }
    }
    sbCleanAll(w);
    giFileIndex = 0;
}

void CloseAllFiles(ISessionWindow& w) {
    if (gblnUnsaved) {
        // No keeps the session as it is.
        if (!Ask(kDiscardAllQuestion)) return;
        sbKillAllTemp(w);
    } else {
        for (long i = 1; i <= oFile->Count(); ++i) sbKillTemp(static_cast<int>(i));
    }
    sbCleanAll(w);
    giFileIndex = 0;
}

}  // namespace

void mnuFileOpen_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuFileOpen_Click(frmZelker)");
    if (!MayDiscardOldSession()) return;
    // The session stays as it is until files are chosen: Cancel in the
    // dialog changes nothing.
    NameList chosen(1);
    oDebug->StatusCode = 0;
    Trapped("GetFilesToProcess", [&] { GetListFromCommonDialog(&w, chosen, w.Settings()); });
    oDebug->StatusCode = 0;
    if (chosen.size() < 2) {
        Ui().SetMousePointer(pointer::vbDefault);
        return;
    }
    EndOldSession(w);
    GetChosenFilesToProcess(&w, chosen, w.Settings());
    if (SelectionFailed()) {
        oDebug->StatusCode = 0;
        IgnoringErrors([&] { sbButtonsDisable(w); });
    } else {
        OpenChosenFiles(w);
    }
    Ui().SetMousePointer(pointer::vbDefault);
}

void mnuFileMRU_Click(ISessionWindow& w, int index) {
    TraceGuard trace(TraceKind::Events, "mnuFileMRU_Click(frmZelker)");
    if (!MayDiscardOldSession()) return;
    EndOldSession(w);
    // An item without a name (an empty entry) opens nothing.
    if (index < 1 || index > kMRUEntries || gsMRU[static_cast<size_t>(index)].empty()) {
        sbButtonsDisable(w);
        return;
    }
    oDebug->StatusCode = 0;
    GetFilesToProcess(&w, index, w.Settings());
    if (SelectionFailed()) {
        sbButtonsDisable(w);
        return;
    }
    OpenChosenFiles(w);
}

void mnuFileClose_Click(ISessionWindow& w, int index) {
    TraceGuard trace(TraceKind::Events, "mnuFileClose_Click(frmZelker)");
    Trapped("(frmZelker): mnuFileClose_Click", [&] {
        if (index == 0)
            CloseCurrentFile(w);
        else
            CloseAllFiles(w);
    });
}

bool fbFormUnload(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "Form_Unload(frmZelker)");
    // A save that fails keeps its output unsaved: the question comes again
    // rather than the output being deleted below.
    while (gblnUnsaved) {
        const int answer = Ui().MsgBox("You have Zelked files that are not saved. \r\n"
                                       "Do you want to save Zelked files?",
                                       mb::vbYesNoCancel | mb::vbQuestion, app::kTitle);
        if (answer == mb::vbCancel) return false;
        if (answer == mb::vbNo) break;
        mnuFileSaveAll_Click(w);
    }
    w.UnhookText();
    IgnoringErrors([&] { sbKillAllTemp(w); });
    IgnoringErrors([] { tempfiles::RemoveOwnDir(); });
    IgnoringErrors([] { sbCloseFile(); });
    IgnoringErrors([] { oWindow->CallWinHelp(gsHelpFile, HELP_QUIT, 0); });
    IgnoringErrors([&] { sbINIPutInfo(w.Settings()); });
    IgnoringErrors([] { SaveMRU(); });
    return true;
}
