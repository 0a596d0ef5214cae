#pragma once
// The source-line formatter: one analysed statement of a code part back into
// its output lines. One object lives for one call of sbOutputSourceRecord; it
// walks the statement's records and, record by record, its tokens, building
// the output line by line. Its steps live in several files by concern:
//   SourceLineFormatter.cpp  records, leading labels, the token pass, output
//   LineClassification.cpp   line kinds and block flags (first and later words)
//   LineIndentation.cpp      tabs and the column of each record's first word
//   StatementSplits.cpp      splits at ":" and of single-line Ifs
//   TypeCharacters.cpp       type-declaration characters, "$" functions, DAO types
//   Declarations.cpp         list splits, As alignment, untyped warnings
//   Continuations.cpp        kept, removed and inserted line continuations
//   CommentColumns.cpp       in-line comment placement and the spelling calls
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "FormatterCarry.h"
#include "LineSegments.h"
#include "analysis/KeywordTable.h"
#include "analysis/SourceModel.h"
#include "engine/ZelkRun.h"

class SourceLineFormatter {
public:
    SourceLineFormatter(ZelkRun& run, long stmt, bool declarationsPart);
    // One formatter a statement: its token pointers point into the run's carry.
    SourceLineFormatter(const SourceLineFormatter&) = delete;
    SourceLineFormatter& operator=(const SourceLineFormatter&) = delete;
    // The statement's output lines joined by CR LF, into `text`, whose room
    // the lines are built in (a caller that keeps one text for every
    // statement allocates little).
    void Format(std::string& text);
    // What the statement's words said about its line, once formatted: the
    // class it was made with (the run's last one), changed by this statement.
    const LineClass& Class() const { return lineClass_; }

private:
    // A single-line If split into a block: its column, and whether its Else
    // was met.
    struct IfFrame {
        long column;
        bool elseSeen;
        long levelColumn;  // column of plain code at the If's level
    };

    // Frame: records, labels, the token pass, output.
    void BeginRecord(long r);
    void LeadingLabel();
    void TokenPass();
    bool ProcessToken(long i);
    void AppendToken();
    void Flush();
    void SetPiece(std::string piece);
    void AddClause(long index, const std::string& clause);
    const std::string* ClauseAt(long index) const;  // null: none after that token
    void AppendClause();
    void TrimLineStart(size_t count);
    void Result(std::string& text);

    // Token helpers (the small ones inline: every step of every token asks).
    BabToken& Tok(long index) const { return m_.yToken[static_cast<size_t>(index)]; }
    bool ContinuesLine(long index) const { return index > 0 && (Tok(index - 1).FlagsOut & 1); }
    StoredText NextPiece() const;
    long NextKeyWord() const;
    const BabStatement& OwnStatement() const {
        const long own = OwnStatementIndex();
        if (own == s_ || own <= 0 || static_cast<size_t>(own) >= m_.yStatement.size()) return st_;
        return m_.yStatement[static_cast<size_t>(own)];
    }
    long OwnStatementIndex() const { return Tok(i_).Statement; }
    long MatchingParen(long open) const;

    // Line kinds and block flags.
    void ClassifyFirstWord();
    void ClassifyLaterWord();
    void ClassifyOtherWord();
    void PrepareNextVariables();
    void PrepareIfSplit();

    // Tabs and indentation.
    void ConvertTabs();
    void IndentFirstWord();
    long CommentLineColumn(long ownBlanks) const;
    bool StandsAsCommentLine() const;
    long StandAloneColumn(long ownBlanks, long next, long tied) const;
    long AdjustColumn(long keyWord, long c) const;
    long CodeBase() const;
    long ColumnOfKind(long keyWord, const BabStatement& st, bool& procLine) const;

    // Splits.
    void SplitAtColon();
    bool ColonSplitAllowed() const;
    long ColumnAfterColon(long& adj);
    void WarnSplitRefused();
    // Asked at every token, due on the code of single-line If lines only.
    void SplitSingleLineIf() {
        if (run_.opt.gblnSplitIfs && fIfLine_ && cur_->Class != TokenClass::NonCode && !ifFrozen_) SplitIfLineAt();
    }
    void SplitIfLineAt();

    // Type characters.
    void ConvertTypeCharacters();
    void DeclarationTypeCharacter();
    void CodeTypeCharacter();
    bool IntrinsicNameMayChange() const;

    // Declarations.
    void WarnFunctionNotTyped();
    bool SplitList();
    // Asked at every token, due on the As of a declaration only.
    void AlignAs() {
        if (IsKeyWordIndex(cur_->pKeyWord, kw_.As) && AlignsAs()) AlignAsAt();
    }
    void AlignAsAt();
    bool AlignsAs() const;

