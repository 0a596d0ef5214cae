#pragma once
// One parse in progress: the model it fills and what the reading carries from
// line to line and from record group to record group. A parse is made for
// one text and thrown away with it, so nothing a file leaves behind reaches
// the next one.
#include <string>
#include <vector>

#include "analysis/SourceModel.h"
#include "platform/TextFile.h"

// An open #If: the level at the #If, and at the end of its first branch once
// an #Else or #ElseIf began another.
struct DirectiveFrame {
    long levelAtIf = 0;
    long levelAfterFirst = 0;
    bool otherBranch = false;
};

struct SourceParse {
    explicit SourceParse(SourceModel& m) : model(m) {}
    SourceParse(const SourceParse&) = delete;
    SourceParse& operator=(const SourceParse&) = delete;

    SourceModel& model;
    // The text being read; open until its last record group is read.
    LineReader input;
    // Index of the last record made.
    long recordCounter = 0;
    // Indentation level of the code at the current point of the text.
    long runningLevel = 0;
    std::vector<DirectiveFrame> directives;
    // Inside an #If block (blocks are not counted: an inner #End If ends it).
    bool insideIf = false;
    // The raw tokens of the line being read, from element 1; it grows as a
    // line needs and its elements keep their texts' room from line to line.
    std::vector<WorkToken> work;
};
