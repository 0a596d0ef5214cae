#pragma once
// The eight order lists of the Arrange page on the dialog's controls: each
// list box shows the captions, and the codes stay beside them in the
// control (ItemCodes), so that moving an entry moves its code with it.
#include <string>

#include "options/OptionControls.h"
#include "options/OrderCodes.h"
#include "settings/ZelkOptions.h"

// Fills the eight lists from gsModuleHow, gsProcsHow and gsLocalHow of
// `options`, each with its first entry selected.
void sbRestoreOrder(OptionControls& c, const ZelkOptions& options);

// The three strings the lists give, entries top to bottom.
OrderStrings OrderStringsOf(const OptionControls& c);

// A click on the arrow image imgMove(index): even indices move the selected
// entry of their list up, odd ones down. A move that cannot be made beeps;
// either way the options count as changed.
void imgMove_Click(OptionControls& c, int index);

// A key pressed in the order list `listName` (lstOrderDeclarations_0 ...).
// Ctrl+Up and Ctrl+Down move the selected entry; every key with Ctrl alone
// comes back as 0, so that the list does not act on it as well.
void lstOrder_KeyDown(OptionControls& c, const std::string& listName, int& keyCode, int shift);

// The name of the list control an arrow image moves in; empty for an index
// that has no arrow.
std::string OrderListNameOfArrow(int index);
