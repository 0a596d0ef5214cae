#pragma once
// Reading token texts of the source model the way the arrangement and
// conversion steps compare them: by index, upper-cased, an index outside the
// token array reading as an empty text.
#include <string>
#include <string_view>

#include "analysis/SourceModel.h"
#include "platform/VBText.h"

namespace tokentext {

inline bool InTokens(long t) { return t >= 0 && static_cast<size_t>(t) < yToken.size(); }

// The token's text as written; empty outside the array.
inline StoredText Piece(long t) { return InTokens(t) ? yToken[static_cast<size_t>(t)].Piece : StoredText(); }

// The token's text upper-cased; empty outside the array.
inline std::string Upper(long t) { return vb::UCase(Piece(t)); }

// True when the token's text is the word, compared without regard to ASCII
// case (the word given in upper case); no copy is made.
inline bool Is(long t, std::string_view upperWord) { return vb::EqualsNoCase(Piece(t), upperWord); }

// Rewrites a token's text; nothing happens outside the array. The new text
// takes room in the model's text store.
inline void SetPiece(long t, std::string_view text) {
    if (InTokens(t)) yToken[static_cast<size_t>(t)].Piece = gModel.texts.Add(text);
}

// The statement's text as it stands in the source: every token's leading
// blanks and text.
std::string StatementSourceText(const BabStatement& stmt);

// A text made exactly `width` characters long: cut, or padded with blanks.
std::string Fixed(const std::string& text, size_t width);

}  // namespace tokentext
