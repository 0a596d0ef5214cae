#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Paths.h"
#include "ProjectFixtures.h"
#include "TestSupport.h"
#include "platform/VBText.h"

namespace {

// Runs the driver with the test's folders; returns its exit code.
int RunHeadless(const std::string& args) {
    std::string command = testsupport::BuildDir() + "/zelk_headless " + args + " 2>/dev/null";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// The program's date, which its version text carries, fixed by the time
// stamp of a file named like the executable in the program's folder.
void FixProgramDate() {
    std::string exe = paths::Join(testsupport::ProgramDir(), "zelk_headless");
    testsupport::WriteFile(exe, "");
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 2;
    t.tm_hour = 3;
    t.tm_min = 4;
    t.tm_sec = 5;
    t.tm_isdst = -1;
    timespec times[2] = {{std::mktime(&t), 0}, {std::mktime(&t), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, exe.c_str(), times, 0), 0);
}

}  // namespace

TEST(ZelkHeadlessSettings, FirstRunWritesTheWholeFile) {
    FixProgramDate();
    testsupport::WriteFile(paths::Join(testsupport::ProgramDir(), "SPELLDIC.DAT"), "x");
    std::string out = paths::Join(testsupport::MakeDir("out"), "OUT.INI");
    ASSERT_EQ(RunHeadless("settings " + Quoted(paths::Join(testsupport::ProgramDir(), "none.ini")) + " " + Quoted(out)),
              0);
    std::string expected = vb::Replace(testsupport::ReadFile(testsupport::FixturePath("settings/first-run.ini")),
                                       "@PROGRAMDIR@", testsupport::ProgramDir());
    EXPECT_EQ(testsupport::ReadFile(out), expected);
}

TEST(ZelkHeadlessSettings, LoadsTheGivenFileAndLeavesItAlone) {
    std::string dir = testsupport::MakeDir("files");
    std::string in = paths::Join(dir, "IN.INI");
    std::string out = paths::Join(dir, "OUT.INI");
    const std::string original = "[Program]\r\nTabWidth=50\r\n[General]\r\nInsertLogging=Yes\r\nAlignAsColumn=5\r\n";
    testsupport::WriteFile(in, original);
    testsupport::WriteFile(out, "old");
    ASSERT_EQ(RunHeadless("settings " + Quoted(in) + " " + Quoted(out)), 0);
    std::string text = testsupport::ReadFile(out);
    for (const char* line : {"\r\nTabWidth=20\r\n", "\r\nInsertLogging=Yes\r\n", "\r\nAlignAsColumn=10\r\n",
                             "\r\n[Arrange Declares]\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(testsupport::ReadFile(in), original);
}

TEST(ZelkHeadlessSettings, RefusesBadCallsAndAForeignConfigurationFolder) {
    std::string out = paths::Join(testsupport::MakeDir("x"), "OUT.INI");
    EXPECT_EQ(RunHeadless(""), 2);
    EXPECT_EQ(RunHeadless("frobnicate"), 2);
    EXPECT_EQ(RunHeadless("settings only-one.ini"), 2);
    EXPECT_EQ(RunHeadless("settings in.ini " + Quoted(out) + " extra"), 2);
    // Without its own configuration folder it would replace the user's settings.
    std::string saved = testsupport::ConfigDir();
    ::unsetenv("ZELKER_CONFIG_DIR");
    int code = RunHeadless("settings in.ini " + Quoted(out));
    ::setenv("ZELKER_CONFIG_DIR", saved.c_str(), 1);
    EXPECT_EQ(code, 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(ZelkHeadlessZelk, ZelksAFileAndRefusesBadCalls) {
    std::string dir = testsupport::MakeDir("zelk");
    std::string source = paths::Join(dir, "Strings.rc");
    testsupport::WriteFile(source, "STRINGTABLE\nBEGIN\nEND\n");
    std::string out = paths::Join(dir, "OUT"), log = paths::Join(dir, "LOG");
    std::string files = Quoted(source) + " " + Quoted(out) + " " + Quoted(log);
    EXPECT_EQ(RunHeadless("zelk --now '3/7/2026 2:05:09 PM' " + files), 0);
    EXPECT_EQ(testsupport::ReadFile(out), "STRINGTABLE\r\nBEGIN\r\nEND\r\n");
    EXPECT_NE(testsupport::ReadFile(log).find("Zelker Date: 3/7/2026\r\nZelker Time: 2:05:09 PM\r\n"),
              std::string::npos);

    EXPECT_EQ(RunHeadless("zelk " + Quoted(source) + " " + Quoted(out)), 2);
    EXPECT_EQ(RunHeadless("zelk --now 'tomorrow' " + files), 2);
    EXPECT_EQ(RunHeadless("zelk " + files + " --settings"), 2);
    EXPECT_EQ(RunHeadless("zelk --settings " + Quoted(paths::Join(dir, "none.ini")) + " " + files), 1);
    EXPECT_EQ(RunHeadless("zelk " + Quoted(paths::Join(dir, "missing.bas")) + " " + Quoted(out) + " " + Quoted(log)),
              1);

    // Each run's temporary folder goes with it: a corpus check runs the
    // driver thousands of times.
    const std::string ours = "zelker-" + std::to_string(::getpid()) + "-";
    for (const auto& e : std::filesystem::directory_iterator(std::getenv("XDG_RUNTIME_DIR"))) {
        const std::string name = e.path().filename().string();
        EXPECT_FALSE(name.rfind("zelker-", 0) == 0 && name.rfind(ours, 0) != 0) << name;
    }
}

TEST(ZelkHeadlessProject, PrintsTheModelOfAGroupAndItsChoice) {
    const std::string books = projectfixtures::Copy("books");
    const std::string printed = paths::Join(testsupport::MakeDir("printed"), "out.txt");
    ASSERT_EQ(RunHeadless("project " + Quoted(books + "/Books.vbg") + " >" + Quoted(printed)), 0);
    const std::string out = testsupport::ReadFile(printed);
    const std::string ledger = books + "/Ledger/";
    for (const std::string& expected : std::vector<std::string>{
             "file 2: " + ledger + "Ledger.vbp\n  type project records 43 forms 4 modules 2 classes 1 objects 0 "
                                   "references 0 dialect 6 found 7 not-found 1\n  forms list: 4 5 9 11\n",
             "  line 6: kind 2 key 31 values 2 [0]=\"modMain\" [1]=\"Code\\ModMain.bas\" VBName=\"modMain\" WholeFile=\"" +
                 ledger + "code/modmain.bas\" SyntaxError=False record=\"Module=modMain; Code\\ModMain.bas\"\n",
             "  line 8: kind 0 key 31 values 2",
             "  line 10: kind 10 key 31",
             "chosen 3: " + ledger + "forms/FrmMain.frm type 2 file 4 project 2\n",
             "message [Zelker]: 3 Code/Form Files in the Project File are binary",
             "status 0 reason 0\n"})
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n---\n" << out;

    ASSERT_EQ(RunHeadless("project " + Quoted(books + "/none.vbp") + " >" + Quoted(printed)), 1);
    EXPECT_NE(testsupport::ReadFile(printed).find("status 12 reason 1\n"), std::string::npos);
    EXPECT_EQ(RunHeadless("project"), 2);
}
