#pragma once
// The sound code that groups words which sound alike, and the filter that
// decides whether a sound-alike word is close enough to suggest.
#include <cstdint>
#include <string_view>

// Up to four digits 1 to 6, one per coded letter (repeats of a digit count
// once unless an uncoded character lies between them), left-aligned in
// "0000": SPELLING gives 2145, TOTAL 3340, AEIOU 0.
int16_t ISoundex(std::string_view word);

// True when the candidate may be suggested for the word (both upper case):
// their lengths differ by at most one, and the word holds at least 66 % of
// the candidate's consonants and half of its vowels, each letter of the word
// matching only once.
bool PassesSuggestionFilter(std::string_view word, std::string_view candidate);
