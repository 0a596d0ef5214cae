#pragma once
// The handlers of the options dialog's pages: which controls each edit
// enables or disables, the explanation texts and captions it sets, the
// checks of the file and folder fields, and that every edit marks the
// options as changed. The same handlers run when the user acts and while the
// settings are copied into the controls.
#include <string>

#include "options/OptionControls.h"

// The model's handler: runs the rule of the control that raised the event.
void OptionsPageRules(OptionControls& c, const ControlEvent& e);

// The two line-number fields let only the digits 0 to 9 in.
bool LineNumberAcceptsChar(char c);

// The history file a newly ticked history switch proposes.
std::string DefaultHistoryFile();
