#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "analysis/FileParse.h"
#include "analysis/KeywordTable.h"
#include "analysis/StatementAnalysis.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

// A statement as "Class/Detail f=Flags v=verb text" ("-" without a verb).
std::string Describe(long s) {
    const BabStatement& st = Parsed().yStatement[static_cast<size_t>(s)];
    std::string verb = st.Verb ? Parsed().yToken[static_cast<size_t>(st.Verb)].Piece.str() : "-";
    return std::to_string(CodeOf(st.Class)) + "/" + std::to_string(st.Detail) + " f=" + std::to_string(st.Flags) +
           " v=" + verb;
}

std::vector<std::string> DescribeAll(const std::string& lines) {
    ParseText(lines);
    EXPECT_EQ(oDebug->StatusCode, 0);
    std::vector<std::string> out;
    for (long s = 1; s <= Parsed().glStmtCount; ++s) out.push_back(Describe(s));
    return out;
}

// The pieces of the tokens marked as label references.
std::vector<std::string> LabelReferences() {
    std::vector<std::string> out;
    for (long t = 1; t <= Parsed().glTokenCount; ++t) {
        const BabToken& k = Parsed().yToken[static_cast<size_t>(t)];
        if (k.Class == TokenClass::NonCode && k.Detail == tokdetail::kLabelReference) out.emplace_back(k.Piece);
    }
    return out;
}

using V = std::vector<std::string>;

struct Case {
    std::string text;
    V statements;
};

}  // namespace

TEST(StatementAnalysis, ClassesDetailsFlagsAndVerbs) {
    UseStandardKeywords();
    const Case cases[] = {
        // Declarations at module level and in a procedure.
        {"Public Const A = 1\r\nDim x\r\nPrivate x As Long\r\nPublic x\r\nGlobal Const G = 2\r\n"
         "Private Declare Function F Lib \"k\" () As Long\r\nEvent Changed()\r\nPublic Event Done()\r\n",
         V{"2/101 f=0 v=Const", "2/203 f=0 v=Dim", "2/204 f=0 v=Private", "2/105 f=0 v=Public", "2/101 f=0 v=Const",
           "2/202 f=0 v=Declare", "2/208 f=0 v=Event", "2/108 f=0 v=Event"}},
        {"Sub A()\r\nStatic n\r\nReDim a(5)\r\nDim y\r\nEnd Sub\r\nDim z\r\n",
         V{"5/0 f=1 v=Sub", "2/307 f=0 v=Static", "2/306 f=0 v=ReDim", "2/303 f=0 v=Dim", "4/0 f=0 v=End",
           "2/203 f=0 v=Dim"}},
        {"Private Static Function F()\r\nEnd Function\r\nPublic Property Get P()\r\nEnd Property\r\n",
         V{"5/0 f=1 v=Function", "4/0 f=0 v=End", "5/0 f=1 v=Property", "4/0 f=0 v=End"}},
        // Type and Enum blocks.
        {"Public Type T\r\n    a As Long\r\nEnd Type\r\n",
         V{"2/111 f=4 v=Type", "2/109 f=0 v=-", "2/110 f=32 v=End"}},
        {"Enum E\r\n    A = 1\r\n    B\r\nEnd Enum\r\n",
         V{"2/114 f=4 v=Enum", "2/114 f=0 v==", "2/112 f=0 v=-", "2/113 f=32 v=End"}},
        {"Enum E\r\n    A = 1\r\nEnd Enum\r\n", V{"2/114 f=4 v=Enum", "2/114 f=0 v==", "0/0 f=32 v=End"}},
        // Verbs, assignments, labels and line numbers.
        {"x = 5\r\nLet x = 5\r\n10 GoTo 100\r\nStart: x = 1\r\nStart2:\r\na = 1: b = 2\r\n",
         V{"0/0 f=0 v==", "0/0 f=0 v=Let", "0/0 f=16 v=GoTo", "0/0 f=16 v==", "0/0 f=16 v=-", "0/0 f=0 v==",
           "0/0 f=0 v=="}},
        {"#If Win32 Then\r\n#End If\r\n", V{"0/0 f=0 v=If", "0/0 f=0 v=End"}},
        // Block flags.
        {"If x Then y = 1\r\nIf x Then\r\nElse\r\nEnd If\r\nDo While x: x = x - 1: Loop\r\nEnd\r\n",
         V{"0/0 f=0 v=If", "0/0 f=4 v=If", "0/0 f=36 v=Else", "0/0 f=32 v=End", "0/0 f=0 v=Do", "0/0 f=0 v==",
           "0/0 f=32 v=Loop", "0/0 f=0 v=End"}},
        {"Select Case x\r\nCase 1\r\nEnd Select\r\nWith y\r\nEnd With\r\n",
         V{"0/0 f=4 v=Select", "0/0 f=36 v=Case", "0/0 f=32 v=End", "0/0 f=4 v=With", "0/0 f=32 v=End"}},
        // Comments and blank lines.
        {"' note\r\n\r\nx = 1 ' tail\r\n", V{"1/0 f=0 v=-", "3/0 f=0 v=-", "0/0 f=0 v=="}},
    };
    for (const Case& c : cases) EXPECT_EQ(DescribeAll(c.text), c.statements) << c.text;
}

// A keyword file without LET gives an assignment a verb of no keyword; the
// declaration, block and procedure words it lacks must not take that for
// theirs.
TEST(StatementAnalysis, KeywordsMissingFromTheKeywordFileMatchNoVerb) {
    LoadKeywords({{"GOTO", "*", "V"}});
    EXPECT_EQ(DescribeAll("x = 5\r\nGoTo 10\r\nEnd Sub\r\n"), (V{"0/0 f=0 v==", "0/0 f=0 v=GoTo", "0/0 f=0 v=-"}));
    EXPECT_EQ(LabelReferences(), V{"10"});
}

