// Line kinds and block flags: what the white-space rules of the zelking loop
// read about the line just formatted, and the per-record flags the later
// steps of the formatter use.
#include "LineClassification.h"

#include "engine/EngineState.h"
#include "analysis/KeywordTable.h"
#include "SourceLineFormatter.h"
#include "platform/VBText.h"

namespace {

bool OneOf(const std::string& w, std::initializer_list<const char*> words) {
    for (const char* x : words)
        if (w == x) return true;
    return false;
}

bool IsAccessor(const std::string& piece) {
    std::string w = vb::UCase(piece);
    return w == "GET" || w == "LET" || w == "SET";
}

}  // namespace

bool IsDeclarationWord(const std::string& w) {
    return OneOf(w, {"GLOBAL", "DIM", "PUBLIC", "PRIVATE", "STATIC", "CONST", "DECLARE"});
}

FirstWordsKind KindOfFirstWords(const std::string& w, const std::string& next) {
    FirstWordsKind k;
    if (w == "SUB" || w == "FUNCTION" || (w == "PROPERTY" && IsAccessor(next))) {
        k = {SourceLineKind::ProcHeading, true, false};
    } else if (w == "END") {
        k.closes = true;
        if (next == "WITH") k.kind = SourceLineKind::LoopEnd;
        else if (next == "IF") k.kind = SourceLineKind::EndIf;
        else if (next == "SELECT") k.kind = SourceLineKind::EndSelect;
        else if (OneOf(next, {"SUB", "FUNCTION", "PROPERTY"})) k.kind = SourceLineKind::ProcEnd;
    } else if (w == "IF") {
        k = {SourceLineKind::If, true, false};
    } else if (w == "ELSE" || w == "ELSEIF") {
        k.kind = SourceLineKind::Else;
    } else if (w == "SELECT") {
        k = {SourceLineKind::Select, true, false};
    } else if (w == "CASE") {
        k.kind = SourceLineKind::Case;
    } else if (OneOf(w, {"NEXT", "WEND", "LOOP"})) {
        k = {SourceLineKind::LoopEnd, false, true};
    } else if (OneOf(w, {"WITH", "WHILE", "DO", "FOR"})) {
        k = {SourceLineKind::LoopStart, true, false};
    }
    return k;
}

void SourceLineFormatter::ClassifyFirstWord() {
    const std::string& w = curWord_;
    const FirstWordsKind k = KindOfFirstWords(w, vb::UCase(NextPiece()));
    if (k.kind != SourceLineKind::None) lineClass_.giLineKind = k.kind;
    if (k.opens) lineClass_.gblnBlockOpened = true;
    if (k.closes) lineClass_.gblnBlockClosed = true;
    if (OneOf(w, {"GLOBAL", "DIM", "PUBLIC", "PRIVATE", "STATIC"})) {
        fDecl_ = true;
        declHead_ = cur_.Piece;
        declStmt_ = OwnStatementIndex();
    } else if (w == "CONST") {
        fDecl_ = fConst_ = true;
        declHead_ = cur_.Piece;
        declStmt_ = OwnStatementIndex();
    } else if (w == "DECLARE") {
        fDeclare_ = true;
        declHead_ = cur_.Piece;
        declStmt_ = OwnStatementIndex();
    } else if (w == "FUNCTION") {
        fFuncHeading_ = true;
        funcStmt_ = OwnStatementIndex();
    } else if (w == "IF") {
        fIfLine_ = true;
        lineClass_.gblnIfOpen = true;
        PrepareIfSplit();
    } else if (w == "SELECT") {
        lineClass_.gblnInSelect = true;
    } else if (w == "NEXT") {
        fNext_ = true;
        PrepareNextVariables();
    }
}

void SourceLineFormatter::ClassifyLaterWord() {
    const std::string& w = curWord_;
    const std::string& p = prevWord_;
    if (w == "DECLARE") {
        fDeclare_ = true;
        fDecl_ = false;
        declStmt_ = OwnStatementIndex();
    } else if (w == "CONST") {
        fConst_ = fDecl_ = true;
        fDeclare_ = false;
        declHead_ += cur_.WhiteSpaceLeft + cur_.Piece;
        declStmt_ = OwnStatementIndex();
    } else if (w == "SUB" || w == "FUNCTION" || w == "PROPERTY") {
        if (p == "DECLARE" || p == "EXIT") {
            lineClass_.gblnBlockOpened = false;
        } else if (p == "END") {
            lineClass_.gblnBlockOpened = false;
            TrimLineStart(static_cast<size_t>(LeadingBlanks(line_)));
        } else if (p == "PUBLIC" || p == "PRIVATE") {
            lineClass_.gblnBlockOpened = true;
            lineClass_.giLineKind = SourceLineKind::ProcHeading;
            fDeclare_ = true;
            TrimLineStart(static_cast<size_t>(LeadingBlanks(line_)));
            if (w == "FUNCTION") {
                fFuncHeading_ = true;
                funcStmt_ = OwnStatementIndex();
            }
        } else if (prev_.IsKeyWord && (w != "PROPERTY" || IsAccessor(NextPiece()))) {
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
            if (w == "FUNCTION") {
                fFuncHeading_ = true;
                funcStmt_ = OwnStatementIndex();
            }
        }
    } else if (cur_.Piece == ":") {
        fColon_ = true;
    } else if (w == "SELECT" && p == "END") {
        lineClass_.gblnInSelect = false;
        lineClass_.giLineKind = SourceLineKind::EndSelect;
        if (!run_.opt.gblnAsIs && run_.opt.giCaseStructure == CaseStructure::OneLevelIn) {
            --carry_.iCaseOffset;
            // End Select goes back to the level of its Select.
            if (run_.opt.giIndentAmount > 0 &&
                line_.compare(0, static_cast<size_t>(run_.opt.giIndentAmount), Blanks(run_.opt.giIndentAmount)) == 0)
                TrimLineStart(static_cast<size_t>(run_.opt.giIndentAmount));
        }
    } else if (w == "IF") {
        lineClass_.giLineKind = SourceLineKind::EndIf;
        if (p == "END") lineClass_.gblnIfOpen = false;
    } else if (w == "(" || w == ")") {
        ++paren_;
    } else if (w == "THEN") {
        // The statements after the Then of a single-line If belong to it; a
        // ":" among them is no place to split unless the If itself is split.
        if (!fIfLine_) protectColons_ = true;
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
        const std::string& piece = Tok(t).Piece;
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
        std::string before = vb::UCase(Tok(t - 1).Piece);
        if (before == "THEN" || before == "ELSE") {
            ifFrozen_ = true;
            return;
        }
    }
}
