#pragma once
// Set by every edit in the options dialog since it was last shown; the main
// window's Options command reads it once the dialog has closed, and writes
// the settings file when it is set.
inline bool gblnOptionsChanged = false;
