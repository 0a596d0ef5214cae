// The two zelk commands: Zelk File zelks the current file and shows the
// result, Zelk and Save All zelks and saves every source file of the
// session (or only those changed since their last save).
#include "engine/CommentBlocks.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "engine/IsNewer.h"
#include "engine/ProcessFile.h"
#include "session/SaveAFile.h"
#include "session/SessionCommands.h"
#include "mainwindow/SessionState.h"
#include "session/SessionWindow.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"

namespace {

constexpr long kErrTypeMismatch = 13, kErrDictionary = 32354;
// A run counts only when it ended without a failure and was not cancelled.
bool RunWasGood() { return oDebug->StatusCode == 0 && !oAppInfo->WasCanceled; }

long WarningsOf(int index) {
    return static_cast<size_t>(index) < gtFileStats.size() ? gtFileStats[static_cast<size_t>(index)].Warnings : 0;
}

void SetZelked(int index, bool zelked) {
    if (index >= 0 && static_cast<size_t>(index) < gblnFileZelked.size())
        gblnFileZelked[static_cast<size_t>(index)] = zelked;
}

// The same path earlier in the list is zelked there already.
bool fbListedEarlier(long first, long index) {
    const std::string& name = oFile->Item(index).FileName;
    for (long j = first; j < index; ++j)
        if (oFile->Item(j).FileName == name) return true;
    return false;
}

// The questions before the loop; false when the user cancels. `questions`
// tells whether the user suspended the overwrite questions for this command.
bool fbAskBeforeZelkAll(const ZelkOptions& settings, OverwriteQuestions& questions) {
    questions = OverwriteQuestions::AsSet;
    if (settings.giOverwrite == OverwriteMode::Ask) {
        const int answer = Ui().MsgBox("You have selected 'Ask before overwriting' \r\n\r\n"
                                       "Do you want to maintain this setting while zelking all files?",
                                       mb::vbYesNoCancel | mb::vbQuestion, "Cancel Ask");
        if (answer == mb::vbCancel) return false;
        if (answer == mb::vbNo) questions = OverwriteQuestions::Suspended;
    }
    gblnSpellThisModule = settings.gblnSpellEnabled;
    if (gblnSpellThisModule) {
        const int answer = Ui().MsgBox("You have spell checking enabled\r\n\r\n"
                                       "Do you want to Spell Check all modules while Zelking?",
                                       mb::vbYesNoCancel | mb::vbQuestion, "Cancel Spell");
        if (answer == mb::vbCancel) return false;
        if (answer == mb::vbNo) gblnSpellThisModule = false;
    }
    return true;
}

void ShowSummary(long first, long zelked) {
    std::string text = std::to_string(zelked) + " files Zelked\r\n\r\n";
    for (long j = first; j <= oFile->Count(); ++j) {
        const long warnings = WarningsOf(static_cast<int>(j));
        if (oFile->Item(j).IsSource() && warnings > 0)
            text += gtFileStats[static_cast<size_t>(j)].FileName + " had " + std::to_string(warnings) + " warnings\r\n";
    }
    Ui().MsgBox(text, mb::vbOKOnly | mb::vbInformation, "Zelker Diagnostics");
}

// The loop over the session's source files, counting the files zelked;
// false when a file failed and the session was closed. `settings` forget a
// dictionary found missing, so that the next file goes on without it.
bool fbZelkAndSaveEach(ISessionWindow& w, ZelkOptions& settings, int index, OverwriteQuestions questions,
                       long& zelked) {
    const long first = oAppInfo->IsAProjectFile ? 2 : 1;
    const long count = oFile->Count();
    zelked = 0;
    sbStartCommentBlockRun();
    for (long i = first; i <= count; ++i) {
        if (fbListedEarlier(first, i)) continue;
        if (!oFile->Item(i).IsSource()) continue;
        const std::string fileName = oFile->Item(i).FileName;
        sbMsgBar("Zelking " + fileName, true, gctlStatus);
        if (index == 1 && !fbIsNewer(fileName, settings.gsSaveZelFile)) continue;

        giFileIndex = static_cast<int>(i);
        ZelkSessionFile(giFileIndex, settings);
        ++zelked;
        if (RunWasGood()) {
            bool saved = false;
            sbSaveAFile(giFileIndex, settings, saved, &w, questions);
            // Output whose save did not take place stays unsaved, so that
            // Close and Exit still ask about it.
            SetZelked(giFileIndex, !saved);
            if (!saved) gblnUnsaved = true;
            continue;
        }
        SetZelked(giFileIndex, false);
        gblnUnsaved = fbAnyUnsaved();
        if (i > 1) {
            Ui().MsgBox("Zelking is being canceled for selected files.\r\nHowever, " + std::to_string(i - 1) +
                            " file(s) have been processed.\r\n\r\n"
                            "Please check any zelked file to validate that Zelked files are valid.",
                        mb::vbOKOnly | mb::vbExclamation, "Cancel Zelk");
        }
        mnuFileClose_Click(w, 1);
        return false;
    }
    if (zelked > 0) ShowSummary(first, zelked);
    return true;
}

}  // namespace

