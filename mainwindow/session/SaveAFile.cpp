#include "session/SaveAFile.h"

#include <cerrno>
#include <filesystem>

#include "common/AppIdentity.h"
#include "session/BackupNames.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "FileReplace.h"
#include "common/IProgressView.h"
#include "session/IViewFileList.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"

namespace fs = std::filesystem;

namespace {

// How a save ended: whether the View list's check mark is cleared.
enum class Ending { ClearCheck, Stop };

// Whether two names reach the same existing file (a missing backup target
// is never the source).
bool SamePath(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

void Refuse(const std::string& prompt, const std::string& title) {
    Ui().MsgBox(prompt, mb::vbExclamation, title);
}

std::string TooManyCyclesText(const std::string& name, const std::string& backupDir) {
    return "You have already created 100 cycles of " + name + " in the directory \r\n" + backupDir +
           "Please delete some cycles and save again";
}

// An "ask" setting suspended for the save reads as "ask suspended".
OverwriteMode InForce(OverwriteMode setting, OverwriteQuestions questions) {
    return questions == OverwriteQuestions::Suspended && setting == OverwriteMode::Ask ? OverwriteMode::AskSuspended
                                                                                        : setting;
}

// Keeps the file's temporary log under the name fsLogFileGet gives in
// logDir, by the log overwrite mode `mode`. When the copy fails and that is
// not an error, the temporary log and its name stay as they are, so the log
// is not lost.
void KeepLog(int index, OverwriteMode mode, const std::string& logDir, const std::string& name,
             bool copyFailureIsError) {
    if (mode == OverwriteMode::KeepNoLog) return;
    const std::string tempLog = gsTempLogFile[static_cast<size_t>(index)];
    if (tempLog.empty()) return;
    const std::string finalName = fsLogFileGet(logDir + fsNameThroughFirstDot(name), mode);
    if (!finalName.empty()) {
        try {
            CopyFileOver(tempLog, finalName);
        } catch (const VBError&) {
            if (copyFailureIsError) throw;
            return;
        }
    }
    KillOwnTemp(tempLog);
    gsTempLogFile[static_cast<size_t>(index)] = finalName;
}

// An existing folder is fine; one that cannot be made is named as the
// reason, rather than the copy into it failing as if a file were missing.
void MakeBackupFolder(const std::string& backupDir) {
    std::error_code made;
    fs::create_directory(backupDir, made);
    std::error_code ignored;
    if (!made || fs::is_directory(backupDir, ignored)) return;
    const long number = made.value() == ENOENT ? vberr::kPathNotFound : fnErrnoToVB(made.value());
    throw VBError(number, "The backup folder could not be created (" + fsErrorDescription(number) + ")", "FileCopy",
                  backupDir);
}

// A save that failed on a file: the user is told which file and why, and the
// zelked output stays where it is, unsaved.
void ReportSaveFailure(int index, const VBError& error) {
    const std::string source =
        index >= 1 && index <= oFile->Count() ? oFile->Item(index).FileName : std::string();
    std::string name, dir;
    sbFileNameFromDir(source, name, dir);
    std::string reason = error.Description;
    if (!error.Location.empty()) reason += "\r\n" + error.Location;
    sbMsgBar("File " + name + " Not Saved", false, gctlStatus);
    Refuse("The file " + source + " could not be saved.\r\n\r\n" + reason +
               "\r\n\r\nThe zelked output is kept and stays unsaved.",
           app::kTitle);
}

Ending SaveOne(int index, const ZelkOptions& options, OverwriteQuestions questions, bool& Saved,
               std::string& backupDir) {
    if (index < 1 || index > oFile->Count() || static_cast<size_t>(index) >= gsTempOutFile.size() ||
        static_cast<size_t>(index) >= gsTempLogFile.size())
        RaiseError(vberr::kSubscriptOutOfRange, "sbSaveAFile");
    // Nothing is ever saved over a project or group file.
    if (!oFile->Item(index).IsSource()) {
        Saved = false;
        return Ending::Stop;
    }
    const size_t at = static_cast<size_t>(index);
    const std::string source = oFile->Item(index).FileName;
    const bool warnings = at < gtFileStats.size() && gtFileStats[at].Warnings > 0;
    std::string name, dir;
    sbFileNameFromDir(source, name, dir);

    // A mode no save knows (a hand-edited settings file) saves nothing and
    // records nothing.
    SaveMode mode = options.giSaveInBackup;
    if (mode < SaveMode::ReplaceWithBackup || mode > SaveMode::ReplaceOnly) {
        Refuse("The setting SaveInBackup=" + std::to_string(static_cast<int>(options.giSaveInBackup)) +
                   " is not a save mode (0, 1 or 2).\r\nFile " + name + " Not Saved",
               app::kTitle);
        Saved = false;
        return Ending::Stop;
    }

    const OverwriteMode overwrite = InForce(options.giOverwrite, questions);
    const OverwriteMode logOverwrite = InForce(options.giLogOverwrite, questions);
    backupDir = fsBackupDirectory(options, dir);
    std::string backupName = name;
    // Only the modes that make a backup name one and ask about it.
    if (mode != SaveMode::ReplaceOnly) {
        MakeBackupFolder(backupDir);
        if (overwrite == OverwriteMode::NumberedCycles) {
            backupName = fsFreeCycleName(backupDir, name);
            if (backupName.empty()) {
                Refuse(TooManyCyclesText(name, backupDir), "Too Many Cycles");
                Saved = false;
                return Ending::Stop;
            }
        }
        if (SamePath(backupDir + backupName, source)) {
            Refuse("The backup of File " + name + " would be the file itself:\r\n" + source +
                       "\r\nPlease choose another backup directory.\r\nFile " + name + " Not Saved",
                   app::kTitle);
            Saved = false;
            return Ending::Stop;
        }
        if (overwrite == OverwriteMode::Ask && FileExists(backupDir + name)) {
            int answer = Ui().MsgBox("A Backup of File " + name +
                                         " already exists.\r\n"
                                         "Select 'Yes' to Overwrite Backup\r\n"
                                         "Select 'No' to Save Without Overwriting Backup\r\n"
                                         "Select 'Cancel' to Exit",
                                     mb::vbYesNoCancel | mb::vbQuestion, "Overwrite");
            if (answer == mb::vbCancel) {
                sbMsgBar("File " + name + " Not Saved", false, gctlStatus);
                Saved = false;
                return Ending::ClearCheck;
            }
            if (answer == mb::vbNo) {
                if (mode == SaveMode::ReplaceWithBackup) {
                    mode = SaveMode::ReplaceOnly;
                } else {
                    // Keeping the source: the output goes beside the old
                    // backup under the next free cycle name.
                    backupName = fsFreeCycleName(backupDir, name);
                    if (backupName.empty()) {
                        Refuse(TooManyCyclesText(name, backupDir), "Too Many Cycles");
                        Saved = false;
                        return Ending::Stop;
                    }
                }
            }
        }
    }

    if (mode != SaveMode::IntoBackupFolder && fblnReadOnly(source)) {
        Refuse("The file " + source +
                   "\r\nCannot be written. It is readonly.\r\n"
                   "If you are using SourseSafe, files must be checked out\r\n\r\n"
                   "Save operation cannot complete",
               app::kTitle);
        Saved = false;
        return Ending::Stop;
    }

    const std::string tempOut = gsTempOutFile[at];
    const std::string backupPath = backupDir + backupName;
    switch (mode) {
        case SaveMode::IntoBackupFolder:
            CopyFileOver(tempOut, backupPath);
            KillOwnTemp(tempOut);
            gsTempOutFile[at] = backupPath;
            if (warnings) KeepLog(index, logOverwrite, backupDir, name, false);
            break;
        case SaveMode::ReplaceOnly:
            CopyFileOver(tempOut, source);
            KillOwnTemp(tempOut);
            gsTempOutFile[at] = source;
            KeepLog(index, logOverwrite, dir, name, false);
            break;
        default:
            CopyFileOver(source, backupPath);
            CopyFileOver(tempOut, source);
            KillOwnTemp(tempOut);
            gsTempOutFile[at] = source;
            if (options.gblnLogSignificant && warnings) KeepLog(index, logOverwrite, dir, name, true);
            break;
    }

    SaveZelInfo(options, source);
    sbMsgBar(source + " Has Been Saved", false, gctlStatus);
    return Ending::ClearCheck;
}

}  // namespace

void sbSaveAFile(int index, const ZelkOptions& options, bool& Saved, IViewFileList* viewList,
                 OverwriteQuestions questions) {
    TraceGuard trace(TraceKind::App, "sbSaveAFile");
    Saved = true;
    std::string backupDir;
    Ending ending = Trapped("(frmZelker): sbSaveAFile", [&] {
        try {
            return SaveOne(index, options, questions, Saved, backupDir);
        } catch (const VBError& e) {
            // With the traps off the error goes on to the debugger.
            if (!TrapErrors()) throw;
            ReportSaveFailure(index, e);
            Saved = false;
            return Ending::Stop;
        }
    });
    if (ending == Ending::ClearCheck && viewList) viewList->SetViewFileChecked(index - 1, false);
}
