// Zelk File and Zelk and Save All on the real engine.
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/IsNewer.h"
#include "engine/ProcessFile.h"
#include "settings/ProgramOptions.h"
#include "SessionFixture.h"
#include "settings/cINIHandler.h"

namespace {

namespace fs = std::filesystem;

// Notes, at every message box, how many views the window had shown.
class TimelineUi : public ScriptedUiServices {
public:
    explicit TimelineUi(const FakeSessionWindow& w) : w_(w) {}
    std::vector<size_t> ViewsAtMessage;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        ViewsAtMessage.push_back(w_.views.size());
        return ScriptedUiServices::MsgBox(prompt, buttons, title);
    }

private:
    const FakeSessionWindow& w_;
};

class Zelk : public SessionFixture {
protected:
    const DateTime kEarlier{2026, 3, 1, 9, 0, 0};
};

}  // namespace

TEST_F(Zelk, WithoutWarningsTheOutputIsShown) {
    const std::string a = Source("A.bas");
    Open({a});
    mnuProcessZelk_Click(w);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_TRUE(gblnUnsaved && gblnFileZelked[1]);
    EXPECT_EQ(w.views.back(), "OUTFILE 1");
    EXPECT_EQ(w.shownFile, gsTempOutFile[1]);
    EXPECT_EQ(w.frameCaption, a + " -- After Zelking");
    EXPECT_NE(testsupport::ReadFile(w.shownFile).find("\r\n    x = 2\r\n"), std::string::npos);
    // The state "file zelked", and the other commands held back meanwhile.
    for (const char* on : {"mnuFileSave", "mnuViewShow_1", "mnuViewShow_2", "mnuProcessZelk"})
        EXPECT_TRUE(w.Enabled(on)) << on;
    EXPECT_EQ(w.zelking, (std::vector<bool>{true, false}));
    EXPECT_GE(w.bringToTop, 1);
    EXPECT_EQ(ui.Pointer, pointer::vbDefault);
    // The source is untouched until it is saved.
    EXPECT_EQ(testsupport::ReadFile(a), kClean);
}

TEST_F(Zelk, WarningsShowTheLogBeforeTheWarningBox) {
    TimelineUi timeline(w);
    testsupport::UiScope timed{timeline};
    const Names picked{Source("Warned.bas", kWarned), Source("B.bas")};
    FileDialogResult chosen;
    chosen.Accepted = true;
    chosen.Files = picked;
    timeline.FileDialogAnswers = {chosen};
    mnuFileOpen_Click(w);
    mnuProcessZelk_Click(w);
    ASSERT_EQ(timeline.Messages.size(), 1u);
    EXPECT_EQ(timeline.Messages[0].Prompt, "1 Warnings about the file\r\nWarned.bas");
    EXPECT_EQ(timeline.Messages[0].Title, "Warning were found");
    EXPECT_EQ(timeline.Messages[0].Buttons, mb::vbOKOnly | mb::vbExclamation);
    EXPECT_EQ(w.views.back(), "LOGFILE 1");
    EXPECT_EQ(timeline.ViewsAtMessage[0], w.views.size());
    EXPECT_EQ(w.shownFile, gsTempLogFile[1]);
    EXPECT_NE(testsupport::ReadFile(w.shownFile).find("WARNING:  "), std::string::npos);
    // The zelked file's item of the View list is checked.
    EXPECT_EQ(w.CheckedItems(), std::vector<int>{0});
}

