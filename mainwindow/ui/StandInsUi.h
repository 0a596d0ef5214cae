#pragma once
// Stand-ins for the windows of subsystems that are not built yet: the
// options dialog.

// Start-up: the options dialog loaded hidden, and shown for a first run.
void sbLoadOptionsDialog();
void sbShowOptionsDialogModal();
// The Options command's dialog.
void sbShowOptionsCommandDialog();
