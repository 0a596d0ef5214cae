#pragma once
// Puts the spell checker to work in the engine. The program's start-up and
// the headless driver call InstallSpelling once, each with its own way of
// asking about an unknown word.
class IWordNotFound;
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
