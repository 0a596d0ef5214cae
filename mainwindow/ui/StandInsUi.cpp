#include "StandInsUi.h"

#include "MMAIN.h"

// The options dialog is not built yet: start-up has nothing to load or
// show, and the commands that would show a window say it is not available.
void sbLoadOptionsDialog() {}
void sbShowOptionsDialogModal() {}
void sbShowOptionsCommandDialog() { sbNotYet(); }
