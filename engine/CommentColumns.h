#pragma once
// In-line comment placement and the spelling calls of the formatter.
#include "engine/ZelkRun.h"

// The record that a comment line standing before record `next` is tied to
// when the output is read again: the code line after it, past further
// comment lines; none after a blank line (0). A line number the run takes
// away leaves a comment line behind.
long TiedOnNextRead(const ZelkRun& run, long next);
