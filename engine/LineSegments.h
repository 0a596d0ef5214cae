#pragma once
// A line of several statements that the formatter splits at its ":"s may
// give up a declaration: with the procedure's declarations arranged, such a
// declaration is written apart from its line, at the place the arrangement
// gives it, and the statements around it stay where they stood. The next
// zelk, which finds the declaration on a line of its own, then moves
// nothing. The line is written in segments: each such declaration is one,
// and each run of the other statements between them is one.
#include "analysis/SourceModel.h"

class ZelkRun;

struct LineSegment {
    long FirstToken = 0;
    long LastToken = 0;    // without the ":" that separates it from the next segment
    long RecordFirst = 0;  // the records the segment's tokens stand on
    long RecordLast = 0;
    // The line's label, which goes on a line of its own, is written with
    // this segment, at the line's place, whatever becomes of the
    // declaration it stood before.
    bool CarriesLabel = false;
};

// Whether the statement begins with a label or a line number that stays in
// front of it in the run's output: something may jump to it.
bool LeadingLabelStays(const ZelkRun& run, const BabStatement& st);

// Whether procedure-level declaration s shares its line with other
// statements and is written apart from them. Only a declaration that the
// split would put at the column it gets on a line of its own qualifies: on
// one record, without a comment, after nothing but plain statements (no
// number kept in front of the line, no If, no statement that opens or closes
// a block), and followed by a plain statement.
bool DetachesFromItsLine(const ZelkRun& run, long s);

// The segment that statement s begins, when s's line is written in segments
// and s is the first statement of one. False otherwise (s then is written
// as it always is: whole, or with the line's first statement).
bool LineSegmentOf(const ZelkRun& run, long s, LineSegment& segment);
