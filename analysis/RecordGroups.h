#pragma once
// Record groups: the comment and blank lines before a code line, the code
// line and its continuation lines. Fills each record's statements, level and
// ties, and keeps the running indentation level of the file.
#include <vector>

#include "analysis/SourceParse.h"

// Reads and analyses the next record group of the parse's text. StatusCode 11
// at the end of the text (nothing read), 4 after a rejected line, 6 for a
// negative level with oDebug.DontFixDataErrors on.
void BabParseRecord(SourceParse& parse);

// Ties the comment block in front of a procedure heading (from the first
// blank line of the group on) to the heading's record.
void FindStartOfProc(long& first, std::vector<BabRecord>& records, long& heading,
                     std::vector<BabStatement>& statements);

// Lowers the level once more for each further variable of a Next statement.
void OutdentMultipleNext(long& level, BabStatement& next, std::vector<BabToken>& tokens);
