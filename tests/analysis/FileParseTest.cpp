#include <filesystem>
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "common/AppIdentity.h"
#include "common/ErrorTrap.h"
#include "analysis/FileParse.h"
#include "TestSupport.h"
#include "platform/VBError.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

// An entry as "Name Kind FirstRecord-LastRecord FirstStmt-LastStmt" with
// "public" and "event" when set.
std::string Describe(const ProcInfo& p) {
    std::string s = p.Name + " " + p.Kind + " " + std::to_string(p.FirstRecord) + "-" + std::to_string(p.LastRecord) +
                    " " + std::to_string(p.FirstStmt) + "-" + std::to_string(p.LastStmt);
    if (p.IsPublic) s += " public";
    if (p.IsEventName) s += " event";
    return s;
}

std::vector<std::string> Table() {
    std::vector<std::string> out;
    for (const ProcInfo& p : Parsed().gtProcTable) out.push_back(Describe(p));
    return out;
}

using V = std::vector<std::string>;

}  // namespace

TEST(FileParse, StandardModule) {
    UseStandardKeywords();
    ParseText("Attribute VB_Name = \"Utils\"\r\nOption Explicit\r\n\r\nPublic Function Add(a, b)\r\n"
              "    Add = a + b\r\nEnd Function\r\n");
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Parsed().gsModuleName, "Utils");
    EXPECT_EQ(Table(), (V{"<Declarations> D 1-2 1-2 public", "Add F 3-7 3-6 public"}));
    EXPECT_EQ(Parsed().glRecordCount, 7);
    EXPECT_FALSE(Parsed().gblnCondCompProc);
}

TEST(FileParse, FormFixture) {
    UseStandardKeywords();
    ParseText(Fixture("form.frm"), "F");
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Parsed().gsModuleName, "frmMain");
    EXPECT_EQ(Table(), (V{"(Designer Object Definition) M 1-24 1-24", "<Declarations> D 25-30 25-30",
                          "cmdOK_Click S 31-38 31-38 event", "Form_Load S 39-42 39-42 event",
                          "Form_Resize S 43-48 43-47 event"}));
    EXPECT_EQ(Parsed().yStatement[1].Flags, stmtflag::kFormDescription);
}

TEST(FileParse, FormWithoutCode) {
    UseStandardKeywords();
    ParseText("VERSION 5.00\r\nBegin VB.Form F\r\nEnd\r\n", "F");
    EXPECT_EQ(Table(), (V{"(Designer Object Definition) M 1-4 1-3"}));
}

// Comment lines at the head of a module or after a form's description
// belong to the part they head, unless a heading follows them directly.
TEST(FileParse, CommentsHeadingThePartAfterThem) {
    UseStandardKeywords();
    struct Case {
        std::string text, fileKind;
        V table;
    } cases[] = {
        {"' one\r\n' two\r\n\r\nFunction F()\r\nEnd Function\r\n", "M",
         {"<Declarations> D 1-2 1-2 public", "F F 3-6 3-5 public"}},
        {"VERSION 2.00\r\nBegin Form F\r\nEnd\r\n' form\r\n\r\nSub Form_Load ()\r\nEnd Sub\r\n", "F",
         {"(Designer Object Definition) M 1-3 1-3", "<Declarations> D 4-4 4-4", "Form_Load S 5-8 5-7 event"}},
        {"VERSION 2.00\r\nBegin Form F\r\nEnd\r\n' load\r\nSub Form_Load ()\r\nEnd Sub\r\n", "F",
         {"(Designer Object Definition) M 1-3 1-3", "<Declarations> D 4-3 4-3", "Form_Load S 4-7 4-6 event"}},
    };
    for (const Case& c : cases) {
        ParseText(c.text, c.fileKind);
        EXPECT_EQ(Table(), c.table) << c.text;
    }
}

