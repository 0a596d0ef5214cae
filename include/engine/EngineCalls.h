#pragma once
// The operations the parts of the engine call of one another.
#include <string>

#include "engine/EngineState.h"
#include "analysis/SourceModel.h"

// Per-file run.
void sbProcessSelection(int index, bool& ok);
void sbProcessFile(int index);
void sbProcessSourceFile(int index);
// The zelking loop: writes the parsed file into the temporary output.
void sbDoFile();

// The single writer of output lines, and the End If of a split single-line If.
void sbDoEmitLine(std::string& text, long& count, bool& firstCall, BabStatement& stmt);
void sbEndSplitIf(long& level, std::string& text);

// Per-file log, temporary files and file names.
void sbLogLine(const std::string& text, bool warning);
void sbKillTemp(int index);
std::string fsLogFileGet(const std::string& base);
std::string fsFileName(const std::string& name, int maximum);
void ParseFileName(const std::string& path, std::string& drive, std::string& dir, std::string& base,
                   std::string& ext);

// The formatter: one statement into its output lines (joined by CR LF).
// Statement -1 resets the formatter before the first part of a file.
void sbOutputSourceRecord(long& stmt, std::string& text, bool isDeclarationsPart);
void sbOutputALine(long stmt, std::string& text);
std::string GetFunction(std::string name, const std::string& upperWord);
bool IsIntrinsicFunction(const std::string& name);
bool fblnParenGroupAtEnd(const BabStatement& stmt);
int fiLineNumberEnd(const std::string& text);
// Inserted code (several lines joined by CR LF) with its continuations
// removed and inserted as the formatter treats a statement's lines, so that
// zelking it again as source changes nothing.
std::string ContinuedLikeCode(const std::string& text);

// Designer records.
void sbOutputFormRecord(long& record, std::string& text);

// Procedure order.
void sbSortProcs();
void sbSetUpArray(long first, long last, StatementOrder& order);

// Arrangement, conversions and date warnings.
void FloatModuleDeclarations(long& first, long& last, StatementOrder& order);
bool fblnOptionExplicit(int startRecord);
void FloatProcDeclarations(long& first, long& last, StatementOrder& order, int procIndex);
void sbConvertMsgbox(BabStatement& stmt);
void sbConvertDAO(BabStatement& stmt);
void ScanForY2K(BabStatement& stmt);

// Comment blocks and inserted code.
std::string CommentBlockProcType(const std::string& name);
void sbCommentBlockInsert(long& stmt, const std::string& kind, bool closeCall, int& replaced);
// The same with the place of a procedure's block given by the caller: before
// its heading, or after it (the setting's choice, unless the procedure has no
// line after its heading to hold the block).
void sbCommentBlockInsert(long& stmt, const std::string& kind, bool closeCall, int& replaced, bool beforeHeading);
std::string GetInsertText(const std::string& which, long procIndex);
void sbInsertTracing(const std::string& which, long procIndex);
// The same with the text's lines put at a column (labels at the line's
// start when the layout is not kept); -1 keeps the template's own blanks.
void sbInsertTracing(const std::string& which, long procIndex, long column);
void sbLogInsert(const std::string& kind, int which, int functionPos);
// The zelking loop's form: the lines put at the column of the code around
// them (-1 keeps the file's own blanks) and continued as code. At the exit
// (which 2) the line that ends the procedure, and any after it, are not
// written but handed back in endLine (empty when the file holds none), for
// the loop to write as the procedure's end.
void sbLogInsert(const std::string& kind, int which, int functionPos, long column, std::string& endLine);

// ---- Per-file run, zelking loop and line writer ----
// True when the file changed since its last recorded save (or has no usable
// record), so that it is to be zelked again.
bool fbIsNewer(const std::string& file);
// The per-file arrays emptied and sized to a session of `count` files (from
// 1), as a new session has them.
void sbSizeFileArrays(long count);
// The line writer's carried state back to the start of a new file.
void sbResetEmitLine();
// The labels and line numbers that a GoTo, GoSub, Resume or On ... GoTo of
// the parsed file jumps to, collected once per file after the parse; such a
// line number is never removed or replaced.
void sbCollectLabelReferences();
bool fblnLabelReferenced(const std::string& label);
