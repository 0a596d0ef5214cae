#pragma once
#include <string>
#include <unordered_set>

class ZelkRun;

// The labels and line numbers that a GoTo, GoSub, Resume or On ... GoTo of
// the parsed file jumps to (upper case); such a line number is never removed
// or replaced.
struct LabelReferences {
    std::unordered_set<std::string> upper;
};

// Collects the run's label references from its model, once per file after
// the parse.
void sbCollectLabelReferences(ZelkRun& run);
bool fblnLabelReferenced(const ZelkRun& run, const std::string& label);
