// Preparation of one procedure for the zelking loop: where its body starts
// and is first left, whether it already handles errors or traces, the
// conversions and date scan over its statements, and the gathering of its
// local declarations in the order gsLocalHow chooses.
#include "engine/ProcDeclarations.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/Conversions.h"
#include "engine/DateWarnings.h"
#include "DeclarationPieces.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/ExchangeSort.h"
#include "analysis/FileParse.h"
#include "LineSegments.h"
#include "engine/InsertCode.h"
#include "TokenText.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

using tokentext::Fixed;
using tokentext::Piece;
using tokentext::Upper;

constexpr size_t kNameWidth = 255;
constexpr size_t kTypeWidth = 20;

// One declaration of the list: a whole statement, or one piece of a list
// that is written a declaration a line.
struct LocalDecl {
    std::string Key;
    long Index = 0;
    int Piece = 0;
    int Pieces = 1;
};

bool InStatements(const SourceModel& m, long s) { return s >= 0 && static_cast<size_t>(s) < m.yStatement.size(); }

// An index outside the source arrays stops the arrangement of this
// procedure; the zelk goes on with the procedure as it stands.
void OutOfBound(const char* array) {
    oLog->LogData(std::string("Out of bound error in ") + array + " FloatProcDeclarations");
}

// Tokens before the statement proper: a leading line number, or a label and
// its colon.
long LeadingTokens(const SourceModel& m, const BabStatement& st) {
    const long ft = st.FirstToken;
    if (!tokentext::InTokens(m, ft)) return 0;
    const BabToken& tok = m.yToken[static_cast<size_t>(ft)];
    if (tok.Class != TokenClass::NonCode || tok.Detail != tokdetail::kLeadingLabel) return 0;
    if (vb::IsNumeric(tok.Piece)) return 1;
    if (tokentext::InTokens(m, ft + 1) && m.yToken[static_cast<size_t>(ft + 1)].Class == TokenClass::Colon) return 2;
    return 1;
}

// ReDim resizes an array declared elsewhere: it stays where it stands and
// is never moved ahead of its Dim.
bool IsReDim(const SourceModel& m, const BabStatement& st) {
    if (st.Detail % 100 == 6 && st.Detail < 400) return true;
    return Upper(m, st.FirstToken + LeadingTokens(m, st)) == "REDIM";
}

// A declaration followed by further statements on its line stays where it
// is, unless it is written apart from them: the line is written as one, and
// moving it would run those statements ahead of the code above them.
bool SharesItsLine(const SourceModel& m, long s, long last) {
    if (s >= last || !InStatements(m, s + 1)) return false;
    const BabStatement& next = m.yStatement[static_cast<size_t>(s + 1)];
    return next.RecordFirst == 0 && next.FirstToken != 0;
}

// The key of a local declaration by the order code `how` (gsLocalHow): kind ("0" Const, "1" any
// other), name and type, in the order of its first three digits.
std::string LocalKey(const std::string& how, char kind, const std::string& name, const std::string& type) {
    const std::string k(1, kind);
    const std::string n = Fixed(name, kNameWidth);
    const std::string t = Fixed(type, kTypeWidth);
    if (how == "12345" || how == "12354") return k + n + t;
    if (how == "13245" || how == "13254") return k + t + n;
    if (how == "23145" || how == "23154") return n + t + k;
    if (how == "32145" || how == "32154") return t + n + k;
    return {};
}

// The entries of a declaration: one, or one for each line of a list that
// is split into lines. A name is read without its type character and a
// type from its own As clause or type character (Variant without either),
// as the lines read once they are split and converted. A Static statement
// keeps an empty name.
std::vector<LocalDecl> DeclarationEntries(ZelkRun& run, long s, const BabStatement& st) {
    const ZelkOptions& o = run.opt;
    SourceModel& m = run.model;
    char kind = '1';
    long firstName = 0;
    bool named = false;
    for (long t = st.FirstToken; t <= st.LastToken && firstName == 0; ++t) {
        const std::string w = Upper(m, t);
        if (w == "DIM" || w == "STATIC" || w == "CONST") {
            kind = w == "CONST" ? '0' : '1';
            named = w != "STATIC";
            firstName = t + 1;
        }
    }
    for (long t = st.FirstToken; t <= st.LastToken; ++t) {
        // The key takes the converted type, as a second zelk will.
        if (o.gblnConvertDAO && tokentext::Is(m, t, "AS")) {
            const std::string type = Upper(m, t + 1);
            if (type == "DYNASET" || type == "TABLE" || type == "SNAPSHOT") tokentext::SetPiece(m, t + 1, "Recordset");
        }
    }
    if (firstName == 0) return {{LocalKey(o.gsLocalHow, kind, "", ""), s}};
    const std::vector<long> names = DeclarationPieceNames(run, s, firstName, kind == '0');
    std::vector<LocalDecl> entries;
    for (size_t k = 0; k < names.size(); ++k) {
        const std::string name = named ? DeclaredName(m, names[k]) : std::string();
        entries.push_back({LocalKey(o.gsLocalHow, kind, name, DeclaredType(run, names[k], st.LastToken)), s,
                           static_cast<int>(k),
                           static_cast<int>(names.size())});
    }
    return entries;
}

