#pragma once
// Line kinds and block flags of the formatter. Words are given by their
// keyword index in the dialect table (pKeyWord; 0 for a word that is no
// keyword, which matches nothing).

#include "analysis/ModelCodes.h"

// A first word that makes its line a declaration.
bool IsDeclarationWord(long keyWord);
// The line kind (giLineKind) that a statement's first word and the word after
// it give its line, and whether the line opens or closes a block.
struct FirstWordsKind {
    SourceLineKind kind = SourceLineKind::None;
    bool opens = false;
    bool closes = false;
};
FirstWordsKind KindOfFirstWords(long first, long next);