TEST_F(Zelk, AFailedOrCancelledRunCountsAsNotZelked) {
    const Names picked{Source("A.bas"), Source("B.bas")};
    Open(picked);
    mnuProcessZelk_Click(w);
    mnuProcessNext_Click(w, 0);

    // The second source vanished: the run fails with the engine's message,
    // and the window goes back to the file as it was opened, with the
    // session's commands usable and the status line saying what happened.
    const std::string gone = testsupport::ReadFile(picked[1]);
    fs::remove(picked[1]);
    mnuProcessZelk_Click(w);
    ASSERT_EQ(Prompts().size(), 1u);
    EXPECT_FALSE(gblnFileZelked[2]);
    EXPECT_EQ(gsTempOutFile[2], "");
    EXPECT_EQ(status.Text, "File B.bas Not Zelked");
    EXPECT_TRUE(w.frameVisible);
    for (const char* on : {"mnuProcessNext_0", "mnuProcessNext_1", "mnuFileClose_0", "mnuProcessZelkAll_0"})
        EXPECT_TRUE(w.Enabled(on)) << on;
    EXPECT_EQ(OpenNames(), picked);
    // The first file's output is still unsaved.
    EXPECT_TRUE(gblnUnsaved && gblnFileZelked[1]);
    EXPECT_TRUE(w.Enabled("mnuFileSaveAll"));

    // The source is back: shown as its input, and Zelk runs again.
    testsupport::WriteFile(picked[1], gone);
    mnuProcessNext_Click(w, 1);
    mnuProcessNext_Click(w, 0);
    EXPECT_EQ(w.frameCaption, picked[1] + " -- Before Zelking");
    EXPECT_TRUE(w.Enabled("mnuProcessZelk"));
    EXPECT_TRUE(w.Checked("mnuViewShow_0"));

    // A cancelled run.
    Answer({mb::vbYes});  // discard the old session's output
    const std::string c = Source("C.bas");
    Open({c});
    ui.OnDoEvents = [] { oAppInfo->WasCanceled = true; };
    Prompts();
    mnuProcessZelk_Click(w);
    ui.OnDoEvents = nullptr;
    EXPECT_FALSE(gblnFileZelked[1] || gblnUnsaved);
    EXPECT_TRUE(w.Enabled("mnuProcessZelk"));
    EXPECT_FALSE(w.Enabled("mnuFileSave") || w.Enabled("mnuViewShow_1"));
    EXPECT_EQ(w.frameCaption, c + " -- Before Zelking");
    EXPECT_EQ(w.shownFile, c);
    EXPECT_EQ(status.Text, "Zelk Canceled, File C.bas Not Zelked");
    EXPECT_EQ(w.zelking.back(), false);
}

TEST_F(Zelk, TheDictionaryRetryHappensOnce) {
    ZelkOptions settings;
    settings.gsCustomDictionary = "/nowhere/custom.dic";
    int runs = 0;
    sbRetryWithoutCustomDictionary(settings, [&] {
        if (++runs == 1) throw VBError(32354, "dictionary", "cSpellCheck");
    });
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(settings.gsCustomDictionary, "");

    // A dictionary error that comes again goes on to the caller's error
    // trap; any other error goes there at once.
    const struct {
        long number;
        int runs;
    } failing[] = {{13, 2}, {32354, 2}, {5, 1}};
    for (const auto& f : failing) {
        runs = 0;
        EXPECT_THROW(sbRetryWithoutCustomDictionary(settings, [&] {
                         ++runs;
                         throw VBError(f.number, "failed", "cSpellCheck");
                     }),
                     VBError);
        EXPECT_EQ(runs, f.runs) << f.number;
    }
}

