#pragma once
// The per-file run: one session file zelked into its temporary output and
// log, and the session's per-file arrays.

#include <string>

#include "engine/ZelkRun.h"

// Per-file run.
void sbProcessSelection(int index, bool& ok);
// Zelks session file `index` with a run of its own. nextLineNumber is the
// next inserted line number that the numbering across modules carries from
// one file to the next: the run starts from it and hands back where it
// ended. Without it the numbering starts afresh.
void sbProcessFile(int index, long& nextLineNumber);
void sbProcessFile(int index);
// The same for session file `index` whose text is already in memory (the
// in-process entry): the file is not read; the numbering starts afresh.
void sbProcessText(int index, std::string text);
// The per-file run's inner part on the file's text, read by the caller.
void sbProcessSourceFile(int index, ZelkRun& run, std::string text);
// The per-file arrays emptied and sized to a session of `count` files (from
// 1), as a new session has them.
void sbSizeFileArrays(long count);
