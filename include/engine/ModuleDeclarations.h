#pragma once
// Arrangement of a module's declarations part.
#include "engine/EngineState.h"
#include "settings/ZelkOptions.h"

// options: the run's options (which declarations move, in which order).
void FloatModuleDeclarations(const ZelkOptions& options, long& first, long& last, StatementOrder& order);
