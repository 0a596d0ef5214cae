#pragma once
// What the engine asks of the spelling subsystem and its dialogs. Until that
// subsystem installs its own, spell checking changes nothing and the tab
// width stays unchosen; a resource script cannot be zelked without its pass.
#include <functional>
#include <string>

#include "settings/ZelkOptions.h"

struct SourceModel;

// Checks one comment or literal of the model; may replace the text by the
// corrected one.
inline std::function<void(std::string& text, const std::string& kind, const SourceModel& model, long stmt)>
    gfnSpellCheckIt;
// The one-time tab-width question: the width the user chose (NotChosen when
// none). The run uses it for the rest of its file and changes no setting;
// the program's question keeps the answer in the program's settings itself.
inline std::function<TabWidth()> gfnAskTabWidth;
// Spell-checks the string tables of resource script `index` into a temporary
// copy whose name it puts into gsTempOutFile[index]; returns the script's
// line count.
inline std::function<long(int index)> gfnSpellCheckResource;

// Sets the spell checker up from the spelling settings of the options (the
// three ignore switches, the dictionary names) and opens its dictionaries,
// creating a missing custom dictionary. Unset while there is no spell checker.
inline std::function<void(const ZelkOptions& options)> gfnSpellInitialize;
