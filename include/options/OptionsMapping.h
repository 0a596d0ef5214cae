#pragma once
// Copies every setting the options dialog edits into its control, and every
// control back into its setting: the options value and the user name,
// company and Open-dialog switch of oAppInfo.
#include "options/OptionControls.h"
#include "settings/ZelkOptions.h"

// Sets the controls from the settings, in an order that matters: setting a
// control runs its handler, which enables and disables its dependents.
void sbRestoreOptions(OptionControls& c, const ZelkOptions& options);

// Writes the controls back into the settings; runs no handler. A choice with
// no button selected, a spin box or number field that holds no number, and
// an empty user name or company leave their setting as it is.
void sbSaveOptions(const OptionControls& c, ZelkOptions& options);
