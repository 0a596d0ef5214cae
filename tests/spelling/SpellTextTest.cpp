#include <gtest/gtest.h>

#include "spelling/SpellText.h"

using namespace spelltext;

namespace {
std::vector<std::string> Pieces(std::string_view text) {
    std::vector<std::string_view> views;
    ParseLine(text, views);
    EXPECT_EQ(UnParseString(views, 0), text) << "the pieces join back into the text";
    return {views.begin(), views.end()};
}
}  // namespace

TEST(SpellText, PiecesAndTheirCount) {
    using V = std::vector<std::string>;
    struct Case {
        std::string text;
        V pieces;
        size_t count;
    } cases[] = {
        {"", {}, 0},
        {"hello", {"hello"}, 0},
        {"hello world", {"hello", " ", "world"}, 2},
        {"hello.", {"hello", "."}, 2},                        // one slot more than pieces
        {" x", {" ", "x"}, 1},
        {"it's", {"it", "'", "s"}, 2},
        {"a\tb", {"a\tb"}, 0},                                // tabs do not separate
        {"one\r\ntwo", {"one", "\r\n", "two"}, 2},            // a line break is a piece, kept
        {"one\rtwo\nthree", {"one", "\r", "two", "\n", "three"}, 4},
        {"\r\n\r\n", {"\r\n", "\r\n"}, 2},
        {"x==y", {"x", "=", "=", "y"}, 4},
        {"A1_b2", {"A1", "_", "b2"}, 2},
        {"caf\xE9 \xC0", {"caf\xE9", " ", "\xC0"}, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Pieces(c.text), c.pieces) << c.text;
        EXPECT_EQ(fnCount(c.text), c.count) << c.text;
    }
    EXPECT_EQ(UnParseString({"a", "b"}, 3), "   ab");
    for (char c : std::string(" '; :,.?/\\!%&@#$(){}[]|_*-^=\"<>~`+")) EXPECT_TRUE(IsDelimiter(c)) << c;
    for (char c : std::string("\t\naZ09\xE9")) EXPECT_FALSE(IsDelimiter(c)) << c;
}

TEST(SpellText, CommonWords) {
    struct Case {
        const char* word;
        bool common;
    } cases[] = {
        {"x", true},     {"", false},       {"  ", false},    {"the", true},  {" The ", true}, {"an", true},
        {"be", true},    {"DO", true},      {"it", false},    {"also", true}, {"basic", true}, {"visual", false},
        {"there", true}, {"theirs", false}, {"he", false},    {"I'M", true},  {"IT'S", true},  {"ZZ", false},
        {"isual", true},  // the lists are searched as text: part of VISUAL
        {"o ba", true},   // ... across two words: ALSO BACK
    };
    for (const Case& c : cases) EXPECT_EQ(HighFreq(c.word), c.common) << c.word;
}

TEST(SpellText, CasePatternAndSetCase) {
    struct Case {
        const char* checked;
        const char* pattern;
        const char* replacement;
        const char* result;
    } cases[] = {
        {"recieve", "0000000", "receive", "receive"},
        {"Recieve", "1000000", "receive", "Receive"},
        {"RECIEVE", "1111111", "receive", "RECEIVE"},
        {"teh", "000", "THE", "the"},
        {"Teh", "100", "the", "The"},
        {"TeH", "101", "the", "ThE"},
        {"Teh", "100", "their", "Their"},          // longer than the pattern: first letter only
        {"tEh", "010", "their", "their"},          // ... and only when the pattern starts with "1"
        {"McDonld", "1010000", "mcdonald", "Mcdonald"},
        {"McDnld", "101000", "mcdold", "McDold"},
        {"ab1", "000", "X", "x"},
        {"AB1", "111", "x", "X"},
        {"\xE9t\xC9", "000", "Et", "et"},         // only ASCII letters have a case
    };
    for (const Case& c : cases) {
        std::string pattern = "junk";
        RecordCasePattern(c.checked, pattern);
        EXPECT_EQ(pattern, c.pattern) << c.checked;
        EXPECT_EQ(fsSetCase(c.replacement, pattern), c.result) << c.checked;
    }
    EXPECT_EQ(fsSetCase("Word", ""), "word");
}
