#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "platform/Paths.h"
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
