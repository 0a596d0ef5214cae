#include "analysis/StatementAnalysis.h"

#include "analysis/AnalyserLog.h"
#include "analysis/KeywordTable.h"
#include "common/Trace.h"
#include "platform/VBText.h"

namespace {

bool UpperIs(const BabToken& t, std::string_view word) { return vb::EqualsNoCase(t.Piece, word); }

void Mark(BabToken& t) {
    t.Class = TokenClass::NonCode;
    t.Detail = tokdetail::kLabelReference;
}

// The verb: the first qualifying verb keyword (a scope word such as Private
// lets a later verb replace it), or the "=" of an assignment without LET.
long FindVerb(std::vector<BabToken>& tok, long start, long last) {
    const VerbKeyWords& kw = BabVerbKeyWords();
    long verb = 0;
    for (long t = start; t <= last; ++t) {
        BabToken& token = tok[static_cast<size_t>(t)];
        if (token.IsKeyWord) {
            const BabKeyWord& k = BabKeyWordAt(token.pKeyWord);
            if (k.Class != 'V') continue;
            // VERSION is the verb of a file's header line ("VERSION 5.00");
            // elsewhere it is a name, as in "version = GetVersion(a)".
            if (IsKeyWordIndex(token.pKeyWord, kw.Version) && !(t < last && tok[static_cast<size_t>(t) + 1].Class == TokenClass::Literal))
                continue;
            bool qualifies = t == start || (t == start + 1 && tok[static_cast<size_t>(start)].Piece == "#");
            if (!qualifies && t > start) {
                const BabToken& before = tok[static_cast<size_t>(t) - 1];
                if (before.IsKeyWord) {
                    const BabKeyWord& b = BabKeyWordAt(before.pKeyWord);
                    qualifies = b.ScanForVerb || b.ClassOverride;
                }
            }
            if (!qualifies) continue;
            verb = t;
            if (!k.ClassOverride) return verb;
        } else if (token.Piece == "=") {
            token.pKeyWord = BabLetIndex();
            return t;
        }
    }
    return verb;
}

long DeclarationKind(long verb, const VerbKeyWords& kw) {
    if (IsKeyWordIndex(verb, kw.Const)) return 1;
    if (IsKeyWordIndex(verb, kw.Declare)) return 2;
    if (IsKeyWordIndex(verb, kw.Dim)) return 3;
    if (IsKeyWordIndex(verb, kw.Private)) return 4;
    if (IsKeyWordIndex(verb, kw.Global) || IsKeyWordIndex(verb, kw.Public)) return 5;
    if (IsKeyWordIndex(verb, kw.ReDim)) return 6;
    if (IsKeyWordIndex(verb, kw.Static)) return 7;
    if (IsKeyWordIndex(verb, kw.Event)) return 8;
    return 0;
}

// Called with tracing on only: the check stays at the call, so that with
// tracing off the building of the trace costs nothing.
void TraceStatement(const BabStatement& s, long first) {
    BabTrace("Tokens (Next)=" + Num(first));
    BabTrace(" Statement...\r\n  Class=" + Num(CodeOf(s.Class)) + "\r\n  Detail=" + Num(s.Detail) + "\r\n  Flags=" +
             Num(s.Flags) + "\r\n  FirstToken=" + Num(s.FirstToken) + "\r\n  LastToken=" + Num(s.LastToken) +
             "\r\n  LastSignificant=" + Num(s.LastSignificant) + "\r\n  Verb=" + Num(s.Verb));
}

}  // namespace

