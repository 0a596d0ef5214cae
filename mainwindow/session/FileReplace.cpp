#include "FileReplace.h"

#include <cerrno>
#include <filesystem>

#include "platform/TempFiles.h"
#include "platform/TextFile.h"
#include "platform/VBError.h"

void CopyFileOver(const std::string& from, const std::string& to) {
    std::string bytes;
    if (!textfile::ReadAll(from, bytes)) RaiseErrno(errno, from, "FileCopy");
    if (!textfile::WriteAllAtomic(to, bytes)) RaiseErrno(errno, to, "FileCopy");
}

bool fblnReadOnly(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_status st = fs::status(path, ec);
    return !ec && fs::exists(st) && (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

void KillOwnTemp(const std::string& path) {
    if (path.empty() || !tempfiles::IsOwn(path)) return;
    std::error_code ec;
    std::filesystem::remove(path, ec);
}
