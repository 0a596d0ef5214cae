#pragma once
// Reading and writing the words of one 128-byte word block of the main
// dictionary, with its front coding.
#include <string>
#include <string_view>

#include "spelling/DictFormat.h"

namespace spelldict {

// Walks the stored words of a block from the first, expanding each
// front-coded word against the word before it. Holds no allocation of its
// own, so lookups cost nothing but the scan.
class WordBlockReader {
public:
    explicit WordBlockReader(std::string_view block);

    // The block's first word, the text before its first "," (the whole block
    // when it holds none). Lookups compare it before they scan.
    std::string_view FirstWord() const;

    // The current word, expanded; the first word until Next is called.
    std::string_view Current() const { return {word_, wordSize_}; }

    // True while another word follows the current one: the byte after the
    // current word's comma is inside the block and not padding.
    bool HasNext() const;

    // Moves to the next stored word: the text up to the next ",", or the
    // blank-trimmed rest of the block when no comma follows.
    void Next();

private:
    std::string_view block_;
    size_t comma_;  // index of the comma after the current word (may be past the end)
    // A front-coded word keeps at most 164 characters of the one before it.
    char word_[kBlockSize + 255 - kFrontCodeBase];
    size_t wordSize_ = 0;
};

// The word at a place in the block (counted from 1), expanded; empty when
// the block holds fewer words.
std::string WordAtPlace(std::string_view block, int place);

// Builds word blocks: words are added in ascending byte order; each block's
// first word is stored whole, later ones front-coded against the word before
// them, every word followed by ",", the block padded with blanks.
class WordBlockWriter {
public:
    // Adds the word to the current block when it fits, else returns false
    // and leaves the block as it was (the caller starts a new one).
    bool TryAdd(std::string_view word);
    bool Empty() const { return size_ == 0; }
    // Number of words in the current block.
    int Count() const { return count_; }
    // The padded block; the writer starts a new empty block.
    std::string Finish();

    // Longest word a block can hold (with its comma).
    static constexpr size_t kLongestWord = kBlockSize - 1;

private:
    char block_[kBlockSize];
    size_t size_ = 0;
    int count_ = 0;
    std::string previous_;
};

}  // namespace spelldict
