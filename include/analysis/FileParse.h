#pragma once
// The per-file parse: one source file of oFile into the source model, the
// token kinds the engine reads, and the procedure table (the module's parts:
// form description, declarations, one entry per procedure).
#include <string>
#include <string_view>
#include <vector>

#include "analysis/SourceModel.h"
#include "analysis/SourceParse.h"

// The kind of file its first line tells: "C" class, "F" form or other
// designer file, "M" code module.
std::string FileKindOf(const std::string& fileName);
std::string FileKindOfText(std::string_view text);

class cVEZUZ;

// Parses a source text of the given kind ("C", "F" or "M") with the keyword
// table of the dialect into a new model, its arrays reserved from the text's
// size; the host, when there is one, shows the records read. StatusCode 0
// after a complete parse, 11 for a text without lines.
SourceModel ParseSource(std::string text, const std::string& kind, const std::string& dialect, cVEZUZ* host);

// Reads entry wWhich of oFile and parses it as a file of the given kind
// (dialect "6", progress to oZel). StatusCode as ParseSource; 7 (after a
// message) and an empty model when the file cannot be read; an empty model
// for an entry that is not a source file; -6 and error 32000 for an index
// outside oFile.
SourceModel ProcessSelectedFile(int wWhich, const std::string& kind);
// The same for entry wWhich's text, already read: the file is not read again.
SourceModel ProcessSelectedText(int wWhich, std::string text, const std::string& kind);

// Reads at least one more record group of the parse (n = -1: to the end of
// its text) and extends the model's token kinds and procedure table; may
// rewrite n.
void sbParseRecord(SourceParse& parse, long& n);
