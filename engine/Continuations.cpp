// Line continuations: kept as in the source, removed (the statement's lines
// joined), or inserted where a line would pass the continuation column.
#include "engine/Continuations.h"
#include "engine/EngineState.h"
#include "analysis/LineTokenizer.h"
#include "SourceLineFormatter.h"
#include "analysis/SourceModel.h"
#include "analysis/StatementAnalysis.h"
#include "platform/VBText.h"

int fiLineNumberEnd(const std::string& text) {
    for (size_t k = 0; k < text.size(); ++k) {
        char c = text[k];
        if (c != ' ' && (c < '0' || c > '9')) return static_cast<int>(k) + 1;
    }
    return static_cast<int>(text.size()) + 1;
}

void SourceLineFormatter::EndOfRecord() {
    const BabToken& last = Tok(lastProcessed_);
    bool continues = (last.FlagsOut & 1) != 0;
    // A removed comment takes its continuation lines with it.
    if (continues && commentRemoved_ && last.Class == TokenClass::NonCode && last.Detail == tokdetail::kComment)
        continues = false;
    if (run_.opt.giContinuations == ContinuationMode::Remove) {
        if (!continues) joinNext_ = false;
        if (!continues || !JoinPassesLineLimit()) return;
        // This continuation stays: the joined line could not be read back.
        keepBreak_ = true;
    }
    if (!continues || line_.ends_with(" _")) return;
    // A continued comment keeps the blank it had before its "_".
    line_ += !line_.empty() && line_.back() == ' ' ? "_" : " _";
    Flush();
    // Measured on the first line of the statement being continued, which
    // is the first line of a split-off one once the record was split.
    lineNumberEnd_ = fiLineNumberEnd(out_[std::min(stmtLine_, out_.size() - 1)]);
}

// Whether joining the next record to the line being built would make a line
// longer than Visual Basic reads (1023 characters, with room for a line
// number the writer may put in front).
bool SourceLineFormatter::JoinPassesLineLimit() const {
    constexpr size_t kLineLimit = 1023;
    constexpr size_t kNumberRoom = 10;
    if (r_ + 1 > m_.glRecordCount) return false;
    const BabRecord& next = m_.yRecord[static_cast<size_t>(r_ + 1)];
    size_t length = line_.size() + 1;
    for (long t = next.FirstToken; t > 0 && t <= next.LastToken && t <= m_.glTokenCount; ++t)
        length += Tok(t).WhiteSpaceLeft.size() + Tok(t).Piece.size();
    return length + (run_.opt.gblnInsertLineNumbers ? kNumberRoom : 0) > kLineLimit;
}

// Before a token is appended: when it would pass the continuation column and
// blanks stand before it, the line is continued and the token starts the next
// line. Every inserted continuation line of the statement gets the same
// indentation.
void SourceLineFormatter::InsertContinuation() {
    if (!run_.opt.gblnInsertContinuations || st_.Class == StatementClass::Comment) return;
    // The first word of a record joined to the line before (continuations
    // removed) is measured like any other word: joining and breaking again
    // must come to the same lines on every zelk.
    if ((firstWord_ && !joined_) || cur_->WhiteSpaceLeft.empty() || IsBlankText(line_)) return;
    long width = static_cast<long>(line_.size() + cur_->WhiteSpaceLeft.size() + cur_->Piece.size());
    if (width <= run_.opt.giContinuationColumn) return;

    if (cur_->Piece == "!") {
        // The member access stays with the word in front of it: that word
        // moves to the next line.
        size_t blank = line_.rfind(' ');
        if (blank == std::string::npos || IsBlankText(line_.substr(0, blank))) return;
        std::string carried = line_.substr(blank + 1);
        line_.erase(blank);
        carried = Blanks(LeadingBlanks(line_) + run_.opt.giIndentAmount) + carried;
        line_ += " _";
        Flush();
        line_ = carried;
        return;
    }
    if (!line_.ends_with(" _")) line_ += " _";
    Flush();
    if (!contIndentKnown_) {
        // Measured from the statement's first line, leaving out its number,
        // as kept continuation lines are: a break inserted into a line that
        // already continues one goes no deeper than the lines before it. A
        // number kept in front of the code (not one removed, whose place the
        // writer's new number takes) is stepped over again.
        const std::string& first = out_[std::min(stmtLine_, out_.size() - 1)];
        size_t w = static_cast<size_t>(std::max(0L, run_.glLineNumberWidth));
        std::string rest = first;
        if (w > 0 && first.size() >= w && vb::IsNumeric(first.substr(0, w))) rest = first.substr(w);
        contIndent_ = LeadingBlanks(rest) + run_.opt.giIndentAmount + (keptNumber_ ? run_.glLineNumberWidth : 0);
        contIndentKnown_ = true;
    }
    SetBlanks(cur_->WhiteSpaceLeft, contIndent_);
}