void AnalyzeStatement(SourceModel& m, long& first, long groupLast) {
    TraceGuard trace(TraceKind::ZurudUvu, "AnalyzeStatement");
    if (BabTraceOn()) BabTrace("Tokens (First)=" + Num(first));
    std::vector<BabToken>& tok = m.yToken;
    std::vector<BabStatement>& stmts = m.yStatement;
    BabFileFlags& f = m.gtBabFlags;

    long n = ++m.glStmtCount;
    RoomFor(stmts, n);
    BabStatement s;
    s.FirstToken = first;
    BabToken& head = tok[static_cast<size_t>(first)];
    head.FlagsMisc |= tokflag::kFirstOfStatement;

    auto finish = [&] {
        stmts[static_cast<size_t>(n)] = s;
        if (BabTraceOn()) TraceStatement(s, first);
    };

    if (IsCommentOrBlank(head)) {
        s.Class = head.Detail == tokdetail::kComment ? StatementClass::Comment : StatementClass::Blank;
        for (long t = first; t <= groupLast; ++t) tok[static_cast<size_t>(t)].Statement = n;
        s.LastToken = groupLast;
        first = groupLast + 1;
        finish();
        return;
    }

    long start = first;
    if (head.Class == TokenClass::NonCode && head.Detail == tokdetail::kLeadingLabel) {
        head.Statement = n;
        s.Flags |= stmtflag::kLabel;
        // A label ("Start:") is followed by its colon; a line number is not.
        bool isLabel = !head.Piece.empty() && static_cast<unsigned char>(head.Piece[0]) > '9';
        start = first + (isLabel ? 2 : 1);
        if (isLabel && first + 1 <= groupLast) tok[static_cast<size_t>(first) + 1].Statement = n;
    }

    s.LastToken = groupLast;
    first = groupLast + 1;
    for (long t = start; t <= groupLast; ++t) {
        BabToken& token = tok[static_cast<size_t>(t)];
        token.Statement = n;
        if (token.Class != TokenClass::NonCode && token.Class != TokenClass::Colon) s.LastSignificant = t;
        if (token.Class == TokenClass::Colon && token.Detail == tokdetail::kSeparator) {
            s.LastToken = t;
            first = t + 1;
            break;
        }
    }

    s.Verb = start <= s.LastToken ? FindVerb(tok, start, s.LastToken) : 0;
    const BabToken* verb = s.Verb ? &tok[static_cast<size_t>(s.Verb)] : nullptr;
    // The verb's keyword, by its index in the keyword table.
    const VerbKeyWords& kw = BabVerbKeyWords();
    const long verbKw = verb ? verb->pKeyWord : 0;
    auto verbIs = [&](long keyWord) { return IsKeyWordIndex(verbKw, keyWord); };

    // Module-description lines.
    if (!f.InType && verb && verb->pKeyWord != 0) {
        if (verbIs(kw.Attribute)) {
            s.Class = StatementClass::ModuleDescription;
        } else if (verbIs(kw.Begin)) {
            bool alone = s.Verb == start && s.LastSignificant == s.Verb;
            if (alone) f.BeginBlock = true;
            else f.FormDescription = true;
        } else if (verbIs(kw.Version)) {
            s.Class = StatementClass::ModuleDescription;
            if (s.LastToken == 2) f.FormDescription = true;
        }
    }
    if (f.FormDescription) s.Flags |= stmtflag::kFormDescription;
    else if (f.BeginBlock) s.Class = StatementClass::ModuleDescription;

    if (!verb) {
        if (f.InType) {
            s.Class = StatementClass::Declaration;
            s.Detail = 109;
        } else if (f.InEnum) {
            s.Class = StatementClass::Declaration;
            s.Detail = 112;
        }
        finish();
        return;
    }

    // Procedure headings and ends.
    auto next = [&](long t) -> const BabToken* { return t < s.LastToken ? &tok[static_cast<size_t>(t) + 1] : nullptr; };
    const BabToken* after = next(s.Verb);
    if (verbIs(kw.Sub) || verbIs(kw.Function) ||
        (verbIs(kw.Property) && after && (UpperIs(*after, "LET") || UpperIs(*after, "GET") || UpperIs(*after, "SET")))) {
        s.Class = StatementClass::ProcHeading;
        f.InProcedure = true;
    } else if (verbIs(kw.End) && after &&
               (UpperIs(*after, "SUB") || UpperIs(*after, "FUNCTION") || UpperIs(*after, "PROPERTY"))) {
        s.Class = StatementClass::ProcEnd;
        f.InProcedure = false;
    }

    // Declarations, Type and Enum blocks.
    const BabStatement& previous = stmts[static_cast<size_t>(n) - 1];
    if (long kind = DeclarationKind(verbKw, kw)) {
        const BabToken& before = tok[static_cast<size_t>(s.Verb) - 1];
        bool publicWord = verbIs(kw.Public) || verbIs(kw.Global) ||
                          (s.Verb > start && before.IsKeyWord &&
                           (IsKeyWordIndex(before.pKeyWord, kw.Public) || IsKeyWordIndex(before.pKeyWord, kw.Global)));
        long base = publicWord ? 100 : (f.InProcedure ? 300 : 200);
        s.Class = StatementClass::Declaration;
        s.Detail = base + kind;
    } else {
        if (f.InType) {
            s.Class = StatementClass::Declaration;
            s.Detail = 111;
        } else if (verbIs(kw.End) && previous.Detail == 109) {
            s.Class = StatementClass::Declaration;
            s.Detail = 110;
        }
        if (f.InEnum) {
            s.Class = StatementClass::Declaration;
            s.Detail = 114;
        } else if (verbIs(kw.End) && previous.Detail == 112) {
            s.Class = StatementClass::Declaration;
            s.Detail = 113;
        }
    }

    if (verbIs(kw.GoSub) || verbIs(kw.GoTo) || verbIs(kw.If) || verbIs(kw.On) || verbIs(kw.Resume))
        ScanForLabelReferences(verb->pKeyWord, s, tok);

    // Block flags.
    const BabKeyWord& k = BabKeyWordAt(verb->pKeyWord);
    bool formFlag = f.FormDescription || f.BeginBlock;
    const BabToken* lastSig = s.LastSignificant ? &tok[static_cast<size_t>(s.LastSignificant)] : nullptr;
    if (k.Indent) {
        bool opens;
        if (verbIs(kw.Begin) || verbIs(kw.BeginProperty)) opens = formFlag;
        else if (verbIs(kw.If)) opens = lastSig && UpperIs(*lastSig, "THEN");
        else opens = !formFlag;
        if (opens) s.Flags |= stmtflag::kOpensBlock;
    }
    if (k.KeepLeadingComments) s.Flags |= stmtflag::kKeepLeadingComments;
    if (k.Outdent) {
        bool closes;
        if (verbIs(kw.End)) {
            closes = lastSig && (formFlag || !(UpperIs(*lastSig, "END") || UpperIs(*lastSig, "FUNCTION") ||
                                               UpperIs(*lastSig, "PROPERTY") || UpperIs(*lastSig, "SUB")));
        } else if (verbIs(kw.EndProperty)) {
            closes = f.FormDescription;
        } else {
            closes = (f.FormDescription || f.InType) ? verbIs(kw.Else) : true;
        }
        if (closes) s.Flags |= stmtflag::kClosesBlock;
    }
    finish();
}

