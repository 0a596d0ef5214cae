// Line kinds and block flags: what the white-space rules of the zelking loop
// read about the line just formatted, and the per-record flags the later
// steps of the formatter use. Words are told apart by their keyword index,
// never by their text.
#include "LineClassification.h"

#include "engine/EngineState.h"
#include "analysis/KeywordTable.h"
#include "SourceLineFormatter.h"
#include "platform/VBText.h"

namespace {

// A word that is no keyword (0) is none of them; a keyword of the list that
// the dialect lacks (0) matches nothing, which the first test covers.
bool OneOf(long keyWord, std::initializer_list<long> words) {
    if (keyWord == 0) return false;
    for (long x : words)
        if (keyWord == x) return true;
    return false;
}

bool IsAccessor(long keyWord) {
    const VerbKeyWords& kw = BabVerbKeyWords();
    return OneOf(keyWord, {kw.Get, kw.Let, kw.Set});
}

}  // namespace

bool IsDeclarationWord(long w) {
    const VerbKeyWords& kw = BabVerbKeyWords();
    return OneOf(w, {kw.Global, kw.Dim, kw.Public, kw.Private, kw.Static, kw.Const, kw.Declare});
}

FirstWordsKind KindOfFirstWords(long w, long next) {
    const VerbKeyWords& kw = BabVerbKeyWords();
    auto is = [&](long keyWord) { return IsKeyWordIndex(w, keyWord); };
    FirstWordsKind k;
    if (w == 0) return k;  // no keyword
    if (is(kw.Sub) || is(kw.Function) || (is(kw.Property) && IsAccessor(next))) {
        k = {SourceLineKind::ProcHeading, true, false};
    } else if (is(kw.End)) {
        k.closes = true;
        if (IsKeyWordIndex(next, kw.With)) k.kind = SourceLineKind::LoopEnd;
        else if (IsKeyWordIndex(next, kw.If)) k.kind = SourceLineKind::EndIf;
        else if (IsKeyWordIndex(next, kw.Select)) k.kind = SourceLineKind::EndSelect;
        else if (OneOf(next, {kw.Sub, kw.Function, kw.Property})) k.kind = SourceLineKind::ProcEnd;
    } else if (is(kw.If)) {
        k = {SourceLineKind::If, true, false};
    } else if (is(kw.Else) || is(kw.ElseIf)) {
        k.kind = SourceLineKind::Else;
    } else if (is(kw.Select)) {
        k = {SourceLineKind::Select, true, false};
    } else if (is(kw.Case)) {
        k.kind = SourceLineKind::Case;
    } else if (OneOf(w, {kw.Next, kw.Wend, kw.Loop})) {
        k = {SourceLineKind::LoopEnd, false, true};
    } else if (OneOf(w, {kw.With, kw.While, kw.Do, kw.For})) {
        k = {SourceLineKind::LoopStart, true, false};
    }
    return k;
}

// The keyword index of the word after the current one in its statement; 0
// when there is none or it is no keyword.
long SourceLineFormatter::NextKeyWord() const {
    return i_ < run_.model.glTokenCount && Tok(i_ + 1).Statement == Tok(i_).Statement ? Tok(i_ + 1).pKeyWord : 0;
}

void SourceLineFormatter::ClassifyFirstWord() {
    const VerbKeyWords& kw = kw_;
    const long w = cur_->pKeyWord;
    auto is = [&](long keyWord) { return IsKeyWordIndex(w, keyWord); };
    const FirstWordsKind k = KindOfFirstWords(w, NextKeyWord());
    if (k.kind != SourceLineKind::None) lineClass_.giLineKind = k.kind;
    if (k.opens) lineClass_.gblnBlockOpened = true;
    if (k.closes) lineClass_.gblnBlockClosed = true;
    if (OneOf(w, {kw.Global, kw.Dim, kw.Public, kw.Private, kw.Static})) {
        fDecl_ = true;
        declHead_ = cur_->Piece;
        declStmt_ = OwnStatementIndex();
    } else if (is(kw.Const)) {
        fDecl_ = fConst_ = true;
        declHead_ = cur_->Piece;
        declStmt_ = OwnStatementIndex();
    } else if (is(kw.Declare)) {
        fDeclare_ = true;
        declHead_ = cur_->Piece;
        declStmt_ = OwnStatementIndex();
    } else if (is(kw.Function)) {
        fFuncHeading_ = true;
        funcStmt_ = OwnStatementIndex();
    } else if (is(kw.If)) {
        fIfLine_ = true;
        lineClass_.gblnIfOpen = true;
        PrepareIfSplit();
    } else if (is(kw.Select)) {
        lineClass_.gblnInSelect = true;
    } else if (is(kw.Next)) {
        fNext_ = true;
        PrepareNextVariables();
    }
}

