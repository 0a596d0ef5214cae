#include "RecordGroups.h"

#include "analysis/AnalyserLog.h"
#include "common/AppIdentity.h"
#include "common/ErrorTrap.h"
#include "analysis/KeywordTable.h"
#include "analysis/RecordReader.h"
#include "analysis/StatementAnalysis.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

// Each branch of an #If starts at the #If's level, and after the #End If the
// code goes on from the first branch's end, so a block opened in every branch
// counts once.
void FollowDirective(SourceParse& p, std::string_view verbText) {
    long& level = p.runningLevel;
    if (verbText == "If") {
        p.directives.push_back({level, 0, false});
        return;
    }
    if (p.directives.empty()) return;
    DirectiveFrame& frame = p.directives.back();
    if (verbText == "End") {
        if (frame.otherBranch) level = frame.levelAfterFirst;
        p.directives.pop_back();
        return;
    }
    if (!frame.otherBranch) frame.levelAfterFirst = level;
    frame.otherBranch = true;
    level = frame.levelAtIf;
}

// A statement that is only a label or a line number with its ":".
bool IsLabelOnly(const BabStatement& st) { return (st.Flags & stmtflag::kLabel) && st.Verb == 0; }

// The statement's verb is the keyword (an index of BabVerbKeyWords).
bool VerbIs(const BabStatement& st, const std::vector<BabToken>& tok, long keyWord) {
    return st.Verb && IsKeyWordIndex(tok[static_cast<size_t>(st.Verb)].pKeyWord, keyWord);
}

// The blocks a statement closes before it: its own, and one more for each
// further loop variable of a Next.
void CloseBlocks(long& level, BabStatement& x, std::vector<BabToken>& tok) {
    if (x.Flags & stmtflag::kClosesBlock) --level;
    if (VerbIs(x, tok, BabVerbKeyWords().Next)) OutdentMultipleNext(level, x, tok);
}

// What the statements of a code line from `lead` (the first one after any
// label) to `last` do to the level after the line's own level, which already
// holds what `lead` closes: each block opened counts, and each block a later
// statement closes, so that the line leaves the level it would leave once
// split at its ":". What follows a single-line If belongs to it.
long LevelChangeOfLine(std::vector<BabStatement>& st, long lead, long last, std::vector<BabToken>& tok) {
    long change = 0;
    for (long k = lead; k <= last; ++k) {
        BabStatement& x = st[static_cast<size_t>(k)];
        if (k > lead) CloseBlocks(change, x, tok);
        if (VerbIs(x, tok, BabVerbKeyWords().If) && (!(x.Flags & stmtflag::kOpensBlock) || k < last)) break;
        if (x.Flags & stmtflag::kOpensBlock) ++change;
    }
    return change;
}

void ReportInternalError(const std::string& procName, const std::string& what) {
    std::string text = procName + " -- Internal Error" + "\r\n\r\n" + what + "\r\n" + "More information follows...";
    LogErrorBlock(text);
    if (oDebug->DontFixDataErrors) {
        Ui().MsgBox(text, mb::vbOKOnly | mb::vbExclamation, app::kTitle);
        oDebug->StatusCode = 6;
    }
}

bool IsDirective(std::string_view verbText) {
    return verbText == "If" || verbText == "ElseIf" || verbText == "Else" || verbText == "End";
}

// Called with tracing on only: the check stays at the call, so that with
// tracing off the building of the trace costs nothing.
void TraceGroup(const SourceParse& p, long firstRecord, long lastRecord, long recBefore, long stBefore,
                long tokBefore, long comments) {
    const long runningLevel = p.runningLevel;
    const std::vector<BabRecord>& rec = p.model.yRecord;
    const long recCount = p.model.glRecordCount, stCount = p.model.glStmtCount, tokCount = p.model.glTokenCount;
    BabTrace("IndentLevel=" + Num(runningLevel) + "\r\n Records/new Records=" + Num(recCount) + " / " +
             Num(recCount - recBefore) + "\r\n Statements/new Statements=" + Num(stCount) + " / " +
             Num(stCount - stBefore) + "\r\n Tokens/new Tokens=" + Num(tokCount) + " / " + Num(tokCount - tokBefore));
    for (long r = firstRecord; r <= lastRecord; ++r) {
        const BabRecord& x = rec[static_cast<size_t>(r)];
        BabTrace("Record-" + Num(r) + "...  FirstS/FirstT=" + Num(x.FirstStmt) + " / " + Num(x.FirstToken) +
                 "  Indent=" + Num(x.IndentLevel) + "  LastS/LastT=" + Num(x.LastStmt) + " / " + Num(x.LastToken) +
                 "  TiedTo=" + Num(x.TiedTo));
    }
    if (comments > 0) BabTrace("Comments read=" + Num(comments));
}

}  // namespace

