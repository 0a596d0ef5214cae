#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "TestSupport.h"

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {
std::string Path(const char* name) { return paths::Join(testsupport::MakeDir("ini"), name); }
}  // namespace

TEST(IniFile, NamesMatchWithoutCaseAndEmptyDiffersFromMissing) {
    std::string f = Path("a.ini");
    WriteFile(f, "[General]\r\nTabs = Yes \r\nEmpty=\r\n");
    EXPECT_EQ(ini::Read(f, "GENERAL", "tabs"), std::optional<std::string>("Yes"));
    EXPECT_EQ(ini::Read(f, "general", "EMPTY"), std::optional<std::string>(""));
    EXPECT_EQ(ini::Read(f, "general", "Missing"), std::nullopt);
    EXPECT_EQ(ini::Read(f, "Other", "Tabs"), std::nullopt);
    EXPECT_EQ(ini::Read(Path("none.ini"), "General", "Tabs"), std::nullopt);
}

TEST(IniFile, WriteReplacesInPlaceAppendsKeysAndSectionsAndKeepsOtherLines) {
    std::string f = Path("b.ini");
    WriteFile(f, "; a comment\n[One]\nA=1\nB=2\n\n[Two]\nodd line without equals\nC=3\n");
    ASSERT_TRUE(ini::Write(f, "one", "b", "22"));
    ASSERT_TRUE(ini::Write(f, "One", "New", "x"));
    ASSERT_TRUE(ini::Write(f, "Three", "D", "4"));
    EXPECT_EQ(ReadFile(f),
              "; a comment\r\n[One]\r\nA=1\r\nb=22\r\nNew=x\r\n\r\n[Two]\r\nodd line without equals\r\nC=3\r\n"
              "\r\n[Three]\r\nD=4\r\n");
}

TEST(IniFile, LongValuesAreNotCut) {
    std::string f = Path("c.ini");
    std::string big(5000, 'x');
    ASSERT_TRUE(ini::Write(f, "S", "K", big));
    EXPECT_EQ(ini::Read(f, "S", "K"), std::optional<std::string>(big));
}

TEST(IniFile, DeleteKeyAndSection) {
    std::string f = Path("d.ini");
    WriteFile(f, "[A]\r\nK=1\r\nL=2\r\n[B]\r\nM=3\r\n");
    ASSERT_TRUE(ini::DeleteKey(f, "a", "k"));
    ASSERT_TRUE(ini::DeleteSection(f, "B"));
    EXPECT_EQ(ReadFile(f), "[A]\r\nL=2\r\n");
}

TEST(IniFile, BareNameLivesInTheConfigurationFolder) {
    ASSERT_TRUE(ini::Write("VEZUZ.INI", "Program", "Version", "1"));
    EXPECT_EQ(ReadFile(paths::Join(testsupport::ConfigDir(), "VEZUZ.INI")), "[Program]\r\nVersion=1\r\n");
}

TEST(IniFile, FailedWriteLeavesTheOldFile) {
    std::string dir = testsupport::MakeDir("ro");
    EXPECT_FALSE(ini::Write(dir + "/missing-folder/x.ini", "S", "K", "V"));
}

TEST(IniFile, ASessionReadsAFileOnceAndSeesItsOwnWrites) {
    std::string f = Path("e.ini");
    WriteFile(f, "[S]\r\nA=1\r\nB=2\r\n");
    {
        ini::ReadSession once;
        EXPECT_EQ(ini::Read(f, "S", "A"), std::optional<std::string>("1"));
        // Another program's change after the session's reading is not seen:
        // the file is not read again for every key.
        WriteFile(f, "[S]\r\nA=9\r\nB=8\r\n");
        EXPECT_EQ(ini::Read(f, "S", "B"), std::optional<std::string>("2"));
        {
            ini::ReadSession nested;
            EXPECT_EQ(ini::Read(f, "S", "A"), std::optional<std::string>("1"));
        }
        EXPECT_EQ(ini::Read(f, "S", "B"), std::optional<std::string>("2"));
        // A write goes to the disk at once (from the file as it is now) and
        // the session's reads see it.
        ASSERT_TRUE(ini::Write(f, "S", "C", "3"));
        EXPECT_EQ(ReadFile(f), "[S]\r\nA=9\r\nB=8\r\nC=3\r\n");
        EXPECT_EQ(ini::Read(f, "S", "A"), std::optional<std::string>("9"));
        EXPECT_EQ(ini::Entries(f, "S").size(), 3u);
        ASSERT_TRUE(ini::DeleteKey(f, "S", "C"));
        EXPECT_EQ(ini::Read(f, "S", "C"), std::nullopt);
    }
    // With the session over, every read goes to the disk again.
    WriteFile(f, "[S]\r\nA=5\r\n");
    EXPECT_EQ(ini::Read(f, "S", "A"), std::optional<std::string>("5"));
}

