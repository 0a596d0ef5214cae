#pragma once
// Stand-ins for what the main window calls in subsystems that are not built
// yet: the options dialog's change flag. Each is as small as the main window
// needs to run; the subsystem that owns the name replaces it and this file
// shrinks until it is gone.

// --- Options dialog: set when its last showing changed a setting.
inline bool gblnOptionsChanged = false;