// A Type or Enum written on one line ends on that line: the procedures after
// it are parts of their own.
TEST(FileParse, OneLineTypeAndEnumEndOnTheirLine) {
    UseStandardKeywords();
    ParseText("Private Type Pair: A As Long: End Type\r\nPublic Enum Side: Left = 1: End Enum\r\n"
              "Sub Main()\r\nEnd Sub\r\nSub Other()\r\nEnd Sub\r\n");
    EXPECT_EQ(Table(), (V{"<Declarations> D 1-2 1-6 public", "Main S 3-4 7-8 public", "Other S 5-7 9-10 public"}));
    EXPECT_FALSE(Parsed().gtBabFlags.InType);
    EXPECT_FALSE(Parsed().gtBabFlags.InEnum);
}

TEST(FileParse, ReadingAfterTheEndIsAnInternalError) {
    UseStandardKeywords();
    LogCapture log;
    SourceModel model;
    BabInitFile(model, "6");
    SourceParse parse(model);
    parse.input.OpenText("x = 1\r\n");
    long n = -1;
    sbParseRecord(parse, n);
    ASSERT_EQ(oDebug->StatusCode, 0);
    EXPECT_FALSE(parse.input.IsOpen());
    n = 5;
    EXPECT_THROW(sbParseRecord(parse, n), ErrorReported);
    EXPECT_EQ(oDebug->StatusCode, 6);
    std::string text = "sbParseRecord\r\n\r\nTrying to read Record # 5 after EOF.";
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt, text);
    EXPECT_EQ(testsupport::Ui().Messages[0].Buttons, 17);
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Internal Error");
    EXPECT_NE(log.Text().find("=====>\r\n" + text + "\r\n<====="), std::string::npos);
}

TEST(FileParse, ClassFixtureWithPropertyProcedures) {
    UseStandardKeywords();
    ParseText(Fixture("class.cls"), "C");
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Parsed().gsModuleName, "cCounter");
    EXPECT_EQ(Table(), (V{"<Declarations> D 1-13 1-13", "Class_Initialize S 14-17 14-17 event",
                          "Value [PropertyGet] Q 18-22 18-22 public", "Value [PropertyLet] R 23-27 23-27 public",
                          "Owner [PropertySet] S 28-31 28-31 public", "Class_Terminate S 32-36 32-35 event"}));
}

TEST(FileParse, ScopeOfProcedures) {
    UseStandardKeywords();
    const std::string text =
        "Option Explicit\r\nSub Tidy()\r\nEnd Sub\r\nPrivate Property Get Value() As Long\r\nEnd Property\r\n"
        "Public Property Let Value(v As Long)\r\nEnd Property\r\nPrivate Sub cmdOK_Click()\r\nEnd Sub\r\n"
        "Sub _Click()\r\nEnd Sub\r\nFunction Calc_Total()\r\nEnd Function\r\n";
    ParseText(text, "M");
    EXPECT_EQ(Table(), (V{"<Declarations> D 1-1 1-1 public", "Tidy S 2-3 2-3 public",
                          "Value [PropertyGet] Q 4-5 4-5", "Value [PropertyLet] R 6-7 6-7 public",
                          "cmdOK_Click S 8-9 8-9 event", "_Click S 10-11 10-11 public",
                          "Calc_Total F 12-14 12-13 public"}));
    ParseText(text, "C");
    EXPECT_EQ(Table()[0], "<Declarations> D 1-1 1-1");
    EXPECT_EQ(Table()[1], "Tidy S 2-3 2-3");
}

TEST(FileParse, ProcedureRightAfterEndPropertyKeepsItsOwnName) {
    UseStandardKeywords();
    ParseText("Property Get Value() As Long\r\nEnd Property\r\nFunction Twice() As Long\r\nEnd Function\r\n"
              "Property Let Value(v As Long)\r\nEnd Property\r\nSub Reset()\r\nEnd Sub\r\n");
    EXPECT_EQ(Table(), (V{"Value [PropertyGet] Q 1-2 1-2 public", "Twice F 3-4 3-4 public",
                          "Value [PropertyLet] R 5-6 5-6 public", "Reset S 7-9 7-8 public"}));
}

