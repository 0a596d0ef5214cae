#pragma once
// Reading token texts of the source model the way the arrangement and
// conversion steps compare them: by index, upper-cased, an index outside the
// token array reading as an empty text.
#include <string>
#include <string_view>

#include "analysis/SourceModel.h"
#include "platform/VBText.h"

namespace tokentext {

inline bool InTokens(const SourceModel& m, long t) { return t >= 0 && static_cast<size_t>(t) < m.yToken.size(); }

// The token's text as written; empty outside the array.
inline const std::string& Piece(const SourceModel& m, long t) {
    static const std::string kNone;
    return InTokens(m, t) ? m.yToken[static_cast<size_t>(t)].Piece : kNone;
}

// The token's text upper-cased; empty outside the array.
inline std::string Upper(const SourceModel& m, long t) { return vb::UCase(Piece(m, t)); }

// True when the token's text is the word, compared without regard to ASCII
// case (the word given in upper case); no copy is made.
inline bool Is(const SourceModel& m, long t, std::string_view upperWord) {
    return vb::EqualsNoCase(Piece(m, t), upperWord);
}

// Rewrites a token's text; nothing happens outside the array.
inline void SetPiece(SourceModel& m, long t, const std::string& text) {
    if (InTokens(m, t)) m.yToken[static_cast<size_t>(t)].Piece = text;
}

// The statement's text as it stands in the source: every token's leading
// blanks and text.
std::string StatementSourceText(const SourceModel& m, const BabStatement& stmt);

// A text made exactly `width` characters long: cut, or padded with blanks.
std::string Fixed(const std::string& text, size_t width);

}  // namespace tokentext
