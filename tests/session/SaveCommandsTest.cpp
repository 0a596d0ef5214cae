// Save and Save All after a real zelk, the Options command and help.
#include "engine/EngineState.h"
#include "engine/IsNewer.h"
#include "SessionFixture.h"
#include "platform/VBText.h"
#include "settings/cINIHandler.h"

namespace {

namespace fs = std::filesystem;

class SaveCommands : public SessionFixture {
protected:
    std::string source;
    std::string zelked;  // the output of the last zelk

    void OpenAndZelk(const std::string& name = "Clean.bas", const std::string& text = kClean) {
        source = Source(name, text);
        Open({source});
        mnuProcessZelk_Click(w);
        zelked = testsupport::ReadFile(gsTempOutFile[1]);
        Prompts();
    }
    std::string Backup(const std::string& name) const { return paths::Join(dir, "ZELBACK/" + name); }
    std::string DiscardQuestion() const {
        return "You have Zelked file " + source + " and not saved it. \r\n\r\nDo you want to discard this Zelked file?";
    }
};

}  // namespace

TEST_F(SaveCommands, EachModePutsTheOutputInPlaceAndClosesTheFile) {
    struct Case {
        int mode;
        bool sourceReplaced;
        const char* backupHolds;  // "source", "output" or nullptr: no backup
    } cases[] = {{0, true, "source"}, {1, false, "output"}, {2, true, nullptr}};
    for (const Case& c : cases) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        w.settings.giSaveInBackup = SaveMode{c.mode};
        OpenAndZelk();
        mnuFileSave_Click(w);
        EXPECT_TRUE(Prompts().empty()) << c.mode;
        EXPECT_EQ(testsupport::ReadFile(source), c.sourceReplaced ? zelked : std::string(kClean)) << c.mode;
        if (c.backupHolds)
            EXPECT_EQ(testsupport::ReadFile(Backup("Clean.b01")),
                      std::string(c.backupHolds) == "source" ? std::string(kClean) : zelked)
                << c.mode;
        else
            EXPECT_FALSE(Exists(paths::Join(dir, "ZELBACK"))) << c.mode;
        EXPECT_EQ(status.Text, source + " Has Been Saved") << c.mode;
        // Saved, the file closes without a question: nothing is open.
        EXPECT_TRUE(NothingOpen()) << c.mode;
        EXPECT_FALSE(gblnUnsaved) << c.mode;
        EXPECT_TRUE(OwnTemporaryFiles().empty()) << c.mode;
    }
}

TEST_F(SaveCommands, CyclesAreNumberedUntilNinetyNine) {
    OpenAndZelk();
    mnuFileSave_Click(w);
    const std::string first = zelked;
    // The second zelk of the saved file starts from the zelked text.
    Open({source});
    mnuProcessZelk_Click(w);
    mnuFileSave_Click(w);
    EXPECT_EQ(testsupport::ReadFile(Backup("Clean.b01")), kClean);
    EXPECT_EQ(testsupport::ReadFile(Backup("Clean.b02")), first);
    EXPECT_TRUE(Prompts().empty());

    for (int n = 3; n <= 99; ++n) testsupport::WriteFile(Backup("Clean.b" + vb::Format(n, "00")), "old");
    OpenAndZelk();
    const std::string before = testsupport::ReadFile(source);
    // All 99 taken: the save is refused; Close then asks, and No keeps the
    // output.
    Answer({mb::vbOK, mb::vbNo});
    mnuFileSave_Click(w);
    const Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(ui.Messages[ui.Messages.size() - 2].Title, "Too Many Cycles");
    EXPECT_EQ(prompts[1], DiscardQuestion());
    EXPECT_EQ(testsupport::ReadFile(source), before);
    EXPECT_TRUE(gblnFileZelked[1] && gblnUnsaved);
    EXPECT_EQ(testsupport::ReadFile(gsTempOutFile[1]), zelked);
    EXPECT_TRUE(w.Enabled("mnuFileSave"));
}

