// End-to-end cases: each folder of tests/fixtures/engine holds one source
// file, an optional settings.ini (where @PROGRAMDIR@ stands for the program's
// folder), an optional folder program/ whose files are put in the program's
// folder (templates, logging files), and the output and log the zelk must
// give (expected.out, expected.log, with @SOURCE@ for the source's full
// name), and optionally the messages shown (expected.messages). Every case
// runs through the headless driver, as a user's file runs through the
// program.
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

const char* const kNow = "3/7/2026 2:05:09 PM";

struct GoldenCase {
    std::string name;
    fs::path dir;
    fs::path source;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

bool IsCaseFile(const std::string& name) {
    return name == "settings.ini" || name.rfind("expected.", 0) == 0 || name == ".gitattributes";
}

std::vector<GoldenCase> Cases() {
    std::vector<GoldenCase> cases;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(testsupport::FixturePath("engine"), ec)) {
        if (!entry.is_directory()) continue;
        GoldenCase c{entry.path().filename().string(), entry.path(), {}};
        for (const auto& f : fs::directory_iterator(entry.path()))
            if (f.is_regular_file() && !IsCaseFile(f.path().filename().string())) c.source = f.path();
        cases.push_back(c);
    }
    std::sort(cases.begin(), cases.end(), [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
    return cases;
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

struct ZelkResult {
    int exitCode = -1;
    std::string out, log, messages;
};

// Zelks a copy of the source (same name) with the settings file, if any.
ZelkResult Zelk(const fs::path& source, const std::string& sourceText, const std::string& settings) {
    static int runs = 0;
    const std::string dir = testsupport::MakeDir("zelk" + std::to_string(++runs));
    const std::string copy = paths::Join(dir, source.filename().string());
    testsupport::WriteFile(copy, sourceText);
    const std::string out = paths::Join(dir, "OUT"), log = paths::Join(dir, "LOG"), err = paths::Join(dir, "ERR");
    std::string command = testsupport::BuildDir() + "/zelk_headless zelk";
    if (!settings.empty()) command += " --settings " + Quoted(settings);
    command += std::string(" --now '") + kNow + "' " + Quoted(copy) + " " + Quoted(out) + " " + Quoted(log) + " 2>" +
               Quoted(err);
    ZelkResult r;
    int status = std::system(command.c_str());
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = testsupport::ReadFile(out);
    r.log = vb::Replace(testsupport::ReadFile(log), copy, "@SOURCE@");
    for (const std::string& line : textfile::SplitLines(testsupport::ReadFile(err)))
        r.messages += line + "\n";
    return r;
}

std::string Read(const fs::path& p) { return testsupport::ReadFile(p.string()); }

// Puts the case's program files in place and returns its settings file with
// the program's folder filled in (empty when it has none).
std::string SettingsOf(const GoldenCase& c) {
    std::error_code ec;
    if (fs::is_directory(c.dir / "program"))
        for (const auto& f : fs::directory_iterator(c.dir / "program"))
            fs::copy_file(f.path(), fs::path(testsupport::ProgramDir()) / f.path().filename(),
                          fs::copy_options::overwrite_existing, ec);
    fs::path s = c.dir / "settings.ini";
    if (!fs::exists(s)) return {};
    std::string settings = paths::Join(testsupport::MakeDir("settings"), "settings.ini");
    testsupport::WriteFile(settings, vb::Replace(Read(s), "@PROGRAMDIR@", testsupport::ProgramDir()));
    return settings;
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

std::string CaseName(const ::testing::TestParamInfo<GoldenCase>& info) {
    std::string n = info.param.name;
    std::replace_if(n.begin(), n.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
    return n;
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

}  // namespace

TEST_P(Golden, GivesTheExpectedOutputAndLog) {
    const GoldenCase& c = GetParam();
    ASSERT_FALSE(c.source.empty()) << "no source file in " << c.dir;
    ZelkResult r = Zelk(c.source, Read(c.source), SettingsOf(c));
    if (std::getenv("ZELKER_BLESS")) {
        testsupport::WriteFile((c.dir / "expected.out").string(), r.out);
        testsupport::WriteFile((c.dir / "expected.log").string(), r.log);
        if (!r.messages.empty()) testsupport::WriteFile((c.dir / "expected.messages").string(), r.messages);
        GTEST_SKIP() << "expected files written for " << c.name;
    }
    EXPECT_EQ(r.out, Read(c.dir / "expected.out"));
    EXPECT_EQ(r.log, Read(c.dir / "expected.log"));
    if (fs::exists(c.dir / "expected.messages")) EXPECT_EQ(r.messages, Read(c.dir / "expected.messages"));
    else EXPECT_EQ(r.messages, "") << "unexpected messages";
}

TEST_P(Golden, DefaultSettingsChangeNothingButBlankLinesBeforeHeadings) {
    const GoldenCase& c = GetParam();
    const std::string text = Read(c.source);
    SettingsOf(c);
    ZelkResult r = Zelk(c.source, text, "");
    if (r.exitCode != 0) {
        // Only a source that no settings can zelk may fail here.
        EXPECT_NE(Read(c.dir / "expected.log").find("Error processing file, File not zelked"), std::string::npos)
            << r.messages;
        return;
    }
    std::vector<std::string> in = textfile::SplitLines(text), out = textfile::SplitLines(r.out);
    size_t i = 0, o = 0;
    while (i < in.size() && o < out.size()) {
        if (in[i] == out[o]) {
            ++i, ++o;
        } else if (out[o].empty() && o + 1 < out.size() && IsHeading(out[o + 1])) {
            ++o;
        } else {
            break;
        }
    }
    EXPECT_TRUE(i == in.size() && o == out.size())
        << "first difference at input line " << i + 1 << ": [" << (i < in.size() ? in[i] : "") << "] became ["
        << (o < out.size() ? out[o] : "") << "]";
}

TEST_P(Golden, ZelkingTwiceGivesWhatZelkingOnceGives) {
    const GoldenCase& c = GetParam();
    SettingsOf(c);
    for (const std::string& settings : {std::string(), testsupport::FixturePath("engine/reformat.ini")}) {
        ZelkResult once = Zelk(c.source, Read(c.source), settings);
        if (once.exitCode != 0) continue;
        ZelkResult twice = Zelk(c.source, once.out, settings);
        EXPECT_EQ(twice.exitCode, 0) << twice.messages;
        EXPECT_EQ(twice.out, once.out) << (settings.empty() ? "default settings" : settings);
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, Golden, ::testing::ValuesIn(Cases()), CaseName);
