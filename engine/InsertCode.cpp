// Insertion of error-handling and tracing code from the code templates, and
// of logging lines from the logging files.
#include "InsertCode.h"

#include <string>
#include <vector>

#include "EngineCalls.h"
#include "ErrorTrap.h"
#include "OptionGlobals.h"
#include "Paths.h"
#include "TemplateText.h"
#include "TokenText.h"
#include "Trace.h"
#include "VBText.h"
#include "WindowHelpers.h"
#include "mKEMCommon.h"

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

const std::string* TemplateSetting(const std::string& which) {
    if (which == "ErrSet") return &gsErrSet;
    if (which == "ErrTrap") return &gsErrTrap;
    if (which == "TraceOn") return &gsTraceIn;
    if (which == "TraceOff") return &gsTraceOut;
    return nullptr;
}

// Whether the index names the procedure whose keyword replaces "@Sub". An
// index of 0 means none, except for the error trap, which is always asked
// for with its procedure's index: in a module that begins with a procedure,
// that procedure is entry 0.
bool NamesAProcedure(const std::string& which, long procIndex) {
    if (procIndex < 0 || static_cast<size_t>(procIndex) >= gtProcTable.size()) return false;
    if (procIndex > 0) return true;
    const std::string& kind = gtProcTable[0].Kind;
    return which == "ErrTrap" && kind != "D" && kind != "M";
}

std::string ExpandTemplate(const std::string& which, long procIndex) {
    const std::string* setting = TemplateSetting(which);
    if (!setting) {
        sbLogLine("Bad request for insert", true);
        return {};
    }
    if (!FileExists(*setting)) {
        sbLogLine("Insertion file not found " + *setting, true);
        return {};
    }
    std::string text = templatetext::Read(*setting).Text();
    text = templatetext::ReplaceNoCase(text, "@Module", gsModuleName);
    text = templatetext::ReplaceNoCase(text, "@Procedure", gsCurrentProc);
    if (NamesAProcedure(which, procIndex))
        text = templatetext::ReplaceNoCase(text, "@Sub", ProcedureKeyword(gtProcTable[static_cast<size_t>(procIndex)]));
    return text;
}

void EmitInserted(std::string text) {
    bool firstCall = false;
    BabStatement none;
    sbDoEmitLine(text, glOutputLines, firstCall, none);
}

// The exit lines stand in place of the procedure's end line; when there
// are none, the end line is written as it stands so that the procedure
// still ends.
void KeepEndLine() {
    if (glCurrentStatement < 1 || static_cast<size_t>(glCurrentStatement) >= yStatement.size()) return;
    BabStatement end = yStatement[static_cast<size_t>(glCurrentStatement)];
    if (end.Class != 4) return;
    std::string text = vb::LTrim(tokentext::StatementSourceText(end));
    bool firstCall = false;
    sbDoEmitLine(text, glOutputLines, firstCall, end);
}

void InsertLoggingFile(const std::string& kind, int which, int functionPos) {
    if (kind != "U" && kind != "E") {
        sbLogLine("Bad File for Log", false);
        return;
    }
    const std::string file = LoggingFileName(kind, which);
    std::vector<std::string> lines;
    if (FileExists(file)) lines = templatetext::Read(file).Lines;
    if (lines.empty()) {
        sbLogLine("Insertion file not found " + file, true);
        if (which == 2) KeepEndLine();
        return;
    }
    // At the end of a function or a property procedure the exit lines leave
    // it with its own keyword: End Sub becomes End Function or End Property.
    std::string exitKeyword;
    if (which == 2 && IsPropertyProcedureName(gsCurrentProc))
        exitKeyword = "Property";
    else if (functionPos > 0)
        exitKeyword = "Function";
    for (std::string& line : lines) {
        size_t at = line.find("@@");
        if (at != std::string::npos) line.replace(at, 2, gsCurrentProc);
        if (!exitKeyword.empty()) line = templatetext::ReplaceFirstNoCase(line, "SUB", exitKeyword);
        EmitInserted(line);
    }
}

}  // namespace

std::string GetInsertText(const std::string& which, long procIndex) {
    TraceGuard trace(TraceKind::App, "modVEZUZ::GetInsertText");
    return AlwaysTrapped("GetInsertText", [&] { return ExpandTemplate(which, procIndex); });
}

void sbInsertTracing(const std::string& which, long procIndex) {
    TraceGuard trace(TraceKind::App, "modVEZUZ::sbInsertTracing");
    AlwaysTrapped("sbInsertTracing", [&] { EmitInserted(GetInsertText(which, procIndex)); });
}

void sbLogInsert(const std::string& kind, int which, int functionPos) {
    TraceGuard trace(TraceKind::App, "sbLogInsert");
    Trapped("sbLogInsert", [&] { InsertLoggingFile(kind, which, functionPos); });
}
