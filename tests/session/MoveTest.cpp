// Moving through the session's files, the View list, and ending a session.
#include "engine/EngineState.h"
#include "engine/ProcessFile.h"
#include "SessionFixture.h"

namespace {

class Move : public SessionFixture {
protected:
    Names picked;
    void OpenFiles(int count) {
        picked.clear();
        for (int i = 1; i <= count; ++i) picked.push_back(Source("M" + std::to_string(i) + ".bas"));
        Open(picked);
    }
    // A project session as the project dialog leaves it: the project's own
    // entry first, then its files.
    void ProjectSession(int files) {
        oFile = std::make_unique<cFileCollection>();
        cFileDesc project;
        project.FileName = Source("P.vbp", "Type=Exe\r\n");
        project.FileType = 1;
        oFile->Add(project);
        for (int i = 1; i <= files; ++i) {
            cFileDesc entry;
            entry.FileName = Source("F" + std::to_string(i) + ".bas");
            oFile->Add(entry);
        }
        oAppInfo->IsAProjectFile = true;
        sbSizeFileArrays(oFile->Count());
    }
};

}  // namespace

TEST_F(Move, NextAndPriorStopAtTheEndsAndMarkTheCurrentFile) {
    OpenFiles(3);
    struct Step {
        int command;  // 0 Next, 1 Prior
        int index;
    } steps[] = {{1, 1}, {0, 2}, {0, 3}, {0, 3}, {1, 2}, {1, 1}, {1, 1}};
    for (const Step& s : steps) {
        w.enabled.clear();
        mnuProcessNext_Click(w, s.command);
        EXPECT_EQ(giFileIndex, s.index);
        EXPECT_EQ(w.CheckedItems(), std::vector<int>{s.index - 1});
        EXPECT_EQ(w.frameCaption, picked[s.index - 1] + " -- Before Zelking");
    }
    // Next, Prior and Skip stay offered at the ends; there they change nothing.
    for (const char* on : {"mnuProcessNext_0", "mnuProcessNext_1", "mnuProcessSkipFile"})
        EXPECT_TRUE(w.Enabled(on)) << on;
}

TEST_F(Move, AZelkedFileShowsItsOutputWhenTheSessionComesBackToIt) {
    OpenFiles(2);
    mnuProcessZelk_Click(w);
    mnuProcessNext_Click(w, 0);
    mnuProcessNext_Click(w, 1);
    EXPECT_EQ(w.frameCaption, picked[0] + " -- After Zelking");
    EXPECT_EQ(w.shownFile, gsTempOutFile[1]);
    // Its unsaved output can be saved and viewed as right after the zelk.
    for (const char* on : {"mnuFileSave", "mnuPopup_2", "mnuFileSaveAll", "mnuViewShow_1", "mnuViewShow_2"})
        EXPECT_TRUE(w.Enabled(on)) << on;
    EXPECT_TRUE(w.Checked("mnuViewShow_1"));
    EXPECT_FALSE(w.Checked("mnuViewShow_0"));
}

// A file of the session whose source went away after it was opened: moving
// to it shows it as not available, and the session goes on.
TEST_F(Move, AFileWhoseSourceIsGoneIsShownAsNotAvailable) {
    OpenFiles(3);
    std::filesystem::remove(picked[1]);
    mnuProcessNext_Click(w, 0);
    EXPECT_EQ(giFileIndex, 2);
    EXPECT_EQ(w.frameCaption, picked[1] + " -- Not Available");
    EXPECT_EQ(w.shownFile, "");
    EXPECT_EQ(status.Text, "File M2.bas Not Available");
    for (const char* off : {"mnuProcessZelk", "mnuFilePrint", "mnuViewStart_0", "mnuPopup_1", "mnuViewShow_0"})
        EXPECT_FALSE(w.Enabled(off)) << off;
    for (const char* on : {"mnuProcessNext_0", "mnuProcessNext_1", "mnuProcessSkipFile", "mnuFileClose_0"})
        EXPECT_TRUE(w.Enabled(on)) << on;
    EXPECT_EQ(w.CheckedItems(), std::vector<int>{1});

    mnuProcessNext_Click(w, 0);
    EXPECT_EQ(w.frameCaption, picked[2] + " -- Before Zelking");
    EXPECT_TRUE(w.Enabled("mnuProcessZelk"));
    mnuViewFile_Click(w, 1);
    EXPECT_EQ(w.frameCaption, picked[1] + " -- Not Available");
    EXPECT_FALSE(w.Enabled("mnuProcessZelk"));
}

