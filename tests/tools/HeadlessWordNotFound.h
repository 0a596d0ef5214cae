#pragma once
// The headless driver's answer to the Word Not Found question: one fixed
// answer for every unknown word, each question printed on stderr.
#include <string>

#include "spelling/WordNotFound.h"

enum class SpellAnswer {
    Ignore,           // leave the word as it is
    FirstSuggestion,  // replace it by its first suggestion (ignore it when there is none)
    Cancel,           // stop the check ("Cancel Spellcheck")
};

// The answer named on the command line; false for an unknown name.
bool ParseSpellAnswer(const std::string& name, SpellAnswer& answer);

class HeadlessWordNotFound : public IWordNotFound {
public:
    explicit HeadlessWordNotFound(SpellAnswer answer) : answer_(answer) {}
    WordNotFoundAnswer Ask(cSpellCheck& checker, const std::string& word,
                           const std::vector<std::string>& suggestions, bool canAddToCustom) override;

private:
    SpellAnswer answer_;
};
