#pragma once
// Line continuations: kept as in the source, removed (the statement's lines
// joined), or inserted where a line would pass the continuation column.
#include <string>

#include "settings/ZelkOptions.h"

int fiLineNumberEnd(const std::string& text);
// Inserted code (several lines joined by CR LF) with its continuations
// removed and inserted as the formatter treats a statement's lines, so that
// zelking it again as source changes nothing, under the run's options `o`.
std::string ContinuedLikeCode(const ZelkOptions& o, const std::string& text);
