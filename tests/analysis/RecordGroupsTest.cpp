#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "common/ErrorTrap.h"
#include "analysis/FileParse.h"
#include "analysis/StatementAnalysis.h"
#include "TestSupport.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

std::vector<long> Levels() {
    std::vector<long> out;
    const SourceModel& m = Parsed();
    for (long r = 1; r <= m.glRecordCount; ++r) out.push_back(m.yRecord[static_cast<size_t>(r)].IndentLevel);
    return out;
}

std::vector<long> TiedTo() {
    std::vector<long> out;
    for (long r = 1; r <= Parsed().glRecordCount; ++r) out.push_back(Parsed().yRecord[static_cast<size_t>(r)].TiedTo);
    return out;
}

using L = std::vector<long>;

const char* const kNegativeLevelBlock =
    "=====>\r\nBabParseRecord -- Internal Error\r\n\r\nIndent-level < 0.\r\nMore information follows...\r\n<=====";

}  // namespace

TEST(RecordGroups, LevelsOfBlocks) {
    UseStandardKeywords();
    struct Row {
        std::string text;
        L levels;  // per record, the blank end record last
    };
    const Row rows[] = {
        {"If a Then\r\nb = 1\r\nEnd If\r\nIf a Then b = 1\r\nc = 1\r\n", L{0, 1, 0, 0, 0, 0}},
        {"For i = 1 To 2\r\nFor j = 1 To 2\r\nx = 1\r\nNext j, i\r\ny = 1\r\n", L{0, 1, 2, 0, 0, 0}},
        {"For i = 1 To 3: a(i) = 0: Next\r\nDo: x = 1\r\ny = 1\r\nLoop\r\n", L{0, 0, 1, 0, 0}},
        {"Select Case x\r\nCase 1\r\ny = 1\r\nCase Else\r\ny = 2\r\nEnd Select\r\n", L{0, 0, 1, 0, 1, 0, 0}},
        {"Sub A()\r\nIf a Then\r\nIf b Then\r\n#If Win32 Then\r\nx = 1\r\n#Else\r\nx = 2\r\n#End If\r\ny = 1\r\n"
         "End If\r\nEnd If\r\nEnd Sub\r\n",
         L{0, 0, 1, 0, 2, 0, 2, 0, 2, 1, 0, 0, 0}},
        {"' a\r\n\r\n' b\r\nIf x Then\r\n' c\r\ny = 1\r\n' d\r\n\r\nEnd If\r\n", L{0, 0, 0, 0, 1, 1, 0, 0, 0, 0}},
        {"a = 1 + _\r\n  2: b = 3\r\nWith x\r\n.y = 1\r\nEnd With\r\n", L{0, 0, 0, 1, 0, 0}},
        // Lines of several statements leave the level their split lines would.
        {"For i = 0 To 1: For j = 0 To 1\r\na = i\r\nNext: Next\r\nb = 1\r\n", L{0, 2, 1, 0, 0}},
        {"Select Case x\r\nCase 1: y = 1: Case 2\r\nz = 1\r\nEnd Select\r\n", L{0, 0, 1, 0, 0}},
        {"5: If a Then\r\n10: b = 1\r\n15: End If\r\nc = 1\r\n", L{0, 1, 0, 0, 0}},
        {"x = 1: If a Then\r\nb = 1\r\nEnd If: If c Then d = 1: Do\r\ne = 1\r\n", L{0, 1, 0, 0, 0}},
        // A block opened in each branch of an #If counts once.
        {"#If A Then\r\nIf a Then\r\n#Else\r\nIf b Then\r\n#End If\r\nx = 1\r\nEnd If\r\ny = 1\r\n",
         L{0, 0, 0, 0, 0, 1, 0, 0, 0}},
        {"#If A Then\r\nx = 1\r\n#ElseIf B Then\r\nDo\r\n#Else\r\ny = 1\r\n#End If\r\nz = 1\r\n",
         L{0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        ParseText(r.text);
        EXPECT_EQ(oDebug->StatusCode, 0);
        EXPECT_EQ(Levels(), r.levels) << r.text;
    }
}

TEST(RecordGroups, CommentsTieToTheCodeLineBelowThem) {
    UseStandardKeywords();
    ParseText("x = 0\r\ny = 0\r\n' one\r\n' two\r\n\r\n' three\r\nx = 1\r\n");
    EXPECT_EQ(TiedTo(), (L{0, 0, 0, 0, 0, 7, 0, 0}));
    EXPECT_EQ(Parsed().yRecord[6].TiedBack, 2);
    EXPECT_EQ(Parsed().yRecord[3].TiedBack, 0);

    // The same lines before a heading: the blank line and what follows it
    // belong to the procedure.
    ParseText("x = 0\r\ny = 0\r\n' one\r\n' two\r\n\r\n' three\r\nSub A()\r\nEnd Sub\r\nSub B()\r\nEnd Sub\r\n");
    EXPECT_EQ(TiedTo(), (L{0, 0, 0, 0, 7, 7, 0, 0, 0, 0, 0}));
    EXPECT_EQ(FirstStatementOf(5).Class, StatementClass::Blank);
    EXPECT_EQ(FirstStatementOf(5).Flags & stmtflag::kProcStart, stmtflag::kProcStart);
    EXPECT_EQ(FirstStatementOf(7).Flags & stmtflag::kProcStart, 0);
    EXPECT_EQ(FirstStatementOf(3).Flags & stmtflag::kProcStart, 0);
    // A heading right after End Sub starts its own block.
    EXPECT_EQ(FirstStatementOf(9).Flags & stmtflag::kProcStart, stmtflag::kProcStart);

    // Comments before a heading with no blank line between: all of them.
    ParseText("x = 0\r\n' one\r\n' two\r\nSub A()\r\nEnd Sub\r\n");
    EXPECT_EQ(TiedTo(), (L{0, 4, 4, 0, 0, 0}));
    EXPECT_EQ(FirstStatementOf(2).Flags & stmtflag::kProcStart, stmtflag::kProcStart);

    // Only code lines: nothing tied.
    ParseText("a = 1\r\nb = 2\r\nc = 3\r\n");
    EXPECT_EQ(TiedTo(), (L{0, 0, 0, 0}));
    for (long r = 1; r <= 3; ++r) EXPECT_EQ(Parsed().yRecord[static_cast<size_t>(r)].FirstStmt, r);
}

TEST(RecordGroups, ContinuedCommentIsOneStatement) {
    UseStandardKeywords();
    ParseText("' first _\r\nsecond line\r\nx = 1\r\n");
    ASSERT_EQ(Parsed().glStmtCount, 2);
    const BabStatement& c = Parsed().yStatement[1];
    EXPECT_EQ(c.Class, StatementClass::Comment);
    EXPECT_EQ(c.RecordFirst, 1);
    EXPECT_EQ(c.RecordLast, 2);
    EXPECT_EQ(c.LastToken, 2);
    EXPECT_EQ(Parsed().yToken[2].Statement, 1);
    EXPECT_EQ(Parsed().yRecord[2].FirstStmt, 1);
    EXPECT_EQ(TiedTo(), (L{3, 3, 0, 0}));
}

TEST(RecordGroups, ContinuationRecords) {
    UseStandardKeywords();
    ParseText("a = 1 + _\r\n  2: b = 3 + _\r\n  4\r\nc = 5\r\n");
    ASSERT_EQ(Parsed().glStmtCount, 3);
    EXPECT_EQ(Parsed().yStatement[1].RecordFirst, 1);
    EXPECT_EQ(Parsed().yStatement[1].RecordLast, 3);
    EXPECT_EQ(Parsed().yStatement[2].RecordFirst, 0);  // later statements of a line keep no records
    EXPECT_EQ(Parsed().yRecord[1].FirstStmt, 1);
    EXPECT_EQ(Parsed().yRecord[2].FirstStmt, 2);  // "b = 3" begins inside it
    EXPECT_EQ(Parsed().yRecord[3].FirstStmt, 2);
    for (long r = 1; r <= 3; ++r) EXPECT_EQ(Parsed().yRecord[static_cast<size_t>(r)].LastStmt, 2);
    EXPECT_EQ(Parsed().yRecord[4].FirstStmt, 3);
}

TEST(RecordGroups, TrailingCommentsAreStatementsOfTheirOwnRecords) {
    UseStandardKeywords();
    for (const char* tail : {"' last\r\n\r\n' very last\r\n", "' last\r\n\r\n' very last"}) {
        const SourceModel& m = ParseText(std::string("x = 1\r\n") + tail);
        EXPECT_EQ(oDebug->StatusCode, 0);
        ASSERT_EQ(m.glRecordCount, 5);
        ASSERT_EQ(m.glStmtCount, 4);
        for (long r = 2; r <= 4; ++r) {
            EXPECT_EQ(m.yRecord[static_cast<size_t>(r)].FirstStmt, r);
            EXPECT_EQ(m.yStatement[static_cast<size_t>(r)].RecordFirst, r);
            EXPECT_EQ(m.yStatement[static_cast<size_t>(r)].RecordLast, r);
            EXPECT_EQ(m.yStatement[static_cast<size_t>(r)].FirstToken, m.yRecord[static_cast<size_t>(r)].FirstToken);
        }
        const BabRecord& end = m.yRecord[5];
        EXPECT_TRUE(end.FirstStmt == 0 && end.LastStmt == 0 && end.FirstToken == 0 && end.TiedTo == 0);
        // Each token belongs to one statement and got its first-token mark once.
        for (long t = 1; t <= m.glTokenCount; ++t) EXPECT_LE(m.yToken[static_cast<size_t>(t)].FlagsMisc, 3);
    }
}

TEST(RecordGroups, NegativeLevelIsRepairedAndLogged) {
    UseStandardKeywords();
    LogCapture log;
    ParseText("End If\r\nx = 1\r\nNext i, j\r\ny = 1\r\n");
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Levels(), (L{0, 0, 0, 0, 0}));
    EXPECT_EQ(log.Count(kNegativeLevelBlock), 2u);
    EXPECT_TRUE(testsupport::Ui().Messages.empty());
}

TEST(RecordGroups, NegativeLevelStopsWithTheDebugSwitch) {
    UseStandardKeywords();
    LogCapture log;
    oDebug->DontFixDataErrors = true;
    ParseText("End If\r\nx = 1\r\n");
    EXPECT_EQ(oDebug->StatusCode, 6);
    EXPECT_EQ(Parsed().yRecord[1].IndentLevel, -1);
    EXPECT_EQ(Parsed().glRecordCount, 1);  // the parse stopped after the group
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Buttons, mb::vbExclamation);
    EXPECT_EQ(log.Count(kNegativeLevelBlock), 1u);
}

TEST(RecordGroups, UnbalancedParenthesisInNext) {
    UseStandardKeywords();
    LogCapture log;
    ParseText("For i = 1 To 2\r\nNext a), i\r\ny = 1\r\n");
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(log.Count("=====>\r\nOutdentMultipleNext -- Internal Error\r\n\r\nParen-level < 0.\r\n"
                        "More information follows...\r\n<====="),
              1u);
    EXPECT_EQ(Levels(), (L{0, 0, 0, 0}));  // the comma after the repair still counts

    oDebug->DontFixDataErrors = true;
    EXPECT_THROW(ParseText("For i = 1 To 2\r\nNext a), i\r\n"), ErrorReported);
    EXPECT_EQ(oDebug->StatusCode, 6);
    EXPECT_EQ(testsupport::Ui().Messages.size(), 1u);
}
