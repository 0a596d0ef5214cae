#include "DeclarationPieces.h"

#include "engine/EngineState.h"
#include "LineSegments.h"
#include "analysis/StatementAnalysis.h"
#include "TokenText.h"

using tokentext::Upper;

std::string TypeOfCharacter(const std::string& name) {
    if (name.empty()) return {};
    switch (name.back()) {
        case '%': return "INTEGER";
        case '&': return "LONG";
        case '!': return "SINGLE";
        case '#': return "DOUBLE";
        case '@': return "CURRENCY";
        case '$': return "STRING";
        default: return {};
    }
}

std::string DeclaredName(const SourceModel& m, long t) {
    std::string name = Upper(m, t);
    if (!TypeOfCharacter(name).empty()) name.pop_back();
    return name;
}

std::string DeclaredType(const ZelkRun& run, long name, long end) {
    const SourceModel& m = run.model;
    long depth = 0;
    for (long t = name + 1; t <= end && tokentext::InTokens(m, t); ++t) {
        const std::string& p = tokentext::Piece(m, t);
        if (p == "(") {
            ++depth;
        } else if (p == ")") {
            --depth;
        } else if (depth <= 0 && p == ",") {
            break;
        } else if (depth <= 0 && tokentext::Is(m, t, "AS")) {
            const std::string type = Upper(m, t + 1);
            if (run.opt.gblnConvertDAO && (type == "DYNASET" || type == "TABLE" || type == "SNAPSHOT"))
                return "RECORDSET";
            return type;
        }
    }
    std::string type = TypeOfCharacter(Upper(m, name));
    return type.empty() ? "VARIANT" : type;
}

namespace {

// A statement on one line of its own, with no label: the formatter writes
// nothing but its declarations on the lines it splits it into, an in-line
// comment after the last of them (where the next zelk finds it and sorts it
// with that declaration).
bool StandsAlone(const SourceModel& m, long s) {
    if (s < 1 || static_cast<size_t>(s) >= m.yStatement.size()) return false;
    const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
    if (st.Class != StatementClass::Declaration || (st.Flags & stmtflag::kLabel) || st.RecordFirst < 1 ||
        st.RecordFirst != st.RecordLast || static_cast<size_t>(st.RecordFirst) >= m.yRecord.size())
        return false;
    const BabRecord& rec = m.yRecord[static_cast<size_t>(st.RecordFirst)];
    return rec.FirstStmt == s && rec.LastStmt == s;
}

}  // namespace

std::vector<long> DeclarationPieceNames(const ZelkRun& run, long s, long firstName, bool isConst) {
    const ZelkOptions& o = run.opt;
    const SourceModel& m = run.model;
    std::vector<long> names{firstName};
    // A declaration written apart from its line stands alone on its lines.
    const bool labelled = (m.yStatement[static_cast<size_t>(s)].Flags & stmtflag::kLabel) != 0;
    const bool alone = StandsAlone(m, s) || (DetachesFromItsLine(run, s) && !labelled);
    if (!(isConst ? o.gblnSplitConsts : o.gblnSplitDeclarations) || firstName < 1 || !alone) return names;
    const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
    long depth = 0;
    for (long t = firstName + 1; t < st.LastToken && tokentext::InTokens(m, t + 1); ++t) {
        const std::string& p = tokentext::Piece(m, t);
        if (p == "(") ++depth;
        else if (p == ")") --depth;
        else if (p == "," && depth == 0) names.push_back(t + 1);
    }
    return names;
}

void PlacePieces(const std::vector<SortedPiece>& sorted, long from, StatementOrder& order) {
    long position = from;
    for (const SortedPiece& entry : sorted) {
        auto list = order.Lists.find(entry.Stmt);
        if (entry.Pieces > 1 && list != order.Lists.end()) {
            order.PiecesAfter[position - 1].push_back({entry.Stmt, entry.Piece});
            continue;
        }
        if (entry.Pieces > 1) order.Lists[entry.Stmt] = {entry.Piece, entry.Pieces};
        order(position++) = entry.Stmt;
    }
}

std::vector<long> DeclarationLineStatements(const ZelkRun& run, long s) {
    const SourceModel& m = run.model;
    if (!run.opt.gblnSplitMultiLines || s < 1 || static_cast<size_t>(s) >= m.yStatement.size()) return {};
    const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
    if (st.RecordFirst < 1 || st.RecordFirst != st.RecordLast ||
        static_cast<size_t>(st.RecordFirst) >= m.yRecord.size())
        return {};
    const BabRecord& rec = m.yRecord[static_cast<size_t>(st.RecordFirst)];
    if (rec.FirstStmt != s || rec.LastStmt <= s || static_cast<size_t>(rec.LastStmt) >= m.yStatement.size()) return {};
    std::vector<long> line;
    for (long t = s; t <= rec.LastStmt; ++t) {
        const BabStatement& one = m.yStatement[static_cast<size_t>(t)];
        if (one.Class != StatementClass::Declaration || (one.Flags & stmtflag::kLabel)) return {};
        line.push_back(t);
    }
    return line;
}
