#pragma once
// Turns a word list into the main dictionary file, and checks a built file
// against its list with the same reader the spell checker uses.
#include <string>
#include <string_view>
#include <vector>

namespace spelldict {

struct WordList {
    std::vector<std::string> Words;  // upper case, byte order, no repeats
    size_t Skipped = 0;              // lines that are not a word of ASCII letters (or too long)
};

// One word a line; a line that holds anything but the letters A to Z and a
// to z (or is longer than a block can hold) is skipped.
WordList NormalizeWordList(std::string_view listText);

// The dictionary file of a normalized, non-empty list; the same list always
// gives the same bytes. Raises std::invalid_argument for an empty list.
std::string BuildDictionary(const std::vector<std::string>& words);

// What is wrong with a built file (empty when nothing is): every word must be
// found by the lookup, every sound-alike entry must name a word of its
// group's code, every word must be among its own suggestions. Stops after
// `most` findings.
std::vector<std::string> VerifyDictionary(const std::string& bytes, const std::vector<std::string>& words,
                                          size_t most = 20);

}  // namespace spelldict
