#pragma once
// Fixture dictionaries for the spelling tests, made by the dictionary
// builder's own code from small word lists.
#include <string>
#include <vector>

#include "settings/ZelkOptions.h"

namespace spelltest {

// The settings a settings file holding `ini` gives, loaded as the start-up
// loads them (the file is the test's own configuration folder's).
ZelkOptions SettingsFrom(const std::string& ini);

// The list normalized as the builder does it, and the dictionary built from it.
std::vector<std::string> Normalized(const std::vector<std::string>& words);
std::string BuildBytes(const std::vector<std::string>& words);
// Writes the dictionary of the words into the test's program folder under
// the name given; returns its path.
std::string WriteDictionary(const std::vector<std::string>& words, const std::string& name = "SPELLDIC.DAT");

// A list of n words that all share the sound code of T alone (T followed by
// vowels and uncoded letters), in byte order.
std::vector<std::string> SameCodeWords(size_t n);

}  // namespace spelltest
