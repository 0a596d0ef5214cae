#include "TokenText.h"

namespace tokentext {

std::string StatementSourceText(const SourceModel& m, const BabStatement& stmt) {
    std::string text;
    for (long t = stmt.FirstToken; t <= stmt.LastToken && InTokens(m, t); ++t) {
        if (t < 1) continue;
        const BabToken& tok = m.yToken[static_cast<size_t>(t)];
        text += tok.WhiteSpaceLeft;
        text += tok.Piece;
    }
    return text;
}

std::string Fixed(const std::string& text, size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

}  // namespace tokentext
