#include <gtest/gtest.h>

#include <memory>

#include "engine/EngineState.h"
#include "settings/ProgramOptions.h"
#include "EngineTestSupport.h"
#include "engine/WhiteSpace.h"
#include "engine/ZelkRun.h"

using namespace enginetest;

namespace {

using Lines = std::vector<std::string>;

struct WhiteSpace : ::testing::Test {
    ZelkOptions options;
    RunFiles files;
    std::unique_ptr<ZelkRun> zelk;
    std::unique_ptr<WhiteSpaceWriter> writer;
    bool firstCall = false;
    ZelkRun& run() { return *zelk; }
    // A new file: a run and a writer of its own.
    void NewFile() {
        zelk = std::make_unique<ZelkRun>(options);
        zelk->gsCurrentProc = "Main";
        writer = std::make_unique<WhiteSpaceWriter>(*zelk);
        ClearModel(zelk->model);
        files.Attach(*zelk);
    }
    void SetUp() override {
        options = LoadSettings();
        NewFile();
    }
    void ChangeMode() {
        options.gblnWSNoChange = false;
        options.gblnWSChange = true;
    }
    // One statement as the formatter leaves it: its text, line kind and class.
    void Write(std::string text, SourceLineKind kind = SourceLineKind::None, StatementClass cls = StatementClass::Other,
               long detail = 0, bool insideProc = true) {
        BabStatement stmt;
        stmt.Class = cls;
        stmt.Detail = detail;
        run().line.giLineKind = kind;
        writer->Write(text, stmt, insideProc, firstCall);
        run().line.giLineKind = SourceLineKind::None;
    }
};

bool* BeforeSwitch(ZelkOptions& o, int kind) {
    bool* table[] = {nullptr,
                     &o.gblnWSBeforeSub,
                     &o.gblnWSBeforeEndSub,
                     &o.gblnWSBeforeIf,
                     &o.gblnWSBeforeElse,
                     &o.gblnWSBeforeEndIf,
                     &o.gblnWSBeforeLoop,
                     &o.gblnWSBeforeEndLoop,
                     &o.gblnWSBeforeSelect,
                     &o.gblnWSBeforeCase,
                     &o.gblnWSBeforeEndSelect,
                     &o.gblnWSBeforeDec,
                     &o.gblnWSBeforeLabel};
    return table[kind];
}

bool* AfterSwitch(ZelkOptions& o, int kind) {
    bool* table[] = {nullptr,
                     &o.gblnWSAfterSub,
                     &o.gblnWSAfterEndSub,
                     &o.gblnWSAfterIf,
                     &o.gblnWSAfterElse,
                     &o.gblnWSAfterEndIf,
                     &o.gblnWSAfterLoop,
                     &o.gblnWSAfterEndLoop,
                     &o.gblnWSAfterSelect,
                     &o.gblnWSAfterCase,
                     &o.gblnWSAfterEndSelect,
                     &o.gblnWSAfterDec,
                     &o.gblnWSAfterLabel};
    return table[kind];
}

}  // namespace

TEST_F(WhiteSpace, PlainModeSeparatesProcedureHeadings) {
    Write("x = 1");
    Write("Sub A()", SourceLineKind::ProcHeading, StatementClass::ProcHeading);
    Write("End Sub", SourceLineKind::ProcEnd, StatementClass::ProcEnd);
    Write("");
    Write("Sub B()", SourceLineKind::ProcHeading, StatementClass::ProcHeading);
    Write("y = 2 _");
    Write("Sub C()", SourceLineKind::ProcHeading, StatementClass::ProcHeading);
    EXPECT_EQ(files.Output(), (Lines{"x = 1", "", "Sub A()", "End Sub", "", "Sub B()", "y = 2 _", "Sub C()"}));
    EXPECT_EQ(run().glOutputLines, 8);
}

TEST_F(WhiteSpace, PlainModeKeepsEveryEmptyLine) {
    Write("a");
    Write("");
    Write("");
    Write("b", SourceLineKind::If, StatementClass::Other);
    EXPECT_EQ(files.Output(), (Lines{"a", "", "", "b"}));
}

