#pragma once
// What the engine asks of the spelling subsystem and its dialogs. Until that
// subsystem installs its own, spell checking changes nothing and the tab
// width stays unchosen; a resource script cannot be zelked without its pass.
#include <functional>
#include <string>
#include <string_view>

#include "settings/ZelkOptions.h"

class LineWriter;
struct SourceModel;

// Checks one comment or literal of the model; may replace the text by the
// corrected one. False when the user stopped spell checking for the rest of
// the module.
inline std::function<bool(std::string& text, const std::string& kind, const SourceModel& model, long stmt)>
    gfnSpellCheckIt;
// The one-time tab-width question: the width the user chose (NotChosen when
// none). The run uses it for the rest of its file and changes no setting;
// the program's question keeps the answer in the program's settings itself.
inline std::function<TabWidth()> gfnAskTabWidth;
// Copies the text of a resource script line by line into `out`, spell-checking
// the texts of its string tables when `spell` is on; returns the number of
// lines copied.
inline std::function<long(std::string_view text, LineWriter& out, bool spell)> gfnSpellCheckResource;

// Sets the spell checker up from the spelling settings of the options (the
// three ignore switches, the dictionary names) and opens its dictionaries,
// creating a missing custom dictionary. Unset while there is no spell checker.
inline std::function<void(const ZelkOptions& options)> gfnSpellInitialize;
