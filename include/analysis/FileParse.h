#pragma once
// The per-file parse: one source file of oFile into the source model, the
// token kinds the engine reads, and the procedure table (the module's parts:
// form description, declarations, one entry per procedure).
#include <string>
#include <vector>

#include "analysis/SourceModel.h"

struct ProcInfo {
    std::string Name;  // "<Declarations>", "(Designer Object Definition)" or the procedure's name
    std::string Kind;  // "D", "M", "F", "S", "Q" (Property Get), "R" (Let), "S" (Set)
    long FirstRecord = 0;
    long LastRecord = 0;
    long FirstStmt = 0;
    long LastStmt = 0;
    bool IsPublic = false;
    bool IsEventName = false;
    // Filled by the engine.
    long BodyStartRecord = 0;
    long BodyEndRecord = 0;
    bool HasErrorHandler = false;
    bool HasTrace = false;
};

// One entry per module part, in file order, from index 0.
inline std::vector<ProcInfo> gtProcTable;

// Per token of yToken (indices 0 to glTokenCount): 3 keywords, operators and
// separators; 2 names, labels, line numbers and label references; 4 literals;
// 1 comments and empty lines.
inline std::vector<long> yTokenKind;

// From the module's Attribute VB_Name line.
inline std::string gsModuleName;

// Set when a procedure heading lies inside an #If block; cleared by the
// per-file run before the parse.
inline bool gblnCondCompProc = false;

// Kind of the file being processed, set by the per-file run from its first
// line: "C" class, "F" form, "M" module.
inline std::string gsFileKind;

// The kind of file its first line tells: "C" class, "F" form or other
// designer file, "M" code module.
std::string FileKindOf(const std::string& fileName);

// Parses entry wWhich of oFile. StatusCode 0 after a complete parse; 11 for a
// file without lines; 7 (after a message) when the file cannot be opened;
// -6 and error 32000 for an index outside oFile.
void ProcessSelectedFile(int wWhich);

// Reads at least one more record group (n = -1: to the end of the file) and
// extends yTokenKind and gtProcTable; may rewrite n.
void sbParseRecord(long& n);
