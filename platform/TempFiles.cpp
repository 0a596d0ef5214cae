#include "TempFiles.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "Clock.h"
#include "Paths.h"
#include "VBError.h"
#include "VBText.h"

namespace tempfiles {
namespace {
std::atomic<unsigned> gCounter{0};

bool IsOwnName(const std::string& name) {
    std::string upper = vb::UCase(name);
    return upper.size() > 6 && upper.compare(0, 2, "PV") == 0 && upper.compare(upper.size() - 4, 4, ".TMP") == 0;
}
}  // namespace

bool IsOwn(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path p(path);
    std::error_code ec;
    return IsOwnName(p.filename().string()) && fs::equivalent(p.parent_path(), paths::ProgramDir(), ec);
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