namespace {
// What a run of writes, deletes and reads does to the file; reads are
// recorded so that the run inside a session can be compared with the run
// of lone calls.
std::vector<std::optional<std::string>> EditRun(const std::string& f) {
    std::vector<std::optional<std::string>> seen;
    EXPECT_TRUE(ini::Write(f, "one", "b", "22"));
    seen.push_back(ini::Read(f, "One", "B"));
    EXPECT_TRUE(ini::Write(f, "Three", "D", "4"));
    EXPECT_TRUE(ini::DeleteKey(f, "One", "A"));
    seen.push_back(ini::Read(f, "One", "A"));
    EXPECT_TRUE(ini::DeleteSection(f, "Two"));
    EXPECT_TRUE(ini::Write(f, "Three", "E", "5"));
    seen.push_back(ini::Read(f, "Three", "D"));
    EXPECT_EQ(ini::Entries(f, "Three").size(), 2u);
    return seen;
}
const char* const kBefore = "; a comment\r\n[One]\r\nA=1\r\nB=2\r\n\r\n[Two]\r\nC=3\r\n";
}  // namespace

TEST(IniFile, AWriteSessionWritesTheFileOnceAtItsEndWithTheTextOfLoneWrites) {
    std::string lone = Path("lone.ini"), once = Path("once.ini");
    WriteFile(lone, kBefore);
    WriteFile(once, kBefore);
    const auto seenLone = EditRun(lone);
    {
        ini::WriteSession outer;
        {
            ini::WriteSession nested;
            EXPECT_EQ(EditRun(once), seenLone);
        }
        // Nothing reaches the disk before the outermost session ends.
        EXPECT_EQ(ReadFile(once), kBefore);
        ASSERT_TRUE(ini::Write(once, "Three", "F", "6"));
        ASSERT_TRUE(ini::Write(lone, "Three", "F", "6"));
        EXPECT_EQ(ReadFile(once), kBefore);
    }
    EXPECT_EQ(ReadFile(once), ReadFile(lone));
    EXPECT_EQ(ReadFile(once), "; a comment\r\n[One]\r\nb=22\r\n\r\n[Three]\r\nD=4\r\nE=5\r\nF=6\r\n");
}

TEST(IniFile, AWriteSessionStartsFromTheDiskNotFromAnEarlierReading) {
    std::string f = Path("fresh.ini");
    WriteFile(f, "[S]\r\nA=1\r\n");
    ini::ReadSession reads;
    EXPECT_EQ(ini::Read(f, "S", "A"), std::optional<std::string>("1"));
    WriteFile(f, "[S]\r\nA=9\r\n");  // another program's change
    {
        ini::WriteSession writes;
        ASSERT_TRUE(ini::Write(f, "S", "B", "2"));
    }
    EXPECT_EQ(ReadFile(f), "[S]\r\nA=9\r\nB=2\r\n");
    EXPECT_EQ(ini::Read(f, "S", "A"), std::optional<std::string>("9"));
}

TEST(IniFile, AWriteSessionThatCannotWriteLeavesTheOldFileWhole) {
    std::string f = Path("kept.ini");
    WriteFile(f, kBefore);
    // The file is written beside the target first: a folder in that place
    // makes the write fail.
    const std::string beside = f + ".zelkertmp" + std::to_string(::getpid());
    std::filesystem::create_directory(beside);
    {
        ini::WriteSession writes;
        ASSERT_TRUE(ini::Write(f, "One", "A", "changed"));
        ASSERT_TRUE(ini::DeleteSection(f, "Two"));
        EXPECT_EQ(ini::Read(f, "One", "A"), std::optional<std::string>("changed"));
    }
    EXPECT_EQ(ReadFile(f), kBefore);
    // The reads after it see the disk, not the lost changes.
    EXPECT_EQ(ini::Read(f, "One", "A"), std::optional<std::string>("1"));
    std::filesystem::remove(beside);
}

