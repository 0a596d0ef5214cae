// Declarations: one declaration a line, As clauses in a column, and the
// warnings about functions and declarations without a type.
#include "engine/Declarations.h"
#include "engine/EngineState.h"
#include "engine/FileLog.h"
#include "SourceLineFormatter.h"
#include "analysis/KeywordTable.h"
#include "analysis/SourceModel.h"
#include "analysis/StatementAnalysis.h"
#include "platform/VBText.h"

// Whether the statement's first parenthesis group closes at its last
// significant token (so that nothing, not even an As clause, follows the
// parameter list; an in-line comment or trailing blanks do not count).
bool fblnParenGroupAtEnd(const SourceModel& m, const BabStatement& stmt) {
    long last = stmt.LastSignificant;
    long open = 0;
    for (long t = stmt.FirstToken; t >= 1 && t <= stmt.LastToken && t <= m.glTokenCount; ++t) {
        if (m.yToken[static_cast<size_t>(t)].Piece == "(") {
            open = t;
            break;
        }
    }
    if (open == 0) return false;
    long depth = 1;
    for (long t = open + 1; t <= stmt.LastToken && t <= m.glTokenCount; ++t) {
        const StoredText p = m.yToken[static_cast<size_t>(t)].Piece;
        if (p == "(") {
            ++depth;
        } else if (p == ")" && --depth == 0) {
            return t == last;
        }
    }
    return false;
}

void SourceLineFormatter::WarnFunctionNotTyped() {
    if (!fFuncHeading_ || OwnStatementIndex() != funcStmt_) return;
    const BabStatement& heading = OwnStatement();
    // A type character converted into an As clause types the function.
    if (i_ != heading.LastSignificant || ClauseAt(i_) || !fblnParenGroupAtEnd(m_, heading)) return;
    sbLogLine(run_, std::string("Function not typed: ") + " Procedure: " + run_.gsCurrentProc + "\r\n" + line_ + cur_->Piece,
              true);
}

// At a "," of a declaration or constant list: the line ends there and the
// next declaration starts a line of its own under the same head (Dim,
// Public Const ...). True when the comma is not to be written.
bool SourceLineFormatter::SplitList() {
    if (!IsCharText(cur_->Piece, ',') || !(fDecl_ || fConst_)) return false;
    if (OwnStatementIndex() != declStmt_ || OwnStatement().Class == StatementClass::ProcHeading) return false;
    if (fConst_ && run_.opt.gblnSplitConsts) {
        Flush();
        line_ = Blanks(stmtCol_) + declHead_;
        fDecl_ = false;
        return true;
    }
    if (paren_ % 2 == 0 && run_.opt.gblnSplitDeclarations && fDecl_) {
        std::string flushed = line_;
        Flush();
        if (flushed.find(" As ") == std::string::npos && (flushed.empty() || !IsTypeCharacter(flushed.back())))
            sbLogLine(run_, std::string("Declaration not typed: ") + " Procedure: " + run_.gsCurrentProc + "\r\n" + flushed,
                      true);
        line_ = Blanks(stmtCol_) + declHead_;
        return true;
    }
    return false;
}

// Whether the As clauses of the token's statement line up: a declaration's,
// and a member's of a one-line Type split into lines, which the analyser
// reads as a declaration once it stands on a line of its own.
bool SourceLineFormatter::AlignsAs() const {
    if (!run_.opt.gblnAlignAs) return false;
    const BabStatement& own = OwnStatement();
    long kind = own.Detail % 100;
    if (own.Class == StatementClass::Declaration) return kind != 2 && kind != 8;
    if (own.Class != StatementClass::Other || OwnStatementIndex() != splitOffStmt_ || OwnStatementIndex() == s_)
        return false;
    // The line's first statement is the Type header; its End Type is no member.
    if (st_.Verb <= 0 || !vb::EqualsNoCase(Tok(st_.Verb).Piece, "TYPE")) return false;
    return own.Verb <= 0 || !vb::EqualsNoCase(Tok(own.Verb).Piece, "END");
}

void SourceLineFormatter::AlignAsAt() {
    long len = static_cast<long>(line_.size());
    cur_->WhiteSpaceLeft = run_.opt.giAlignAsColumn > len + 1 ? Blanks(run_.opt.giAlignAsColumn - len) : " ";
}
