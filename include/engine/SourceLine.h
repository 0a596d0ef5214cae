#pragma once
// The formatter: one statement into its output lines (joined by CR LF).
#include <string>

#include "engine/ZelkRun.h"

// Returns the statement's line class; the caller keeps it in the run, where
// the white-space rules and the line writer read it.
LineClass sbOutputSourceRecord(ZelkRun& run, long& stmt, std::string& text, bool isDeclarationsPart);
// The model's statement as it stands in the source (empty outside the
// model).
void sbOutputALine(const SourceModel& model, long stmt, std::string& text);