void SourceLineFormatter::ClassifyLaterWord() {
    const VerbKeyWords& kw = kw_;
    const long w = cur_->pKeyWord;
    const long p = prev_->pKeyWord;
    auto is = [&](long keyWord) { return IsKeyWordIndex(w, keyWord); };
    auto prevIs = [&](long keyWord) { return IsKeyWordIndex(p, keyWord); };
    // A word that is no keyword matches none of the keywords below.
    if (w == 0) {
        ClassifyOtherWord();
        return;
    }
    if (is(kw.Declare)) {
        fDeclare_ = true;
        fDecl_ = false;
        declStmt_ = OwnStatementIndex();
    } else if (is(kw.Const)) {
        fConst_ = fDecl_ = true;
        fDeclare_ = false;
        declHead_ += cur_->WhiteSpaceLeft + cur_->Piece;
        declStmt_ = OwnStatementIndex();
    } else if (is(kw.Sub) || is(kw.Function) || is(kw.Property)) {
        if (prevIs(kw.Declare) || prevIs(kw.Exit)) {
            lineClass_.gblnBlockOpened = false;
        } else if (prevIs(kw.End)) {
            lineClass_.gblnBlockOpened = false;
            TrimLineStart(static_cast<size_t>(LeadingBlanks(line_)));
        } else if (prevIs(kw.Public) || prevIs(kw.Private)) {
            lineClass_.gblnBlockOpened = true;
            lineClass_.giLineKind = SourceLineKind::ProcHeading;
            fDeclare_ = true;
            TrimLineStart(static_cast<size_t>(LeadingBlanks(line_)));
            if (is(kw.Function)) {
                fFuncHeading_ = true;
                funcStmt_ = OwnStatementIndex();
            }
        } else if (prev_->IsKeyWord && (!is(kw.Property) || IsAccessor(NextKeyWord()))) {
            // Static, Friend and the like in front of a heading. A word the
            // keyword file does not know (PtrSafe after Declare, a modifier
            // of another dialect) makes no heading: the line keeps its blanks
            // as the analysis, which sees no procedure there, keeps it.
            lineClass_.gblnBlockOpened = true;
            fDecl_ = true;
            fDeclare_ = false;
            declStmt_ = OwnStatementIndex();
            TrimLineStart(static_cast<size_t>(LeadingBlanks(line_)));
            declHead_.clear();
            if (is(kw.Function)) {
                fFuncHeading_ = true;
                funcStmt_ = OwnStatementIndex();
            }
        }
    } else if (is(kw.Select) && prevIs(kw.End)) {
        lineClass_.gblnInSelect = false;
        lineClass_.giLineKind = SourceLineKind::EndSelect;
        if (!run_.opt.gblnAsIs && run_.opt.giCaseStructure == CaseStructure::OneLevelIn) {
            --carry_.iCaseOffset;
            // End Select goes back to the level of its Select.
            if (run_.opt.giIndentAmount > 0 &&
                line_.compare(0, static_cast<size_t>(run_.opt.giIndentAmount), Blanks(run_.opt.giIndentAmount)) == 0)
                TrimLineStart(static_cast<size_t>(run_.opt.giIndentAmount));
        }
    } else if (is(kw.If)) {
        lineClass_.giLineKind = SourceLineKind::EndIf;
        if (prevIs(kw.End)) lineClass_.gblnIfOpen = false;
    } else if (is(kw.Then)) {
        // The statements after the Then of a single-line If belong to it; a
        // ":" among them is no place to split unless the If itself is split.
        if (!fIfLine_) protectColons_ = true;
    } else {
        ClassifyOtherWord();
    }
}

// A separator, a parenthesis or a name after the first word (no keyword of
// the line kinds: their texts and keyword indices differ).
void SourceLineFormatter::ClassifyOtherWord() {
    if (IsCharText(cur_->Piece, ':')) {
        fColon_ = true;
    } else if (IsCharText(cur_->Piece, '(') || IsCharText(cur_->Piece, ')')) {
        ++paren_;
    } else if (fNext_ && run_.opt.gblnNextVariable && i_ <= nextVarEnd_) {
        SetPiece("");
    }
}

// With gblnNextVariable, Next loses its loop variable when it names exactly
// one: Next j, i closes two loops and must keep its names.
void SourceLineFormatter::PrepareNextVariables() {
    nextVarEnd_ = 0;
    if (!run_.opt.gblnNextVariable) return;
    const BabStatement& own = OwnStatement();
    long depth = 0;
    for (long t = i_ + 1; t <= own.LastSignificant; ++t) {
        const StoredText piece = Tok(t).Piece;
        if (piece == "(") ++depth;
        else if (piece == ")") --depth;
        else if (piece == "," && depth <= 0) return;
    }
    nextVarEnd_ = own.LastSignificant;
}

// A single-line If whose Then or Else is followed by a bare line number (an
// implied GoTo) is never split, nor what follows it on its line: on a line of
// its own the number would become a label.
void SourceLineFormatter::PrepareIfSplit() {
    // Each statement is looked at once, however many Ifs it holds.
    if (!run_.opt.gblnSplitIfs || OwnStatementIndex() == ifCheckedStmt_) return;
    ifCheckedStmt_ = OwnStatementIndex();
    const BabStatement& own = OwnStatement();
    for (long t = i_ + 1; t <= own.LastToken && t <= m_.glTokenCount; ++t) {
        const BabToken& tok = Tok(t);
        if (tok.Class != TokenClass::NonCode || tok.Detail != tokdetail::kLabelReference) continue;
        const long before = Tok(t - 1).pKeyWord;
        if (IsKeyWordIndex(before, kw_.Then) || IsKeyWordIndex(before, kw_.Else)) {
            ifFrozen_ = true;
            return;
        }
    }
}