TEST(FileParse, PartsAndTheirLeadingComments) {
    UseStandardKeywords();
    // A heading as the first line: no declarations part.
    ParseText("Sub Main()\r\nEnd Sub\r\n");
    EXPECT_EQ(Table(), (V{"Main S 1-3 1-2"}));

    // Comments before Option Explicit belong to the declarations part; the
    // blank line and comment above a heading to the procedure.
    ParseText("' Module notes\r\n' more\r\nOption Explicit\r\nDim x\r\n' stays behind\r\n\r\n' about A\r\n"
              "Sub A()\r\nEnd Sub\r\n");
    EXPECT_EQ(Table(), (V{"<Declarations> D 1-5 1-5 public", "A S 6-10 6-9 public"}));
}

TEST(FileParse, ConditionalCompilationAroundAHeading) {
    UseStandardKeywords();
    ParseText("Dim x\r\n#If Win32 Then\r\nSub A()\r\nEnd Sub\r\n#End If\r\nSub B()\r\nEnd Sub\r\n");
    EXPECT_TRUE(Parsed().gblnCondCompProc);
    ParseText("Dim x\r\n' about the block\r\n#If Win32 Then\r\n#Else\r\n' no heading here\r\nSub A()\r\nEnd Sub\r\n"
              "#End If\r\n");
    EXPECT_TRUE(Parsed().gblnCondCompProc);
    ParseText("#If Win32 Then\r\nDim x\r\n#End If\r\nSub A()\r\nEnd Sub\r\n");
    EXPECT_FALSE(Parsed().gblnCondCompProc);
}

TEST(FileParse, TokenKinds) {
    UseStandardKeywords();
    ParseText("10 If x = \"a\" Then GoTo 20 ' c\r\n");
    EXPECT_EQ(Parsed().yTokenKind, (std::vector<uint8_t>{0, 2, 3, 2, 3, 4, 3, 3, 2, 1}));
}

TEST(FileParse, CancelStopsBeforeTheNextGroup) {
    UseStandardKeywords();
    // The Cancel button is pressed while the fourth group is reported.
    int reported = 0;
    testsupport::Ui().OnDoEvents = [&reported] {
        if (++reported == 4) oAppInfo->WasCanceled = true;
    };
    ParseText("a = 1\r\nb = 2\r\nc = 3\r\nSub A()\r\nEnd Sub\r\n");
    EXPECT_TRUE(oAppInfo->WasCanceled);
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Parsed().glRecordCount, 4);  // four groups read, the fifth not
    EXPECT_EQ(Table(), (V{"<Declarations> D 1-3 1-3 public", "A S 4-4 4-4 public"}));
}

TEST(FileParse, FileIndexOutsideTheCollection) {
    UseStandardKeywords();
    LogCapture log;
    cFileDesc entry;
    entry.FileName = WriteSource("a.bas", "x = 1\r\n");
    oFile->Add(entry);
    for (int which : {0, 2}) {
        SCOPED_TRACE(which);
        oDebug->ClearStatus();
        std::string text = "ProcessSelectedFile -- Assertion Failure\r\n\r\nSpecified File-index not within bounds of "
                           "oFile()\r\nSpecified File-index =" +
                           std::to_string(which) + "\r\noFile() bounds = (1,1)";
        try {
            ProcessSelectedFile(which, "M");
            ADD_FAILURE() << "no error";
        } catch (const VBError& e) {
            EXPECT_EQ(e.Number, 32000);
            EXPECT_EQ(e.Source, "ProcessSelectedFile");
            EXPECT_EQ(e.Description, text);
        }
        EXPECT_EQ(oDebug->StatusCode, -6);
        EXPECT_NE(log.Text().find("=====>\r\n" + text + "\r\n<====="), std::string::npos);
    }
}

