// Insertion of error-handling and tracing code from the code templates, and
// of logging lines from the logging files.
#include "engine/InsertCode.h"

#include <cctype>
#include <string>
#include <vector>

#include "engine/Continuations.h"
#include "engine/EmitLine.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "engine/LabelReferences.h"
#include "platform/Paths.h"
#include "analysis/SourceModel.h"
#include "analysis/StatementAnalysis.h"
#include "TemplateText.h"
#include "TokenText.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"

bool IsPropertyProcedureName(const std::string& name) {
    size_t open = name.find(" [");
    if (open == std::string::npos || name.empty() || name.back() != ']') return false;
    return vb::UCase(name.substr(open + 2, 8)) == "PROPERTY";
}

std::string ProcedureKeyword(const ProcInfo& proc) {
    if (proc.Kind == "F") return "Function";
    if (proc.Kind == "Q" || proc.Kind == "R") return "Property";
    // A Property Set carries the kind letter of a Sub; its name tells.
    if (IsPropertyProcedureName(proc.Name)) return "Property";
    return "Sub";
}

std::string LoggingFileName(const std::string& kind, int which) {
    std::string base = kind == "U" ? "zlogpro" : "zlogevt";
    return paths::Join(paths::ProgramDir(), base + std::to_string(which) + ".txt");
}

namespace {

// These procedures report every error, whatever the debug switches say.
template <class F>
auto AlwaysTrapped(const std::string& procName, F&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const VBError& e) {
        ERHandler(e.Number, e.Description, e.Source, procName);
    } catch (const std::exception& e) {
        ERHandler(51, std::string("Internal error: ") + e.what(), "", procName);
    }
}

const std::string* TemplateSetting(const ZelkOptions& o, const std::string& which) {
    if (which == "ErrSet") return &o.gsErrSet;
    if (which == "ErrTrap") return &o.gsErrTrap;
    if (which == "TraceOn") return &o.gsTraceIn;
    if (which == "TraceOff") return &o.gsTraceOut;
    return nullptr;
}

// Whether the index names the procedure whose keyword replaces "@Sub". An
// index of 0 means none, except for the error trap, which is always asked
// for with its procedure's index: in a module that begins with a procedure,
// that procedure is entry 0.
bool NamesAProcedure(const SourceModel& m, const std::string& which, long procIndex) {
    if (procIndex < 0 || static_cast<size_t>(procIndex) >= m.gtProcTable.size()) return false;
    if (procIndex > 0) return true;
    const std::string& kind = m.gtProcTable[0].Kind;
    return which == "ErrTrap" && kind != "D" && kind != "M";
}

std::string ExpandTemplate(ZelkRun& run, const std::string& which, long procIndex) {
    const std::string* setting = TemplateSetting(run.opt, which);
    if (!setting) {
        sbLogLine(run, "Bad request for insert", true);
        return {};
    }
    if (!FileExists(*setting)) {
        sbLogLine(run, "Insertion file not found " + *setting, true);
        return {};
    }
    std::string text = templatetext::Read(*setting).Text();
    const SourceModel& m = run.model;
    text = templatetext::ReplaceNoCase(text, "@Module", m.gsModuleName);
    text = templatetext::ReplaceNoCase(text, "@Procedure", run.gsCurrentProc);
    if (NamesAProcedure(m, which, procIndex))
        text = templatetext::ReplaceNoCase(text, "@Sub",
                                           ProcedureKeyword(m.gtProcTable[static_cast<size_t>(procIndex)]));
    return text;
}

void EmitInserted(ZelkRun& run, std::string text) {
    bool firstCall = false;
    BabStatement none;
    sbDoEmitLine(run, text, run.glOutputLines, firstCall, none);
}

// The exit lines stand in place of the procedure's end line; when there
// are none, the end line is written as it stands so that the procedure
// still ends.
void KeepEndLine(ZelkRun& run) {
    const SourceModel& m = run.model;
    if (run.glCurrentStatement < 1 || run.glCurrentStatement > m.glStmtCount ||
        static_cast<size_t>(run.glCurrentStatement) >= m.yStatement.size())
        return;
    BabStatement end = m.yStatement[static_cast<size_t>(run.glCurrentStatement)];
    if (end.Class != StatementClass::ProcEnd) return;
    std::string text = vb::LTrim(tokentext::StatementSourceText(m, end));
    bool firstCall = false;
    sbDoEmitLine(run, text, run.glOutputLines, firstCall, end);
}

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t') out += c;
    return out;
}

