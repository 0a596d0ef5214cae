#pragma once
// The zelking loop: writes the parsed file into the temporary output.
#include "engine/ZelkRun.h"

void sbDoFile(ZelkRun& run);
