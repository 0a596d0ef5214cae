// Opening project and group files: the group's member projects, the check
// of the component files, the project dialog, and the failures.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/ErrorTrap.h"
#include "analysis/KeywordTable.h"
#include "settings/ProgramOptions.h"
#include "projects/PFParseFile.h"
#include "ProjectFixtures.h"
#include "ProjectsFixture.h"
#include "projects/modFileList.h"

namespace {

class OpenProject : public ProjectsFixture {
protected:
    ScriptedProjectDialog dialog;

    void SetUp() override {
        ProjectsFixture::SetUp();
        BabReset();
        BabInit();
        oDebug->ClearStatus();
        oAppInfo->IsAProjectFile = false;
    }

    cFileCollection Chosen(const std::string& path) {
        cFileCollection names;
        cFileDesc entry;
        entry.FileName = path;
        entry.FileType = filekind::kProject;
        names.Add(entry);
        return names;
    }

    static std::vector<std::string> Entries(const cFileCollection& files) {
        std::vector<std::string> texts;
        for (long i = 1; i <= files.Count(); ++i) {
            const cFileDesc& f = files.Item(i);
            texts.push_back(f.FileName + " " + std::to_string(f.FileType) + " " + std::to_string(f.WhichFile) + " " +
                            std::to_string(f.WhichProject));
        }
        return texts;
    }
};

}  // namespace

TEST_F(OpenProject, AGroupOpensItsProjectsAndOffersTheReadableComponents) {
    const std::string dir = projectfixtures::Copy("books");
    const std::string group = dir + "/Books.vbg", ledger = dir + "/Ledger/", reports = dir + "/Reports/";
    // The missing module's report, the binary form's, then the two files
    // that cannot be read: No, go on.
    ui.Strict = true;
    ui.MsgBoxAnswers = {mb::vbOK, mb::vbOK, mb::vbNo, mb::vbNo, mb::vbOK};
    cFileCollection names = Chosen(group);
    PFParseFile(names, options);

    EXPECT_EQ(oDebug->StatusCode, 0);
    // Member paths: "\" converted, another case resolved.
    EXPECT_EQ(Entries(names), (std::vector<std::string>{group + " 0 0 0", ledger + "Ledger.vbp 1 0 1",
                                                        reports + "Reports.vbp 1 0 2"}));
    ASSERT_EQ(oProjectFiles->Count(), 3);
    EXPECT_EQ(oProjectFiles->Item(1).FileType, ProjectFileType::Group);
    EXPECT_EQ(dialog.Captions, std::vector<std::string>{"Project File - " + group});
    EXPECT_EQ(dialog.Unloads, 1);  // the earlier instance

    // The binary form and the two unreadable files are kept out of the choice.
    const cProjectFile& l = oProjectFiles->Item(2);
    for (long line : {9, 10, 11}) EXPECT_EQ(l.ProjectRecords.Item(line).FileType, LineKind::Other) << line;
    EXPECT_EQ(Entries(*oFile),
              (std::vector<std::string>{group + " 0 1 1", ledger + "Ledger.vbp 1 0 2", ledger + "forms/FrmMain.frm 2 4 2",
                                        ledger + "frmAbout.frm 2 5 2", ledger + "code/modmain.bas 2 6 2",
                                        ledger + "code/cLedger.cls 2 7 2", reports + "Reports.vbp 1 4 3",
                                        reports + "frmReport.frm 2 2 3", reports + "modPrint.bas 2 3 3"}));

    const auto& m = ui.Messages;
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[1].Prompt, ledger + "frmBinary.frm\r\nis not a Visual Basic source-file and cannot be processed.");
    EXPECT_EQ(m[2].Prompt, "There are errors in processing\r\nFile: " + ledger +
                               "ctlDial.ctl\r\nWas Not Found\r\n\r\nDo you want to cancel processing?");
    EXPECT_EQ(m[3].Prompt, "There are errors in processing\r\nFile: " + ledger +
                               "modLocked.bas\r\nWas Not Found\r\n\r\nDo you want to cancel processing?");
    EXPECT_EQ(m[4].Prompt, "3 Code/Form Files in the Project File are binary or couldn't be opened. \r\n\r\n"
                           "If the files are Visual Basic 3.0 binary files and you want to be able to display or "
                           "print them, then within Visual Basic choose File / Save As ... and check the Save As "
                           "Text box.");
    // Closing the project session unloads the dialog.
    oAppInfo->IsAProjectFile = true;
    oZel->CloseFiles();
    EXPECT_EQ(dialog.Unloads, 2);
}

TEST_F(OpenProject, AnAbsoluteMemberPathIsUsedAsItStands) {
    const std::string books = projectfixtures::Copy("books");
    const std::string other = testsupport::MakeDir("elsewhere");
    testsupport::WriteFile(other + "/All.vbg",
                           "VBGROUP 5.0\r\nProject=" + books + "/Reports/Reports.vbp\r\nNot a member\r\n");
    cFileCollection names = Chosen(other + "/All.vbg");
    PFParseFile(names, options);
    EXPECT_EQ(oDebug->StatusCode, 0);
    ASSERT_EQ(names.Count(), 2);
    EXPECT_EQ(names.Item(2).FileName, books + "/Reports/Reports.vbp");
    EXPECT_EQ(oFile->Count(), 4);  // the group, the project and its two files
}

