#pragma once
// Whether a module already declares Option Explicit.
#include "engine/ZelkRun.h"

// The scan counts the designer lines it passes as statements the engine
// makes (glPseudoStatement).
bool fblnOptionExplicit(ZelkRun& run, int startRecord);
