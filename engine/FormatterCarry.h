#pragma once
#include <optional>
#include <string>
#include <unordered_set>

#include "LineSegments.h"
#include "analysis/SourceModel.h"
#include "settings/ZelkOptions.h"

// What the formatter carries from one statement to the next within a file.
struct FormatterCarry {
    int iCaseOffset = 0;                // open Select Case blocks whose Case lines sit one level in
    bool blnPriorLineNumbered = false;  // the previous statement began with a line number
    long lPriorIndent = 0;              // column of the last first word outside comment lines
    size_t firstCaseCut = 0;            // what a removed number took off a Select Case line
    // For a comment line that the arrangement moved: the record written
    // after it and the record it is tied to there (0: none), as the next
    // zelk reads them; lWrittenNext 0 when it stands where it stood.
    long lWrittenNext = 0;
    long lWrittenTied = 0;
    // The part of its line that the statement writes, when its line is
    // written in segments (FirstToken 0: the whole line).
    LineSegment segment;
    // The names the file declares (upper case, without a type character):
    // variables, constants, parameters, members and procedures.
    std::unordered_set<std::string> declaredNames;
    bool declaredNamesKnown = false;
    // The width the tab-width question gave while this file was written;
    // none until it was asked. It stands for the options' width from then on.
    std::optional<TabWidth> tabWidthAnswer;
    // The two tokens the formatter rewrites, kept from one statement to the
    // next only for their texts' room: each statement starts them empty, so
    // that a long text allocates once a file instead of once a statement.
    EditToken tokenSlots[2];
};