// The registry store is one of the settings files: inside a read session it
// is read once, and a value set meanwhile is what the next query sees.
TEST(IniFile, TheRegistryStoreIsReadOnceInASessionAndSeesItsOwnWrites) {
    const std::string key = "Software\\Zelker";
    const auto text = [&] { return reg::QueryValue(reg::HKEY_CURRENT_USER, key, "User").value_or(reg::Value{}).Text; };
    ASSERT_TRUE(reg::CreateKey(reg::HKEY_CURRENT_USER, key));
    ASSERT_TRUE(reg::SetValue(reg::HKEY_CURRENT_USER, key, "User", reg::Value{reg::REG_SZ, "Ann", 0}));
    {
        ini::ReadSession once;
        EXPECT_EQ(text(), "Ann");
        WriteFile(reg::StoreFile(), "[HKEY_CURRENT_USER\\Software\\Zelker]\r\nUser=sz:\"Bob\"\r\n");
        EXPECT_EQ(text(), "Ann");
        EXPECT_TRUE(reg::KeyExists(reg::HKEY_CURRENT_USER, key));
        ASSERT_TRUE(reg::SetValue(reg::HKEY_CURRENT_USER, key, "User", reg::Value{reg::REG_SZ, "Cid", 0}));
        EXPECT_EQ(text(), "Cid");
    }
    WriteFile(reg::StoreFile(), "[HKEY_CURRENT_USER\\Software\\Zelker]\r\nUser=sz:\"Dee\"\r\n");
    EXPECT_EQ(text(), "Dee");  // outside a session every query reads the disk
}

// A run that holds the store read once reads it from the disk once, sees its
// own changes (which are on the disk too) and no other program's; after it
// the disk is read again.
TEST(IniFile, TheRegistryStoreReadOnceForARunSeesItsOwnChanges) {
    const std::string key = "Software\\Zelker";
    const auto text = [&] { return reg::QueryValue(reg::HKEY_CURRENT_USER, key, "User").value_or(reg::Value{}).Text; };
    WriteFile(reg::StoreFile(), "[HKEY_CURRENT_USER\\Software\\Zelker]\r\nUser=sz:\"Ann\"\r\n");
    {
        reg::StoreReadOnce once;
        EXPECT_EQ(text(), "Ann");
        WriteFile(reg::StoreFile(), "[HKEY_USERS]\r\n");  // another program's change
        EXPECT_EQ(text(), "Ann");
        EXPECT_TRUE(reg::KeyExists(reg::HKEY_CURRENT_USER, key));
        EXPECT_FALSE(reg::KeyExists(reg::HKEY_USERS, ""));
        ASSERT_TRUE(reg::SetValue(reg::HKEY_CURRENT_USER, key, "User", reg::Value{reg::REG_SZ, "Cid", 0}));
        EXPECT_EQ(text(), "Cid");
        ASSERT_TRUE(reg::CreateKey(reg::HKEY_LOCAL_MACHINE, "Software"));
        EXPECT_TRUE(reg::KeyExists(reg::HKEY_LOCAL_MACHINE, "Software"));
        ASSERT_TRUE(reg::DeleteValue(reg::HKEY_CURRENT_USER, key, "User"));
        EXPECT_EQ(reg::QueryValue(reg::HKEY_CURRENT_USER, key, "User"), std::nullopt);
        EXPECT_EQ(ReadFile(reg::StoreFile()), "[HKEY_CURRENT_USER\\Software\\Zelker]\r\n\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n");
    }
    EXPECT_FALSE(reg::KeyExists(reg::HKEY_USERS, ""));
    WriteFile(reg::StoreFile(), "[HKEY_USERS]\r\n");
    EXPECT_TRUE(reg::KeyExists(reg::HKEY_USERS, ""));
}
