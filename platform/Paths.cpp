#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "platform/VBText.h"

namespace fs = std::filesystem;

namespace paths {
namespace {

std::string EnvOrEmpty(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string StripTrailingSep(std::string s) {
    while (s.size() > 1 && s.back() == kSep) s.pop_back();
    return s;
}

fs::path SelfExe() {
    std::error_code ec;
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : p;
}

}  // namespace

std::string ProgramDir() {
    std::string env = EnvOrEmpty("ZELKER_PROGRAM_DIR");
    if (!env.empty()) return StripTrailingSep(env);
    fs::path exe = SelfExe();
    if (exe.empty()) return StripTrailingSep(fs::current_path().string());
    return StripTrailingSep(exe.parent_path().string());
}

std::string ExeName() {
    fs::path exe = SelfExe();
    if (exe.empty()) return "zelker";
    return exe.stem().string();
}

std::string ConfigDir() {
    std::string env = EnvOrEmpty("ZELKER_CONFIG_DIR");
    if (!env.empty()) return StripTrailingSep(env);
    std::string xdg = EnvOrEmpty("XDG_CONFIG_HOME");
    if (!xdg.empty()) return Join(StripTrailingSep(xdg), "zelker");
    std::string home = EnvOrEmpty("HOME");
    if (home.empty()) home = "/tmp";
    return Join(Join(StripTrailingSep(home), ".config"), "zelker");
}

void EnsureConfigDir() {
    std::error_code ec;
    fs::create_directories(ConfigDir(), ec);
}

std::string ResolveProfileFile(const std::string& name) {
    if (name.find(kSep) == std::string::npos && name.find('\\') == std::string::npos &&
        !IsAbsolute(name))
        return Join(ConfigDir(), name);
    return name;
}

std::string Join(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == kSep) return dir + name;
    return dir + kSep + name;
}

bool IsAbsolute(const std::string& path) {
    if (path.empty()) return false;
    if (path[0] == kSep) return true;
    return path.size() >= 2 && path[1] == ':';
}

bool SplitParts(const std::string& path, std::string& drive, std::string& dir, std::string& base, std::string& ext) {
    std::string rest = vb::Trim(path);
    if (rest.empty()) return false;
    drive.clear();
    dir.clear();
    base.clear();
    ext.clear();
    if (size_t colon = rest.find(':'); colon != std::string::npos) {
        drive = rest.substr(0, colon + 1);
        rest.erase(0, colon + 1);
    }
    if (size_t point = rest.rfind('.'); point != std::string::npos) {
        ext = rest.substr(point);
        rest.erase(point);
    }
    if (size_t sep = rest.rfind(kSep); sep != std::string::npos) {
        dir = rest.substr(0, sep + 1);
        base = rest.substr(sep + 1);
    } else {
        base = rest;
    }
    return true;
}

std::string NativeSeparators(std::string path) {
    for (char& c : path)
        if (c == '\\') c = kSep;
    return path;
}

std::string FromWindowsPath(const std::string& path) {
    std::string p = NativeSeparators(path);
    std::error_code ec;
    if (p.empty() || fs::exists(p, ec)) return p;

    // Walk the components, matching each one without regard to case.
    fs::path in(p);
    fs::path out;
    for (const auto& part : in) {
        if (part == "/") {
            out = part;
            continue;
        }
        fs::path candidate = out.empty() ? part : out / part;
        if (!fs::exists(candidate, ec)) {
            std::string want = vb::UCase(part.string());
            fs::path dir = out.empty() ? fs::path(".") : out;
            for (const auto& entry : fs::directory_iterator(dir, ec)) {
                if (vb::UCase(entry.path().filename().string()) == want) {
                    candidate = out.empty() ? entry.path().filename() : out / entry.path().filename();
                    break;
                }
            }
        }
        out = candidate;
    }
    return out.string();
}

}  // namespace paths
