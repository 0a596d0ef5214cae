#include "engine/WhiteSpace.h"

#include <cctype>

#include "engine/EmitLine.h"
#include "engine/EngineState.h"
#include "FileFailure.h"
#include "analysis/LineTokenizer.h"
#include "LineClassification.h"
#include "analysis/KeywordTable.h"
#include "SourceLineFormatter.h"
#include "analysis/SourceModel.h"
#include "common/Trace.h"
#include "platform/VBText.h"

namespace {

struct KindSwitches {
    bool ZelkOptions::*before;
    bool ZelkOptions::*after;
};

// Each line kind's switches, by its code; None has none.
KindSwitches SwitchesOf(SourceLineKind kind) {
    static const KindSwitches table[] = {
        {nullptr, nullptr},
        {&ZelkOptions::gblnWSBeforeSub, &ZelkOptions::gblnWSAfterSub},
        {&ZelkOptions::gblnWSBeforeEndSub, &ZelkOptions::gblnWSAfterEndSub},
        {&ZelkOptions::gblnWSBeforeIf, &ZelkOptions::gblnWSAfterIf},
        {&ZelkOptions::gblnWSBeforeElse, &ZelkOptions::gblnWSAfterElse},
        {&ZelkOptions::gblnWSBeforeEndIf, &ZelkOptions::gblnWSAfterEndIf},
        {&ZelkOptions::gblnWSBeforeLoop, &ZelkOptions::gblnWSAfterLoop},
        {&ZelkOptions::gblnWSBeforeEndLoop, &ZelkOptions::gblnWSAfterEndLoop},
        {&ZelkOptions::gblnWSBeforeSelect, &ZelkOptions::gblnWSAfterSelect},
        {&ZelkOptions::gblnWSBeforeCase, &ZelkOptions::gblnWSAfterCase},
        {&ZelkOptions::gblnWSBeforeEndSelect, &ZelkOptions::gblnWSAfterEndSelect},
        {&ZelkOptions::gblnWSBeforeDec, &ZelkOptions::gblnWSAfterDec},
        {&ZelkOptions::gblnWSBeforeLabel, &ZelkOptions::gblnWSAfterLabel},
    };
    const int code = CodeOf(kind);
    return code >= 1 && code <= CodeOf(SourceLineKind::Label) ? table[code] : table[0];
}

bool IsBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// A line that stands at the edge of a block, where the kind's switches apply.
bool AtBlockEdge(const LineClass& line, SourceLineKind kind) {
    return line.gblnBlockOpened || line.gblnBlockClosed || (line.gblnInSelect && kind == SourceLineKind::Case) ||
           (line.gblnIfOpen && kind == SourceLineKind::Else) || kind == SourceLineKind::Label;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The word at `at` (upper case) and the position after it.
std::string WordAt(const std::string& line, size_t& at) {
    size_t start = at;
    while (at < line.size() && IsWordChar(line[at])) ++at;
    return vb::UCase(line.substr(start, at - start));
}

// The kind and block edges of a line that begins a statement, read from its
// text as the next zelk reads it: a label alone, else the first words after
// a line number.
FirstWordsKind KindOfLine(const std::string& line, bool insideProc) {
    size_t at = line.find_first_not_of(' ');
    if (at == std::string::npos) return {};
    if (std::isdigit(static_cast<unsigned char>(line[at]))) {
        while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at]))) ++at;
        at = line.find_first_not_of(' ', at);
        if (at == std::string::npos) return {};
    } else {
        size_t end = at;
        WordAt(line, end);
        if (end > at && end + 1 == line.size() && line[end] == ':') return {SourceLineKind::Label, false, false};
    }
    std::string first = WordAt(line, at);
    size_t next = line.find_first_not_of(' ', at);
    std::string second = next == std::string::npos ? std::string() : WordAt(line, next);
    FirstWordsKind k = KindOfFirstWords(KeyWordIndex(first), KeyWordIndex(second));
    if (insideProc && (first == "DIM" || first == "CONST")) k.kind = SourceLineKind::DeclarationGroup;
    return k;
}

