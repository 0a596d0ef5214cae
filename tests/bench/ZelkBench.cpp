// The benchmark of the analyser and the engine (see README.md):
//
//   zelk_bench [--runs N] [--lines N] [FILE ...]
//
// For a generated module of LINES lines (default 60,000) and for every FILE
// it reports CPU time, lines per second and peak memory of: reading the file
// and splitting it into whitespace-separated tokens (the floor any tool pays),
// the command-line tool's start-up, the analysis alone, and a whole zelk by
// the command-line tool's own entry with the default settings and with AsIs
// off and the splits on.
//
// Every run of a phase is a process of its own (this program started again
// with --child), so that its peak memory is the kernel's high-water mark of
// that phase alone (ru_maxrss of the finished child) and no phase inherits
// the heap of another. Times are measured inside the child around the phase
// only; the median of the runs is shown.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "DumpCommand.h"
#include "GeneratedModule.h"
#include "HeadlessCommand.h"
#include "HeadlessStartUp.h"
#include "analysis/KeywordTable.h"
#include "platform/UiServices.h"
#include "common/mKEMCommon.h"

namespace fs = std::filesystem;

namespace {

enum class Phase { Split, StartUp, Analysis, ZelkDefault, ZelkFormat };

struct PhaseInfo {
    Phase phase;
    const char* name;   // on the command line of a child
    const char* label;  // in the table
};

const PhaseInfo kPhases[] = {
    {Phase::Split, "split", "read and split"},
    {Phase::StartUp, "startup", "start-up only"},
    {Phase::Analysis, "analysis", "analysis"},
    {Phase::ZelkDefault, "zelk-default", "zelk (default)"},
    {Phase::ZelkFormat, "zelk-format", "zelk (AsIs off, splits)"},
};

// The settings of the two zelk runs; a tab width is chosen so that no
// question is asked.
const char* const kDefaultSettings = "[Program]\r\nTabWidth=-1\r\n";
const char* const kFormatSettings =
    "[Program]\r\nTabWidth=-1\r\n[Indentation]\r\nAsIs=No\r\n[General]\r\nSplitMultiLines=Yes\r\nSplitIfs=Yes\r\n";
// The hidden phase that writes a whole settings file, as a user has one.
const PhaseInfo kSettingsFile{Phase::StartUp, "settings", "whole settings file"};
// A fixed date, so that the zelk's pause before each file costs nothing.
const char* const kNow = "1/31/2024 1:45:10 PM";

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Lines as the program's line reader counts them: CR LF, CR or LF ends a
// line, and a last line without an end still counts.
long CountLines(const std::string& text) {
    long lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++lines;
        } else if (text[i] == '\n') {
            ++lines;
        }
    }
    if (!text.empty() && text.back() != '\r' && text.back() != '\n') ++lines;
    return lines;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// The floor: the file read whole and every whitespace-separated token kept.
size_t ReadAndSplit(const std::string& path) {
    const std::string text = ReadFile(path);
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        if (i > start) tokens.emplace_back(text, start, i - start);
    }
    return tokens.size();
}

// The command-line tool's start-up before it zelks: the shared objects, the
// settings and the keyword file.
void StartUp() {
    static ScriptedUiServices ui;
    SetUi(&ui);
    HeadlessCreateObjects();
    HeadlessReadSettings();
    BabInit();
}

void Analyse(const std::string& path) {
    ParseAsOnlyFile(path);
    if (oDebug->StatusCode != 0) {
        std::cerr << "analysis failed: status " << oDebug->StatusCode << "\n";
        std::exit(1);
    }
}

// One run of a phase, in this process; prints "CPU WALL" seconds. The
// configuration folder (ZELKER_CONFIG_DIR) is the caller's.
int RunChild(const std::string& name, const std::string& path, const std::string& work) {
    if (name == kSettingsFile.name) {
        // A first run: every setting written with its default value.
        HeadlessCreateObjects();
        HeadlessLoadSettings();
        std::printf("0 0\n");
        return 0;
    }
    auto it = std::find_if(std::begin(kPhases), std::end(kPhases), [&](const PhaseInfo& p) { return name == p.name; });
    if (it == std::end(kPhases)) return 2;
    const Phase phase = it->phase;
    if (phase == Phase::Analysis) StartUp();
    const double cpu0 = CpuSeconds(), wall0 = WallSeconds();
    switch (phase) {
        case Phase::Split:
            if (ReadAndSplit(path) == 0 && fs::file_size(path) > 0) return 1;
            break;
        case Phase::StartUp: StartUp(); break;
        case Phase::Analysis: Analyse(path); break;
        case Phase::ZelkDefault:
        case Phase::ZelkFormat: {
            const std::string settings = (fs::path(work) / "settings.ini").string();
            std::ofstream(settings, std::ios::binary)
                << (phase == Phase::ZelkDefault ? kDefaultSettings : kFormatSettings);
            const std::string out = (fs::path(work) / "out.txt").string();
            const int rc = ZelkCommand().Run({"--settings", settings, "--now", kNow, path, out, out + ".log"});
            if (rc != 0) return rc;
            break;
        }
    }
    std::printf("%.6f %.6f\n", CpuSeconds() - cpu0, WallSeconds() - wall0);
    return 0;
}

