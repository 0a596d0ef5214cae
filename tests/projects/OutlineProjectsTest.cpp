// The outline of the loaded projects: its nodes, what the information panel
// shows, the selection commands against a history file, and the choice
// handed back on OK.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "OutlineRig.h"
#include "Lend.h"
#include "TestSupport.h"
#include "settings/cINIHandler.h"
#include "projects/cProjectFiles.h"
#include "common/mKEMCommon.h"

using namespace outlinerig;
using S = std::vector<std::string>;

namespace {

struct Line {
    LineKind kind;
    std::string name;  // the file name as the project writes it; empty for a plain line
    std::string record = {};
};

// A project of the given lines in a folder of the test; each component file
// exists there (written with the content "x").
class ProjectsOutline : public ::testing::Test {
protected:
    std::string dir = testsupport::MakeDir("outline");
    std::string historyFile = dir + "/history.ini";
    OutlineRig rig;
    testsupport::Lend<std::unique_ptr<cProjectFiles>> projects{oProjectFiles, std::make_unique<cProjectFiles>()};

    void SetUp() override { oDebug->ClearStatus(); }

    cProjectFile& AddProject(const std::string& base, const std::vector<Line>& lines,
                             ProjectFileType type = ProjectFileType::Project) {
        auto p = std::make_unique<cProjectFile>();
        p->FileName = dir + "/" + base + ".vbp";
        p->FileNameBase = base;
        p->FileNameExt = ".vbp";
        p->FileType = type;
        p->FormList = p->ModuleList = p->ClassList = {0};
        for (const Line& l : lines) {
            auto line = std::make_unique<cProjectLine>();
            line->FileType = l.kind;
            line->FileName = l.name;
            line->AsRecord = l.record.empty() ? "Line " + l.name : l.record;
            if (!l.name.empty()) {
                line->WholeFile = dir + "/" + l.name;
                line->VBName = std::filesystem::path(l.name).stem().string();
                testsupport::WriteFile(line->WholeFile, "x");
            }
            p->ProjectRecords.Add(std::move(line));
            const long n = p->ProjectRecords.Count();
            const std::string ext = std::filesystem::path(l.name).extension().string();
            if (ext == ".frm" || ext == ".ctl" || ext == ".pag" || ext == ".dsr" || ext == ".dob") {
                p->FormList.push_back(n);
                ++p->Forms;
            } else if (ext == ".bas") {
                p->ModuleList.push_back(n);
                ++p->Modules;
            } else if (ext == ".cls") {
                p->ClassList.push_back(n);
                ++p->Classes;
            }
        }
        oProjectFiles->Add(std::move(p));
        return oProjectFiles->Item(oProjectFiles->Count());
    }

    void Load() {
        rig.otl.OutlineSetData(historyFile);
        rig.otl.OutlineRefresh();
    }

    S Texts() const {
        S out;
        for (int i = 1; i < rig.otl.UpperBound(); ++i) out.push_back(rig.otl.Nodes()[static_cast<size_t>(i)].Text);
        return out;
    }

    int NodeOf(const std::string& text) {
        for (int i = 1; i < rig.otl.UpperBound(); ++i)
            if (rig.otl.Node(i).Text == text) return i;
        return 0;
    }

    // Records a save by this system: the file's time stamp then, and when.
    void RecordZelk(const std::string& file, const std::string& stampAtSave) {
        cINIHandler history;
        history.INIFileName(historyFile);
        history.Section(app::kFileDescription);
        history.WriteString(file, stampAtSave + "|1/02/2026 3:04:05 AM");
    }

    static std::vector<std::string> Entries() {
        std::vector<std::string> texts;
        for (long i = 1; i <= oFile->Count(); ++i) {
            const cFileDesc& f = oFile->Item(i);
            texts.push_back(std::filesystem::path(f.FileName).filename().string() + " " + std::to_string(f.FileType) +
                            " " + std::to_string(f.WhichFile) + " " + std::to_string(f.WhichProject));
        }
        return texts;
    }
};

}  // namespace

