// Opening a session, closing its files and leaving the program.
#include "engine/EngineState.h"
#include "SessionFixture.h"

namespace {

const std::string kDiscardAll =
    "You have Zelked files and not saved them. \r\n\r\nDo you want to discard all Zelked files?";

std::string DiscardOne(const std::string& path) {
    return "You have Zelked file " + path + " and not saved it. \r\n\r\nDo you want to discard this Zelked file?";
}

class OpenClose : public SessionFixture {};

}  // namespace

TEST_F(OpenClose, OneFileShowsItsInputReadyToZelk) {
    const std::string a = Source("A.bas");
    Open({a});
    EXPECT_EQ(OpenNames(), Names{a});
    EXPECT_EQ(giFileIndex, 1);
    EXPECT_FALSE(gblnMultiFile);
    EXPECT_EQ(w.views, Names{"INFILE 1"});
    EXPECT_EQ(w.frameCaption, a + " -- Before Zelking");
    EXPECT_TRUE(w.Enabled("mnuProcessZelk") && w.Enabled("mnuFileClose_0"));
    for (const char* off : {"mnuFileSaveAll", "mnuProcessZelkAll_0", "mnuProcessNext_0", "mnuFileSave"})
        EXPECT_FALSE(w.Enabled(off)) << off;
    EXPECT_TRUE(w.ViewCaptions().empty());
    EXPECT_EQ(gsMRU[1], a);
    EXPECT_EQ(w.mruCaptions[1], "&1 " + a);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(gtFileStats.size(), 2u);
}

TEST_F(OpenClose, SeveralFilesAreListedAndTheFirstIsShown) {
    Names picked;
    for (int i = 1; i <= 12; ++i) picked.push_back(Source("M" + std::to_string(i) + ".bas"));
    Open(picked);
    EXPECT_EQ(OpenNames(), picked);
    EXPECT_TRUE(gblnMultiFile);
    EXPECT_EQ(giFileIndex, 1);
    EXPECT_EQ(w.frameCaption, picked[0] + " -- Before Zelking");
    // Every file has its own entry, however many there are.
    Names captions;
    for (int i = 1; i <= 12; ++i) captions.push_back(std::to_string(i) + ": " + picked[i - 1]);
    EXPECT_EQ(w.ViewCaptions(), captions);
    EXPECT_EQ(w.CheckedItems(), std::vector<int>{0});
    EXPECT_TRUE(w.Visible("mnuViewDash2"));
    for (const char* on : {"mnuProcessZelkAll_0", "mnuProcessZelkAll_1", "mnuProcessNext_0", "mnuProcessNext_1",
                           "mnuProcessSkipFile"})
        EXPECT_TRUE(w.Enabled(on)) << on;
    // Save All stays as the state "file open" leaves it.
    EXPECT_FALSE(w.Enabled("mnuFileSaveAll"));
    EXPECT_EQ(gtFileStats.size(), 13u);
}

TEST_F(OpenClose, AResourceScriptOpensAloneAndZelks) {
    const std::string rc = Source("Strings.rc", "STRINGTABLE\r\nBEGIN\r\n    1 \"Hello\"\r\nEND\r\n");
    Open({rc});
    EXPECT_TRUE(oAppInfo->IsAResourceFile);
    EXPECT_EQ(w.frameCaption, rc + " -- Before Zelking");
    mnuProcessZelk_Click(w);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_TRUE(gblnFileZelked[1]);
    EXPECT_EQ(w.frameCaption, rc + " -- After Zelking");
    EXPECT_EQ(testsupport::ReadFile(w.shownFile), testsupport::ReadFile(rc));
}

TEST_F(OpenClose, RefusedOrCancelledSelectionsLeaveNothingOpen) {
    struct Case {
        const char* what;
        Names names;
        Names prompts;
    } cases[] = {
        {"resource with a module", {"x.rc", "y.bas"}, {"Resource files cannot be selected with other files.\r\n\r\n"}},
        {"project with a form", {"x.frm", "y.vbp"}, {"A Project-file may not be specified with other files."}},
        // No project dialog is installed here: the opening ends as its Cancel.
        {"project without files", {"p.vbp"}, {}},
        // Nothing open before: a cancel changes nothing.
        {"cancelled", {}, {}},
    };
    for (const Case& c : cases) {
        Names paths;
        for (const auto& n : c.names) paths.push_back(Source(n, "Type=Exe\r\n"));
        Open(paths);
        EXPECT_EQ(Prompts(), c.prompts) << c.what;
        EXPECT_TRUE(NothingOpen()) << c.what;
        EXPECT_EQ(oDebug->StatusCode, 0) << c.what;
    }
    EXPECT_EQ(gsMRU[1], "");
}