// A dictionary a run went without is forgotten in the settings the session
// works with, so that the user is told once; the program's own options are
// not the run's to change.
TEST_F(Zelk, MissingDictionariesAreToldOnceAndForgotten) {
    const ZelkOptions program = goOptions;
    const Names picked{Source("A.bas"), Source("B.bas")};
    w.settings.gblnSpellEnabled = true;
    w.settings.gsStandardDictionary = paths::Join(dir, "NONE.DAT");
    w.settings.gsCustomDictionary = "/nowhere/custom.dic";  // cannot be made either
    Open(picked);
    mnuProcessZelkAll_Click(w, 0);
    const Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 4u);
    EXPECT_EQ(prompts[0].substr(0, 30), "You have spell checking enable");
    EXPECT_EQ(prompts[1].substr(0, 24), "The spelling dictionary ");
    EXPECT_EQ(prompts[2].substr(0, 31), "The custom spelling dictionary ");
    EXPECT_EQ(prompts[3], "2 files Zelked\r\n\r\n");
    EXPECT_EQ(w.settings.gsStandardDictionary, "");
    EXPECT_EQ(w.settings.gsCustomDictionary, "");
    EXPECT_EQ(goOptions, program);

    // Zelk File goes on without them too.
    w.settings.gsCustomDictionary = "/nowhere/again.dic";
    gblnSpellThisModule = true;
    Open({picked[0]});
    mnuProcessZelk_Click(w);
    EXPECT_EQ(Prompts(), Names{"The custom spelling dictionary \r\n/nowhere/again.dic\r\nwas not found!\r\n"
                               "Please specify the custom dictionary with the Options->Spell!\r\n\r\n"
                               "Continuing without the custom dictionary."});
    EXPECT_EQ(w.settings.gsCustomDictionary, "");
    EXPECT_TRUE(gblnFileZelked[1]);
}

// The tab width chosen for one file is the session's from then on: the
// files after it are not asked again.
TEST_F(Zelk, TheTabWidthChosenOnceServesTheFilesAfter) {
    const std::string tabbed = "Attribute VB_Name = \"Tabs\"\r\nOption Explicit\r\nPublic Sub Go()\r\nx =\t2\r\nEnd Sub\r\n";
    const Names picked{Source("A.bas", tabbed), Source("B.bas", tabbed)};
    ASSERT_EQ(w.settings.giTabWidth, TabWidth::NotChosen);
    int asked = 0;
    testsupport::Lend question{gfnAskTabWidth, [&] {
                                   ++asked;
                                   return TabWidth{3};
                               }};
    Open(picked);
    mnuProcessZelkAll_Click(w, 0);
    EXPECT_EQ(Prompts(), Names{"2 files Zelked\r\n\r\n"});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(w.settings.giTabWidth, TabWidth{3});
    for (const std::string& source : picked)
        EXPECT_NE(testsupport::ReadFile(source).find("x =   2\r\n"), std::string::npos) << source;
}

TEST_F(Zelk, ZelkAndSaveAllSavesEachOnceAndSumsUp) {
    const Names picked{Source("A.bas"), Source("Warned.bas", kWarned), Source("C.bas")};
    Open(picked);
    // The same path listed twice (as a project may list it) is zelked once.
    cFileDesc again;
    again.FileName = picked[0];
    oFile->Add(again);
    sbSizeFileArrays(oFile->Count());

    mnuProcessZelkAll_Click(w, 0);
    EXPECT_EQ(Prompts(), Names{"3 files Zelked\r\n\r\nWarned.bas had 1 warnings\r\n"});
    EXPECT_EQ(ui.Messages.back().Title, "Zelker Diagnostics");
    EXPECT_EQ(ui.Messages.back().Buttons, mb::vbOKOnly | mb::vbInformation);
    for (const std::string& source : picked) {
        const std::string name = fs::path(source).filename().string();
        const std::string backup = paths::Join(dir, "ZELBACK/" + name.substr(0, name.find('.') + 2) + "01");
        EXPECT_TRUE(Exists(backup)) << backup;
        EXPECT_NE(testsupport::ReadFile(source), testsupport::ReadFile(backup)) << source;
    }
    EXPECT_FALSE(Exists(paths::Join(dir, "ZELBACK/A.b02")));
    EXPECT_FALSE(gblnUnsaved);
    // The current file (the last one zelked) is closed: the session moves on
    // to the entry after it.
    EXPECT_EQ(giFileIndex, 4);
    EXPECT_EQ(status.Text, "Ready");
    EXPECT_EQ(w.zelking, (std::vector<bool>{true, false}));
}

