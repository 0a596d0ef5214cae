#pragma once
// The empty lines that the white-space settings add around the statements
// the zelking loop writes. In the plain mode a procedure heading gets one
// empty line before it; in the change mode each kind of line (giLineKind) has
// a switch for an empty line before and one after it, and runs of empty
// lines shrink to one.
#include <string>
#include <vector>

#include "analysis/SourceModel.h"
#include "engine/ZelkRun.h"

class WhiteSpaceWriter {
public:
    explicit WhiteSpaceWriter(ZelkRun& run) : run_(run) {}

    // Writes a statement's text (which the line writer may change), then the
    // End If of a single-line If split by the formatter.
    void Write(std::string& text, BabStatement& stmt, bool insideProc, bool& firstCall);

private:
    void WritePlain(std::string& text, BabStatement& stmt, bool& firstCall);
    void WriteChanged(std::string& text, BabStatement& stmt, bool insideProc, bool& firstCall);
    void WriteStatements(const std::vector<std::string>& statements, BabStatement& stmt, bool insideProc,
                         bool headingAfterItsComments, bool& firstCall);
    bool BeforeNeedsEmptyLine(SourceLineKind kind, bool edge, bool headingAfterItsComments) const;
    bool AfterNeedsEmptyLine(SourceLineKind kind, bool edge, const std::string& written) const;
    void EmptyLine(bool& firstCall);
    void EndSplitIf(const BabStatement& stmt);
    bool OpensHeadingGroup(const std::string& text, const BabStatement& stmt);

    ZelkRun& run_;
    std::string lastText_;  // the last text written here; empty after an empty line
    SourceLineKind lastKind_ = SourceLineKind::None;  // the line kind of that text
    bool inHeadingGroup_ = false;  // the last text was a comment line tied to the heading that follows
};

// The statement of the model is a procedure's heading or one of the comment
// and blank lines tied to it.
bool IsHeadingGroup(const SourceModel& model, const BabStatement& stmt);
