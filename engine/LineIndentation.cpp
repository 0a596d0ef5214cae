// Tabs and the column of the first word of every record.
#include "CommentColumns.h"
#include "engine/EngineState.h"
#include "LineClassification.h"
#include "SourceLineFormatter.h"
#include "analysis/KeywordTable.h"
#include "engine/SpellingHooks.h"
#include "analysis/StatementAnalysis.h"
#include "platform/VBText.h"

// A lone tab before a token (or a token that is a tab) becomes the chosen
// number of blanks; the width is asked for once, when the first tab is met.
void SourceLineFormatter::ConvertTabs() {
    bool wsTab = IsTabText(cur_->WhiteSpaceLeft);
    bool pieceTab = IsTabText(cur_->Piece);
    if (!wsTab && !pieceTab) return;
    std::optional<TabWidth>& answer = carry_.tabWidthAnswer;
    TabWidth chosen = answer.value_or(run_.opt.giTabWidth);
    if (chosen == TabWidth::NotChosen && gfnAskTabWidth) answer = chosen = gfnAskTabWidth();
    // Still no width chosen (the question was closed), or tabs left as they
    // are: the tab stays.
    const int width = static_cast<int>(chosen);
    if (chosen == TabWidth::NotChosen || width < 0) return;
    std::string blanks = Blanks(width);
    if (wsTab) cur_->WhiteSpaceLeft = blanks;
    if (pieceTab) SetPiece(blanks);
}

// Case lines with giCaseStructure 2 and Else lines with giIfStructure 1 sit
// half a level in (the column rounded, halves to the even neighbour).
long SourceLineFormatter::AdjustColumn(long keyWord, long c) const {
    const VerbKeyWords& kw = kw_;
    bool half = (IsKeyWordIndex(keyWord, kw.Case) && run_.opt.giCaseStructure == CaseStructure::HalfLevelIn) ||
                ((IsKeyWordIndex(keyWord, kw.Else) || IsKeyWordIndex(keyWord, kw.ElseIf)) &&
                 run_.opt.giIfStructure == IfStructure::HalfLevelIn);
    return half ? static_cast<long>(vb::RoundHalfEven(c + run_.opt.giIndentAmount / 2.0)) : c;
}

// A comment that begins its output line: a comment line, or the comment of a
// code line whose number was taken away or whose label went on a line of its
// own. Read again, the latter is a comment line too, so it gets a comment
// line's column now.
bool SourceLineFormatter::StandsAsCommentLine() const {
    if (st_.Class == StatementClass::Comment) return true;
    return i_ == first_ && cur_->Class == TokenClass::NonCode && cur_->Detail == tokdetail::kComment &&
           !IsCommentContinuation(*cur_) && IsBlankText(line_);
}

long SourceLineFormatter::CommentLineColumn(long ownBlanks) const {
    const FormatterCarry& carry = carry_;
    if (carry.lWrittenNext > 0) return StandAloneColumn(ownBlanks, carry.lWrittenNext, carry.lWrittenTied);
    if (st_.Class != StatementClass::Comment) return StandAloneColumn(ownBlanks, r_ + 1, TiedOnNextRead(run_, r_ + 1));
    return StandAloneColumn(ownBlanks, r_ + 1, m_.yRecord[static_cast<size_t>(r_)].TiedTo);
}

// The column of a comment line that stands before record `next` and is tied
// to record `tied` (0: to none).
long SourceLineFormatter::StandAloneColumn(long ownBlanks, long next, long tied) const {
    switch (run_.opt.giCmtStandAlone) {
        case StandAloneCommentPlace::Column:
            return std::max(0, run_.opt.giCmtStandAloneColumn - 1);
        case StandAloneCommentPlace::NextLineIndent: {
            // The level of the line that follows; one more when that line's
            // kind is indented beyond its level.
            long level = next <= m_.glRecordCount ? m_.yRecord[static_cast<size_t>(next)].IndentLevel : 0;
            long tiedStmt = tied > 0 && tied <= m_.glRecordCount ? m_.yRecord[static_cast<size_t>(tied)].FirstStmt : 0;
            bool declaration =
                tiedStmt > 0 && m_.yStatement[static_cast<size_t>(tiedStmt)].Class == StatementClass::Declaration;
            bool extra = declaration ? declIndent_ : run_.opt.gblnBaseLines;
            return run_.opt.giIndentAmount * (level + (extra ? 1 : 0));
        }
        case StandAloneCommentPlace::PreviousLineIndent:
            return carry_.lPriorIndent;
        case StandAloneCommentPlace::NoChange:
            return ownBlanks;
        default:
            return 0;
    }
}

// The column a statement's first word gets by its kind alone: declarations,
// procedure headings and ends, and the words of the module header; -1 for
// other code, whose column follows its level. `procLine` tells a heading or
// an end of procedure.
long SourceLineFormatter::ColumnOfKind(long w, const BabStatement& st, bool& procLine) const {
    const VerbKeyWords& kw = kw_;
    auto is = [&](long keyWord) { return IsKeyWordIndex(w, keyWord); };
    procLine = false;
    bool declaration = IsDeclarationWord(w);
    if (run_.opt.giCodeLine == CodeIndentation::None) return 0;
    if (is(kw.Sub) || is(kw.Function) || is(kw.Option) || is(kw.Attribute) || is(kw.Property) ||
        (is(kw.Version) && st.Class == StatementClass::ModuleDescription))
        return 0;
    if (declaration && !declIndent_) return 0;
    if ((is(kw.End) && st.Class == StatementClass::ProcEnd) || st.Class == StatementClass::ProcHeading) {
        procLine = true;
        return 0;
    }
    if (declaration) return run_.opt.giIndentAmount;
    return -1;
}

