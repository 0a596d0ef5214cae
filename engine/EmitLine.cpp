// The single writer of output lines: the Visual Basic 3.0 line limit, the
// line breaks at a text's ends, the limit on runs of empty lines and the
// inserted line numbers; and the End If of a split single-line If.
#include "engine/EmitLine.h"

#include <cctype>
#include <cstring>

#include "analysis/AnalyserLog.h"
#include "engine/EngineState.h"
#include "FileFailure.h"
#include "engine/LabelReferences.h"
#include "analysis/SourceModel.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

const char* const kCrLf = "\r\n";

bool IsBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// The lines a text makes in the output: it may hold several joined by line
// breaks, and the writer ends it with one more.
long LinesWritten(const std::string& text) {
    // Most texts are one line: two fast scans tell them.
    if (!std::memchr(text.data(), '\r', text.size()) && !std::memchr(text.data(), '\n', text.size())) return 1;
    long lines = 1;
    size_t pos = 0, next = 0;
    while (pos < text.size()) {
        if (textfile::LineEnd(text, pos, next) < text.size()) ++lines;
        pos = next;
    }
    return lines;
}

bool RTrimEndsInLineFeed(const std::string& s) {
    size_t end = s.find_last_not_of(' ');
    return end != std::string::npos && s[end] == '\n';
}

// Line breaks at the start of a text, and at its end, are dropped: a text
// brings no empty line of its own before or after it. An empty line that a
// continued line ("_") runs into is kept: the line after it must not take
// its place.
void TrimLineBreaks(std::string& text) {
    if (IsBlank(text)) return;
    while (!text.empty() && text[0] == '\r') text.erase(0, 2);
    if (RTrimEndsInLineFeed(text)) {
        text = vb::RTrim(text);
        while (RTrimEndsInLineFeed(text)) {
            const size_t cut = text.size() >= 2 ? text.size() - 2 : 0;
            if (cut > 0 && text[cut - 1] == '_') break;
            text.erase(cut);
        }
    }
}

bool TooLongForVB3(const ZelkRun& run, const std::string& text) {
    if (text.size() <= 1023 || run.gsDialectInUse != "3" || text.find('\r') != std::string::npos) return false;
    Ui().MsgBox(std::string("The following line was generated and is too long ") + "for Visual Basic 3.0" + kCrLf + kCrLf +
                    text + kCrLf + kCrLf + "Zelking being aborted",
                mb::vbExclamation, "Too Long");
    oDebug->ReasonCode = -987;
    oDebug->StatusCode = 4;
    return true;
}

std::string NextNumber(ZelkRun& run) {
    std::string n = Num(run.glNextLineNumber);
    run.glNextLineNumber += run.opt.glLineNumberInc;
    return n;
}

// The end of a procedure, which takes no number.
bool IsProcedureEnd(const std::string& line) {
    const std::vector<std::string> words = vb::Split(vb::UCase(vb::Trim(line)), " ");
    return words.size() >= 2 && words[0] == "END" &&
           (words[1] == "SUB" || words[1] == "FUNCTION" || words[1] == "PROPERTY");
}

// A line that takes no number: an empty line, a comment line, a line that
// holds a label (a line cannot carry both a number and a label), or the end
// of a procedure.
bool TakesNoNumber(const std::string& line) {
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos || line[first] == '\'' || IsProcedureEnd(line)) return true;
    size_t end = first;
    while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_')) ++end;
    return end > first && !std::isdigit(static_cast<unsigned char>(line[first])) && end < line.size() &&
           line[end] == ':' && (end + 1 == line.size() || line[end + 1] == ' ');
}

// A Select Case line sets the first Case to come; true for that first Case,
// which takes no number: nothing may stand between Select Case and it.
bool FirstCaseAfterSelect(EmitState& writer, const std::string& line) {
    if (line.find("Select Case ") != std::string::npos) {
        writer.pendingFirstCase = true;
    } else if (line.find("Case ") != std::string::npos) {
        bool first = writer.pendingFirstCase;
        writer.pendingFirstCase = false;
        return first;
    }
    return false;
}

// Prefixes every line of a text of several lines: a number, or blanks as
// wide as one where the line continues the one before. Lines that take no
// number are written as they stand.
void NumberLines(ZelkRun& run, std::string& text, bool numberFirst) {
    std::vector<std::string> lines = vb::Split(text, kCrLf);
    std::string built;
    bool continued = false;
    bool shifted = false;  // the statement's first line got a number or its pad
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) built += kCrLf;
        const bool firstCase = !continued && FirstCaseAfterSelect(run.writer, lines[i]);
        // An empty line that a "_" runs into stays empty: blanks would make
        // it a line that continues the statement when read again. The lines
        // that continue a line without a number stay as they are: nothing
        // takes a pad off them when the output is read again.
        if (continued) {
            if (shifted && !lines[i].empty()) built += std::string(Num(run.glNextLineNumber).size() + 1, ' ');
        } else if (firstCase) {
            built += std::string(Num(run.glNextLineNumber).size() + 1, ' ');
            shifted = true;
        } else {
            shifted = (i > 0 || numberFirst) && !TakesNoNumber(lines[i]);
            if (shifted) built += NextNumber(run) + " ";
        }
        built += lines[i];
        continued = lines[i].ends_with(" _");
    }
    text = std::move(built);
}

