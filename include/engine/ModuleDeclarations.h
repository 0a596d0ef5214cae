#pragma once
// Arrangement of a module's declarations part.
#include "engine/EngineState.h"

void FloatModuleDeclarations(long& first, long& last, StatementOrder& order);
