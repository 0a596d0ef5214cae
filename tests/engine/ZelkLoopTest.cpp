#include <gtest/gtest.h>

#include <iostream>

#include "platform/Clock.h"
#include "common/IProgressView.h"
#include "settings/ProgramOptions.h"
#include "engine/EngineState.h"
#include "EngineTestSupport.h"
#include "Lend.h"
#include "analysis/KeywordTable.h"
#include "engine/ProcessFile.h"

using namespace enginetest;

namespace {

using Lines = std::vector<std::string>;

// Runs of whole files through the per-file run, one session per file.
struct ZelkLoop : ::testing::Test {
    ZelkOptions options;
    FakeClock clock;
    std::string dir;
    long nextLineNumber = 0;  // carried from file to file, as the session carries it
    void SetUp() override {
        SetClock(&clock);
        options = LoadSettings();
        BabReset();
        BabInit();
        oDebug->ClearStatus();
        dir = testsupport::MakeDir("src");
    }
    void TearDown() override { testsupport::Ui().OnDoEvents = nullptr; }
    // Zelks the text as the named file; returns the output lines.
    Lines Zelk(const std::string& name, const std::string& text) {
        std::string path = paths::Join(dir, name);
        testsupport::WriteFile(path, text);
        OpenSession(path);
        sbProcessFile(1, options, nextLineNumber);
        return textfile::SplitLines(testsupport::ReadFile(gsTempOutFile[1]));
    }
    Lines Log() { return textfile::SplitLines(testsupport::ReadFile(gsTempLogFile[1])); }
};

std::string Procedure(const std::string& name, int statements) {
    std::string text = "Public Sub " + name + "()\r\n";
    for (int i = 0; i < statements; ++i) text += "    x = " + std::to_string(i) + "\r\n";
    return text + "End Sub\r\n";
}

}  // namespace

// A progress panel on which the user presses Cancel when it shows the tenth
// output line.
struct CancelAtTenthLine : IProgressView {
    void InitProgress() override {}
    void TermProgress() override {}
    std::string ProgressCaption() const override { return {}; }
    void SetProgressCaption(const std::string&) override {}
    void SetProgressVisible(bool) override {}
    void SetCountText(const std::string& text) override {
        if (text == " Lines output 10 ") oAppInfo->WasCanceled = true;
    }
    void SetCountWhatText(const std::string&) override {}
    void ClearGauge() override {}
    void SetGaugeMin(long) override {}
    void SetGaugeMax(long) override {}
    void SetGaugeValue(long) override {}
};

TEST_F(ZelkLoop, CancelStopsAtTheNextStatement) {
    Lines out;
    {
        CancelAtTenthLine panel;
        testsupport::Lend<IProgressView*> progress{oProgressForm, &panel};
        out = Zelk("Slow.bas", "Attribute VB_Name = \"Slow\"\r\n" + Procedure("Run", 40));
    }
    EXPECT_TRUE(oAppInfo->WasCanceled);
    EXPECT_EQ(out.size(), 10u);
    Lines log = Log();
    ASSERT_EQ(log.size(), 13u);
    EXPECT_EQ(log[9], "Zelk Canceled");  // no result lines follow
    EXPECT_EQ(log[11], "Number of Output Lines: 0");
    EXPECT_TRUE(testsupport::Ui().Messages.empty());
}

TEST_F(ZelkLoop, ContinuousNumbersRunOnFromFileToFile) {
    options = LoadSettings("[ErrorHandling]\r\nInsertLineNumbers=Yes\r\nLineNumberHow=3\r\nLineNumberStart=100\r\n"
                 "LineNumberInc=10\r\n");
    EXPECT_EQ(Zelk("A.bas", Procedure("A", 2)), (Lines{"Public Sub A()", "100     x = 0", "110     x = 1", "End Sub"}));
    EXPECT_EQ(Zelk("B.bas", Procedure("B", 1) + Procedure("C", 1)),
              (Lines{"Public Sub B()", "120     x = 0", "End Sub", "", "Public Sub C()", "130     x = 0", "End Sub"}));
    // By module, each file starts again; by procedure, each procedure.
    options.glLineNumberHow = LineNumbering::PerModule;
    EXPECT_EQ(Zelk("B.bas", Procedure("B", 1) + Procedure("C", 1))[5], "110     x = 0");
    options.glLineNumberHow = LineNumbering::PerProcedure;
    EXPECT_EQ(Zelk("B.bas", Procedure("B", 1) + Procedure("C", 1))[5], "100     x = 0");
}

TEST_F(ZelkLoop, AFilesOutputDoesNotDependOnTheFileBefore) {
    // Plain layout with at most one empty line in a row.
    options = LoadSettings("[White Space]\r\nNoChange=No\r\nChange=No\r\nXSLines=Yes\r\nXSLinesAmount=1\r\n");
    const std::string second = "\r\nPublic Sub Wide()\r\n    s = \"" + std::string(1020, 'w') + "\"\r\nEnd Sub\r\n";
    Lines alone = Zelk("Wide.bas", second);
    ASSERT_EQ(oDebug->StatusCode, 0);
    // A Visual Basic 3.0 form that ends with an empty line.
    Zelk("Old.frm", "VERSION 2.00\r\nBegin Form Old\r\nEnd\r\nSub Form_Load ()\r\nEnd Sub\r\n\r\n");
    ASSERT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Zelk("Wide.bas", second), alone);
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(alone[0], "");
}

