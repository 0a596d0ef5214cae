#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Clock.h"
#include "settings/ProgramOptions.h"
#include "engine/EngineState.h"
#include "EngineTestSupport.h"
#include "common/ErrorTrap.h"
#include "FakeZelkWindow.h"
#include "ServiceScopes.h"
#include "Lend.h"
#include "engine/FileNames.h"
#include "analysis/KeywordTable.h"
#include "engine/ProcessFile.h"
#include "engine/SpellingHooks.h"
#include "spelling/SpellingInstaller.h"
#include "common/WindowHelpers.h"
#include "engine/ZelkHost.h"

using namespace enginetest;

namespace {

using Lines = std::vector<std::string>;

struct ProcessFile : ::testing::Test {
    ZelkOptions options;
    FakeClock clock;
    FakeZelkWindow window;
    std::string dir;
    testsupport::ClockScope fixedClock{clock};
    testsupport::Lend<IZelkWindow*> host{gfrmZelker, &window};
    // As the program has them; a resource script needs its pass.
    SpellingInstalled spelling{nullptr};
    void SetUp() override {
        clock.Current = DateTime{2026, 3, 7, 14, 5, 9};
        options = LoadSettings();
        BabReset();
        BabInit();
        oDebug->ClearStatus();
        dir = testsupport::MakeDir("src");
    }
    std::string Source(const std::string& name, const std::string& text) {
        std::string path = paths::Join(dir, name);
        testsupport::WriteFile(path, text);
        OpenSession(path);
        return path;
    }
    Lines Log() { return textfile::SplitLines(testsupport::ReadFile(gsTempLogFile[1])); }
    Lines Output() { return textfile::SplitLines(testsupport::ReadFile(gsTempOutFile[1])); }
    Lines Header(const std::string& path) {
        return {"Zelker Version: 1.0.0 (3/7/2026 2:05:09 PM)",
                "Zelker Log for: " + path,
                "",
                "Zelker Date: 3/7/2026",
                "Zelker Time: 2:05:09 PM",
                "Zelker User:  Company: ",
                "",
                "*******WARNING: You should test the zelked product before proceeding*******",
                ""};
    }
    static Lines Join(Lines a, const Lines& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

}  // namespace

TEST_F(ProcessFile, AnIndexOutsideTheSessionEndsTheProgram) {
    Source("a.bas", "x = 1\r\n");
    for (int index : {0, 2}) {
        try {
            sbProcessFile(index, options);
            ADD_FAILURE() << "no error report for " << index;
        } catch (const ErrorReported& e) {
            EXPECT_EQ(e.Number, 32000);
            EXPECT_EQ(e.ProcName, "sbProcessFile");
        }
        EXPECT_EQ(oDebug->StatusCode, -6);
        EXPECT_EQ(testsupport::Ui().LastPrompt(), "sbProcessFile -- Assertion Failure\r\n\r\nSpecified File-index not "
                                                  "within bounds\r\nSpecified File-index =" +
                                                      std::to_string(index) + "\r\noFile() bounds = (1,1)");
        EXPECT_EQ(testsupport::Ui().Messages.back().Title, "Assertion Failure");
    }
}

// A project's or group's own entry, wherever it stands in the session and
// whatever kind of session it is, gets no output and no log.
TEST_F(ProcessFile, AProjectOrGroupEntryIsNeverZelked) {
    Source("Project1.vbp", "Type=Exe\r\n");
    for (long kind : {filekind::kProject, filekind::kGroup}) {
        oFile->Item(1).FileType = kind;
        window.calls.clear();
        oDebug->StatusCode = 5;
        sbProcessFile(1, options);
        EXPECT_EQ(window.calls, (Lines{"BringToTop"}));
        EXPECT_EQ(gsTempOutFile[1], "");
        EXPECT_EQ(gsTempLogFile[1], "");
        EXPECT_EQ(oDebug->StatusCode, 5);
    }
}

TEST_F(ProcessFile, AResourceScriptIsCopiedWithItsLog) {
    const std::string path = Source("App.rc", "STRINGTABLE\r\nBEGIN\r\n  1 \"Hello\"\nEND");
    oAppInfo->IsAResourceFile = true;
    const std::string stale = gsTempOutFile[1] = paths::Join(testsupport::TempDir(), "PVOLD.TMP");
    testsupport::WriteFile(stale, "old");
    sbProcessFile(1, options);
    oAppInfo->IsAResourceFile = false;
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_FALSE(FileExists(stale));  // the earlier run's output is gone
    // Only the copy is left of the run's temporary outputs.
    size_t temporary = 0;
    for (const auto& f : std::filesystem::directory_iterator(testsupport::TempDir()))
        temporary += f.path().extension() == ".TMP";
    EXPECT_EQ(temporary, 2u);  // the copy and the log
    EXPECT_EQ(Output(), (Lines{"STRINGTABLE", "BEGIN", "  1 \"Hello\"", "END"}));
    // The footer counts the script's lines, read and written.
    EXPECT_EQ(Log(), Join(Header(path), {"Number of Input Lines: 4", "Number of Output Lines: 4", "0 Warning Messages"}));
    EXPECT_EQ(gtFileStats[1].FileName, "App.rc");
    EXPECT_EQ(gsCurrentFileName, "App.rc");
    EXPECT_EQ(gsCurrentFileDir, dir + "/");
    EXPECT_EQ(clock.Tick, 200u);  // the pause
    EXPECT_EQ(window.calls, (Lines{"HideFileFrame", "ClearRecordLabel", "Caption Zelker - App.rc", "InitProgress",
                                   "Progress " + fsFileName(path, 55), "TermProgress", "BringToTop"}));
    EXPECT_EQ(oProgressForm, &window);
    EXPECT_EQ(testsupport::Ui().Pointer, pointer::vbDefault);
}

// The pass copies the text the run was handed: the file on disk, which says
// something else, is not read again.
TEST_F(ProcessFile, AResourceScriptIsCopiedFromTheTextTheRunRead) {
    const std::string path = Source("App.rc", "STRINGTABLE\r\nBEGIN\r\n  1 \"On disk\"\r\nEND\r\n");
    oAppInfo->IsAResourceFile = true;
    sbProcessText(1, options, "// handed in\r\nEND");
    oAppInfo->IsAResourceFile = false;
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Output(), (Lines{"// handed in", "END"}));
    EXPECT_EQ(Log(), Join(Header(path), {"Number of Input Lines: 2", "Number of Output Lines: 2", "0 Warning Messages"}));
    EXPECT_EQ(gtFileStats[1].OutputLines, 2);
}

// An error that is no file error ends the run through the error report; the
// log written up to it is on disk for the session to show.
TEST_F(ProcessFile, AnUnexpectedErrorLeavesTheLogWrittenSoFar) {
    const std::string path = Source("App.rc", "STRINGTABLE\r\n");
    oAppInfo->IsAResourceFile = true;
    gfnSpellCheckResource = nullptr;  // the run cannot go on without its pass
    EXPECT_ANY_THROW(sbProcessFile(1, options));
    oAppInfo->IsAResourceFile = false;
    EXPECT_EQ(Log(), Header(path));
    EXPECT_TRUE(Output().empty());
}

TEST_F(ProcessFile, NamesAndKindOfTheFile) {
    struct Case {
        std::string name, firstLine, module, kind;
    } cases[] = {
        {"a.b.frm", "VERSION 5.00", "a", "F"},
        {"Class1.cls", "VERSION 1.0 CLASS", "Class1", "C"},
        {"Module", "Attribute VB_Name = \"M\"", "Module", "M"},
        {"lower.cls", "version 1.0 class", "lower", "M"},
    };
    for (const Case& c : cases) {
        const SourceModel named = FileModel(c.name, c.firstLine + "\r\n");
        EXPECT_EQ(named.gsModuleName, c.module) << c.name;
        EXPECT_EQ(named.gsFileKind, c.kind) << c.name;
    }
}

// The dialect a file is zelked as, and its date warnings; the user's default
// dialect is never changed by a run, not even by a file whose dialect cannot
// be told.
TEST_F(ProcessFile, DialectDateWarnings) {
    oAppInfo->IsAResourceFile = true;  // the dialect step runs, the parse does not
    options.gblnAnalyzeDates = true;
    struct Case {
        bool detect;
        std::string firstLine, defaultDialect;
        Lines warnings;
        std::string inUse;
    } cases[] = {
        {true, "VERSION 2.00", "6", {"WARNING:  Visual Basic 3 has many date issues, especially CVDate and DateSerial"},
         "3"},
        {true, "VERSION 4.00", "6",
         {"WARNING:  Visual Basic 4-16 bit has many date issues, especially CVDate and DateSerial"}, "4"},
        {true, "VERSION 5.00", "4",
         {"WARNING:  Visual Basic 4-16 bit has many date issues, especially CVDate and DateSerial"}, "6"},
        {true, "VERSION 5.00", "6", {}, "6"},
        {true, "VERSION 9.00", "5", {}, "6"},  // not recognised: zelked as 6
        {false, "VERSION 2.00", "4", {}, "4"},  // without detection the default is the dialect
        {false, "VERSION 5.00", "3", {}, "3"},
    };
    for (const Case& c : cases) {
        const std::string path = Source("F.frm", c.firstLine + "\r\n");
        options.gblnDialectAutodetect = c.detect;
        options.gsDialectDefault = c.defaultDialect;
        sbProcessFile(1, options);
        Lines expected = Join(Join(Header(path), c.warnings),
                              {"Number of Input Lines: 1", "Number of Output Lines: 1",
                               std::to_string(c.warnings.size()) + " Warning Messages"});
        EXPECT_EQ(Log(), expected) << c.firstLine << " " << c.defaultDialect;
        // The run's own dialect, as its inner part takes it from the text.
        ZelkRun run(options);
        RunFiles files(run);
        sbProcessSourceFile(1, run, c.firstLine + "\r\n");
        EXPECT_EQ(run.gsDialectInUse, c.inUse) << c.firstLine;
        EXPECT_EQ(options.gsDialectDefault, c.defaultDialect) << c.firstLine;
    }
    oAppInfo->IsAResourceFile = false;
}

TEST_F(ProcessFile, ALineLongerThan2048CharactersFailsTheFile) {
    const std::string path = Source("Big.bas", "Sub A()\r\n    x = \"" + std::string(2049, 'y') + "\"\r\nEnd Sub\r\n");
    sbProcessFile(1, options);
    EXPECT_EQ(oDebug->StatusCode, 4);
    EXPECT_EQ(oDebug->ReasonCode, -2);
    EXPECT_TRUE(Output().empty());
    Lines log = Log();
    ASSERT_GE(log.size(), 14u);
    EXPECT_EQ(Lines(log.end() - 5, log.end()), (Lines{"", "Error processing file, File not zelked",
                                                      "Number of Input Lines: 3",
                                                      "Number of Output Lines: 0", "0 Warning Messages"}));
    EXPECT_EQ(testsupport::Ui().Messages.back().Title, "Error");
    EXPECT_EQ(testsupport::Ui().LastPrompt(), "Error processing file, File not zelked\r\nInvalid data found in file");
    EXPECT_EQ(window.calls.back(), "BringToTop");
}

TEST_F(ProcessFile, CancelDuringTheParseLeavesTheFlagSet) {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "Dim x" + std::to_string(i) + "\r\n";
    Source("Many.bas", text);
    testsupport::Ui().OnDoEvents = [] { oAppInfo->WasCanceled = true; };
    sbProcessFile(1, options);
    testsupport::Ui().OnDoEvents = nullptr;
    EXPECT_TRUE(oAppInfo->WasCanceled);
    Lines log = Log();
    EXPECT_EQ(log[9], "Zelk Canceled");
    EXPECT_EQ(log[11], "Number of Output Lines: 0");
    EXPECT_TRUE(Output().empty());
    // The next run starts with the flag cleared.
    oAppInfo->IsAResourceFile = true;
    sbProcessFile(1, options);
    oAppInfo->IsAResourceFile = false;
    EXPECT_FALSE(oAppInfo->WasCanceled);
}

TEST_F(ProcessFile, AFileErrorFailsOnlyThatFile) {
    const std::string path = Source("Gone.bas", "x = 1\r\n");
    std::remove(path.c_str());
    sbProcessFile(1, options);
    EXPECT_EQ(oDebug->StatusCode, 7);
    EXPECT_EQ(testsupport::Ui().Messages.back().Title, "Zelker");
    EXPECT_EQ(testsupport::Ui().LastPrompt().rfind("The following error occurred processing " + path + ".\r\n\r\nFile not found", 0),
              0u);
    EXPECT_EQ(window.calls.back(), "BringToTop");

    // No temporary file can be made: the folder for them is gone, and so is
    // every place to make another.
    Source("Here.bas", "x = 1\r\n");
    oAppInfo->IsAResourceFile = true;
    const std::string own = testsupport::TempDir();
    const std::string place = std::filesystem::path(own).parent_path().string();
    std::filesystem::remove_all(own);
    const std::string nowhere = testsupport::MakeDir("gone") + "/nowhere";
    ::setenv("XDG_RUNTIME_DIR", nowhere.c_str(), 1);
    ::setenv("TMPDIR", nowhere.c_str(), 1);
    sbProcessFile(1, options);
    ::unsetenv("TMPDIR");
    ::setenv("XDG_RUNTIME_DIR", place.c_str(), 1);
    EXPECT_EQ(oDebug->StatusCode, 7);
    EXPECT_NE(testsupport::Ui().LastPrompt().find("Unable to create a folder for temporary files in " + nowhere),
              std::string::npos);

    // The session goes on with the next file once there is a place again.
    sbProcessFile(1, options);
    oAppInfo->IsAResourceFile = false;
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Output(), (Lines{"x = 1"}));
}

