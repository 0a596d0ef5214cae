#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "analysis/KeywordTable.h"
#include "analysis/LineTokenizer.h"
#include "analysis/RecordReader.h"
#include "platform/TextFile.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

// A token as "[white space]piece:Class/Detail" ("[" and "]" only when there
// is white space).
std::string Show(const BabToken& t) {
    std::string s;
    if (!t.WhiteSpaceLeft.empty()) s += "[" + t.WhiteSpaceLeft + "]";
    return s + t.Piece + ":" + std::to_string(CodeOf(t.Class)) + "/" + std::to_string(t.Detail);
}

std::vector<std::string> ShowRecord(long record) {
    std::vector<std::string> out;
    const SourceModel& m = Parsed();
    const BabRecord& r = m.yRecord[static_cast<size_t>(record)];
    for (long t = r.FirstToken; t <= r.LastToken && t > 0; ++t) out.push_back(Show(m.yToken[static_cast<size_t>(t)]));
    return out;
}

std::vector<std::string> Classified(const std::string& line) {
    ReadAllRecords(line + "\r\n");
    return ShowRecord(1);
}

struct LineCase {
    std::string line;
    std::vector<std::string> tokens;
};

using V = std::vector<std::string>;

// Rebuilds a line from its raw tokens, giving back the "_" of a continued
// comment.
std::string Rebuild(const std::vector<WorkToken>& work, long n) {
    std::string s;
    for (long i = 1; i <= n; ++i) {
        const WorkToken& t = work[static_cast<size_t>(i)];
        s += t.WhiteSpaceLeft + t.Piece;
        if (t.FlagsOut == 1) s += "_";
    }
    return s;
}

}  // namespace

TEST(Tokenizer, LinesGiveTheirTokens) {
    UseStandardKeywords();
    const LineCase cases[] = {
        {"x = 1   ", V{"x:1/8", "[ ]=:4/6", "[ ]1:3/2", "   :5/3"}},
        {"a = 1+b", V{"a:1/8", "[ ]=:4/6", "[ ]1+b:3/2"}},
        {"x-1", V{"x:1/8", "-1:3/2"}},
        {"x - 1", V{"x:1/8", "[ ]-:4/6", "[ ]1:3/2"}},
        {"y = 1.5E+3! * .5", V{"y:1/8", "[ ]=:4/6", "[ ]1.5E+3!:3/2", "[ ]*:4/6", "[ ].5:3/2"}},
        {"#If Win32 Then", V{"#:4/6", "If:0/0", "[ ]Win32:1/8", "[ ]Then:0/0"}},
        {"d = #1/2/2000# + 1", V{"d:1/8", "[ ]=:4/6", "[ ]#1/2/2000#:3/1", "[ ]+:4/6", "[ ]1:3/2"}},
        {"Print #1, \"a\"", V{"Print:0/0", "[ ]#:4/6", "1:3/2", ",:4/6", "[ ]\"a\":3/3"}},
        {"Get #1, , x: Get #2", V{"Get:0/0", "[ ]#1, , x: Get #:3/1", "2:3/2"}},
        {"Rem\tfirst  second", V{"Rem first  second:5/1"}},
        {"x = 1 ' note", V{"x:1/8", "[ ]=:4/6", "[ ]1:3/2", "[ ]' note:5/1"}},
        {"s = \"a\"\"b\" & \"c\"", V{"s:1/8", "[ ]=:4/6", "[ ]\"a\"\"b\":3/3", "[ ]&:4/6", "[ ]\"c\":3/3"}},
        {"s = \"abc", V{"s:1/8", "[ ]=:4/6", "[ ]\"abc\":3/3"}},
        {"x <= 1 <> y >= z", V{"x:1/8", "[ ]<=:4/6", "[ ]1:3/2", "[ ]<>:4/6", "[ ]y:1/8", "[ ]>=:4/6", "[ ]z:1/8"}},
        {"h = &H1F& And &", V{"h:1/8", "[ ]=:4/6", "[ ]&H1F&:3/2", "[ ]And:0/0", "[ ]&:4/6"}},
        {"f a:=1", V{"f:1/8", "[ ]a:1/8", ":=:4/2", "1:3/2"}},
        {"\xe9t\xe9 = 1", V{"\xe9t\xe9:4/6", "[ ]=:4/6", "[ ]1:3/2"}},
        // Line numbers and labels.
        {"100 x = 100", V{"100:5/4", "[ ]x:1/8", "[ ]=:4/6", "[ ]100:3/2"}},
        {"Start: x = 1", V{"Start:5/4", "::6/1", "[ ]x:1/8", "[ ]=:4/6", "[ ]1:3/2"}},
        {"Start: Again: x", V{"Start:5/4", "::6/1", "[ ]Again:1/8", "::6/2", "[ ]x:1/8"}},
        {"10: x", V{"10:5/4", "::6/2", "[ ]x:1/8"}},
        // A name after a ":" is a call, not a label.
        {"a = 1: Refill: b", V{"a:1/8", "[ ]=:4/6", "[ ]1:3/2", "::6/2", "[ ]Refill:1/8", "::6/2", "[ ]b:1/8"}},
        {"Else: x", V{"Else:0/0", "::6/2", "[ ]x:1/8"}},
        {": x", V{"::0/0", "[ ]x:1/8"}},
        // Type characters and field access.
        {"x! = y!", V{"x!:1/8", "[ ]=:4/6", "[ ]y:1/8", "!:4/6"}},
        {"t = rs!Name", V{"t:1/8", "[ ]=:4/6", "[ ]rs:1/8", "!:4/6", "Name:1/8"}},
        {"t = rs![Line Total]", V{"t:1/8", "[ ]=:4/6", "[ ]rs:1/8", "!:4/6", "[:4/6", "Line:1/8", "[ ]Total:1/8",
                                   "]:4/6"}},
        {"t = a !b", V{"t:1/8", "[ ]=:4/6", "[ ]a:1/8", "[ ]!:4/6", "b:1/8"}},
        // A bracketed name holding a quote, an apostrophe or a colon is one
        // name; the line still continues.
        {"x = [a : \"\" b ' c] _", V{"x:1/8", "[ ]=:4/6", "[ ][a : \"\" b ' c]:1/8"}},
        // Continuation marks.
        {"x = 1 _", V{"x:1/8", "[ ]=:4/6", "[ ]1:3/2"}},
        {"x = 1 _ \t", V{"x:1/8", "[ ]=:4/6", "[ ]1:3/2"}},  // blanks after the "_" go with it
        {"_", V{"_:4/6"}},
        {"x = a \\", V{"x:1/8", "[ ]=:4/6", "[ ]a:1/8", "[ ]\\:4/6"}},
        {"", V{":5/3"}},
        {"   ", V{"   :5/3"}},
    };
    for (const LineCase& c : cases) EXPECT_EQ(Classified(c.line), c.tokens) << c.line;
}