TEST_F(ProjectsOutline, NodesFollowTheKindsOfTheLines) {
    AddProject("Project1", {{LineKind::None, "", "Type=Exe"},
                            {LineKind::Form, "Form1.frm"},
                            {LineKind::UserControl, "ctl1.ctl"},
                            {LineKind::Form, "Form2.frm"},
                            {LineKind::Module, "mod1.bas"},
                            {LineKind::Other, "mod2.bas"},
                            {LineKind::Module, "mod3.bas"},
                            {LineKind::Designer, "d1.dsr"},
                            {LineKind::PropertyPage, "p1.pag"},
                            {LineKind::Designer, "d2.dsr"},
                            {LineKind::Class, "c1.cls"}});
    AddProject("Empty", {{LineKind::None, "", "Type=Exe"}});
    Load();
    // Forms first, then modules and classes, then the other form-like lines
    // in file order; a run of another kind starts a new heading, and a line
    // whose kind was changed to 10 sits under the heading before it.
    EXPECT_EQ(Texts(), (S{"Project1(Project1.vbp)", "Forms", "Form1(Form1.frm)", "Form2(Form2.frm)", "Modules",
                          "mod1(mod1.bas)", "mod2(mod2.bas)", "Modules", "mod3(mod3.bas)", "Classes", "c1(c1.cls)",
                          "User Controls", "ctl1(ctl1.ctl)", "Designers", "d1(d1.dsr)", "Property Pages",
                          "p1(p1.pag)", "Designers", "d2(d2.dsr)", "Empty(Empty.vbp)"}));
    const OtlNode& untickable = rig.otl.Node(NodeOf("mod2(mod2.bas)"));
    EXPECT_FALSE(untickable.CheckmarkFlag);
    EXPECT_EQ(untickable.Key, (NodeKey{1, 6}));
    EXPECT_TRUE(rig.otl.Node(NodeOf("Forms")).CheckmarkFlag);
    EXPECT_EQ(rig.otl.Node(1).Key, (NodeKey{1, 0}));
    // Projects and headings shown, files hidden, everything closed.
    EXPECT_EQ(rig.Shown(), (S{"Project1(Project1.vbp)", "Forms", "Modules", "Modules", "Classes"}));
    EXPECT_EQ(rig.otl.UpperBound(), 21);
    EXPECT_EQ(rig.otl.Node(21).Text, "");
}

TEST_F(ProjectsOutline, ProjectsLongerThanAThousandLinesKeepTheirKeys) {
    std::vector<Line> lines(1200, Line{LineKind::None, "", "' filler"});
    lines[1099] = {LineKind::Form, "Late.frm"};
    AddProject("Long", lines);
    Load();
    const int late = NodeOf("Late(Late.frm)");
    ASSERT_GT(late, 0);
    EXPECT_EQ(rig.otl.Node(late).Key, (NodeKey{1, 1100}));
    rig.otl.Node(late).Selected = 1;
    bool ok = false;
    rig.otl.GetSelected(ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Entries(), (S{"Long.vbp 1 0 1", "Late.frm 2 1100 1"}));
}

