#include "TokenClassifier.h"

#include "analysis/AnalyserLog.h"
#include "analysis/KeywordTable.h"
#include "platform/VBText.h"

namespace {

inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

void Set(WorkToken& t, TokenClass cls, long detail) {
    t.Class = cls;
    t.Detail = detail;
}

bool UpperIs(const WorkToken& t, std::string_view word) { return vb::EqualsNoCase(t.Piece, word); }

// The token the blanks at the end of a line make.
bool IsTrailingBlanks(const WorkToken& t) {
    return t.Class == TokenClass::NonCode && t.Detail == tokdetail::kBlank && !t.Piece.empty();
}

void ClassifyWord(std::vector<WorkToken>& w, long i, long n, BabFileFlags& f) {
    WorkToken& t = w[static_cast<size_t>(i)];
    const WorkToken& first = w[1];
    bool lookUp = i > 1 || !f.InType;
    // Inside a Type block the first word of a line is a member name, unless
    // the line ends the block.
    if (!lookUp && n >= 2 && (UpperIs(first, "PRIVATE") || UpperIs(first, "END")) &&
        (UpperIs(w[2], "TYPE") || UpperIs(w[2], "ENUM")))
        lookUp = true;

    long index = 0;
    if (lookUp) SearchForKeyWord(t.Piece, index);
    if (index == 0) {
        Set(t, TokenClass::Name, tokdetail::kName);
        return;
    }
    t.pKeyWord = index;
    t.IsKeyWord = t.IsReservedWord = true;

    // Only Type, Enum and End open or close a block; every other keyword is
    // done here.
    const std::string_view kw = BabKeyWordAt(index).KeyWord;
    const bool isType = kw == "TYPE", isEnum = kw == "ENUM";
    if (!isType && !isEnum && kw != "END") return;
    auto scoped = [&] { return UpperIs(first, "PUBLIC") || UpperIs(first, "PRIVATE") || i == 1; };
    // End Type and End Enum begin a line or follow a ":" (a block written on
    // one line ends there too).
    bool startsStatement = i == 1 || w[static_cast<size_t>(i) - 1].Piece == ":";
    bool endOf = !isType && !isEnum && startsStatement && i < n;
    const WorkToken& after = w[static_cast<size_t>(i) + (i < n ? 1 : 0)];
    bool afterEnd = i > 1 && UpperIs(w[static_cast<size_t>(i) - 1], "END");
    if (isType) {
        if (!f.InProcedure && !f.FormDescription && scoped() && !afterEnd) f.InType = true;
    } else if (endOf && UpperIs(after, "TYPE")) {
        f.InType = false;
    }
    if (isEnum) {
        if (scoped() && !afterEnd) f.InEnum = true;
    } else if (endOf && UpperIs(after, "ENUM")) {
        f.InEnum = false;
    }
}

void ClassifyBang(std::vector<WorkToken>& w, long i, long n) {
    WorkToken& t = w[static_cast<size_t>(i)];
    Set(t, TokenClass::Operator, tokdetail::kOperator);
    if (i <= 1 || i >= n || !t.WhiteSpaceLeft.empty()) return;
    const std::string_view next = w[static_cast<size_t>(i) + 1].Piece;
    char c = next.empty() ? '\0' : vb::UCaseChar(next[0]);
    // A letter or "[" after the "!" makes it the field access of a collection
    // (rs!Name, rs![Field Name]); otherwise it is the type character of the
    // word before it.
    if ((c >= 'A' && c <= 'Z') || c == '[') return;
    WorkToken& prev = w[static_cast<size_t>(i) - 1];
    // The two stand side by side in the line, save after a piece the
    // tokenizer built.
    if (prev.Piece.data() + prev.Piece.size() == t.Piece.data())
        prev.Piece = std::string_view(prev.Piece.data(), prev.Piece.size() + t.Piece.size());
    else
        prev.MakePiece(prev.Piece, t.Piece);
    prev.FlagsMisc += t.FlagsMisc;
    t.Piece = {};
}

void ClassifyColon(std::vector<WorkToken>& w, long i, bool& hasLabel, const BabFileFlags& f) {
    WorkToken& t = w[static_cast<size_t>(i)];
    if (f.FormDescription) {
        Set(t, TokenClass::Operator, tokdetail::kOperator);
        return;
    }
    if (i == 1) return;
    WorkToken& p = w[static_cast<size_t>(i) - 1];
    bool candidate = p.Class == TokenClass::Name || (p.Class == TokenClass::Literal && p.Detail == tokdetail::kNumber);
    // Only a name at the start of a line is a label: after a ":" between
    // statements it is the call of a procedure.
    bool atLabelPlace = i - 1 == 1;
    if (candidate && !hasLabel && atLabelPlace) {
        Set(t, TokenClass::Colon, tokdetail::kLabelColon);
        Set(p, TokenClass::NonCode, tokdetail::kLeadingLabel);
        hasLabel = true;
    } else {
        if (t.Piece == ":=") Set(t, TokenClass::Operator, tokdetail::kNamedArgument);
        else Set(t, TokenClass::Colon, tokdetail::kSeparator);
        hasLabel = false;
    }
}

// Called with tracing on only: the check stays at the call, so that with
// tracing off the building of the trace costs nothing.
void TraceResult(const std::vector<WorkToken>& w, long n) {
    BabTrace("Tokens returned=" + Num(n));
    for (long i = 1; i <= n; ++i) {
        const WorkToken& t = w[static_cast<size_t>(i)];
        BabTrace("Token-" + Num(i) + "...\r\n  |" + t.Piece + "|\r\n  LeadingSpace=" +
                 Num(static_cast<long>(t.WhiteSpaceLeft.size())) + "\r\n  Class=" + Num(CodeOf(t.Class)) +
                 "\r\n  Detail=" + Num(t.Detail) + "\r\n  pKeyWord=" + Num(t.pKeyWord));
    }
}

}  // namespace

