#include "LineSegments.h"

#include <string>

#include "engine/LabelReferences.h"
#include "engine/ZelkRun.h"
#include "analysis/SourceModel.h"
#include "analysis/StatementAnalysis.h"
#include "TokenText.h"
#include "platform/VBText.h"

namespace {

bool InStatements(const SourceModel& m, long s) {
    return s >= 1 && s <= m.glStmtCount && static_cast<size_t>(s) < m.yStatement.size();
}

const BabStatement& Stmt(const SourceModel& m, long s) { return m.yStatement[static_cast<size_t>(s)]; }

// The first statement of the line statement s stands on (the one that holds
// the line's records), and the line's last statement.
bool LineOf(const SourceModel& m, long s, long& first, long& last) {
    first = s;
    while (InStatements(m, first) && Stmt(m, first).RecordFirst == 0) --first;
    if (!InStatements(m, first) || Stmt(m, first).RecordFirst < 1) return false;
    last = first;
    while (InStatements(m, last + 1) && Stmt(m, last + 1).RecordFirst == 0 && Stmt(m, last + 1).FirstToken > 0)
        ++last;
    return true;
}


// The statement's first word, after a leading line number.
std::string FirstWord(const SourceModel& m, const BabStatement& st) {
    long t = st.FirstToken;
    if (st.Flags & stmtflag::kLabel) ++t;
    return tokentext::Upper(m, t);
}

// A statement that neither opens nor closes a block nor holds statements
// of its own: what follows it on the line stands at its level.
bool Plain(const SourceModel& m, const BabStatement& st) {
    if (st.Flags & (stmtflag::kOpensBlock | stmtflag::kClosesBlock)) return false;
    if (st.Class != StatementClass::Other && st.Class != StatementClass::Declaration) return false;
    static const char* const kBlockWords[] = {"IF",  "ELSE", "ELSEIF", "CASE", "SELECT", "WITH", "FOR",
                                              "DO",  "LOOP", "WHILE",  "WEND", "NEXT",   "END",  "#"};
    const std::string word = FirstWord(m, st);
    for (const char* w : kBlockWords)
        if (word == w) return false;
    return tokentext::Piece(m, st.FirstToken) != "#";
}

bool OnOneRecordWithoutComment(const SourceModel& m, const BabStatement& st) {
    for (long t = st.FirstToken; t <= st.LastToken && tokentext::InTokens(m, t); ++t) {
        const BabToken& tok = m.yToken[static_cast<size_t>(t)];
        if (tok.Class == TokenClass::NonCode && tok.Detail == tokdetail::kComment) return false;
        if (t < st.LastToken && (tok.FlagsOut & 1)) return false;
    }
    return true;
}

// A label that is not a number: it always goes on a line of its own.
bool TextLabel(const SourceModel& m, const BabStatement& st) {
    const std::string& label = tokentext::Piece(m, st.FirstToken);
    return (st.Flags & stmtflag::kLabel) && !label.empty() && !(label[0] >= '0' && label[0] <= '9') &&
           tokentext::Piece(m, st.FirstToken + 1) == ":";
}

bool IsReDim(const SourceModel& m, const BabStatement& st) {
    return st.Detail % 100 == 6 || FirstWord(m, st) == "REDIM";
}

bool Detaches(const ZelkRun& run, long s, long first, long last) {
    const ZelkOptions& o = run.opt;
    const SourceModel& m = run.model;
    if (first == last) return false;
    const BabStatement& st = Stmt(m, s);
    if (st.Class != StatementClass::Declaration || st.Detail / 100 != 3 || IsReDim(m, st)) return false;
    const BabStatement& lineStart = Stmt(m, first);
    if ((LeadingLabelStays(run, lineStart) && !TextLabel(m, lineStart)) ||
        (s != first && (st.Flags & stmtflag::kLabel)))
        return false;
    // Kept as it stands, a line's later statements take the column of its
    // code, which a number in front of it would shift.
    if (o.gblnAsIs && (lineStart.Flags & stmtflag::kLabel) && !TextLabel(m, lineStart)) return false;
    if (!OnOneRecordWithoutComment(m, st)) return false;
    for (long k = first; k < s; ++k)
        if (!Plain(m, Stmt(m, k))) return false;
    return s == last || Plain(m, Stmt(m, s + 1));
}

// The segment's last token: a ":" that ends it belongs to the split.
long SegmentEnd(const SourceModel& m, long s, long lineLast) {
    long t = Stmt(m, s).LastToken;
    if (s < lineLast && tokentext::Piece(m, t) == ":" && t > Stmt(m, s).FirstToken) --t;
    return t;
}

}  // namespace

bool LeadingLabelStays(const ZelkRun& run, const BabStatement& st) {
    const ZelkOptions& o = run.opt;
    const SourceModel& m = run.model;
    if (!(st.Flags & stmtflag::kLabel)) return false;
    const std::string& label = tokentext::Piece(m, st.FirstToken);
    const bool number = !label.empty() && label[0] >= '0' && label[0] <= '9';
    return !number || !(o.gblnInsertLineNumbers || o.gblnKillNumericLabels) || fblnLabelReferenced(run, label);
}

bool DetachesFromItsLine(const ZelkRun& run, long s) {
    const ZelkOptions& o = run.opt;
    const SourceModel& m = run.model;
    if (!o.gblnDoLocals || !o.gblnSplitMultiLines || !InStatements(m, s)) return false;
    long first = 0, last = 0;
    return LineOf(m, s, first, last) && Detaches(run, s, first, last);
}

bool LineSegmentOf(const ZelkRun& run, long s, LineSegment& segment) {
    const ZelkOptions& o = run.opt;
    const SourceModel& m = run.model;
    if (!o.gblnDoLocals || !o.gblnSplitMultiLines || !InStatements(m, s)) return false;
    long first = 0, last = 0;
    if (!LineOf(m, s, first, last) || first == last) return false;
    bool any = false;
    for (long k = first; k <= last && !any; ++k) any = Detaches(run, k, first, last);
    if (!any) return false;
    // s begins a segment when it detaches, or when the statement before it
    // on the line does (or it is the line's first).
    const bool own = Detaches(run, s, first, last);
    if (!own && s != first && !Detaches(run, s - 1, first, last)) return false;
    long end = s;
    if (!own)
        while (end < last && !Detaches(run, end + 1, first, last)) ++end;
    segment.FirstToken = Stmt(m, s).FirstToken;
    segment.CarriesLabel = false;
    if (TextLabel(m, Stmt(m, first))) {
        // The label stays where the line stood: the declaration leaves it
        // to the statements after it.
        if (s == first && own) segment.FirstToken += 2;
        segment.CarriesLabel = s == first + 1 && Detaches(run, first, first, last);
    }
    segment.LastToken = SegmentEnd(m, end, last);
    const BabStatement& line = Stmt(m, first);
    segment.RecordFirst = segment.RecordLast = 0;
    for (long r = line.RecordFirst; r <= line.RecordLast && r <= m.glRecordCount; ++r) {
        const BabRecord& rec = m.yRecord[static_cast<size_t>(r)];
        const long from = segment.CarriesLabel ? line.FirstToken : segment.FirstToken;
        if (rec.LastToken < from || rec.FirstToken > segment.LastToken) continue;
        if (segment.RecordFirst == 0) segment.RecordFirst = r;
        segment.RecordLast = r;
    }
    return segment.RecordFirst > 0;
}