// Open keeps the current session until files are chosen; Cancel in the
// dialog leaves everything open as it was, unsaved output included.
TEST_F(OpenClose, CancelInTheDialogKeepsTheSession) {
    const Names picked{Source("A.bas"), Source("B.bas")};
    Open(picked);
    mnuProcessZelk_Click(w);
    const std::string output = gsTempOutFile[1];
    Answer({mb::vbYes});  // discard? the dialog comes next
    Open({});
    EXPECT_EQ(Prompts().size(), 1u);
    EXPECT_EQ(OpenNames(), picked);
    EXPECT_TRUE(gblnUnsaved && gblnFileZelked[1] && Exists(output));
    EXPECT_TRUE(w.frameVisible && w.Enabled("mnuFileSave") && w.Enabled("mnuProcessNext_0"));
    EXPECT_EQ(w.frameCaption, picked[0] + " -- After Zelking");
    EXPECT_EQ(w.ViewCaptions().size(), 2u);
}

// Names typed in the dialog with folders of their own are opened from
// those folders, not from the folder of the first name.
TEST_F(OpenClose, NamesFromDifferentFoldersOpenFromTheirOwnFolders) {
    const std::string other = testsupport::MakeDir("other");
    const std::string b = paths::Join(other, "B.bas");
    testsupport::WriteFile(b, kClean);
    const Names picked{Source("A.bas"), b, Source("C.bas")};
    Open(picked);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_EQ(OpenNames(), picked);
}

TEST_F(OpenClose, OpenAsksBeforeDiscardingUnsavedOutput) {
    const std::string a = Source("A.bas"), b = Source("B.bas");
    Open({a});
    mnuProcessZelk_Click(w);
    const std::string output = gsTempOutFile[1];
    ASSERT_TRUE(Exists(output));

    // No: the whole session stays, the dialog is never shown.
    Answer({mb::vbNo});
    const size_t dialogs = ui.FileDialogRequests.size();
    mnuFileOpen_Click(w);
    EXPECT_EQ(Prompts(), Names{"You have Zelked a file and not saved it. \r\nDo you want to discard this Zelked file?"});
    EXPECT_EQ(ui.FileDialogRequests.size(), dialogs);
    EXPECT_EQ(OpenNames(), Names{a});
    EXPECT_TRUE(gblnUnsaved && gblnFileZelked[1]);
    EXPECT_EQ(w.frameCaption, a + " -- After Zelking");
    EXPECT_TRUE(Exists(output));

    // Yes: the old output goes, the new file opens.
    Answer({mb::vbYes});
    Open({b});
    EXPECT_EQ(Prompts().size(), 1u);
    EXPECT_FALSE(Exists(output));
    EXPECT_FALSE(gblnUnsaved);
    EXPECT_EQ(OpenNames(), Names{b});
    EXPECT_EQ(Names(gsMRU.begin() + 1, gsMRU.begin() + 3), (Names{b, a}));
}

TEST_F(OpenClose, RecentEntries) {
    const std::string a = Source("A.bas");
    gsMRU[1] = a;
    gsMRU[2] = paths::Join(dir, "gone.bas");
    mnuFileMRU_Click(w, 1);
    EXPECT_EQ(OpenNames(), Names{a});
    EXPECT_EQ(w.frameCaption, a + " -- Before Zelking");
    EXPECT_TRUE(ui.FileDialogRequests.empty());

    // An empty entry opens nothing; a gone file says so.
    mnuFileMRU_Click(w, 3);
    EXPECT_TRUE(NothingOpen());
    EXPECT_TRUE(Prompts().empty());
    mnuFileMRU_Click(w, 2);
    EXPECT_TRUE(NothingOpen());
    ASSERT_EQ(Prompts().size(), 1u);
    EXPECT_EQ(oDebug->StatusCode, 8);
    EXPECT_TRUE(ui.FileDialogRequests.empty());
}

