// Reading whole project and group files into the project model.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProjectFixtures.h"
#include "TestSupport.h"
#include "platform/VBError.h"
#include "projects/cProjectFile.h"
#include "common/mKEMCommon.h"

namespace {

const std::string kForms = ".FRM.CTL.PAG.DOB.DSR";
const std::string kCode = ".BAS.CLS";

class ProjectFile : public ::testing::Test {
protected:
    ScriptedUiServices& ui = testsupport::Ui();
    cProjectFile project;

    void SetUp() override { oDebug->ClearStatus(); }

    void Read(const std::string& path) { project.ProcessProjectFile(path, kForms, kCode); }

    const cProjectLine& Line(long n) const { return project.ProjectRecords.Item(n); }

    std::vector<std::string> Listed(const cProjectFile::LineList& list, int count) const {
        std::vector<std::string> names;
        for (int n = 1; n <= count; ++n) names.push_back(Line(list[static_cast<size_t>(n)]).VBName);
        return names;
    }

    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = testsupport::MakeDir("p") + "/" + name;
        testsupport::WriteFile(path, text);
        return path;
    }
};

}  // namespace

TEST_F(ProjectFile, ReadsAProjectWithPresentMissingAndUnreadableComponents) {
    const std::string dir = projectfixtures::Copy("books") + "/Ledger/";
    Read(dir + "Ledger.vbp");

    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(project.FileType, ProjectFileType::Project);
    EXPECT_EQ(project.FileNameBase, "Ledger");
    EXPECT_EQ(project.FileNameExt, ".vbp");
    EXPECT_EQ(project.FileNamePath, dir);
    EXPECT_EQ(project.Records, 43);
    EXPECT_EQ(project.ProjectRecords.Count(), 43);
    EXPECT_EQ(Line(43).AsRecord, "AutoRefresh=1");

    // Forms: "Forms\frmMain.frm" is forms/FrmMain.frm on disk; the link
    // that leads nowhere is found by name, cannot be read for its object
    // name and becomes kind 0 under its file name.
    EXPECT_EQ(project.Forms, 4);
    EXPECT_EQ(Listed(project.FormList, project.Forms),
              (std::vector<std::string>{"frmMain", "frmAbout", "frmBinary", "ctlDial.ctl"}));
    EXPECT_EQ(Line(4).WholeFile, dir + "forms/FrmMain.frm");
    EXPECT_EQ(Line(4).FileName, "Forms\\frmMain.frm");
    EXPECT_EQ(Line(11).FileType, LineKind::None);
    EXPECT_EQ(Line(11).FileName, dir + "ctlDial.ctl");
    EXPECT_EQ(project.Modules, 2);
    EXPECT_EQ(Listed(project.ModuleList, project.Modules), (std::vector<std::string>{"modMain", "modLocked"}));
    EXPECT_EQ(Line(6).WholeFile, dir + "code/modmain.bas");
    EXPECT_EQ(project.Classes, 1);
    EXPECT_EQ(Line(project.ClassList[1]).WholeFile, dir + "code/cLedger.cls");

    // The missing module: kind 0, in error, in no list.
    EXPECT_EQ(Line(8).FileType, LineKind::None);
    EXPECT_TRUE(Line(8).SyntaxError);
    EXPECT_EQ(Line(2).FileType, LineKind::Reference);
    EXPECT_EQ(Line(3).FileType, LineKind::Object);
    EXPECT_EQ(Line(12).FileType, LineKind::Other);
    EXPECT_EQ(Line(42).FileType, LineKind::None);  // [MS Transaction Server]
    EXPECT_FALSE(Line(42).SyntaxError);

    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Prompt, "For the project file " + dir +
                                         "Ledger.vbp\r\n1 files were not found and\r\n7 files were found.");
    EXPECT_EQ(ui.Messages[0].Buttons, mb::vbExclamation);
}

TEST_F(ProjectFile, ReadsAnOldStyleProjectOfFileNames) {
    const std::string dir = projectfixtures::Copy("old") + "/";
    Read(dir + "OLD.MAK");
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(project.Records, 6);
    EXPECT_EQ(Listed(project.FormList, project.Forms), std::vector<std::string>{"Form1"});
    EXPECT_EQ(Listed(project.ModuleList, project.Modules), std::vector<std::string>{"MODULE1.BAS"});
    EXPECT_EQ(Line(1).WholeFile, dir + "FORM1.FRM");
    EXPECT_EQ(project.Objects, 1);
    EXPECT_EQ(Line(4).Values, 4);
}

TEST_F(ProjectFile, AProjectWithoutAnyComponentFileStopsWithStatus19) {
    const std::string path = Write("p.vbp", "Type=Exe\r\nForm=a.frm\r\nModule=m; m.bas\r\nClass=c; c.cls\r\n");
    Read(path);
    EXPECT_EQ(oDebug->StatusCode, 19);
    EXPECT_EQ(project.Forms + project.Modules + project.Classes, 0);
    for (long n = 2; n <= 4; ++n) {
        EXPECT_EQ(Line(n).FileType, LineKind::None);
        EXPECT_TRUE(Line(n).SyntaxError);
    }
    EXPECT_EQ(ui.LastPrompt(), "For the project file " + path +
                                   "\r\n3 files were not found and\r\n0 files were found.\r\n\r\n"
                                   "No further processing will occur.");
}

