#pragma once
#include <string>

// The labels and line numbers that a GoTo, GoSub, Resume or On ... GoTo of
// the parsed file jumps to, collected once per file after the parse; such a
// line number is never removed or replaced.
void sbCollectLabelReferences();
bool fblnLabelReferenced(const std::string& label);
