#pragma once
// Program-wide state that several subsystems read and one writes, kept here
// at the bottom of the dependency order so that the progress reporting and
// the closing of files can reach it.
#include <string>


// Lines of the file being processed: the progress gauge's maximum.
inline long glLinesInFile = 0;

// Whether the module being zelked is spell checked: a copy of the spelling
// option taken at start-up, before a Zelk All and when the options are saved;
// cleared when the user stops spell checking a module.
inline bool gblnSpellThisModule = false;

// The program's help file: its directory, its executable name and ".hlp".
// Every window's Help reaches it.
inline std::string gsHelpFile;
