#include "engine/ExchangeSort.h"

#include <algorithm>
#include <numeric>

namespace {

// Dense ranks of the keys: equal keys get equal ranks, and ranks order as
// the keys do.
std::vector<size_t> Ranks(const std::vector<std::string>& keys) {
    std::vector<size_t> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), size_t{0});
    std::sort(byKey.begin(), byKey.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<size_t> rank(keys.size());
    size_t r = 0;
    for (size_t k = 0; k < byKey.size(); ++k) {
        if (k > 0 && keys[byKey[k]] != keys[byKey[k - 1]]) ++r;
        rank[byKey[k]] = r;
    }
    return rank;
}

}  // namespace

std::vector<size_t> ExchangeSortOrder(const std::vector<std::string>& keys) {
    const size_t n = keys.size();
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t{0});
    if (n < 2) return order;
    std::vector<size_t> rank = Ranks(keys);

    // A pass whose entry is not above any later one exchanges nothing: skip
    // the leading run of such passes.
    std::vector<size_t> suffixMin(n);
    suffixMin[n - 1] = rank[n - 1];
    for (size_t i = n - 1; i-- > 0;) suffixMin[i] = std::min(rank[i], suffixMin[i + 1]);
    size_t start = 0;
    while (start + 1 < n && rank[start] <= suffixMin[start + 1]) ++start;
    if (start + 1 >= n) return order;

    // Distinct keys from there on have only one sorted order.
    std::vector<size_t> rest(rank.begin() + static_cast<std::ptrdiff_t>(start), rank.end());
    std::sort(rest.begin(), rest.end());
    if (std::adjacent_find(rest.begin(), rest.end()) == rest.end()) {
        std::sort(order.begin() + static_cast<std::ptrdiff_t>(start), order.end(),
                  [&](size_t a, size_t b) { return rank[a] < rank[b]; });
        return order;
    }

    // Equal keys: the exchanges themselves decide, on ranks rather than texts.
    for (size_t i = start; i + 1 < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            if (rank[j] < rank[i]) {
                std::swap(rank[i], rank[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}
