#pragma once
// Designer records.
#include <string>

#include "settings/ZelkOptions.h"

// The designer record `record` as its output line, its literals spell
// checked when the options `o` ask for it.
void sbOutputFormRecord(const ZelkOptions& o, long& record, std::string& text);
