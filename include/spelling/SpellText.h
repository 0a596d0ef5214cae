#pragma once
// The text side of spell checking: splitting a text into pieces and joining
// them again, the common words that are never looked up, and the letter case
// a replacement takes over from the word it replaces.
#include <string>
#include <string_view>
#include <vector>

namespace spelltext {

// The 33 characters that separate words. Tabs, digits and letters do not.
bool IsDelimiter(char c);
// A piece that is a line break (CR LF, CR or LF).
bool IsLineBreak(std::string_view piece);

// Splits the text into pieces that join back into it exactly: each
// delimiter is a piece of its own, each line break is one piece, and each
// run of other characters between them is one piece. The pieces view the
// text.
void ParseLine(std::string_view text, std::vector<std::string_view>& pieces);

// The number of slots the checker walks, less one: one for each delimiter or
// line break, one more for each of them that follows some other character.
// A text that ends in a delimiter thus has an empty slot left at the end.
size_t fnCount(std::string_view text);

// The pieces joined, after `blanks` blanks.
std::string UnParseString(const std::vector<std::string_view>& pieces, int blanks);

// True for a word of one letter and for the everyday words of two to five
// letters that are never looked up (the word is trimmed and upper-cased
// first).
bool HighFreq(std::string_view word);

// One character per character of the word: "1" for a code of 90 or less
// (capitals, digits), "0" above; all "0" when the word has no capital, all
// "1" when it has no small letter.
void RecordCasePattern(std::string_view word, std::string& pattern);

// The word re-cased by a pattern: no "1" gives lower case, no "0" upper
// case; otherwise the word is lowered and raised where the pattern holds "1"
// (only its first letter, when the word is longer than the pattern).
std::string fsSetCase(std::string_view word, std::string_view pattern);

}  // namespace spelltext