struct Figures {
    double cpu = 0, wall = 0;
    long peakKb = 0;
};

// Starts this program again for one run of a phase and collects its times
// and its peak resident memory.
// The start-up and the analysis read a whole settings file; the zelks get
// the settings of their profile.
bool RunInChild(const PhaseInfo& phase, const std::string& path, const fs::path& work, Figures& out) {
    const fs::path config = work / phase.name;
    fs::remove_all(config);
    fs::create_directories(config);
    const fs::path wholeFile = work / kSettingsFile.name / "VEZUZ.INI";
    if (&phase != &kSettingsFile && (phase.phase == Phase::StartUp || phase.phase == Phase::Analysis))
        fs::copy_file(wholeFile, config / "VEZUZ.INI");
    const std::string errors = (work / "child.err").string();
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        std::FILE* err = std::fopen(errors.c_str(), "w");
        if (err) dup2(fileno(err), STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        setenv("ZELKER_CONFIG_DIR", config.c_str(), 1);
        const std::string configDir = config.string();
        execl("/proc/self/exe", "zelk_bench", "--child", phase.name, path.c_str(), configDir.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string said;
    char buf[256];
    ssize_t n;
    while ((n = read(pipeFds[0], buf, sizeof buf)) > 0) said.append(buf, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(said.c_str(), "%lf %lf", &out.cpu, &out.wall) != 2) {
        std::cerr << "zelk_bench: " << phase.label << " failed on " << path << ":\n" << ReadFile(errors);
        return false;
    }
    out.peakKb = usage.ru_maxrss;
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string Thousands(double value) {
    std::string digits = std::to_string(static_cast<long long>(value + 0.5));
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<size_t>(i), ",");
    return digits;
}

bool Report(const std::string& path, const std::string& title, int runs, const fs::path& work) {
    const std::string text = ReadFile(path);
    const long lines = CountLines(text);
    const double fileMb = static_cast<double>(text.size()) / (1024.0 * 1024.0);
    std::printf("\n%s: %s lines, %.2f MB; median of %d run%s, each in a process of its own\n", title.c_str(),
                Thousands(static_cast<double>(lines)).c_str(), fileMb, runs, runs == 1 ? "" : "s");
    std::printf("%-24s %9s %12s %9s %9s %10s %8s\n", "phase", "cpu ms", "lines/s", "wall ms", "peak MB", "peak/file",
                "x split");
    double splitCpu = 0;
    for (const PhaseInfo& phase : kPhases) {
        std::vector<double> cpu, wall, peak;
        for (int r = 0; r < runs; ++r) {
            Figures f;
            if (!RunInChild(phase, path, work, f)) return false;
            cpu.push_back(f.cpu);
            wall.push_back(f.wall);
            peak.push_back(static_cast<double>(f.peakKb) / 1024.0);
        }
        const double c = Median(cpu), w = Median(wall), p = Median(peak);
        if (phase.phase == Phase::Split) splitCpu = c;
        const bool perLine = phase.phase != Phase::StartUp;
        const std::string rate = perLine && c > 0 ? Thousands(static_cast<double>(lines) / c) : "-";
        char ratio[32] = "-";
        if (perLine && splitCpu > 0) std::snprintf(ratio, sizeof ratio, "%.1f", c / splitCpu);
        std::printf("%-24s %9.1f %12s %9.1f %9.1f %10.1f %8s\n", phase.label, c * 1000.0, rate.c_str(), w * 1000.0,
                    p, fileMb > 0 ? p / fileMb : 0.0, ratio);
        std::fflush(stdout);
    }
    return true;
}

int Usage() {
    std::cerr << "usage: zelk_bench [--runs N] [--lines N] [FILE ...]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "--child") return RunChild(args[1], args[2], args[3]);

    long runs = 3, lines = 60000;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--runs" || args[i] == "--lines") && i + 1 < args.size()) {
            long& value = args[i] == "--runs" ? runs : lines;
            value = std::atol(args[++i].c_str());
            if (value < 1) return Usage();
        } else if (!args[i].empty() && args[i][0] == '-') {
            return Usage();
        } else if (fs::is_regular_file(args[i])) {
            files.push_back(fs::absolute(args[i]).string());
        } else {
            std::cerr << "zelk_bench: " << args[i] << " is not a file\n";
            return 2;
        }
    }

    const fs::path work = fs::temp_directory_path() / ("zelker-bench-" + std::to_string(getpid()));
    fs::create_directories(work);
    const std::string generated = (work / "Timing.bas").string();
    std::ofstream(generated, std::ios::binary) << GenerateModule(lines);
    Figures ignored;
    bool ok = RunInChild(kSettingsFile, generated, work, ignored);
    ok = ok && Report(generated, "generated module", static_cast<int>(runs), work);
    for (const std::string& file : files)
        ok = ok && Report(file, file, static_cast<int>(runs), work);
    fs::remove_all(work);
    return ok ? 0 : 1;
}
