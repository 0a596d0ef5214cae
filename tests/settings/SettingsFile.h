#pragma once
// The settings file of a test: written whole, read back whole, loaded.
#include <initializer_list>
#include <string>

#include "settings/ZelkOptions.h"

namespace settingsfile {

std::string Path();
void Write(const std::string& content);
std::string Read();
// Creates the file-dialog object when it does not exist, then loads the file
// into options (the shared objects' settings into the shared objects).
void Load(ZelkOptions& options);
// The same into a fresh options value, which it returns.
ZelkOptions Load();
// Leaves exactly the named files among the program's own optional files
// (dictionaries, comment-block templates) in the program's folder.
void OnlyProgramFiles(std::initializer_list<std::string> present);
// Replaces every "@P" by the program's folder.
std::string WithProgramDir(std::string text);

}  // namespace settingsfile
