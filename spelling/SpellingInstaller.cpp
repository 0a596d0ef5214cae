#include "spelling/SpellingInstaller.h"

#include <utility>

#include "spelling/ResourceSpelling.h"
#include "settings/ZelkOptions.h"
#include "engine/SpellingHooks.h"
#include "spelling/modSpell.h"

void sbSpellSetUp(IWordNotFound* question, const ZelkOptions& options) {
    if (!oSpell) oSpell = std::make_unique<cSpellCheck>(question);
    oSpell->IgnoreNumbers = options.gblnIgnoreNumbers;
    oSpell->IgnoreVBWords = options.gblnIgnoreVBWords;
    oSpell->IgnoreUpperCase = options.gblnIgnoreCaps;
    oSpell->MainDictName(options.gsStandardDictionary);
    oSpell->UserDictName(options.gsCustomDictionary);
    oSpell->SpellInitialize();
}

void InstallSpelling(IWordNotFound* question) {
    oSpell = std::make_unique<cSpellCheck>(question);
    gfnSpellCheckIt = [](std::string& text, const std::string& kind, const SourceModel& model, long stmt) {
        return sbSpellCheckIt(text, kind, model, stmt);
    };
    gfnSpellCheckResource = [](std::string_view text, LineWriter& out, bool spell) {
        return sbSpellCheckResource(text, out, spell);
    };
    gfnSpellInitialize = [question](const ZelkOptions& options) { sbSpellSetUp(question, options); };
}

SpellingInstalled::SpellingInstalled(IWordNotFound* question)
    : check_(gfnSpellCheckIt),
      resource_(gfnSpellCheckResource),
      setUp_(gfnSpellInitialize),
      checker_(std::move(oSpell)) {
    InstallSpelling(question);
}

SpellingInstalled::~SpellingInstalled() {
    oSpell = std::move(checker_);
    gfnSpellCheckIt = std::move(check_);
    gfnSpellCheckResource = std::move(resource_);
    gfnSpellInitialize = std::move(setUp_);
}
