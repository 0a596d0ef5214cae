#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "analysis/RecordReader.h"
#include "platform/TextFile.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

std::string Repeat(const std::string& s, size_t n) {
    std::string out;
    for (size_t i = 0; i < n; ++i) out += s;
    return out;
}

const BabToken& FirstTokenOf(long record) {
    return Parsed().yToken[static_cast<size_t>(Parsed().yRecord[static_cast<size_t>(record)].FirstToken)];
}

// Statuses and records after reading a file whose second line is `bad`.
struct Rejected {
    std::string bad;
    int reason;
    std::string logText;
};

}  // namespace

TEST(RecordReader, OneRecordPerLineAndABlankEndRecord) {
    UseStandardKeywords();
    ReadAllRecords("x = 1\r\n\r\n   \r\ny");
    EXPECT_EQ(oDebug->StatusCode, 11);
    ASSERT_EQ(Parsed().glRecordCount, 5);
    EXPECT_EQ(RecordPieces(1), (std::vector<std::string>{"x", "=", "1"}));
    EXPECT_EQ(FirstTokenOf(2).Piece, "");
    EXPECT_EQ(FirstTokenOf(2).Class, TokenClass::NonCode);
    EXPECT_EQ(FirstTokenOf(2).Detail, tokdetail::kBlank);
    EXPECT_EQ(FirstTokenOf(3).Piece, "   ");
    EXPECT_EQ(FirstTokenOf(3).Detail, 3);
    EXPECT_EQ(RecordPieces(4), std::vector<std::string>{"y"});
    EXPECT_EQ(Parsed().yRecord[5].FirstToken, 0);
    EXPECT_EQ(Parsed().yRecord[5].LastToken, 0);
    EXPECT_EQ(Parsed().glTokenCount, 6);
}

TEST(RecordReader, AtTheEndOfTheFileNoRecordIsMade) {
    UseStandardKeywords();
    ReadAllRecords("");
    EXPECT_EQ(oDebug->StatusCode, 11);
    EXPECT_EQ(Parsed().glRecordCount, 0);
    EXPECT_EQ(Parsed().glTokenCount, 0);
}

TEST(RecordReader, LineEndsOfEveryKindGiveTheSameRecords) {
    UseStandardKeywords();
    for (const char* name : {"module.bas", "class.cls", "form.frm", "vb3.bas"}) {
        SCOPED_TRACE(name);
        std::string crlf = Fixture(name);
        ReadAllRecords(crlf);
        long records = Parsed().glRecordCount;
        std::vector<std::vector<std::string>> expected;
        for (long r = 1; r <= records; ++r) expected.push_back(RecordPieces(r));
        EXPECT_EQ(records, static_cast<long>(textfile::SplitLines(crlf).size()) + 1);
        for (const char* end : {"\n", "\r"}) {
            ReadAllRecords(WithLineEnds(crlf, end));
            ASSERT_EQ(Parsed().glRecordCount, records);
            for (long r = 1; r <= records; ++r) EXPECT_EQ(RecordPieces(r), expected[static_cast<size_t>(r) - 1]);
        }
    }
}

TEST(RecordReader, RejectedLinesEndTheFileWithAnInvalidRecord) {
    UseStandardKeywords();
    const Rejected cases[] = {
        {Repeat("x", 2049), -2, "===>Record too big -- greater than2048 characters"},
        {Repeat(",", 1997), -3, "===>Record too complex -- contains more than2000 tokens"},
    };
    for (const Rejected& c : cases) {
        SCOPED_TRACE(c.reason);
        LogCapture log;
        ReadAllRecords("a = 1\r\n" + c.bad + "\r\nb = 2\r\n");
        EXPECT_EQ(oDebug->StatusCode, 4);
        EXPECT_EQ(oDebug->ReasonCode, c.reason);
        ASSERT_EQ(Parsed().glRecordCount, 3);
        EXPECT_EQ(RecordPieces(2), std::vector<std::string>{"???InvalidRecord???"});
        EXPECT_EQ(FirstTokenOf(2).Class, TokenClass::InvalidRecord);
        EXPECT_EQ(FirstTokenOf(2).Where, 0);
        EXPECT_EQ(Parsed().yRecord[3].FirstToken, 0);
        EXPECT_EQ(Parsed().glTokenCount, 4);
        EXPECT_NE(log.Text().find("The following error occurred in proc ReadRecordExtractTokens reading record:2. \r\n" +
                                  c.logText),
                  std::string::npos);
    }
}

TEST(RecordReader, LimitsAreInclusive) {
    UseStandardKeywords();
    ReadAllRecords(Repeat("x", 2048) + "\r\n");
    EXPECT_EQ(oDebug->StatusCode, 11);
    EXPECT_EQ(RecordPieces(1), std::vector<std::string>{Repeat("x", 2048)});

    ReadAllRecords(Repeat(",", 1996) + "\r\n");
    EXPECT_EQ(oDebug->StatusCode, 11);
    EXPECT_EQ(Parsed().glTokenCount, 1996);
}

TEST(RecordReader, TokenCeilingOfAFile) {
    UseStandardKeywords();
    // 995 names and 994 commas: 1989 tokens a line, 251 lines fit.
    std::string line = "a";
    for (int i = 0; i < 994; ++i) line += ",a";
    std::string text;
    for (int i = 0; i < 260; ++i) text += line + "\r\n";
    LogCapture log;
    ReadAllRecords(text);
    EXPECT_EQ(oDebug->StatusCode, 4);
    EXPECT_EQ(oDebug->ReasonCode, -4);
    EXPECT_EQ(Parsed().glTokenCount, 251 * 1989 + 1);
    EXPECT_LE(Parsed().glTokenCount, 500000);
    ASSERT_EQ(Parsed().glRecordCount, 253);
    EXPECT_EQ(RecordPieces(252), std::vector<std::string>{"???InvalidRecord???"});
    EXPECT_NE(log.Text().find("===>Too many tokens -- more than500000"), std::string::npos);
}