TEST_F(Move, SkipMovesOnOrPutsASingleFileOutOfView) {
    OpenFiles(2);
    mnuProcessSkipFile_Click(w);
    EXPECT_EQ(giFileIndex, 2);
    EXPECT_TRUE(w.frameVisible);

    const std::string one = Source("One.bas");
    Open({one});
    mnuProcessZelk_Click(w);
    mnuProcessSkipFile_Click(w);
    // The file and its output stay in the session, out of view.
    EXPECT_FALSE(w.frameVisible);
    EXPECT_EQ(w.recordLabel, "");
    EXPECT_FALSE(w.Enabled("mnuProcessZelk") || w.Enabled("mnuFileSave"));
    EXPECT_EQ(OpenNames(), Names{one});
    EXPECT_TRUE(gblnFileZelked[1] && Exists(gsTempOutFile[1]));
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(Move, ChoosingFromTheViewList) {
    OpenFiles(9);
    mnuViewFile_Click(w, 3);
    EXPECT_EQ(giFileIndex, 4);
    EXPECT_EQ(w.CheckedItems(), std::vector<int>{3});
    EXPECT_EQ(w.frameCaption, picked[3] + " -- Before Zelking");

    // The eighth item opens the Files window although it names a file.
    w.fileListAnswers = {8, -1};
    mnuViewFile_Click(w, 7);
    EXPECT_EQ(w.fileListShown, 1);
    EXPECT_EQ(giFileIndex, 9);
    EXPECT_TRUE(w.CheckedItems().empty());
    // Cancel leaves the current file, with no item checked.
    mnuViewFile_Click(w, 7);
    EXPECT_EQ(w.fileListShown, 2);
    EXPECT_EQ(giFileIndex, 9);
    EXPECT_EQ(w.frameCaption, picked[8] + " -- Before Zelking");
    EXPECT_TRUE(w.CheckedItems().empty());
    EXPECT_GE(w.bringToTop, 3);
}

TEST_F(Move, ProjectListShowsEightItemsAtMost) {
    struct Case {
        int files;
        size_t items;
        std::string eighth;
    } cases[] = {{6, 7, "7: "}, {7, 8, "8: "}, {8, 8, "&More Files ... "}};
    for (const Case& c : cases) {
        w = FakeSessionWindow{};
        ProjectSession(c.files);
        LoadViewMenu(w);
        const Names captions = w.ViewCaptions();
        ASSERT_EQ(captions.size(), c.items) << c.files;
        // The project's own entry is position 1.
        EXPECT_EQ(captions[0], "1: " + oFile->Item(1).FileName);
        EXPECT_EQ(captions.back().rfind(c.eighth, 0), 0u) << captions.back();
        // The separator stays hidden in a project session.
        EXPECT_FALSE(w.Visible("mnuViewDash2"));
    }
}

TEST_F(Move, PriorInAProjectReachesTheProjectsOwnEntry) {
    ProjectSession(2);
    gblnMultiFile = true;
    giFileIndex = 1;
    mnuProcessNext_Click(w, 0);
    EXPECT_EQ(giFileIndex, 2);
    mnuProcessNext_Click(w, 1);
    EXPECT_EQ(giFileIndex, 1);
    EXPECT_EQ(w.frameCaption, oFile->Item(1).FileName + " -- Before Zelking");
}

TEST_F(Move, CleanAllOnAnEmptySessionDeletesNothing) {
    const std::string leftover = paths::Join(testsupport::TempDir(), "PV1.TMP");
    testsupport::WriteFile(leftover, "");
    w.SetVisible("mnuViewDash2", true);
    sbCleanAll(w);
    EXPECT_TRUE(Exists(leftover));
    EXPECT_FALSE(w.Visible("mnuViewDash2") || w.Visible("mnuViewFile_0"));
    EXPECT_TRUE(NothingOpen());
    EXPECT_EQ(w.fileListUnloaded, 0);
    EXPECT_TRUE(gsTempOutFile.empty() && gblnFileZelked.empty());
}
