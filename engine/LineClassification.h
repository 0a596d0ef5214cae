#pragma once
// Line kinds and block flags of the formatter.
#include <string>

#include "analysis/ModelCodes.h"

// A first word that makes its line a declaration (upper-cased).
bool IsDeclarationWord(const std::string& word);
// The line kind (giLineKind) that a statement's first word and the word after
// it (both upper case) give its line, and whether the line opens or closes a
// block.
struct FirstWordsKind {
    SourceLineKind kind = SourceLineKind::None;
    bool opens = false;
    bool closes = false;
};
FirstWordsKind KindOfFirstWords(const std::string& first, const std::string& next);
