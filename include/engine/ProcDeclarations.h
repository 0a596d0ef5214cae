#pragma once
// Preparation of one procedure for the zelking loop, with the arrangement of
// its local declarations.
#include "engine/EngineState.h"

void FloatProcDeclarations(long& first, long& last, StatementOrder& order, int procIndex);
