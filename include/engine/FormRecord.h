#pragma once
// Designer records.
#include <string>

void sbOutputFormRecord(long& record, std::string& text);
