#pragma once
// The spelling subsystem installed for the length of a test, as the
// program's start-up installs it: the spell checker and the engine's
// spelling hooks. The checker and hooks there before (at a test's start:
// none) come back when the scope ends. A test that needs one hook of its
// own lends that hook (Lend.h).
#include <memory>

#include "Lend.h"
#include "engine/SpellingHooks.h"
#include "spelling/SpellingInstaller.h"
#include "spelling/modSpell.h"

namespace testsupport {

class SpellingScope {
public:
    // Unknown words are asked about through `question` (none: they are left
    // as they are).
    explicit SpellingScope(IWordNotFound* question) { InstallSpelling(question); }

private:
    Lend<decltype(gfnSpellCheckIt)> check_{gfnSpellCheckIt};
    Lend<decltype(gfnSpellCheckResource)> resource_{gfnSpellCheckResource};
    Lend<decltype(gfnSpellInitialize)> setUp_{gfnSpellInitialize};
    Lend<std::unique_ptr<cSpellCheck>> checker_{oSpell, nullptr};
};

}  // namespace testsupport