// The statement as the trace-entry template would hold it: tokens joined by
// single blanks, a leading line number left out.
std::string NormalText(const SourceModel& m, const BabStatement& st) {
    std::string text;
    for (long t = st.FirstToken; t <= st.LastToken; ++t) {
        if (t == st.FirstToken && vb::IsNumeric(Piece(m, t))) continue;
        text += Piece(m, t);
        text += ' ';
    }
    text = vb::Trim(vb::Replace(text, " . ", "."));
    text = vb::Trim(vb::Replace(text, " ,", ","));
    if (text == "End If") text.clear();
    return text;
}

// The comment lines right above declaration d that belong to it (tied to
// its line, no blank line between), after the place the declarations go
// to: they move with it. Those above that place stay there, at the head of
// the procedure.
std::vector<long> TiedComments(const SourceModel& m, long d, long firstDecl) {
    std::vector<long> comments;
    const BabStatement& decl = m.yStatement[static_cast<size_t>(d)];
    if (decl.RecordFirst < 1) return comments;
    for (long c = d - 1; c > firstDecl; --c) {
        const BabStatement& st = m.yStatement[static_cast<size_t>(c)];
        if (st.Class != StatementClass::Comment || st.RecordFirst < 1 ||
            static_cast<size_t>(st.RecordFirst) >= m.yRecord.size() ||
            m.yRecord[static_cast<size_t>(st.RecordFirst)].TiedTo != decl.RecordFirst)
            break;
        comments.insert(comments.begin(), c);
    }
    return comments;
}

// Moves the declarations, sorted, to the place of the first one, each with
// the comment lines that belong to it.
void MoveDeclarations(const SourceModel& m, std::vector<LocalDecl>& decls, long first, long last, long firstDecl,
                      long lastDecl,
                      StatementOrder& order) {
    std::vector<bool> moved(static_cast<size_t>(last - first + 1), false);
    std::unordered_map<long, std::vector<long>> comments;  // by declaration
    long n = 0;
    for (const LocalDecl& d : decls) {
        if (d.Index < first || d.Index > last || moved[static_cast<size_t>(d.Index - first)]) continue;
        moved[static_cast<size_t>(d.Index - first)] = true;
        ++n;
        std::vector<long> own = TiedComments(m, d.Index, firstDecl);
        for (long c : own) {
            moved[static_cast<size_t>(c - first)] = true;
            ++n;
        }
        if (!own.empty()) comments[d.Index] = std::move(own);
    }
    if (n == 0 || lastDecl < firstDecl + n - 1) return;
    std::vector<std::string> keys;
    keys.reserve(decls.size());
    for (const LocalDecl& d : decls) keys.push_back(d.Key);
    const std::vector<size_t> sorted = ExchangeSortOrder(keys);

    std::vector<SortedPiece> rearranged;
    rearranged.reserve(static_cast<size_t>(last - firstDecl + 1) + decls.size());
    StatementOrder::MovedComment neighbours;
    neighbours.LevelRecord = m.yStatement[static_cast<size_t>(order(firstDecl))].RecordFirst;
    for (size_t k : sorted) {
        auto own = comments.find(decls[k].Index);
        if (own != comments.end() && decls[k].Piece == 0) {
            neighbours.TiedRecord = m.yStatement[static_cast<size_t>(decls[k].Index)].RecordFirst;
            for (long c : own->second) {
                rearranged.push_back({c, 0, 1});
                order.MovedComments[c] = neighbours;
            }
        }
        rearranged.push_back({decls[k].Index, decls[k].Piece, decls[k].Pieces});
    }
    long count = n;
    for (long pos = firstDecl; pos <= last; ++pos) {
        long s = order(pos);
        if (s >= first && s <= last && moved[static_cast<size_t>(s - first)]) continue;
        rearranged.push_back({s, 0, 1});
        ++count;
    }
    if (count != last - firstDecl + 1) return;
    PlacePieces(rearranged, firstDecl, order);
}

