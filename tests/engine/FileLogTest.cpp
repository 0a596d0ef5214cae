#include <gtest/gtest.h>

#include "engine/EngineState.h"
#include "settings/ProgramOptions.h"
#include "EngineTestSupport.h"
#include "engine/FileLog.h"
#include "engine/ProcessFile.h"
#include "common/WindowHelpers.h"

using namespace enginetest;

namespace {

struct FileLog : ::testing::Test {
    ZelkOptions options;
    std::string dir;
    void SetUp() override {
        options = LoadSettings();
        dir = testsupport::MakeDir("saved");
    }
    std::string PathOf(const std::string& name) { return paths::Join(dir, name); }
    void Touch(const std::string& name) { testsupport::WriteFile(PathOf(name), "x"); }
};

}  // namespace

// A run's warnings count for its own file, whichever file the session shows.
TEST_F(FileLog, WarningsAreMarkedAndCounted) {
    OpenSession("/src/a.bas");
    sbSizeFileArrays(2);
    giFileIndex = 2;
    ZelkRun run{options};
    run.fileIndex = 1;
    RunFiles files(run);
    sbLogLine(run, "first", true);
    sbLogLine(run, "plain", false);
    sbLogLine(run, "second", true);
    sbLogLine(run, "third", true);
    EXPECT_EQ(files.Log(), (std::vector<std::string>{"WARNING:  first", "plain", "WARNING:  second", "WARNING:  third"}));
    EXPECT_EQ(gtFileStats[1].Warnings, 3);
    EXPECT_EQ(gtFileStats[2].Warnings, 0);
}

TEST_F(FileLog, KillTempDeletesOnlyTheProgramsOwnTemporaryFiles) {
    OpenSession("/src/a.bas");
    const std::string own = paths::Join(testsupport::TempDir(), "PV1A.TMP");
    testsupport::WriteFile(own, "x");
    // After a save the names point at the saved file and its kept log; a
    // saved source may itself be called *.tmp, or even PV*.TMP elsewhere.
    struct Case {
        std::string out, log;
    } cases[] = {
        {own, PathOf("FORM1.FRM")},
        {PathOf("notes.tmp"), PathOf("notes.LOG")},
        {PathOf("PV2B.TMP"), paths::Join(testsupport::TempDir(), "other.tmp")},
    };
    for (const Case& c : cases) {
        for (const std::string& f : {c.out, c.log})
            if (f != own) testsupport::WriteFile(f, "x");
        gsTempOutFile[1] = c.out;
        gsTempLogFile[1] = c.log;
        gblnFileZelked[1] = true;
        oDebug->StatusCode = 4;
        oDebug->ReasonCode = -2;
        sbKillTemp(1);
        EXPECT_EQ(gsTempOutFile[1], "");
        EXPECT_EQ(gsTempLogFile[1], "");
        EXPECT_FALSE(gblnFileZelked[1]);
        EXPECT_EQ(oDebug->StatusCode, 0);
        EXPECT_EQ(oDebug->ReasonCode, 0);
    }
    EXPECT_FALSE(FileExists(own));
    for (const char* kept : {"FORM1.FRM", "notes.tmp", "notes.LOG", "PV2B.TMP"}) EXPECT_TRUE(FileExists(PathOf(kept))) << kept;
    EXPECT_TRUE(FileExists(paths::Join(testsupport::TempDir(), "other.tmp")));
}

TEST_F(FileLog, KillTempIgnoresBadIndexes) {
    OpenSession("/src/a.bas");
    const std::string own = paths::Join(testsupport::TempDir(), "pv2b.tmp");
    gsTempOutFile[1] = own + "  ";
    testsupport::WriteFile(own, "x");
    sbKillTemp(7);
    sbKillTemp(-1);
    EXPECT_TRUE(FileExists(own));
    sbKillTemp(1);  // trailing blanks and lower case still name our own temporary file
    EXPECT_FALSE(FileExists(own));
}

TEST_F(FileLog, LogNameForASavedFile) {
    const std::string base = PathOf("FORM1.");
    OverwriteMode mode = OverwriteMode::NumberedCycles;
    EXPECT_EQ(fsLogFileGet(base, mode), base + "LOG");
    Touch("FORM1.LOG");
    mode = OverwriteMode::Overwrite;
    EXPECT_EQ(fsLogFileGet(base, mode), base + "LOG");

    mode = OverwriteMode::Ask;
    testsupport::Ui().MsgBoxAnswers = {mb::vbNo, mb::vbYes};
    EXPECT_EQ(fsLogFileGet(base, mode), "");
    EXPECT_EQ(fsLogFileGet(base, mode), base + "LOG");
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Overwrite Log");
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt, "Logfile " + base + "LOG Exists.\r\nDo you want to overwrite?");

    // The question suspended for a Zelk and Save All: the log is still kept.
    mode = OverwriteMode::AskSuspended;
    EXPECT_EQ(fsLogFileGet(base, mode), base + "LOG");
    EXPECT_EQ(testsupport::Ui().Messages.size(), 2u);

    mode = OverwriteMode::NumberedCycles;
    EXPECT_EQ(fsLogFileGet(base, mode), base + "L01");
    Touch("FORM1.L01");
    Touch("FORM1.L03");
    EXPECT_EQ(fsLogFileGet(base, mode), base + "L02");
}

TEST_F(FileLog, AFullCycleOfLogsGivesNoName) {
    const OverwriteMode mode = OverwriteMode::NumberedCycles;
    Touch("M.LOG");
    for (int n = 1; n <= 99; ++n) Touch("M.L" + vb::Format(n, "00"));
    EXPECT_EQ(fsLogFileGet(PathOf("M."), mode), "");
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Too Many Log Files");
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt, "You have already created 100 logfiles in the directory\r\n" + dir +
                                                        "/Please delete some log files and save again");
}
