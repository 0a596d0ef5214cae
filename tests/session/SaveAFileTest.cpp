#include <sys/stat.h>

#include <functional>

#include "session/BackupNames.h"
#include "platform/Clock.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/IsNewer.h"
#include "SaveFixture.h"
#include "ServiceScopes.h"

namespace fs = std::filesystem;

namespace {

TEST(BackupNames, CycleNameKeepsOneCharacterAfterTheFirstDot) {
    struct Case {
        const char* name;
        int number;
        const char* cycle;
    } cases[] = {
        {"Form1.frm", 1, "Form1.f01"},   {"Form1.frm", 99, "Form1.f99"}, {"modMain.bas", 7, "modMain.b07"},
        {"My.Class.cls", 1, "My.C01"},   {"abc.", 1, "abc.01"},          {"abc", 2, "abc.02"},
        {".hidden", 1, ".h01"},
    };
    for (const auto& c : cases) EXPECT_EQ(fsCycleName(c.name, c.number), c.cycle) << c.name;
}

TEST(BackupNames, NameThroughFirstDotGivesANameWithoutDotOne) {
    EXPECT_EQ(fsNameThroughFirstDot("Form1.frm"), "Form1.");
    EXPECT_EQ(fsNameThroughFirstDot("My.Class.cls"), "My.");
    EXPECT_EQ(fsNameThroughFirstDot("README"), "README.");
}

TEST(BackupNames, BackupDirectoryFromTheSettings) {
    struct Case {
        int backup;
        const char* setting;
        const char* expected;  // "~" stands for the source's directory
    } cases[] = {
        {0, "", "~ZELBACK/"},          {0, "/backups", "~ZELBACK/"},     {1, "", "~ZELBACK/"},
        {1, "/backups", "/backups/"},  {1, "/backups/", "/backups/"},    {1, "\\old", "~old/"},
        {1, "old", "~old/"},           {1, "\\old\\sub", "~old/sub/"},
    };
    const std::string src = "/home/u/src/";
    ZelkOptions options;
    for (const auto& c : cases) {
        options.giBackup = BackupPlace{c.backup};
        options.gsBackupDirectory = c.setting;
        std::string expected = c.expected;
        if (expected.front() == '~') expected = src + expected.substr(1);
        EXPECT_EQ(fsBackupDirectory(options, src), expected) << c.backup << " " << c.setting;
    }
}

using SaveAFile = SaveFixture;

TEST_F(SaveAFile, DefaultSettingsBackUpInNumberedCyclesAndReplaceTheSource) {
    ASSERT_TRUE(Save());
    EXPECT_EQ(Read(Backup("Form1.f01")), "old source\r\n");
    EXPECT_EQ(Read(source), "output 1\r\n");
    // The name the viewer and the print command use holds the zelked output.
    EXPECT_EQ(gsTempOutFile[1], source);
    EXPECT_EQ(status.Text, source + " Has Been Saved");
    EXPECT_EQ(viewList.Calls, (std::vector<std::pair<int, bool>>{{0, false}}));

    Zelked("output 2\r\n");
    const std::string temp = gsTempOutFile[1];
    ASSERT_TRUE(Save());
    EXPECT_EQ(Read(Backup("Form1.f01")), "old source\r\n");
    EXPECT_EQ(Read(Backup("Form1.f02")), "output 1\r\n");
    EXPECT_EQ(Read(source), "output 2\r\n");
    EXPECT_FALSE(Exists(temp));
    // Without warnings the log is not kept: it stays where the run left it.
    EXPECT_TRUE(Exists(gsTempLogFile[1]));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(SaveAFile, AllNinetyNineCyclesTakenRefusesTheSave) {
    fs::create_directory(srcDir + "ZELBACK");
    for (int n = 1; n <= 99; ++n) testsupport::WriteFile(Backup(fsCycleName("Form1.frm", n)), "cycle");
    const std::string temp = gsTempOutFile[1];

    EXPECT_FALSE(Save());

    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Title, "Too Many Cycles");
    EXPECT_EQ(ui.Messages[0].Buttons, mb::vbExclamation);
    EXPECT_EQ(ui.Messages[0].Prompt, "You have already created 100 cycles of Form1.frm in the directory \r\n" +
                                         srcDir + "ZELBACK/Please delete some cycles and save again");
    EXPECT_EQ(Read(source), "old source\r\n");
    EXPECT_EQ(Read(Backup("Form1.f01")), "cycle");
    EXPECT_TRUE(Exists(temp));
    EXPECT_EQ(gsTempOutFile[1], temp);
    EXPECT_EQ(status.Text, "");
    EXPECT_TRUE(viewList.Calls.empty());
}

TEST_F(SaveAFile, NameWithoutDotGetsAValidCycleName) {
    OpenSession("README", "old readme");
    ASSERT_TRUE(Save());
    EXPECT_EQ(Read(Backup("README.01")), "old readme");
    EXPECT_EQ(Read(source), "output 1\r\n");
}

TEST_F(SaveAFile, AskBeforeOverwritingOnlyWhenABackupExists) {
    options.giOverwrite = OverwriteMode::Ask;
    ASSERT_TRUE(Save());
    EXPECT_TRUE(ui.Messages.empty());  // no question without an earlier backup
    EXPECT_EQ(Read(Backup("Form1.frm")), "old source\r\n");

    Zelked("output 2\r\n");
    ui.MsgBoxAnswers = {mb::vbYes};
    ASSERT_TRUE(Save());
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Title, "Overwrite");
    EXPECT_EQ(ui.Messages[0].Buttons, mb::vbYesNoCancel | mb::vbQuestion);
    EXPECT_EQ(ui.Messages[0].Prompt,
              "A Backup of File Form1.frm already exists.\r\nSelect 'Yes' to Overwrite Backup\r\n"
              "Select 'No' to Save Without Overwriting Backup\r\nSelect 'Cancel' to Exit");
    EXPECT_EQ(Read(Backup("Form1.frm")), "output 1\r\n");
    EXPECT_EQ(Read(source), "output 2\r\n");
}

