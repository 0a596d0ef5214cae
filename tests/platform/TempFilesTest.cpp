#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <stdlib.h>

#include "platform/Paths.h"
#include "platform/TempFiles.h"
#include "TestSupport.h"
#include "platform/VBError.h"
#include "common/mKEMCommon.h"

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

TEST(TempFiles, IsOwnOnlyForOurNamesInOurOwnFolder) {
    const std::string own = tempfiles::OwnDir();
    std::string ours = tempfiles::Create(own, "PV");
    EXPECT_TRUE(tempfiles::IsOwn(ours));
    EXPECT_TRUE(tempfiles::IsOwn(own + "/pv1a2b.tmp"));  // case does not matter
    EXPECT_FALSE(tempfiles::IsOwn(own + "/other.tmp"));
    EXPECT_FALSE(tempfiles::IsOwn(own + "/PV12.BAS"));
    // The program's directory is no longer where they live.
    EXPECT_FALSE(tempfiles::IsOwn(testsupport::ProgramDir() + "/PV12.TMP"));
    std::string elsewhere = testsupport::MakeDir("src");
    EXPECT_FALSE(tempfiles::IsOwn(elsewhere + "/PV12.TMP"));
    EXPECT_FALSE(tempfiles::IsOwn(""));
}

// Each running copy has a folder of its own in a writable per-user place:
// another copy's folder (the same program directory, the same place) and
// the program's directory are never touched, and at exit only the copy's
// own folder goes.
TEST(TempFiles, EachCopyKeepsItsOwnFolderAndRemovesOnlyThat) {
    namespace fs = std::filesystem;
    const std::string place = testsupport::MakeDir("runtime");
    ::setenv("XDG_RUNTIME_DIR", place.c_str(), 1);
    const std::string other = place + "/zelker-1-abcdef";
    fs::create_directory(other);
    testsupport::WriteFile(other + "/PV1A.TMP", "the other copy's unsaved output");
    const auto programFiles = [] {
        size_t n = 0;
        for (const auto& e : fs::directory_iterator(testsupport::ProgramDir())) n += e.is_regular_file();
        return n;
    };
    const size_t before = programFiles();

    const std::string own = tempfiles::OwnDir();
    EXPECT_EQ(fs::path(own).parent_path().string(), place);
    EXPECT_NE(own, other);
    EXPECT_EQ(fs::status(own).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(tempfiles::OwnDir(), own);  // made once
    const std::string ours = oWindow->GetTempFile("PV");
    EXPECT_EQ(fs::path(ours).parent_path().string(), own);
    EXPECT_FALSE(tempfiles::IsOwn(other + "/PV1A.TMP"));
    // The program's directory (read-only once installed) gets nothing.
    EXPECT_EQ(programFiles(), before);

    tempfiles::RemoveOwnDir();
    EXPECT_FALSE(fs::exists(own));
    EXPECT_EQ(testsupport::ReadFile(other + "/PV1A.TMP"), "the other copy's unsaved output");
}

TEST(TempFiles, WithoutARuntimeFolderTheSystemsTemporaryFolderIsUsed) {
    namespace fs = std::filesystem;
    const std::string place = testsupport::MakeDir("gone") + "/runtime";
    const std::string system = testsupport::MakeDir("system-tmp");
    ::setenv("XDG_RUNTIME_DIR", place.c_str(), 1);
    ::setenv("TMPDIR", system.c_str(), 1);
    const std::string own = tempfiles::OwnDir();
    ::unsetenv("TMPDIR");
    EXPECT_EQ(fs::path(own).parent_path().string(), system);
    tempfiles::RemoveOwnDir();
    EXPECT_FALSE(fs::exists(own));
}
