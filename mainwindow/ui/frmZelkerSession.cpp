// The session commands the main window needs to run as a whole program
// until the session (choosing files, zelking, saving, closing) is built:
// Open shows the first chosen file, Exit ends the program.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>

#include "AnsiText.h"
#include "AppIdentity.h"
#include "ErrorTrap.h"
#include "MFILESET.h"
#include "SessionState.h"
#include "StandIns.h"
#include "Trace.h"
#include "UiServices.h"
#include "frmZelker.h"
#include "mINIHandler.h"
#include "mKEMCommon.h"

void frmZelker::mnuFileOpen_Click() {
    TraceGuard trace(TraceKind::Events, "mnuFileOpen_Click(frmZelker)");
    oFile = std::make_unique<cFileCollection>();
    sbSizeSessionArrays(0);
    gblnUnsaved = false;
    oAppInfo->IsAProjectFile = false;
    fraFile->hide();
    lblRecord->setText("");
    setWindowTitle(FromAnsi(app::kTitle));
    sbButtonsDisable();

    oDebug->ClearStatus();
    GetFilesToProcess(0);
    if (oDebug->StatusCode == 8) {
        oDebug->ClearStatus();
        sbButtonsDisable();
        return;
    }
    sbButtonsOpen();
    oDebug->ClearStatus();
    sbSizeSessionArrays(oFile->Count());
    gblnMultiFile = oFile->Count() > 1;
    giFileIndex = 1;
    bool ok = false;
    sbProcessSelection(giFileIndex, ok);
    if (ok) {
        sbShowFile("INFILE", giFileIndex);
        sbButtonsOpen();
    }
    Ui().SetMousePointer(pointer::vbDefault);
}

void frmZelker::mnuFileExit_Click() {
    TraceGuard trace(TraceKind::Events, "mnuFileExit_Click(frmZelker)");
    close();
}

bool frmZelker::Form_Unload() {
    // A running zelk finishes first.
    if (mblnZelking) return false;
    TraceGuard trace(TraceKind::Events, "Form_Unload(frmZelker)");
    UnhookText();
    auto step = [](auto&& f) {
        try {
            f();
        } catch (const std::exception&) {
        }
    };
    step([] { sbCloseFile(); });
    step([] { sbINIPutInfo(); });
    mblnUnloaded = true;
    gblnProgramEnding = true;
    QApplication::quit();
    return true;
}
