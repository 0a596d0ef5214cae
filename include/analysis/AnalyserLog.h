#pragma once
// Logging helpers of the analyser: its trace lines (under the analyser's
// trace switch) and the blocks in which internal errors are written.
#include <string>

#include "common/Trace.h"

// True when the analyser's trace switch (oDebug.LogZurudUvu) is on; inline,
// as the tokenizer asks it for every line.
inline bool BabTraceOn() { return TraceOn(TraceKind::ZurudUvu); }
// Writes one data line when the analyser's trace switch is on.
void BabTrace(const std::string& text);
// True when the application trace switch (oDebug.LogApp) is on.
inline bool AppTraceOn() { return TraceOn(TraceKind::App); }
void AppTrace(const std::string& text);

// Writes text to the log between a line "=====>" and a line "<=====";
// `after` follows the closing line (for the "VBErr=" lines).
void LogErrorBlock(const std::string& text, const std::string& after = {});

// Decimal text of a number, without padding (VB's & concatenation).
std::string Num(long value);
