// End-to-end cases, run through the headless driver's zelk command (in this
// process) as a user's file runs through the program. Each folder of tests/fixtures/engine holds:
// - one source file;
// - any number of settings files NAME.ini, each a case whose zelk must give
//   expected.NAME.out and expected.NAME.log (and, when the run shows
//   messages, expected.NAME.messages); a folder without settings files is
//   one case under the first-run settings, with expected.out, expected.log
//   and expected.messages;
// - optionally a folder program/ whose files the program's folder holds
//   (templates, logging files);
// - optionally a file zelk-once, saying why zelking a case's output again
//   may change it;
// - optionally files unstable.PROFILE, saying which known fault makes a
//   second zelk of the source under that stability profile change it.
// In the settings, the log and the messages, @PROGRAM@ stands for the
// program's folder and @SOURCE@ for the source's full name.
//
// Besides its cases, every source must keep its text under the first-run
// settings except for blank lines before procedure headings (and before the
// comment lines above them), and zelking its
// output again must change nothing under each stability profile: the
// first-run settings, reformat.ini and nearly-everything.ini.
//
// With ZELKER_BLESS set, a case writes what it got as its expected files
// instead, for review before they are committed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "EngineTestSupport.h"
#include "HeadlessCommand.h"

namespace fs = std::filesystem;