// The text's lines grouped by statement: each statement's first line with
// the lines that continue it (a "_" after a blank ends the line, as the
// record reader reads it).
std::vector<std::string> StatementsOf(const std::string& text) {
    std::vector<std::string> statements;
    bool continued = false;
    for (std::string& line : vb::Split(text, "\r\n")) {
        if (continued && !statements.empty()) statements.back() += "\r\n" + line;
        else statements.push_back(line);
        continued = CommentContinues(line);
    }
    return statements;
}

}  // namespace

bool IsHeadingGroup(const SourceModel& model, const BabStatement& stmt) {
    if (stmt.Class == StatementClass::ProcHeading) return true;
    const std::vector<BabRecord>& records = model.yRecord;
    long tied = records[static_cast<size_t>(stmt.RecordFirst)].TiedTo;
    return tied != 0 && model.yStatement[static_cast<size_t>(records[static_cast<size_t>(tied)].FirstStmt)].Class ==
                            StatementClass::ProcHeading;
}

// The empty line that goes before a procedure heading goes before the
// comment lines tied to it: they stay with their heading.
bool WhiteSpaceWriter::OpensHeadingGroup(const std::string& text, const BabStatement& stmt) {
    bool group = IsHeadingGroup(run_.model, stmt);
    bool opens = group && !inHeadingGroup_ && !IsBlank(lastText_) && !IsBlank(text);
    inHeadingGroup_ = group && stmt.Class != StatementClass::ProcHeading;
    return opens;
}

void WhiteSpaceWriter::Write(std::string& text, BabStatement& stmt, bool insideProc, bool& firstCall) {
    if (run_.opt.gblnWSChange && !run_.opt.gblnWSNoChange) WriteChanged(text, stmt, insideProc, firstCall);
    else WritePlain(text, stmt, firstCall);
}

void WhiteSpaceWriter::WritePlain(std::string& text, BabStatement& stmt, bool& firstCall) {
    if (OpensHeadingGroup(text, stmt) && !lastText_.ends_with("_")) {
        // Straight to the file: the writer's limit on empty lines does not
        // take this one away.
        FileFailing([this] { run_.goOutFile.WriteLine(""); });
        ++run_.glOutputLines;
    }
    sbDoEmitLine(run_, text, run_.glOutputLines, firstCall, stmt);
    lastText_ = text;
    EndSplitIf(stmt);
}

void WhiteSpaceWriter::WriteChanged(std::string& text, BabStatement& stmt, bool insideProc, bool& firstCall) {
    // A Dim or Const inside a procedure belongs to a declaration group,
    // whatever the formatter made of its line.
    SourceLineKind kind = run_.line.giLineKind;
    bool declarationChange = false;
    if (insideProc && stmt.Class == StatementClass::Declaration) {
        const long declaration = stmt.Detail % 100;
        if (declaration == 1 || declaration == 3) kind = SourceLineKind::DeclarationGroup;
        declarationChange = kind != lastKind_;
    }
    const bool headingAfterItsComments = stmt.Class == StatementClass::ProcHeading && inHeadingGroup_;
    if (OpensHeadingGroup(text, stmt) && stmt.Class != StatementClass::ProcHeading && run_.opt.gblnWSBeforeSub) {
        EmptyLine(firstCall);
        lastText_.clear();
    }
    // A text that splitting made of several statements gets, between them,
    // the empty lines each would get on a line of its own, as when the
    // output is zelked again.
    std::vector<std::string> statements = StatementsOf(text);
    if (statements.size() > 1) {
        WriteStatements(statements, stmt, insideProc, headingAfterItsComments, firstCall);
        return;
    }
    const bool edge = AtBlockEdge(run_.line, kind);
    if (BeforeNeedsEmptyLine(kind, edge || declarationChange, headingAfterItsComments)) {
        EmptyLine(firstCall);
        lastText_.clear();
    }
    // An empty text after an empty line is not written: runs of empty lines
    // shrink to one.
    if (!IsBlank(lastText_) || !IsBlank(text)) {
        sbDoEmitLine(run_, text, run_.glOutputLines, firstCall, stmt);
        lastText_ = text;
        lastKind_ = kind;
    }
    if (AfterNeedsEmptyLine(kind, edge, lastText_)) {
        EmptyLine(firstCall);
        lastText_.clear();
        lastKind_ = kind;
    }
    EndSplitIf(stmt);
}