// The statement's text as the comparison with a logging line wants it.
std::string ComparableText(const SourceModel& m, const BabStatement& st) {
    std::string text;
    for (long t = st.FirstToken; t > 0 && t <= st.LastToken && tokentext::InTokens(m, t); ++t) {
        const BabToken& tok = m.yToken[static_cast<size_t>(t)];
        if (t == st.FirstToken && tok.Class == TokenClass::NonCode && tok.Detail == tokdetail::kLeadingLabel &&
            vb::IsNumeric(tok.Piece))
            continue;
        text += tok.Piece;
    }
    return WithoutBlanks(text);
}

bool IsLabelLine(const std::string& line) {
    const std::string t = vb::Trim(line);
    if (t.size() < 2 || t.back() != ':' || !std::isalpha(static_cast<unsigned char>(t[0]))) return false;
    for (size_t i = 1; i + 1 < t.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(t[i])) && t[i] != '_') return false;
    return true;
}

// Inserted code stands where the code around it stands, so that a later zelk
// does not move it: each line's own blanks give way to the column. Lines that
// continue a line go one level in from it, as the formatter puts them, unless
// they keep their own indentation; a label starts its line when the layout
// is laid out anew, as the formatter puts labels.
std::string AtColumn(const ZelkOptions& o, const std::string& text, long column) {
    if (column < 0 || text.empty()) return text;
    std::vector<std::string> lines = vb::Split(text, "\r\n");
    bool continued = false;
    for (std::string& line : lines) {
        const bool continues = continued;
        continued = line.size() >= 2 && line.compare(line.size() - 2, 2, " _") == 0;
        if (continues) {
            if (!o.gblnAsIs && !o.gblnKeepIndentation && !vb::Trim(line).empty())
                line = std::string(static_cast<size_t>(column + o.giIndentAmount), ' ') + vb::LTrim(line);
            continue;
        }
        if (vb::Trim(line).empty()) continue;
        if (IsLabelLine(line)) {
            if (!o.gblnAsIs) line = vb::LTrim(line);
            continue;
        }
        line = std::string(static_cast<size_t>(column), ' ') + vb::LTrim(line);
    }
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    return out;
}

bool Continues(const std::string& line) {
    return line.size() >= 2 && line.compare(line.size() - 2, 2, " _") == 0 && vb::LTrim(line).rfind('\'', 0) != 0;
}

// Inserted lines, statement by statement (a line with its continuation
// lines), as the next zelk reads them: an end of procedure at the line's
// start and without a number, as the formatter writes one. With `endLine`,
// the end of procedure and what follows it are handed back instead.
void EmitStatements(ZelkRun& run, const std::string& text, std::string* endLine) {
    const std::vector<std::string> lines = vb::Split(text, "\r\n");
    std::string statement;
    bool open = false;
    bool ended = false;
    for (const std::string& line : lines) {
        statement += open ? "\r\n" + line : line;
        open = true;
        if (Continues(line)) continue;
        open = false;
        BabStatement stmt;
        if (fblnProcedureEndLine(statement)) {
            stmt.Class = StatementClass::ProcEnd;
            statement = vb::LTrim(statement);
            ended = endLine != nullptr;
        }
        if (ended) {
            *endLine += endLine->empty() ? statement : "\r\n" + statement;
        } else {
            bool firstCall = false;
            sbDoEmitLine(run, statement, run.glOutputLines, firstCall, stmt);
        }
        statement.clear();
    }
    if (open) EmitInserted(run, statement);
}

void InsertLoggingFile(ZelkRun& run, const std::string& kind, int which, int functionPos, long column,
                       std::string* endLine) {
    if (kind != "U" && kind != "E") {
        sbLogLine(run, "Bad File for Log", false);
        return;
    }
    const std::string file = LoggingFileName(kind, which);
    std::vector<std::string> lines;
    if (FileExists(file)) lines = templatetext::Read(file).Lines;
    if (lines.empty()) {
        sbLogLine(run, "Insertion file not found " + file, true);
        if (which == 2 && !endLine) KeepEndLine(run);
        return;
    }
    // At the end of a function or a property procedure the exit lines leave
    // it with its own keyword: End Sub becomes End Function or End Property.
    std::string exitKeyword;
    if (which == 2 && IsPropertyProcedureName(run.gsCurrentProc))
        exitKeyword = "Property";
    else if (functionPos > 0)
        exitKeyword = "Function";
    std::string text;
    for (size_t k = 0; k < lines.size(); ++k) {
        std::string& line = lines[k];
        size_t at = line.find("@@");
        if (at != std::string::npos) line.replace(at, 2, run.gsCurrentProc);
        if (!exitKeyword.empty()) line = templatetext::ReplaceFirstNoCase(line, "SUB", exitKeyword);
        if (k > 0) text += "\r\n";
        text += line;
    }
    // The lines are code of the procedure: laid out as the code around them
    // and continued as the formatter continues code, or the next zelk would
    // lay them out again.
    EmitStatements(run, ContinuedLikeCode(run.opt, AtColumn(run.opt, text, column)), which == 2 ? endLine : nullptr);
}

}  // namespace