void BabParseRecord(SourceParse& p) {
    TraceGuard trace(TraceKind::ZurudUvu, "BabParseRecord");
    LineReader& file = p.input;
    SourceModel& m = p.model;
    std::vector<BabRecord>& rec = m.yRecord;
    std::vector<BabStatement>& st = m.yStatement;
    std::vector<BabToken>& tok = m.yToken;
    long& recCount = m.glRecordCount;
    long& stCount = m.glStmtCount;
    long& tokCount = m.glTokenCount;
    long& runningLevel = p.runningLevel;
    if (BabTraceOn()) BabTrace("IndentLevel=" + Num(runningLevel));
    if (!BabIsInitialised()) RaiseStatus(2, oDebug->ReasonCode, "BabParseRecord");
    if (file.Eof()) {
        oDebug->StatusCode = 11;
        return;
    }
    BabFileFlags& f = m.gtBabFlags;
    if (recCount == 0) {
        runningLevel = 0;
        p.directives.clear();
        f.FormDescription = f.BeginBlock = false;
    }
    const long groupFirst = recCount + 1;
    const long recBefore = recCount, stBefore = stCount, tokBefore = tokCount;
    auto at = [&](long t) -> BabToken& { return tok[static_cast<size_t>(t)]; };
    // The record of the line just read: the last one, or the one before the
    // blank record that follows the end of the file.
    auto lineRecord = [&] { return recCount > 0 && rec[static_cast<size_t>(recCount)].FirstToken == 0 ? recCount - 1 : recCount; };

    // Leading comment and blank lines: one statement each (a comment continued
    // with "_" stays one statement).
    bool commentContinues = false;
    long comments = 0;
    long c = 0;
    while (true) {
        ReadRecordExtractTokens(p, commentContinues);
        if (oDebug->StatusCode == 4) return;
        long r = lineRecord();
        BabRecord& record = rec[static_cast<size_t>(r)];
        const BabToken& head = at(record.FirstToken);
        if (!IsCommentOrBlank(head)) {
            c = r;
            break;
        }
        ++comments;
        if (commentContinues) {
            commentContinues = false;
            st[static_cast<size_t>(stCount)].LastToken = record.FirstToken;
            at(record.FirstToken).Statement = stCount;
        } else {
            long first = record.FirstToken;
            AnalyzeStatement(m, first, tokCount);
            st[static_cast<size_t>(stCount)].RecordFirst = r;
        }
        st[static_cast<size_t>(stCount)].RecordLast = r;
        record.FirstStmt = record.LastStmt = stCount;
        record.IndentLevel = runningLevel;
        if (head.Class == TokenClass::NonCode && head.Detail == tokdetail::kComment && head.FlagsOut == 1)
            commentContinues = true;
        if (file.Eof()) {
            // The file ends with comment or blank lines: the group has no
            // code line, and the blank end record stays blank.
            if (BabTraceOn()) TraceGroup(p, groupFirst, r, recBefore, stBefore, tokBefore, comments);
            return;
        }
    }

    // The code line and its continuation lines.
    const long s = stCount + 1;
    long last = c;
    while (!file.Eof() && (at(tokCount).FlagsOut & 1)) {
        ReadRecordExtractTokens(p, false);
        if (oDebug->StatusCode == 4) return;
        last = lineRecord();
    }

    long first = rec[static_cast<size_t>(c)].FirstToken;
    while (first <= tokCount) AnalyzeStatement(m, first, tokCount);

    for (long r = c; r <= last; ++r) {
        BabRecord& record = rec[static_cast<size_t>(r)];
        record.FirstStmt = s;
        record.LastStmt = stCount;
        if (r == c) continue;
        record.FirstStmt = rec[static_cast<size_t>(r) - 1].FirstStmt;
        for (long t = record.FirstToken + 1; t <= record.LastToken; ++t) {
            if (at(t).FlagsMisc & tokflag::kFirstOfStatement) {
                record.FirstStmt = at(t).Statement;
                break;
            }
        }
    }
    BabStatement& code = st[static_cast<size_t>(s)];
    code.RecordFirst = c;
    code.RecordLast = last;

    const std::string_view verbText = code.Verb ? at(code.Verb).Piece.view() : std::string_view();
    bool directive = at(rec[static_cast<size_t>(c)].FirstToken).Piece == "#" && IsDirective(verbText);
    // A line that begins with a label: the statement after it sets the level.
    long lead = s;
    while (lead < stCount && IsLabelOnly(st[static_cast<size_t>(lead)])) ++lead;
    BabStatement& leading = st[static_cast<size_t>(lead)];
    if (directive) {
        // Conditional-compilation lines stand at level 0; the code of each
        // branch goes on from the level before the #If.
        code.Flags = 0;
        for (long r = groupFirst; r <= last; ++r) rec[static_cast<size_t>(r)].IndentLevel = 0;
        FollowDirective(p, verbText);
    } else {
        if (leading.Flags & stmtflag::kClosesBlock) {
            --runningLevel;
            if (runningLevel < 1) f.FormDescription = f.BeginBlock = false;
        }
        if (VerbIs(leading, tok, BabVerbKeyWords().Next)) OutdentMultipleNext(runningLevel, leading, tok);
        if (runningLevel < 0) {
            ReportInternalError("BabParseRecord", "Indent-level < 0.");
            if (!oDebug->DontFixDataErrors) runningLevel = 0;
        }
        for (long r = groupFirst; r <= last; ++r) rec[static_cast<size_t>(r)].IndentLevel = runningLevel;
    }

    // Comment lines just above the code line belong to it.
    if (code.Class == StatementClass::ProcHeading) {
        long firstRecord = groupFirst;
        FindStartOfProc(firstRecord, rec, c, st);
    } else {
        for (long r = c - 1; r >= groupFirst; --r) {
            BabRecord& record = rec[static_cast<size_t>(r)];
            if (st[static_cast<size_t>(record.FirstStmt)].Class == StatementClass::Blank) break;
            record.TiedTo = c;
            record.TiedBack = groupFirst - 1;
        }
    }

    if (!directive) {
        if (code.Class == StatementClass::ProcHeading && !(code.Flags & stmtflag::kOpensBlock)) runningLevel = 0;
        long change = LevelChangeOfLine(st, lead, stCount, tok);
        runningLevel += change;
        if (change < 0 && runningLevel < 0) {
            ReportInternalError("BabParseRecord", "Indent-level < 0.");
            if (!oDebug->DontFixDataErrors) runningLevel = 0;
        }
        // A one-line If or a loop closed on the same line opens no block.
        if ((code.Flags & stmtflag::kOpensBlock) && stCount > s &&
            (vb::EqualsNoCase(verbText, "IF") || (st[static_cast<size_t>(stCount)].Flags & stmtflag::kClosesBlock)))
            code.Flags &= ~stmtflag::kOpensBlock;
    }
    if (BabTraceOn()) TraceGroup(p, groupFirst, last, recBefore, stBefore, tokBefore, comments);
}

