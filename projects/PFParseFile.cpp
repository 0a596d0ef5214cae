#include "projects/PFParseFile.h"

#include <memory>
#include <utility>
#include <vector>

#include "common/AppIdentity.h"
#include "analysis/FileValidation.h"
#include "settings/ZelkOptions.h"
#include "platform/Paths.h"
#include "projects/ProjectFileDialog.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "projects/cProjectFiles.h"
#include "common/mKEMCommon.h"

namespace {


void TellAndLog(const std::string& text) {
    oLog->LogBlock(text);
    Ui().MsgBox(text, mb::vbExclamation, app::kTitle);
}

// "." followed by the setting's list with "|" turned into ".".
std::string ExtensionList(const std::string& setting) { return "." + vb::Replace(setting, "|", "."); }

// A member project named in a group file: below the group's folder unless
// the name has a drive or is rooted, "\" turned into the separator, each
// part matched without regard to case where the exact name is missing.
std::string MemberPath(const std::string& groupDir, const std::string& member) {
    const std::string native = paths::NativeSeparators(member);
    if (paths::IsAbsolute(native)) return paths::FromWindowsPath(native);
    return paths::FromWindowsPath(groupDir + native);
}

// Expands entry `index` when it is a group file; false (status 12, reason 1,
// after the message) when the file cannot be read.
bool ExpandGroup(cFileCollection& names, long index, long& members) {
    cFileDesc& entry = names.Item(index);
    std::string text;
    if (!textfile::ReadAll(entry.FileName, text)) {
        TellAndLog("Unable to open " + entry.FileName + ".");
        oDebug->StatusCode = 12;
        oDebug->ReasonCode = 1;
        return false;
    }
    const std::vector<std::string> lines = textfile::SplitLines(text);
    if (lines.empty() || lines[0].find('=') != std::string::npos || lines[0].rfind("VBGROUP", 0) != 0) return true;

    entry.FileType = filekind::kGroup;
    cFileDesc own;
    own.FileName = entry.FileName;
    own.FileType = filekind::kGroup;
    own.IsSelected = true;
    own.WhichFile = index;
    own.WhichProject = index;
    oFile->Add(own);

    const std::string groupName = entry.FileName;
    const std::string groupDir = groupName.substr(0, groupName.rfind(paths::kSep) + 1);
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t equals = lines[i].find('=');
        if (equals == std::string::npos) continue;
        cFileDesc member;
        member.FileName = MemberPath(groupDir, lines[i].substr(equals + 1));
        member.FileType = filekind::kProject;
        member.IsSelected = true;
        member.WhichProject = ++members;
        names.Add(member);
    }
    return true;
}

// Checks the listed component files of a project; lines whose files are
// binary or cannot be read become kind 10. False when the user cancelled.
bool CheckComponents(cProjectFile& project) {
    long rejected = 0;
    const std::pair<const cProjectFile::LineList*, int> lists[] = {
        {&project.FormList, project.Forms}, {&project.ClassList, project.Classes}, {&project.ModuleList, project.Modules}};
    for (const auto& [list, count] : lists) {
        for (int n = 1; n <= count && static_cast<size_t>(n) < list->size(); ++n) {
            const long number = (*list)[static_cast<size_t>(n)];
            if (number < 1 || number > project.ProjectRecords.Count()) continue;
            cProjectLine& line = project.ProjectRecords.Item(number);
            std::vector<std::string> name{std::string(), line.WholeFile};
            VBFileValidate(name, false);
            if (oDebug->StatusCode == 8) return false;
            if (name[1].empty()) {
                ++rejected;
                line.FileType = LineKind::Other;
            }
        }
    }
    if (rejected > 0)
        TellAndLog(std::to_string(rejected) + " Code/Form Files in the Project File " +
                   "are binary or couldn't be opened. " + "\r\n\r\n" +
                   "If the files are Visual Basic 3.0 binary files " +
                   "and you want to be able to display or print them, " + "then within Visual Basic choose File / Save " +
                   "As ... and check the Save As Text box.");
    return true;
}

// After a file could not be opened or read (status 12): the message, and
// true so that the opening ends.
bool ReadFailed(const std::string& fileName) {
    if (oDebug->StatusCode != 12) return false;
    TellAndLog((oDebug->ReasonCode == 1 ? "Unable to open " : "Error occurred reading ") + fileName + ".");
    return true;
}

// Reads every project and group file of the list; false when the opening
// ends early.
bool ReadAll(cFileCollection& names, const std::string& formList, const std::string& codeList) {
    for (long i = 1; i <= names.Count(); ++i) {
        const cFileDesc& entry = names.Item(i);
        if (entry.FileType != filekind::kProject && entry.FileType != filekind::kGroup) continue;
        auto project = std::make_unique<cProjectFile>();
        if (entry.FileType == filekind::kProject) {
            project->ProcessProjectFile(entry.FileName, formList, codeList);
            if (ReadFailed(entry.FileName) || oDebug->StatusCode == 19) return false;
            if (!CheckComponents(*project)) return false;
        } else {
            project->ProcessProjectGroupFile(entry.FileName);
            if (ReadFailed(entry.FileName)) return false;
        }
        oProjectFiles->Add(std::move(project));
    }
    return true;
}

}  // namespace

void PFParseFile(cFileCollection& names, const ZelkOptions& options) {
    TraceGuard trace(TraceKind::App, "PFParseFile");
    oProjectFiles = std::make_unique<cProjectFiles>();
    const std::string formList = ExtensionList(options.gsFormExt);
    const std::string codeList = ExtensionList(options.gsCodeExt);

    const long chosen = names.Count();
    long members = 0;
    for (long i = 1; i <= chosen; ++i)
        if (!ExpandGroup(names, i, members)) return;
    if (!ReadAll(names, formList, codeList)) return;
    if (oProjectFiles->Count() == 0) return;

    gfnUnloadProjectDialog = [] { ProjectFileDialog().Unload(); };
    ProjectFileDialog().Unload();
    Ui().DoEvents();
    ProjectFileDialog().ShowModal("Project File - " + oProjectFiles->Item(1).FileName, options.gsSaveZelFile);
}
