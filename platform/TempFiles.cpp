#include "platform/TempFiles.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/VBError.h"
#include "platform/VBText.h"

namespace tempfiles {
namespace {
std::atomic<unsigned> gCounter{0};

bool IsOwnName(const std::string& name) {
    std::string upper = vb::UCase(name);
    return upper.size() > 6 && upper.starts_with("PV") && upper.ends_with(".TMP");
}

// The place the own folder was made in, and the folder; empty until made.
std::string gOwnBase, gOwnDir;

bool IsWritableDir(const std::string& dir) {
    std::error_code ec;
    return !dir.empty() && std::filesystem::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

// The user's runtime folder when there is one to write in; else the
// system's temporary folder as the user names it, else /tmp.
std::string PlaceForOwnDir() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && IsWritableDir(runtime)) return runtime;
    if (const char* system = std::getenv("TMPDIR"); system && *system) return system;
    return "/tmp";
}
}  // namespace

std::string OwnDir() {
    const std::string base = PlaceForOwnDir();
    if (!gOwnDir.empty() && base == gOwnBase && std::filesystem::is_directory(gOwnDir)) return gOwnDir;
    // The process id tells a person which copy a folder belongs to; mkdtemp
    // makes the folder exclusively, readable by the user alone.
    std::string pattern = paths::Join(base, "zelker-" + std::to_string(::getpid()) + "-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr)
        throw VBError(fnErrnoToVB(errno), "Unable to create a folder for temporary files in " + base, "GetTempFile",
                      base);
    gOwnBase = base;
    gOwnDir = pattern;
    return gOwnDir;
}

bool IsOwn(const std::string& path) {
    namespace fs = std::filesystem;
    if (gOwnDir.empty()) return false;
    fs::path p(path);
    std::error_code ec;
    return IsOwnName(p.filename().string()) && fs::equivalent(p.parent_path(), gOwnDir, ec);
}

void RemoveOwnDir() {
    if (gOwnDir.empty()) return;
    DeleteOwn(gOwnDir);
    // Only an empty folder goes: anything else in it is not ours to delete.
    ::rmdir(gOwnDir.c_str());
    gOwnDir.clear();
    gOwnBase.clear();
}

std::string Create(const std::string& dir, const std::string& prefix) {
    std::string pre = prefix.substr(0, 3);
    unsigned seed = (static_cast<unsigned>(::getpid()) * 2654435761u) ^ SystemClock().TickCount();
    int lastErr = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        unsigned n = (seed + gCounter.fetch_add(1)) & 0xFFFFu;
        char hex[8];
        std::snprintf(hex, sizeof hex, "%X", n);
        std::string name = paths::Join(dir, pre + hex + ".TMP");
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        lastErr = errno;
        if (lastErr != EEXIST) break;
    }
    if (lastErr == EEXIST) lastErr = ENOSPC;
    throw VBError(fnErrnoToVB(lastErr), "Unable to create a temporary file in " + dir, "GetTempFile", dir);
}

int DeleteOwn(const std::string& dir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (IsOwnName(entry.path().filename().string()) && entry.is_regular_file(ec)) {
            if (fs::remove(entry.path(), ec)) ++count;
        }
    }
    return count;
}

}  // namespace tempfiles