// Inserted line numbers. Each rule can end the numbering of a text; the
// text is then written as it stands.
void InsertLineNumber(ZelkRun& run, std::string& text, const BabStatement& stmt) {
    if (!run.opt.gblnInsertLineNumbers) return;
    if (run.gsCurrentProc == "<Declarations>" || run.gsCurrentProc == "(Designer Object Definition)") return;
    // A procedure written on one line, split: its statements are numbered
    // as they will be when they stand on lines of their own.
    if (stmt.Class == StatementClass::ProcHeading && text.find('\r') != std::string::npos &&
        IsProcedureEnd(text.substr(text.rfind('\n') + 1))) {
        NumberLines(run, text, false);
        return;
    }
    if (stmt.Class == StatementClass::Comment || stmt.Class == StatementClass::Blank ||
        stmt.Class == StatementClass::ProcEnd || stmt.Class == StatementClass::ProcHeading)
        return;
    if (stmt.Class == StatementClass::Other) {
        std::string lead = vb::LTrim(text);
        if ((!lead.empty() && lead[0] == '\'' && text.find('\r') == std::string::npos) ||
            (!lead.empty() && lead[0] == '#'))
            return;
    }
    bool numbered = true;
    if (stmt.Flags & stmtflag::kLabel) {
        size_t blank = text.find(' ');
        std::string head = blank == std::string::npos ? text : text.substr(0, blank + 1);
        if (vb::IsNumeric(head)) {
            // A number that something jumps to stays the line's number.
            if (fblnLabelReferenced(run, head)) return;
            if (blank == std::string::npos) text.clear();
            else text.erase(0, blank + 1);
        }
    }
    if (IsBlank(text) || run.writer.lastLine.ends_with(" _")) return;
    const bool severalLines = text.find('\r') != std::string::npos;
    if (!severalLines && FirstCaseAfterSelect(run.writer, text)) {
        text = std::string(Num(run.glNextLineNumber).size() + 1, ' ') + text;
        return;
    }
    if ((stmt.Flags & stmtflag::kLabel) && text.find(':') != std::string::npos) {
        size_t blank = text.find(' ');
        numbered = blank != std::string::npos && blank < text.find(':');
    }
    if (severalLines) {
        NumberLines(run, text, numbered);
        return;
    }
    if (numbered) text = NextNumber(run) + " " + text;
}

}  // namespace

void sbDoEmitLine(ZelkRun& run, std::string& text, long& count, bool& firstCall, BabStatement& stmt) {
    TraceGuard trace(TraceKind::App, "sbDoEmitLine");
    if (AppTraceOn()) AppTrace("Record=" + text);
    if (TooLongForVB3(run, text)) return;
    TrimLineBreaks(text);
    // A line number alone on its line is code, a jump target, unless the
    // inserted numbering is about to take it away unreferenced.
    bool empty = IsBlank(text) || ((stmt.Flags & stmtflag::kLabel) && vb::IsNumeric(text) &&
                                   run.opt.gblnInsertLineNumbers && !fblnLabelReferenced(run, text));
    run.writer.emptyRun = empty ? run.writer.emptyRun + 1 : 0;
    if (run.opt.gblnXSLines && !run.opt.gblnWSNoChange && run.writer.emptyRun > run.opt.giXSLinesAmount) return;
    InsertLineNumber(run, text, stmt);
    FileFailing([&] { run.goOutFile.WriteLine(text); });
    // The footer's count of output lines is the count of lines in the file.
    count += LinesWritten(text);
    oZel->StatusBarUpdate(firstCall, false, count);
    run.writer.lastLine = text;
}

void sbEndSplitIf(ZelkRun& run, long& level, std::string& text) {
    TraceGuard trace(TraceKind::App, "sbEndSplitIf");
    text.clear();
    // The formatter decided to split the If; here its End If is only written.
    if (run.line.gblnSplitIfPending) {
        run.line.gblnIfOpen = false;
        if (run.opt.gblnBaseLines) ++level;
        // The End If stands where its If stands; the If's level alone would
        // miss a Case's indentation and a line kept as written.
        text = std::string(run.line.glSplitIfColumn > 0 ? static_cast<size_t>(run.line.glSplitIfColumn) : 0, ' ') + "End If";
        BabStatement none;
        bool firstCall = false;
        std::string empty;
        // The empty lines an End If of the source gets: only in the change
        // mode, and none before it right after an empty line.
        const bool change = run.opt.gblnWSChange && !run.opt.gblnWSNoChange;
        if (run.opt.gblnWSBeforeEndIf && change && !IsBlank(run.writer.lastLine))
            sbDoEmitLine(run, empty, run.glOutputLines, firstCall, none);
        sbDoEmitLine(run, text, run.glOutputLines, firstCall, none);
        empty.clear();
        if (run.opt.gblnWSAfterEndIf && change) sbDoEmitLine(run, empty, run.glOutputLines, firstCall, none);
    }
    run.line.gblnSplitIfPending = false;
}
