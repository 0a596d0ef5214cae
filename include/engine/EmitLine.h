#pragma once
// The single writer of output lines, and the End If of a split single-line If.
#include <string>

#include "analysis/SourceModel.h"
#include "engine/ZelkRun.h"

void sbDoEmitLine(ZelkRun& run, std::string& text, long& count, bool& firstCall, BabStatement& stmt);
void sbEndSplitIf(ZelkRun& run, long& level, std::string& text);
