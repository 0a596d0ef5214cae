// The parse of single project-file lines, and the table of keys.
#include <gtest/gtest.h>

#include "projects/ProjectKeys.h"
#include "projects/ProjectRecord.h"

namespace {

const std::string kForms = ".FRM.CTL.PAG.DOB.DSR.";
const std::string kCode = ".BAS.CLS.";

struct Parsed {
    cProjectLine line;
    ProjectTally tally;
};

Parsed Parse(const std::string& text, const std::string& forms = kForms, const std::string& code = kCode) {
    Parsed p;
    p.line.AsRecord = text;
    p.line.FileNameBase = "Proj";
    p.line.FileNamePath = "/work/proj/";
    p.tally.Records = 2;
    ParseProjectRecord(p.line, forms, code, p.tally);
    return p;
}

// The items of Value from `first` on, as many as Values says.
std::vector<std::string> Items(const cProjectLine& line, size_t first) {
    return {line.Value.begin() + static_cast<long>(first),
            line.Value.begin() + static_cast<long>(first) + line.Values};
}

}  // namespace

TEST(ProjectKeys, TableIsInCharacterCodeOrderBetweenItsBounds) {
    const KeyTableType& table = ProjectKeyTable();
    EXPECT_EQ(table.front(), std::string(1, '\0'));
    EXPECT_EQ(table.back(), std::string(1, '\xff'));
    for (size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1], table[i]) << i;
    for (int i = 1; i <= projectkey::kCount; ++i) EXPECT_EQ(fiProjectKeyNumber(table[static_cast<size_t>(i)]), i);
    struct {
        const char* key;
        int number;
    } known[] = {{"AUTOINCREMENTVER", 1}, {"FAVORPENTIUMPRO", 21}, {"FDIVCHECK", 22}, {"PATH32", 38},
                 {"PROJWINSIZE", 40},     {"PROPERTYPAGE", 41},    {"USEEXISTINGBROWSER", 57},
                 {"USERCONTROL", 58},     {"VERSIONPRODUCTNAME", 67}};
    for (const auto& k : known) EXPECT_EQ(fiProjectKeyNumber(k.key), k.number) << k.key;
    for (const char* unknown : {"", "AAA", "NAME ", "Name", "ZZZ", "FORMS"}) EXPECT_EQ(fiProjectKeyNumber(unknown), 0);
}

