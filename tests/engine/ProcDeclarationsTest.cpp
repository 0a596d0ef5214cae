#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "settings/ProgramOptions.h"
#include "engine/EngineState.h"
#include "platform/Paths.h"
#include "engine/ProcDeclarations.h"
#include "engine/ZelkRun.h"
#include "analysis/SourceModel.h"
#include "platform/VBText.h"

using namespace arrangetest;

namespace {

StatementOrder IdentityOrder(long first, long last) {
    StatementOrder order;
    order.First = first;
    order.Last = last;
    for (long s = first; s <= last; ++s) order.Items.push_back(s);
    return order;
}

class ProcDeclarationsTest : public ArrangeTest {
protected:
    // Prepares the named procedure and returns its statements' texts in the
    // new order.
    std::vector<std::string> Prepared(const std::string& name) {
        int p = ProcIndex(name);
        ProcInfo& proc = model.gtProcTable[static_cast<size_t>(p)];
        run.gsCurrentProc = proc.Name;
        StatementOrder order = IdentityOrder(proc.FirstStmt, proc.LastStmt);
        FloatProcDeclarations(run, proc.FirstStmt, proc.LastStmt, order, p);
        std::vector<std::string> texts;
        for (long i = proc.FirstStmt; i <= proc.LastStmt; ++i) texts.push_back(vb::Trim(Text(order(i))));
        return texts;
    }
};

TEST_F(ProcDeclarationsTest, LocalDimsMoveUpAndReDimsStayAfterTheirDims) {
    options.gblnDoLocals = true;
    ParseLines({"Sub Test()", "    Dim a() As Long", "    ReDim a(10)", "    x = 1", "    Dim b As Long",
                "    ReDim Preserve a(20)", "    y = 2", "End Sub"});
    EXPECT_EQ(Prepared("Test"), (std::vector<std::string>{"Sub Test()", "Dim a() As Long", "Dim b As Long",
                                                          "ReDim a(10)", "x = 1", "ReDim Preserve a(20)", "y = 2",
                                                          "End Sub"}));
}

TEST_F(ProcDeclarationsTest, LocalOrderCodesChooseTheKeys) {
    const std::vector<std::string> source = {
        "Sub Test()",           "    Dim zeta As Integer",
        "    Const BETA = 2",   "    n = 1",
        "    Dim alpha As String", "    Const GAMMA As Long = 1",
        "    Static s As Long", "    Call Go",
        "End Sub",
    };
    struct Case {
        const char* How;
        std::vector<int> Lines;
    };
    const Case cases[] = {
        {"12345", {1, 3, 6, 7, 5, 2, 4, 8, 9}},  // kind, name, type
        {"12354", {1, 3, 6, 7, 5, 2, 4, 8, 9}},
        // An untyped Const is a Variant: after the Long one.
        {"13245", {1, 6, 3, 2, 7, 5, 4, 8, 9}},  // kind, type, name
        {"23145", {1, 7, 5, 3, 6, 2, 4, 8, 9}},  // name, type, kind
        {"32145", {1, 2, 7, 6, 5, 3, 4, 8, 9}},  // type, name, kind
        {"21345", {1, 2, 3, 5, 6, 7, 4, 8, 9}},  // no key: together, in file order
    };
    for (const Case& c : cases) {
        options = ZelkOptions{};
        options.gblnDoLocals = true;
        options.gsLocalHow = c.How;
        ParseLines(source);
        std::vector<std::string> expected;
        for (int n : c.Lines) expected.push_back(vb::Trim(source[static_cast<size_t>(n - 1)]));
        EXPECT_EQ(Prepared("Test"), expected) << c.How;
    }
}

TEST_F(ProcDeclarationsTest, BodyStartFirstExitAndErrorHandlerAreFound) {
    options.gblnInsertErrHandling = true;
    ParseLines({
        "Sub A()",                   // 1
        "    Dim n As Long",         // 2
        "10  On Error GoTo Fail",    // 3
        "    #If DEBUG Then",        // 4
        "    Exit Sub",              // 5
        "    #End If",               // 6
        "    If n Then Exit Sub",    // 7
        "    Exit Sub",              // 8
        "Fail:",                     // 9
        "End Sub",                   // 10
        "Sub B()",                   // 11
        "    #If DEBUG Then",        // 12
        "    On Error Resume Next",  // 13
        "    #End If",               // 14
        "End Sub",                   // 15
        "Sub C()",                   // 16
        "Retry: On Error GoTo 0",    // 17
        "End Sub",                   // 18
        "Sub D()",                   // 19
        "    Dim k As Long",         // 20
        "End Sub",                   // 21
    });
    Prepared("A");
    Prepared("B");
    Prepared("C");
    Prepared("D");
    const ProcInfo& a = Part("A");
    EXPECT_EQ(a.BodyStartRecord, StatementOfLine(3));
    EXPECT_EQ(a.BodyEndRecord, StatementOfLine(8));  // not the Exit inside #If, not the single-line If
    EXPECT_TRUE(a.HasErrorHandler);                 // behind a line number
    EXPECT_TRUE(Part("B").HasErrorHandler);  // inside #If
    EXPECT_TRUE(Part("C").HasErrorHandler);  // behind a label
    const ProcInfo& d = Part("D");
    EXPECT_EQ(d.BodyStartRecord, StatementOfLine(21));  // its End Sub
    EXPECT_FALSE(d.HasErrorHandler);
    EXPECT_EQ(d.BodyEndRecord, 0);
}

TEST_F(ProcDeclarationsTest, DeclarationsMoveToTheFirstStatementWhenCodeComesFirst) {
    options.gblnDoLocals = true;
    ParseLines({"Function F() As Long", "    ' start", "    F = 0", "    Dim b As Long", "    Const A = 1",
                "    F = b", "End Function"});
    EXPECT_EQ(Prepared("F"), (std::vector<std::string>{"Function F() As Long", "' start", "Const A = 1",
                                                       "Dim b As Long", "F = 0", "F = b", "End Function"}));
}

TEST_F(ProcDeclarationsTest, AStatementOfTheTraceTemplateMarksTheProcedureTraced) {
    std::string templ = paths::Join(testsupport::ProgramDir(), "tracein.txt");
    testsupport::WriteFile(templ, "oLog.Enter \"@Module\", \"@Procedure\"\r\nIf gTrace Then\r\nEnd If\r\n");
    options.gsTraceIn = templ;
    options.gblnInsertTracing = true;
    ParseLines({"Attribute VB_Name = \"Shop\"", "Sub A()", "    oLog.Enter \"Shop\", \"A\"", "End Sub", "Sub B()",
                "    If x Then", "    End If", "End Sub"});
    model.gsModuleName = "Shop";
    Prepared("A");
    Prepared("B");
    EXPECT_TRUE(Part("A").HasTrace);
    EXPECT_FALSE(Part("B").HasTrace);
}

TEST_F(ProcDeclarationsTest, NothingIsSetWhenNoStepIsOn) {
    ParseLines({"Sub A()", "    x = 1", "    Dim n As Long", "End Sub"});
    EXPECT_EQ(Prepared("A"), (std::vector<std::string>{"Sub A()", "x = 1", "Dim n As Long", "End Sub"}));
    EXPECT_EQ(Part("A").BodyStartRecord, 0);
}

TEST_F(ProcDeclarationsTest, AnIndexOutsideTheStatementsStopsOnlyThisProcedure) {
    std::string logFile = paths::Join(testsupport::ProgramDir(), "trace.log");
    oLog->LogOpen(logFile, 1);
    options.gblnDoLocals = true;
    ParseLines({"Sub A()", "    x = 1", "    Dim n As Long", "End Sub"});
    int p = ProcIndex("A");
    long first = model.gtProcTable[static_cast<size_t>(p)].FirstStmt;
    long last = static_cast<long>(model.yStatement.size()) + 3;
    StatementOrder order = IdentityOrder(first, last);
    EXPECT_NO_THROW(FloatProcDeclarations(run, first, last, order, p));
    oLog->LogClose();
    EXPECT_NE(testsupport::ReadFile(logFile).find("Out of bound error in yStatement FloatProcDeclarations"),
              std::string::npos);
    for (long i = first; i <= last; ++i) EXPECT_EQ(order(i), i);
}

}  // namespace