void ScanForLabelReferences(long verbKeyWord, BabStatement& s, std::vector<BabToken>& tok) {
    TraceGuard trace(TraceKind::ZurudUvu, "ScanForLabelReferences");
    const VerbKeyWords& kw = BabVerbKeyWords();
    auto verbIs = [&](long keyWord) { return IsKeyWordIndex(verbKeyWord, keyWord); };
    const long last = s.LastSignificant;
    auto at = [&](long t) -> BabToken& { return tok[static_cast<size_t>(t)]; };
    long i = s.Verb + 1;

    if (verbIs(kw.GoSub) || verbIs(kw.GoTo)) {
        if (i <= last) Mark(at(i));
    } else if (verbIs(kw.If)) {
        if (last == 0 || UpperIs(at(last), "THEN")) return;
        long then = 0;
        for (long t = i; t <= last && !then; ++t)
            if (UpperIs(at(t), "THEN")) then = t;
        if (then == 0 || then >= last) return;
        // The target after Then or Else, with or without GoTo, when it is a
        // line number.
        auto markTarget = [&](long j) {
            if (j <= last && UpperIs(at(j), "GOTO")) ++j;
            if (j <= last && at(j).Class == TokenClass::Literal && at(j).Detail == tokdetail::kNumber) Mark(at(j));
            return j;
        };
        long j = markTarget(then + 1);
        for (long t = j + 1; t <= last; ++t) {
            if (UpperIs(at(t), "ELSE")) {
                if (t < last) markTarget(t + 1);
                break;
            }
        }
    } else if (verbIs(kw.On)) {
        if (i + 1 <= last && UpperIs(at(i), "ERROR") && UpperIs(at(i + 1), "GOTO")) {
            if (i + 2 <= last) Mark(at(i + 2));
            return;
        }
        for (long t = i; t <= last; ++t) {
            if (UpperIs(at(t), "GOTO") || UpperIs(at(t), "GOSUB")) {
                for (long r = t + 1; r <= last; ++r)
                    if (at(r).Piece != ",") Mark(at(r));
                break;
            }
        }
    } else if (verbIs(kw.Resume)) {
        if (i <= last && !UpperIs(at(i), "NEXT")) Mark(at(i));
    }
}