// One row per kind of line: what the parser makes of it.
TEST(ProjectRecord, ClassifiesEachKindOfLine) {
    struct Case {
        std::string text;
        LineKind kind;
        int key;
        bool error;
        int values;
        size_t firstItem;  // where the items start in Value
        std::vector<std::string> items;
    };
    const std::string guid = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}";
    const Case cases[] = {
        {"Name=\"Project1\"", LineKind::Other, 32, false, 1, 1, {"\"Project1\""}},
        {"Title=\"Open", LineKind::Other, 53, true, 1, 1, {"\"Open"}},
        {"Form=\"frmMain.frm\"", LineKind::Form, 24, true, 1, 1, {"\"frmMain.frm\""}},
        {"ProjWinSize=88,452,255,207", LineKind::Other, 40, false, 4, 1, {"88", "452", "255", "207"}},
        {"ProjWinSize=1,2,3,4,5", LineKind::Other, 40, false, 5, 1, {"1", "2", "3", "4", "5"}},
        {"ProjWinSize=1,2,3,4,5,6", LineKind::Other, 40, true, 5, 1, {"1", "2", "3", "4", "5"}},
        // A "," first in what remains ends the cut.
        {"ProjWinSize=1,,2", LineKind::Other, 40, false, 2, 1, {"1", ",2"}},
        {"Module=a,b", LineKind::Module, 31, true, 2, 1, {"a", "b"}},
        {"Object=" + guid + "#2.0#0; CTLS.OCX", LineKind::Object, 34, false, 3, 0, {guid, "2.0", "0; CTLS.OCX"}},
        {"Reference=*\\G" + guid + "#2.0#0#..\\LIB.TLB#Description", LineKind::Reference, 42, false, 5, 0,
         {"*\\G" + guid, "2.0", "0", "..\\LIB.TLB", "Description"}},
        {"Form=a#b.frm", LineKind::Form, 24, false, 2, 0, {"a", "b.frm"}},
        {"HelpContextID(1)=0", LineKind::Other, 25, false, 1, 0, {"0"}},
        {"FavorPentiumPro(tm)=0", LineKind::Other, 21, false, 1, 0, {"0"}},
        {"Startup=Sub  Main", LineKind::Other, 50, false, 3, 0, {"Sub", "", "Main"}},
        {"HelpFile=", LineKind::Other, 26, false, 0, 0, {}},
        {"Name = x", LineKind::None, 0, true, 0, 0, {}},
        {"=x", LineKind::None, 0, true, 0, 0, {}},
        {"Colour=1", LineKind::None, 0, true, 0, 0, {}},
        {"[MS Transaction Server]", LineKind::None, 0, false, 0, 0, {}},
        {"   ", LineKind::None, 0, false, 0, 0, {}},
        {"Module=modMain;modMain.bas", LineKind::Module, 31, true, 0, 0, {}},
        {"Module=modMain modMain.bas", LineKind::Module, 31, true, 0, 0, {}},
        {"Module=", LineKind::Module, 31, true, 0, 0, {}},
        {"Class= c; c.cls", LineKind::Class, 4, true, 0, 0, {}},
        // Old-style lines: a file name alone.
        {"FORM1.FRM", LineKind::Form, -24, false, 0, 0, {}},
        {"README", LineKind::Form, -24, false, 0, 0, {}},
        {"form1.frm", LineKind::None, 0, false, 0, 0, {}},
        {"README.TXT", LineKind::None, 0, false, 0, 0, {}},
        {"My Form.frm", LineKind::None, 0, true, 0, 0, {}},
    };
    for (const Case& c : cases) {
        const Parsed p = Parse(c.text);
        EXPECT_EQ(p.line.FileType, c.kind) << c.text;
        EXPECT_EQ(p.line.KeyWord, c.key) << c.text;
        EXPECT_EQ(p.line.SyntaxError, c.error) << c.text;
        EXPECT_EQ(p.line.Values, c.values) << c.text;
        if (p.line.Values == c.values) {
            EXPECT_EQ(Items(p.line, c.firstItem), c.items) << c.text;
        }
        EXPECT_EQ(p.line.AsRecord, c.text);
    }
}

TEST(ProjectRecord, SplitsTheFileNamesOfComponentLines) {
    struct Case {
        std::string text;
        std::string fileName, drive, path, base, ext, vbName;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        // A form's folder is its own (the reader fills it from the project).
        {"Form=frmMain.frm", "frmMain.frm", "", "", "frmMain", ".frm", "", {"frmMain.frm"}},
        {"UserControl= Ctl\\Dial.ctl ", "Ctl\\Dial.ctl", "", "Ctl/", "Dial", ".ctl", "", {"Ctl\\Dial.ctl"}},
        // Classes and modules hang below the project's folder.
        {"Module=modMain; modMain.bas", "modMain.bas", "", "/work/proj/", "modMain", ".bas", "modMain",
         {"modMain", "modMain.bas"}},
        {"Class=cList; My Classes\\cList.cls", "My Classes\\cList.cls", "", "/work/proj/My Classes/", "cList", ".cls",
         "cList", {"cList", "My Classes\\cList.cls"}},
        {"Module=m; ..\\Lib\\m.bas", "..\\Lib\\m.bas", "", "/work/proj/../Lib/", "m", ".bas", "m", {"m", "..\\Lib\\m.bas"}},
        // One ";" too many: the name loses it, the file name keeps what follows.
        {"Module=m;; x.bas", "; x.bas", "", "/work/proj/", "; x", ".bas", "m", {"m;", "; x.bas"}},
        // A drive or a rooted name does not.
        {"Module=m; C:\\Lib\\m.bas", "C:\\Lib\\m.bas", "C:", "/Lib/", "m", ".bas", "m", {"m", "C:\\Lib\\m.bas"}},
        {"Module=m; /opt/lib/m.bas", "/opt/lib/m.bas", "", "/opt/lib/", "m", ".bas", "m", {"m", "/opt/lib/m.bas"}},
        {"Object=Ctl; Ctl.ocx", "Ctl.ocx", "", "/work/proj/", "Ctl", ".ocx", "", {"Ctl", "Ctl.ocx"}},
        // Old-style lines keep their own folder.
        {"MODULE1.BAS", "MODULE1.BAS", "", "", "MODULE1", ".BAS", "MODULE1.BAS", {}},
        {"..\\common\\util.bas", "..\\common\\util.bas", "", "../common/", "util", ".bas", "", {}},
    };
    for (const Case& c : cases) {
        const Parsed p = Parse(c.text);
        const cProjectLine& l = p.line;
        EXPECT_FALSE(l.SyntaxError) << c.text;
        EXPECT_EQ(l.FileName, c.fileName) << c.text;
        EXPECT_EQ(l.FileNameDrive, c.drive) << c.text;
        EXPECT_EQ(l.FileNamePath, c.path) << c.text;
        EXPECT_EQ(l.FileNameBase, c.base) << c.text;
        EXPECT_EQ(l.FileNameExt, c.ext) << c.text;
        EXPECT_EQ(l.VBName, c.vbName) << c.text;
        EXPECT_EQ(Items(l, 0), c.items) << c.text;
    }
}

