#include "analysis/LineTokenizer.h"

#include <array>

#include "analysis/AnalyserLog.h"
#include "common/mKEMCommon.h"

namespace {

struct CharSets {
    std::array<bool, 256> blank{}, wordEnd{}, numberEnd{}, hashStop{};
};

const CharSets& Sets() {
    static const CharSets sets = [] {
        CharSets s;
        auto mark = [](std::array<bool, 256>& set, std::string_view chars) {
            for (char c : chars) set[static_cast<unsigned char>(c)] = true;
        };
        using namespace std::string_view_literals;
        mark(s.blank, " \t"sv);
        mark(s.wordEnd, " \t\0():',.\"=<>\\/*[];+-!"sv);
        mark(s.numberEnd, " \t\0():',\"=<>\\/*[];"sv);
        mark(s.hashStop, "\t\0#'\""sv);
        return s;
    }();
    return sets;
}

// Elements the work array starts with.
constexpr size_t kFirstWorkSize = 64;

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks a work element for the next token.
WorkToken& Fresh(WorkToken& t) {
    // Every field back to its zero at once (the fields share eight bytes).
    static_cast<TokenFields&>(t) = TokenFields();
    t.Piece = {};
    t.WhiteSpaceLeft = {};
    // Texts are taken from the line as they stand, save the few the
    // tokenizer makes itself, which say so.
    t.AsWritten = true;
    return t;
}

}  // namespace

bool CommentContinues(std::string_view text) {
    size_t n = text.size();
    return n >= 2 && text[n - 1] == '_' && (text[n - 2] == ' ' || text[n - 2] == '\t');
}

