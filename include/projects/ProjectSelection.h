#pragma once
// What confirming a choice of project files puts into a session's file
// list: each loaded project file's own entry followed by its chosen files,
// in the order the project dialog lists them.
#include <functional>
#include <vector>

class cFileCollection;
class cProjectFile;
class cProjectFiles;

// Whether line `line` of project `project` (both 1-based) is ticked.
using LineChosen = std::function<bool(long project, long line)>;

// Appends to `files`, for every project file of `projects` in order, its
// own entry (FileType 1, WhichFile the number of file entries appended
// before it) followed by its chosen component lines of kinds 1 to 7 (FileType
// 2, FileName the line's WholeFile, WhichFile the line number), forms first,
// then modules, classes and the other designer files. A group file adds
// nothing. Returns the number of file entries appended; when it is 0,
// `files` is left as it was.
long AppendProjectSelection(const cProjectFiles& projects, const LineChosen& chosen, cFileCollection& files);

// The numbers of a project's listed lines in the order the project dialog
// shows them: forms, modules, classes, then the other form-like lines.
std::vector<long> ListedLines(const cProjectFile& project);