TEST(Tokenizer, ColumnsAndLineEndMarks) {
    UseStandardKeywords();
    ReadAllRecords("\tx = #1/1/99#  \r\n\r\nIf a Then b _\r\n");
    const BabToken* t = &Parsed().yToken[0];
    EXPECT_EQ(t[1].Where, 2);   // after the tab
    EXPECT_EQ(t[2].Where, 4);
    EXPECT_EQ(t[3].Where, 6);
    EXPECT_EQ(t[4].Where, 14);  // the trailing white space: its first blank
    EXPECT_EQ(t[4].FlagsMisc, tokflag::kLastOfLine);
    EXPECT_EQ(t[3].FlagsMisc, 0);
    EXPECT_EQ(t[5].Where, 0);  // the token of an empty line
    EXPECT_EQ(t[5].FlagsMisc, tokflag::kLastOfLine);
    const BabRecord& r3 = Parsed().yRecord[3];
    const BabToken& b = Parsed().yToken[static_cast<size_t>(r3.LastToken)];
    EXPECT_EQ(b.Piece, "b");
    EXPECT_EQ(b.FlagsOut, 1);
    EXPECT_EQ(b.FlagsMisc, 0);  // the mark went with the dropped "_"
}

TEST(Tokenizer, CodeZeroInsideALineIsKept) {
    UseStandardKeywords();
    std::string line = std::string("x") + '\0' + "y = \"a" + '\0' + "b\"";
    EXPECT_EQ(Classified(line), (V{std::string("x") + '\0' + ":1/8", "y:1/8", "[ ]=:4/6",
                                   "[ ]\"a" + std::string(1, '\0') + "b\":3/3"}));
}

TEST(Tokenizer, TheThreeDocumentedChangesOfALine) {
    UseStandardKeywords();
    std::vector<WorkToken> work;
    long n = 0;
    struct Case {
        std::string line, rebuilt;
    };
    const Case cases[] = {
        {"x = 1 ' and so on _", "x = 1 ' and so on _"},  // the "_" comes back through FlagsOut
        {"Rem\tnote", "Rem note"},                       // the delimiter after REM becomes a blank
        {"rem(x)", "rem x)"},
        {"Rem", "Rem"},
        {"s = \"open", "s = \"open\""},  // the closing quote is added
    };
    for (const Case& c : cases) {
        ExtractTokens(c.line, work, n);
        EXPECT_EQ(Rebuild(work, n), c.rebuilt) << c.line;
    }
    ExtractTokens("' and so on _", work, n);
    EXPECT_EQ(work[1].Piece, "' and so on ");
    EXPECT_EQ(work[1].FlagsOut, 1);
}

