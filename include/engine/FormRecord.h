#pragma once
// Designer records.
#include <string>

class ZelkRun;

// The designer record `record` as its output line, its literals spell
// checked when the run's options ask for it.
void sbOutputFormRecord(ZelkRun& run, long& record, std::string& text);
