// Comments that follow code: their column, or their removal; and the
// spelling calls for comments and string literals as they pass.
#include "CommentColumns.h"

#include "engine/EngineState.h"
#include "engine/LabelReferences.h"
#include "SourceLineFormatter.h"
#include "analysis/SourceModel.h"
#include "engine/SpellingHooks.h"
#include "analysis/StatementAnalysis.h"

namespace {


// The user's stop turns spell checking off for the rest of the run's file.
void Spell(ZelkRun& run, std::string& text, const char* kind, long stmt) {
    if (!run.gblnSpellThisModule || !gfnSpellCheckIt) return;
    if (!gfnSpellCheckIt(text, kind, run.model, stmt)) run.gblnSpellThisModule = false;
}

// A line of nothing but a line number and a comment, whose number goes:
// read again it is a comment line.
bool NumberedCommentLine(const ZelkRun& run, const BabRecord& rec) {
    const ZelkOptions& o = run.opt;
    const SourceModel& m = run.model;
    if (!o.gblnInsertLineNumbers && !o.gblnKillNumericLabels) return false;
    const long f = rec.FirstToken;
    if (f < 1 || rec.LastToken != f + 1 || rec.LastToken > m.glTokenCount) return false;
    const BabToken& number = m.yToken[static_cast<size_t>(f)];
    const BabToken& comment = m.yToken[static_cast<size_t>(f + 1)];
    return number.Class == TokenClass::NonCode && number.Detail == tokdetail::kLeadingLabel && !number.Piece.empty() &&
           number.Piece[0] >= '0' && number.Piece[0] <= '9' && comment.Class == TokenClass::NonCode &&
           comment.Detail == tokdetail::kComment && !fblnLabelReferenced(run, number.Piece);
}

}  // namespace

long TiedOnNextRead(const ZelkRun& run, long next) {
    const SourceModel& m = run.model;
    for (long r = next; r > 0 && r <= m.glRecordCount; ++r) {
        const BabRecord& rec = m.yRecord[static_cast<size_t>(r)];
        if (rec.FirstStmt <= 0 || static_cast<size_t>(rec.FirstStmt) >= m.yStatement.size()) return 0;
        const StatementClass cls = m.yStatement[static_cast<size_t>(rec.FirstStmt)].Class;
        if (cls == StatementClass::Comment) return rec.TiedTo;
        if (cls == StatementClass::Blank) return 0;
        if (!NumberedCommentLine(run, rec)) return r;
    }
    return 0;
}

void SourceLineFormatter::PlaceComment() {
    if (IsCommentContinuation(*cur_)) {
        if (commentRemoved_) SetPiece("");
        return;
    }
    commentRemoved_ = false;
    switch (run_.opt.giCmtInLine) {
        case InLineCommentPlace::Column: {
            long len = static_cast<long>(line_.size());
            if (len < run_.opt.giCmtInLineColumn) {
                SetBlanks(cur_->WhiteSpaceLeft, run_.opt.giCmtInLineColumn - len);
            } else if (run_.opt.gblnCmtInLineNext) {
                if (!IsBlankText(line_)) Flush();
                line_.clear();
                SetBlanks(cur_->WhiteSpaceLeft, MovedCommentColumn());
            } else if (run_.opt.gblnCmtInLineRight) {
                cur_->WhiteSpaceLeft.assign(1, ' ');
            }
            break;
        }
        case InLineCommentPlace::Remove:
            SetPiece("");
            cur_->WhiteSpaceLeft.clear();
            commentRemoved_ = true;
            break;
        default:
            break;
    }
}

// A comment moved to a line of its own below its code stands where that
// line, read again as a comment line, keeps it: at the in-line column when
// comment lines keep their columns, else where comment lines go.
long SourceLineFormatter::MovedCommentColumn() const {
    if (run_.opt.giCmtStandAlone == StandAloneCommentPlace::NoChange) return run_.opt.giCmtInLineColumn;
    long numberColumn = run_.glLineNumberWidth >= 1 && !run_.opt.gblnInsertLineNumbers ? run_.glLineNumberWidth : 0;
    return numberColumn + StandAloneColumn(run_.opt.giCmtInLineColumn, r_ + 1, TiedOnNextRead(run_, r_ + 1));
}

// A comment after code ends the record's tokens; it is not spell-checked.
void SourceLineFormatter::InlineComment() {
    PlaceComment();
    if (!cur_->Piece.empty()) AppendToken();
    *prev_ = *cur_;
}

// A comment at the start of a code record (after a label put on its own line).
void SourceLineFormatter::CommentAtRecordStart() {
    // Alone on its line it keeps the column of a comment line.
    if (!StandsAsCommentLine()) PlaceComment();
    if (cur_->Piece.empty() || !run_.opt.gblnSpellComments) return;
    std::string text = cur_->Piece;
    Spell(run_, text, "Comment", s_ - 1);
    if (text != cur_->Piece) SetPiece(text);
}

// String literals of code (not of Declare statements and scoped headings),
// and every token of a comment line.
void SourceLineFormatter::SpellLiteralOrCommentLine() {
    if (!run_.gblnSpellThisModule || !gfnSpellCheckIt) return;
    std::string text = cur_->Piece;
    if (cur_->Class == TokenClass::Literal && !text.empty() && text[0] == '"' && run_.opt.gblnSpellCodeLiterals &&
        !fDeclare_) {
        Spell(run_, text, "Code String Literal ", s_ - 1);
    } else if (st_.Class == StatementClass::Comment && run_.opt.gblnSpellComments) {
        Spell(run_, text, "Comment ", s_ - 1);
    } else {
        return;
    }
    if (text != cur_->Piece) SetPiece(text);
}
