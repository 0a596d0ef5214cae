#pragma once
// Arrangement of a module's declarations part.
#include "engine/EngineState.h"
#include "engine/ZelkRun.h"

// The run's options tell which declarations move, in which order; old
// declaration words of the run's model are converted on the way.
void FloatModuleDeclarations(ZelkRun& run, long& first, long& last, StatementOrder& order);
