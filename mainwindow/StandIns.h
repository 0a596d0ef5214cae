#pragma once
// Stand-ins for what the main window calls in subsystems that are not built
// yet: the spell checker and the options dialog's change flag. Each is as
// small as the main window needs to run; the subsystem that owns the name
// replaces it and this file shrinks until it is gone.
#include <memory>
#include <string>

// --- Spelling: the spell checker.
struct cSpellCheck {
    bool IgnoreNumbers = false;
    bool IgnoreVBWords = false;
    bool IgnoreUpperCase = false;
    std::string MainDictName;
    std::string UserDictName;
    bool SpellInitialize() { return true; }
};
inline std::unique_ptr<cSpellCheck> oSpell;

// --- Options dialog: set when its last showing changed a setting.
inline bool gblnOptionsChanged = false;
