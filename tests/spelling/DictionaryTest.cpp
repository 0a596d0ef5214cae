// The main dictionary's file as the builder writes it and as the checker
// reads it, on small lists built by the builder's own code.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "spelling/DictBuilder.h"
#include "spelling/DictFormat.h"
#include "spelling/MainDictionary.h"
#include "spelling/SoundCode.h"
#include "SpellingTestSupport.h"
#include "spelling/WordBlock.h"

using spelldict::MainDictionary;

namespace {

// Words for every letter but B and Q, of many lengths, so that letters share
// blocks, some letters start a block and Z ends the word blocks.
std::vector<std::string> LetterWords() {
    const char* suffixes[] = {"", "A", "AB", "ABC", "ACK", "ALE", "AMPLE", "AN", "ANTHEM", "APPLE", "ARGYLE", "ZOO"};
    std::vector<std::string> words;
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (c == 'B' || c == 'Q') continue;
        for (const char* s : suffixes) words.push_back(std::string(1, c) + s);
    }
    return words;
}

MainDictionary Load(const std::string& bytes) {
    MainDictionary dict;
    dict.Assign(bytes);
    return dict;
}

// All words of the word blocks in file order, through GetDictWord.
std::vector<std::string> AllWords(const MainDictionary& dict) {
    std::vector<std::string> words;
    for (int32_t b = 2; b < dict.HeaderLong(spelldict::kSectionLong); ++b)
        for (int place = 1;; ++place) {
            std::string w = dict.GetDictWord(b - 1, place);
            if (w.empty()) break;
            words.push_back(w);
        }
    return words;
}

struct Group {
    int32_t Block;
    size_t Offset;
    int16_t Code;
    int Count;
};

std::vector<Group> SoundGroups(const MainDictionary& dict) {
    std::vector<Group> groups;
    for (int32_t b = dict.HeaderLong(spelldict::kSectionLong); b <= dict.BlockCount(); ++b) {
        std::string_view block = dict.Block(b);
        for (size_t at = 0; at < 126;) {
            int16_t code = spelldict::ReadInt16(block.data() + at);
            int count = static_cast<unsigned char>(block[at + 2]);
            if (code == 0 && count == 0) break;
            groups.push_back({b, at, code, count});
            at += 3 + 5 * static_cast<size_t>(count);
        }
    }
    return groups;
}

}  // namespace

TEST(DictionaryBuilder, NormalizesTheList) {
    spelldict::WordList list =
        spelldict::NormalizeWordList("zebra\r\nApple\nAA's\ncaf\xC3\xA9\nco-op\n\napple\nAPPLE\nZ\n" + std::string(128, 'x'));
    EXPECT_EQ(list.Words, (std::vector<std::string>{"APPLE", "Z", "ZEBRA"}));
    EXPECT_EQ(list.Skipped, 4u);
    EXPECT_THROW(spelldict::BuildDictionary({}), std::invalid_argument);
}

TEST(DictionaryBuilder, SameListSameBytes) {
    std::vector<std::string> words = LetterWords();
    std::string bytes = spelltest::BuildBytes(words);
    std::vector<std::string> shuffled = words;
    std::reverse(shuffled.begin(), shuffled.end());
    for (std::string& w : shuffled) w[0] = static_cast<char>(w[0] - 'A' + 'a');
    shuffled.push_back("aale");  // a repeat
    EXPECT_EQ(spelltest::BuildBytes(shuffled), bytes);
}

