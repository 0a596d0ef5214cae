// End-to-end cases of the arrangement, conversion, date-warning and insertion
// steps. Each folder of tests/fixtures/engine-arrange holds one source file,
// one or more settings files (NAME.ini), optionally a folder program/ whose
// files the program's folder is to hold (templates, logging files), and for
// each settings file the output and log the zelk must give
// (expected.NAME.out, expected.NAME.log). In the settings and the log,
// @PROGRAM@ stands for the program's folder and @SOURCE@ for the source's
// full name. Every case is also zelked a second time, on its own output,
// which must not change, unless the folder holds a file "zelk-once" that
// says why it does.
//
// With ZELKER_BLESS set, a case writes what it got as its expected files
// instead, for review before they are committed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

#include "EngineTestSupport.h"

namespace fs = std::filesystem;

namespace {

struct ArrangeCase {
    std::string name;      // folder and settings file, for the test's name
    fs::path dir;          // the case's folder
    fs::path source;       // its source file
    std::string settings;  // the settings file's name without ".ini"
};

void PrintTo(const ArrangeCase& c, std::ostream* os) { *os << c.name; }

bool IsSourceFile(const fs::path& p) {
    const std::string name = p.filename().string();
    return name.rfind("expected.", 0) != 0 && p.extension() != ".ini" && name != "zelk-once";
}

std::vector<ArrangeCase> ArrangeCases() {
    std::vector<ArrangeCase> cases;
    std::error_code ec;
    for (const auto& folder : fs::directory_iterator(testsupport::FixturePath("engine-arrange"), ec)) {
        if (!folder.is_directory()) continue;
        fs::path source;
        std::vector<std::string> settings;
        for (const auto& f : fs::directory_iterator(folder.path())) {
            if (!f.is_regular_file()) continue;
            if (f.path().extension() == ".ini") settings.push_back(f.path().stem().string());
            else if (IsSourceFile(f.path())) source = f.path();
        }
        for (const std::string& s : settings)
            cases.push_back({folder.path().filename().string() + "_" + s, folder.path(), source, s});
    }
    std::sort(cases.begin(), cases.end(), [](const ArrangeCase& a, const ArrangeCase& b) { return a.name < b.name; });
    return cases;
}

std::string ShellQuoted(const std::string& s) { return "'" + s + "'"; }

struct Zelked {
    int exitCode = -1;
    std::string output, log, messages;
};

// The program's folder as the case wants it: its program/ files copied in.
void InstallProgramFiles(const ArrangeCase& c) {
    std::error_code ec;
    if (fs::is_directory(c.dir / "program"))
        fs::copy(c.dir / "program", testsupport::ProgramDir(), fs::copy_options::overwrite_existing, ec);
}

// Zelks the text as the case's source file (same name) under its settings.
Zelked ZelkCase(const ArrangeCase& c, const std::string& sourceText) {
    static int run = 0;
    const std::string work = testsupport::MakeDir("arrange" + std::to_string(++run));
    const std::string source = paths::Join(work, c.source.filename().string());
    testsupport::WriteFile(source, sourceText);
    const std::string settings = paths::Join(work, "settings.ini");
    testsupport::WriteFile(settings, vb::Replace(testsupport::ReadFile((c.dir / (c.settings + ".ini")).string()),
                                                 "@PROGRAM@", testsupport::ProgramDir()));
    const std::string output = paths::Join(work, "output"), log = paths::Join(work, "log"),
                      messages = paths::Join(work, "messages");
    const std::string command = testsupport::BuildDir() + "/zelk_headless zelk --settings " + ShellQuoted(settings) +
                                " --now '3/7/2026 2:05:09 PM' " + ShellQuoted(source) + " " + ShellQuoted(output) +
                                " " + ShellQuoted(log) + " 2>" + ShellQuoted(messages);
    Zelked z;
    const int status = std::system(command.c_str());
    z.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    z.output = testsupport::ReadFile(output);
    z.log = vb::Replace(vb::Replace(testsupport::ReadFile(log), source, "@SOURCE@"), testsupport::ProgramDir(),
                        "@PROGRAM@");
    z.messages = vb::Replace(testsupport::ReadFile(messages), testsupport::ProgramDir(), "@PROGRAM@");
    return z;
}

std::string Expected(const ArrangeCase& c, const std::string& what) {
    return testsupport::ReadFile((c.dir / ("expected." + c.settings + "." + what)).string());
}

class ArrangeGolden : public ::testing::TestWithParam<ArrangeCase> {};

TEST_P(ArrangeGolden, GivesTheExpectedOutputAndLog) {
    const ArrangeCase& c = GetParam();
    ASSERT_FALSE(c.source.empty()) << "no source file in " << c.dir;
    InstallProgramFiles(c);
    Zelked z = ZelkCase(c, testsupport::ReadFile(c.source.string()));
    const fs::path messages = c.dir / ("expected." + c.settings + ".messages");
    if (std::getenv("ZELKER_BLESS")) {
        testsupport::WriteFile((c.dir / ("expected." + c.settings + ".out")).string(), z.output);
        testsupport::WriteFile((c.dir / ("expected." + c.settings + ".log")).string(), z.log);
        if (!z.messages.empty()) testsupport::WriteFile(messages.string(), z.messages);
        GTEST_SKIP() << "expected files written for " << c.name;
    }
    EXPECT_EQ(z.exitCode, 0) << z.messages;
    EXPECT_EQ(z.output, Expected(c, "out"));
    EXPECT_EQ(z.log, Expected(c, "log"));
    EXPECT_EQ(z.messages, fs::exists(messages) ? Expected(c, "messages") : std::string());
}

TEST_P(ArrangeGolden, ZelkingTheOutputAgainChangesNothing) {
    const ArrangeCase& c = GetParam();
    if (fs::exists(c.dir / "zelk-once")) GTEST_SKIP() << testsupport::ReadFile((c.dir / "zelk-once").string());
    InstallProgramFiles(c);
    Zelked once = ZelkCase(c, testsupport::ReadFile(c.source.string()));
    ASSERT_EQ(once.exitCode, 0) << once.messages;
    Zelked twice = ZelkCase(c, once.output);
    EXPECT_EQ(twice.output, once.output);
}

std::string TestName(const ::testing::TestParamInfo<ArrangeCase>& info) {
    std::string n = info.param.name;
    std::replace_if(n.begin(), n.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
    return n;
}

INSTANTIATE_TEST_SUITE_P(Engine, ArrangeGolden, ::testing::ValuesIn(ArrangeCases()), TestName);

}  // namespace