TEST_F(SaveAFile, AnswerNoKeepsTheBackupAndReplacesTheSource) {
    options.giOverwrite = OverwriteMode::Ask;
    fs::create_directory(srcDir + "ZELBACK");
    testsupport::WriteFile(Backup("Form1.frm"), "earlier backup");
    ui.MsgBoxAnswers = {mb::vbNo};
    ASSERT_TRUE(Save());
    EXPECT_EQ(Read(Backup("Form1.frm")), "earlier backup");
    EXPECT_EQ(Read(source), "output 1\r\n");
    EXPECT_EQ(gsTempOutFile[1], source);
}

TEST_F(SaveAFile, CancelAtTheQuestionLeavesEverythingAndClearsTheCheckMark) {
    options.giOverwrite = OverwriteMode::Ask;
    fs::create_directory(srcDir + "ZELBACK");
    testsupport::WriteFile(Backup("Form1.frm"), "earlier backup");
    const std::string temp = gsTempOutFile[1];
    ui.MsgBoxAnswers = {mb::vbCancel};
    EXPECT_FALSE(Save());
    EXPECT_EQ(Read(Backup("Form1.frm")), "earlier backup");
    EXPECT_EQ(Read(source), "old source\r\n");
    EXPECT_EQ(Read(temp), "output 1\r\n");
    EXPECT_EQ(status.Text, "File Form1.frm Not Saved");
    EXPECT_EQ(viewList.Calls, (std::vector<std::pair<int, bool>>{{0, false}}));
}

TEST_F(SaveAFile, KeepSourceModeWritesTheOutputIntoTheBackupDirectory) {
    options.giSaveInBackup = SaveMode::IntoBackupFolder;
    const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(source, stamp);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Read(source), "old source\r\n");
    EXPECT_EQ(fs::last_write_time(source), stamp);
    EXPECT_EQ(Read(Backup("Form1.f01")), "output 1\r\n");
    EXPECT_EQ(gsTempOutFile[1], Backup("Form1.f01"));
}

TEST_F(SaveAFile, KeepSourceModeAnswerNoTakesTheNextFreeCycle) {
    options.giSaveInBackup = SaveMode::IntoBackupFolder;
    options.giOverwrite = OverwriteMode::Ask;
    fs::create_directory(srcDir + "ZELBACK");
    testsupport::WriteFile(Backup("Form1.frm"), "earlier output");
    testsupport::WriteFile(Backup("Form1.f01"), "cycle 1");
    ui.MsgBoxAnswers = {mb::vbNo};
    ASSERT_TRUE(Save());
    EXPECT_EQ(Read(Backup("Form1.frm")), "earlier output");
    EXPECT_EQ(Read(Backup("Form1.f01")), "cycle 1");
    EXPECT_EQ(Read(Backup("Form1.f02")), "output 1\r\n");
    EXPECT_EQ(gsTempOutFile[1], Backup("Form1.f02"));
    EXPECT_EQ(Read(source), "old source\r\n");
}