TEST(DictionaryBuilder, WritesTheLayoutTheReaderExpects) {
    std::vector<std::string> list = LetterWords();
    for (const std::string& w : spelltest::SameCodeWords(40)) list.push_back(w);
    std::vector<std::string> words = spelltest::Normalized(list);
    std::string bytes = spelldict::BuildDictionary(words);
    ASSERT_EQ(bytes.size() % 128, 0u);
    EXPECT_EQ(bytes.substr(0, 3), "SMG");
    MainDictionary dict = Load(bytes);
    ASSERT_TRUE(dict.IsUsable());
    EXPECT_EQ(spelldict::VerifyDictionary(bytes, words), std::vector<std::string>{});

    const int32_t section = dict.HeaderLong(27);
    EXPECT_GT(section - 2, 3) << "the fixture needs several word blocks";
    for (int32_t b = 2; b < section; ++b) {
        std::string_view block = dict.Block(b);
        EXPECT_TRUE(block[0] >= 'A' && block[0] <= 'Z') << "block " << b << " starts with a whole word";
        std::string_view used = block.substr(0, block.find_last_not_of(' ') + 1);
        EXPECT_EQ(used.back(), ',') << "block " << b << " ends its last word with a comma";
    }
    EXPECT_EQ(AllWords(dict), words);

    // Each letter's number names the block of its first word.
    for (int letter = 1; letter <= 26; ++letter) {
        char initial = static_cast<char>('A' + letter - 1);
        auto first = std::find_if(words.begin(), words.end(), [&](const std::string& w) { return w[0] == initial; });
        if (first == words.end()) continue;
        std::vector<std::string> inBlock;
        for (int place = 1;; ++place) {
            std::string w = dict.GetDictWord(dict.HeaderLong(letter) - 1, place);
            if (w.empty()) break;
            inBlock.push_back(w);
        }
        EXPECT_NE(std::find(inBlock.begin(), inBlock.end(), *first), inBlock.end()) << initial;
    }

    // Sound-alike groups: ascending codes, each inside its block, a list
    // going on only as the first group of the next block.
    std::vector<Group> groups = SoundGroups(dict);
    size_t entries = 0;
    for (size_t i = 0; i < groups.size(); ++i) {
        EXPECT_LT(groups[i].Offset, 126u);
        EXPECT_LE(groups[i].Offset + 3 + 5 * groups[i].Count, 128u);
        entries += groups[i].Count;
        if (i == 0) continue;
        EXPECT_LE(groups[i - 1].Code, groups[i].Code);
        if (groups[i - 1].Code == groups[i].Code) {
            EXPECT_EQ(groups[i].Offset, 0u);
            EXPECT_EQ(groups[i].Block, groups[i - 1].Block + 1);
        }
    }
    EXPECT_EQ(entries, words.size());
}

TEST(DictionaryBuilder, VerificationFindsADamagedFile) {
    std::vector<std::string> words = spelltest::Normalized(LetterWords());
    std::string bytes = spelldict::BuildDictionary(words);
    std::string damaged = bytes;
    // T's words said to begin in the last word block: T's early words are lost.
    spelldict::PutLong(&damaged[spelldict::HeaderLongOffset('T' - 'A' + 1)],
                       Load(bytes).HeaderLong(27) - 1);
    EXPECT_FALSE(spelldict::VerifyDictionary(damaged, words).empty());
    damaged = bytes;
    damaged[0] = 'X';
    EXPECT_EQ(spelldict::VerifyDictionary(damaged, words),
              std::vector<std::string>{"the header is not that of a dictionary"});
}

TEST(DictionaryLookup, FindsExactlyTheListedWords) {
    std::vector<std::string> words = spelltest::Normalized(LetterWords());
    MainDictionary dict = Load(spelldict::BuildDictionary(words));
    std::set<std::string> listed(words.begin(), words.end());

    // Letters share blocks and some start one: the fixture shows both.
    bool shared = false, starts = false;
    for (int letter = 1; letter < 26; ++letter) {
        if (letter == 'B' - 'A' + 1 || letter == 'Q' - 'A' + 1) continue;
        shared |= dict.Block(dict.HeaderLong(letter))[0] < 'A' + letter - 1;
        starts |= dict.Block(dict.HeaderLong(letter))[0] == 'A' + letter - 1;
    }
    EXPECT_TRUE(shared);
    EXPECT_TRUE(starts);

    std::vector<std::string> probes = {"B", "BALL", "BZOO", "Q", "QAB", "ZZZ", "ZZOOA", "AAA", "1ABC", "", "[", "@"};
    for (const std::string& w : words) {
        probes.push_back(w);
        probes.push_back(w + "Q");
        probes.push_back(w.substr(0, w.size() - 1));
        std::string next = w;
        next.back() = static_cast<char>(next.back() + 1);
        probes.push_back(next);
    }
    for (const std::string& p : probes) EXPECT_EQ(dict.Lookup(p), listed.count(p) == 1) << p;
}

TEST(DictionaryLookup, EveryBlockEdgeWord) {
    std::vector<std::string> words = spelltest::Normalized(LetterWords());
    MainDictionary dict = Load(spelldict::BuildDictionary(words));
    for (int32_t b = 2; b < dict.HeaderLong(27); ++b) {
        std::string first = dict.GetDictWord(b - 1, 1);
        std::string last;
        for (int place = 1;; ++place) {
            std::string w = dict.GetDictWord(b - 1, place);
            if (w.empty()) break;
            last = w;
        }
        EXPECT_TRUE(dict.Lookup(first)) << first;
        EXPECT_TRUE(dict.Lookup(last)) << last;
    }
    EXPECT_EQ(dict.BlockSearch("1ABC"), 0);
    EXPECT_EQ(dict.BlockSearch("\xC9T\xC9"), 0);
}