void ArrangeProcedure(ZelkRun& run, long& first, long& last, StatementOrder& order, int procIndex) {
    oDebug->ClearStatus();
    const ZelkOptions& o = run.opt;
    SourceModel& m = run.model;
    const bool anyStep = o.gblnConvertDeclare || o.gblnConvertMsgBox || o.gblnConvertDAO || o.gblnNextVariable ||
                         o.gblnInsertErrHandling || o.gblnInsertTracing || o.gblnAnalyzeDates;
    // Logging needs the body start, where its entry lines go.
    if (!o.gblnDoLocals && !anyStep && !o.gblnInsertLogging) return;
    if (procIndex < 0 || static_cast<size_t>(procIndex) >= m.gtProcTable.size()) {
        OutOfBound("gtProcTable");
        return;
    }

    // Pass 1: the body start and the first declaration.
    long bodyStart = 0, firstDecl = 0, lastDecl = 0;
    for (long s = first; s <= last; ++s) {
        if (!InStatements(m, s)) {
            OutOfBound("yStatement");
            return;
        }
        BabStatement& st = m.yStatement[static_cast<size_t>(s)];
        if (st.FirstToken == 0) st.LastToken = 0;
        if (st.Class == StatementClass::Other || st.Class == StatementClass::ProcEnd) {
            if (bodyStart == 0) bodyStart = s;
        } else if (st.Class == StatementClass::Declaration) {
            if (firstDecl == 0) firstDecl = s;
            lastDecl = s;
        }
        if (bodyStart != 0 && firstDecl == 0) firstDecl = bodyStart;
    }
    if (bodyStart == 0) bodyStart = last - 1;
    m.gtProcTable[static_cast<size_t>(procIndex)].BodyStartRecord = bodyStart;

    // Pass 2: the declarations and the first Exit.
    // The statements past the file's last line have no tokens: the procedure
    // ends before them. The comment lines an inserted comment block took over
    // (the module's block above the first heading) have none either, but the
    // procedure goes on after them.
    long lastWithTokens = last;
    while (lastWithTokens >= first && m.yStatement[static_cast<size_t>(lastWithTokens)].FirstToken == 0)
        --lastWithTokens;
    std::vector<LocalDecl> decls;
    bool inConditional = false;
    for (long s = first; s <= last; ++s) {
        const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
        if (st.FirstToken == 0 && st.LastToken == 0) {
            if (s < lastWithTokens) continue;
            last = s - 1;
            break;
        }
        const long ft = st.FirstToken;
        if (!tokentext::InTokens(m, ft) || !tokentext::InTokens(m, st.LastToken)) {
            OutOfBound("yToken");
            return;
        }
        if (Piece(m, ft) == "#") {
            const std::string next = Upper(m, ft + 1);
            if (next == "IF") {
                inConditional = true;
                continue;
            }
            if (next == "END") {
                inConditional = false;
                continue;
            }
        }
        if (inConditional) continue;
        if (st.Class == StatementClass::Declaration) {
            // A declaration that something may jump to stays where the
            // jump lands.
            const bool detached = DetachesFromItsLine(run, s);
            if (!IsReDim(m, st) && (!LeadingLabelStays(run, st) || detached) &&
                (detached || !SharesItsLine(m, s, last))) {
                std::vector<LocalDecl> entries = DeclarationEntries(run, s, st);
                decls.insert(decls.end(), entries.begin(), entries.end());
            }
            continue;
        }
        ProcInfo& proc = m.gtProcTable[static_cast<size_t>(procIndex)];
        if (proc.BodyEndRecord == 0 && fblnTraceableExit(run, st)) proc.BodyEndRecord = s;
    }

    // Pass 3: conversions, date scan, error handler and trace recognition.
    if (anyStep) {
        const std::string traceText = o.gblnInsertTracing ? GetInsertText(run, "TraceOn", procIndex) : std::string();
        for (long s = std::max(bodyStart, first); s <= last; ++s) {
            if (m.yStatement[static_cast<size_t>(s)].Class != StatementClass::Other) continue;
            BabStatement st = m.yStatement[static_cast<size_t>(s)];
            const std::string normal = traceText.empty() ? std::string() : NormalText(m, st);
            if (o.gblnConvertMsgBox) sbConvertMsgbox(m, st);
            if (o.gblnConvertDAO) sbConvertDAO(m, st);
            if (o.gblnAnalyzeDates) ScanForY2K(run, st);
            ProcInfo& proc = m.gtProcTable[static_cast<size_t>(procIndex)];
            const long n = LeadingTokens(m, st);
            if (tokentext::Is(m, st.FirstToken + n, "ON") && tokentext::Is(m, st.FirstToken + n + 1, "ERROR"))
                proc.HasErrorHandler = true;
            if (!proc.HasTrace && !normal.empty() && traceText.find(normal) != std::string::npos)
                proc.HasTrace = true;
        }
    }

    if (o.gblnDoLocals) MoveDeclarations(m, decls, first, last, firstDecl, lastDecl, order);
}

}  // namespace

void FloatProcDeclarations(ZelkRun& run, long& first, long& last, StatementOrder& order, int procIndex) {
    TraceGuard trace(TraceKind::App, "FloatProcDeclarations");
    Trapped("FloatProcDeclarations", [&] { ArrangeProcedure(run, first, last, order, procIndex); });
}