// The empty lines before a statement of the given kind: one when it leaves a
// declaration group, one when it stands at a block edge (or starts a
// declaration group) and its kind wants one; never two. A heading whose
// comment lines came first had its empty line before them.
bool WhiteSpaceWriter::BeforeNeedsEmptyLine(SourceLineKind kind, bool edge, bool headingAfterItsComments) const {
    if (IsBlank(lastText_)) return false;
    if (lastKind_ == SourceLineKind::DeclarationGroup && kind != SourceLineKind::DeclarationGroup &&
        run_.opt.gblnWSAfterDec)
        return true;
    const KindSwitches sw = SwitchesOf(kind);
    return edge && sw.before && run_.opt.*sw.before && !headingAfterItsComments;
}

bool WhiteSpaceWriter::AfterNeedsEmptyLine(SourceLineKind kind, bool edge, const std::string& written) const {
    const KindSwitches sw = SwitchesOf(kind);
    return edge && sw.after && run_.opt.*sw.after && !IsBlank(written) && !written.ends_with(" _");
}

void WhiteSpaceWriter::WriteStatements(const std::vector<std::string>& statements, BabStatement& stmt, bool insideProc,
                                       bool headingAfterItsComments, bool& firstCall) {
    bool ifOpen = run_.line.gblnIfOpen, inSelect = run_.line.gblnInSelect;
    std::string joined;
    SourceLineKind kind = SourceLineKind::None;
    bool edge = false;
    for (size_t i = 0; i < statements.size(); ++i) {
        const std::string& line = statements[i];
        const FirstWordsKind k = KindOfLine(line, insideProc);
        kind = k.kind;
        edge = k.opens || k.closes || (inSelect && kind == SourceLineKind::Case) ||
               (ifOpen && kind == SourceLineKind::Else) || kind == SourceLineKind::Label;
        const bool declarationChange =
            kind == SourceLineKind::DeclarationGroup && lastKind_ != SourceLineKind::DeclarationGroup;
        if (BeforeNeedsEmptyLine(kind, edge || declarationChange, i == 0 && headingAfterItsComments)) {
            if (i == 0) EmptyLine(firstCall);
            else joined += "\r\n";
            lastText_.clear();
        }
        if (i > 0) joined += "\r\n";
        joined += line;
        lastText_ = line;
        lastKind_ = kind;
        if (kind == SourceLineKind::If) ifOpen = true;
        else if (kind == SourceLineKind::EndIf) ifOpen = false;
        else if (kind == SourceLineKind::Select) inSelect = true;
        else if (kind == SourceLineKind::EndSelect) inSelect = false;
        if (i + 1 < statements.size() && AfterNeedsEmptyLine(kind, edge, line)) {
            joined += "\r\n";
            lastText_.clear();
        }
    }
    sbDoEmitLine(run_, joined, run_.glOutputLines, firstCall, stmt);
    lastText_ = joined;
    if (AfterNeedsEmptyLine(kind, edge, lastText_)) {
        EmptyLine(firstCall);
        lastText_.clear();
    }
    EndSplitIf(stmt);
}

void WhiteSpaceWriter::EmptyLine(bool& firstCall) {
    std::string empty;
    BabStatement none;
    sbDoEmitLine(run_, empty, run_.glOutputLines, firstCall, none);
}

void WhiteSpaceWriter::EndSplitIf(const BabStatement& stmt) {
    // Most statements split no If: then the call writes nothing and changes
    // nothing, and is made only for its trace lines.
    if (!run_.line.gblnSplitIfPending && !TraceOn(TraceKind::App)) return;
    std::string endIf;
    size_t record = static_cast<size_t>(stmt.RecordFirst);
    std::vector<BabRecord>& records = run_.model.yRecord;
    long level = record < records.size() ? records[record].IndentLevel : 0;
    sbEndSplitIf(run_, level, endIf);
    if (record < records.size()) records[record].IndentLevel = level;
    if (endIf.empty()) return;
    lastText_ = endIf;
    lastKind_ = SourceLineKind::EndIf;
    // The End If's own empty line after it.
    if (run_.opt.gblnWSChange && !run_.opt.gblnWSNoChange && run_.opt.gblnWSAfterEndIf) lastText_.clear();
}
