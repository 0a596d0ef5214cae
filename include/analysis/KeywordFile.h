#pragma once
// Reading and checking the keyword file: one keyword a line, three
// comma-separated fields (keyword, first dialect, codes), each optionally in
// double quotes, sorted in byte order of the upper-cased keywords.
#include <string>
#include <string_view>
#include <vector>

#include "analysis/KeywordTable.h"

// The master table of the file: element 0 is the blank keyword Chr(0), the
// keywords follow from index 1 in file order. Shows the messages of a missing
// file, a failed check or a file error and raises 32000 (StatusCode -7, 4 with
// ReasonCode = the record, or -12).
std::vector<BabKeyWord> LoadKeyWordFile(const std::string& path);

// The fields of one line as the platform's Input # reads them: blanks before
// a field are skipped; a quoted field ends at its closing quote (the rest up
// to the comma is dropped); an unquoted field ends at the comma, trailing
// blanks removed. The fields are views into the line.
void SplitInputFields(std::string_view line, std::vector<std::string_view>& fields);
