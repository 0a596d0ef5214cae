#pragma once
// Turns one line of a project file into a classified cProjectLine, and splits
// the paths that project files name.
#include <string>

#include "projects/cProjectLine.h"

// What the parser reads and raises of the project the line belongs to.
struct ProjectTally {
    long Records = 0;     // lines read so far, this one included
    long Objects = 0;     // lines naming a control project or a ".VBX" file
    long References = 0;  // lines referencing another project
};

// Parses line.AsRecord. The line's FileNameBase, FileNameDrive and
// FileNamePath hold the project's own when called. formList and codeList are
// upper-case extension lists such as ".FRM.CTL." and ".BAS.CLS.". A line
// that breaks a rule gets SyntaxError and keeps the kind and key number
// found before; nothing is raised for bad input.
void ParseProjectRecord(cProjectLine& line, const std::string& formList, const std::string& codeList,
                        ProjectTally& project);

// Splits a path as project files write it ("\" or "/" between folders) into
// drive, folder (with its trailing separator, native), base and extension.
// A blank path sets error and leaves the parts as they were; otherwise error
// is left as it was.
void ParseProjectFileName(const std::string& path, std::string& drive, std::string& dir, std::string& base,
                          std::string& ext, bool& error);
