#include <gtest/gtest.h>

#include <memory>

#include "AnalysisTestSupport.h"
#include "analysis/KeywordTable.h"
#include "analysis/SourceModel.h"
#include "platform/VBError.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

bool Blank(const BabRecord& r) {
    return r.FirstStmt == 0 && r.FirstToken == 0 && r.IndentLevel == 0 && r.LastStmt == 0 && r.LastToken == 0 &&
           r.TiedTo == 0 && r.TiedBack == 0;
}
bool Blank(const BabToken& t) {
    return t.Class == TokenClass::Keyword && t.Detail == 0 && t.FlagsMisc == 0 && t.FlagsOut == 0 && !t.IsKeyWord &&
           !t.IsReservedWord && t.Piece.empty() && t.pKeyWord == 0 && t.Statement == 0 && t.Where == 0 &&
           t.WhiteSpaceLeft.empty();
}
bool Blank(const BabStatement& s) {
    return s.Class == StatementClass::Other && s.Detail == 0 && s.FirstToken == 0 && s.Flags == 0 &&
           s.LastSignificant == 0 && s.LastToken == 0 && s.RecordFirst == 0 && s.RecordLast == 0 && s.Verb == 0;
}

void InitFile() { BabInitFile(Parsed(), "6"); }

constexpr size_t kFresh = model::kTailMargin + 1;  // element 0 and the blank tail

}  // namespace

TEST(SourceModel, InitFileStartsEmptyWhateverTheLastFileLeft) {
    UseStandardKeywords();
    ReadAllRecords("x = 1\r\ny = 2\r\n");
    Parsed().yStatement[7].Class = StatementClass::Blank;
    Parsed().gtBabFlags.InType = Parsed().gtBabFlags.InEnum = Parsed().gtBabFlags.InProcedure = true;
    Parsed().gtBabFlags.FormDescription = Parsed().gtBabFlags.BeginBlock = true;
    InitFile();
    EXPECT_EQ(Parsed().glRecordCount, 0);
    EXPECT_EQ(Parsed().glStmtCount, 0);
    EXPECT_EQ(Parsed().glTokenCount, 0);
    ASSERT_EQ(Parsed().yRecord.size(), kFresh);
    ASSERT_EQ(Parsed().yStatement.size(), kFresh);
    ASSERT_EQ(Parsed().yToken.size(), kFresh);
    for (const auto& r : Parsed().yRecord) ASSERT_TRUE(Blank(r));
    for (const auto& s : Parsed().yStatement) ASSERT_TRUE(Blank(s));
    for (const auto& t : Parsed().yToken) ASSERT_TRUE(Blank(t));
    const BabFileFlags& f = Parsed().gtBabFlags;
    EXPECT_FALSE(f.InType || f.InEnum || f.InProcedure || f.FormDescription || f.BeginBlock);
}

TEST(SourceModel, EveryOperationNeedsBabInit) {
    UseStandardKeywords();
    InitFile();
    Parsed().yToken[1].Piece = Parsed().texts.Add("kept");
    BabReset();
    BabToken t;
    BabRecord r;
    auto statusAfter = [](auto&& call) {
        oDebug->ClearStatus();
        EXPECT_THROW(call(), VBError);
        return oDebug->StatusCode;
    };
    EXPECT_EQ(statusAfter([] { InitFile(); }), 2);
    EXPECT_EQ(statusAfter([] { BabInitTokens(Parsed().yToken, 1, 2); }), 2);
    EXPECT_EQ(statusAfter([] { BabInitRecords(Parsed().yRecord, 1, 2); }), 2);
    EXPECT_EQ(statusAfter([] { BabInitStatements(Parsed().yStatement, 1, 2); }), 2);
    EXPECT_EQ(statusAfter([&] { BabInitToken(t); }), 2);
    EXPECT_EQ(statusAfter([&] { BabInitRecord(r); }), 2);
    EXPECT_EQ(Parsed().yToken[1].Piece, "kept");
    EXPECT_EQ(Parsed().yToken.size(), kFresh);
}

TEST(SourceModel, RangeOperationsCheckTheirBounds) {
    UseStandardKeywords();
    InitFile();
    for (long i = 3; i <= 7; ++i) Parsed().yToken[static_cast<size_t>(i)].Piece = Parsed().texts.Add("t");

    BabInitTokens(Parsed().yToken, 5, 5);
    EXPECT_TRUE(Blank(Parsed().yToken[5]));
    EXPECT_EQ(Parsed().yToken[4].Piece, "t");
    EXPECT_EQ(Parsed().yToken[6].Piece, "t");

    struct Bad {
        long from, to;
    };
    for (Bad b : {Bad{5, 4}, Bad{-1, 3}, Bad{200, model::kTailMargin + 1}}) {
        SCOPED_TRACE(b.from);
        oDebug->ClearStatus();
        EXPECT_THROW(BabInitTokens(Parsed().yToken, b.from, b.to), VBError);
        EXPECT_EQ(oDebug->StatusCode, 3);
        EXPECT_EQ(oDebug->ReasonCode, 23);
    }
    EXPECT_EQ(Parsed().yToken[4].Piece, "t");
    BabInitTokens(Parsed().yToken, 0, model::kTailMargin);
    EXPECT_TRUE(Blank(Parsed().yToken[7]));
}

