#pragma once
// The formatter: one statement into its output lines (joined by CR LF).
#include <string>

#include "engine/ZelkRun.h"

void sbOutputSourceRecord(ZelkRun& run, long& stmt, std::string& text, bool isDeclarationsPart);
void sbOutputALine(long stmt, std::string& text);
