#pragma once
// The state of the main window's session that several of its modules read.
#include <string>

#include "common/SharedState.h"

// Some zelked output of the session waits to be saved.
inline bool gblnUnsaved = false;
// The session holds several files or a project.
inline bool gblnMultiFile = false;
// True while the start-up runs.
inline bool gblnStarting = false;
// The main window has been unloaded: the program ends.
inline bool gblnProgramEnding = false;
