// The frame around the zelking of one file of the session: names and kind,
// the spelling dictionaries, the temporary output and log with the log's
// header and footer, the dialect, the parse and the zelking loop.
#include "engine/ProcessFile.h"

#include <optional>
#include <stdexcept>

#include "analysis/AnalyserLog.h"
#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "FileFailure.h"
#include "engine/FileLog.h"
#include "engine/FileNames.h"
#include "analysis/FileParse.h"
#include "analysis/FileValidation.h"
#include "platform/Paths.h"
#include "engine/SpellingHooks.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "engine/ZelkHost.h"
#include "common/mKEMCommon.h"
#include "engine/ZelkLoop.h"
#include "FormatterCarry.h"

namespace {

const char* const kCrLf = "\r\n";

// The per-file arrays are sized by the main window; a run never reaches
// past them.
void EnsureFileArrays(int index) {
    size_t size = static_cast<size_t>(index) + 1;
    if (gtFileStats.size() < size) gtFileStats.resize(size);
    if (gsTempOutFile.size() < size) gsTempOutFile.resize(size);
    if (gsTempLogFile.size() < size) gsTempLogFile.resize(size);
    if (gblnFileZelked.size() < size) gblnFileZelked.resize(size);
}

[[noreturn]] void IndexOutOfBounds(int index) {
    std::string text = std::string("sbProcessFile") + " -- Assertion Failure" + kCrLf + kCrLf +
                       "Specified File-index not within bounds" + kCrLf + "Specified File-index =" + Num(index) +
                       kCrLf + "oFile() bounds = (1," + Num(oFile->Count()) + ")";
    oDebug->StatusCode = -6;
    Ui().MsgBox(text, mb::vbOKCancel | mb::vbExclamation, "Assertion Failure");
    LogErrorBlock(text);
    throw VBError(vberr::kOwnFailure, text, "sbProcessFile");
}

// The spell checker is set up from the dictionaries the options name. A
// missing one is reported and the run goes on without it (without spell
// checking when the standard dictionary is missing); the options stay as
// they are: the caller learns what was missing from `found`.
void CheckDictionaries(ZelkRun& run, RunFindings& found) {
    const ZelkOptions& options = run.opt;
    if (!run.gblnSpellThisModule || !gfnSpellInitialize) return;
    const std::string& standard = options.gsStandardDictionary;
    const std::string& custom = options.gsCustomDictionary;
    if (!standard.empty() && !FileExists(standard)) {
        Ui().MsgBox("The spelling dictionary " + standard + " was not found!" + kCrLf +
                        "Please use Zelker Options" + kCrLf + kCrLf + "Continuing without spell checking.",
                    mb::vbExclamation, "Standard Dictionary");
        run.gblnSpellThisModule = false;
        found.StandardDictionaryMissing = true;
        ZelkOptions without = options;
        without.gsStandardDictionary.clear();
        gfnSpellInitialize(without);
    } else {
        gfnSpellInitialize(options);
    }
    // The set-up makes a missing custom dictionary: only one it could not
    // make is still missing.
    if (!custom.empty() && !FileExists(custom)) {
        Ui().MsgBox(std::string("The custom spelling dictionary ") + kCrLf + custom + kCrLf +
                        "was not found!" + kCrLf + "Please specify the custom dictionary " +
                        "with the Options->Spell!" + kCrLf + kCrLf + "Continuing without the custom dictionary.",
                    mb::vbExclamation, "Custom Dictionary");
        found.CustomDictionaryMissing = true;
    }
}

void WriteLogHeader(ZelkRun& run, const std::string& fileName) {
    DateTime now = Clock().Now();
    sbLogLine(run, app::kProductName + " Version: " + oAppInfo->AppVersion(), false);
    sbLogLine(run, "Zelker Log for: " + fileName, false);
    sbLogLine(run, "", false);
    sbLogLine(run, "Zelker Date: " + datetime::ShortDate(now), false);
    sbLogLine(run, "Zelker Time: " + datetime::LongTime(now), false);
    sbLogLine(run, "Zelker User: " + oAppInfo->User() + " Company: " + oAppInfo->Company(), false);
    sbLogLine(run, "", false);
    sbLogLine(run, "*******WARNING: You should test the zelked product before proceeding*******", false);
    sbLogLine(run, "", false);
}

void WriteLogFooter(ZelkRun& run, const FileStatsRecord& stats) {
    sbLogLine(run, "Number of Input Lines: " + Num(run.glInputLines), false);
    sbLogLine(run, "Number of Output Lines: " + Num(stats.OutputLines), false);
    sbLogLine(run, Num(stats.Warnings) + " Warning Messages", false);
}

void EndOfRun() {
    if (oProgressForm) oProgressForm->TermProgress();
    if (gfrmZelker) gfrmZelker->BringToTop();
    Ui().SetMousePointer(pointer::vbDefault);
}

template <class Closable>
void CloseQuietly(Closable& file) {
    try {
        file.Close();
    } catch (...) {
    }
}

// A file error fails this file alone: whatever is open is closed, the user
// is told, and the status words say that the file was not zelked.
void FailRun(ZelkRun& run, const std::string& fileName, const VBError& error) {
    std::string reason = error.Description;
    if (!error.Location.empty()) reason += kCrLf + error.Location;
    if (run.goLogFile.IsOpen()) {
        try {
            run.goLogFile.WriteLine("Error processing file, File not zelked");
            run.goLogFile.WriteLine(vb::Replace(reason, kCrLf, " "));
        } catch (...) {
        }
    }
    CloseQuietly(run.goOutFile);
    CloseQuietly(run.goLogFile);
    oDebug->StatusCode = 7;
    oDebug->ReasonCode = 0;
    std::string text = "The following error occurred processing " + fileName + "." + kCrLf + kCrLf + reason;
    LogErrorBlock(text);
    sbMsgBar("Error processing file, File not zelked", false, gctlStatus);
    Ui().MsgBox(text, mb::vbExclamation, app::kTitle);
}

// Zelks the file's text when it is given, else the file read here, once:
// its kind, size, dialect and parse all come from that one text.
void RunFile(int index, ZelkRun& run, std::optional<std::string> given, RunFindings& found) {
    const std::string fileName = oFile->Item(index).FileName;
    FileStatsRecord& stats = gtFileStats[static_cast<size_t>(index)];

    sbFileNameFromDir(fileName, gsCurrentFileName, gsCurrentFileDir);
    run.fileName = gsCurrentFileName;

    Ui().SetMousePointer(pointer::vbHourglass);
    if (gfrmZelker) {
        gfrmZelker->HideFileFrame();
        gfrmZelker->ClearRecordLabel();
    }
    oAppInfo->WasCanceled = false;
    sbMsgBar("Zelking " + fileName, true, gctlStatus);
    if (gfrmZelker) gfrmZelker->SetWindowCaption(app::kProductName + " - " + gsCurrentFileName);

    stats.FileName = gsCurrentFileName;
    std::string text = given ? std::move(*given) : LineReader::ReadWhole(fileName);
    CheckDictionaries(run, found);

    if (!oProgressForm) oProgressForm = gfrmZelker;
    if (oProgressForm) {
        oProgressForm->InitProgress();
        oProgressForm->SetProgressCaption(fsFileName(fileName, 55));
    }
    sbMsgBar(app::kProductName + " : " + fileName.substr(fileName.rfind(paths::kSep) + 1), true, gctlStatus);
    Clock().Sleep(200);

    sbKillTemp(index);
    run.model = FileModel(gsCurrentFileName, text);
    stats.Warnings = 0;
    stats.OutputLines = 0;

    glLinesInFile = static_cast<long>(text.size() / 26);
    gsTempOutFile[static_cast<size_t>(index)] = oWindow->GetTempFile("PV");
    run.goOutFile.Open(gsTempOutFile[static_cast<size_t>(index)], LineWriter::Mode::Output);
    gsTempLogFile[static_cast<size_t>(index)] = oWindow->GetTempFile("PV");
    run.goLogFile.Open(gsTempLogFile[static_cast<size_t>(index)], LineWriter::Mode::Output);
    WriteLogHeader(run, fileName);

    sbProcessSourceFile(index, run, std::move(text));
    WriteLogFooter(run, stats);

    run.goOutFile.Close();
    run.goLogFile.Close();
}

}  // namespace

