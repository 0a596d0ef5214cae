#include "LineSegments.h"

#include <string>

#include "engine/LabelReferences.h"
#include "analysis/SourceModel.h"
#include "analysis/StatementAnalysis.h"
#include "TokenText.h"
#include "platform/VBText.h"

namespace {

bool InStatements(long s) { return s >= 1 && s <= glStmtCount && static_cast<size_t>(s) < yStatement.size(); }

const BabStatement& Stmt(long s) { return yStatement[static_cast<size_t>(s)]; }

// The first statement of the line statement s stands on (the one that holds
// the line's records), and the line's last statement.
bool LineOf(long s, long& first, long& last) {
    first = s;
    while (InStatements(first) && Stmt(first).RecordFirst == 0) --first;
    if (!InStatements(first) || Stmt(first).RecordFirst < 1) return false;
    last = first;
    while (InStatements(last + 1) && Stmt(last + 1).RecordFirst == 0 && Stmt(last + 1).FirstToken > 0) ++last;
    return true;
}


// The statement's first word, after a leading line number.
std::string FirstWord(const BabStatement& st) {
    long t = st.FirstToken;
    if (st.Flags & stmtflag::kLabel) ++t;
    return tokentext::Upper(t);
}

// A statement that neither opens nor closes a block nor holds statements
// of its own: what follows it on the line stands at its level.
bool Plain(const BabStatement& st) {
    if (st.Flags & (stmtflag::kOpensBlock | stmtflag::kClosesBlock)) return false;
    if (st.Class != StatementClass::Other && st.Class != StatementClass::Declaration) return false;
    static const char* const kBlockWords[] = {"IF",  "ELSE", "ELSEIF", "CASE", "SELECT", "WITH", "FOR",
                                              "DO",  "LOOP", "WHILE",  "WEND", "NEXT",   "END",  "#"};
    const std::string word = FirstWord(st);
    for (const char* w : kBlockWords)
        if (word == w) return false;
    return tokentext::Piece(st.FirstToken) != "#";
}

bool OnOneRecordWithoutComment(const BabStatement& st) {
    for (long t = st.FirstToken; t <= st.LastToken && tokentext::InTokens(t); ++t) {
        const BabToken& tok = yToken[static_cast<size_t>(t)];
        if (tok.Class == TokenClass::NonCode && tok.Detail == tokdetail::kComment) return false;
        if (t < st.LastToken && (tok.FlagsOut & 1)) return false;
    }
    return true;
}

// A label that is not a number: it always goes on a line of its own.
bool TextLabel(const BabStatement& st) {
    const StoredText label = tokentext::Piece(st.FirstToken);
    return (st.Flags & stmtflag::kLabel) && !label.empty() && !(label[0] >= '0' && label[0] <= '9') &&
           tokentext::Piece(st.FirstToken + 1) == ":";
}

bool IsReDim(const BabStatement& st) { return st.Detail % 100 == 6 || FirstWord(st) == "REDIM"; }

bool Detaches(const ZelkOptions& o, long s, long first, long last) {
    if (first == last) return false;
    const BabStatement& st = Stmt(s);
    if (st.Class != StatementClass::Declaration || st.Detail / 100 != 3 || IsReDim(st)) return false;
    if ((LeadingLabelStays(o, Stmt(first)) && !TextLabel(Stmt(first))) || (s != first && (st.Flags & stmtflag::kLabel)))
        return false;
    // Kept as it stands, a line's later statements take the column of its
    // code, which a number in front of it would shift.
    if (o.gblnAsIs && (Stmt(first).Flags & stmtflag::kLabel) && !TextLabel(Stmt(first))) return false;
    if (!OnOneRecordWithoutComment(st)) return false;
    for (long k = first; k < s; ++k)
        if (!Plain(Stmt(k))) return false;
    return s == last || Plain(Stmt(s + 1));
}

// The segment's last token: a ":" that ends it belongs to the split.
long SegmentEnd(long s, long lineLast) {
    long t = Stmt(s).LastToken;
    if (s < lineLast && tokentext::Piece(t) == ":" && t > Stmt(s).FirstToken) --t;
    return t;
}

}  // namespace

bool LeadingLabelStays(const ZelkOptions& o, const BabStatement& st) {
    if (!(st.Flags & stmtflag::kLabel)) return false;
    const StoredText label = tokentext::Piece(st.FirstToken);
    const bool number = !label.empty() && label[0] >= '0' && label[0] <= '9';
    return !number || !(o.gblnInsertLineNumbers || o.gblnKillNumericLabels) || fblnLabelReferenced(label.str());
}

bool DetachesFromItsLine(const ZelkOptions& o, long s) {
    if (!o.gblnDoLocals || !o.gblnSplitMultiLines || !InStatements(s)) return false;
    long first = 0, last = 0;
    return LineOf(s, first, last) && Detaches(o, s, first, last);
}

bool LineSegmentOf(const ZelkOptions& o, long s, LineSegment& segment) {
    if (!o.gblnDoLocals || !o.gblnSplitMultiLines || !InStatements(s)) return false;
    long first = 0, last = 0;
    if (!LineOf(s, first, last) || first == last) return false;
    bool any = false;
    for (long k = first; k <= last && !any; ++k) any = Detaches(o, k, first, last);
    if (!any) return false;
    // s begins a segment when it detaches, or when the statement before it
    // on the line does (or it is the line's first).
    const bool own = Detaches(o, s, first, last);
    if (!own && s != first && !Detaches(o, s - 1, first, last)) return false;
    long end = s;
    if (!own)
        while (end < last && !Detaches(o, end + 1, first, last)) ++end;
    segment.FirstToken = Stmt(s).FirstToken;
    segment.CarriesLabel = false;
    if (TextLabel(Stmt(first))) {
        // The label stays where the line stood: the declaration leaves it
        // to the statements after it.
        if (s == first && own) segment.FirstToken += 2;
        segment.CarriesLabel = s == first + 1 && Detaches(o, first, first, last);
    }
    segment.LastToken = SegmentEnd(end, last);
    const BabStatement& line = Stmt(first);
    segment.RecordFirst = segment.RecordLast = 0;
    for (long r = line.RecordFirst; r <= line.RecordLast && r <= glRecordCount; ++r) {
        const BabRecord& rec = yRecord[static_cast<size_t>(r)];
        const long from = segment.CarriesLabel ? line.FirstToken : segment.FirstToken;
        if (rec.LastToken < from || rec.FirstToken > segment.LastToken) continue;
        if (segment.RecordFirst == 0) segment.RecordFirst = r;
        segment.RecordLast = r;
    }
    return segment.RecordFirst > 0;
}
