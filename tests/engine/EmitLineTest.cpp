#include <gtest/gtest.h>

#include <memory>

#include "engine/EmitLine.h"
#include "settings/ProgramOptions.h"
#include "engine/EngineState.h"
#include "EngineTestSupport.h"
#include "engine/LabelReferences.h"
#include "engine/ZelkRun.h"

using namespace enginetest;

namespace {

struct EmitLine : ::testing::Test {
    ZelkOptions options;
    RunFiles files;
    bool firstCall = true;
    std::unique_ptr<ZelkRun> zelk;
    ZelkRun& run() { return *zelk; }
    // A new file: a run of its own.
    void NewFile() {
        zelk = std::make_unique<ZelkRun>(options);
        zelk->gsCurrentProc = "Main";
        ClearModel(zelk->model);
        files.Attach(*zelk);
    }
    void SetUp() override {
        options = LoadSettings();
        NewFile();
    }
    // Writes one text for a statement of the given class and flags.
    std::string Emit(std::string text, StatementClass cls = StatementClass::Other, long flags = 0) {
        BabStatement stmt;
        stmt.Class = cls;
        stmt.Flags = flags;
        sbDoEmitLine(run(), text, run().glOutputLines, firstCall, stmt);
        return text;
    }
    void NumberFrom(long start, long inc) {
        options.gblnInsertLineNumbers = true;
        run().glNextLineNumber = start;
        options.glLineNumberInc = inc;
    }
};

}  // namespace

// A text of several lines counts as the lines it makes in the output.
TEST_F(EmitLine, WritesEachTextAsOneLineAndCountsItsLines) {
    Emit("a = 1");
    Emit("b = 2\r\nc = 3");
    EXPECT_EQ(run().glOutputLines, 3);
    EXPECT_EQ(files.Output(), (std::vector<std::string>{"a = 1", "b = 2", "c = 3"}));
}

TEST_F(EmitLine, VisualBasic3RefusesALineLongerThan1023Characters) {
    run().gsDialectInUse = "3";
    Emit(std::string(1023, 'x'));
    EXPECT_EQ(oDebug->StatusCode, 0);
    // Several lines together are not checked.
    Emit(std::string(1024, 'y') + "\r\nz");
    EXPECT_EQ(oDebug->StatusCode, 0);
    Emit(std::string(1024, 'w'));
    EXPECT_EQ(oDebug->StatusCode, 4);
    EXPECT_EQ(oDebug->ReasonCode, -987);
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Too Long");
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt.rfind("The following line was generated and is too long for "
                                                         "Visual Basic 3.0\r\n\r\nwww",
                                                         0),
              0u);
    EXPECT_EQ(files.Output().size(), 3u);  // the refused line is not written
}

TEST_F(EmitLine, OtherDialectsHaveNoLineLimit) {
    run().gsDialectInUse = "6";
    Emit(std::string(2000, 'x'));
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(files.Output()[0].size(), 2000u);
}

TEST_F(EmitLine, DropsLineBreaksAtTheEndsOfAText) {
    EXPECT_EQ(Emit("\r\n\r\nx = 1\r\n\r\n"), "x = 1");
    EXPECT_EQ(Emit("y = 2\r\n  "), "y = 2");
    EXPECT_EQ(files.Output(), (std::vector<std::string>{"x = 1", "y = 2"}));
}

TEST_F(EmitLine, LimitsRunsOfEmptyLines) {
    struct Case {
        bool xsLines;
        int amount;
        bool noChange;
        size_t expectedEmpty;
    } cases[] = {{true, 1, false, 1}, {true, 0, false, 0}, {true, 2, false, 2}, {true, 1, true, 3}, {false, 1, false, 3}};
    for (const Case& c : cases) {
        NewFile();
        RunFiles caseFiles(run());
        options.gblnXSLines = c.xsLines;
        options.giXSLinesAmount = c.amount;
        options.gblnWSNoChange = c.noChange;
        Emit("a");
        Emit("");
        Emit("   ");
        Emit("");
        Emit("b");
        std::vector<std::string> out = caseFiles.Output();
        EXPECT_EQ(out.size(), c.expectedEmpty + 2) << c.xsLines << c.amount << c.noChange;
        EXPECT_EQ(out.back(), "b");
    }
}

