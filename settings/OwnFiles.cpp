#include "OwnFiles.h"

#include "common/WindowHelpers.h"
#include "platform/Paths.h"

std::string OwnFiles::PathOrEmpty(const std::string& fileName) {
    for (const auto& [name, answer] : looked_)
        if (name == fileName) return answer;
    std::string path = paths::Join(paths::ProgramDir(), fileName);
    if (!FileExists(path)) path.clear();
    looked_.emplace_back(fileName, path);
    return path;
}
