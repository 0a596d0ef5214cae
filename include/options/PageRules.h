#pragma once
// The handlers of the options dialog's pages: which controls each edit
// enables or disables, the explanation texts and captions it sets, the
// checks of the file and folder fields, and that every edit marks the
// options as changed. The same handlers run when the user acts and while the
// settings are copied into the controls.
#include <string>

#include "options/OptionControls.h"
#include "settings/ZelkOptions.h"

// The model's handler: runs the rule of the control that raised the event.
// saved: the options the dialog was opened on and hands its edits back into
// on OK. The rules compare with its default dialect, propose its backup
// folder and code templates, and a code template confirmed in its editor is
// stored in it at once (the template file is written at once too).
void OptionsPageRules(OptionControls& c, const ControlEvent& e, ZelkOptions& saved);
// The handler that runs the rules over the given saved options, which must
// outlive the controls it is set on.
OptionControls::Handler PageRulesOver(ZelkOptions& saved);

// The two line-number fields let only the digits 0 to 9 in.
bool LineNumberAcceptsChar(char c);

// The history file a newly ticked history switch proposes.
std::string DefaultHistoryFile();