namespace {

const char* const kNow = "3/7/2026 2:05:09 PM";

struct GoldenCase {
    std::string name;      // the test's name
    fs::path dir;          // the case's folder
    fs::path source;       // its source file
    std::string settings;  // the settings file's name without ".ini"; empty for the first-run settings
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

bool IsSourceFile(const fs::path& p) {
    const std::string name = p.filename().string();
    return name.rfind("expected.", 0) != 0 && name.rfind("unstable.", 0) != 0 && p.extension() != ".ini" &&
           name != "zelk-once" && name[0] != '.';
}

std::string TestName(std::string n) {
    std::replace_if(n.begin(), n.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
    return n;
}

// One case per settings file of each folder; with `perFolder`, one per folder.
std::vector<GoldenCase> Cases(bool perFolder) {
    std::vector<GoldenCase> cases;
    std::error_code ec;
    for (const auto& folder : fs::directory_iterator(testsupport::FixturePath("engine"), ec)) {
        if (!folder.is_directory()) continue;
        const std::string name = folder.path().filename().string();
        fs::path source;
        std::vector<std::string> settings;
        for (const auto& f : fs::directory_iterator(folder.path())) {
            if (!f.is_regular_file()) continue;
            if (f.path().extension() == ".ini") settings.push_back(f.path().stem().string());
            else if (IsSourceFile(f.path())) source = f.path();
        }
        if (perFolder || settings.empty()) {
            cases.push_back({TestName(name), folder.path(), source, ""});
            continue;
        }
        for (const std::string& s : settings) cases.push_back({TestName(name + "_" + s), folder.path(), source, s});
    }
    std::sort(cases.begin(), cases.end(), [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
    return cases;
}

std::string Read(const fs::path& p) { return testsupport::ReadFile(p.string()); }

// The case's expected file of one kind ("out", "log", "messages").
fs::path ExpectedPath(const GoldenCase& c, const std::string& kind) {
    return c.dir / ("expected." + (c.settings.empty() ? "" : c.settings + ".") + kind);
}

// The program's folder as a new run finds it: the data files alone, and the
// case's program/ files copied in.
void InstallProgramFiles(const fs::path& dir) {
    std::error_code ec;
    for (const auto& f : fs::directory_iterator(testsupport::ProgramDir(), ec)) {
        const std::string name = f.path().filename().string();
        if (name != "ZURUDUVU.KEY" && name != "SPELLDIC.DAT") fs::remove_all(f.path(), ec);
    }
    if (fs::is_directory(dir / "program"))
        fs::copy(dir / "program", testsupport::ProgramDir(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
}

struct GoldenResult {
    int exitCode = -1;
    std::string out, log, messages;

    bool operator==(const GoldenResult&) const = default;
};

// The headless driver's error stream, caught while a command runs.
class CaptureErrors {
public:
    CaptureErrors() : old_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CaptureErrors() { std::cerr.rdbuf(old_); }
    std::string Text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* old_;
};

// Zelks the text as the source file (same name) under the settings file
// (none: the first-run settings), by the headless driver's zelk command run
// in this process.
GoldenResult ZelkGolden(const fs::path& source, const std::string& sourceText, const fs::path& settingsFile) {
    static int runs = 0;
    const std::string work = testsupport::MakeDir("zelk" + std::to_string(++runs));
    const std::string copy = paths::Join(work, source.filename().string());
    testsupport::WriteFile(copy, sourceText);
    const std::string out = paths::Join(work, "OUT"), log = paths::Join(work, "LOG");
    // The configuration folder as a new user's: no settings file, no
    // registry values (the user's name and company) of an earlier run.
    std::error_code ec;
    for (const auto& f : fs::directory_iterator(testsupport::ConfigDir(), ec)) fs::remove_all(f.path(), ec);
    std::vector<std::string> args;
    if (!settingsFile.empty()) {
        const std::string settings = paths::Join(work, "settings.ini");
        testsupport::WriteFile(settings, vb::Replace(Read(settingsFile), "@PROGRAM@", testsupport::ProgramDir()));
        args = {"--settings", settings};
    }
    for (const std::string& a : {std::string("--now"), std::string(kNow), copy, out, log}) args.push_back(a);
    GoldenResult r;
    std::string errors;
    {
        CaptureErrors capture;
        r.exitCode = ZelkCommand().Run(args);
        errors = capture.Text();
    }
    r.out = testsupport::ReadFile(out);
    auto placeholders = [&](const std::string& text) {
        return vb::Replace(vb::Replace(text, copy, "@SOURCE@"), testsupport::ProgramDir(), "@PROGRAM@");
    };
    r.log = placeholders(testsupport::ReadFile(log));
    r.messages = placeholders(errors);
    return r;
}

GoldenResult ZelkCase(const GoldenCase& c, const std::string& sourceText) {
    InstallProgramFiles(c.dir);
    return ZelkGolden(c.source, sourceText, c.settings.empty() ? fs::path() : c.dir / (c.settings + ".ini"));
}

// A procedure heading, whatever its scope words.
bool IsHeading(const std::string& line) {
    std::vector<std::string> words = vb::Split(vb::UCase(vb::Trim(line)), " ");
    size_t i = 0;
    while (i < words.size() && (words[i] == "PUBLIC" || words[i] == "PRIVATE" || words[i] == "FRIEND" ||
                                words[i] == "STATIC"))
        ++i;
    return i < words.size() && (words[i] == "SUB" || words[i] == "FUNCTION" || words[i] == "PROPERTY");
}

// A procedure heading at line `at`, or after the comment lines there.
bool HeadingFollows(const std::vector<std::string>& lines, size_t at) {
    while (at < lines.size() && vb::Trim(lines[at]).rfind("'", 0) == 0) ++at;
    return at < lines.size() && IsHeading(lines[at]);
}

// True when some case of the folder expects its source to fail.
bool ExpectedToFail(const fs::path& dir) {
    for (const auto& f : fs::directory_iterator(dir)) {
        const std::string name = f.path().filename().string();
        if (name.rfind("expected.", 0) == 0 && f.path().extension() == ".log" &&
            Read(f.path()).find("Error processing file, File not zelked") != std::string::npos)
            return true;
    }
    return false;
}

// The count the log's footer gives of a zelked file's output lines.
long FooterOutputLines(const std::string& log) {
    const std::string label = "Number of Output Lines: ";
    const size_t at = log.find(label);
    return at == std::string::npos ? -1 : std::stol(log.substr(at + label.size()));
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};
class GoldenSource : public ::testing::TestWithParam<GoldenCase> {};

std::string ParamName(const ::testing::TestParamInfo<GoldenCase>& info) { return info.param.name; }

// A source zelked twice under one settings profile.
struct StabilityCase {
    GoldenCase source;   // one per folder
    std::string profile; // "first-run", or the name of a settings file of the fixtures' folder
};

void PrintTo(const StabilityCase& c, std::ostream* os) { *os << c.source.name << " " << c.profile; }

std::vector<StabilityCase> StabilityCases() {
    std::vector<StabilityCase> cases;
    for (const GoldenCase& c : Cases(true))
        for (const char* profile : {"first-run", "reformat", "nearly-everything"}) cases.push_back({c, profile});
    return cases;
}

std::string StabilityName(const ::testing::TestParamInfo<StabilityCase>& info) {
    return info.param.source.name + "_" + TestName(info.param.profile);
}

class GoldenStability : public ::testing::TestWithParam<StabilityCase> {};

}  // namespace

TEST_P(Golden, GivesTheExpectedOutputAndLog) {
    const GoldenCase& c = GetParam();
    ASSERT_FALSE(c.source.empty()) << "no source file in " << c.dir;
    GoldenResult r = ZelkCase(c, Read(c.source));
    // The footer counts the lines of the output as written: blank lines,
    // each line of a comment block and each line of a split statement.
    if (r.exitCode == 0) {
        EXPECT_EQ(FooterOutputLines(r.log), static_cast<long>(textfile::SplitLines(r.out).size()));
    }
    if (std::getenv("ZELKER_BLESS")) {
        testsupport::WriteFile(ExpectedPath(c, "out").string(), r.out);
        testsupport::WriteFile(ExpectedPath(c, "log").string(), r.log);
        if (!r.messages.empty()) testsupport::WriteFile(ExpectedPath(c, "messages").string(), r.messages);
        GTEST_SKIP() << "expected files written for " << c.name;
    }
    EXPECT_EQ(r.out, Read(ExpectedPath(c, "out")));
    EXPECT_EQ(r.log, Read(ExpectedPath(c, "log")));
    const fs::path messages = ExpectedPath(c, "messages");
    EXPECT_EQ(r.messages, fs::exists(messages) ? Read(messages) : std::string());
}

TEST_P(Golden, ZelkingItsOutputAgainChangesNothing) {
    const GoldenCase& c = GetParam();
    if (fs::exists(c.dir / "zelk-once")) GTEST_SKIP() << Read(c.dir / "zelk-once");
    GoldenResult once = ZelkCase(c, Read(c.source));
    if (once.exitCode != 0) GTEST_SKIP() << "not zelked";
    GoldenResult twice = ZelkCase(c, once.out);
    EXPECT_EQ(twice.exitCode, 0) << twice.messages;
    EXPECT_EQ(twice.out, once.out);
}

TEST_P(GoldenSource, FirstRunSettingsChangeNothingButBlankLinesBeforeHeadings) {
    const GoldenCase& c = GetParam();
    const std::string text = Read(c.source);
    InstallProgramFiles(c.dir);
    GoldenResult r = ZelkGolden(c.source, text, {});
    if (r.exitCode != 0) {
        // Only a source that its own cases expect to fail may fail here.
        EXPECT_TRUE(ExpectedToFail(c.dir)) << r.messages;
        return;
    }
    std::vector<std::string> in = textfile::SplitLines(text), out = textfile::SplitLines(r.out);
    size_t i = 0, o = 0;
    while (i < in.size() && o < out.size()) {
        if (in[i] == out[o]) {
            ++i, ++o;
        } else if (out[o].empty() && HeadingFollows(out, o + 1)) {
            ++o;
        } else {
            break;
        }
    }
    EXPECT_TRUE(i == in.size() && o == out.size())
        << "first difference at input line " << i + 1 << ": [" << (i < in.size() ? in[i] : "") << "] became ["
        << (o < out.size() ? out[o] : "") << "]";
}

TEST_P(GoldenStability, ZelkingTwiceGivesWhatZelkingOnceGives) {
    const GoldenCase& c = GetParam().source;
    const std::string& profile = GetParam().profile;
    const fs::path known = c.dir / ("unstable." + profile);
    if (fs::exists(known)) GTEST_SKIP() << Read(known);
    InstallProgramFiles(c.dir);
    const fs::path settings =
        profile == "first-run" ? fs::path() : fs::path(testsupport::FixturePath("engine/" + profile + ".ini"));
    GoldenResult once = ZelkGolden(c.source, Read(c.source), settings);
    if (once.exitCode != 0) GTEST_SKIP() << "not zelked";
    GoldenResult twice = ZelkGolden(c.source, once.out, settings);
    EXPECT_EQ(twice.exitCode, 0) << twice.messages;
    EXPECT_EQ(twice.out, once.out);
}

// Every case and every stability profile zelked twice in one process, one
// after the other: a run that left anything behind for the next would
// change an output, a log or a message.
TEST(GoldenInOneProcess, EveryRunGivesWhatAFreshProcessGives) {
    if (std::getenv("ZELKER_BLESS")) GTEST_SKIP() << "blessing";
    for (const GoldenCase& c : Cases(false)) {
        const std::string text = Read(c.source);
        const GoldenResult first = ZelkCase(c, text);
        EXPECT_EQ(first.out, Read(ExpectedPath(c, "out"))) << c.name;
        EXPECT_EQ(first.log, Read(ExpectedPath(c, "log"))) << c.name;
        const fs::path messages = ExpectedPath(c, "messages");
        EXPECT_EQ(first.messages, fs::exists(messages) ? Read(messages) : std::string()) << c.name;
        EXPECT_TRUE(ZelkCase(c, text) == first) << c.name << " changed when zelked again";
    }
    for (const StabilityCase& s : StabilityCases()) {
        InstallProgramFiles(s.source.dir);
        const fs::path settings = s.profile == "first-run"
                                      ? fs::path()
                                      : fs::path(testsupport::FixturePath("engine/" + s.profile + ".ini"));
        const std::string text = Read(s.source.source);
        const GoldenResult first = ZelkGolden(s.source.source, text, settings);
        EXPECT_TRUE(ZelkGolden(s.source.source, text, settings) == first)
            << s.source.name << " under " << s.profile << " changed when zelked again";
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, Golden, ::testing::ValuesIn(Cases(false)), ParamName);
INSTANTIATE_TEST_SUITE_P(Engine, GoldenSource, ::testing::ValuesIn(Cases(true)), ParamName);
INSTANTIATE_TEST_SUITE_P(Engine, GoldenStability, ::testing::ValuesIn(StabilityCases()), StabilityName);
