// The print command: hands a file of the session to the separate printing
// program, Quindy Printer, finding that program first when it is not known.
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "common/IProgressView.h"
#include "settings/ProgramOptions.h"
#include "platform/Paths.h"
#include "session/SessionCommands.h"
#include "platform/TempFiles.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "common/clsCommonDialog.h"
#include "common/mKEMCommon.h"

namespace {

const std::string kNotIdentified = "Quindy Printer not Identified";

// Asks for the printing program in the file dialog; false when the user
// declines or cancels (a cancel forgets any stored path).
bool fbIdentifyPrinter() {
    if (Ui().MsgBox("Quindy Printer has not been identified.\r\nDo you want to identify it now?",
                    mb::vbYesNo | mb::vbQuestion, "Quindy Printer") != mb::vbYes) {
        sbMsgBar(kNotIdentified, false, gctlStatus);
        return false;
    }
    clsCommonDialog& dlg = *oCommonDialog;
    dlg.CancelError = true;
    dlg.DialogTitle = "Looking for Quindy Printer";
    // One name only: a multiple choice would come back as a folder and
    // names, which is no program path.
    dlg.flags = cdl::OFN_PATHMUSTEXIST | cdl::OFN_FILEMUSTEXIST | cdl::OFN_LONGNAMES | cdl::OFN_EXPLORER;
    // The program file also goes without its extension on this system.
    dlg.Filter = "Quindy Printer 32-bit|VODU32.EXE;VODU32";
    dlg.FileName = "VODU32.EXE";
    dlg.InitDir = paths::ProgramDir();
    dlg.hWndOwner = 0;
    try {
        dlg.ShowOpen();
    } catch (const VBError& e) {
        if (e.Number != vberr::kCancelError) throw;
        sbMsgBar(kNotIdentified, false, gctlStatus);
        goOptions.gsQuindyPrinter.clear();
        return false;
    }
    goOptions.gsQuindyPrinter = dlg.FileName;
    return true;
}

void Start(const std::string& file) {
    if (Ui().StartProgram(goOptions.gsQuindyPrinter, {file})) return;
    Ui().MsgBox("Quindy Printer could not be started:\r\n" + goOptions.gsQuindyPrinter, mb::vbOKOnly | mb::vbExclamation,
                "Quindy Printer");
}

}  // namespace

bool fbQuindyPrinterIdentified() {
    return !goOptions.gsQuindyPrinter.empty() && FileExists(goOptions.gsQuindyPrinter) &&
           vb::LCase(goOptions.gsQuindyPrinter).find("vodu32") != std::string::npos;
}

void mnuFilePrint_Click(ISessionWindow&) {
    TraceGuard trace(TraceKind::Events, "mnuFilePrint_Click(frmZelker)");
    Trapped("(frmZelker): mnuFilePrint_Click", [] {
        if (!fbQuindyPrinterIdentified() && !fbIdentifyPrinter()) return;
        if (giFileIndex < 1 || giFileIndex > oFile->Count()) return;
        const size_t at = static_cast<size_t>(giFileIndex);
        const std::string stored = at < gsTempOutFile.size() ? vb::RTrim(gsTempOutFile[at]) : std::string();
        if (stored.empty()) {
            // Not zelked: the source itself.
            Start(oFile->Item(giFileIndex).FileName);
        } else if (tempfiles::IsOwn(stored)) {
            Ui().MsgBox("The Zelked file must be saved before Quindy Printing.\r\n"
                        "Please Save the File and then Request Print Again.",
                        mb::vbOKOnly | mb::vbExclamation, "File Not Saved");
        } else {
            Start(stored);
        }
    });
}
