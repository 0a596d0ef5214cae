// The builder program as the build runs it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include "platform/Paths.h"
#include "SpellingTestSupport.h"
#include "TestSupport.h"

namespace {

int RunBuilder(const std::string& list, const std::string& out) {
    std::string command = std::string(DICTBUILDER) + " '" + list + "' '" + out + "' >/dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(DictionaryBuilderProgram, WritesTheDictionaryOfTheList) {
    std::string dir = testsupport::MakeDir("builder");
    std::string list = paths::Join(dir, "words");
    std::string out = paths::Join(dir, "SPELLDIC.DAT");
    testsupport::WriteFile(list, "zebra\nApple\nAA's\napple\nmango\n");
    ASSERT_EQ(RunBuilder(list, out), 0);
    EXPECT_EQ(testsupport::ReadFile(out), spelltest::BuildBytes({"APPLE", "MANGO", "ZEBRA"}));
}

TEST(DictionaryBuilderProgram, ABadListLeavesTheOldFile) {
    std::string dir = testsupport::MakeDir("builder");
    std::string out = paths::Join(dir, "SPELLDIC.DAT");
    testsupport::WriteFile(out, "old");
    std::string noWords = paths::Join(dir, "nowords");
    testsupport::WriteFile(noWords, "AA's\n\n1234\n");
    EXPECT_EQ(RunBuilder(paths::Join(dir, "missing"), out), 1);
    EXPECT_EQ(RunBuilder(noWords, out), 1);
    EXPECT_EQ(RunBuilder(dir, out), 1);  // a folder in the list's place
    EXPECT_EQ(testsupport::ReadFile(out), "old");
    EXPECT_EQ(std::system((std::string(DICTBUILDER) + " >/dev/null 2>&1").c_str()) >> 8, 2);
}
