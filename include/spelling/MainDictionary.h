#pragma once
// The main dictionary, held in memory: read once when the checker is set up,
// then every lookup, word fetch and suggestion search works on the copy.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace spelldict {

class MainDictionary {
public:
    // Takes the whole file. A file that is too short, whose ID does not
    // begin with "SMG" or whose header points outside the file is kept but
    // not usable.
    void Assign(std::string bytes);
    void Clear() { Assign({}); }

    bool IsUsable() const { return usable_; }
    // The number of whole blocks in the file.
    int32_t BlockCount() const { return static_cast<int32_t>(bytes_.size() / 128); }
    // Header number n, 1 to 27 (0 when the file has no header).
    int32_t HeaderLong(int n) const;
    // Block n counted from 1; empty outside the file.
    std::string_view Block(int32_t number) const;

    // The word block that holds the upper-case word if the dictionary has
    // it: a binary search on the first words of the blocks of its initial
    // letter. 0 when the word does not begin with a letter A to Z.
    int32_t BlockSearch(std::string_view upperWord) const;

    // True when the upper-case word is in the dictionary.
    bool Lookup(std::string_view upperWord) const;

    // The word at a place (from 1) of a word block given zero-based.
    std::string GetDictWord(int32_t zeroBasedBlock, int place) const;

    // Appends to `list` the sound-alike words of the upper-case word that
    // pass the suggestion filter, in the order stored.
    void GetReplacements(std::string_view upperWord, std::vector<std::string>& list) const;

private:
    int16_t FirstCode(int32_t block) const;
    // Byte offset of the group with the code in the block, or npos.
    size_t FindGroup(int32_t block, int16_t code) const;
    void CollectGroup(int32_t block, size_t offset, std::string_view upperWord,
                      std::vector<std::string>& list) const;

    std::string bytes_;
    bool usable_ = false;
};

}  // namespace spelldict
