// The source-line formatter: line continuations kept, removed and inserted,
// in-line comment columns, and the spelling calls.
#include "engine/Continuations.h"
#include "FormatterHarness.h"

using namespace formattest;

namespace {

// A case of the table on the body of one procedure.
FormatCase InSubCase(const char* name, std::vector<std::string> settings, std::vector<std::string> body,
                     std::vector<std::string> expected) {
    return {name, std::move(settings), InSub(body), InSub(expected)};
}

const std::vector<std::string> kThreeLines = {"    x = Total(a, _", "  b, _", "                c)"};

INSTANTIATE_TEST_SUITE_P(
    Continuations, FormatTable,
    ::testing::Values(
        InSubCase("KeptAsTheyStand", {}, kThreeLines, kThreeLines),
        // One indent past where the first line's code begins.
        InSubCase("KeptUnderTheFirstLine",
                 {"[Indentation]", "AsIs=No", "BaseLines=Yes"},
                 kThreeLines,
                 {"    x = Total(a, _", "        b, _", "        c)"}),
        InSubCase("KeptWithTheirIndentation",
                 {"[Indentation]", "AsIs=No", "BaseLines=Yes", "[General]", "KeepIndentation=Yes"},
                 kThreeLines,
                 {"    x = Total(a, _", "  b, _", "                c)"}),
        InSubCase("KeptAfterALineNumber",
                 {"[Indentation]", "AsIs=No"},
                 {"100 x = Total(a, _", "b)"},
                 {"100 x = Total(a, _", "        b)"}),
        // Blanks after the "_" still continue the line: the statement after
        // it stays under the If.
        InSubCase("BlanksAfterTheMark",
                 {"[Indentation]", "AsIs=No", "[General]", "SplitMultiLines=Yes", "SplitIfs=Yes"},
                 {"If ok Then _  ", "n = 1", "x = n + _\t", "2"},
                 {"If ok Then _", "    n = 1", "x = n + _", "    2"}),
        InSubCase("Removed",
                 {"[General]", "Continuations=1"},
                 kThreeLines,
                 {"    x = Total(a, b, c)"}),
        // A comment continued with an underscore keeps its blank and "_", or
        // is joined to its next line.
        InSubCase("ContinuedCommentKept",
                 {"[Indentation]", "AsIs=No"},
                 {"x = 1 ' first _", "  second"},
                 {"x = 1 ' first _", "  second"}),
        InSubCase("ContinuedCommentJoined",
                 {"[General]", "Continuations=1"},
                 {"x = 1 ' first _", "second"},
                 {"x = 1 ' first  second"}),
        // Inserted before the first token that would pass the column and
        // has blanks before it; every further line at the same indentation.
        InSubCase("InsertedAtTheColumn",
                 {"[General]", "InsertContinuations=Yes", "ContinuationColumn=24"},
                 {"  total = first + second + third + fourth + fifth"},
                 {"  total = first + second _", "      + third + fourth + _", "      fifth"}),
        InSubCase("NeverWithoutBlanksOrInComments",
                 {"[General]", "InsertContinuations=Yes", "ContinuationColumn=10"},
                 {"x=a+b+c+d+e+f+g", "' a comment line longer than the column"},
                 {"x=a+b+c+d+e+f+g", "' a comment line longer than the column"}),
        InSubCase("InsertedAfterALineNumber",
                 {"[General]", "InsertContinuations=Yes", "ContinuationColumn=20"},
                 {"10 total = first + second + third"},
                 {"10 total = first + _", "       second + _", "       third"})),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    InLineComments, FormatTable,
    ::testing::Values(
        InSubCase("InTheColumn",
                 {"[Comments]", "InLine=0", "InLineColumn=20"},
                 {"x = 1 ' one", "  If a Then b = 2  ' two"},
                 {"x = 1               ' one", "  If a Then b = 2   ' two"}),
        InSubCase("PastTheColumnAsTheyStand",
                 {"[Comments]", "InLine=0", "InLineColumn=8"},
                 {"total = 1   ' one"},
                 {"total = 1   ' one"}),
        InSubCase("PastTheColumnRightOfTheCode",
                 {"[Comments]", "InLine=0", "InLineColumn=8", "InLineRight=Yes"},
                 {"total = 1   ' one"},
                 {"total = 1 ' one"}),
        InSubCase("PastTheColumnOnTheNextLine",
                 {"[Comments]", "InLine=0", "InLineColumn=8", "InLineNext=Yes"},
                 {"total = 1   ' one"},
                 {"total = 1", "        ' one"}),
        InSubCase("Removed",
                 {"[Comments]", "InLine=1"},
                 {"x = 1   ' one", "y = 2 ' first _", "second", "z = 3"},
                 {"x = 1", "y = 2", "z = 3"}),
        InSubCase("AsTheyStand",
                 {"[Comments]", "InLine=2"},
                 {"x = 1   ' one"},
                 {"x = 1   ' one"}),
        // After a label put on its own line, a comment stands alone on the
        // next line: it is placed as the comment line it is when read again,
        // not at the in-line column.
        InSubCase("AfterALabel",
                 {"[Indentation]", "AsIs=No", "[Comments]", "InLine=0", "InLineColumn=8", "StandAlone=0",
                  "StandAloneColumn=3"},
                 {"Done: ' finished"},
                 {"Done:", "  ' finished"})),
    CaseName);

TEST(LineNumberEnd, FirstCharacterThatIsNeitherDigitNorBlank) {
    EXPECT_EQ(fiLineNumberEnd("x = 1"), 1);
    EXPECT_EQ(fiLineNumberEnd("10 x"), 4);
    EXPECT_EQ(fiLineNumberEnd("    x"), 5);
    EXPECT_EQ(fiLineNumberEnd("12 34"), 6);
    EXPECT_EQ(fiLineNumberEnd(""), 1);
}

class Spelling : public ::testing::Test {
protected:
    struct Call {
        std::string text, kind;
        long stmt;
    };
    std::vector<Call> calls;
    ZelkOptions options;

