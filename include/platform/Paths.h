#pragma once
// Where the program finds its own files and where it keeps the per-user ones.
#include <string>

namespace paths {

// The native separator; paths from Windows project files are converted to it.
constexpr char kSep = '/';

// The folder of the running executable, or $ZELKER_PROGRAM_DIR when set.
// Never ends with a separator.
std::string ProgramDir();

// The executable's file name without folder and extension ("zelker").
std::string ExeName();

// The per-user configuration folder that takes the place of the Windows
// directory: $ZELKER_CONFIG_DIR, else $XDG_CONFIG_HOME/zelker, else
// ~/.config/zelker. Never ends with a separator; not created here.
std::string ConfigDir();

// Creates the configuration folder (and its parents) when it is missing.
void EnsureConfigDir();

// A file named without any folder lives in the configuration folder; any other
// name is used as it stands.
std::string ResolveProfileFile(const std::string& name);

// Joins a folder and a name with exactly one separator between them.
std::string Join(const std::string& dir, const std::string& name);

// True when the path is absolute: starts with "/" or has a drive colon.
bool IsAbsolute(const std::string& path);

// Splits a path into drive (through the first ":"), folder (through the last
// separator), base and extension (from the last "."; taken before the folder,
// so a point in a folder's name starts the extension when the file has none).
// A blank path returns false and leaves the parts as they were; otherwise
// every part is set.
bool SplitParts(const std::string& path, std::string& drive, std::string& dir, std::string& base, std::string& ext);

// The path with every "\" turned into the native separator; nothing else.
std::string NativeSeparators(std::string path);

// Converts "\" to the native separator and, where the exact name does not
// exist, resolves each component without regard to ASCII case.
std::string FromWindowsPath(const std::string& path);

}  // namespace paths
