#include "session/BackupNames.h"

#include <cstdio>

#include "platform/Paths.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"

std::string fsBackupDirectory(const ZelkOptions& options, const std::string& sourceDir) {
    // A setting written on Windows separates with "\"; a leading one means
    // "below the source's directory".
    const std::string& setting = options.gsBackupDirectory;
    auto native = [](std::string text) { return vb::Replace(text, "\\", std::string(1, paths::kSep)); };
    std::string dir;
    if (setting.empty() || options.giBackup != BackupPlace::BackupDirectory) dir = sourceDir + "ZELBACK";
    else if (setting.front() == '\\') dir = sourceDir + native(setting.substr(1));
    else if (paths::IsAbsolute(setting)) dir = native(setting);
    else dir = sourceDir + native(setting);
    if (dir.empty() || dir.back() != paths::kSep) dir += paths::kSep;
    return dir;
}

std::string fsNameThroughFirstDot(const std::string& fileName) {
    size_t dot = fileName.find('.');
    return dot == std::string::npos ? fileName + "." : fileName.substr(0, dot + 1);
}

std::string fsCycleName(const std::string& fileName, int number) {
    std::string stem = fsNameThroughFirstDot(fileName);
    if (stem.size() < fileName.size()) stem += fileName[stem.size()];
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", number);
    return stem + digits;
}

std::string fsFreeCycleName(const std::string& backupDir, const std::string& fileName) {
    for (int n = 1; n <= kMaxCycles; ++n) {
        std::string candidate = fsCycleName(fileName, n);
        if (!FileExists(backupDir + candidate)) return candidate;
    }
    return {};
}
