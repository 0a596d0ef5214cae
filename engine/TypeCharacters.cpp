// Type-declaration characters: turned into As clauses in declarations and
// procedure headings, removed from code; the "$" of intrinsic string
// functions kept, removed or added; the old data-access type names renamed.
#include "engine/TypeCharacters.h"

#include "analysis/KeywordTable.h"
#include "SourceLineFormatter.h"
#include "analysis/SourceModel.h"
#include "analysis/StatementAnalysis.h"
#include "platform/VBText.h"

namespace {

const char* TypeName(char c) {
    switch (c) {
        case '%': return "Integer";
        case '&': return "Long";
        case '!': return "Single";
        case '#': return "Double";
        case '@': return "Currency";
        default: return "String";
    }
}

// Names and keywords carry type characters; literals (&H10&, 1.5@),
// operators, comments and separators keep theirs.
bool MayCarryTypeCharacter(const EditToken& t) {
    return (t.Class == TokenClass::Keyword || t.Class == TokenClass::Name) && t.Piece.size() >= 2 &&
           IsTypeCharacter(t.Piece.back());
}

std::string BareUpper(std::string_view piece) {
    std::string w = vb::UCase(piece);
    if (!w.empty() && IsTypeCharacter(w.back())) w.pop_back();
    return w;
}

// The names declared anywhere in the file: in a declaration or a heading,
// the first word and every word after a declaring keyword, "(" or ",". Some
// words that are no declared names get in too (a function called in an
// array's bounds); they only keep their form.
void CollectDeclaredNames(const SourceModel& m, std::unordered_set<std::string>& names) {
    static const std::unordered_set<std::string> before = {
        "DIM",   "PRIVATE",  "PUBLIC",   "GLOBAL",   "STATIC",     "CONST",      "REDIM",  "PRESERVE", "SUB",
        "FUNCTION", "GET",   "LET",      "SET",      "BYVAL",      "BYREF",      "OPTIONAL", "PARAMARRAY",
        "WITHEVENTS", "FRIEND", "EVENT", "TYPE",     "ENUM",       "(",          ","};
    for (long s = 1; s <= m.glStmtCount; ++s) {
        const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
        if (st.Class != StatementClass::Declaration && st.Class != StatementClass::ProcHeading) continue;
        for (long t = st.FirstToken; t > 0 && t <= st.LastToken && t <= m.glTokenCount; ++t) {
            const BabToken& tok = m.yToken[static_cast<size_t>(t)];
            if (tok.Class != TokenClass::Keyword && tok.Class != TokenClass::Name) continue;
            if (t == st.FirstToken || before.count(vb::UCase(m.yToken[static_cast<size_t>(t) - 1].Piece)))
                names.insert(BareUpper(tok.Piece));
        }
    }
}

}  // namespace

bool IsIntrinsicFunction(const std::string& name) {
    std::string bare = name;
    if (!bare.empty() && bare.back() == '$') bare.pop_back();
    if (bare.empty()) return false;
    return BabIsKeyWord(bare + "$") && BabIsKeyWord(bare);
}

std::string GetFunction(IntrinsicDollar how, std::string name, const std::string& word) {
    if (name.empty()) return "";
    // Error and Error$ differ (a statement and a function): never add the "$".
    if (vb::EqualsNoCase(name, "Error")) return name;
    if (!IsIntrinsicFunction(name)) return name;
    bool hasDollar = name.back() == '$';
    switch (how) {
        case IntrinsicDollar::NoChange:
            return !word.empty() && word.back() == '$' && !hasDollar ? name + "$" : name;
        case IntrinsicDollar::Remove:
            if (hasDollar) name.pop_back();
            return name;
        case IntrinsicDollar::Add:
            return hasDollar ? name : name + "$";
        default:
            return "";
    }
}

void SourceLineFormatter::ConvertTypeCharacters() {
    const BabStatement& own = OwnStatement();
    bool declarationRules =
        own.Class == StatementClass::Declaration || (fFuncHeading_ && OwnStatementIndex() == funcStmt_);
    if (declarationRules) {
        if (run_.opt.gblnConvertSymbols) DeclarationTypeCharacter();
        // Dynaset, Table and Snapshot as type names only (after As).
        if (run_.opt.gblnConvertDAO && vb::EqualsNoCase(prev_->Piece, "AS") &&
            (vb::EqualsNoCase(cur_->Piece, "DYNASET") || vb::EqualsNoCase(cur_->Piece, "TABLE") ||
             vb::EqualsNoCase(cur_->Piece, "SNAPSHOT")))
            SetPiece("Recordset");
    } else if (run_.opt.gblnConvertSymbolsCode) {
        CodeTypeCharacter();
    }
}