    // A checker that records what it is given and corrects "teh".
    testsupport::Lend<decltype(gfnSpellCheckIt)> checker{
        gfnSpellCheckIt, [this](std::string& text, const std::string& kind, const SourceModel&, long stmt) {
            calls.push_back({text, kind, stmt});
            if (text == "\"teh\"") text = "\"the\"";
            return true;
        }};

    void SetUp() override { options = Settings({"[Spell]", "Enabled=Yes"}); }
};

TEST_F(Spelling, LiteralsAndCommentLinesAreCheckedAndCorrected) {
    formattest::Formatted f =
        Format(options, {"Declare Sub P Lib \"kernal\" ()", "Sub Main()", "' a coment", "x = \"teh\" ' not checked",
                "Done: ' after a label", "End Sub"});
    std::vector<std::pair<std::string, std::string>> got;
    for (const Call& c : calls) got.emplace_back(c.text, c.kind);
    EXPECT_EQ(got, (std::vector<std::pair<std::string, std::string>>{{"' a coment", "Comment "},
                                                                       {"\"teh\"", "Code String Literal "},
                                                                       {"' after a label", "Comment"}}));
    EXPECT_EQ(calls[1].stmt, f.model.yRecord[4].FirstStmt - 1);
    EXPECT_EQ(f.lines[3], "x = \"the\" ' not checked");
}

TEST_F(Spelling, StopsWhenTheUserStopsIt) {
    gfnSpellCheckIt = [this](std::string& text, const std::string& kind, const SourceModel&, long stmt) {
        calls.push_back({text, kind, stmt});
        return false;  // the user stopped it
    };
    Format(options, InSub({"x = \"one\"", "y = \"two\""}));
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(Spelling, NothingCheckedWhenSwitchedOff) {
    options = Settings({"[Spell]", "Enabled=Yes", "Comments=No", "CodeLiterals=No"});
    gfnSpellCheckIt = [this](std::string& text, const std::string& kind, const SourceModel&, long stmt) {
        calls.push_back({text, kind, stmt});
        return true;
    };
    Format(options, InSub({"' comment", "x = \"one\""}));
    EXPECT_TRUE(calls.empty());
}

}  // namespace
