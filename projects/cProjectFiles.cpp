#include "projects/cProjectFiles.h"

#include "platform/VBError.h"

cProjectFile& cProjectFiles::Item(long index) {
    if (index < 1 || index > Count()) RaiseError(vberr::kSubscriptOutOfRange, "cProjectFiles");
    return *ProjectFiles[static_cast<size_t>(index - 1)];
}

const cProjectFile& cProjectFiles::Item(long index) const {
    if (index < 1 || index > Count()) RaiseError(vberr::kSubscriptOutOfRange, "cProjectFiles");
    return *ProjectFiles[static_cast<size_t>(index - 1)];
}
