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
