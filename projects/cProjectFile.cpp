#include "projects/cProjectFile.h"

#include <filesystem>
#include <system_error>

#include "common/AppIdentity.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

// The base of object errors plus 3: a call with a bad argument.
constexpr long kInvalidArgument = -2147221501;
constexpr long kDeviceUnavailable = 68;

bool LogClasses() { return oDebug && oLog && oDebug->LogClasses; }

std::string NumText(long n) { return (n >= 0 ? " " : "") + std::to_string(n); }

bool IsRetryable(long number) {
    return number == vberr::kFileAlreadyOpen || number == vberr::kDeviceIO || number == kDeviceUnavailable ||
           number == vberr::kDiskNotReady;
}

void Tell(const std::string& text, int buttons = mb::vbOKOnly) {
    (void)Ui().MsgBox(text, buttons | mb::vbExclamation, app::kTitle);
}

// A directory entry of that name exists: a file, but also a folder or a
// link that leads nowhere, which are then found and refused as unreadable
// rather than reported missing.
bool NameExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found && !ec;
}

// The full path of a component: a name with a drive or rooted at "/" as it
// stands, any other name below the project's folder; "\" becomes the
// separator and each part of the path is matched without regard to case
// when the exact name does not exist.
std::string ComponentPath(const cProjectFile& project, const std::string& fileName) {
    const std::string native = paths::NativeSeparators(vb::Trim(fileName));
    if (fileName.find(':') != std::string::npos || paths::IsAbsolute(native)) return paths::FromWindowsPath(native);
    return paths::FromWindowsPath(project.FileNameDrive + project.FileNamePath + native);
}

void LogSummary(const cProjectFile& project) {
    auto logList = [&](const char* what, const cProjectFile::LineList& list, int count) {
        for (int n = 1; n <= count; ++n) {
            const cProjectLine& line = project.ProjectRecords.Item(list[static_cast<size_t>(n)]);
            oLog->LogData(std::string(" ") + what + " " + NumText(static_cast<long>(line.FileType)) +
                          " VBName: " + line.VBName);
        }
    };
    logList("Forms", project.FormList, project.Forms);
    logList("Classes", project.ClassList, project.Classes);
    logList("Modules", project.ModuleList, project.Modules);
    bool anyError = false;
    for (const cProjectLine& line : project) anyError = anyError || line.SyntaxError;
    oLog->LogData(" File...\r\n  Name=" + project.FileName + "\r\n  Forms=" + NumText(project.Forms) +
                  "\r\n  Modules=" + NumText(project.Modules) + "\r\n  Classes=" + NumText(project.Classes) +
                  "\r\n  Dialect=" + project.Dialect + "\r\n  Objects=" + NumText(project.Objects) +
                  "\r\n  SyntaxError=" + (anyError ? "True" : "False") + "\r\n  Records=" + NumText(project.Records));
}

}  // namespace

cProjectFile::cProjectFile() { Key.fill(-1); }

void cProjectFile::ParseFileName(const std::string& path, std::string& drive, std::string& dir, std::string& base,
                                 std::string& ext, bool& error) {
    ParseProjectFileName(path, drive, dir, base, ext, error);
}

void cProjectFile::ParseProjectRecord(cProjectLine& line, const std::string& formList, const std::string& codeList) {
    ProjectTally tally{Records, Objects, References};
    ::ParseProjectRecord(line, formList, codeList, tally);
    Objects = tally.Objects;
    References = tally.References;
}

bool cProjectFile::OpenFile(LineReader& file) {
    while (true) {
        try {
            file.Open(FileName);
            return true;
        } catch (const VBError& e) {
            if (e.Number < vberr::kBadFileNameOrNumber || e.Number > vberr::kPathNotFound) throw;
            const std::string vbErr = "\r\nVBErr=" + std::to_string(e.Number);
            if (IsRetryable(e.Number)) {
                const std::string text = FileName + "\r\n\r\n" + e.Description;
                oLog->LogBlock(text, vbErr);
                if (Ui().MsgBox(text, mb::vbRetryCancel | mb::vbExclamation, app::kTitle) == mb::vbRetry) continue;
            } else {
                const std::string text =
                    "The following error occurred processing " + FileName + "." + "\r\n\r\n" + e.Description;
                oLog->LogBlock(text, vbErr);
                Tell(text);
            }
            oDebug->StatusCode = 12;
            oDebug->ReasonCode = 1;
            return false;
        }
    }
}

void cProjectFile::ReadError(const VBError& error, const std::string& lastLine) {
    const std::string text = "The following error occurred reading record" + NumText(Records) + "\r\non file " +
                             FileName + ".\r\nRemainder of file not processed.\r\n\r\n" + error.Description +
                             " at line 0\r\nLast line read: " + lastLine;
    oLog->LogBlock(text);
    Tell(text);
    oDebug->StatusCode = 12;
    oDebug->ReasonCode = 2;
}

std::string cProjectFile::ReadFormVBName(cProjectLine& line) {
    LineReader file;
    try {
        file.Open(line.WholeFile);
    } catch (const VBError& e) {
        line.FileType = LineKind::None;
        line.FileName = line.WholeFile;
        if (oLog) oLog->LogData("Error processing file " + line.WholeFile + e.Description);
        return line.WholeFile.substr(line.WholeFile.rfind(paths::kSep) + 1);
    }
    std::string text;
    while (file.ReadLine(text)) {
        if (text.find("Begin") == std::string::npos) continue;
        const std::string trimmed = vb::RTrim(text);
        const size_t blank = trimmed.rfind(' ');
        return blank == std::string::npos ? trimmed : trimmed.substr(blank + 1);
    }
    return {};
}