void RunFindings::ApplyTo(ZelkOptions& settings) const {
    if (StandardDictionaryMissing) settings.gsStandardDictionary.clear();
    if (CustomDictionaryMissing) settings.gsCustomDictionary.clear();
    if (TabWidthChosen) settings.giTabWidth = *TabWidthChosen;
}

SourceModel FileModel(const std::string& fileName, std::string_view text) {
    SourceModel model;
    model.gtProcTable.assign(1, ProcInfo{});
    model.gsFileKind = FileKindOfText(text);
    model.gsModuleName = fileName.substr(0, fileName.find('.'));
    return model;
}

void sbSizeFileArrays(long count) {
    size_t size = static_cast<size_t>(count < 0 ? 0 : count) + 1;
    gtFileStats.assign(size, FileStatsRecord{});
    gsTempOutFile.assign(size, std::string());
    gsTempLogFile.assign(size, std::string());
    gblnFileZelked.assign(size, false);
}

void sbProcessSelection(int index, bool& ok) {
    TraceGuard trace(TraceKind::App, "sbProcessSelection");
    Trapped("sbProcessSelection", [&] {
        const std::string& fileName = oFile->Item(index).FileName;
        ok = !fileName.empty();
        if (!ok) return;
        oDebug->ClearStatus();
        sbFileNameFromDir(fileName, gsCurrentFileName, gsCurrentFileDir);
    });
}

void sbProcessFile(int index, const ZelkOptions& options) {
    long nextLineNumber = 0;
    sbProcessFile(index, options, nextLineNumber);
}

void sbProcessFile(int index, const ZelkOptions& options, long& nextLineNumber) {
    bool spell = options.gblnSpellEnabled;
    RunFindings found;
    sbProcessFile(index, options, nextLineNumber, spell, found);
}

