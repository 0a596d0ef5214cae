#pragma once
// Designer records.
#include <string>

class ZelkRun;

void sbOutputFormRecord(ZelkRun& run, long& record, std::string& text);
