#include "spelling/SpellingInstaller.h"

#include "settings/ProgramOptions.h"
#include "spelling/ResourceSpelling.h"
#include "engine/SpellingHooks.h"
#include "spelling/modSpell.h"

void sbSpellSetUp(IWordNotFound* question) {
    if (!oSpell) oSpell = std::make_unique<cSpellCheck>(question);
    oSpell->IgnoreNumbers = goOptions.gblnIgnoreNumbers;
    oSpell->IgnoreVBWords = goOptions.gblnIgnoreVBWords;
    oSpell->IgnoreUpperCase = goOptions.gblnIgnoreCaps;
    oSpell->MainDictName(goOptions.gsStandardDictionary);
    oSpell->UserDictName(goOptions.gsCustomDictionary);
    oSpell->SpellInitialize();
}

void InstallSpelling(IWordNotFound* question) {
    oSpell = std::make_unique<cSpellCheck>(question);
    gfnSpellCheckIt = [](std::string& text, const std::string& kind, long stmt) { sbSpellCheckIt(text, kind, stmt); };
    gfnSpellCheckResource = [](int index) { sbSpellCheckResource(index); };
    gfnSpellInitialize = [question] { sbSpellSetUp(question); };
}
