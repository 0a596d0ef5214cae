// Splitting a record into several lines: at the ":" between statements and
// after the Then (and around the Else) of a single-line If. Split-off lines
// get the columns the block layout gives them when the output is zelked
// again, so that zelking twice changes nothing more.
#include "engine/EngineState.h"
#include "engine/FileLog.h"
#include "analysis/KeywordTable.h"
#include "SourceLineFormatter.h"
#include "analysis/SourceModel.h"
#include "platform/VBText.h"

namespace {

// Whether a statement opens a block for the statements after it on its line.
bool Opens(const SourceModel& m, const BabStatement& st) {
    if (st.Verb <= 0) return false;
    const BabToken& verb = m.yToken[static_cast<size_t>(st.Verb)];
    const BabKeyWord& kw = BabKeyWordAt(verb.pKeyWord);
    if (!kw.Indent) return false;
    // A single-line If holds its statements; only a block If opens.
    if (kw.KeyWord == "IF")
        return st.LastSignificant > 0 &&
               vb::EqualsNoCase(m.yToken[static_cast<size_t>(st.LastSignificant)].Piece, "THEN");
    return true;
}

// How many blocks a statement closes before it: one for End ..., Loop, Wend,
// Next, Case and Else, and one more for each further variable of a Next.
long Closes(const SourceModel& m, const BabStatement& st) {
    long n = (st.Flags & stmtflag::kClosesBlock) ? 1 : 0;
    if (st.Verb > 0 && BabKeyWordAt(m.yToken[static_cast<size_t>(st.Verb)].pKeyWord).KeyWord == "NEXT") {
        long depth = 0;
        for (long t = st.Verb + 1; t <= st.LastSignificant; ++t) {
            const StoredText p = m.yToken[static_cast<size_t>(t)].Piece;
            if (p == "(") ++depth;
            else if (p == ")") --depth;
            else if (p == "," && depth <= 0) ++n;
        }
    }
    return n;
}

const BabStatement& StatementAt(const SourceModel& m, long index) {
    static const BabStatement none;
    const bool inside = index > 0 && static_cast<size_t>(index) < m.yStatement.size();
    return inside ? m.yStatement[static_cast<size_t>(index)] : none;
}

}  // namespace

bool SourceLineFormatter::ColonSplitAllowed() const {
    // Inside a single-line If only the split If itself may be split further;
    // a nested single-line If keeps the rest of the record.
    if (fIfLine_) return run_.opt.gblnSplitIfs && !ifStack_.empty() && !ifFrozen_;
    return !protectColons_;
}

// The column of a statement split off at ":": the column its own kind of
// statement gets at the level the line gives it when read again. That level
// is the previous statement's, one in after a statement that opens a block
// (For, Do, With, Case, Else, and a Select whose Cases sit one in), one out
// for each block the new statement closes. With the layout kept as it is, the
// previous statement's column stands for its level.
long SourceLineFormatter::ColumnAfterColon(long& adj) {
    long before = Tok(i_ - 1).Statement;
    const BabStatement& p = before == s_ ? st_ : StatementAt(m_, before);
    const BabStatement& n = OwnStatement();
    long depth = (Opens(m_, p) ? 1 : 0) - Closes(m_, n);
    if (run_.opt.gblnAsIs) {
        adj = 0;
        return std::max(0L, stmtCol_ - stmtAdj_ + run_.opt.giIndentAmount * depth);
    }
    const VerbKeyWords& kw = kw_;
    if (run_.opt.giCaseStructure == CaseStructure::OneLevelIn && p.Verb > 0 &&
        IsKeyWordIndex(Tok(p.Verb).pKeyWord, kw.Select))
        ++depth;
    stmtLevelCol_ = std::max(0L, stmtLevelCol_ + run_.opt.giIndentAmount * depth);
    bool procLine = false;
    long kindColumn = ColumnOfKind(cur_->pKeyWord, n, procLine);
    long col = kindColumn >= 0 ? kindColumn : stmtLevelCol_;
    if (IsKeyWordIndex(cur_->pKeyWord, kw.Select) && run_.opt.giCaseStructure == CaseStructure::OneLevelIn)
        ++carry_.iCaseOffset;
    long adjusted = AdjustColumn(cur_->pKeyWord, col);
    adj = adjusted - col;
    long numberColumn = run_.glLineNumberWidth >= 1 && !run_.opt.gblnInsertLineNumbers ? run_.glLineNumberWidth : 0;
    return numberColumn + adjusted;
}

// The line is left whole: the warning names it.
void SourceLineFormatter::WarnSplitRefused() {
    if (refusedWarned_) return;
    refusedWarned_ = true;
    sbLogLine(run_, line_ + " Procedure: " + run_.gsCurrentProc, true);
}

