#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/ExchangeSort.h"

namespace {

// The exchange sort itself, pair by pair.
std::vector<size_t> ExchangeByPairs(std::vector<std::string> keys) {
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t{0});
    for (size_t i = 0; i + 1 < keys.size(); ++i)
        for (size_t j = i + 1; j < keys.size(); ++j)
            if (keys[j] < keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
            }
    return order;
}

TEST(ExchangeSortTest, EqualKeysEndInTheExchangeSortsOwnOrder) {
    // A later smaller key carries the first of two equal keys behind the
    // second: the result is not the stable order.
    EXPECT_EQ(ExchangeSortOrder({"B", "B", "A"}), (std::vector<size_t>{2, 1, 0}));
    EXPECT_EQ(ExchangeSortOrder({}), std::vector<size_t>{});
    EXPECT_EQ(ExchangeSortOrder({"", "", ""}), (std::vector<size_t>{0, 1, 2}));
}

TEST(ExchangeSortTest, MatchesThePairwiseExchangesOnRandomKeys) {
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        size_t n = random() % 40;
        // Few distinct keys make many ties; a leading run of the smallest
        // key and all-distinct keys take the quick paths.
        int alphabet = round % 4 == 0 ? 1000 : 1 + static_cast<int>(random() % 5);
        std::vector<std::string> keys;
        for (size_t i = 0; i < n; ++i) keys.push_back(std::to_string(random() % static_cast<unsigned>(alphabet)));
        if (round % 7 == 0 && n > 3) keys[0] = keys[1] = "";
        EXPECT_EQ(ExchangeSortOrder(keys), ExchangeByPairs(keys)) << "round " << round;
    }
}

}  // namespace
