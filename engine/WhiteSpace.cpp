#include "WhiteSpace.h"

#include "EngineCalls.h"
#include "FileFailure.h"
#include "OptionGlobals.h"
#include "VBText.h"

namespace {

constexpr int kElse = 4, kCase = 9, kDeclarationGroup = 11, kLabel = 12;

struct KindSwitches {
    const bool* before;
    const bool* after;
};

// Line kinds 1 to 12 and their switches; kind 0 has none.
KindSwitches SwitchesOf(int kind) {
    static const KindSwitches table[] = {
        {nullptr, nullptr},
        {&gblnWSBeforeSub, &gblnWSAfterSub},
        {&gblnWSBeforeEndSub, &gblnWSAfterEndSub},
        {&gblnWSBeforeIf, &gblnWSAfterIf},
        {&gblnWSBeforeElse, &gblnWSAfterElse},
        {&gblnWSBeforeEndIf, &gblnWSAfterEndIf},
        {&gblnWSBeforeLoop, &gblnWSAfterLoop},
        {&gblnWSBeforeEndLoop, &gblnWSAfterEndLoop},
        {&gblnWSBeforeSelect, &gblnWSAfterSelect},
        {&gblnWSBeforeCase, &gblnWSAfterCase},
        {&gblnWSBeforeEndSelect, &gblnWSAfterEndSelect},
        {&gblnWSBeforeDec, &gblnWSAfterDec},
        {&gblnWSBeforeLabel, &gblnWSAfterLabel},
    };
    return kind >= 1 && kind <= 12 ? table[kind] : table[0];
}

bool IsBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

bool EndsWith(const std::string& s, const char* tail) {
    std::string t(tail);
    return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// A line that stands at the edge of a block, where the kind's switches apply.
bool AtBlockEdge(int kind) {
    return gblnBlockOpened || gblnBlockClosed || (gblnInSelect && kind == kCase) || (gblnIfOpen && kind == kElse) ||
           kind == kLabel;
}

}  // namespace

bool IsHeadingGroup(const BabStatement& stmt) {
    if (stmt.Class == 5) return true;
    long tied = yRecord[static_cast<size_t>(stmt.RecordFirst)].TiedTo;
    return tied != 0 && yStatement[static_cast<size_t>(yRecord[static_cast<size_t>(tied)].FirstStmt)].Class == 5;
}

// The empty line that goes before a procedure heading goes before the
// comment lines tied to it: they stay with their heading.
bool WhiteSpaceWriter::OpensHeadingGroup(const std::string& text, const BabStatement& stmt) {
    bool group = IsHeadingGroup(stmt);
    bool opens = group && !inHeadingGroup_ && !IsBlank(lastText_) && !IsBlank(text);
    inHeadingGroup_ = group && stmt.Class != 5;
    return opens;
}

void WhiteSpaceWriter::Write(std::string& text, BabStatement& stmt, bool insideProc, bool& firstCall) {
    if (gblnWSChange && !gblnWSNoChange) WriteChanged(text, stmt, insideProc, firstCall);
    else WritePlain(text, stmt, firstCall);
}

void WhiteSpaceWriter::WritePlain(std::string& text, BabStatement& stmt, bool& firstCall) {
    if (OpensHeadingGroup(text, stmt) && !EndsWith(lastText_, "_")) {
        // Straight to the file: the writer's limit on empty lines does not
        // take this one away.
        FileFailing([] { goOutFile.WriteLine(""); });
        ++glOutputLines;
    }
    sbDoEmitLine(text, glOutputLines, firstCall, stmt);
    lastText_ = text;
    EndSplitIf(stmt);
}

void WhiteSpaceWriter::WriteChanged(std::string& text, BabStatement& stmt, bool insideProc, bool& firstCall) {
    bool declarationChange = false;
    if (insideProc && stmt.Class == 2) {
        long kind = stmt.Detail % 100;
        if (kind == 1 || kind == 3) giLineKind = kDeclarationGroup;
        declarationChange = giLineKind != lastKind_;
    }
    const int kind = giLineKind;
    const KindSwitches sw = SwitchesOf(kind);
    const bool headingAfterItsComments = stmt.Class == 5 && inHeadingGroup_;
    if (OpensHeadingGroup(text, stmt) && stmt.Class != 5 && gblnWSBeforeSub) {
        EmptyLine(firstCall);
        lastText_.clear();
    }

    if (lastKind_ == kDeclarationGroup && kind != kDeclarationGroup && gblnWSAfterDec && !IsBlank(lastText_)) {
        EmptyLine(firstCall);
        lastText_.clear();
    }
    if (AtBlockEdge(kind) || declarationChange) {
        if (sw.before && *sw.before && !IsBlank(lastText_) && !headingAfterItsComments) {
            EmptyLine(firstCall);
            lastText_.clear();
        }
    }
    // An empty text after an empty line is not written: runs of empty lines
    // shrink to one.
    if (!IsBlank(lastText_) || !IsBlank(text)) {
        sbDoEmitLine(text, glOutputLines, firstCall, stmt);
        lastText_ = text;
        lastKind_ = kind;
    }
    EndSplitIf(stmt);
    if (AtBlockEdge(kind) && sw.after && *sw.after && !IsBlank(lastText_) && !EndsWith(lastText_, " _")) {
        EmptyLine(firstCall);
        lastText_.clear();
        lastKind_ = kind;
    }
}

void WhiteSpaceWriter::EmptyLine(bool& firstCall) {
    std::string empty;
    BabStatement none;
    sbDoEmitLine(empty, glOutputLines, firstCall, none);
}

void WhiteSpaceWriter::EndSplitIf(const BabStatement& stmt) {
    std::string endIf;
    size_t record = static_cast<size_t>(stmt.RecordFirst);
    long level = record < yRecord.size() ? yRecord[record].IndentLevel : 0;
    sbEndSplitIf(level, endIf);
    if (record < yRecord.size()) yRecord[record].IndentLevel = level;
    if (!endIf.empty()) lastText_ = endIf;
}