TEST_F(Zelk, ZelkAllNewerWithNothingChangedZelksNothing) {
    w.settings.gblnSaveZelInfo = true;
    const Names picked{Source("A.bas"), Source("B.bas")};
    Open(picked);
    mnuProcessZelkAll_Click(w, 0);
    ASSERT_EQ(Prompts().size(), 1u);  // the summary
    // Saved at 3:00 PM; the files' own time stamps lie before that.
    for (const std::string& source : picked) {
        SetFileTime(source, kEarlier);
        EXPECT_FALSE(fbIsNewer(source, w.settings.gsSaveZelFile)) << source;
    }

    Open(picked);
    const std::string before = testsupport::ReadFile(picked[0]);
    mnuProcessZelkAll_Click(w, 1);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_EQ(testsupport::ReadFile(picked[0]), before);
    EXPECT_FALSE(Exists(paths::Join(dir, "ZELBACK/A.b02")));
    // The current file is closed: the session moves on to the second file.
    EXPECT_EQ(giFileIndex, 2);
    EXPECT_EQ(status.Text, "No Newer Files to Zelk");

    // A file changed since its save is zelked again.
    clock.Current.Hour = 16;
    SetFileTime(picked[1], DateTime{2026, 3, 7, 15, 30, 0});
    Open(picked);
    mnuProcessZelkAll_Click(w, 1);
    EXPECT_EQ(Prompts(), Names{"1 files Zelked\r\n\r\n"});
    EXPECT_TRUE(Exists(paths::Join(dir, "ZELBACK/B.b02")));
    EXPECT_FALSE(Exists(paths::Join(dir, "ZELBACK/A.b02")));
}

TEST_F(Zelk, TheAskSettingCanBeSuspendedForTheRun) {
    const Names picked{Source("A.bas"), Source("B.bas")};
    w.settings.giOverwrite = OverwriteMode::Ask;
    w.settings.giLogOverwrite = OverwriteMode::Ask;
    // Cancel at the first question: nothing zelked, the settings kept, the
    // current file closed.
    Open(picked);
    Answer({mb::vbCancel});
    mnuProcessZelkAll_Click(w, 0);
    EXPECT_EQ(Prompts(), Names{"You have selected 'Ask before overwriting' \r\n\r\n"
                               "Do you want to maintain this setting while zelking all files?"});
    EXPECT_EQ(ui.Messages.back().Title, "Cancel Ask");
    EXPECT_EQ(w.settings.giOverwrite, OverwriteMode::Ask);
    EXPECT_EQ(giFileIndex, 2);
    EXPECT_FALSE(Exists(paths::Join(dir, "ZELBACK")));

    // No: existing backups are overwritten without a question, and the
    // setting reads "ask" again afterwards.
    fs::create_directories(paths::Join(dir, "ZELBACK"));
    testsupport::WriteFile(paths::Join(dir, "ZELBACK/A.bas"), "old backup");
    Open(picked);
    Answer({mb::vbNo});
    mnuProcessZelkAll_Click(w, 0);
    const Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[1], "2 files Zelked\r\n\r\n");
    EXPECT_EQ(testsupport::ReadFile(paths::Join(dir, "ZELBACK/A.bas")), kClean);
    EXPECT_EQ(w.settings.giOverwrite, OverwriteMode::Ask);
    EXPECT_EQ(w.settings.giLogOverwrite, OverwriteMode::Ask);

    // With spell checking on, the second question can cancel too.
    w.settings.gblnSpellEnabled = true;
    w.settings.giOverwrite = OverwriteMode::NumberedCycles;
    Open(picked);
    Answer({mb::vbCancel});
    mnuProcessZelkAll_Click(w, 0);
    EXPECT_EQ(ui.Messages.back().Title, "Cancel Spell");
    EXPECT_EQ(Prompts().size(), 1u);
}

