#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "analysis/TokenKinds.h"

// Two kinds share a byte: growing from an odd count, setting one of a pair
// and cutting back to an odd count leave the other of the pair as it was,
// and every code up to the largest comes back as it went in.
TEST(TokenKinds, EachKindKeepsItsOwnHalfOfTheByte) {
    TokenKinds kinds;
    std::vector<uint8_t> expected;
    kinds.assign(1, 0);
    expected.assign(1, 0);
    for (size_t grow : {2, 3, 1, 6, 5}) {
        const size_t from = kinds.size();
        kinds.resize(from + grow, 9);
        expected.resize(from + grow, 9);
        for (size_t i = from; i < kinds.size(); i += 2) {
            const auto kind = static_cast<uint8_t>((i * 7) % (TokenKinds::kLargest + 1));
            kinds.Set(i, kind);
            expected[i] = kind;
        }
        ASSERT_EQ(kinds, expected) << "after growing by " << grow;
    }
    kinds.Set(4, TokenKinds::kLargest);
    expected[4] = TokenKinds::kLargest;
    kinds.resize(5);
    expected.resize(5);
    kinds.resize(8, 2);
    expected.resize(8, 2);
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(std::vector<uint8_t>(kinds), expected);
    EXPECT_FALSE(kinds == std::vector<uint8_t>(expected.begin(), expected.end() - 1));
}

// Growing with blank kinds after a cut to an odd count: the half of the
// byte the cut left must not bring back the kind it held.
TEST(TokenKinds, BlankGrowthAfterACutClearsTheSharedHalf) {
    TokenKinds kinds;
    kinds.assign(6, TokenKinds::kLargest);
    kinds.resize(3);
    kinds.resize(7);
    EXPECT_EQ(kinds, (std::vector<uint8_t>{15, 15, 15, 0, 0, 0, 0}));
    kinds.resize(4);
    kinds.resize(6, 0);
    EXPECT_EQ(kinds, (std::vector<uint8_t>{15, 15, 15, 0, 0, 0}));
}
