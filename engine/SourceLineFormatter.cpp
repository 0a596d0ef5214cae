#include "SourceLineFormatter.h"

#include "engine/EngineState.h"
#include "engine/LabelReferences.h"
#include "analysis/KeywordTable.h"
#include "analysis/SourceModel.h"
#include "analysis/StatementAnalysis.h"
#include "platform/VBError.h"
#include "platform/VBText.h"

namespace {

bool IsLineNumberText(std::string_view label) { return !label.empty() && label[0] >= '0' && label[0] <= '9'; }

bool IsComment(const TokenFields& t) { return t.Class == TokenClass::NonCode && t.Detail == tokdetail::kComment; }

}  // namespace

std::string Blanks(long n) { return n > 0 ? std::string(static_cast<size_t>(n), ' ') : std::string(); }

void SetBlanks(std::string& text, long n) { text.assign(n > 0 ? static_cast<size_t>(n) : 0, ' '); }

bool IsBlankText(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

long LeadingBlanks(std::string_view text) {
    size_t n = text.find_first_not_of(' ');
    return static_cast<long>(n == std::string_view::npos ? text.size() : n);
}

bool IsTypeCharacter(char c) { return c == '!' || c == '@' || c == '#' || c == '$' || c == '%' || c == '&'; }

SourceLineFormatter::SourceLineFormatter(ZelkRun& run, long stmt, bool declarationsPart)
    : run_(run),
      m_(run.model),
      carry_(run.Carry()),
      kw_(BabVerbKeyWords()),
      s_(stmt),
      declarationsPart_(declarationsPart),
      lineClass_(run.line) {
    if (stmt < 1 || stmt > m_.glStmtCount || static_cast<size_t>(stmt) >= m_.yStatement.size())
        RaiseError(vberr::kSubscriptOutOfRange, "sbOutputSourceRecord");
    st_ = m_.yStatement[static_cast<size_t>(stmt)];
    for (EditToken* slot : {cur_, prev_}) {
        static_cast<TokenFields&>(*slot) = TokenFields{};
        slot->Piece.clear();
        slot->WhiteSpaceLeft.clear();
    }
}

namespace {
// The token's fields and texts into the work token, its texts into the room
// they have: emptied and appended, a copy that fits takes the library's
// short path (no check for overlap, one character stored as such).
void TakeToken(EditToken& to, const BabToken& from) {
    static_cast<TokenFields&>(to) = from;
    const std::string_view piece = from.Piece.view(), blanks = from.WhiteSpaceLeft.view();
    to.Piece.clear();
    to.Piece.append(piece.data(), piece.size());
    to.WhiteSpaceLeft.clear();
    to.WhiteSpaceLeft.append(blanks.data(), blanks.size());
}
}  // namespace

BabToken& SourceLineFormatter::Tok(long index) const { return m_.yToken[static_cast<size_t>(index)]; }

bool SourceLineFormatter::ContinuesLine(long index) const { return index > 0 && (Tok(index - 1).FlagsOut & 1); }

StoredText SourceLineFormatter::NextPiece() const {
    return i_ < m_.glTokenCount && Tok(i_ + 1).Statement == Tok(i_).Statement ? Tok(i_ + 1).Piece : StoredText();
}

long SourceLineFormatter::OwnStatementIndex() const { return Tok(i_).Statement; }

const BabStatement& SourceLineFormatter::OwnStatement() const {
    long own = OwnStatementIndex();
    if (own == s_ || own <= 0 || static_cast<size_t>(own) >= m_.yStatement.size()) return st_;
    return m_.yStatement[static_cast<size_t>(own)];
}

// The ")" that closes the "(" at `open`, within the statement that owns it;
// 0 when the statement ends first.
long SourceLineFormatter::MatchingParen(long open) const {
    long owner = Tok(open).Statement;
    bool own = owner == s_ || owner <= 0 || static_cast<size_t>(owner) >= m_.yStatement.size();
    const BabStatement& st = own ? st_ : m_.yStatement[static_cast<size_t>(owner)];
    long depth = 0;
    for (long t = open; t <= st.LastToken && t <= m_.glTokenCount; ++t) {
        const StoredText p = Tok(t).Piece;
        if (p == "(") {
            ++depth;
        } else if (p == ")" && --depth == 0) {
            return t;
        }
    }
    return 0;
}

void SourceLineFormatter::Format(std::string& text) {
    line_.swap(text);
    line_.clear();
    declIndent_ = declarationsPart_ ? run_.opt.gblnModDeclarations : run_.opt.gblnDeclarations;
    joinNext_ = run_.opt.giContinuations == ContinuationMode::Remove;
    segment_ = carry_.segment;
    if (segment_.FirstToken > 0) {
        st_.RecordFirst = segment_.RecordFirst;
        st_.RecordLast = segment_.RecordLast;
        if (segment_.CarriesLabel) st_.Flags |= stmtflag::kLabel;
    }
    long last = std::min<long>(st_.RecordLast, m_.glRecordCount);
    // Statements after the first of a code line have no records of their
    // own: the first statement's call wrote the whole line.
    if (st_.RecordFirst < 1 || st_.RecordFirst > last) return Result(text);
    for (long r = st_.RecordFirst; r <= last && !ended_; ++r) {
        joined_ = r > st_.RecordFirst && joinNext_ && !keepBreak_;
        keepBreak_ = false;
        BeginRecord(r);
        TokenPass();
        if (ended_) break;
        EndOfRecord();
        // An empty line that continues a comment stays a line: without it
        // the line after it would continue the comment instead.
        if (!joined_ && rec_.FirstToken > 0 && IsCommentContinuation(Tok(rec_.FirstToken)) && IsBlankText(line_)) {
            line_.clear();
            Flush();
        }
    }
    if (st_.Class != StatementClass::Comment) carry_.firstCaseCut = selectLine_ ? removedNumLen_ : 0;
    Result(text);
}

void SourceLineFormatter::BeginRecord(long r) {
    r_ = r;
    rec_ = m_.yRecord[static_cast<size_t>(r)];
    firstWord_ = true;
    skip_ = 0;
    // A record joined to the line before (continuations removed) carries on
    // that line: what its words said about the line (a single-line If, a
    // declaration, a ":" met, a block opened) still holds, so that the line
    // comes out as it will when the joined output is read again.
    if (joined_) return;
    // A single-line If that was not split owns its continuation lines too:
    // no ":" on them may take a statement out from under its condition.
    const bool ifOwnsLine = protectColons_ || (fIfLine_ && (ifStack_.empty() || ifFrozen_));
    const bool continued = r > st_.RecordFirst && rec_.FirstToken > 0 && ContinuesLine(rec_.FirstToken);
    lineClass_.gblnBlockOpened = lineClass_.gblnBlockClosed = false;
    fDecl_ = fDeclare_ = fConst_ = fIfLine_ = fColon_ = fNext_ = false;
    declStmt_ = 0;
    declHead_.clear();
    nextVarEnd_ = 0;
    ifFrozen_ = false;
    protectColons_ = continued && ifOwnsLine;
    refusedWarned_ = false;
    LeadingLabel();
}

// A record that begins the statement with a label or a line number: the
// label goes on a line of its own, a number stays in front of the code or is
// removed.
void SourceLineFormatter::LeadingLabel() {
    long f = rec_.FirstToken;
    if (!(st_.Flags & stmtflag::kLabel) || f <= 0 || ContinuesLine(f)) return;
    // A segment after the label leaves it to the segment that carries it.
    if (segment_.FirstToken > f && !segment_.CarriesLabel) return;
    const BabToken& label = Tok(f);
    if (label.Class != TokenClass::NonCode || label.Detail != tokdetail::kLeadingLabel) return;
    line_ = label.Piece;
    skip_ = 1;
    if (!IsLineNumberText(label.Piece)) {
        lineClass_.giLineKind = SourceLineKind::Label;
        line_ += ":";
        skip_ = 2;
        Flush();
        return;
    }
    numericLabel_ = true;
    lineClass_.giLineKind = SourceLineKind::None;
    // A number written with a ":" after it keeps the ":" at its side; the
    // code after it is the line's first word.
    if (f < rec_.LastToken && Tok(f + 1).Piece == ":" && Tok(f + 1).Statement == label.Statement) {
        line_ += ":";
        skip_ = 2;
    }
    // A number that a jump refers to is kept whatever the settings say:
    // removing it would leave the jump without its target. The number
    // column is as wide as the longest number kept so far in the part.
    bool referenced = fblnLabelReferenced(run_, label.Piece);
    long width = static_cast<long>(line_.size()) + 1;
    if ((run_.opt.gblnKillNumericLabels || run_.opt.gblnInsertLineNumbers) && !referenced) {
        line_.clear();
        st_.Flags &= 15;
        m_.yStatement[static_cast<size_t>(s_)].Flags &= 15;
        removedNumLen_ = static_cast<size_t>(width);
    } else {
        keptNumber_ = true;
        run_.glLineNumberWidth = std::max(run_.glLineNumberWidth, width);
    }
}

void SourceLineFormatter::TokenPass() {
    first_ = rec_.FirstToken + skip_;
    long last = rec_.LastToken;
    if (segment_.FirstToken > 0) {
        first_ = std::max(first_, segment_.FirstToken);
        last = std::min(last, segment_.LastToken);
    }
    // A blank line (or no record at all) ends the call.
    if (first_ == last && Tok(first_).Piece.empty() && !IsCommentContinuation(Tok(first_))) {
        // An empty line that a "_" runs into ends the statement there and
        // stays a line: without it the line after it would continue the
        // statement instead (a block If would become a single-line If).
        if (!joined_ && r_ > st_.RecordFirst && ContinuesLine(first_)) {
            line_.clear();
            Flush();
        }
        ended_ = true;
        return;
    }
    lastProcessed_ = last;
    bool lastIsThen = false;
    for (long i = first_; i <= last; ++i) {
        if (!ProcessToken(i)) {
            lastProcessed_ = i;
            return;
        }
        if (!IsBlankText(prev_->Piece)) lastIsThen = IsKeyWordIndex(prev_->pKeyWord, kw_.Then);
    }
    if (lastIsThen && lineClass_.gblnSplitIfPending) lineClass_.gblnSplitIfPending = false;
}

// One token, in the order the steps must run. False when an in-line comment
// ended the record.
bool SourceLineFormatter::ProcessToken(long i) {
    i_ = i;
    TakeToken(*cur_, Tok(i));

    if (IsComment(*cur_) && i > first_ && st_.Class != StatementClass::Comment) {
        InlineComment();
        return false;
    }
    // The line-number column in front of lines without a number (also the
    // line after a label put on its own). With the layout kept as it is, and
    // for comment lines that keep their column, the line's own blanks
    // already hold it.
    auto keepsOwnColumn = [&] {
        return run_.opt.gblnAsIs ||
               (StandsAsCommentLine() && run_.opt.giCmtStandAlone == StandAloneCommentPlace::NoChange);
    };
    if (line_.empty() && i == first_ && run_.glLineNumberWidth >= 1 && !run_.opt.gblnInsertLineNumbers &&
        !keepsOwnColumn() && !ContinuesLine(i))
        SetBlanks(line_, run_.glLineNumberWidth);
    if (cur_->Piece.size() > 1 && cur_->Piece[0] == '#' && cur_->Piece.back() != '#') cur_->Class = TokenClass::Name;
    if (IsTabText(cur_->WhiteSpaceLeft) || IsTabText(cur_->Piece)) ConvertTabs();
    // The word after a line number is the statement's first; after a number
    // that merely starts a continuation line it is not.
    if (i == first_ + 1 && !firstWord_ && st_.Flags != 0 && prev_->Class == TokenClass::NonCode &&
        prev_->Detail == tokdetail::kLeadingLabel && vb::IsNumeric(prev_->Piece))
        firstWord_ = true;
    // A removed line number takes its width off the start of each of the
    // statement's lines, so that they keep their places to one another; the
    // blanks between words stay. A number that is replaced by an inserted
    // one takes only the blank after it off its own line (its digits went
    // with it): the writer puts "N " in front of the text and the blank
    // pad of the number's width in front of the statement's other lines, so
    // what the writer added comes off again exactly and a second zelk moves
    // nothing.
    if (removedNumLen_ > 0 && i == first_) {
        const size_t cut = r_ == st_.RecordFirst && run_.opt.gblnInsertLineNumbers ? 1 : removedNumLen_;
        if (cur_->WhiteSpaceLeft.size() >= cut) cur_->WhiteSpaceLeft.erase(0, cut);
    }
    // The first Case of a Select Case may carry no number: the writer pads
    // it by the number's width instead, which comes off again here.
    if (firstWord_ && i == first_ && r_ == st_.RecordFirst && run_.opt.gblnInsertLineNumbers) {
        selectLine_ = IsKeyWordIndex(cur_->pKeyWord, kw_.Select);
        const size_t cut = carry_.firstCaseCut;
        if (IsKeyWordIndex(cur_->pKeyWord, kw_.Case) && cut > 0 && cur_->WhiteSpaceLeft.size() >= cut) cur_->WhiteSpaceLeft.erase(0, cut);
    }

    if (firstWord_ && joined_) {
        // The first word of a joined record is a later word of the line.
        IndentFirstWord();
        ClassifyLaterWord();
    } else if (firstWord_) {
        ClassifyFirstWord();
        IndentFirstWord();
    } else {
        ClassifyLaterWord();
    }
    SplitAtColon();
    WarnFunctionNotTyped();
    SplitSingleLineIf();
    if (IsComment(*cur_) && i == first_ && st_.Class != StatementClass::Comment) CommentAtRecordStart();
    ConvertTypeCharacters();
    bool splitComma = SplitList();
    SpellLiteralOrCommentLine();

    if (!splitComma && !IsBlankText(cur_->Piece)) {
        AlignAs();
        InsertContinuation();
        // A line number met inside the record (not at its start).
        if (cur_->Class == TokenClass::NonCode && cur_->Detail == tokdetail::kLeadingLabel &&
            run_.opt.gblnKillNumericLabels && IsLineNumberText(cur_->Piece) && !ContinuesLine(i) &&
            !fblnLabelReferenced(run_, cur_->Piece))
            SetPiece("");
        if (!cur_->Piece.empty()) AppendToken();
    }
    std::swap(prev_, cur_);
    firstWord_ = false;
    return true;
}

void SourceLineFormatter::AppendToken() {
    if (stmtColPending_) {
        stmtCol_ = static_cast<long>(line_.size() + cur_->WhiteSpaceLeft.size());
        stmtColPending_ = false;
    }
    line_ += cur_->WhiteSpaceLeft;
    line_ += cur_->Piece;
    if (!clauses_.empty()) AppendClause();
}

void SourceLineFormatter::Flush() {
    out_.push_back(std::move(line_));
    line_.clear();
}

void SourceLineFormatter::SetPiece(std::string piece) {
    cur_->Piece = std::move(piece);
}

void SourceLineFormatter::AddClause(long index, const std::string& clause) {
    for (auto& [at, text] : clauses_) {
        if (at == index) {
            text = clause;
            return;
        }
    }
    clauses_.emplace_back(index, clause);
}

const std::string* SourceLineFormatter::ClauseAt(long index) const {
    for (const auto& [at, text] : clauses_)
        if (at == index) return &text;
    return nullptr;
}

// A clause in a declaration lines up with the As keywords of declarations
// when As clauses are aligned (a generated clause and a written one look
// alike, so zelking the output again moves nothing).
void SourceLineFormatter::AppendClause() {
    const std::string* found = ClauseAt(i_);
    if (!found) return;
    long len = static_cast<long>(line_.size());
    bool align = AlignsAs() && run_.opt.giAlignAsColumn > len + 1;
    line_ += align ? Blanks(run_.opt.giAlignAsColumn - len) : std::string(" ");
    line_ += *found;
}

void SourceLineFormatter::TrimLineStart(size_t count) {
    count = std::min(count, line_.size());
    line_.erase(0, count);
    stmtCol_ = std::max(0L, stmtCol_ - static_cast<long>(count));
}

void SourceLineFormatter::Result(std::string& text) {
    carry_.blnPriorLineNumbered = numericLabel_;
    if (out_.empty()) {
        text = std::move(line_);
        return;
    }
    if (!IsBlankText(line_)) Flush();
    // The End If of every split If inside the outermost one; the zelking
    // loop writes the outermost one's.
    for (size_t k = ifStack_.size(); k > 1; --k) out_.push_back(Blanks(ifStack_[k - 1].column) + "End If");
    text.clear();
    for (size_t k = 0; k < out_.size(); ++k) {
        if (k > 0) text += "\r\n";
        text += out_[k];
    }
}
