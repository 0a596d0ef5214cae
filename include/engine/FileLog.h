#pragma once
// Per-file log and temporary files.
#include <string>

class ZelkRun;

// A line of the run's log; a warning is marked and counted for the file.
void sbLogLine(ZelkRun& run, const std::string& text, bool warning);
void sbKillTemp(int index);
std::string fsLogFileGet(const std::string& base);
