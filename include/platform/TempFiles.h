#pragma once
// Temporary files of our own: the first three characters of a prefix, a
// hexadecimal number and ".TMP", created exclusively so that two callers
// never get the same name. Each running copy of the program keeps its
// temporary files in a folder of its own, so that one copy never touches
// another's (and the program's directory, read-only once installed, is never
// written).
#include <string>

namespace tempfiles {

// Creates a new empty file in `dir` and returns its full name. Raises
// VBError (with the folder named) when no file can be created.
std::string Create(const std::string& dir, const std::string& prefix);

// This running copy's folder for its temporary files, made on first use
// (readable by the user alone) under $XDG_RUNTIME_DIR when that is a
// writable folder, else under the system's temporary folder ($TMPDIR, else
// /tmp). When the place changes (tests move it), a new folder is made there.
// Raises VBError (naming the place) when no folder can be made.
std::string OwnDir();

// True when the path names one of this copy's own temporary files: a
// "PV*.TMP" name in its own folder.
bool IsOwn(const std::string& path);

// Deletes the program's own temporary files ("PV*.TMP") in `dir`; other
// files, "*.tmp" of other programs among them, are left alone. Returns the
// number deleted.
int DeleteOwn(const std::string& dir);

// At exit: deletes this copy's temporary files and then its folder, when it
// made one. Other copies' folders and every other file are left alone.
void RemoveOwnDir();

}  // namespace tempfiles
