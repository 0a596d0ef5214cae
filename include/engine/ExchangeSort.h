#pragma once
// The exchange sort the declaration arrangements use: for each position i,
// every later entry j whose key is less than the key at i (binary
// comparison) is exchanged with it. Equal keys are never exchanged directly
// but can change places through a third entry, so the order of equal keys is
// this sort's own; callers rely on it.
#include <cstddef>
#include <string>
#include <vector>

// The result of that sort over `keys`, as the list of original indexes in
// their sorted order. The same result as exchanging entries pair by pair,
// reached without the quadratic string comparisons: keys become ranks first,
// passes that cannot exchange anything are skipped, and distinct ranks are
// sorted directly (the result of any sort of distinct keys is the same).
std::vector<size_t> ExchangeSortOrder(const std::vector<std::string>& keys);