TEST_F(SaveCommands, AReadOnlySourceIsNotSaved) {
    OpenAndZelk();
    fs::permissions(source, fs::perms::owner_write, fs::perm_options::remove);
    // The refusal, then Close's question: Yes discards the output.
    Answer({mb::vbOK, mb::vbYes});
    mnuFileSave_Click(w);
    const Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0], "The file " + source +
                              "\r\nCannot be written. It is readonly.\r\n"
                              "If you are using SourseSafe, files must be checked out\r\n\r\n"
                              "Save operation cannot complete");
    EXPECT_EQ(prompts[1], DiscardQuestion());
    EXPECT_EQ(testsupport::ReadFile(source), kClean);
    EXPECT_FALSE(Exists(Backup("Clean.b01")));
    EXPECT_TRUE(NothingOpen());
    EXPECT_TRUE(OwnTemporaryFiles().empty());
    fs::permissions(source, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(SaveCommands, TheHistoryRecordAndItsRoundTrip) {
    w.settings.gblnSaveZelInfo = true;
    w.settings.giSaveInBackup = SaveMode::IntoBackupFolder;  // keeps the source: its time stamp is known
    OpenAndZelk();
    SetFileTime(source, DateTime{2026, 3, 7, 14, 5, 9});
    mnuFileSave_Click(w);
    const std::string history = testsupport::ReadFile(w.settings.gsSaveZelFile);
    EXPECT_EQ(history, "[Zembrock Zelker for Visual Basic]\r\n" + source + "=3/07/2026 2:05:09 PM|3/07/2026 3:00:00 PM\r\n");
    EXPECT_FALSE(fbIsNewer(source, w.settings.gsSaveZelFile));

    // Changed after the save: newer; a second save updates the record.
    SetFileTime(source, DateTime{2026, 3, 7, 15, 0, 1});
    EXPECT_TRUE(fbIsNewer(source, w.settings.gsSaveZelFile));
    clock.Current = DateTime{2026, 12, 25, 9, 30, 0};
    Open({source});
    mnuProcessZelk_Click(w);
    mnuFileSave_Click(w);
    cINIHandler ini;
    ini.INIFileName(w.settings.gsSaveZelFile);
    ini.Section("Zembrock Zelker for Visual Basic");
    EXPECT_EQ(ini.ReadString(source, ""), "3/07/2026 3:00:01 PM|12/25/2026 9:30:00 AM");
    EXPECT_FALSE(fbIsNewer(source, w.settings.gsSaveZelFile));
}

// The source vanished after the zelk: Save is a message naming the file and
// the reason, the program goes on, the output stays unsaved and Exit still
// asks about it.
TEST_F(SaveCommands, ASaveThatFailsKeepsTheOutputUnsavedAndExitStillAsks) {
    OpenAndZelk();
    const std::string output = gsTempOutFile[1];
    fs::remove(source);
    Answer({mb::vbOK, mb::vbNo});
    mnuFileSave_Click(w);
    const Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[0], "The file " + source + " could not be saved.\r\n\r\nFile not found\r\n" + source +
                              "\r\n\r\nThe zelked output is kept and stays unsaved.");
    EXPECT_EQ(prompts[1], DiscardQuestion());
    EXPECT_TRUE(gblnUnsaved && gblnFileZelked[1]);
    EXPECT_EQ(testsupport::ReadFile(output), zelked);
    EXPECT_EQ(OpenNames(), Names{source});
    EXPECT_TRUE(w.Enabled("mnuFileSave") && w.Enabled("mnuFileSaveAll"));

    Answer({mb::vbCancel});
    EXPECT_FALSE(fbFormUnload(w));
    EXPECT_EQ(Prompts(), Names{"You have Zelked files that are not saved. \r\nDo you want to save Zelked files?"});
    EXPECT_TRUE(Exists(output));
}

TEST_F(SaveCommands, SavingOneFileLeavesTheOthersUnsaved) {
    const Names picked{Source("A.bas"), Source("B.bas")};
    Open(picked);
    mnuProcessZelk_Click(w);
    mnuProcessNext_Click(w, 0);
    mnuProcessZelk_Click(w);
    // Saving the last file closes it; the first file's output is asked about
    // before the session ends, and No keeps it.
    Answer({mb::vbNo});
    mnuFileSave_Click(w);
    EXPECT_EQ(Prompts(), Names{"You have Zelked files and not saved them. \r\n\r\n"
                               "Do you want to discard all Zelked files?"});
    EXPECT_TRUE(gblnUnsaved && gblnFileZelked[1]);
    EXPECT_FALSE(gblnFileZelked[2]);
    EXPECT_EQ(OpenNames(), picked);

    // Save is offered for a file with unsaved output, Save All while any
    // file has some.
    EXPECT_TRUE(w.Enabled("mnuFileSaveAll"));
    EXPECT_FALSE(w.Enabled("mnuFileSave") || w.Enabled("mnuPopup_2"));
    mnuProcessNext_Click(w, 1);
    EXPECT_TRUE(w.Enabled("mnuFileSave") && w.Enabled("mnuPopup_2") && w.Enabled("mnuFileSaveAll"));

    // Save All saves what is left; nothing is left to save afterwards.
    mnuFileSaveAll_Click(w);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_FALSE(gblnUnsaved || gblnFileZelked[1]);
    EXPECT_TRUE(Exists(paths::Join(dir, "ZELBACK/A.b01")));
    EXPECT_FALSE(w.Enabled("mnuFileSave") || w.Enabled("mnuPopup_2") || w.Enabled("mnuFileSaveAll"));
    EXPECT_EQ(status.Text, picked[0] + " Has Been Saved");

    // Nothing left to save: only the status line.
    mnuFileSaveAll_Click(w);
    EXPECT_EQ(status.Text, "Save all Zelked Files");
    EXPECT_FALSE(Exists(paths::Join(dir, "ZELBACK/A.b02")));
}

