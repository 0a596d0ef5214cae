#pragma once
// The road by which file names enter a session: the file dialog or a
// recent-file entry, the rules on what may be opened together, and the
// entries of oFile.
#include <string>
#include <vector>

class IMRUMenu;
struct ZelkOptions;

// A list of names in elements 1 to n; element 0 holds no name.
using NameList = std::vector<std::string>;

// Fills oFile (which the caller has emptied) with the files to process:
// recentIndex 0 asks with the file dialog, 1 to 7 opens that recent entry.
// Afterwards either oDebug->StatusCode is 8 and nothing is open, or oFile
// holds the session and oAppInfo tells a resource or project session apart.
// The window's recent-file menu is refreshed after a selection that opened
// files; it may be null. The extension lists of the options tell projects
// and resource scripts from source files.
void GetFilesToProcess(IMRUMenu* window, int recentIndex, const ZelkOptions& options);
// The same for names already chosen in the file dialog (elements 1 to n).
void GetChosenFilesToProcess(IMRUMenu* window, const NameList& chosen, const ZelkOptions& options);

// Shows the file dialog; the chosen full paths come back in names (a name
// from another folder than the first comes back whole). A cancel sets
// status 8 and leaves names with the empty element 0 alone.
void GetListFromCommonDialog(IMRUMenu* window, NameList& names, const ZelkOptions& options);

// The dialog's filter: all source kinds together, one entry per extension
// list of the options that has extensions, then all files.
std::string fsFileDialogFilter(const ZelkOptions& options);

// True (and status 0) when the file's extension is in the options' list of
// the kind: "M" code, "F" forms, "P" projects, "R" resource scripts.
bool fblnValidFileExtension(const std::string& fileName, const std::string& kind, const ZelkOptions& options);

// index: the 1-based position of the first oFile entry with exactly this
// name (status 9), else oFile's count + 1 (status 5); 0 for an empty name.
void FindNameInList(const std::string& fileName, long& index);

// The text cut at every delimiter, empty pieces kept.
void ParseLine(const std::string& text, const std::string& delimiter, std::vector<std::string>& pieces);