// The arrays hold what the text gives and a blank tail: a small file does
// not pay for a large one, and a large one grows past any first size.
TEST(SourceModel, ArraysGrowWithTheText) {
    UseStandardKeywords();
    for (int lines : {2, 4000}) {
        SCOPED_TRACE(lines);
        std::string text;
        for (int i = 0; i < lines; ++i) text += "a = 1: b = 2\r\n";
        const SourceModel& m = ParseText(text);
        ASSERT_EQ(m.glRecordCount, lines + 1);  // with the blank end record
        ASSERT_EQ(m.glStmtCount, 2 * lines);
        ASSERT_EQ(m.glTokenCount, 7 * lines);
        EXPECT_EQ(m.yRecord[static_cast<size_t>(lines)].FirstToken, 7 * lines - 6);
        EXPECT_EQ(m.yStatement[static_cast<size_t>(2 * lines)].FirstToken, 7 * lines - 2);
        const auto tail = [](const auto& v, long count) {
            EXPECT_GE(v.size(), static_cast<size_t>(count) + kFresh);
            for (size_t i = static_cast<size_t>(count) + 1; i < v.size(); ++i) ASSERT_TRUE(Blank(v[i])) << i;
        };
        tail(m.yRecord, m.glRecordCount);
        tail(m.yStatement, m.glStmtCount);
        tail(m.yToken, m.glTokenCount);
        if (lines == 2) {
            EXPECT_EQ(m.yRecord.size(), m.glRecordCount + kFresh);
            EXPECT_EQ(m.yStatement.size(), m.glStmtCount + kFresh);
            EXPECT_EQ(m.yToken.size(), m.glTokenCount + kFresh);
        }
    }
}

TEST(SourceModel, KeywordAndNameTokens) {
    UseStandardKeywords();
    ReadAllRecords("If Total Then\r\n");
    const BabToken& kw = Parsed().yToken[1];
    EXPECT_EQ(kw.Class, TokenClass::Keyword);
    EXPECT_EQ(kw.Detail, tokdetail::kKeyword);
    EXPECT_TRUE(kw.IsKeyWord);
    EXPECT_TRUE(kw.IsReservedWord);
    EXPECT_EQ(BabKeyWordAt(kw.pKeyWord).KeyWord, "IF");
    const BabToken& name = Parsed().yToken[2];
    EXPECT_EQ(name.Class, TokenClass::Name);
    EXPECT_EQ(name.Detail, tokdetail::kName);
    EXPECT_FALSE(name.IsKeyWord || name.IsReservedWord);
    EXPECT_EQ(name.pKeyWord, 0);
}

// The error report's source position describes the model named last while
// that name lives; without one it is empty, and names ending out of order
// leave the ones still alive named.
TEST(SourceModel, TheReportDescribesTheModelNamedLast) {
    SourceModel parsing, zelking;
    parsing.glRecordCount = 3;
    parsing.glStmtCount = 2;
    parsing.glTokenCount = 9;
    zelking.glRecordCount = 40;
    zelking.glStmtCount = 41;
    zelking.glTokenCount = 300;
    EXPECT_EQ(fsSourcePosition(), "");
    {
        auto run = std::make_unique<ReportedModel>(zelking);
        EXPECT_EQ(fsSourcePosition(), "Record =40 Statement =41 Token =300");
        {
            const ReportedModel parse(parsing);
            EXPECT_EQ(fsSourcePosition(), "Record =3 Statement =2 Token =9");
            run.reset();
            EXPECT_EQ(fsSourcePosition(), "Record =3 Statement =2 Token =9");
        }
        EXPECT_EQ(fsSourcePosition(), "");
        // A named model without records gives no position.
        const SourceModel empty;
        const ReportedModel none(empty);
        EXPECT_EQ(fsSourcePosition(), "");
    }
}

// Records and statements pack their fields end to end: every field keeps the
// largest index an array can hold (the token ceiling, the end record and the
// blank tail), an indent level keeps as much either way, and no field spills
// into its neighbours when all of them are at their limits at once.
TEST(SourceModel, RecordAndStatementFieldsKeepTheirLimits) {
    constexpr long kTop = model::kMaxTokens + model::kTailMargin + 1;
    for (const long top : {kTop, 1L}) {
        SCOPED_TRACE(top);
        BabRecord r;
        r.FirstStmt = top;
        r.FirstToken = top - 1;
        r.IndentLevel = -top;
        r.LastStmt = top - 2;
        r.LastToken = top - 3;
        r.TiedTo = top - 4;
        r.TiedBack = top - 5;
        EXPECT_EQ(std::vector<long>({r.FirstStmt, r.FirstToken, r.IndentLevel, r.LastStmt, r.LastToken, r.TiedTo,
                                     r.TiedBack}),
                  std::vector<long>({top, top - 1, -top, top - 2, top - 3, top - 4, top - 5}));
        r.IndentLevel = top;
        EXPECT_EQ(r.IndentLevel, top);

        BabStatement s;
        s.FirstToken = top;
        s.Class = StatementClass::ModuleDescription;
        s.Flags = stmtflag::kProcStart | stmtflag::kFormDescription | stmtflag::kOpensBlock |
                  stmtflag::kKeepLeadingComments | stmtflag::kLabel | stmtflag::kClosesBlock;
        s.LastToken = top - 1;
        s.Detail = 399;
        s.LastSignificant = top - 2;
        s.RecordFirst = top - 3;
        s.RecordLast = top - 4;
        s.Verb = top - 5;
        EXPECT_EQ(std::vector<long>({s.FirstToken, s.Flags, s.LastToken, s.Detail, s.LastSignificant, s.RecordFirst,
                                     s.RecordLast, s.Verb}),
                  std::vector<long>({top, 63, top - 1, 399, top - 2, top - 3, top - 4, top - 5}));
        EXPECT_EQ(s.Class, StatementClass::ModuleDescription);
    }
}