// Suspending the questions never touches the user's settings: not while the
// files are saved, and not when the command ends in an error.
TEST_F(Zelk, SuspendedQuestionsLeaveTheSettingsAsTheyAre) {
    class FailingSummary : public ScriptedUiServices {
    public:
        explicit FailingSummary(const ZelkOptions& settings) : settings_(settings) {}
        std::vector<OverwriteMode> seen;
        int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
            if (title != "Zelker Diagnostics") return ScriptedUiServices::MsgBox(prompt, buttons, title);
            seen = {settings_.giOverwrite, settings_.giLogOverwrite};
            throw VBError(vberr::kOwnFailure, "the summary failed");
        }

    private:
        const ZelkOptions& settings_;
    } failing(w.settings);
    failing.MsgBoxAnswers = {mb::vbNo};
    const Names picked{Source("A.bas"), Source("B.bas")};
    Open(picked);
    fs::create_directories(paths::Join(dir, "ZELBACK"));
    testsupport::WriteFile(paths::Join(dir, "ZELBACK/A.bas"), "old backup");
    w.settings.giOverwrite = OverwriteMode::Ask;
    w.settings.giLogOverwrite = OverwriteMode::Ask;
    {
        testsupport::UiScope failingBox{failing};
        EXPECT_THROW(mnuProcessZelkAll_Click(w, 0), ErrorReported);
    }
    // The backup was overwritten without a question (the summary's box threw
    // before it was noted), the settings unchanged.
    ASSERT_EQ(failing.Messages.size(), 1u);
    EXPECT_EQ(failing.Messages[0].Title, "Cancel Ask");
    EXPECT_EQ(testsupport::ReadFile(paths::Join(dir, "ZELBACK/A.bas")), kClean);
    EXPECT_EQ(failing.seen, (std::vector<OverwriteMode>{OverwriteMode::Ask, OverwriteMode::Ask}));
    EXPECT_EQ(w.settings.giOverwrite, OverwriteMode::Ask);
    EXPECT_EQ(w.settings.giLogOverwrite, OverwriteMode::Ask);
}

TEST_F(Zelk, AFailedFileEndsTheRunAndTheSession) {
    // The first file fails: no message of the command's own.
    Names picked{Source("A.bas"), Source("B.bas")};
    Open(picked);
    fs::remove(picked[0]);
    mnuProcessZelkAll_Click(w, 0);
    ASSERT_EQ(Prompts().size(), 1u);  // the engine's
    EXPECT_TRUE(NothingOpen());

    // The second fails: the first is saved, the message counts it.
    picked[0] = Source("A.bas");
    Open(picked);
    fs::remove(picked[1]);
    mnuProcessZelkAll_Click(w, 0);
    const Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts[1], "Zelking is being canceled for selected files.\r\nHowever, 1 file(s) have been processed."
                          "\r\n\r\nPlease check any zelked file to validate that Zelked files are valid.");
    EXPECT_EQ(ui.Messages.back().Title, "Cancel Zelk");
    EXPECT_TRUE(Exists(paths::Join(dir, "ZELBACK/A.b01")));
    EXPECT_TRUE(NothingOpen());
}

TEST_F(Zelk, AFailedSaveKeepsItsOutputUnsaved) {
    const Names picked{Source("A.bas"), Source("B.bas")};
    Open(picked);
    fs::permissions(picked[1], fs::perms::owner_write, fs::perm_options::remove);
    const std::string before = testsupport::ReadFile(picked[1]);
    // The read-only refusal, the summary, then Close asks about the output.
    Answer({mb::vbOK, mb::vbOK, mb::vbNo});
    mnuProcessZelkAll_Click(w, 0);
    const Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 3u);
    EXPECT_NE(prompts[0].find("It is readonly"), std::string::npos);
    EXPECT_EQ(prompts[2], "You have Zelked file " + picked[1] +
                              " and not saved it. \r\n\r\nDo you want to discard this Zelked file?");
    EXPECT_TRUE(gblnUnsaved && gblnFileZelked[2]);
    EXPECT_FALSE(gblnFileZelked[1]);
    EXPECT_TRUE(Exists(gsTempOutFile[2]));
    EXPECT_EQ(testsupport::ReadFile(picked[1]), before);
    EXPECT_EQ(OpenNames(), picked);
    fs::permissions(picked[1], fs::perms::owner_write, fs::perm_options::add);
}