TEST_F(WhiteSpace, ChangeModeHasASwitchBeforeAndAfterEachKind) {
    ChangeMode();
    for (int kind = 1; kind <= CodeOf(SourceLineKind::Label); ++kind) {
        const SourceLineKind lk = static_cast<SourceLineKind>(kind);
        for (bool before : {true, false}) {
            NewFile();
            RunFiles caseFiles(run());
            *BeforeSwitch(options, kind) = before;
            *AfterSwitch(options, kind) = !before;
            // The edge of a block that each kind needs for its switches.
            run().line.gblnBlockOpened = lk != SourceLineKind::Else && lk != SourceLineKind::Case &&
                                    lk != SourceLineKind::DeclarationGroup && lk != SourceLineKind::Label;
            run().line.gblnIfOpen = lk == SourceLineKind::Else;
            run().line.gblnInSelect = lk == SourceLineKind::Case;
            Write("a");
            const bool declaration = lk == SourceLineKind::DeclarationGroup;
            if (declaration) Write("Dim x", SourceLineKind::None, StatementClass::Declaration, 303);
            else Write("line", lk);
            run().line.gblnBlockOpened = run().line.gblnIfOpen = run().line.gblnInSelect = false;
            Write("b");
            *BeforeSwitch(options, kind) = *AfterSwitch(options, kind) = false;
            const std::string line = declaration ? "Dim x" : "line";
            EXPECT_EQ(caseFiles.Output(), before ? (Lines{"a", "", line, "b"}) : (Lines{"a", line, "", "b"}))
                << "kind " << kind << (before ? " before" : " after");
        }
    }
}

TEST_F(WhiteSpace, ChangeModeSwitchesApplyOnlyAtTheEdgeOfABlock) {
    ChangeMode();
    options.gblnWSBeforeIf = options.gblnWSAfterIf = options.gblnWSBeforeCase = options.gblnWSBeforeElse = true;
    Write("a");
    Write("If x Then y = 1", SourceLineKind::If);  // a single-line If opens no block
    Write("Case 1", SourceLineKind::Case);         // not inside a Select
    Write("Else", SourceLineKind::Else);           // no If open
    EXPECT_EQ(files.Output(), (Lines{"a", "If x Then y = 1", "Case 1", "Else"}));
}

TEST_F(WhiteSpace, ChangeModeShrinksRunsOfEmptyLines) {
    ChangeMode();
    options.gblnWSBeforeLoop = true;
    Write("a");
    Write("");
    Write("");
    Write("b");
    run().line.gblnBlockOpened = true;
    Write("For i = 1 To 2", SourceLineKind::LoopStart);
    run().line.gblnBlockOpened = false;
    Write("c");
    Write("");
    run().line.gblnBlockOpened = true;
    Write("Do", SourceLineKind::LoopStart);  // the empty line before it is already there
    EXPECT_EQ(files.Output(), (Lines{"a", "", "b", "", "For i = 1 To 2", "c", "", "Do"}));
}

TEST_F(WhiteSpace, ChangeModeAddsNoEmptyLineAfterAContinuedLine) {
    ChangeMode();
    options.gblnWSAfterLoop = true;
    run().line.gblnBlockOpened = true;
    Write("For i = 1 To _", SourceLineKind::LoopStart);
    run().line.gblnBlockOpened = false;
    Write("    2");
    EXPECT_EQ(files.Output(), (Lines{"For i = 1 To _", "    2"}));
}

TEST_F(WhiteSpace, ChangeModeSetsOffDeclarationGroupsInProcedures) {
    ChangeMode();
    options.gblnWSBeforeDec = options.gblnWSAfterDec = true;
    Write("Sub A()", SourceLineKind::ProcHeading, StatementClass::ProcHeading);
    Write("Dim x", SourceLineKind::None, StatementClass::Declaration, 303);
    Write("Const C = 1", SourceLineKind::None, StatementClass::Declaration, 301);
    // Not a Const or Dim: leaves the group.
    Write("Static s", SourceLineKind::None, StatementClass::Declaration, 307);
    Write("x = 1");
    // Outside a procedure declarations are no group.
    Write("Dim y", SourceLineKind::None, StatementClass::Declaration, 203, false);
    EXPECT_EQ(files.Output(), (Lines{"Sub A()", "", "Dim x", "Const C = 1", "", "Static s", "x = 1", "Dim y"}));
}

TEST_F(WhiteSpace, TheEndIfOfASplitIfBecomesTheLastText) {
    options.gblnSplitIfs = true;
    options.giIndentAmount = 4;
    run().line.gblnSplitIfPending = true;
    Write("If x Then");
    Write("Sub B()", SourceLineKind::ProcHeading, StatementClass::ProcHeading);
    EXPECT_EQ(files.Output(), (Lines{"If x Then", "End If", "", "Sub B()"}));
}
