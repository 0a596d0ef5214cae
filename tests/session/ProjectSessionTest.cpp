// A session of a project group: its files chosen in the project dialog,
// zelked and saved, and its project and group files never touched.
#include <algorithm>
#include <map>

#include "engine/EngineState.h"
#include "engine/ProcessFile.h"
#include "ProjectFixtures.h"
#include "session/SaveAFile.h"
#include "SessionFixture.h"

namespace {

namespace fs = std::filesystem;

class ProjectSession : public SessionFixture {
protected:
    ScriptedProjectDialog dialog;
    std::string books, group, ledger, reports;
    std::map<std::string, std::string> before;  // path: bytes

    void SetUp() override {
        SessionFixture::SetUp();
        books = projectfixtures::Copy("books");
        group = books + "/Books.vbg";
        ledger = books + "/Ledger/Ledger.vbp";
        reports = books + "/Reports/Reports.vbp";
        for (const auto& e : fs::recursive_directory_iterator(books))
            if (e.is_regular_file()) before[e.path().string()] = testsupport::ReadFile(e.path().string());
    }

    // The group opened, every offered file ticked; the reading's messages
    // answered (the two unreadable files: go on).
    void OpenGroup() {
        Answer({mb::vbOK, mb::vbOK, mb::vbNo, mb::vbNo, mb::vbOK});
        Open({group});
        ASSERT_EQ(Prompts().size(), 5u);
        ASSERT_EQ(oFile->Count(), 9);
    }

    // Files of the copy whose bytes differ from before.
    Names Changed() const {
        Names changed;
        for (const auto& [path, bytes] : before)
            if (!Exists(path) || testsupport::ReadFile(path) != bytes) changed.push_back(path);
        return changed;
    }
};

}  // namespace

TEST_F(ProjectSession, ZelkAndSaveAllSavesEveryChosenFileAndNoProjectFile) {
    OpenGroup();
    EXPECT_TRUE(oAppInfo->IsAProjectFile);
    const std::string l = books + "/Ledger/", r = books + "/Reports/";
    EXPECT_EQ(OpenNames(), (Names{group, ledger, l + "forms/FrmMain.frm", l + "frmAbout.frm", l + "code/modmain.bas",
                                  l + "code/cLedger.cls", reports, r + "frmReport.frm", r + "modPrint.bas"}));
    // The first entry shown after the group's own is Ledger's own entry.
    EXPECT_EQ(giFileIndex, 2);

    // Zelk File and Save on a project's own entry do nothing to it.
    mnuProcessZelk_Click(w);
    EXPECT_TRUE(gsTempOutFile[2].empty());
    EXPECT_TRUE(gsTempLogFile[2].empty());
    EXPECT_FALSE(gblnFileZelked[2] || gblnUnsaved);
    EXPECT_TRUE(OwnTemporaryFiles().empty());
    // Nor do the engine's run and the save when called on such an entry.
    sbProcessFile(7, w.settings);  // Reports.vbp, inside the session
    EXPECT_TRUE(gsTempOutFile[7].empty());
    bool saved = true;
    sbSaveAFile(7, w.settings, saved, &w);
    EXPECT_FALSE(saved);
    EXPECT_EQ(testsupport::ReadFile(reports), before[reports]);

    mnuProcessZelkAll_Click(w, 0);
    const Names prompts = Prompts();
    ASSERT_FALSE(prompts.empty());
    EXPECT_EQ(prompts.back().substr(0, 14), "6 files Zelked");

    const Names sources = {l + "forms/FrmMain.frm", l + "frmAbout.frm", l + "code/modmain.bas", l + "code/cLedger.cls",
                           r + "frmReport.frm", r + "modPrint.bas"};
    Names changed = Changed();
    EXPECT_EQ(changed, [&] {
        Names sorted = sources;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }());
    for (const auto& source : sources) {
        // The original went to the backup folder beside it.
        bool backedUp = false;
        for (const auto& e : fs::directory_iterator(fs::path(source).parent_path() / "ZELBACK"))
            backedUp = backedUp || testsupport::ReadFile(e.path().string()) == before[source];
        EXPECT_TRUE(backedUp) << source;
    }
    // The group and project files are as they were, and nothing was backed
    // up beside the group.
    for (const std::string& own : {group, ledger, reports}) EXPECT_EQ(testsupport::ReadFile(own), before[own]);
    EXPECT_FALSE(Exists(books + "/ZELBACK"));
    EXPECT_TRUE(NothingOpen());
}

TEST_F(ProjectSession, AComponentThatVanishedAfterOpeningFailsAloneAndEndsTheSession) {
    OpenGroup();
    fs::remove(books + "/Ledger/frmAbout.frm");
    // Index 1: only files changed since their last save; a vanished file
    // counts as changed, is tried and fails without ending the program.
    mnuProcessZelkAll_Click(w, 1);
    const Names prompts = Prompts();
    bool told = false;
    for (const auto& p : prompts) told = told || p.rfind("The following error occurred processing " + books, 0) == 0;
    EXPECT_TRUE(told);
    EXPECT_TRUE(NothingOpen());
    for (const std::string& own : {group, ledger, reports}) EXPECT_EQ(testsupport::ReadFile(own), before[own]);
}
