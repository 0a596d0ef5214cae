#pragma once
// The characters of a model's token texts: an append-only set of blocks that
// never move, so that a StoredText stays valid as long as the store lives,
// also when the store (or the model holding it) is moved. Nothing is ever
// freed before the whole store is: a rewritten text takes new room and the
// old characters stay where they were.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/StoredText.h"

class TextStore {
public:
    TextStore() = default;
    TextStore(TextStore&&) noexcept = default;
    TextStore& operator=(TextStore&&) noexcept = default;
    TextStore(const TextStore&) = delete;
    TextStore& operator=(const TextStore&) = delete;

    // The next block is made at least this large.
    void Reserve(size_t bytes);

    // Keeps a whole text (a parse's source) where it is, so that token
    // texts may refer to its characters (StoredText::At) without a copy.
    std::string_view Adopt(std::string text);
    // True when the characters lie inside a text the store adopted.
    bool Holds(std::string_view chars) const;

    // A copy of the text in the store; an empty text takes no room.
    StoredText Add(std::string_view text);

    // The two texts side by side, `before` first: a token's leading blanks
    // and its text.
    void AddPair(std::string_view before, std::string_view text, StoredText& beforeOut, StoredText& textOut);

    // Bytes the store's blocks hold in all.
    size_t Capacity() const { return capacity_; }

private:
    char* Take(size_t n);
    StoredText Place(char* at, std::string_view text);

    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<std::unique_ptr<const std::string>> adopted_;
    char* next_ = nullptr;
    size_t left_ = 0;
    size_t capacity_ = 0;
    size_t wanted_ = 0;  // size of the next block asked for by Reserve
};
