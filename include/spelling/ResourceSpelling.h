#pragma once
// A resource script is not zelked: it is copied line by line into a
// temporary output of its own, and the quoted texts of its string tables are
// spell-checked on the way.
#include <functional>
#include <string>

// Checks a text in place (the checker's verdict already applied).
using TextCheck = std::function<void(std::string& text)>;

// Tracks whether the lines of a script lie inside a string table.
class StringTableScan {
public:
    // True when `line` is to be checked: a line inside a table other than
    // the END that closes it (in the first column). A line that mentions
    // STRINGTABLE anywhere opens a table and is not checked itself.
    bool IsTableText(const std::string& line);

private:
    bool inTable_ = false;
};

// A line of a string table with its first quoted text checked. The first
// "&" of the text (an access key) is kept out of the check and put back
// where it stood, or at the end of a text that became shorter than that.
std::string fsCheckResourceLine(const std::string& line, const TextCheck& check);

// The spelling pass of resource script `index` of oFile: its output becomes
// a new temporary file named in gsTempOutFile[index]. The texts are checked
// only while spell checking is on for the run and the checker has a usable
// main dictionary; otherwise the copy is the script unchanged. A file that
// cannot be read or written raises the run-time error to the caller.
// Returns the script's line count.
long sbSpellCheckResource(int index);