void SourceLineFormatter::SplitAtColon() {
    if (!IsCharText(prev_->Piece, ':') || !fColon_ || !run_.opt.gblnSplitMultiLines || IsCharText(cur_->Piece, '='))
        return;
    // Never after a label's colon, never before a comment or trailing blanks.
    if (i_ >= 2 && Tok(i_ - 2).Detail == tokdetail::kLeadingLabel) return;
    if (IsCommentOrBlank(*cur_)) return;
    if (!ColonSplitAllowed()) {
        WarnSplitRefused();
        return;
    }
    long adj = 0;
    long col = ColumnAfterColon(adj);
    if (!line_.empty() && line_.back() == ':') line_.pop_back();
    line_ = vb::RTrim(line_);
    Flush();
    stmtLine_ = out_.size();
    splitOffStmt_ = OwnStatementIndex();
    if (fIfLine_ && lineClass_.gblnIfOpen) lineClass_.gblnSplitIfPending = true;
    SetBlanks(cur_->WhiteSpaceLeft, col);
    stmtCol_ = col;
    stmtAdj_ = adj;
    stmtColPending_ = false;
    fColon_ = false;
    // A statement split off keeps the line kind of the record's first word,
    // but a Next and a single-line If get the treatment they get at the
    // start of a line, so that zelking the output again changes nothing.
    const VerbKeyWords& kw = kw_;
    if (IsKeyWordIndex(cur_->pKeyWord, kw.Next)) {
        fNext_ = true;
        PrepareNextVariables();
    } else if (IsKeyWordIndex(cur_->pKeyWord, kw.If) && !fIfLine_ && run_.opt.gblnSplitIfs) {
        fIfLine_ = true;
        ifFrozen_ = false;
        lineClass_.gblnIfOpen = true;
        PrepareIfSplit();
    }
}

// A single-line If becomes a block If: the statements after Then one level
// in, Else at the If's column, the statements after Else one level in. An If
// inside the statement part is split the same way and gets its End If here,
// at the end of the statement; the zelking loop writes the outermost one's at
// glSplitIfColumn.
void SourceLineFormatter::SplitSingleLineIf() {
    if (!run_.opt.gblnSplitIfs || !fIfLine_ || cur_->Class == TokenClass::NonCode || ifFrozen_) return;
    const long indent = run_.opt.giIndentAmount;
    const VerbKeyWords& kw = kw_;
    const bool atElse = IsKeyWordIndex(cur_->pKeyWord, kw.Else);
    if (IsKeyWordIndex(prev_->pKeyWord, kw.Then) && !fColon_) {
        long col = std::max(0L, stmtCol_ - stmtAdj_);
        Flush();
        if (ifStack_.empty()) lineClass_.glSplitIfColumn = col;
        stmtLine_ = out_.size();
        ifStack_.push_back({col, false, stmtLevelCol_});
        lineClass_.gblnSplitIfPending = true;
        // An empty Then part: the Else comes next, at the If's column.
        if (!atElse) {
            SetBlanks(cur_->WhiteSpaceLeft, col + indent);
            stmtCol_ = col + indent;
            stmtAdj_ = 0;
            stmtLevelCol_ += indent;
            stmtColPending_ = false;
        }
    }
    if (!ifStack_.empty() && !fColon_ && (atElse || IsKeyWordIndex(prev_->pKeyWord, kw.Else))) {
        if (atElse && ifStack_.back().elseSeen && ifStack_.size() > 1) {
            // A second Else belongs to the If around the inner one, which
            // ends here.
            if (!IsBlankText(line_)) Flush();
            line_.clear();
            out_.push_back(Blanks(ifStack_.back().column) + "End If");
            ifStack_.pop_back();
        }
        if (!IsBlankText(line_)) Flush();
        line_.clear();
        stmtLine_ = out_.size();
        IfFrame& frame = ifStack_.back();
        if (atElse) {
            long col = run_.opt.gblnAsIs ? frame.column : AdjustColumn(cur_->pKeyWord, frame.column);
            frame.elseSeen = true;
            SetBlanks(cur_->WhiteSpaceLeft, col);
            stmtCol_ = col;
            stmtAdj_ = col - frame.column;
            stmtLevelCol_ = frame.levelColumn;
        } else {
            SetBlanks(cur_->WhiteSpaceLeft, frame.column + indent);
            stmtCol_ = frame.column + indent;
            stmtAdj_ = 0;
            stmtLevelCol_ = frame.levelColumn + indent;
        }
        stmtColPending_ = false;
    }
    // An If inside the statement part: split too, unless it jumps to a bare
    // line number.
    if (IsKeyWordIndex(cur_->pKeyWord, kw.If) && !ifStack_.empty()) PrepareIfSplit();
}