namespace {

void ProcessFileOrText(int index, const ZelkOptions& options, long& nextLineNumber, bool& spell,
                       std::optional<std::string> text, RunFindings& found) {
    TraceGuard trace(TraceKind::App, "sbProcessFile");
    // A new file is a new run: only the line numbering across modules and
    // the spelling decision go on from the file before, and come back for
    // the file after.
    ZelkRun run(options, nextLineNumber);
    run.gblnSpellThisModule = spell;
    run.fileIndex = index;
    struct HandBack {
        long& to;
        bool& spell;
        RunFindings& found;
        ZelkRun& from;
        ~HandBack() {
            to = from.glNextLineNumber;
            spell = from.gblnSpellThisModule;
            if (from.Carry().tabWidthAnswer) found.TabWidthChosen = from.Carry().tabWidthAnswer;
        }
    } handBack{nextLineNumber, spell, found, run};
    Trapped("sbProcessFile", [&] {
        const long count = oFile->Count();
        AppTrace("Which=" + Num(index) + kCrLf + " oFile(wWhich)=<" +
                 (index >= 1 && index <= count ? oFile->Item(index).FileName : std::string()) + ">");
        if (index > count || index <= 0) IndexOutOfBounds(index);
        EnsureFileArrays(index);
        // Only source files are zelked: a project's or group's own entry,
        // wherever it stands in the session, gets no output and no log.
        if (!oFile->Item(index).IsSource()) {
            if (gfrmZelker) gfrmZelker->BringToTop();
            return;
        }
        const std::string fileName = oFile->Item(index).FileName;
        try {
            FileFailing([&] { RunFile(index, run, std::move(text), found); });
        } catch (const FileFailure& failure) {
            FailRun(run, fileName, failure.Error);
        }
        EndOfRun();
    });
}

}  // namespace

void sbProcessFile(int index, const ZelkOptions& options, long& nextLineNumber, bool& spell, RunFindings& found) {
    ProcessFileOrText(index, options, nextLineNumber, spell, std::nullopt, found);
}

RunFindings sbProcessText(int index, const ZelkOptions& options, std::string text) {
    long nextLineNumber = 0;
    bool spell = options.gblnSpellEnabled;
    RunFindings found;
    ProcessFileOrText(index, options, nextLineNumber, spell, std::move(text), found);
    return found;
}

void sbProcessSourceFile(int index, ZelkRun& run, std::string text) {
    TraceGuard trace(TraceKind::App, "sbProcessSourceFile");
    Trapped("sbProcessSourceFile", [&] {
        AppTrace("Which=" + Num(index));
        oDebug->ClearStatus();

        std::string dialectUsed = run.opt.gsDialectDefault;
        if (run.opt.gblnDialectAutodetect) {
            std::string dialect;
            BabValidateText(text, oFile->Item(index).FileName, dialect);
            // The file was accepted when it was opened; here the check only
            // tells its dialect, and nothing else it finds stops the run.
            oDebug->ClearStatus();
            if (run.opt.gblnAnalyzeDates) {
                if (dialect == "3" || run.opt.gsDialectDefault == "3")
                    sbLogLine(run, std::string("Visual Basic 3 has many date issues, ") + "especially CVDate and DateSerial",
                              true);
                else if (dialect == "4" || run.opt.gsDialectDefault == "4")
                    sbLogLine(run, std::string("Visual Basic 4-16 bit has many date issues, ") +
                                  "especially CVDate and DateSerial",
                              true);
            }
            // A file whose dialect cannot be told is zelked as Visual Basic
            // 6.0; the user's default dialect stays as it is.
            dialectUsed = dialect == "?" ? "6" : dialect;
        }
        // The rules of a dialect follow the dialect this file is zelked as,
        // never the file zelked before it.
        run.gsDialectInUse = dialectUsed;
        AppTrace("Dialect used=" + dialectUsed);

        if (oAppInfo->IsAResourceFile) {
            // Without its pass a script would get an empty output that could
            // be saved over it: a program that zelks has installed it.
            if (!gfnSpellCheckResource) throw std::logic_error("no resource script pass is installed");
            // A script is copied line for line: its footer counts the same
            // lines in and out.
            run.glInputLines = gfnSpellCheckResource(text, run.goOutFile, run.gblnSpellThisModule);
            gtFileStats[static_cast<size_t>(index)].OutputLines = run.glInputLines;
            return;
        }
        if (run.opt.gblnInsertLineNumbers && run.opt.glLineNumberHow == LineNumbering::PerModule)
            run.glNextLineNumber = run.opt.glLineNumberStart;
        bool firstCall = true;
        oZel->StatusBarUpdate(firstCall, true, 0);
        run.model = ProcessSelectedText(index, std::move(text), run.model.gsFileKind);
        run.glInputLines = run.model.glRecordCount;
        if (oAppInfo->WasCanceled) sbLogLine(run, "Zelk Canceled", false);
        else sbDoFile(run);
    });
}
