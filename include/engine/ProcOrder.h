#pragma once
// The order in which a module's parts are written, and the identity
// statement order of one part that the arrangement steps rearrange.
#include "engine/EngineState.h"
#include "engine/ZelkRun.h"

void sbSortProcs(ZelkRun& run);
void sbSetUpArray(long first, long last, StatementOrder& order);