TEST_F(OpenProject, AFileThatCannotBeOpenedIsToldNotReported) {
    SetErrorReportHook([](long n, const std::string& d, const std::string&, const std::string&) {
        ADD_FAILURE() << "error report " << n << " " << d;
    });
    const std::string dir = testsupport::MakeDir("bad");
    std::filesystem::create_directory(dir + "/dir.vbg");
    std::filesystem::create_symlink(dir + "/nowhere.vbp", dir + "/link.vbp");
    for (const std::string name : {"missing.vbp", "dir.vbg", "link.vbp"}) {
        oDebug->ClearStatus();
        cFileCollection names = Chosen(dir + "/" + name);
        PFParseFile(names, options);
        EXPECT_EQ(oDebug->StatusCode, 12) << name;
        EXPECT_EQ(ui.LastPrompt(), "Unable to open " + dir + "/" + name + ".");
    }
    EXPECT_TRUE(dialog.Captions.empty());
    EXPECT_EQ(oFile->Count(), 0);
}

TEST_F(OpenProject, AMemberThatCannotBeOpenedEndsBeforeTheDialog) {
    const std::string dir = testsupport::MakeDir("g");
    testsupport::WriteFile(dir + "/g.vbg", "VBGROUP 5.0\r\nProject=gone\\gone.vbp\r\n");
    cFileCollection names = Chosen(dir + "/g.vbg");
    PFParseFile(names, options);
    EXPECT_EQ(oDebug->StatusCode, 12);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0].Prompt,
              "The following error occurred processing " + dir + "/gone/gone.vbp.\r\n\r\nFile not found");
    EXPECT_EQ(ui.Messages[1].Prompt, "Unable to open " + dir + "/gone/gone.vbp.");
    EXPECT_TRUE(dialog.Captions.empty());
}

TEST_F(OpenProject, EndsBeforeTheDialogWhenNoComponentIsFoundOrTheUserCancels) {
    const std::string dir = testsupport::MakeDir("p");
    testsupport::WriteFile(dir + "/none.vbp", "Module=m; m.bas\r\n");
    testsupport::WriteFile(dir + "/locked.vbp", "Module=m; m.bas\r\n");
    std::filesystem::create_directory(dir + "/m.bas");

    ui.Strict = true;
    ui.MsgBoxAnswers = {mb::vbOK};
    cFileCollection none = Chosen(dir + "/none.vbp");
    std::filesystem::remove(dir + "/m.bas");
    PFParseFile(none, options);
    EXPECT_EQ(oDebug->StatusCode, 19);

    std::filesystem::create_directory(dir + "/m.bas");
    oDebug->ClearStatus();
    ui.MsgBoxAnswers.push_back(mb::vbYes);  // "Do you want to cancel processing?"
    cFileCollection locked = Chosen(dir + "/locked.vbp");
    PFParseFile(locked, options);
    EXPECT_EQ(oDebug->StatusCode, 8);
    EXPECT_TRUE(dialog.Captions.empty());
}

TEST_F(OpenProject, AnEmptyProjectFileOffersNothing) {
    const std::string path = dir + "/empty.vbp";
    testsupport::WriteFile(path, "");
    cFileCollection names = Chosen(path);
    PFParseFile(names, options);
    EXPECT_EQ(oProjectFiles->Item(1).Records, 0);
    EXPECT_EQ(dialog.Captions.size(), 1u);
    EXPECT_EQ(oFile->Count(), 0);  // OK without a ticked file appends nothing
}

// Through the file selection: nothing of a failed or cancelled project
// choice stays open.
TEST_F(OpenProject, AFailedOrCancelledChoiceLeavesNothingOpen) {
    const std::string books = projectfixtures::Copy("books");
    testsupport::WriteFile(dir + "/bad.vbg", "VBGROUP 5.0\r\nProject=gone.vbp\r\n");
    struct {
        std::string path;
        bool cancel;
        int status;
    } cases[] = {{books + "/Reports/Reports.vbp", true, 8}, {dir + "/bad.vbg", false, 12}};
    for (const auto& c : cases) {
        dialog.Cancel = c.cancel;
        FileDialogResult answer;
        answer.Accepted = true;
        answer.Files = {c.path};
        ui.FileDialogAnswers.push_back(answer);
        oDebug->ClearStatus();
        GetFilesToProcess(&menu, 0, options);
        EXPECT_EQ(oDebug->StatusCode, c.status) << c.path;
        EXPECT_EQ(oFile->Count(), 0) << c.path;
        EXPECT_FALSE(oAppInfo->IsAProjectFile) << c.path;
        EXPECT_EQ(gsMRU[1], "") << c.path;
    }
}
