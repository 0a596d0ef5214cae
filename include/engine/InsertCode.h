#pragma once
// What the insertion of error-handling, tracing and logging code shares with
// the other parts of the engine.
#include <string>

#include "analysis/FileParse.h"
#include "engine/ZelkRun.h"

std::string GetInsertText(ZelkRun& run, const std::string& which, long procIndex);
void sbInsertTracing(ZelkRun& run, const std::string& which, long procIndex);
// The same with the text's lines put at a column (labels at the line's
// start when the layout is not kept); -1 keeps the template's own blanks.
void sbInsertTracing(ZelkRun& run, const std::string& which, long procIndex, long column);
void sbLogInsert(ZelkRun& run, const std::string& kind, int which, int functionPos);
// The zelking loop's form: the lines put at the column of the code around
// them (-1 keeps the file's own blanks) and continued as code. At the exit
// (which 2) the line that ends the procedure, and any after it, are not
// written but handed back in endLine (empty when the file holds none), for
// the loop to write as the procedure's end.
void sbLogInsert(ZelkRun& run, const std::string& kind, int which, int functionPos, long column,
                 std::string& endLine);

// True for the table name of a property procedure ("Value [PropertyGet]").
bool IsPropertyProcedureName(const std::string& name);

// The keyword that ends or leaves the procedure: "Function", "Property"
// (Get, Let and Set alike) or "Sub".
std::string ProcedureKeyword(const ProcInfo& proc);

// The logging file of a kind ("U" or "E") and direction (1 entry, 2 exit) in
// the program's directory.
std::string LoggingFileName(const std::string& kind, int which);

// An Exit Sub, Exit Function or Exit Property that begins its line, after at
// most a line number that no jump refers to: a trace written ahead of that
// line runs exactly when the exit does. An exit after a ":" (in the Then part
// of a single-line If, or after other code) is none: a trace ahead of its
// line would also run when the procedure goes on, or before code that runs
// first; nor is one after a label, as a jump to the label would pass by the
// trace.
bool fblnTraceableExit(const ZelkRun& run, const BabStatement& st);

// A line that ends its procedure (End Sub, End Function, End Property).
bool fblnProcedureEndLine(const std::string& line);

// The column of code inserted ahead of a statement's text: where its code
// begins, past a line number and past a label on a line of its own; -1 (the
// template's own) for a text without code.
long InsertColumn(const std::string& text);

// True when the procedure of the model already holds a line of its entry
// logging file (kind "U" or "E"), as a zelk with logging on wrote it: its
// text without blanks and without a leading line number reads like a line of
// the file.
// Such a procedure gets no second set of logging lines.
bool fblnProcedureLogs(const SourceModel& model, const ProcInfo& proc, const std::string& kind);