TEST_F(ZelkLoop, LinesOfSeveralStatementsGiveNoEmptyLines) {
    const std::string source = "Public Sub Run()\r\n    a = 1: b = 2\r\n    c = 3: d = 4: e = 5\r\nEnd Sub\r\n";
    const Lines kept{"Public Sub Run()", "    a = 1: b = 2", "    c = 3: d = 4: e = 5", "End Sub"};
    EXPECT_EQ(Zelk("Multi.bas", source), kept);
    options = LoadSettings("[White Space]\r\nNoChange=No\r\nChange=Yes\r\n");
    EXPECT_EQ(Zelk("Multi.bas", source), kept);
    options = LoadSettings("[Indentation]\r\nAsIs=No\r\n[General]\r\nSplitMultiLines=Yes\r\n");
    EXPECT_EQ(Zelk("Multi.bas", source),
              (Lines{"Public Sub Run()", "a = 1", "b = 2", "c = 3", "d = 4", "e = 5", "End Sub"}));
}

// A declaration split off a labelled line is sorted with the others; the
// label stays where the jumps to it land, and a second zelk moves nothing.
TEST_F(ZelkLoop, ADeclarationLeavesTheLabelOfItsLineInPlace) {
    const std::string source =
        "Public Sub Run()\r\n    On Error GoTo Fail\r\n    x = 1\r\n    Exit Sub\r\n"
        "Fail:    Dim code As Long: code = Err.Number: On Error GoTo 0\r\nEnd Sub\r\n";
    for (const char* layout : {"AsIs=No\r\nBaseLines=Yes\r\nDeclarations=Yes", "AsIs=Yes"}) {
        options = LoadSettings(std::string("[Indentation]\r\n") + layout +
                     "\r\n[General]\r\nSplitMultiLines=Yes\r\n[Arrange Declares]\r\nDoLocals=Yes\r\n");
        const Lines once = Zelk("Labelled.bas", source);
        EXPECT_EQ(once, (Lines{"Public Sub Run()", "    Dim code As Long", "    On Error GoTo Fail", "    x = 1",
                               "    Exit Sub", "Fail:", "    code = Err.Number", "    On Error GoTo 0", "End Sub"}))
            << layout;
        std::string again;
        for (const std::string& line : once) again += line + "\r\n";
        EXPECT_EQ(Zelk("Labelled.bas", again), once) << layout;
    }
}

TEST_F(ZelkLoop, SixtyThousandLinesZelkWhole) {
    // Procedures of 30 lines: declarations, a block If, a loop, a Select,
    // comments and plain statements.
    std::string text = "Attribute VB_Name = \"Big\"\r\nOption Explicit\r\nPrivate mTotal As Long\r\n";
    long lines = 3;
    for (int p = 0; lines < 60000; ++p) {
        std::string n = std::to_string(p);
        text += "' Procedure " + n + "\r\nPublic Function F" + n + "(ByVal a As Long) As Long\r\n"
                "    Dim i As Long, s As String\r\n    Const LIMIT = 10\r\n    s = \"text " + n + "\"\r\n"
                "    If a > LIMIT Then\r\n        a = LIMIT\r\n    ElseIf a < 0 Then\r\n        a = 0\r\n"
                "    Else\r\n        a = a + 1\r\n    End If\r\n    For i = 1 To a\r\n"
                "        mTotal = mTotal + i ' running total\r\n    Next i\r\n    Select Case a\r\n"
                "        Case 1\r\n            s = s & \"one\"\r\n        Case 2, 3\r\n"
                "            s = s & \"few\"\r\n        Case Else\r\n            s = s & \"many\"\r\n"
                "    End Select\r\n    Do While a > 0\r\n        a = a - 1\r\n    Loop\r\n"
                "    F" + n + " = a + Len(s)\r\n    Debug.Print s\r\nEnd Function\r\n\r\n";
        lines += 30;
    }
    for (const char* settings :
         {"", "[Indentation]\r\nAsIs=No\r\n[General]\r\nSplitMultiLines=Yes\r\nSplitIfs=Yes\r\n"
              "[White Space]\r\nNoChange=No\r\nChange=Yes\r\nBeforeIf=Yes\r\nAfterEndIf=Yes\r\n"
              "[ErrorHandling]\r\nInsertLineNumbers=Yes\r\n"}) {
        options = LoadSettings(settings);
        Lines out = Zelk("Big.bas", text);
        EXPECT_EQ(oDebug->StatusCode, 0);
        EXPECT_GE(out.size(), 60000u);
    }
}

TEST_F(ZelkLoop, TheApplicationTraceShowsTheRunAndItsTimes) {
    const std::string logFile = paths::Join(testsupport::MakeDir("trace"), "TRACE.LOG");
    oLog->LogOpen(logFile, 1);
    oDebug->LogApp = true;
    testsupport::Ui().OnDoEvents = [this] { ++clock.Tick; };  // each progress call takes a millisecond
    Zelk("Traced.bas", Procedure("Run", 3));
    oDebug->LogApp = false;
    oLog->LogClose();
    const std::string trace = testsupport::ReadFile(logFile);
    const std::string path = paths::Join(dir, "Traced.bas");
    for (const std::string& line :
         {" Which=1\r\n oFile(wWhich)=<" + path + ">", std::string(" Dialect used=6"), std::string(" Outputting File"),
          " " + path + " took 9 milliseconds to process", std::string(" 2 milliseconds to Parse"),
          std::string(" 7 milliseconds to Zelk"), std::string(", ->sbDoEmitLine"), std::string(" Record=    x = 2")})
        EXPECT_NE(trace.find(line), std::string::npos) << line;
}
