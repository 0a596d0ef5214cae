#pragma once
// The custom dictionary: a text file of a header line and the user's own
// words, one a line, kept in the case they were added in.
#include <string>
#include <vector>

namespace customdict {

inline constexpr const char* kHeader = "Zembrock Custom Dictionary";

// Writes the file anew holding only the header line; failures are ignored
// (the dictionary then simply stays as it was).
void WriteHeaderOnly(const std::string& path);

// The words of the file. A missing file, and one that holds no line after
// its header, is written anew with the standard header (failures there are
// ignored); a file whose first line is empty holds no words; a file that
// cannot be read gives no words and is left as it is. Items are read as
// Visual Basic's Input # reads them: a comma or a line end ends one, and
// blanks and enclosing double quotes around it are dropped.
std::vector<std::string> Load(const std::string& path);

// Appends the word as one line; false when the file cannot be written. A
// last line without a line end gets one first, so no word runs into it.
bool Append(const std::string& path, const std::string& word);

}  // namespace customdict