TEST_F(ProjectFile, ASecondComponentOfTheSameNameStopsTheReading) {
    const std::string path = Write("p.vbp", "Form=a.frm\r\nForm=.\\A.FRM\r\nModule=m; m.bas\r\n");
    testsupport::WriteFile(std::filesystem::path(path).parent_path().string() + "/a.frm",
                           "VERSION 5.00\r\nBegin VB.Form frmA\r\nEnd\r\n");
    Read(path);
    EXPECT_EQ(oDebug->StatusCode, 12);
    EXPECT_EQ(oDebug->ReasonCode, 2);
    EXPECT_EQ(project.Records, 2);
    // The refused line is in no list and not in the collection.
    EXPECT_EQ(project.Forms, 1);
    EXPECT_EQ(project.ProjectRecords.Count(), 1);
    EXPECT_EQ(ui.LastPrompt(), "The following error occurred reading record 2\r\non file " + path +
                                   ".\r\nRemainder of file not processed.\r\n\r\n"
                                   "This key is already associated with an element of this collection at line 0\r\n"
                                   "Last line read: Form=.\\A.FRM");
}

TEST_F(ProjectFile, AFileThatCannotBeOpenedSetsStatus12) {
    const std::string dir = testsupport::MakeDir("p");
    std::filesystem::create_directory(dir + "/dir.vbp");
    std::filesystem::create_symlink(dir + "/nowhere", dir + "/link.vbp");
    struct {
        std::string path, description;
    } cases[] = {{dir + "/missing.vbp", "File not found"},
                 {dir + "/link.vbp", "File not found"},
                 {dir + "/dir.vbp", "Path/File access error"}};
    for (const auto& c : cases) {
        oDebug->ClearStatus();
        cProjectFile file;
        file.ProcessProjectFile(c.path, kForms, kCode);
        EXPECT_EQ(oDebug->StatusCode, 12) << c.path;
        EXPECT_EQ(oDebug->ReasonCode, 1) << c.path;
        EXPECT_EQ(ui.LastPrompt(), "The following error occurred processing " + c.path + ".\r\n\r\n" + c.description);
        EXPECT_EQ(file.ProjectRecords.Count(), 0);
    }
}

TEST_F(ProjectFile, AnEmptyFileIsAProjectWithoutLines) {
    Read(Write("empty.vbp", ""));
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(project.Records, 0);
    EXPECT_EQ(project.ProjectRecords.Count(), 0);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ProjectFile, LinesEndingInLineFeedsAloneReadTheSame) {
    const std::string dir = testsupport::MakeDir("lf");
    testsupport::WriteFile(dir + "/m.bas", "Attribute VB_Name = \"m\"\n");
    testsupport::WriteFile(dir + "/p.vbp", "Type=Exe\nModule=m; m.bas\nName=\"P\"");
    cProjectFile lf;
    lf.ProcessProjectFile(dir + "/p.vbp", kForms, kCode);
    EXPECT_EQ(lf.Records, 3);
    EXPECT_EQ(lf.Modules, 1);
    EXPECT_EQ(lf.ProjectRecords.Item(2).AsRecord, "Module=m; m.bas");
    EXPECT_EQ(lf.ProjectRecords.Item(3).AsRecord, "Name=\"P\"");
}

TEST_F(ProjectFile, ReadsAGroupFileIntoPlainLines) {
    const std::string dir = projectfixtures::Copy("books");
    project.ProcessProjectGroupFile(dir + "/Books.vbg");
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(project.FileType, ProjectFileType::Group);
    EXPECT_EQ(project.Records, 3);
    for (const cProjectLine& line : project) EXPECT_EQ(line.FileType, LineKind::None);
    EXPECT_EQ(project.ProjectRecords.Item(3).AsRecord, "Project=REPORTS\\reports.VBP");
    EXPECT_EQ(project.Forms + project.Modules + project.Classes, 0);
}

TEST_F(ProjectFile, BadArgumentsAreTheCallersError) {
    auto number = [](auto&& call) {
        try {
            call();
        } catch (const VBError& e) {
            return e.Description;
        }
        return std::string("none");
    };
    cProjectFile p;
    EXPECT_EQ(number([&] { p.ProcessProjectFile("", kForms, kCode); }), "Invalid FileName");
    EXPECT_EQ(number([&] { p.ProcessProjectFile("x.vbp", "FRM", kCode); }), "Invalid FileExt");
    EXPECT_EQ(number([&] { p.ProcessProjectFile("x.vbp", "", "BAS"); }), "Invalid FileExt");
    EXPECT_EQ(number([&] { p.ProcessProjectGroupFile(""); }), "Invalid FileName");
}