TEST_F(ProjectsOutline, SelectUpdatedTicksFilesChangedSinceTheirLastZelk) {
    AddProject("P", {{LineKind::Form, "Same.frm"},
                     {LineKind::Form, "Later.frm"},
                     {LineKind::Form, "NoRecord.frm"},
                     {LineKind::Form, "Broken.frm"}});
    const auto stamp = [&](const std::string& name) {
        return datetime::HistoryStamp(datetime::FileDateTime(dir + "/" + name));
    };
    RecordZelk(dir + "/Same.frm", stamp("Same.frm"));
    // Changed one second after the time stamp recorded at its save.
    RecordZelk(dir + "/Later.frm", stamp("Later.frm"));
    const std::string later = dir + "/Later.frm";
    std::filesystem::last_write_time(later, std::filesystem::last_write_time(later) + std::chrono::seconds(1));
    {
        cINIHandler history;  // the stamp, the bar and nothing after it
        history.INIFileName(historyFile);
        history.Section(app::kFileDescription);
        history.WriteString(dir + "/Broken.frm", stamp("Broken.frm") + "|");
        history.Section("Zembrock Quindy Printer for Visual Basic");
        history.WriteString(dir + "/Same.frm", "1/01/2026 1:00:00 PM|1/05/2026 2:00:00 PM");
    }
    Load();
    EXPECT_FALSE(rig.otl.Info(1, 1).Modified);
    EXPECT_TRUE(rig.otl.Info(1, 2).Modified);
    EXPECT_TRUE(rig.otl.Info(1, 3).Modified);
    EXPECT_TRUE(rig.otl.Info(1, 4).Modified);
    EXPECT_EQ(rig.otl.Info(1, 1).LastPrint, "1/05/2026 2:00:00 PM");
    EXPECT_EQ(rig.otl.Info(1, 1).LastZelk, "1/02/2026 3:04:05 AM");

    rig.otl.SelectNewer();
    std::vector<int> ticks;
    for (const char* name : {"Same(Same.frm)", "Later(Later.frm)", "NoRecord(NoRecord.frm)", "Broken(Broken.frm)"})
        ticks.push_back(rig.otl.Node(NodeOf(name)).Selected);
    EXPECT_EQ(ticks, (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(rig.otl.Node(NodeOf("Forms")).Selected, 2);  // the folder shows the ticks at once

    // With nothing changed: the message, and the ticks stay.
    oProjectFiles = std::make_unique<cProjectFiles>();
    AddProject("Q", {{LineKind::Form, "Same.frm"}});
    RecordZelk(dir + "/Same.frm", stamp("Same.frm"));
    Load();
    rig.otl.Node(NodeOf("Same(Same.frm)")).Selected = 1;
    rig.otl.SelectNewer();
    ASSERT_FALSE(testsupport::Ui().Messages.empty());
    EXPECT_EQ(testsupport::Ui().Messages.back().Prompt, "There are no files that have been modified since the last zelk.");
    EXPECT_EQ(rig.otl.Node(NodeOf("Same(Same.frm)")).Selected, 1);
}

TEST_F(ProjectsOutline, SelectAllDeselectAllAndTheChoice) {
    AddProject("P1", {{LineKind::Form, "A.frm"}, {LineKind::Module, "B.bas"}});
    AddProject("P2", {{LineKind::Form, "C.frm"}, {LineKind::Other, "D.bas"}, {LineKind::Form, "E.frm"}});
    Load();
    bool ok = true;
    rig.otl.GetSelected(ok);  // nothing ticked
    EXPECT_FALSE(ok);
    EXPECT_EQ(oFile->Count(), 0);

    rig.otl.Node(NodeOf("E(E.frm)")).Selected = 1;
    rig.otl.Node(NodeOf("C(C.frm)")).Selected = 1;
    rig.otl.Node(NodeOf("D(D.bas)")).Selected = 1;  // not a component: passed over
    rig.otl.GetSelected(ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Entries(), (S{"P1.vbp 1 0 1", "P2.vbp 1 0 2", "C.frm 2 1 2", "E.frm 2 3 2"}));

    rig.otl.DeselectAll();
    rig.otl.SelectAll();  // every tickable file; the folders follow
    EXPECT_EQ(Texts(), (S{"P1(P1.vbp)", "Forms", "A(A.frm)", "Modules", "B(B.bas)", "P2(P2.vbp)", "Forms", "C(C.frm)",
                          "E(E.frm)", "D(D.bas)"}));
    std::vector<int> ticks;
    for (int i = 1; i < rig.otl.UpperBound(); ++i) ticks.push_back(rig.otl.Node(i).Selected);
    EXPECT_EQ(ticks, (std::vector<int>{1, 1, 1, 1, 1, 2, 2, 1, 1, 0}));
    rig.otl.DeselectAll();
    for (int i = 1; i <= rig.otl.UpperBound(); ++i) EXPECT_EQ(rig.otl.Node(i).Selected, 0);
}

TEST_F(ProjectsOutline, TheInformationPanelAndList) {
    AddProject("P", {{LineKind::None, "", "Type=Exe"},
                     {LineKind::Form, "Main.frm"},
                     {LineKind::Reference, "", "Reference=*\\G{0}#2.0#0#x.tlb#OLE"},
                     {LineKind::Other, "", "Name=\"P\""},
                     {LineKind::UserControl, "Dial.ctl"}});
    testsupport::WriteFile(dir + "/Main.frm", std::string(1234, 'x'));
    auto& group = AddProject("Group", {{LineKind::None, "", "VBGROUP 5.0"}, {LineKind::None, "", "Project=P.vbp"}},
                             ProjectFileType::Group);
    (void)group;
    Load();
    // A project node: its other lines in the list.
    rig.otl.DisplayData();
    EXPECT_EQ(rig.list.items, (S{"Type=Exe", "Name=\"P\""}));
    EXPECT_TRUE(rig.list.visible);
    EXPECT_FALSE(rig.info.visible);

    // A file node: its name, date and size (looked up at its full path, not
    // from the current folder), and its history.
    rig.otl.OutlineExpandAll();
    rig.otl.OutlineFind("Main(", false);
    rig.otl.DisplayData();
    EXPECT_FALSE(rig.list.visible);
    EXPECT_TRUE(rig.info.visible);
    S printed;
    for (const auto& p : rig.info.prints) printed.push_back(p.text);
    ASSERT_EQ(printed.size(), 6u);
    EXPECT_EQ(printed[0], "File = Main.frm");
    EXPECT_EQ(printed[1], "Date Updated = " + datetime::GeneralDate(datetime::FileDateTime(dir + "/Main.frm")));
    EXPECT_EQ(printed[2], "Size = 1,234");
    EXPECT_EQ(printed[3], "");
    EXPECT_EQ(printed[4], "Last Quindy Print = ");
    EXPECT_EQ(printed[5], "Last Zelk = ");
    EXPECT_EQ(rig.info.prints[1].y, FakePictureBox::kTextHeight);

    // A vanished file: the date and size are left out.
    std::filesystem::remove(dir + "/Main.frm");
    rig.otl.DisplayData();
    printed.clear();
    for (const auto& p : rig.info.prints) printed.push_back(p.text);
    EXPECT_EQ(printed, (S{"File = Main.frm", "", "Last Quindy Print = ", "Last Zelk = "}));

    // "Forms" shows neither; "User Controls" an empty panel.
    rig.otl.OutlineFind("Forms", false);
    rig.otl.DisplayData();
    EXPECT_FALSE(rig.info.visible);
    EXPECT_FALSE(rig.list.visible);
    rig.otl.OutlineFind("User Controls", false);
    rig.otl.DisplayData();
    EXPECT_TRUE(rig.info.visible);
    EXPECT_TRUE(rig.info.prints.empty());

    // The group's node lists every line of the group file.
    rig.otl.OutlineFind("Group(", false);
    rig.otl.DisplayData();
    EXPECT_EQ(rig.list.items, (S{"VBGROUP 5.0", "Project=P.vbp"}));
}
