#pragma once
// Putting a file's bytes in place of another without ever leaving the target
// deleted or half written.
#include <string>

// Copies `from` to `to`: writes beside `to` and renames over it, so that `to`
// holds either its old or its new content. Raises VBError on failure, the
// target untouched.
void CopyFileOver(const std::string& from, const std::string& to);

// True when the file exists and its owner may not write it (the read-only
// attribute).
bool fblnReadOnly(const std::string& path);

// Deletes a file only when it is one of the program's own temporary files;
// every failure is ignored.
void KillOwnTemp(const std::string& path);