void FindStartOfProc(long& first, std::vector<BabRecord>& rec, long& heading, std::vector<BabStatement>& st) {
    TraceGuard trace(TraceKind::ZurudUvu, "FindStartOfProc");
    if (BabTraceOn()) BabTrace("First=" + Num(first) + "\r\n Records=" + Num(heading));
    long b = first;
    for (long r = first; r < heading; ++r) {
        if (st[static_cast<size_t>(rec[static_cast<size_t>(r)].FirstStmt)].Class == StatementClass::Blank) {
            b = r;
            break;
        }
    }
    st[static_cast<size_t>(rec[static_cast<size_t>(b)].FirstStmt)].Flags |= stmtflag::kProcStart;
    for (long r = b; r < heading; ++r) rec[static_cast<size_t>(r)].TiedTo = heading;
    if (BabTraceOn()) BabTrace("StartOfProc=" + Num(b));
}

void OutdentMultipleNext(long& level, BabStatement& next, std::vector<BabToken>& tok) {
    TraceGuard trace(TraceKind::ZurudUvu, "OutdentMultipleNext");
    if (BabTraceOn()) BabTrace("Indent=" + Num(level));
    long depth = 0;
    for (long t = next.Verb + 1; t <= next.LastSignificant; ++t) {
        const StoredText p = tok[static_cast<size_t>(t)].Piece;
        if (p == "(") {
            ++depth;
        } else if (p == ")") {
            if (--depth < 0) {
                ReportInternalError("OutdentMultipleNext", "Paren-level < 0.");
                if (oDebug->DontFixDataErrors) RaiseStatus(6, oDebug->ReasonCode, "OutdentMultipleNext");
                depth = 0;
            }
        } else if (p == "," && depth == 0) {
            --level;
        }
    }
    if (BabTraceOn()) BabTrace("Indent=" + Num(level));
}