TEST(WordBlockReader, FrontCodingAndTheLastWord) {
    // "[" keeps nothing of the word before; "]" keeps two characters, "^"
    // three; the last word has no comma after it.
    std::string block = "ABC,[DEF,]X,^Z";
    block.resize(128, ' ');
    const char* expected[] = {"", "ABC", "DEF", "DEX", "DEXZ", ""};
    for (int place = 1; place <= 5; ++place) EXPECT_EQ(spelldict::WordAtPlace(block, place), expected[place]) << place;

    spelldict::WordBlockReader reader(block);
    std::vector<std::string> seen{std::string(reader.Current())};
    while (reader.HasNext()) {
        reader.Next();
        seen.emplace_back(reader.Current());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"ABC", "DEF", "DEX", "DEXZ"}));

    // A word filling the block to its last byte ends the scan.
    std::string full = std::string(127, 'A') + ",";
    spelldict::WordBlockReader one(full);
    EXPECT_EQ(one.Current().size(), 127u);
    EXPECT_FALSE(one.HasNext());
}

TEST(DictionarySuggestions, AListSpanningThreeBlocks) {
    // Codes 1000 and 2000 fill the first section block partly, so that the
    // 40 words of code 3000 start in its middle and end in the third block.
    std::vector<std::string> list = {"BA", "BE", "BI", "BO", "BU", "BY", "BAA", "BEE", "BOO", "BYE", "ZA", "LA", "MA", "RA"};
    std::vector<std::string> sameCode = spelltest::SameCodeWords(40);
    list.insert(list.end(), sameCode.begin(), sameCode.end());
    std::vector<std::string> words = spelltest::Normalized(list);
    std::string bytes = spelldict::BuildDictionary(words);
    MainDictionary dict = Load(bytes);
    ASSERT_EQ(spelldict::VerifyDictionary(bytes, words), std::vector<std::string>{});

    std::set<int32_t> blocks;
    for (const Group& g : SoundGroups(dict))
        if (g.Code == 3000) blocks.insert(g.Block);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_NE(SoundGroups(dict)[2].Offset, 0u) << "the list starts inside a block";

    std::vector<std::string> expected;
    for (const std::string& w : words)
        if (ISoundex(w) == 3000 && PassesSuggestionFilter("TUA", w)) expected.push_back(w);
    std::vector<std::string> found;
    dict.GetReplacements("TUA", found);
    EXPECT_EQ(found, expected);
    for (const char* w : {"TAA", "TIA", "TUU"}) EXPECT_NE(std::find(found.begin(), found.end(), w), found.end()) << w;

    struct Case {
        const char* word;
        std::vector<std::string> suggestions;
    } cases[] = {
        {"BA", {"BA", "BAA"}},  // the section's first code: no walk before it
        {"AE", {}},                                           // code 0: below every first code
        {"RA", {"RA"}},                                       // the last code, in the last block
        {"RAR", {}},                                          // above every code
        {"DAL", {}},  // between two codes of the last block
    };
    for (const Case& c : cases) {
        std::vector<std::string> got;
        dict.GetReplacements(c.word, got);
        EXPECT_EQ(got, c.suggestions) << c.word;
    }
}

TEST(DictionaryLoad, UnusableFiles) {
    std::string good = spelltest::BuildBytes({"ONE", "TWO"});
    EXPECT_TRUE(Load(good).IsUsable());
    std::string badId = good;
    badId.replace(0, 3, "SMH");
    std::string outside = good;
    spelldict::PutLong(&outside[spelldict::HeaderLongOffset(27)], 99);
    std::string before = good;
    spelldict::PutLong(&before[spelldict::HeaderLongOffset(3)], 1);
    for (const std::string& bytes : {std::string(), std::string("SMG"), good.substr(0, 127), badId, outside, before}) {
        MainDictionary dict = Load(bytes);
        EXPECT_FALSE(dict.IsUsable());
        EXPECT_FALSE(dict.Lookup("ONE"));
        std::vector<std::string> s;
        dict.GetReplacements("ONE", s);
        EXPECT_TRUE(s.empty());
    }
}
