// Comments that follow code: their column, or their removal; and the
// spelling calls for comments and string literals as they pass.
#include "OptionGlobals.h"
#include "SourceLineFormatter.h"
#include "SpellingHooks.h"
#include "StatementAnalysis.h"

namespace {


void Spell(std::string& text, const char* kind, long stmt) {
    if (!gblnSpellThisModule || !gfnSpellCheckIt) return;
    gfnSpellCheckIt(text, kind, stmt);
}

}  // namespace

void SourceLineFormatter::PlaceComment() {
    if (IsCommentContinuation(cur_)) {
        if (commentRemoved_) SetPiece("");
        return;
    }
    commentRemoved_ = false;
    switch (giCmtInLine) {
        case 0: {
            long len = static_cast<long>(line_.size());
            if (len < giCmtInLineColumn) {
                cur_.WhiteSpaceLeft = Blanks(giCmtInLineColumn - len);
            } else if (gblnCmtInLineNext) {
                if (!IsBlankText(line_)) Flush();
                line_.clear();
                cur_.WhiteSpaceLeft = Blanks(MovedCommentColumn());
            } else if (gblnCmtInLineRight) {
                cur_.WhiteSpaceLeft.assign(1, ' ');
            }
            break;
        }
        case 1:
            SetPiece("");
            cur_.WhiteSpaceLeft.clear();
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
    if (giCmtStandAlone == 4) return giCmtInLineColumn;
    // Read again, the comment line is tied to the code line after it, or to
    // what the comment lines after it are tied to.
    long next = r_ + 1, tied = 0;
    if (next <= glRecordCount) {
        const BabRecord& after = yRecord[static_cast<size_t>(next)];
        long cls = after.FirstStmt > 0 ? yStatement[static_cast<size_t>(after.FirstStmt)].Class : 0;
        if (cls == stmtclass::kComment) tied = after.TiedTo;
        else if (cls != stmtclass::kBlank) tied = next;
    }
    long numberColumn = glLineNumberWidth >= 1 && !gblnInsertLineNumbers ? glLineNumberWidth : 0;
    return numberColumn + StandAloneColumn(giCmtInLineColumn, next, tied);
}

// A comment after code ends the record's tokens; it is not spell-checked.
void SourceLineFormatter::InlineComment() {
    PlaceComment();
    if (!cur_.Piece.empty()) AppendToken();
    prev_ = cur_;
    prevWord_ = curWord_;
}

// A comment at the start of a code record (after a label put on its own line).
void SourceLineFormatter::CommentAtRecordStart() {
    PlaceComment();
    if (cur_.Piece.empty() || !gblnSpellComments) return;
    std::string text = cur_.Piece;
    Spell(text, "Comment", s_ - 1);
    if (text != cur_.Piece) SetPiece(text);
}

// String literals of code (not of Declare statements and scoped headings),
// and every token of a comment line.
void SourceLineFormatter::SpellLiteralOrCommentLine() {
    if (!gblnSpellThisModule || !gfnSpellCheckIt) return;
    std::string text = cur_.Piece;
    if (cur_.Class == 3 && !text.empty() && text[0] == '"' && gblnSpellCodeLiterals && !fDeclare_) {
        Spell(text, "Code String Literal ", s_ - 1);
    } else if (st_.Class == stmtclass::kComment && gblnSpellComments) {
        Spell(text, "Comment ", s_ - 1);
    } else {
        return;
    }
    if (text != cur_.Piece) SetPiece(text);
}
