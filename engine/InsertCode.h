#pragma once
// What the insertion of error-handling, tracing and logging code shares with
// the other parts of the engine.
#include <string>

#include "FileParse.h"

// True for the table name of a property procedure ("Value [PropertyGet]").
bool IsPropertyProcedureName(const std::string& name);

// The keyword that ends or leaves the procedure: "Function", "Property"
// (Get, Let and Set alike) or "Sub".
std::string ProcedureKeyword(const ProcInfo& proc);

// The logging file of a kind ("U" or "E") and direction (1 entry, 2 exit) in
// the program's directory.
std::string LoggingFileName(const std::string& kind, int which);

// True when the procedure already holds a line of its entry logging file
// (kind "U" or "E"), as a zelk with logging on wrote it: its text without
// blanks and without a leading line number reads like a line of the file.
// Such a procedure gets no second set of logging lines.
bool fblnProcedureLogs(const ProcInfo& proc, const std::string& kind);