// The run goes on without a missing dictionary and says so; the options it
// was given stay as they are.
TEST_F(ProcessFile, MissingDictionariesAreReportedAndLeftOut) {
    oAppInfo->IsAResourceFile = true;
    Source("App.rc", "END\r\n");
    std::vector<ZelkOptions> setUps;
    gfnSpellInitialize = [&](const ZelkOptions& o) { setUps.push_back(o); };
    const std::string present = paths::Join(dir, "VEZUZ.DIC");
    testsupport::WriteFile(present, "header\r\n");

    ZelkOptions options;
    bool spell = true;
    options.gsStandardDictionary = paths::Join(dir, "NONE.DAT");
    options.gsCustomDictionary = present;
    const ZelkOptions given = options;
    long next = 0;
    RunFindings found;
    sbProcessFile(1, options, next, spell, found);
    ASSERT_EQ(setUps.size(), 1u);
    EXPECT_EQ(setUps[0].gsStandardDictionary, "");
    EXPECT_EQ(setUps[0].gsCustomDictionary, present);
    EXPECT_FALSE(spell);
    EXPECT_TRUE(found.StandardDictionaryMissing);
    EXPECT_FALSE(found.CustomDictionaryMissing);
    EXPECT_EQ(options, given);
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Standard Dictionary");
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt, "The spelling dictionary " + paths::Join(dir, "NONE.DAT") +
                                                        " was not found!\r\nPlease use Zelker Options\r\n\r\n"
                                                        "Continuing without spell checking.");

    // Spell checking is off now: nothing is checked or asked.
    found = {};
    sbProcessFile(1, options, next, spell, found);
    EXPECT_EQ(setUps.size(), 1u);
    EXPECT_FALSE(found.StandardDictionaryMissing || found.CustomDictionaryMissing);

    spell = true;
    options.gsStandardDictionary.clear();
    options.gsCustomDictionary = paths::Join(dir, "GONE.DIC");
    sbProcessFile(1, options, next, spell, found);
    EXPECT_EQ(setUps.size(), 2u);
    EXPECT_TRUE(spell);
    EXPECT_FALSE(found.StandardDictionaryMissing);
    EXPECT_TRUE(found.CustomDictionaryMissing);
    EXPECT_EQ(options.gsCustomDictionary, paths::Join(dir, "GONE.DIC"));
    EXPECT_EQ(testsupport::Ui().Messages.back().Title, "Custom Dictionary");
    EXPECT_EQ(testsupport::Ui().LastPrompt(), "The custom spelling dictionary \r\n" + paths::Join(dir, "GONE.DIC") +
                                                  "\r\nwas not found!\r\nPlease specify the custom dictionary with "
                                                  "the Options->Spell!\r\n\r\nContinuing without the custom dictionary.");
    oAppInfo->IsAResourceFile = false;
}

TEST(ProcessSelection, PreparesAnEntryWithoutOpeningIt) {
    enginetest::OpenSession("/nowhere/Form1.frm");
    cFileDesc empty;
    oFile->Add(empty);
    oDebug->StatusCode = 3;
    bool ok = false;
    sbProcessSelection(1, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(gsCurrentFileName, "Form1.frm");
    EXPECT_EQ(gsCurrentFileDir, "/nowhere/");
    sbProcessSelection(2, ok);
    EXPECT_FALSE(ok);
}

TEST_F(ProcessFile, AnEmptyFileIsReportedNotZelked) {
    const std::string path = Source("Empty.bas", "");
    sbProcessFile(1, options);
    EXPECT_NE(oDebug->StatusCode, 0);
    EXPECT_TRUE(Output().empty());
    EXPECT_EQ(testsupport::Ui().Messages.back().Title, "Error");
    EXPECT_EQ(testsupport::Ui().LastPrompt(), "Error processing file, File not zelked\r\n");
    EXPECT_EQ(Log().back(), "0 Warning Messages");
}
