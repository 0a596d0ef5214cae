#pragma once
// The project and group files of the current selection, in the order they
// were read, addressed from 1.
#include <memory>
#include <vector>

#include "projects/cProjectFile.h"

class cProjectFiles {
public:
    using Files = std::vector<std::unique_ptr<cProjectFile>>;
    Files ProjectFiles;

    long Count() const { return static_cast<long>(ProjectFiles.size()); }
    // 1-based; raises error 9 outside 1..Count.
    cProjectFile& Item(long index);
    const cProjectFile& Item(long index) const;
    void Add(std::unique_ptr<cProjectFile> file) { ProjectFiles.push_back(std::move(file)); }

    // The files in order (the collection's enumerator).
    Files::const_iterator begin() const { return ProjectFiles.begin(); }
    Files::const_iterator end() const { return ProjectFiles.end(); }
};

// The loaded projects; replaced each time project or group files are opened.
inline std::unique_ptr<cProjectFiles> oProjectFiles;
