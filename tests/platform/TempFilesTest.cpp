#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "Paths.h"
#include "TempFiles.h"
#include "TestSupport.h"
#include "VBError.h"

TEST(TempFiles, UniqueUnderLoadAndCreatedEmpty) {
    std::string dir = testsupport::MakeDir("tmp");
    std::set<std::string> names;
    for (int i = 0; i < 3000; ++i) {
        std::string n = tempfiles::Create(dir, "PVX");
        EXPECT_TRUE(names.insert(n).second) << n;
    }
    for (const auto& n : names) {
        std::string file = std::filesystem::path(n).filename().string();
        ASSERT_EQ(file.substr(0, 3), "PVX");
        ASSERT_EQ(file.substr(file.size() - 4), ".TMP");
        ASSERT_EQ(std::filesystem::file_size(n), 0u);
    }
}

TEST(TempFiles, FailureRaisesAClearError) {
    std::string dir = testsupport::MakeDir("tmp2") + "/missing";
    try {
        tempfiles::Create(dir, "PV");
        FAIL();
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kFileNotFound);
        EXPECT_NE(e.Description.find(dir), std::string::npos);
    }
}

TEST(TempFiles, DeleteOwnLeavesOtherFiles) {
    std::string dir = testsupport::MakeDir("tmp3");
    std::string ours = tempfiles::Create(dir, "PV");
    testsupport::WriteFile(dir + "/other.tmp", "x");
    testsupport::WriteFile(dir + "/PVnotes.txt", "x");
    EXPECT_EQ(tempfiles::DeleteOwn(dir), 1);
    EXPECT_FALSE(std::filesystem::exists(ours));
    EXPECT_TRUE(std::filesystem::exists(dir + "/other.tmp"));
    EXPECT_TRUE(std::filesystem::exists(dir + "/PVnotes.txt"));
}

TEST(TempFiles, IsOwnOnlyForOurNamesInTheProgramDirectory) {
    const std::string program = testsupport::ProgramDir();
    std::string ours = tempfiles::Create(program, "PV");
    EXPECT_TRUE(tempfiles::IsOwn(ours));
    EXPECT_TRUE(tempfiles::IsOwn(program + "/pv1a2b.tmp"));  // case does not matter
    EXPECT_FALSE(tempfiles::IsOwn(program + "/other.tmp"));
    EXPECT_FALSE(tempfiles::IsOwn(program + "/PV12.BAS"));
    std::string elsewhere = testsupport::MakeDir("src");
    EXPECT_FALSE(tempfiles::IsOwn(elsewhere + "/PV12.TMP"));
    EXPECT_FALSE(tempfiles::IsOwn(""));
}
