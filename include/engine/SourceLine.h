#pragma once
// The formatter: one statement into its output lines (joined by CR LF).
#include <string>

// Statement -1 resets the formatter before the first part of a file.
void sbOutputSourceRecord(long& stmt, std::string& text, bool isDeclarationsPart);
void sbOutputALine(long stmt, std::string& text);
