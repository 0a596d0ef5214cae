#pragma once
// The single writer of output lines, and the End If of a split single-line If.
#include <string>

#include "analysis/SourceModel.h"

void sbDoEmitLine(std::string& text, long& count, bool& firstCall, BabStatement& stmt);
void sbEndSplitIf(long& level, std::string& text);
// The line writer's carried state back to the start of a new file.
void sbResetEmitLine();