TEST_F(OpenClose, CloseMovesOnThroughSeveralFilesAndEndsAtTheLast) {
    const Names picked{Source("A.bas"), Source("B.bas"), Source("C.bas")};
    Open(picked);
    mnuProcessNext_Click(w, 0);
    ASSERT_EQ(giFileIndex, 2);
    // Nothing zelked: no question.
    mnuFileClose_Click(w, 0);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_EQ(giFileIndex, 3);
    EXPECT_EQ(OpenNames(), picked);  // the closed file stays in the lists
    EXPECT_EQ(w.ViewCaptions().size(), 3u);
    EXPECT_EQ(w.CheckedItems(), std::vector<int>{2});
    EXPECT_EQ(w.frameCaption, picked[2] + " -- Before Zelking");

    mnuFileClose_Click(w, 0);
    EXPECT_TRUE(NothingOpen());
    EXPECT_EQ(giFileIndex, 0);
    EXPECT_TRUE(w.ViewCaptions().empty());
    EXPECT_FALSE(w.Visible("mnuViewDash2"));
    EXPECT_EQ(w.fileListUnloaded, 1);
}

TEST_F(OpenClose, CloseAsksAboutTheCurrentFilesOutput) {
    const std::string a = Source("A.bas");
    Open({a});
    mnuProcessZelk_Click(w);
    const Names temps{gsTempOutFile[1], gsTempLogFile[1]};

    Answer({mb::vbNo});
    mnuFileClose_Click(w, 0);
    EXPECT_EQ(Prompts(), Names{DiscardOne(a)});
    EXPECT_EQ(ui.Messages.back().Buttons, mb::vbYesNo | mb::vbQuestion);
    EXPECT_TRUE(gblnFileZelked[1] && gblnUnsaved);
    EXPECT_TRUE(Exists(temps[0]) && Exists(temps[1]));
    EXPECT_EQ(OpenNames(), Names{a});

    Answer({mb::vbYes});
    mnuProcessDiscardFile_Click(w);  // Discard is Close
    EXPECT_EQ(Prompts(), Names{DiscardOne(a)});
    EXPECT_FALSE(Exists(temps[0]) || Exists(temps[1]));
    EXPECT_TRUE(NothingOpen());
    EXPECT_FALSE(gblnUnsaved);
    EXPECT_TRUE(Exists(a));
}

TEST_F(OpenClose, ClosingTheLastOfSeveralAsksAboutTheOthersOutput) {
    const Names picked{Source("A.bas"), Source("B.bas")};
    Open(picked);
    mnuProcessZelk_Click(w);
    const std::string firstOutput = gsTempOutFile[1];
    mnuProcessNext_Click(w, 0);
    EXPECT_TRUE(gblnUnsaved);

    // The last file has no output of its own; the first one's would go.
    Answer({mb::vbNo});
    mnuFileClose_Click(w, 0);
    EXPECT_EQ(Prompts(), Names{kDiscardAll});
    EXPECT_EQ(OpenNames(), picked);
    EXPECT_EQ(giFileIndex, 2);
    EXPECT_TRUE(w.frameVisible);
    EXPECT_TRUE(Exists(firstOutput) && gblnFileZelked[1]);

    Answer({mb::vbYes});
    mnuFileClose_Click(w, 0);
    EXPECT_EQ(Prompts(), Names{kDiscardAll});
    EXPECT_TRUE(NothingOpen());
    EXPECT_FALSE(Exists(firstOutput));
}

TEST_F(OpenClose, CloseAll) {
    const Names picked{Source("A.bas"), Source("B.bas")};
    // Nothing unsaved: no question, nothing open afterwards.
    Open(picked);
    mnuFileClose_Click(w, 1);
    EXPECT_TRUE(Prompts().empty());
    EXPECT_TRUE(NothingOpen());
    EXPECT_EQ(giFileIndex, 0);

    Open(picked);
    mnuProcessZelk_Click(w);
    const std::string output = gsTempOutFile[1];
    // No keeps the session and its output.
    Answer({mb::vbNo});
    mnuFileClose_Click(w, 1);
    EXPECT_EQ(Prompts(), Names{kDiscardAll});
    EXPECT_EQ(OpenNames(), picked);
    EXPECT_TRUE(Exists(output) && gblnUnsaved);

    Answer({mb::vbYes});
    mnuFileClose_Click(w, 1);
    EXPECT_EQ(Prompts(), Names{kDiscardAll});
    EXPECT_TRUE(NothingOpen());
    EXPECT_FALSE(Exists(output));
    EXPECT_TRUE(OwnTemporaryFiles().empty());
}

