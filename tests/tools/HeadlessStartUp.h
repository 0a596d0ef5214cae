#pragma once
// The start-up steps the headless commands share: the shared objects as the
// program creates them, a fixed screen, and the settings load.
#include <string>

// Creates the shared objects and the file-dialog object, and fixes the
// screen at 1920 x 1080 pixels.
void HeadlessCreateObjects();

// Loads the settings file of the configuration folder as the program's
// start-up does, writing the whole file when its version differs from the
// program's.
void HeadlessLoadSettings();

// Loads the settings file without writing anything back.
void HeadlessReadSettings();

// The configuration folder when $ZELKER_CONFIG_DIR names it; empty (after a
// message on stderr) otherwise, so that no command touches a user's own files.
std::string HeadlessConfigDir();