TEST_F(SaveAFile, ReplaceOnlyModeMakesNoBackupDirectory) {
    options.giSaveInBackup = SaveMode::ReplaceOnly;
    ASSERT_TRUE(Save());
    EXPECT_FALSE(Exists(srcDir + "ZELBACK"));
    EXPECT_EQ(Read(source), "output 1\r\n");
    EXPECT_EQ(gsTempOutFile[1], source);
}

TEST_F(SaveAFile, ReadOnlySourceIsRefusedInTheModesThatWriteIt) {
    fs::permissions(source, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    for (int mode : {0, 2}) {
        ui.Messages.clear();
        options.giSaveInBackup = SaveMode{mode};
        const std::string temp = gsTempOutFile[1];
        EXPECT_FALSE(Save()) << mode;
        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_EQ(ui.Messages[0].Prompt, "The file " + source +
                                             "\r\nCannot be written. It is readonly.\r\n"
                                             "If you are using SourseSafe, files must be checked out\r\n\r\n"
                                             "Save operation cannot complete");
        EXPECT_EQ(ui.Messages[0].Buttons, mb::vbExclamation);
        EXPECT_EQ(Read(source), "old source\r\n");
        EXPECT_FALSE(Exists(Backup("Form1.f01")));
        EXPECT_TRUE(Exists(temp));
    }
    EXPECT_TRUE(viewList.Calls.empty());
    EXPECT_EQ(status.Text, "");

    // Keeping the source does not write it.
    options.giSaveInBackup = SaveMode::IntoBackupFolder;
    EXPECT_TRUE(Save());
    EXPECT_EQ(Read(Backup("Form1.f01")), "output 1\r\n");
}

TEST_F(SaveAFile, BackupThatWouldBeTheSourceItselfIsRefused) {
    options.giBackup = BackupPlace::BackupDirectory;
    options.gsBackupDirectory = srcDir;
    for (int overwrite : {0, 1}) {
        for (int mode : {0, 1}) {
            ui.Messages.clear();
            options.giOverwrite = OverwriteMode{overwrite};
            options.giSaveInBackup = SaveMode{mode};
            EXPECT_FALSE(Save()) << overwrite << mode;
            ASSERT_EQ(ui.Messages.size(), 1u);  // refused before any question
            EXPECT_NE(ui.Messages[0].Prompt.find("would be the file itself"), std::string::npos);
            EXPECT_EQ(Read(source), "old source\r\n");
        }
    }
}

TEST_F(SaveAFile, UnknownSaveModeSavesAndRecordsNothing) {
    options.gblnSaveZelInfo = true;
    for (int mode : {3, -1}) {
        ui.Messages.clear();
        options.giSaveInBackup = SaveMode{mode};
        EXPECT_FALSE(Save());
        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_NE(ui.Messages[0].Prompt.find("File Form1.frm Not Saved"), std::string::npos);
    }
    EXPECT_EQ(Read(source), "old source\r\n");
    EXPECT_FALSE(Exists(srcDir + "ZELBACK"));
    EXPECT_FALSE(Exists(options.gsSaveZelFile));
    EXPECT_EQ(status.Text, "");
}

// A save that fails on a file is a message naming the file and the reason;
// the program goes on, nothing is half written and the output stays.
TEST_F(SaveAFile, AFailedSaveIsAMessageAndKeepsTheOutput) {
    struct Case {
        const char* what;
        int mode;
        std::function<void()> breakIt;
        std::string reason;  // "~" stands for the source folder
    } cases[] = {
        {"the source vanished", 0, [this] { fs::remove(source); }, "File not found\r\n~Form1.frm"},
        {"the output vanished", 2, [] { fs::remove(gsTempOutFile[1]); }, "File not found\r\n@"},
        {"the backup folder cannot be made", 0,
         [this] {
             options.giBackup = BackupPlace::BackupDirectory;
             options.gsBackupDirectory = "no/such/folder";
         },
         "The backup folder could not be created (Path not found)\r\n~no/such/folder/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenSession("Form1.frm", "old source\r\n");
        options.giSaveInBackup = SaveMode{c.mode};
        const std::string output = gsTempOutFile[1];
        c.breakIt();
        std::string reason = c.reason;
        if (reason.back() == '@') reason = reason.substr(0, reason.size() - 1) + output;
        if (size_t at = reason.find('~'); at != std::string::npos) reason.replace(at, 1, srcDir);

        EXPECT_FALSE(Save());
        ASSERT_FALSE(ui.Messages.empty());
        EXPECT_EQ(ui.LastPrompt(), "The file " + source + " could not be saved.\r\n\r\n" + reason +
                                       "\r\n\r\nThe zelked output is kept and stays unsaved.");
        EXPECT_EQ(ui.Messages.back().Title, "Zelker");
        EXPECT_EQ(status.Text, "File Form1.frm Not Saved");
        EXPECT_EQ(gsTempOutFile[1], output);
        if (Exists(source)) {
            EXPECT_EQ(Read(source), "old source\r\n");
        }
        EXPECT_EQ(Exists(output), c.mode != 2);
        EXPECT_FALSE(Exists(Backup("Form1.f01")));
        options.giBackup = BackupPlace::BesideSource;
        options.gsBackupDirectory.clear();
        ui.Messages.clear();
    }
}

// A source opened through a symbolic link: the save writes through the
// link into the file it leads to, and the link stays a link; the file's
// other name (a hard link) sees the new content too.
TEST_F(SaveAFile, ALinkedSourceIsSavedThroughItsLink) {
    const std::string realDir = testsupport::MakeDir("real") + "/";
    const std::string real = realDir + "Form1.frm", other = realDir + "Other.frm";
    testsupport::WriteFile(real, "old source\r\n");
    fs::create_hard_link(real, other);
    fs::remove(source);
    fs::create_symlink(real, source);

    ASSERT_TRUE(Save());
    EXPECT_TRUE(fs::is_symlink(source));
    EXPECT_EQ(Read(real), "output 1\r\n");
    EXPECT_EQ(Read(other), "output 1\r\n");
    EXPECT_EQ(Read(Backup("Form1.f01")), "old source\r\n");
    EXPECT_FALSE(fs::is_symlink(Backup("Form1.f01")));
}

TEST_F(SaveAFile, OnlyOurOwnTemporaryOutputIsDeleted) {
    // An output name that is not one of our temporary files (an earlier save
    // put the saved file's name there) is never deleted.
    ASSERT_TRUE(Save());
    ASSERT_EQ(gsTempOutFile[1], source);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Read(source), "output 1\r\n");
    EXPECT_EQ(Read(Backup("Form1.f02")), "output 1\r\n");

    const std::string foreign = srcDir + "PVFOREIGN.TMP";
    testsupport::WriteFile(foreign, "someone else's\r\n");
    gsTempOutFile[1] = foreign;
    options.giSaveInBackup = SaveMode::ReplaceOnly;
    ASSERT_TRUE(Save());
    EXPECT_TRUE(Exists(foreign));
    EXPECT_EQ(Read(source), "someone else's\r\n");
}

TEST_F(SaveAFile, HistoryRecordHoldsTheSavedFilesStampAndTheTimeOfTheSave) {
    FakeClock clock;
    clock.Current = DateTime{2026, 3, 7, 14, 5, 11};
    testsupport::ClockScope fixed{clock};
    options.gblnSaveZelInfo = true;
    ASSERT_TRUE(Save());
    const std::string stamp = datetime::HistoryStamp(datetime::FileDateTime(source));
    EXPECT_EQ(Read(options.gsSaveZelFile),
              "[Zembrock Zelker for Visual Basic]\r\n" + source + "=" + stamp + "|3/07/2026 2:05:11 PM\r\n");

    // One record per path: a later save replaces its value.
    clock.Current = DateTime{2026, 11, 30, 9, 0, 0};
    Zelked("output 2\r\n");
    ASSERT_TRUE(Save());
    EXPECT_EQ(Read(options.gsSaveZelFile), "[Zembrock Zelker for Visual Basic]\r\n" + source + "=" +
                                       datetime::HistoryStamp(datetime::FileDateTime(source)) +
                                       "|11/30/2026 9:00:00 AM\r\n");
}

TEST_F(SaveAFile, HistoryOffLeavesTheHistoryFileAlone) {
    ASSERT_TRUE(Save());
    EXPECT_FALSE(Exists(options.gsSaveZelFile));
}

TEST_F(SaveAFile, KeepSourceModeRecordsTheUntouchedSourcesStamp) {
    options.giSaveInBackup = SaveMode::IntoBackupFolder;
    options.gblnSaveZelInfo = true;
    fs::last_write_time(source, fs::file_time_type::clock::from_sys(
                                    std::chrono::sys_seconds{std::chrono::seconds{1000000000}}));
    ASSERT_TRUE(Save());
    const std::string value = Read(options.gsSaveZelFile);
    EXPECT_NE(value.find("=" + datetime::HistoryStamp(datetime::FromTimeT(1000000000)) + "|"), std::string::npos);
}

}  // namespace

