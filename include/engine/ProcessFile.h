#pragma once
// The per-file run: one session file zelked into its temporary output and
// log, and the session's per-file arrays.

// Per-file run.
void sbProcessSelection(int index, bool& ok);
void sbProcessFile(int index);
void sbProcessSourceFile(int index);
// The per-file arrays emptied and sized to a session of `count` files (from
// 1), as a new session has them.
void sbSizeFileArrays(long count);
