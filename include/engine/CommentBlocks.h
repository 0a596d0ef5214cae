#pragma once
// Comment blocks: the procedures the zelking loop and the spelling pass call.
//
// A block replaces an old copy by taking its lines out of the source model
// (a statement without tokens is passed over by the zelking loop), so the
// count sbCommentBlockInsert returns is always 0. A block that is not written
// (Skip, an empty or unreadable template) replaces nothing.
#include <string>
#include <vector>

#include "engine/ZelkRun.h"

std::string CommentBlockProcType(const std::string& name);
void sbCommentBlockInsert(ZelkRun& run, long& stmt, const std::string& kind, bool closeCall, int& replaced);
// The same with the place of a procedure's block given by the caller: before
// its heading, or after it (the setting's choice, unless the procedure has no
// line after its heading to hold the block).
void sbCommentBlockInsert(ZelkRun& run, long& stmt, const std::string& kind, bool closeCall, int& replaced,
                          bool beforeHeading);

// Starts a run over one or more files: an unreadable template is shown in a
// message once per run (each file's log still says its blocks are missing).
void sbStartCommentBlockRun();

// Replaces the placeholders of a comment block; `ask` tells whether the text
// held "@Ask".
void sbParseCommentLine(const ZelkRun& run, std::string& text, bool& ask);

// Texts of the model's statements around stmt:
// from stmt + offset on, count of them. With commentsOnly, the first token
// of each comment or blank line from index 1, ending at the first other
// statement; otherwise each statement's full text from index 0.
void sbGet5Lines(const SourceModel& model, long stmt, int offset, int count, std::vector<std::string>& lines,
                 bool commentsOnly);
