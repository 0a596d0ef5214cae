#pragma once
// Splits one physical line into raw tokens.
#include <string>
#include <string_view>
#include <vector>

#include "analysis/SourceModel.h"

// The line's raw tokens in elements 1 to n of the work array, which grows as
// the line needs; element n + 1 is there too, blank. Every character of the line lands in a token's
// WhiteSpaceLeft or Piece, in order, except: the "_" of a continued comment
// (recorded as FlagsOut 1), the delimiter after REM (replaced by one blank),
// and the closing quote added to an unterminated string literal. A line that
// would give 1997 or more tokens stops with StatusCode 4.
void ExtractTokens(std::string_view line, std::vector<WorkToken>& work, long& n);

// True when a comment ends in a continuation: a final "_" after a blank or tab.
bool CommentContinues(std::string_view text);
