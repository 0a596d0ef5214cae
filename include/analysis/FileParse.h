#pragma once
// The per-file parse: one source file of oFile into the source model, the
// token kinds the engine reads, and the procedure table (the module's parts:
// form description, declarations, one entry per procedure).
#include <string>
#include <string_view>
#include <vector>

#include "analysis/SourceModel.h"

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
std::string FileKindOfText(std::string_view text);

class cVEZUZ;

// Parses a source text of the given kind ("C", "F" or "M") with the keyword
// table of the dialect into the current model (gModel) and returns it; the
// host, when there is one, shows the records read. StatusCode 0 after a
// complete parse, 11 for a text without lines.
SourceModel& ParseSource(std::string text, const std::string& kind, const std::string& dialect, cVEZUZ* host);

// Reads entry wWhich of oFile and parses it (kind gsFileKind, dialect "6",
// progress to oZel). StatusCode as ParseSource; 7 (after a message) when the
// file cannot be read; -6 and error 32000 for an index outside oFile.
void ProcessSelectedFile(int wWhich);
// The same for entry wWhich's text, already read: the file is not read again.
void ProcessSelectedText(int wWhich, std::string text);

// Reads at least one more record group (n = -1: to the end of the file) and
// extends yTokenKind and gtProcTable; may rewrite n.
void sbParseRecord(long& n);