TEST(Tokenizer, EveryFixtureLineRebuildsFromItsTokens) {
    UseStandardKeywords();
    std::vector<WorkToken> work;
    for (const char* name : {"module.bas", "class.cls", "form.frm", "vb3.bas"}) {
        for (const std::string& line : textfile::SplitLines(Fixture(name))) {
            long n = 0;
            ExtractTokens(line, work, n);
            ASSERT_EQ(oDebug->StatusCode, 0);
            EXPECT_EQ(Rebuild(work, n), line) << name;
        }
    }
}

TEST(Tokenizer, CommentContinuesOnlyAfterABlankAndUnderscore) {
    UseStandardKeywords();
    ReadAllRecords("' first _\r\n   x = 1 whatever\r\n'_______\r\ny = 2 ' tail\t_\r\nz\r\n");
    ASSERT_EQ(Parsed().glRecordCount, 6);
    EXPECT_EQ(ShowRecord(1), V{"' first :5/1"});
    EXPECT_EQ(Parsed().yToken[1].FlagsOut, 1);
    const BabToken& cont = Parsed().yToken[static_cast<size_t>(Parsed().yRecord[2].FirstToken)];
    EXPECT_EQ(cont.Piece, "   x = 1 whatever");
    EXPECT_EQ(cont.Class, TokenClass::NonCode);
    EXPECT_EQ(cont.Detail, tokdetail::kComment);
    EXPECT_EQ(cont.Where, 0);
    EXPECT_EQ(Parsed().yRecord[2].FirstToken, Parsed().yRecord[2].LastToken);
    // A separator comment does not swallow the next line.
    EXPECT_EQ(ShowRecord(3), V{"'_______:5/1"});
    EXPECT_EQ(ShowRecord(4), (V{"y:1/8", "[ ]=:4/6", "[ ]2:3/2", "[ ]' tail\t:5/1"}));
    EXPECT_EQ(ShowRecord(5), V{"z:5/1"});  // continues the comment of line 4
}

TEST(Tokenizer, TypeAndEnumBlocks) {
    UseStandardKeywords();
    ReadAllRecords(
        "Private Type T\r\n"
        "    Date As Long\r\n"
        "End Type\r\n"
        "Date = 1\r\n"
        "Enum E\r\n"
        "    Date\r\n"
        "End Enum\r\n");
    EXPECT_EQ(ShowRecord(2)[0], "[    ]Date:1/8");  // a member name, even when a keyword
    EXPECT_EQ(ShowRecord(3)[0], "End:0/0");
    EXPECT_EQ(ShowRecord(4)[0], "Date:0/0");  // looked up again after End Type
    EXPECT_EQ(ShowRecord(6)[0], "[    ]Date:0/0");  // Enum members are looked up
    EXPECT_FALSE(Parsed().gtBabFlags.InType);
    EXPECT_FALSE(Parsed().gtBabFlags.InEnum);

    ReadAllRecords("Public Enum E\r\n");
    EXPECT_TRUE(Parsed().gtBabFlags.InEnum);
    ReadAllRecords("Type T\r\n");
    EXPECT_TRUE(Parsed().gtBabFlags.InType);
    ReadAllRecords("x = Type\r\n");
    EXPECT_FALSE(Parsed().gtBabFlags.InType);
}

TEST(Tokenizer, TypeInsideAProcedureOrTheFormDescriptionOpensNoBlock) {
    UseStandardKeywords();
    for (int which = 0; which < 2; ++which) {
        SourceModel& m = Parsed() = SourceModel{};
        BabInitFile(m, "6");
        SourceParse parse(m);
        parse.input.OpenText("Type T\r\n    Date As Long\r\n");
        (which == 0 ? m.gtBabFlags.InProcedure : m.gtBabFlags.FormDescription) = true;
        oDebug->ClearStatus();
        ReadRecordExtractTokens(parse, false);
        ReadRecordExtractTokens(parse, false);
        EXPECT_FALSE(m.gtBabFlags.InType);
        EXPECT_EQ(ShowRecord(2)[0], "[    ]Date:0/0");
    }
}

TEST(Tokenizer, ColonInsideTheFormDescriptionIsAnOperator) {
    UseStandardKeywords();
    SourceModel& m = Parsed() = SourceModel{};
    BabInitFile(m, "6");
    SourceParse parse(m);
    parse.input.OpenText("Start: OleObjectBlob = \"f.frx\":0000\r\n");
    m.gtBabFlags.FormDescription = true;
    ReadRecordExtractTokens(parse, false);
    EXPECT_EQ(ShowRecord(1), (V{"Start:1/8", "::4/6", "[ ]OleObjectBlob:1/8", "[ ]=:4/6", "[ ]\"f.frx\":3/3",
                                "::4/6", "0000:3/2"}));
}
