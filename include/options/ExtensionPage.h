#pragma once
// The four extension lists (cboExtension 0..3) and the dialect buttons of
// the Selection page on the dialog's controls: a list's text line is the
// control's Text, its entries its Items, the selected entry its ListIndex.
// Refusals show in lblMessage; a refused entry asks for the focus back.
#include "options/OptionControls.h"

// The text line changed: the message goes and the options count as changed.
void cboExtension_Change(OptionControls& c, int index);
// Removes the selected entry (never the last one).
void cboExtension_DblClick(OptionControls& c, int index);
// Delete with an entry selected removes it.
void cboExtension_KeyDown(OptionControls& c, int index, int keyCode, int shift);
// Enter adds the typed text as leaving the line does.
void cboExtension_KeyPress(OptionControls& c, int index, int keyAscii);
// Adds the typed text in upper case, or refuses it.
void cboExtension_LostFocus(OptionControls& c, int index);
// A dialect button makes sure the extensions its dialect brought are listed.
void optDialect_Click(OptionControls& c, int index);