namespace {

TEST_F(SaveAFile, KeptLogByModeAndSettings) {
    struct Case {
        int mode;
        bool significant;
        long warnings;
        int logOverwrite;
        const char* kept;  // "" the temporary log stays; "~" the source's folder
    } cases[] = {
        {2, false, 0, 0, "~Form1.LOG"},       {2, false, 0, 3, ""},
        {0, false, 2, 0, ""},                 {0, true, 0, 0, ""},
        {0, true, 2, 0, "~Form1.LOG"},        {0, true, 2, 3, ""},
        {1, false, 0, 0, ""},                 {1, false, 1, 0, "~ZELBACK/Form1.LOG"},
        {1, false, 1, 3, ""},
    };
    for (const auto& c : cases) {
        OpenSession("Form1.frm", "old source\r\n");
        fs::remove(srcDir + "Form1.LOG");
        fs::remove_all(srcDir + "ZELBACK");
        options.giSaveInBackup = SaveMode{c.mode};
        options.gblnLogSignificant = c.significant;
        options.giLogOverwrite = OverwriteMode{c.logOverwrite};
        Zelked("output\r\n", c.warnings);
        const std::string tempLog = gsTempLogFile[1];
        ASSERT_TRUE(Save());
        std::string kept = c.kept;
        if (kept.empty()) {
            EXPECT_EQ(gsTempLogFile[1], tempLog) << c.mode << c.significant << c.warnings << c.logOverwrite;
            EXPECT_TRUE(Exists(tempLog));
        } else {
            kept = srcDir + kept.substr(1);
            EXPECT_EQ(gsTempLogFile[1], kept) << c.mode << c.significant << c.warnings << c.logOverwrite;
            EXPECT_EQ(Read(kept), "log of output\r\n");
            EXPECT_FALSE(Exists(tempLog));
        }
    }
}

TEST_F(SaveAFile, KeptLogTakesTheNextNumberAndANameWithoutDotGetsOne) {
    options.giSaveInBackup = SaveMode::ReplaceOnly;
    options.giLogOverwrite = OverwriteMode::NumberedCycles;
    testsupport::WriteFile(srcDir + "Form1.LOG", "earlier log");
    ASSERT_TRUE(Save());
    EXPECT_EQ(gsTempLogFile[1], srcDir + "Form1.L01");
    EXPECT_EQ(Read(srcDir + "Form1.LOG"), "earlier log");

    OpenSession("README", "old readme");
    ASSERT_TRUE(Save());
    EXPECT_EQ(gsTempLogFile[1], srcDir + "README.LOG");
}

TEST_F(SaveAFile, HistoryRecordRoundTripsWithTheChangedSinceLastSaveTest) {
    options.gblnSaveZelInfo = true;
    EXPECT_TRUE(fbIsNewer(source, options.gsSaveZelFile));  // never saved
    ASSERT_TRUE(Save());
    EXPECT_FALSE(fbIsNewer(source, options.gsSaveZelFile));
    // Edited after the save.
    fs::last_write_time(source, fs::last_write_time(source) + std::chrono::minutes(5));
    EXPECT_TRUE(fbIsNewer(source, options.gsSaveZelFile));
    // Zelked and saved again in the mode that keeps the source: its own
    // (edited) time stamp is recorded, and the save is later.
    options.giSaveInBackup = SaveMode::IntoBackupFolder;
    Zelked("output 2\r\n");
    FakeClock clock;
    clock.Current = datetime::FromTimeT(
        std::chrono::duration_cast<std::chrono::seconds>(
            fs::file_time_type::clock::to_sys(fs::last_write_time(source)).time_since_epoch())
            .count() +
        1);
    testsupport::ClockScope fixed{clock};
    ASSERT_TRUE(Save());
    EXPECT_FALSE(fbIsNewer(source, options.gsSaveZelFile));
}

}  // namespace
