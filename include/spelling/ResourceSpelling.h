#pragma once
// A resource script is not zelked: it is copied line by line into the run's
// output, and the quoted texts of its string tables are spell-checked on the
// way.
#include <functional>
#include <string>
#include <string_view>

class LineWriter;

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

// The spelling pass of a resource script: `text`, the script as the run read
// it, is copied line by line into `out`. The texts are checked only while
// `spell` is on (spelling wanted for this run) and the checker has a usable
// main dictionary; otherwise the copy is the script unchanged. Returns the
// number of lines, read and written alike. A failed write raises the run-time
// error to the caller.
long sbSpellCheckResource(std::string_view text, LineWriter& out, bool spell);