    // Continuations.
    void EndOfRecord();
    bool JoinPassesLineLimit() const;
    void InsertContinuation();

    // Comments and spelling.
    void InlineComment();
    void CommentAtRecordStart();
    void PlaceComment();
    long MovedCommentColumn() const;
    void SpellLiteralOrCommentLine();

    // The statement.
    ZelkRun& run_;
    SourceModel& m_;  // the run's model, whose token texts the formatter may rewrite
    FormatterCarry& carry_;
    const VerbKeyWords& kw_;  // the keyword indices the steps compare words with
    long s_;
    bool declarationsPart_;
    BabStatement st_;
    LineSegment segment_;  // FirstToken 0: the whole line
    bool declIndent_ = false;  // declarations are indented (module or procedure switch)
    LineClass lineClass_;      // the line kind, block edges and open blocks

    // Output.
    std::string line_;
    std::vector<std::string> out_;
    bool ended_ = false;

    // The record being formatted.
    long r_ = 0;
    BabRecord rec_;
    long first_ = 0;  // first token after a leading label
    long skip_ = 0;
    bool joined_ = false;       // joined to the previous record (continuations removed)
    bool joinNext_ = false;     // the remove-continuations flag
    bool keepBreak_ = false;    // the next record is not joined: the line would grow too long
    bool firstWord_ = false;
    bool fDecl_ = false, fDeclare_ = false, fConst_ = false, fIfLine_ = false, fColon_ = false, fNext_ = false;
    long declStmt_ = 0;     // the statement whose words set the declaration flags
    std::string declHead_;  // starts every line a list is split into
    long nextVarEnd_ = 0;   // last loop variable of a Next that loses its variable
    bool ifFrozen_ = false;       // the record's single-line Ifs stay as written
    long ifCheckedStmt_ = 0;      // the statement last looked at for implied GoTos
    bool protectColons_ = false;  // a single-line If owns the rest of the record
    bool refusedWarned_ = false;
    long lastProcessed_ = 0;

    // The token being processed: a copy the steps rewrite (the model keeps
    // the token as written), and the one before it. The two trade places
    // from one token to the next by their pointers, so that the pass copies
    // no text for the token before; they live in the carry, so that their
    // texts' room outlasts the statement.
    long i_ = 0;
    EditToken* cur_ = &carry_.tokenSlots[0];
    EditToken* prev_ = &carry_.tokenSlots[1];

    // The whole call.
    bool fFuncHeading_ = false;
    long funcStmt_ = 0;
    long paren_ = 0;
    bool numericLabel_ = false;    // the statement began with a line number
    bool keptNumber_ = false;      // ... which stays in front of the code
    size_t removedNumLen_ = 0;     // a removed number's length + 1
    bool selectLine_ = false;      // the statement is a Select Case
    long stmtCol_ = 0;             // column of the current statement's text
    long stmtAdj_ = 0;             // half-level adjustment included in stmtCol_
    long stmtLevelCol_ = 0;        // column of plain code at the current statement's level
    bool stmtColPending_ = true;   // stmtCol_ is taken when the statement's first word is appended
    long lineNumberEnd_ = 1;       // E: where the first line's code begins (kept continuations)
    size_t stmtLine_ = 0;          // output line where the statement split off last begins
    long splitOffStmt_ = 0;        // the statement split off last at a ":"
    long contIndent_ = 0;          // C: indentation of inserted continuation lines
    bool contIndentKnown_ = false;
    bool commentRemoved_ = false;
    std::vector<IfFrame> ifStack_;  // the split Ifs, outermost first
    // As clauses that converted type characters put after a later token of
    // the statement (the name, the ")" of its bounds or parameter list, the
    // last token of a Declare), written when that token is.
    // A statement has a few at most: a list looked through costs less to
    // make and drop for every statement than a hash table.
    std::vector<std::pair<long, std::string>> clauses_;
};

// Blanks.
std::string Blanks(long n);
// The text made `n` blanks (none for n <= 0), in the room it has.
void SetBlanks(std::string& text, long n);
bool IsBlankText(std::string_view text);
// A text that is the one character `c`.
inline bool IsCharText(std::string_view text, char c) { return text.size() == 1 && text[0] == c; }
inline bool IsTabText(std::string_view text) { return IsCharText(text, '\t'); }
long LeadingBlanks(std::string_view text);
bool IsTypeCharacter(char c);
// The next physical line of a continued comment (a token the record reader
// made of the whole line): it belongs to the comment before it and has no
// column of its own.
inline bool IsCommentContinuation(const TokenFields& t) {
    return t.Class == TokenClass::NonCode && t.Detail == tokdetail::kComment && t.Where == 0;
}