void sbRetryWithoutCustomDictionary(ZelkOptions& settings, const std::function<void()>& step) {
    try {
        step();
    } catch (const VBError& e) {
        if (e.Number != kErrTypeMismatch && e.Number != kErrDictionary) throw;
        settings.gsCustomDictionary.clear();
        step();
    }
}

void ZelkSessionFile(int index, ZelkOptions& settings) {
    sbRetryWithoutCustomDictionary(settings, [&] {
        RunFindings found;
        try {
            sbProcessFile(index, settings, glNextLineNumber, gblnSpellThisModule, found);
        } catch (...) {
            found.ApplyTo(settings);
            throw;
        }
        found.ApplyTo(settings);
    });
}

void mnuProcessZelk_Click(ISessionWindow& w) {
    TraceGuard trace(TraceKind::Events, "mnuProcessZelk_Click(frmZelker)");
    Trapped("(frmZelker): mnuProcessZelk_Click", [&] {
        const int current = giFileIndex;
        // A project's or group's own entry is listed, never zelked: no
        // output, no log, nothing that a save could put over it.
        if (current >= 1 && current <= oFile->Count() && !oFile->Item(current).IsSource()) return;
        w.SetZelking(true);
        sbStartCommentBlockRun();
        ZelkSessionFile(current, w.Settings());
        if (RunWasGood()) {
            gblnUnsaved = true;
            SetZelked(current, true);
            const long warnings = WarningsOf(current);
            if (warnings > 0) {
                w.ViewShow(2);
                Ui().MsgBox(std::to_string(warnings) + " Warnings about the file\r\n" +
                                gtFileStats[static_cast<size_t>(current)].FileName,
                            mb::vbOKOnly | mb::vbExclamation, "Warning were found");
            } else {
                w.ViewShow(1);
            }
            sbButtonsZelked(w);
            IgnoringErrors([&] {
                if (w.Visible("mnuViewDash2")) w.SetViewFileChecked(current - 1, true);
            });
        } else {
            const bool cancelled = oAppInfo->WasCanceled;
            SetZelked(current, false);
            // Other files of the session may still hold unsaved output.
            gblnUnsaved = fbAnyUnsaved();
            // What the run left is no output to show or save: the file is
            // shown again as it was opened, ready for the next command.
            IgnoringErrors([&] { sbKillTemp(current); });
            sbProjectDo(w, current);
            std::string name, folder;
            sbFileNameFromDir(oFile->Item(current).FileName, name, folder);
            sbMsgBar(cancelled ? "Zelk Canceled, File " + name + " Not Zelked" : "File " + name + " Not Zelked",
                     false, gctlStatus);
        }
        w.SetZelking(false);
        Ui().SetMousePointer(pointer::vbDefault);
        w.BringToTop();
    });
}

void mnuProcessZelkAll_Click(ISessionWindow& w, int index) {
    TraceGuard trace(TraceKind::Events, "mnuProcessZelkAll_Click(frmZelker)");
    Trapped("(frmZelker): mnuProcessZelkAll_Click", [&] {
        Ui().SetMousePointer(pointer::vbHourglass);
        w.HideFileFrame();
        w.ClearRecordLabel();
        oAppInfo->WasCanceled = false;
        w.SetZelking(true);

        // The overwrite questions are suspended for this command's saves
        // alone: the user's settings are never changed, whatever ends it.
        OverwriteQuestions questions = OverwriteQuestions::AsSet;
        const bool asked = fbAskBeforeZelkAll(w.Settings(), questions);
        long zelked = 0;
        if (!asked || fbZelkAndSaveEach(w, w.Settings(), index, questions, zelked)) mnuFileClose_Click(w, 0);

        w.SetZelking(false);
        Ui().SetMousePointer(pointer::vbDefault);
        w.BringToTop();
        // Looking for newer files and finding none is worth saying.
        sbMsgBar(asked && index == 1 && zelked == 0 ? "No Newer Files to Zelk" : "", false, gctlStatus);
    });
}
