#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AnalysisTestSupport.h"
#include "analysis/TextStore.h"

using namespace analysistest;

// Texts of every size the store handles: empty, one character, the short
// texts a string would keep inside itself, texts that fill several blocks,
// and texts long enough to carry their length in front of them.
TEST(TextStore, TextsStayValidAcrossBlocksAndMoves) {
    std::vector<std::string> written;
    for (size_t n : {0, 1, 2, 15, 16, 100, 5000, 65534, 65535, 65536, 200000})
        written.push_back(std::string(n, static_cast<char>('a' + n % 26)));
    for (int i = 0; i < 3000; ++i) written.push_back("w" + std::to_string(i));

    TextStore store;
    std::vector<StoredText> texts;
    for (const std::string& w : written) texts.push_back(store.Add(w));
    TextStore moved = std::move(store);
    TextStore movedAgain;
    movedAgain = std::move(moved);

    ASSERT_EQ(texts.size(), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(texts[i].size(), written[i].size()) << i;
        EXPECT_EQ(texts[i].view(), written[i]) << i;
        EXPECT_EQ(texts[i].empty(), written[i].empty()) << i;
    }
}

TEST(TextStore, APairStandsSideBySideLeadingBlanksFirst) {
    TextStore store;
    StoredText blanks, piece;
    store.AddPair("  \t", "Dim", blanks, piece);
    EXPECT_EQ(blanks, "  \t");
    EXPECT_EQ(piece, "Dim");
    EXPECT_EQ(blanks.data() + blanks.size(), piece.data());

    store.AddPair("", "x", blanks, piece);
    EXPECT_TRUE(blanks.empty());
    EXPECT_EQ(piece, "x");
    store.AddPair(" ", "", blanks, piece);
    EXPECT_EQ(blanks, " ");
    EXPECT_TRUE(piece.empty());

    const std::string huge(70000, 'q');
    store.AddPair(" ", huge, blanks, piece);
    EXPECT_EQ(blanks, " ");
    EXPECT_EQ(piece.view(), huge);
}

// The model is handed from the parse to its caller and on by moves, and a
// test may copy one; its tokens must still read their texts once the model
// they came from is gone, also one- and two-character ones.
TEST(TextStore, AModelKeepsItsTextsWhenMovedOrCopied) {
    UseStandardKeywords();
    ParseText("Dim a As Long\r\n' a comment that is long enough to need room of its own\r\nx = \"s\"\r\n");
    auto rebuilt = [](const SourceModel& m) {
        std::string text;
        for (long t = 1; t <= m.glTokenCount; ++t) {
            const BabToken& k = m.yToken[static_cast<size_t>(t)];
            text += k.WhiteSpaceLeft + k.Piece + "|";
        }
        return text;
    };
    const std::string expected = "Dim| a| As| Long|' a comment that is long enough to need room of its own|x| =| \"s\"|";
    SourceModel first = std::move(Parsed());
    SourceModel second = std::move(first);
    first = SourceModel();
    EXPECT_EQ(rebuilt(second), expected);

    auto copied = std::make_unique<SourceModel>(second);
    SourceModel assigned;
    assigned = *copied;
    for (long t = 1; t <= second.glTokenCount; ++t) {
        const char* from = second.yToken[static_cast<size_t>(t)].Piece.data();
        EXPECT_NE(copied->yToken[static_cast<size_t>(t)].Piece.data(), from) << t;
        EXPECT_NE(assigned.yToken[static_cast<size_t>(t)].Piece.data(), from) << t;
    }
    second = SourceModel();
    EXPECT_EQ(rebuilt(*copied), expected);
    copied.reset();
    EXPECT_EQ(rebuilt(assigned), expected);
}

// A parse keeps its source and refers into it; only the texts the reader
// makes (the blank after Rem in place of a tab, the quote that closes an
// unterminated literal) are copies.
TEST(TextStore, AParseCopiesOnlyTheTextsItMakes) {
    UseStandardKeywords();
    const SourceModel& m = ParseText("Rem\tnote\r\nx = \"open\r\ny  = 1 ' as written\r\n");
    struct Expect {
        const char* piece;
        bool inSource;
    };
    const Expect expected[] = {{"Rem note", false}, {"x", true},     {"=", true},
                               {"\"open\"", false}, {"y", true},     {"=", true},
                               {"1", true},         {"' as written", true}};
    ASSERT_EQ(m.glTokenCount, static_cast<long>(std::size(expected)));
    for (long t = 1; t <= m.glTokenCount; ++t) {
        const BabToken& k = m.yToken[static_cast<size_t>(t)];
        const Expect& e = expected[t - 1];
        EXPECT_EQ(k.Piece, e.piece) << t;
        EXPECT_EQ(m.texts.Holds(k.Piece.view()), e.inSource) << e.piece;
        if (!k.WhiteSpaceLeft.empty()) {
            EXPECT_EQ(k.WhiteSpaceLeft.data() + k.WhiteSpaceLeft.size(), k.Piece.data());
        }
    }
    EXPECT_EQ(m.yToken[6].WhiteSpaceLeft, "  ");
}

// A parse that keeps its source points at it for the texts the tokenizer
// took as they stand, without comparing them again: lines whose tokens are
// made in every way the tokenizer has give the same texts as a reading that
// copies them all.
TEST(TextStore, TextsPointedAtInTheSourceAreTheTokensOwn) {
    UseStandardKeywords();
    const std::string lines[] = {
        "Rem\tnote",
        "Rem note _",
        "x = 1: REM",
        "x = \"open",
        "x = \"a\"\"b\" ' c _",
        "d = #1/2/2000# + 1",
        "Get #1, , x: Get #2",
        "t = rs![Line Total] & rs!Name",
        "x! = y! + z!",
        "x = [a : \"\" b ' c] _",
        "x = 1 _ \t",
        "  y  = 1.5E+3! * -.5   ",
        "If a <= b Then f c:=1",
        "#If Win32 Then",
        std::string("x") + '\0' + "y = 1",
    };
    auto texts = [](const SourceModel& m) {
        std::vector<std::string> out;
        for (long t = 1; t <= m.glTokenCount; ++t) {
            const BabToken& k = m.yToken[static_cast<size_t>(t)];
            out.push_back(std::string(k.WhiteSpaceLeft.view()) + "|" + std::string(k.Piece.view()));
        }
        return out;
    };
    for (const std::string& line : lines) {
        const std::vector<std::string> copied = texts(ReadAllRecords(line + "\r\n"));
        EXPECT_EQ(texts(ParseText(line + "\r\n")), copied) << line;
    }
}