// The column of code at level 0. In a procedure that is one level in with
// base lines; in the declarations part it is the declarations' column, so
// that the members of a Type or Enum sit one level in from it, its end and
// the #If lines around declarations at it.
long SourceLineFormatter::CodeBase() const {
    if (declarationsPart_) return declIndent_ ? run_.opt.giIndentAmount : 0;
    return run_.opt.gblnBaseLines ? run_.opt.giIndentAmount : 0;
}

void SourceLineFormatter::IndentFirstWord() {
    FormatterCarry& carry = carry_;
    const long ownBlanks = static_cast<long>(cur_->WhiteSpaceLeft.size());
    const long indent = run_.opt.giIndentAmount;
    const long level = rec_.IndentLevel;
    const bool continuation = ContinuesLine(i_);
    const bool commentLine = StandsAsCommentLine();
    const long w = cur_->pKeyWord;
    long c = 0;
    long adj = 0;
    bool computed = false;  // a layout rule, not the line as it stands
    bool own = false;       // the word keeps the blanks (and tabs) it has

    if (IsCommentContinuation(*cur_)) {
        // The next physical line of a continued comment carries its own
        // blanks in its text.
        c = joined_ ? 1 : 0;
    } else if (joined_) {
        // Continuations removed: one blank where the line break was, also
        // when the layout is kept as it stands.
        c = 1;
    } else if (run_.opt.gblnAsIs) {
        c = ownBlanks;
        own = true;
        // A segment that begins inside its line takes the column of the
        // line's code, as a statement split off at a ":" does.
        // After a label, which goes on a line of its own, the line's code
        // begins with the word after the label's ":".
        long code = rec_.FirstToken;
        if (Tok(code).Class == TokenClass::NonCode && Tok(code).Detail == tokdetail::kLeadingLabel &&
            !vb::IsNumeric(Tok(code).Piece) && Tok(code + 1).Piece == ":")
            code += 2;
        if (i_ == first_ && first_ > code && segment_.FirstToken > 0) {
            c = static_cast<long>(Tok(code).WhiteSpaceLeft.size());
            own = false;
        }
    } else {
        computed = true;
        const long k = std::max(0, carry.iCaseOffset);
        if (r_ == st_.RecordFirst) stmtLevelCol_ = CodeBase() + indent * (level + k);
        bool procLine = false;
        const long kindColumn = commentLine ? -1 : ColumnOfKind(w, st_, procLine);
        if (commentLine) {
            c = CommentLineColumn(ownBlanks);
            own = run_.opt.giCmtStandAlone == StandAloneCommentPlace::NoChange;
        } else if (kindColumn >= 0) {
            own = procLine && continuation && run_.opt.gblnKeepIndentation;
            c = own ? ownBlanks : kindColumn;
        } else {
            if (continuation && run_.opt.gblnKeepIndentation) {
                c = ownBlanks;
                own = true;
            } else if (!run_.opt.gblnBaseLines) {
                if (continuation) {
                    c = indent * (level + 2 + k);
                } else if (st_.Flags != 0 && vb::IsNumeric(cur_->Piece)) {
                    c = 0;
                } else {
                    c = CodeBase() + indent * (level + k);
                    // Code after a numbered line lines up with that line's
                    // code. With numbers inserted every line gets its own
                    // number in front, so where the source had one says
                    // nothing about the column.
                    if (line_.empty() && carry.blnPriorLineNumbered && !numericLabel_ &&
                        !run_.opt.gblnInsertLineNumbers)
                        c += run_.glLineNumberWidth;
                }
            } else {
                c = continuation ? indent * (level + 2 + k) : CodeBase() + indent * (level + k);
                if (cur_->Class == TokenClass::NonCode && cur_->Detail == tokdetail::kLeadingLabel) c = 0;
            }
            if (IsKeyWordIndex(w, kw_.Select) && run_.opt.giCaseStructure == CaseStructure::OneLevelIn)
                ++carry.iCaseOffset;
            long adjusted = AdjustColumn(w, c);
            adj = adjusted - c;
            c = adjusted;
        }
    }
    c = std::max(0L, c);

    // A kept line number is followed by at least one blank, and by as many
    // as make its code line up with the lines whose number column is blank.
    if (computed && keptNumber_ && line_.size() < static_cast<size_t>(run_.glLineNumberWidth) && r_ == st_.RecordFirst)
        line_.append(static_cast<size_t>(run_.glLineNumberWidth) - line_.size(), ' ');

    if (!own || adj != 0) SetBlanks(cur_->WhiteSpaceLeft, c);
    if (computed && continuation && !run_.opt.gblnKeepIndentation && !joined_)
        SetBlanks(cur_->WhiteSpaceLeft, lineNumberEnd_ - 1 + indent);
    if (!commentLine && !joined_) carry.lPriorIndent = c;
    if (r_ == st_.RecordFirst) stmtAdj_ = adj;
}