long InsertColumn(const std::string& text) {
    for (const std::string& line : vb::Split(text, "\r\n")) {
        if (vb::Trim(line).empty() || IsLabelLine(line)) continue;
        return fiLineNumberEnd(line) - 1;
    }
    return -1;
}

bool fblnProcedureEndLine(const std::string& line) {
    const std::string t = vb::UCase(vb::Trim(line));
    if (t.rfind("END ", 0) != 0) return false;
    const std::string rest = vb::LTrim(t.substr(4));
    const size_t end = rest.find_first_of(" '");
    const std::string word = rest.substr(0, end);
    return (word == "SUB" || word == "FUNCTION" || word == "PROPERTY") &&
           (end == std::string::npos || vb::LTrim(rest.substr(end)).empty() || vb::LTrim(rest.substr(end))[0] == '\'');
}

bool fblnTraceableExit(const ZelkRun& run, const BabStatement& st) {
    if (st.RecordFirst <= 0 || st.FirstToken <= 0) return false;
    const SourceModel& m = run.model;
    long t = st.FirstToken;
    if ((st.Flags & stmtflag::kLabel) && tokentext::InTokens(m, t) &&
        m.yToken[static_cast<size_t>(t)].Class == TokenClass::NonCode &&
        m.yToken[static_cast<size_t>(t)].Detail == tokdetail::kLeadingLabel) {
        // A named label is there to be jumped to (its jumps are not
        // collected); a line number only when some jump names it.
        const std::string& label = m.yToken[static_cast<size_t>(t)].Piece;
        if (!vb::IsNumeric(label) || fblnLabelReferenced(run, label)) return false;
        ++t;
        if (tokentext::Piece(m, t) == ":") ++t;
    }
    if (t + 1 > st.LastToken || !tokentext::Is(m, t, "EXIT")) return false;
    return tokentext::Is(m, t + 1, "SUB") || tokentext::Is(m, t + 1, "FUNCTION") || tokentext::Is(m, t + 1, "PROPERTY");
}

bool fblnProcedureLogs(const SourceModel& m, const ProcInfo& proc, const std::string& kind) {
    if (kind != "U" && kind != "E") return false;
    const std::string file = LoggingFileName(kind, 1);
    if (!FileExists(file)) return false;
    std::vector<std::string> lines;
    for (std::string line : templatetext::Read(file).Lines) {
        size_t at = line.find("@@");
        if (at != std::string::npos) line.replace(at, 2, proc.Name);
        line = WithoutBlanks(line);
        if (!line.empty()) lines.push_back(std::move(line));
    }
    if (lines.empty()) return false;
    for (long s = proc.FirstStmt; s <= proc.LastStmt && s > 0 && static_cast<size_t>(s) < m.yStatement.size(); ++s) {
        const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
        if (st.FirstToken == 0) continue;
        const std::string text = ComparableText(m, st);
        for (const std::string& line : lines)
            if (text == line) return true;
    }
    return false;
}

std::string GetInsertText(ZelkRun& run, const std::string& which, long procIndex) {
    TraceGuard trace(TraceKind::App, "modVEZUZ::GetInsertText");
    return AlwaysTrapped("GetInsertText", [&] { return ExpandTemplate(run, which, procIndex); });
}

void sbInsertTracing(ZelkRun& run, const std::string& which, long procIndex) {
    sbInsertTracing(run, which, procIndex, -1);
}

void sbInsertTracing(ZelkRun& run, const std::string& which, long procIndex, long column) {
    TraceGuard trace(TraceKind::App, "modVEZUZ::sbInsertTracing");
    AlwaysTrapped("sbInsertTracing", [&] {
        // A missing or empty template inserts nothing, not an empty line
        // that every further zelk would add again.
        std::string text = GetInsertText(run, which, procIndex);
        if (!text.empty()) EmitInserted(run, ContinuedLikeCode(run.opt, AtColumn(run.opt, text, column)));
    });
}

void sbLogInsert(ZelkRun& run, const std::string& kind, int which, int functionPos) {
    TraceGuard trace(TraceKind::App, "sbLogInsert");
    Trapped("sbLogInsert", [&] { InsertLoggingFile(run, kind, which, functionPos, -1, nullptr); });
}

void sbLogInsert(ZelkRun& run, const std::string& kind, int which, int functionPos, long column,
                 std::string& endLine) {
    TraceGuard trace(TraceKind::App, "sbLogInsert");
    endLine.clear();
    Trapped("sbLogInsert", [&] { InsertLoggingFile(run, kind, which, functionPos, column, &endLine); });
}
