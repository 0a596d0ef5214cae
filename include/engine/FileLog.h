#pragma once
// Per-file log and temporary files.
#include <string>

#include "settings/ZelkOptions.h"

class ZelkRun;

// A line of the run's log; a warning is marked and counted for the file.
void sbLogLine(ZelkRun& run, const std::string& text, bool warning);
void sbKillTemp(int index);
// The name under which the log of a saved file is kept (base + "LOG", or a
// numbered one), by `mode` (the log overwrite setting in force for the
// save); empty when the log is not to be kept.
std::string fsLogFileGet(const std::string& base, OverwriteMode mode);
