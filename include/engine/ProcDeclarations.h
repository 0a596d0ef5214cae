#pragma once
// Preparation of one procedure for the zelking loop, with the arrangement of
// its local declarations.
#include "engine/EngineState.h"
#include "engine/ZelkRun.h"

void FloatProcDeclarations(ZelkRun& run, long& first, long& last, StatementOrder& order, int procIndex);