TEST_F(EmitLine, ANewFileStartsWithoutTheEmptyLinesOfTheFileBefore) {
    options.gblnXSLines = true;
    options.giXSLinesAmount = 1;
    options.gblnWSNoChange = false;
    Emit("");
    NewFile();
    Emit("");
    EXPECT_EQ(files.Output().size(), 2u);
}

TEST_F(EmitLine, NumbersTheLinesOfProceduresOnly) {
    NumberFrom(100, 10);
    struct Case {
        std::string proc;
        StatementClass cls;
        std::string text;
        std::string expected;
    } cases[] = {
        {"Main", StatementClass::Other, "x = 1", "100 x = 1"},
        {"<Declarations>", StatementClass::Other, "Dim x", "Dim x"},
        {"(Designer Object Definition)", StatementClass::Other, "Caption = 1", "Caption = 1"},
        {"Main", StatementClass::Comment, "' note", "' note"},
        {"Main", StatementClass::Blank, "", ""},
        {"Main", StatementClass::ProcEnd, "End Sub", "End Sub"},
        {"Main", StatementClass::ProcHeading, "Sub Main()", "Sub Main()"},
        {"Main", StatementClass::Other, "    ' inserted comment", "    ' inserted comment"},
        {"Main", StatementClass::Other, "#If Win32 Then", "#If Win32 Then"},
        {"Main", StatementClass::Declaration, "Dim y", "110 Dim y"},
    };
    for (const Case& c : cases) {
        run().gsCurrentProc = c.proc;
        EXPECT_EQ(Emit(c.text, c.cls), c.expected) << c.proc << " " << c.text;
    }
}

TEST_F(EmitLine, TextsOfSeveralLinesAreNumberedLikeSingleLines) {
    NumberFrom(100, 10);
    EXPECT_EQ(Emit("a = 1"), "100 a = 1");
    EXPECT_EQ(Emit("b = 2\r\nc = 3"), "110 b = 2\r\n120 c = 3");
    EXPECT_EQ(Emit("d = 4"), "130 d = 4");
    // A continued line gets blanks as wide as a number.
    EXPECT_EQ(Emit("e = 5 + _\r\n    6\r\nf = 7"), "140 e = 5 + _\r\n        6\r\n150 f = 7");
    // Labels, comment lines and empty lines of an inserted text take no
    // number, as they take none when the output is zelked again.
    EXPECT_EQ(Emit("Exit Sub\r\nFailed:\r\n' report it\r\n\r\nMsgBox 1"),
              "160 Exit Sub\r\nFailed:\r\n' report it\r\n\r\n170 MsgBox 1");
    // The line after one that ends in a continuation gets no number.
    EXPECT_EQ(Emit("g = 8 + _"), "180 g = 8 + _");
    EXPECT_EQ(Emit("    9"), "    9");
}

TEST_F(EmitLine, TheFirstCaseOfASelectGetsBlanksInsteadOfANumber) {
    NumberFrom(10000, 10);
    EXPECT_EQ(Emit("Select Case x"), "10000 Select Case x");
    EXPECT_EQ(Emit("Case 1"), "      Case 1");
    EXPECT_EQ(Emit("Case 2"), "10010 Case 2");
    // The same inside a text that splitting made of several lines: the text
    // is numbered as its lines will be when they stand apart.
    EXPECT_EQ(Emit("Select Case y\r\n    Case 1\r\n        a = 1\r\n    Case 2"),
              "10020 Select Case y\r\n          Case 1\r\n10030         a = 1\r\n10040     Case 2");
    EXPECT_EQ(Emit("Select Case z"), "10050 Select Case z");
    EXPECT_EQ(Emit("Case 1\r\n    a = 2"), "      Case 1\r\n10060     a = 2");
}

