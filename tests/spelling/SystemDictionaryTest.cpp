// The dictionary the build makes from the system's word list (one smoke
// test: the list changes between releases), and the headless driver's
// spell command on a dictionary of our own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sys/wait.h>

#include "platform/Paths.h"
#include "SpellingTestSupport.h"
#include "TestSupport.h"
#include "spelling/cSpellCheck.h"

namespace {

std::string RunCapture(const std::string& command, int& exitCode) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    int status = ::pclose(pipe);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

}  // namespace

TEST(SystemDictionary, SuggestsTheUsualCorrections) {
    ScriptedWordNotFound dialog;
    cSpellCheck checker(&dialog);
    checker.MainDictName(paths::Join(testsupport::BuildDir(), "SPELLDIC.DAT"));
    ASSERT_TRUE(checker.SpellInitialize());
    for (auto [word, correction] : {std::pair{"TEH", "THE"}, std::pair{"RECIEVE", "RECEIVE"}}) {
        std::vector<std::string> list;
        checker.SccGetReplacements(word, list);
        EXPECT_NE(std::find(list.begin(), list.end(), correction), list.end()) << word;
        EXPECT_TRUE(checker.MainDictionary().Lookup(correction));
        EXPECT_FALSE(checker.MainDictionary().Lookup(word));
    }
}

TEST(HeadlessSpell, PrintsWhetherFoundAndTheSuggestions) {
    spelltest::WriteDictionary({"the", "their", "receive", "text"});
    int exitCode = -1;
    std::string out = RunCapture(testsupport::BuildDir() + "/zelk_headless spell teh The Recieve x", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(out, "teh not found: the\nThe found: The\nRecieve not found: Receive\nx not found:\n");

    std::remove(paths::Join(testsupport::ProgramDir(), "SPELLDIC.DAT").c_str());
    RunCapture(testsupport::BuildDir() + "/zelk_headless spell the 2>/dev/null", exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_FALSE(std::ifstream(paths::Join(testsupport::ProgramDir(), "VEZUZ.DIC")).good());
}