TEST_F(SaveCommands, OptionsWriteTheSettingsAndOfferToZelkAgainOnlyAfterAChange) {
    const std::string settings = paths::Join(testsupport::ConfigDir(), kSettingsFileName);
    const std::string a = Source("A.bas");
    Open({a});
    // Closed without a change: no write, no question.
    mnuOptions_Click(w);
    EXPECT_EQ(status.Text, "Setting Zelking Options");
    EXPECT_EQ(testsupport::ReadFile(settings), kSettings);
    EXPECT_TRUE(Prompts().empty());

    w.onOptions = [] { gblnOptionsChanged = true; };
    Answer({mb::vbYes});
    mnuOptions_Click(w);
    EXPECT_NE(testsupport::ReadFile(settings).find("[Arrange Declares]"), std::string::npos);
    EXPECT_EQ(Prompts(), Names{"Zelk Options May Have Changed\r\n\r\nRun Zelk Now?"});
    EXPECT_EQ(ui.Messages.back().Title, "Zelk");
    EXPECT_TRUE(gblnFileZelked[1]);  // Yes zelked the file

    // With nothing open the settings are written but nothing is offered.
    Answer({mb::vbYes});
    mnuFileClose_Click(w, 1);
    Prompts();
    testsupport::WriteFile(settings, "");
    mnuOptions_Click(w);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_NE(testsupport::ReadFile(settings), "");

    // Several files: the offer runs Zelk and Save All.
    const Names picked{a, Source("B.bas")};
    Open(picked);
    Answer({mb::vbYes, mb::vbOK});
    mnuOptions_Click(w);
    EXPECT_EQ(Prompts(), (Names{"Zelk Options May Have Changed\r\n\r\nZelk All Files?", "2 files Zelked\r\n\r\n"}));
}

TEST_F(SaveCommands, HelpAndAbout) {
    testsupport::Lend help{gsHelpFile, paths::Join(testsupport::ProgramDir(), "zelker.hlp")};
    mnuHelpContents_Click(w);
    const Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_NE(prompts[0].find(gsHelpFile), std::string::npos);

    gblnStarting = true;
    mnuHelpAbout_Click(w);
    EXPECT_EQ(w.aboutShown, 1);
    EXPECT_FALSE(gblnStarting);
    EXPECT_GE(w.bringToTop, 1);
}

TEST_F(SaveCommands, ASavedFileShowsAsItsOutputAndOutlivesTheSession) {
    // A source whose name ends in ".tmp" like a temporary file's.
    const Names picked{Source("Notes.tmp"), Source("B.bas")};
    Open(picked);
    mnuProcessZelk_Click(w);
    const std::string output = testsupport::ReadFile(gsTempOutFile[1]);
    mnuFileSave_Click(w);
    ASSERT_EQ(giFileIndex, 2);

    // Back at the saved file, its zelked output is the saved file itself.
    mnuProcessNext_Click(w, 1);
    EXPECT_EQ(w.frameCaption, picked[0] + " -- After Zelking");
    EXPECT_EQ(w.shownFile, picked[0]);
    EXPECT_EQ(testsupport::ReadFile(w.shownFile), output);

    // Ending the session deletes temporary files only.
    mnuFileClose_Click(w, 1);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_TRUE(NothingOpen());
    EXPECT_EQ(testsupport::ReadFile(picked[0]), output);
    EXPECT_TRUE(OwnTemporaryFiles().empty());
}
