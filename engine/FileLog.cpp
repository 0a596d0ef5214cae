// The per-file log, the temporary files of a session entry, and the name
// under which a log is kept when its file is saved.
#include "engine/FileLog.h"

#include <cstdio>

#include "analysis/AnalyserLog.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "FileFailure.h"
#include "platform/Paths.h"
#include "platform/TempFiles.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"
#include "engine/ZelkRun.h"

void sbLogLine(ZelkRun& run, const std::string& text, bool warning) {
    FileFailing([&] {
        if (warning) {
            run.goLogFile.WriteLine("WARNING:  " + text);
            if (run.fileIndex >= 0 && static_cast<size_t>(run.fileIndex) < gtFileStats.size())
                ++gtFileStats[static_cast<size_t>(run.fileIndex)].Warnings;
        } else {
            run.goLogFile.WriteLine(text);
        }
    });
}

void sbKillTemp(int index) {
    TraceGuard trace(TraceKind::App, "sbKillTemp");
    oDebug->ClearStatus();
    if (index < 0) return;
    size_t i = static_cast<size_t>(index);
    if (i >= gsTempOutFile.size() || i >= gsTempLogFile.size() || i >= gblnFileZelked.size()) return;
    // After a save these names point at the saved file and its kept log,
    // which may well end in ".tmp": only the program's own temporary files
    // are ever deleted.
    for (std::string* name : {&gsTempOutFile[i], &gsTempLogFile[i]}) {
        const std::string path = vb::RTrim(*name);
        if (!path.empty() && tempfiles::IsOwn(path)) std::remove(path.c_str());
        name->clear();
    }
    gblnFileZelked[i] = false;
}

std::string fsLogFileGet(const std::string& base, OverwriteMode mode) {
    return Trapped("fsLogFileGet", [&]() -> std::string {
        TraceGuard trace(TraceKind::App, "fsLogFileGet");
        oDebug->ClearStatus();
        std::string name = base + "LOG";
        // -1 is "ask" suspended for one Zelk and Save All: overwrite without
        // asking, as the saved files themselves do, rather than lose the log.
        if (!FileExists(name) || mode == OverwriteMode::Overwrite || mode == OverwriteMode::AskSuspended)
            return name;
        if (mode == OverwriteMode::Ask) {
            int answer = Ui().MsgBox("Logfile " + name + " Exists." + "\r\n" + "Do you want to overwrite?",
                                     mb::vbYesNo | mb::vbQuestion, "Overwrite Log");
            return answer == mb::vbYes ? name : std::string();
        }
        if (mode == OverwriteMode::NumberedCycles) {
            for (int n = 1; n <= 99; ++n) {
                std::string numbered = base + "L" + vb::Format(n, "00");
                if (!FileExists(numbered)) return numbered;
            }
            size_t sep = base.rfind(paths::kSep);
            std::string dir = sep == std::string::npos ? std::string() : base.substr(0, sep + 1);
            Ui().MsgBox(std::string("You have already created 100 logfiles in the directory") + "\r\n" + dir +
                            "Please delete some log files and save again",
                        mb::vbExclamation, "Too Many Log Files");
            return {};
        }
        // Keeping no log at all: there is no name to give.
        return {};
    });
}