void AnalyzeTokens(std::vector<WorkToken>& w, long& n, BabFileFlags& flags) {
    bool hasLabel = false;
    for (long i = 1; i <= n; ++i) {
        WorkToken& t = w[static_cast<size_t>(i)];
        char c = t.Piece.empty() ? '\0' : t.Piece[0];
        bool single = t.Piece.size() == 1;
        if (c == '[' && t.Class == TokenClass::Name) {
            // A bracketed name the tokenizer kept whole.
        } else if (t.Piece.empty()) {
            if (i == 1) Set(t, TokenClass::NonCode, tokdetail::kBlank);
        } else if (IsAsciiLetter(c)) {
            if (t.Class == TokenClass::Keyword) ClassifyWord(w, i, n, flags);
        } else if (c >= '0' && c <= '9') {
            if (i == 1) Set(t, TokenClass::NonCode, tokdetail::kLeadingLabel);
            else Set(t, TokenClass::Literal, tokdetail::kNumber);
        } else if (c == '"') {
            Set(t, TokenClass::Literal, tokdetail::kString);
        } else if (c == '.' || c == '+' || c == '-' || c == '&') {
            if (single) Set(t, TokenClass::Operator, tokdetail::kOperator);
            else Set(t, TokenClass::Literal, tokdetail::kNumber);
        } else if (c == '<' || c == '>') {
            Set(t, TokenClass::Operator, tokdetail::kOperator);
        } else if (c == '!') {
            ClassifyBang(w, i, n);
        } else if (c == '\'') {
            Set(t, TokenClass::NonCode, tokdetail::kComment);
        } else if (c == '#') {
            if (single) Set(t, TokenClass::Operator, tokdetail::kOperator);
            else Set(t, TokenClass::Literal, tokdetail::kDate);
        } else if (c == ':') {
            ClassifyColon(w, i, hasLabel, flags);
        } else if (c == '_' && single && i > 1 &&
                   (i == n || (i == n - 1 && IsTrailingBlanks(w[static_cast<size_t>(n)])))) {
            // Only "_" continues a line, also with blanks after it (which
            // go with it); a trailing "\" is integer division.
            w[static_cast<size_t>(i) - 1].FlagsOut += 1;
            t.Piece = {};
            if (i < n) w[static_cast<size_t>(n)].Piece = {};
        } else if (c == '_' || c == '\\') {
            Set(t, TokenClass::Operator, tokdetail::kOperator);
        } else if (t.Class == TokenClass::Keyword) {
            Set(t, TokenClass::Operator, tokdetail::kOperator);
        }
    }

    // Drop the emptied tokens (a joined "!", a continuation "_"), but never
    // the first token of the line.
    long kept = 1;
    for (long i = 2; i <= n; ++i) {
        WorkToken& t = w[static_cast<size_t>(i)];
        if (t.Piece.empty()) continue;
        ++kept;
        if (kept != i) w[static_cast<size_t>(kept)] = t;
    }
    if (n > 0) n = kept;
    if (BabTraceOn()) TraceResult(w, n);
}