TEST_F(EmitLine, LabelsAndOldLineNumbers) {
    NumberFrom(100, 10);
    // A label line is not numbered; the code after it is.
    EXPECT_EQ(Emit("Start:", StatementClass::Other, stmtflag::kLabel), "Start:");
    EXPECT_EQ(Emit("x = 1"), "100 x = 1");
    // An old line number is replaced by the new one; a number alone on its
    // line goes.
    EXPECT_EQ(Emit("20 y = 2", StatementClass::Other, stmtflag::kLabel), "110 y = 2");
    EXPECT_EQ(Emit("30", StatementClass::Other, stmtflag::kLabel), "");
    // A label before code with a blank before the colon is numbered.
    EXPECT_EQ(Emit("a = b: c = d", StatementClass::Other, stmtflag::kLabel), "120 a = b: c = d");
}

TEST_F(EmitLine, KeepsLineNumbersThatAJumpRefersTo) {
    AddLine(run().model, StatementClass::Other, {KeywordTok("GoTo", ""), LabelReferenceTok("20")});
    AddLine(run().model, StatementClass::Other, {KeywordTok("Resume", ""), LabelReferenceTok("30")});
    sbCollectLabelReferences(run());
    NumberFrom(100, 10);
    EXPECT_EQ(Emit("20 y = 2", StatementClass::Other, stmtflag::kLabel), "20 y = 2");
    EXPECT_EQ(Emit("30", StatementClass::Other, stmtflag::kLabel), "30");
    EXPECT_EQ(Emit("40 z = 3", StatementClass::Other, stmtflag::kLabel), "100 z = 3");
    EXPECT_EQ(run().glNextLineNumber, 110);
}

// The formatter alone decides to split an If; the writer writes the End If
// it left pending, whatever the split switches say.
TEST_F(EmitLine, EndSplitIfClosesAnIfTheFormatterSplit) {
    struct Case {
        bool pending, splitIfs, baseLines;
        long ifColumn;
        std::string expected;
    } cases[] = {
        {false, true, false, 8, ""},
        {true, true, false, 8, "        End If"},
        {true, false, false, 0, "End If"},
        {true, true, true, 12, "            End If"},
    };
    for (const Case& c : cases) {
        run().line.glSplitIfColumn = c.ifColumn;
        options.gblnSplitIfs = c.splitIfs;
        options.gblnBaseLines = c.baseLines;
        run().line.gblnIfOpen = true;
        run().line.gblnSplitIfPending = c.pending;
        long level = 2;
        std::string text = "stale";
        sbEndSplitIf(run(), level, text);
        EXPECT_EQ(text, c.expected);
        EXPECT_FALSE(run().line.gblnSplitIfPending);
        EXPECT_EQ(run().line.gblnIfOpen, !c.pending);
        EXPECT_EQ(level, c.pending && c.baseLines ? 3 : 2);
    }
    EXPECT_EQ(files.Output(), (std::vector<std::string>{"        End If", "End If", "            End If"}));
}

TEST_F(EmitLine, EndSplitIfAddsEmptyLinesInTheChangeMode) {
    options.gblnWSChange = options.gblnWSBeforeEndIf = options.gblnWSAfterEndIf = true;
    options.gblnWSNoChange = false;
    Emit("    x = 1");
    options.gblnSplitIfs = run().line.gblnSplitIfPending = true;
    long level = 0;
    std::string text;
    sbEndSplitIf(run(), level, text);
    EXPECT_EQ(files.Output(), (std::vector<std::string>{"    x = 1", "", "End If", ""}));
    EXPECT_EQ(run().glOutputLines, 4);
}

// Like an End If of the source: no second empty line before it, and none at
// all outside the change mode.
TEST_F(EmitLine, EndSplitIfAddsNoEmptyLineAfterOneOrOutsideTheChangeMode) {
    options.gblnWSChange = options.gblnWSBeforeEndIf = options.gblnWSAfterEndIf = true;
    options.gblnWSNoChange = false;
    Emit("    x = 1");
    Emit("");
    options.gblnSplitIfs = run().line.gblnSplitIfPending = true;
    long level = 0;
    std::string text;
    sbEndSplitIf(run(), level, text);
    options.gblnWSNoChange = true;
    run().line.gblnSplitIfPending = true;
    sbEndSplitIf(run(), level, text);
    EXPECT_EQ(files.Output(), (std::vector<std::string>{"    x = 1", "", "End If", "", "End If"}));
}
