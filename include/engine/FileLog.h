#pragma once
// Per-file log and temporary files.
#include <string>

void sbLogLine(const std::string& text, bool warning);
void sbKillTemp(int index);
std::string fsLogFileGet(const std::string& base);
