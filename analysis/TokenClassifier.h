#pragma once
// Gives the raw tokens of one physical line their Class and Detail.
#include <vector>

#include "analysis/SourceModel.h"

// Classifies work elements 1 to n in place: keyword lookups, names, numbers,
// literals, operators, comments, line numbers and labels; joins a type
// character "!" to the word before it; turns a trailing "_" into FlagsOut on
// the token before it; follows the start and end of Type and Enum blocks in
// the file's flags. Dropped tokens are removed, so n may fall.
void AnalyzeTokens(std::vector<WorkToken>& work, long& n, BabFileFlags& flags);