TEST(FileParse, FilesWithoutCode) {
    UseStandardKeywords();
    ParseText("");
    EXPECT_EQ(oDebug->StatusCode, 11);
    EXPECT_EQ(Parsed().glRecordCount, 0);
    EXPECT_EQ(Parsed().gtProcTable.size(), 1u);

    // Only blank lines: read to the end, then nothing to zelk.
    ParseText("\r\n\r\n   \r\n");
    EXPECT_EQ(oDebug->StatusCode, 11);
    EXPECT_EQ(Parsed().glRecordCount, 4);
    EXPECT_EQ(Parsed().glStmtCount, 3);
    EXPECT_EQ(Table(), (V{"<Declarations> D 1-4 1-3 public"}));
}

TEST(FileParse, VanishedFileIsReported) {
    UseStandardKeywords();
    LogCapture log;
    cFileDesc entry;
    entry.FileName = WriteSource("gone.bas", "x = 1\r\n");
    std::filesystem::remove(entry.FileName);
    oFile->Add(entry);
    oDebug->ClearStatus();
    const SourceModel model = ProcessSelectedFile(1, "M");
    EXPECT_EQ(oDebug->StatusCode, 7);
    EXPECT_EQ(model.glRecordCount, 0);
    EXPECT_EQ(model.gtProcTable.size(), 1u);
    std::string text = "The following error occurred processing " + entry.FileName + ".\r\n\r\nFile not found";
    EXPECT_EQ(testsupport::Ui().LastPrompt(), text);
    EXPECT_EQ(testsupport::Ui().Messages.back().Title, app::kTitle);
    EXPECT_NE(log.Text().find(text), std::string::npos);
}

TEST(FileParse, OnlySourceEntriesAreParsed) {
    UseStandardKeywords();
    ParseText("x = 1\r\n");
    cFileDesc project;
    project.FileName = WriteSource("p.vbp", "Form=a.frm\r\n");
    project.FileType = 1;
    oFile->Clear();
    oFile->Add(project);
    const SourceModel model = ProcessSelectedFile(1, "M");
    EXPECT_EQ(giFileIndex, 1);
    EXPECT_EQ(model.glRecordCount, 0);  // nothing parsed
}

// The file entry reads its file and parses the text with the session's file
// kind: a text parsed from memory gives the same model, and a parse replaces
// whatever model the one before it left.
TEST(FileParse, AFileEntryParsesAsItsTextDoes) {
    UseStandardKeywords();
    const std::string text = "Option Explicit\r\n' note\r\nSub A()\r\n    x = 1: GoTo 10\r\n10 End Sub\r\n";
    for (const char* kind : {"M", "C"}) {
        SCOPED_TRACE(kind);
        ParseText("Sub Other()\r\nEnd Sub\r\n' a longer file before this one\r\n\r\n\r\n", "M");
        ParseText(text, kind);
        EXPECT_EQ(oDebug->StatusCode, 0);
        const V fromText = Table();
        const std::vector<uint8_t> kinds = Parsed().yTokenKind;
        const long records = Parsed().glRecordCount, statements = Parsed().glStmtCount, tokens = Parsed().glTokenCount;

        cFileDesc entry;
        entry.FileName = WriteSource("same.bas", text);
        oFile->Clear();
        oFile->Add(entry);
        oDebug->ClearStatus();
        Parsed() = ProcessSelectedFile(1, kind);
        EXPECT_EQ(oDebug->StatusCode, 0);
        EXPECT_EQ(Table(), fromText);
        EXPECT_EQ(Parsed().yTokenKind, kinds);
        EXPECT_EQ(Parsed().glRecordCount, records);
        EXPECT_EQ(Parsed().glStmtCount, statements);
        EXPECT_EQ(Parsed().glTokenCount, tokens);
        // Only a code module's parts are public without a scope word.
        EXPECT_EQ(fromText.front().ends_with(" public"), std::string(kind) == "M") << fromText.front();
    }
}
