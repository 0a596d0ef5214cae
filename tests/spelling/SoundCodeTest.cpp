#include <gtest/gtest.h>

#include "spelling/SoundCode.h"

TEST(ISoundex, CodesEveryCodedLetterOnce) {
    struct Case {
        const char* word;
        int code;
    } cases[] = {
        {"SPELLING", 2145}, {"TOTAL", 3340}, {"AEIOU", 0},   {"", 0},         {"spelling", 2145},
        {"TEH", 3000},      {"THE", 3000},   {"BFPV", 1000}, {"BAB", 1100},   {"ABBA", 1000},
        {"MNM", 5000},      {"MAN", 5500},   {"SCHMIDT", 2530}, {"IT'S", 3200}, {"RRRRR", 6000},
        {"TDTD", 3000},     {"TATATATA", 3333},
    };
    for (const Case& c : cases) EXPECT_EQ(ISoundex(c.word), c.code) << c.word;
}

TEST(SuggestionFilter, LengthAndShares) {
    struct Case {
        const char* word;
        const char* candidate;
        bool passes;
    } cases[] = {
        {"TEH", "THE", true},          // consonants 2/2, vowels 1/1
        {"RECIEVE", "RECEIVE", true},
        {"LOOT", "TOOL", true},        // both O's of the word are used
        {"MOST", "MOOT", true},        // one O matches: vowel share 1/2 is enough
        {"TEH", "TEETH", false},       // two longer
        {"TEETH", "TEH", false},       // two shorter
        {"CAT", "CATS", true},         // one longer: consonants 2/3 reach 0.66
        {"BAT", "BUT", false},         // vowel share 0
        {"BAT", "CAT", false},         // half of the consonants is not enough
        {"MAST", "MUSK", false},       // consonants M,S of M,S,K: 2/3 passes, vowel 0/1 fails
        {"STAMP", "STOMP", false},     // the vowel differs: 0/1
        {"XYZ", "AB", false},
        {"AE", "EA", true},            // no consonant in the candidate: share 1
    };
    for (const Case& c : cases) EXPECT_EQ(PassesSuggestionFilter(c.word, c.candidate), c.passes) << c.word << " " << c.candidate;
}
