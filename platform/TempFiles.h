#pragma once
// Temporary files of our own: the first three characters of a prefix, a
// hexadecimal number and ".TMP", created exclusively so that two callers
// never get the same name.
#include <string>

namespace tempfiles {

// Creates a new empty file in `dir` and returns its full name. Raises
// VBError (with the folder named) when no file can be created.
std::string Create(const std::string& dir, const std::string& prefix);

// True when the path names one of the program's own temporary files: a
// "PV*.TMP" name in the program's directory.
bool IsOwn(const std::string& path);

// Deletes the program's own temporary files ("PV*.TMP") in `dir`; other
// files, "*.tmp" of other programs among them, are left alone. Returns the
// number deleted.
int DeleteOwn(const std::string& dir);

}  // namespace tempfiles