// A declared name's type character becomes an As clause: after the name, or
// after the closing parenthesis of its bounds or parameter list, never after
// an in-line comment.
void SourceLineFormatter::DeclarationTypeCharacter() {
    if (!MayCarryTypeCharacter(*cur_)) return;
    const BabStatement& own = OwnStatement();
    const char t = cur_->Piece.back();
    const std::string clause = std::string("As ") + TypeName(t);
    const std::string name = cur_->Piece.substr(0, cur_->Piece.size() - 1);
    const long kind = own.Detail % 100;

    // The name of a Declare'd procedure: its type follows the parameter list.
    if (own.Class == StatementClass::Declaration && kind == 2 && i_ >= 2 &&
        vb::EqualsNoCase(Tok(i_ - 2).Piece, "Declare")) {
        SetPiece(name);
        AddClause(std::max<long>(own.LastSignificant, i_), clause);
        return;
    }
    // A function's own name, an array's bounds or a parameter array: the
    // clause goes after the matching ")".
    if (NextPiece() == "(") {
        long close = MatchingParen(i_ + 1);
        if (close == 0) return;
        SetPiece(name);
        AddClause(close, clause);
        return;
    }
    if (own.Class == StatementClass::Declaration || own.Class == StatementClass::ProcHeading) {
        SetPiece(name);
        AddClause(i_, clause);
    } else {
        long last = own.LastSignificant;
        if (last > i_ && Tok(last).Piece == ")") {
            SetPiece(name);
            AddClause(last, clause);
        }
    }
}

// Whether an intrinsic function's name may gain or lose its "$" here. After
// "." it is a property (Text1.Left), after As a type (As String); Input,
// String, Date and Time without "(" are statements, keywords or functions
// whose two forms give different results (Input #1, Line Input, For Input,
// Date = ..., Time$).
bool SourceLineFormatter::IntrinsicNameMayChange() const {
    if (prev_->Piece == "." || vb::EqualsNoCase(prev_->Piece, "AS")) return false;
    // Only a call of the intrinsic function changes: never a name followed
    // by a type clause, nor one the file declares itself (a parameter named
    // str, a Property Get Left).
    if (vb::EqualsNoCase(NextPiece(), "As")) return false;
    FormatterCarry& carry = carry_;
    if (!carry.declaredNamesKnown) {
        CollectDeclaredNames(m_, carry.declaredNames);
        carry.declaredNamesKnown = true;
    }
    if (carry.declaredNames.count(BareUpper(cur_->Piece))) return false;
    std::string_view bare = cur_->Piece;
    if (!bare.empty() && bare.back() == '$') bare.remove_suffix(1);
    if (vb::EqualsNoCase(bare, "INPUT") || vb::EqualsNoCase(bare, "STRING") || vb::EqualsNoCase(bare, "DATE") ||
        vb::EqualsNoCase(bare, "TIME"))
        return NextPiece() == "(";
    return true;
}

// Code statements and the headings of Subs and Properties: the character is
// taken off; in a heading the type becomes an As clause.
void SourceLineFormatter::CodeTypeCharacter() {
    if (cur_->Class != TokenClass::Keyword && cur_->Class != TokenClass::Name) return;
    const bool heading = OwnStatement().Class == StatementClass::ProcHeading;
    if (cur_->Piece.empty() || !IsTypeCharacter(cur_->Piece.back())) {
        // Only a keyword can be an intrinsic function's name (the analyser
        // looked every word of code up in the same table).
        if (!cur_->IsKeyWord || !IntrinsicNameMayChange()) return;
        std::string converted = GetFunction(run_.opt.glConvertIntrinsicFunction, cur_->Piece, cur_->Piece);
        if (!converted.empty()) SetPiece(converted);
        return;
    }
    if (!MayCarryTypeCharacter(*cur_)) return;
    const char t = cur_->Piece.back();
    const std::string name = cur_->Piece.substr(0, cur_->Piece.size() - 1);
    std::string newName = name;
    if (t == '%' || t == '@' || t == '$') {
        if (t == '$' && IsIntrinsicFunction(name) && !IntrinsicNameMayChange()) return;
        newName = GetFunction(run_.opt.glConvertIntrinsicFunction, name, cur_->Piece);
        if (newName.empty()) newName = name;
    } else if (i_ == rec_.FirstToken) {
        return;
    }
    if (!heading) {
        SetPiece(newName);
        return;
    }
    const std::string clause = std::string("As ") + TypeName(t);
    if (NextPiece() != "(") {
        SetPiece(newName);
        AddClause(i_, clause);
        return;
    }
    // The procedure's own name (after its parameter list) or a parameter
    // array (after its "()"); without the ")" the character stays.
    long close = MatchingParen(i_ + 1);
    if (close == 0) return;
    SetPiece(newName);
    AddClause(close, clause);
}
