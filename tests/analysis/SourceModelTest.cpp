#include <gtest/gtest.h>

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

void InitFile() { BabInitFile(yRecord, glRecordCount, yStatement, glStmtCount, yToken, glTokenCount, "6"); }

}  // namespace

TEST(SourceModel, InitFileStartsEmptyWhateverTheLastFileLeft) {
    UseStandardKeywords();
    ReadAllRecords("x = 1\r\ny = 2\r\n");
    yStatement[7].Class = StatementClass::Blank;
    gtBabFlags.InType = gtBabFlags.InEnum = gtBabFlags.InProcedure = true;
    gtBabFlags.FormDescription = gtBabFlags.BeginBlock = true;
    InitFile();
    EXPECT_EQ(glRecordCount, 0);
    EXPECT_EQ(glStmtCount, 0);
    EXPECT_EQ(glTokenCount, 0);
    ASSERT_EQ(yRecord.size(), 3001u);
    ASSERT_EQ(yStatement.size(), 3001u);
    ASSERT_EQ(yToken.size(), 10001u);
    for (const auto& r : yRecord) ASSERT_TRUE(Blank(r));
    for (const auto& s : yStatement) ASSERT_TRUE(Blank(s));
    for (const auto& t : yToken) ASSERT_TRUE(Blank(t));
    EXPECT_FALSE(gtBabFlags.InType || gtBabFlags.InEnum || gtBabFlags.InProcedure || gtBabFlags.FormDescription ||
                 gtBabFlags.BeginBlock);
}

TEST(SourceModel, EveryOperationNeedsBabInit) {
    UseStandardKeywords();
    InitFile();
    yToken[1].Piece = "kept";
    BabReset();
    BabToken t;
    BabRecord r;
    auto statusAfter = [](auto&& call) {
        oDebug->ClearStatus();
        EXPECT_THROW(call(), VBError);
        return oDebug->StatusCode;
    };
    EXPECT_EQ(statusAfter([] { InitFile(); }), 2);
    EXPECT_EQ(statusAfter([] { BabInitTokens(yToken, 1, 2); }), 2);
    EXPECT_EQ(statusAfter([] { BabInitRecords(yRecord, 1, 2); }), 2);
    EXPECT_EQ(statusAfter([] { BabInitStatements(yStatement, 1, 2); }), 2);
    EXPECT_EQ(statusAfter([&] { BabInitToken(t); }), 2);
    EXPECT_EQ(statusAfter([&] { BabInitRecord(r); }), 2);
    EXPECT_EQ(yToken[1].Piece, "kept");
    EXPECT_EQ(yToken.size(), 10001u);
}

TEST(SourceModel, RangeOperationsCheckTheirBounds) {
    UseStandardKeywords();
    InitFile();
    for (long i = 3; i <= 7; ++i) yToken[static_cast<size_t>(i)].Piece = "t";

    BabInitTokens(yToken, 5, 5);
    EXPECT_TRUE(Blank(yToken[5]));
    EXPECT_EQ(yToken[4].Piece, "t");
    EXPECT_EQ(yToken[6].Piece, "t");

    struct Bad {
        long from, to;
    };
    for (Bad b : {Bad{5, 4}, Bad{-1, 3}, Bad{9000, 10001}}) {
        SCOPED_TRACE(b.from);
        oDebug->ClearStatus();
        EXPECT_THROW(BabInitTokens(yToken, b.from, b.to), VBError);
        EXPECT_EQ(oDebug->StatusCode, 3);
        EXPECT_EQ(oDebug->ReasonCode, 23);
    }
    EXPECT_EQ(yToken[4].Piece, "t");
    BabInitTokens(yToken, 0, 10000);
    EXPECT_TRUE(Blank(yToken[7]));
}

TEST(SourceModel, RecordArrayGrowsAtRecord2751) {
    UseStandardKeywords();
    std::string text;
    for (int i = 0; i < 2750; ++i) text += "x\r\n";
    ReadAllRecords(text);
    EXPECT_EQ(glRecordCount, 2751);  // with the blank end record
    EXPECT_EQ(glRecordCapacity, 3000);
    EXPECT_EQ(yRecord.size(), 3001u);

    ReadAllRecords(text + "x\r\n");
    EXPECT_EQ(glRecordCount, 2752);
    EXPECT_EQ(glRecordCapacity, 6000);
    EXPECT_EQ(yRecord.size(), 6001u);
    EXPECT_EQ(yRecord[2751].FirstToken, 2751);
    for (size_t i = 2752; i <= 6000; ++i) ASSERT_TRUE(Blank(yRecord[i])) << i;
}

TEST(SourceModel, KeywordAndNameTokens) {
    UseStandardKeywords();
    ReadAllRecords("If Total Then\r\n");
    const BabToken& kw = yToken[1];
    EXPECT_EQ(kw.Class, TokenClass::Keyword);
    EXPECT_EQ(kw.Detail, tokdetail::kKeyword);
    EXPECT_TRUE(kw.IsKeyWord);
    EXPECT_TRUE(kw.IsReservedWord);
    EXPECT_EQ(BabKeyWordAt(kw.pKeyWord).KeyWord, "IF");
    const BabToken& name = yToken[2];
    EXPECT_EQ(name.Class, TokenClass::Name);
    EXPECT_EQ(name.Detail, tokdetail::kName);
    EXPECT_FALSE(name.IsKeyWord || name.IsReservedWord);
    EXPECT_EQ(name.pKeyWord, 0);
}