TEST(StatementAnalysis, ImplicitLetAndStatementTokens) {
    UseStandardKeywords();
    ParseText("x = 5: Let y = 6\r\n");
    ASSERT_EQ(Parsed().glStmtCount, 2);
    const BabStatement& first = Parsed().yStatement[1];
    EXPECT_EQ(StatementPieces(1), (V{"x", "=", "5", ":"}));
    EXPECT_EQ(first.LastSignificant, 3);
    const BabToken& eq = Parsed().yToken[static_cast<size_t>(first.Verb)];
    EXPECT_EQ(eq.Piece, "=");
    EXPECT_EQ(eq.pKeyWord, BabLetIndex());
    EXPECT_FALSE(eq.IsKeyWord);
    EXPECT_EQ(Parsed().yToken[1].FlagsMisc & tokflag::kFirstOfStatement, tokflag::kFirstOfStatement);
    EXPECT_EQ(Parsed().yToken[5].FlagsMisc & tokflag::kFirstOfStatement, tokflag::kFirstOfStatement);
    EXPECT_EQ(Parsed().yToken[2].FlagsMisc, 0);
    for (long t = 1; t <= 4; ++t) EXPECT_EQ(Parsed().yToken[static_cast<size_t>(t)].Statement, 1) << t;
    for (long t = 5; t <= 8; ++t) EXPECT_EQ(Parsed().yToken[static_cast<size_t>(t)].Statement, 2) << t;
    // Only the first statement of a line knows its records.
    EXPECT_EQ(first.RecordFirst, 1);
    EXPECT_EQ(first.RecordLast, 1);
    EXPECT_EQ(Parsed().yStatement[2].RecordFirst, 0);
    EXPECT_EQ(Parsed().yStatement[2].RecordLast, 0);
}

TEST(StatementAnalysis, LabelReferences) {
    UseStandardKeywords();
    struct Row {
        std::string line;
        V marked;
    };
    const Row rows[] = {
        {"10 GoTo 100", V{"100"}},
        {"GoSub 800", V{"800"}},
        {"If x Then 100 Else GoTo 200", V{"100", "200"}},
        {"If x Then GoTo 300", V{"300"}},
        {"If x Then y = 1 Else 400", V{"400"}},
        {"If x Then", V{}},
        {"On Error GoTo Failed", V{"Failed"}},
        {"On Error GoTo 0", V{"0"}},
        {"On Error Resume Next", V{}},
        {"On k GoSub 10, 20, Last", V{"10", "20", "Last"}},
        {"Resume Next", V{}},
        {"Resume Retry", V{"Retry"}},
        {"Resume", V{}},
        {"GoTo", V{}},
    };
    for (const Row& r : rows) {
        ParseText(r.line + "\r\n");
        EXPECT_EQ(LabelReferences(), r.marked) << r.line;
    }
}

TEST(StatementAnalysis, FormDescriptionAndClassHead) {
    UseStandardKeywords();
    EXPECT_EQ(DescribeAll("VERSION 5.00\r\nBegin VB.Form F \r\n   Caption = \"x\"\r\n   BeginProperty Font \r\n"
                          "   EndProperty\r\nEnd\r\nAttribute VB_Name = \"F\"\r\nSub A()\r\nEnd Sub\r\n"),
              (V{"6/0 f=2 v=VERSION", "0/0 f=6 v=Begin", "0/0 f=2 v==", "0/0 f=6 v=BeginProperty",
                 "0/0 f=34 v=EndProperty", "0/0 f=34 v=End", "6/0 f=0 v=Attribute", "5/0 f=1 v=Sub",
                 "4/0 f=0 v=End"}));
    EXPECT_EQ(DescribeAll("VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\nEND\r\nAttribute VB_Name = \"C\"\r\n"
                          "Option Explicit\r\n"),
              (V{"6/0 f=0 v=VERSION", "6/0 f=4 v=BEGIN", "6/0 f=0 v==", "6/0 f=32 v=END", "6/0 f=0 v=Attribute",
                 "0/0 f=0 v=Option"}));
    // A variable named version is no header line.
    EXPECT_EQ(DescribeAll("Sub A()\r\nversion = Get(a, _\r\n  b)\r\nEnd Sub\r\n"),
              (V{"5/0 f=1 v=Sub", "0/0 f=0 v==", "4/0 f=0 v=End"}));
}

TEST(StatementAnalysis, KeepLeadingCommentsAndScanForVerb) {
    std::vector<Kw> words = StandardKeywords();
    words.push_back({"XKEEP", "*", "V---Y"});
    words.push_back({"XSCAN", "*", "-----Y"});
    LoadKeywords(words);
    EXPECT_EQ(DescribeAll("XKeep 1\r\nXScan Print 1\r\nXScan x Print 1\r\n"),
              (V{"0/0 f=8 v=XKeep", "0/0 f=0 v=Print", "0/0 f=0 v=-"}));
}

TEST(StatementAnalysis, StatementArrayGrowsPastTheRecords) {
    UseStandardKeywords();
    std::string text;
    for (int i = 0; i < 1400; ++i) text += "a = 1: b = 2\r\n";
    ParseText(text);
    EXPECT_EQ(Parsed().glStmtCount, 2800);
    EXPECT_GT(Parsed().yStatement.size(), 2801u);
    EXPECT_EQ(Parsed().yStatement[2800].Verb, Parsed().glTokenCount - 1);
    EXPECT_EQ(Parsed().yStatement[2801].FirstToken, 0);
}
