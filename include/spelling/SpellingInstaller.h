#pragma once
// Puts the spell checker to work in the engine. The program's start-up calls
// InstallSpelling once; the headless driver and the tests install it for one
// run (SpellingInstalled), each with its own way of asking about an unknown
// word.
#include <memory>

#include "engine/SpellingHooks.h"

class IWordNotFound;
class cSpellCheck;
struct ZelkOptions;

// Makes the spell checker oSpell, asking through `question` (not owned; it
// must outlive the checker; none: unknown words are left as they are), and
// installs the engine's spelling hooks: the check of a comment or literal,
// the resource-script pass and the set-up before each file.
void InstallSpelling(IWordNotFound* question);

// Sets oSpell up from the spelling settings of the options (the three ignore
// switches, the dictionary names) and opens its dictionaries, creating a
// missing custom dictionary. Makes the checker first when there is none.
void sbSpellSetUp(IWordNotFound* question, const ZelkOptions& options);

// InstallSpelling for as long as it lives: the spell checker and hooks
// installed before it come back when it ends, so that runs in one process
// leave nothing to the next.
class SpellingInstalled {
public:
    explicit SpellingInstalled(IWordNotFound* question);
    ~SpellingInstalled();
    SpellingInstalled(const SpellingInstalled&) = delete;
    SpellingInstalled& operator=(const SpellingInstalled&) = delete;

private:
    decltype(gfnSpellCheckIt) check_;
    decltype(gfnSpellCheckResource) resource_;
    decltype(gfnSpellInitialize) setUp_;
    std::unique_ptr<cSpellCheck> checker_;
};
