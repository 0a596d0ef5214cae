#pragma once
// One line of a project or group file, with what the parser and the reader
// made of it.
#include <string>
#include <vector>

#include "projects/ProjectKeys.h"

class cProjectLine {
public:
    // Elements of Value: 0 to 5 at creation.
    static constexpr size_t kValueSlots = 6;

    std::string AsRecord;      // the line exactly as read
    std::string FileName;      // the component's file name as the line writes it
    std::string FileNameBase;  // file name without folder and extension
    std::string FileNameDrive; // drive with its colon, or empty
    std::string FileNameExt;   // extension with its leading dot, or empty
    std::string FileNamePath;  // folder with its trailing separator
    LineKind FileType = LineKind::None;
    int KeyWord = projectkey::kNone;  // 1 to 67, an old-style file's negative number, or 0
    bool SyntaxError = false;  // the line breaks a rule or its component file was not found
    // The parsed items of the value; which elements hold them depends on the
    // value's form (the comma list fills 1 to Values, the others 0 to
    // Values - 1).
    std::vector<std::string> Value = std::vector<std::string>(kValueSlots);
    int Values = 0;
    std::string VBName;     // the component's object name
    std::string WholeFile;  // the component file's full path
};