namespace {

bool IsCommentText(const std::string& line) {
    const std::string lead = vb::UCase(vb::LTrim(line));
    return !lead.empty() && (lead[0] == '\'' || lead.rfind("REM ", 0) == 0 || lead == "REM");
}

// A single-line statement broken before the words that pass the
// continuation column, by the formatter's rule: never before the first word
// or a word without blanks before it, never inside a comment; every
// continuation line one level in from the first.
std::string BreakLikeCode(const ZelkOptions& o, const std::string& line) {
    static std::vector<WorkToken> work;
    long n = 0;
    ExtractTokens(line, work, n);
    std::string out, built;
    long contIndent = -1;
    bool first = true;
    for (long k = 1; k <= n; ++k) {
        const WorkToken& tok = work[static_cast<size_t>(k)];
        if (tok.Piece.empty()) continue;
        std::string ws = tok.WhiteSpaceLeft;
        if (tok.Class == TokenClass::NonCode && tok.Detail == tokdetail::kComment) {
            built += ws + tok.Piece;
            continue;
        }
        const long width = static_cast<long>(built.size() + ws.size() + tok.Piece.size());
        if (!first && !ws.empty() && tok.Piece != "!" && !IsBlankText(built) && width > o.giContinuationColumn &&
            !IsCommentText(tok.Piece)) {
            if (contIndent < 0) contIndent = LeadingBlanks(built) + o.giIndentAmount;
            out += built + " _\r\n";
            built.clear();
            ws = Blanks(contIndent);
        }
        built += ws + tok.Piece;
        first = false;
    }
    return out + built;
}

}  // namespace

std::string ContinuedLikeCode(const ZelkOptions& o, const std::string& text) {
    if (o.giContinuations != ContinuationMode::Remove && !o.gblnInsertContinuations) return text;
    std::vector<std::string> lines = vb::Split(text, "\r\n");
    // Removed: the next line joins with one blank where the break was.
    std::vector<std::string> joined;
    for (std::string& line : lines) {
        if (o.giContinuations == ContinuationMode::Remove && !joined.empty() && joined.back().ends_with(" _") && !IsCommentText(joined.back()) &&
            joined.back().size() + line.size() < 1000) {
            std::string& prev = joined.back();
            prev = vb::RTrim(prev.substr(0, prev.size() - 1)) + " " + vb::LTrim(line);
        } else {
            joined.push_back(std::move(line));
        }
    }
    std::string out;
    bool continued = false;
    for (size_t i = 0; i < joined.size(); ++i) {
        const std::string& line = joined[i];
        const bool continues = line.ends_with(" _");
        const bool single = !continued && !continues && !IsBlankText(line) && !IsCommentText(line);
        if (i > 0) out += "\r\n";
        out += o.gblnInsertContinuations && single ? BreakLikeCode(o, line) : line;
        continued = continues;
    }
    return out;
}