void ExtractTokens(std::string_view line, std::vector<WorkToken>& work, long& n) {
    const CharSets& cs = Sets();
    // The rest of the line is line[pos, end) followed by the end mark (code
    // 0); it is empty once pos passes end.
    const size_t end = line.size();
    auto at = [&](size_t p) -> unsigned char { return p < end ? U(line[p]) : 0; };
    size_t pos = 0;
    size_t wsColumn = 0;
    // Tokens are built in place: the element after the last one stored is
    // the token being built.
    // The array grows as the line needs (a line gives at most kWorkTokens
    // tokens): most lines give a few, so it stays small.
    n = 0;
    if (work.size() < kFirstWorkSize) work.resize(kFirstWorkSize);
    WorkToken* tok = &Fresh(work[1]);
    auto store = [&] {
        ++n;
        if (static_cast<size_t>(n) + 1 >= work.size()) work.resize(work.size() * 2);
        tok = &Fresh(work[static_cast<size_t>(n) + 1]);
    };

    while (true) {
        if (pos > end) {
            if (n == 0) {
                n = 1;
                Fresh(work[1]);
            }
            break;
        }
        if (n >= model::kWorkTokens - 3) {
            oDebug->StatusCode = 4;
            return;
        }

        // Leading blanks become the white space of the token being built.
        size_t wsStart = pos;
        while (pos < end && cs.blank[U(line[pos])]) ++pos;
        if (pos > wsStart) {
            tok->WhiteSpaceLeft = line.substr(wsStart, pos - wsStart);
            wsColumn = wsStart + 1;
        }

        // The word and the delimiter that ends it.
        size_t wordStart = pos;
        while (pos < end && !cs.wordEnd[U(line[pos])]) ++pos;
        size_t delimPos = pos;
        unsigned char delim = at(pos);
        ++pos;
        // A code-0 character inside the line belongs to the word.
        bool delimInWord = delim == 0 && pos <= end;
        std::string_view word(line.data() + wordStart, delimPos - wordStart + (delimInWord ? 1 : 0));
        auto wordUpTo = [&](size_t stop) { word = std::string_view(line.data() + wordStart, stop - wordStart); };
        long wordWhere = static_cast<long>(wordStart) + 1;
        bool isRem = false;

        if (!word.empty()) {
            char c = word[0];
            if (IsDigit(c) || c == '&') {
                // A number takes in ".", "+", "-" and "!" up to the next number end.
                if (!delimInWord) {
                    pos = delimPos;
                    while (pos < end && !cs.numberEnd[U(line[pos])]) ++pos;
                    wordUpTo(pos);
                    delimPos = pos;
                    delim = at(pos);
                    ++pos;
                }
            } else if (c == '#') {
                size_t q = pos;
                while (q < end && !cs.hashStop[U(line[q])]) ++q;
                if (pos <= end && q < end && line[q] == '#') {
                    // The word, its delimiter and the text up to the closing
                    // "#" stand side by side in the line.
                    wordUpTo(q + 1);
                    pos = q + 1;
                    delim = 0;
                } else {
                    tok->Piece = word.substr(0, 1);
                    tok->Where = wordWhere;
                    store();
                    word.remove_prefix(1);
                    ++wordStart;
                    ++wordWhere;
                }
            } else if (word.size() == 3 && (c == 'R' || c == 'r') && (word[1] == 'E' || word[1] == 'e') &&
                       (word[2] == 'M' || word[2] == 'm')) {
                // Rem, one blank in place of its delimiter, and the rest of the line.
                if (pos >= end) tok->Piece = word;
                else if (delim == ' ') tok->Piece = line.substr(wordStart, end - wordStart);
                else tok->MakePiece(word, " ", line.substr(pos, end - pos));
                pos = end;
                delim = 0;
                if (CommentContinues(tok->Piece)) {
                    tok->FlagsOut = 1;
                    tok->Piece.remove_suffix(1);
                }
                tok->Class = TokenClass::NonCode;
                tok->Detail = tokdetail::kComment;
                isRem = true;
            }
            if (isRem) {
                tok->Where = wordWhere;
                store();
            } else if (!word.empty()) {
                tok->Piece = word;
                tok->Where = wordWhere;
                store();
            }
        }

        long delimWhere = static_cast<long>(delimPos) + 1;
        switch (delim) {
            case '\'':
                tok->Piece = line.substr(delimPos, end - delimPos);
                pos = end;
                if (CommentContinues(tok->Piece)) {
                    tok->FlagsOut = 1;
                    tok->Piece.remove_suffix(1);
                }
                tok->Where = delimWhere;
                store();
                break;
            case '"': {
                // Only the true end of the line ends a literal: a code-0
                // character inside a literal is kept in it. A doubled quote
                // stays in the literal as it stands.
                while (true) {
                    size_t q = pos < end ? line.find('"', pos) : std::string::npos;
                    if (q == std::string::npos) {
                        // The closing quote is added.
                        tok->MakePiece(line.substr(delimPos, end - delimPos), "\"");
                        pos = end;
                        break;
                    }
                    pos = q + 1;
                    if (pos < end && line[pos] == '"') {
                        ++pos;
                        continue;
                    }
                    tok->Piece = line.substr(delimPos, pos - delimPos);
                    break;
                }
                tok->Where = delimWhere;
                store();
                break;
            }
            case '+':
            case '-':
            case '.':
                if (pos < end && IsDigit(line[pos])) {
                    while (pos < end && !cs.numberEnd[U(line[pos])]) ++pos;
                }
                tok->Piece = line.substr(delimPos, pos - delimPos);
                tok->Where = delimWhere;
                store();
                break;
            case '<':
            case '>':
                if (pos < end && (line[pos] == '=' || line[pos] == '>')) ++pos;
                tok->Piece = line.substr(delimPos, pos - delimPos);
                tok->Where = delimWhere;
                store();
                break;
            case ':':
                if (pos < end && line[pos] == '=') ++pos;
                tok->Piece = line.substr(delimPos, pos - delimPos);
                tok->Where = delimWhere;
                store();
                break;
            case '[': {
                // Brackets delimit a name: a quote, an apostrophe or a colon
                // inside them is part of it. Such a name is one token.
                size_t close = pos < end ? line.find(']', pos) : std::string::npos;
                if (close != std::string::npos && line.find_first_of("\"':", pos) < close) {
                    tok->Piece = line.substr(delimPos, close - delimPos + 1);
                    tok->Class = TokenClass::Name;
                    tok->Detail = tokdetail::kName;
                    pos = close + 1;
                } else {
                    tok->Piece = line.substr(delimPos, 1);
                }
                tok->Where = delimWhere;
                store();
                break;
            }
            case ' ':
            case '\t':
                pos = delimPos;  // white space of the next token
                break;
            case 0:
                if (tok->Piece.empty() && !tok->WhiteSpaceLeft.empty()) {
                    tok->Piece = tok->WhiteSpaceLeft;
                    tok->WhiteSpaceLeft = {};
                    tok->Where = static_cast<long>(wsColumn);
                    tok->Class = TokenClass::NonCode;
                    tok->Detail = tokdetail::kBlank;
                    store();
                }
                break;
            default:
                tok->Piece = line.substr(delimPos, 1);
                tok->Where = delimWhere;
                store();
                break;
        }
    }
    work[static_cast<size_t>(n)].FlagsMisc |= tokflag::kLastOfLine;
    if (BabTraceOn()) BabTrace("Tokens=" + Num(n));
}