TEST(ProjectRecord, CountsOtherProjectsAndControls) {
    struct Case {
        std::string text;
        long objects, references;
        LineKind kind;
    } cases[] = {
        {"Reference=*\\A..\\Other\\Other.vbp", 0, 1, LineKind::Reference},
        {"Object=*\\A..\\Ctl\\Ctl.VBP", 1, 0, LineKind::Object},
        {"C:\\WINDOWS\\SYSTEM\\GRID.VBX", 1, 0, LineKind::None},
        {"Reference=*\\A..\\Other\\Other.dll", 0, 0, LineKind::Reference},
    };
    for (const Case& c : cases) {
        const Parsed p = Parse(c.text);
        EXPECT_EQ(p.tally.Objects, c.objects) << c.text;
        EXPECT_EQ(p.tally.References, c.references) << c.text;
        EXPECT_EQ(p.line.FileType, c.kind) << c.text;
        EXPECT_FALSE(p.line.SyntaxError) << c.text;
        EXPECT_TRUE(p.line.FileName.empty() || c.kind == LineKind::None) << c.text;
    }
    EXPECT_EQ(Parse("C:\\WINDOWS\\SYSTEM\\GRID.VBX").line.KeyWord, projectkey::kOldStyleControl);
}

TEST(ProjectRecord, ExtensionListsMustBeginWithAPoint) {
    for (const auto& [forms, code] : std::vector<std::pair<std::string, std::string>>{
             {"", kCode}, {"FRM.", kCode}, {kForms, ""}, {kForms, "BAS."}}) {
        const Parsed p = Parse("Form=frmMain.frm", forms, code);
        EXPECT_TRUE(p.line.SyntaxError) << forms << " " << code;
        EXPECT_EQ(p.line.FileType, LineKind::None);
    }
    // An empty extension list is "." alone, which only a name without an
    // extension matches.
    EXPECT_EQ(Parse("FORM1.FRM", ".", kCode).line.FileType, LineKind::None);
    EXPECT_EQ(Parse("FORM1", ".", kCode).line.FileType, LineKind::Form);
}

TEST(ProjectRecord, ParseFileNameLeavesThePartsOfABlankPath) {
    std::string drive = "d", dir = "p", base = "b", ext = "e";
    bool error = false;
    ParseProjectFileName("   ", drive, dir, base, ext, error);
    EXPECT_TRUE(error);
    EXPECT_EQ(drive + dir + base + ext, "dpbe");

    error = false;
    ParseProjectFileName("x.bas", drive, dir, base, ext, error);
    EXPECT_FALSE(error);
    EXPECT_EQ((std::vector<std::string>{drive, dir, base, ext}), (std::vector<std::string>{"", "", "x", ".bas"}));
    // A point in a folder's name starts the extension when the file has none.
    ParseProjectFileName("C:\\my.dir\\readme", drive, dir, base, ext, error);
    EXPECT_EQ((std::vector<std::string>{drive, dir, base, ext}), (std::vector<std::string>{"C:", "/", "my", ".dir/readme"}));
}