TEST_F(OpenClose, ExitAsksToSaveAndRemovesOnlyOurTemporaryFiles) {
    const std::string a = Source("A.bas");
    const std::string original = testsupport::ReadFile(a);
    const std::string leftover = paths::Join(testsupport::TempDir(), "PV7.TMP");
    const std::string foreign = paths::Join(testsupport::ProgramDir(), "other.tmp");
    // Another copy of the program on the same program folder: its unsaved
    // output lives in its own folder beside ours.
    const std::string otherCopy = testsupport::MakeDir("zelker-1-other") + "/PV1.TMP";
    const std::string inProgramDir = paths::Join(testsupport::ProgramDir(), "PV8.TMP");
    testsupport::WriteFile(leftover, "from an earlier zelk");
    testsupport::WriteFile(foreign, "not ours");
    testsupport::WriteFile(otherCopy, "the other copy's output");
    testsupport::WriteFile(inProgramDir, "not ours either");
    Open({a});
    mnuProcessZelk_Click(w);
    const std::string output = gsTempOutFile[1];
    const std::string settings = paths::Join(testsupport::ConfigDir(), kSettingsFileName);

    // Cancel: the program goes on with the session as it was.
    Answer({mb::vbCancel});
    EXPECT_FALSE(fbFormUnload(w));
    EXPECT_EQ(Prompts(), Names{"You have Zelked files that are not saved. \r\nDo you want to save Zelked files?"});
    EXPECT_EQ(ui.Messages.back().Buttons, mb::vbYesNoCancel | mb::vbQuestion);
    EXPECT_EQ(ui.Messages.back().Title, "Zelker");
    EXPECT_EQ(w.unhooked, 0);
    EXPECT_TRUE(Exists(output) && Exists(leftover));

    // No: nothing saved, yet every temporary file of ours goes.
    Answer({mb::vbNo});
    EXPECT_TRUE(fbFormUnload(w));
    EXPECT_EQ(Prompts().size(), 1u);
    EXPECT_EQ(w.unhooked, 1);
    EXPECT_EQ(testsupport::ReadFile(a), original);
    EXPECT_FALSE(Exists(output) || Exists(leftover));
    EXPECT_TRUE(Exists(foreign) && Exists(inProgramDir));
    EXPECT_EQ(testsupport::ReadFile(otherCopy), "the other copy's output");
    EXPECT_TRUE(OwnTemporaryFiles().empty());
    EXPECT_FALSE(Exists(std::filesystem::path(output).parent_path()));
    // The settings and the recent-file list are written.
    EXPECT_NE(testsupport::ReadFile(settings).find("MRU1=" + a), std::string::npos);
}

TEST_F(OpenClose, ExitWithYesSavesAndAsksAgainWhileASaveFails) {
    const std::string a = Source("A.bas");
    Open({a});
    mnuProcessZelk_Click(w);
    const std::string zelked = testsupport::ReadFile(gsTempOutFile[1]);
    std::filesystem::permissions(a, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);

    // The read-only source refuses the save: the question comes again
    // instead of the output being deleted.
    Answer({mb::vbYes, mb::vbOK, mb::vbCancel});
    EXPECT_FALSE(fbFormUnload(w));
    Names prompts = Prompts();
    ASSERT_EQ(prompts.size(), 3u);
    EXPECT_NE(prompts[1].find("It is readonly"), std::string::npos);
    EXPECT_EQ(prompts[2], prompts[0]);
    EXPECT_TRUE(gblnFileZelked[1]);

    std::filesystem::permissions(a, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    Answer({mb::vbYes});
    EXPECT_TRUE(fbFormUnload(w));
    EXPECT_EQ(Prompts().size(), 1u);
    EXPECT_EQ(testsupport::ReadFile(a), zelked);
    EXPECT_FALSE(gblnUnsaved);
}
