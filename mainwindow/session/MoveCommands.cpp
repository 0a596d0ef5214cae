// Moving from one file of the session to another, and ending the session
// with its temporary files.
#include "common/AppIdentity.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "engine/ProcessFile.h"
#include "session/SessionCommands.h"
#include "mainwindow/SessionState.h"
#include "session/SessionWindow.h"
#include "platform/TempFiles.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"

namespace {

// Clears the check marks of the View list, item by item, until the first
// item that does not exist; the current file's item is checked when
// `checkCurrent` is set.
void MarkCurrentInViewList(ISessionWindow& w, bool checkCurrent) {
    IgnoringErrors([&] {
        for (long item = 0; item < oFile->Count(); ++item)
            if (!w.SetViewFileChecked(static_cast<int>(item), false)) break;
        if (checkCurrent && giFileIndex >= 1) w.SetViewFileChecked(giFileIndex - 1, true);
    });
}

}  // namespace

void sbProjectDo(ISessionWindow& w, int fileIndex) {
    TraceGuard trace(TraceKind::App, "sbProjectDo(frmZelker)");
    Trapped("(frmZelker): sbProjectDo", [&] {
        bool ok = false;
        sbProcessSelection(fileIndex, ok);
        if (!ok) return;
        const bool shown = w.ShowFile("INOUT", giFileIndex);
        sbButtonsOpen(w);
        if (!shown) {
            sbButtonsUnavailable(w);
            // The frame says little once the message box is gone: the status
            // line keeps what happened.
            std::string name, folder;
            sbFileNameFromDir(oFile->Item(giFileIndex).FileName, name, folder);
            sbMsgBar("File " + name + " Not Available", false, gctlStatus);
        } else if (static_cast<size_t>(giFileIndex) < gblnFileZelked.size() &&
                   gblnFileZelked[static_cast<size_t>(giFileIndex)]) {
            // Back at a file with unsaved output: the viewer shows that
            // output, and every command of a zelked file is offered again.
            sbButtonsZelked(w);
            w.SetChecked("mnuViewShow_0", false);
            w.SetChecked("mnuViewShow_1", true);
        }
        for (const char* item : {"mnuProcessSkipFile", "mnuProcessNext_0", "mnuProcessNext_1"}) w.SetEnabled(item, true);
    });
}

void mnuProcessNext_Click(ISessionWindow& w, int index) {
    TraceGuard trace(TraceKind::Events, "mnuProcessNext_Click(frmZelker)");
    Trapped("(frmZelker): mnuProcessNext_Click", [&] {
        if (index == 0 && giFileIndex < oFile->Count()) {
            ++giFileIndex;
            sbProjectDo(w, giFileIndex);
        } else if (index == 1 && giFileIndex > 1) {
            --giFileIndex;
            sbProjectDo(w, giFileIndex);
        }
    });
    MarkCurrentInViewList(w, true);
}

void mnuProcessSkipFile_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuProcessSkipFile_Click(frmZelker)");
    Trapped("(frmZelker): mnuProcessSkipFile_Click", [&] {
        if (oAppInfo->IsAProjectFile || gblnMultiFile) {
            mnuProcessNext_Click(w, 0);
            return;
        }
        // A session of one file: the file stays open, out of view.
        w.HideFileFrame();
        w.ClearRecordLabel();
        sbButtonsDisable(w);
    });
}

void mnuProcessDiscardFile_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuProcessDiscardFile_Click(frmZelker)");
    mnuFileClose_Click(w, 0);
}

void mnuViewFile_Click(ISessionWindow& w, int index) {
    TraceGuard trace(TraceKind::Events, "mnuViewFile_Click(frmZelker)");
    MarkCurrentInViewList(w, false);
    Trapped("(frmZelker): mnuViewFile_Click", [&] {
        // The eighth item always opens the Files window, whatever it names.
        if (index == 7) {
            const int chosen = w.ShowFileList();
            // Only a file of the session is made current, never position 0.
            if (chosen >= 0 && chosen < oFile->Count()) {
                giFileIndex = chosen + 1;
                sbProjectDo(w, giFileIndex);
            }
        } else if (index >= 0 && index < oFile->Count()) {
            w.SetViewFileChecked(index, true);
            giFileIndex = index + 1;
            sbProjectDo(w, giFileIndex);
        }
        w.BringToTop();
    });
}

void sbCleanAll(ISessionWindow& w) {
    TraceGuard trace(TraceKind::App, "sbCleanAll(frmZelker)");
    IgnoringErrors([&] {
        const long count = oFile ? oFile->Count() : 0;
        if (count <= 0) return;
        for (long item = 1; item <= count; ++item) w.UnloadViewFileItem(static_cast<int>(item));
        sbKillAllTemp(w);
        w.UnloadFileList();
    });
    IgnoringErrors([&] {
        w.SetVisible("mnuViewFile_0", false);
        w.SetVisible("mnuViewDash2", false);
    });
    oFile = std::make_unique<cFileCollection>();
    gsTempOutFile.clear();
    gsTempLogFile.clear();
    gblnFileZelked.clear();
    gblnUnsaved = false;
    oAppInfo->IsAProjectFile = false;
    IgnoringErrors([&] {
        w.HideFileFrame();
        w.ClearRecordLabel();
    });
    IgnoringErrors([&] { sbButtonsDisable(w); });
    IgnoringErrors([&] { w.SetWindowCaption(app::kTitle); });
}

void sbKillAllTemp(ISessionWindow& w) {
    TraceGuard trace(TraceKind::App, "sbKillAllTemp(frmZelker)");
    for (size_t i = 1; i < gsTempOutFile.size(); ++i) {
        IgnoringErrors([&] { sbKillTemp(static_cast<int>(i)); });
        IgnoringErrors([&] { w.UnloadViewFileItem(static_cast<int>(i)); });
    }
    // Whatever else this copy left in its own folder; another copy's files
    // live in that copy's folder and are never touched.
    IgnoringErrors([] { tempfiles::DeleteOwn(tempfiles::OwnDir()); });
    Ui().DoEvents();
    IgnoringErrors([&] {
        w.SetVisible("mnuViewDash2", false);
        w.SetVisible("mnuViewFile_0", false);
        w.SetChecked("mnuViewFile_0", false);
    });
}
