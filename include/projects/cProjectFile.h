#pragma once
// One loaded project or group file: its lines, the lists of its components
// by kind, and the reading of the file.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "projects/ProjectKeys.h"
#include "projects/ProjectRecord.h"
#include "projects/cProjectLines.h"

class LineReader;
class VBError;

enum class ProjectFileType : long { Group = 0, Project = 1 };

class cProjectFile {
public:
    cProjectFile();

    // A list of line numbers: element n (1 to the count) is the number of
    // the n-th listed line in ProjectRecords; element 0 is unused. Empty
    // until a project file is read.
    using LineList = std::vector<long>;

    int Classes = 0;
    LineList ClassList;
    std::string Dialect = "6";
    std::string FileName;       // full path of the project or group file
    std::string FileNameBase;
    std::string FileNameDrive;
    std::string FileNameExt;
    std::string FileNamePath;   // folder with its trailing separator
    ProjectFileType FileType = ProjectFileType::Group;
    LineList FormList;
    int Forms = 0;              // form-like lines (kinds 1, 4, 5, 6, 7)
    std::array<long, projectkey::kCount + 2> Key;  // every element -1; nothing reads it
    LineList ModuleList;
    int Modules = 0;
    long Objects = 0;           // lines naming a control project or a ".VBX" file
    cProjectLines ProjectRecords;
    long Records = 0;           // lines read so far
    long References = 0;        // lines referencing another project
    int SyntaxError = 0;        // stays 0: errors are kept per line

    // The lines in file order (the collection's enumerator).
    cProjectLines::const_iterator begin() const { return ProjectRecords.begin(); }
    cProjectLines::const_iterator end() const { return ProjectRecords.end(); }

    // Reads a project file (new or old style). The extension lists are "."
    // followed by the extensions joined by "." (".FRM.CTL", ".BAS.CLS").
    // Afterwards oDebug->StatusCode is 12 (reason 1 not opened, 2 reading
    // stopped on an error) or 19 (not one component file found), each after
    // its message; otherwise it is left as it was. A blank file name or a
    // list that does not begin with "." raises an error to the caller.
    void ProcessProjectFile(const std::string& wFileName, const std::string& wFormExt, const std::string& wModuleExt);
    // Reads a group file into plain lines; status 12 as above.
    void ProcessProjectGroupFile(const std::string& wFileName);

    // Found and not-found component files of the last reading.
    long FilesFound() const { return found_; }
    long FilesNotFound() const { return notFound_; }

private:
    long found_ = 0;
    long notFound_ = 0;

    void ParseProjectRecord(cProjectLine& line, const std::string& formList, const std::string& codeList);
    void ParseFileName(const std::string& path, std::string& drive, std::string& dir, std::string& base,
                       std::string& ext, bool& error);
    std::string ReadFormVBName(cProjectLine& line);
    // Opens the file (Retry/Cancel for a busy device); false after the
    // failure was told and the status set.
    bool OpenFile(LineReader& file);
    // Splits FileName, opens the file and hands each line, read into a new
    // cProjectLine (Records raised), to `take`; false when the file could
    // not be opened or the reading stopped on an error (both told).
    bool ReadLines(const std::function<void(std::unique_ptr<cProjectLine>)>& take);
    void CheckComponent(cProjectLine& line);
    void AcceptComponent(std::unique_ptr<cProjectLine> line);
    void ReadError(const VBError& error, const std::string& lastLine);
    void ReportMissingFiles();
};
