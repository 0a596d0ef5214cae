// The print command: hands a file of the session to the separate printing
// program, Quindy Printer, finding that program first when it is not known.
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "common/IProgressView.h"
#include "platform/Paths.h"
#include "session/SessionCommands.h"
#include "session/SessionWindow.h"
#include "platform/TempFiles.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "common/clsCommonDialog.h"
#include "common/mKEMCommon.h"

namespace {

const std::string kNotIdentified = "Quindy Printer not Identified";

// Asks for the printing program in the file dialog, which the settings then
// name; false when the user declines or cancels (a cancel forgets any stored
// path).
bool fbIdentifyPrinter(ZelkOptions& settings) {
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
        settings.gsQuindyPrinter.clear();
        return false;
    }
    settings.gsQuindyPrinter = dlg.FileName;
    return true;
}

void Start(const std::string& printer, const std::string& file) {
    if (Ui().StartProgram(printer, {file})) return;
    Ui().MsgBox("Quindy Printer could not be started:\r\n" + printer, mb::vbOKOnly | mb::vbExclamation,
                "Quindy Printer");
}

}  // namespace

bool fbQuindyPrinterIdentified(const ZelkOptions& settings) {
    const std::string& printer = settings.gsQuindyPrinter;
    return !printer.empty() && FileExists(printer) && vb::LCase(printer).find("vodu32") != std::string::npos;
}

void mnuFilePrint_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuFilePrint_Click(frmZelker)");
    Trapped("(frmZelker): mnuFilePrint_Click", [&] {
        ZelkOptions& settings = w.Settings();
        if (!fbQuindyPrinterIdentified(settings) && !fbIdentifyPrinter(settings)) return;
        if (giFileIndex < 1 || giFileIndex > oFile->Count()) return;
        const size_t at = static_cast<size_t>(giFileIndex);
        const std::string stored = at < gsTempOutFile.size() ? vb::RTrim(gsTempOutFile[at]) : std::string();
        if (stored.empty()) {
            // Not zelked: the source itself.
            Start(settings.gsQuindyPrinter, oFile->Item(giFileIndex).FileName);
        } else if (tempfiles::IsOwn(stored)) {
            Ui().MsgBox("The Zelked file must be saved before Quindy Printing.\r\n"
                        "Please Save the File and then Request Print Again.",
                        mb::vbOKOnly | mb::vbExclamation, "File Not Saved");
        } else {
            Start(settings.gsQuindyPrinter, stored);
        }
    });
}