void cProjectFile::CheckComponent(cProjectLine& line) {
    if (line.FileNameBase.empty()) line.FileNameBase = FileNameBase;
    if (line.FileNameDrive.empty()) line.FileNameDrive = FileNameDrive;
    if (line.FileNamePath.empty()) line.FileNamePath = FileNamePath;
    if (line.WholeFile.empty()) line.WholeFile = ComponentPath(*this, line.FileName);
    if (NameExists(line.WholeFile)) {
        ++found_;
    } else {
        line.SyntaxError = true;
        ++notFound_;
    }
}

void cProjectFile::AcceptComponent(std::unique_ptr<cProjectLine> line) {
    const LineKind kind = line->FileType;
    if (IsFormLikeKind(kind)) {
        line->VBName = ReadFormVBName(*line);
        if (line->VBName.empty()) line->VBName = line->FileNameBase;
    }
    // The key of the kind as it stands now (a form that cannot be read is
    // kind 0). A second component of one kind and name is refused before it
    // enters a list, so that no list names a line that is not there.
    const std::string key = std::to_string(static_cast<long>(line->FileType)) + line->VBName;
    if (ProjectRecords.HasKey(key)) ProjectRecords.Add(std::move(line), key);  // raises the duplicate-key error
    if (IsFormLikeKind(kind)) {
        FormList.push_back(Records);
        ++Forms;
    } else if (kind == LineKind::Class) {
        ClassList.push_back(Records);
        ++Classes;
    } else {
        ModuleList.push_back(Records);
        ++Modules;
    }
    ProjectRecords.Add(std::move(line), key);
}

void cProjectFile::ReportMissingFiles() {
    if (notFound_ <= 0) return;
    std::string text = "For the project file " + FileName + "\r\n" + std::to_string(notFound_) +
                       " files were not found and\r\n" + std::to_string(found_) + " files were found.";
    if (found_ == 0) {
        oDebug->StatusCode = 19;
        text += "\r\n\r\nNo further processing will occur.";
    }
    Tell(text);
}

bool cProjectFile::ReadLines(const std::function<void(std::unique_ptr<cProjectLine>)>& take) {
    bool blank = false;
    ParseFileName(FileName, FileNameDrive, FileNamePath, FileNameBase, FileNameExt, blank);
    LineReader file;
    if (!OpenFile(file)) return false;
    ProjectRecords = cProjectLines();
    std::string text;
    try {
        while (file.ReadLine(text)) {
            auto line = std::make_unique<cProjectLine>();
            ++Records;
            line->AsRecord = text;
            take(std::move(line));
        }
    } catch (const VBError& e) {
        ReadError(e, text);
        return false;
    }
    return true;
}

void cProjectFile::ProcessProjectFile(const std::string& wFileName, const std::string& wFormExt,
                                      const std::string& wModuleExt) {
    TraceGuard trace(TraceKind::Classes, "ProcessProjectFile");
    if (wFileName.empty()) throw VBError(kInvalidArgument, "Invalid FileName", "ProcessProjectFile");
    const bool badForms = !wFormExt.empty() && wFormExt[0] != '.';
    const bool badModules = wFormExt.empty() && !wModuleExt.empty() && wModuleExt[0] != '.';
    if (badForms || badModules) throw VBError(kInvalidArgument, "Invalid FileExt", "ProcessProjectFile");
    if (LogClasses())
        oLog->LogData("ProjectFile-name=" + wFileName + "\r\n FormExt=" + wFormExt + "\r\n ModuleExt=" + wModuleExt);

    FileName = wFileName;
    FileType = ProjectFileType::Project;
    FormList.assign(1, 0);
    ClassList.assign(1, 0);
    ModuleList.assign(1, 0);
    const std::string formList = vb::UCase(wFormExt) + ".";
    const std::string codeList = vb::UCase(wModuleExt) + ".";
    found_ = notFound_ = 0;

    const bool read = ReadLines([&](std::unique_ptr<cProjectLine> line) {
        line->FileNameBase = FileNameBase;
        line->FileNameDrive = FileNameDrive;
        line->FileNamePath = FileNamePath;
        ParseProjectRecord(*line, formList, codeList);
        if (!IsComponentKind(line->FileType)) {
            ProjectRecords.Add(std::move(line));
            return;
        }
        // A line the parser refused names no file to look for.
        if (!line->SyntaxError) CheckComponent(*line);
        if (line->SyntaxError) {
            line->FileType = LineKind::None;
            ProjectRecords.Add(std::move(line));
            return;
        }
        AcceptComponent(std::move(line));
    });
    if (!read) return;
    if (LogClasses()) LogSummary(*this);
    ReportMissingFiles();
}

void cProjectFile::ProcessProjectGroupFile(const std::string& wFileName) {
    TraceGuard trace(TraceKind::Classes, "ProcessProjectGroupFile");
    if (wFileName.empty()) throw VBError(kInvalidArgument, "Invalid FileName", "ProcessProjectGroupFile");
    if (LogClasses()) oLog->LogData("ProjectGroupFile-name=" + wFileName);
    FileName = wFileName;
    FileType = ProjectFileType::Group;
    ReadLines([&](std::unique_ptr<cProjectLine> line) { ProjectRecords.Add(std::move(line)); });
}
