#include "projects/ProjectSelection.h"

#include <vector>

#include "common/cFileDesc.h"
#include "projects/cProjectFiles.h"

std::vector<long> ListedLines(const cProjectFile& project) {
    std::vector<long> lines;
    auto take = [&](const cProjectFile::LineList& list, int count, auto wanted) {
        for (int n = 1; n <= count && static_cast<size_t>(n) < list.size(); ++n) {
            const long number = list[static_cast<size_t>(n)];
            if (number >= 1 && number <= project.ProjectRecords.Count() &&
                wanted(project.ProjectRecords.Item(number).FileType))
                lines.push_back(number);
        }
    };
    auto any = [](LineKind) { return true; };
    take(project.FormList, project.Forms, [](LineKind k) { return k == LineKind::Form; });
    take(project.ModuleList, project.Modules, any);
    take(project.ClassList, project.Classes, any);
    take(project.FormList, project.Forms, [](LineKind k) { return k != LineKind::Form; });
    return lines;
}

long AppendProjectSelection(const cProjectFiles& projects, const LineChosen& chosen, cFileCollection& files) {
    std::vector<cFileDesc> entries;
    long fileEntries = 0;
    for (long p = 1; p <= projects.Count(); ++p) {
        const cProjectFile& project = projects.Item(p);
        if (project.FileType == ProjectFileType::Group) continue;
        cFileDesc own;
        own.FileName = project.FileName;
        own.FileType = filekind::kProject;
        own.IsSelected = true;
        own.WhichFile = fileEntries;
        own.WhichProject = p;
        entries.push_back(own);
        for (long number : ListedLines(project)) {
            const cProjectLine& line = project.ProjectRecords.Item(number);
            if (!IsComponentKind(line.FileType) || !chosen(p, number)) continue;
            cFileDesc file;
            file.FileName = line.WholeFile;
            file.IsSelected = true;
            file.WhichFile = number;
            file.WhichProject = p;
            entries.push_back(file);
            ++fileEntries;
        }
    }
    if (fileEntries == 0) return 0;
    for (auto& entry : entries) files.Add(std::move(entry));
    return fileEntries;
}
