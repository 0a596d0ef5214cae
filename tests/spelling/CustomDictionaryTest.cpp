#include <gtest/gtest.h>

#include <filesystem>

#include "spelling/CustomDictionary.h"
#include "platform/Paths.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {
const std::string kStandard = "Zembrock Custom Dictionary\r\n";

std::string CustomPath() { return paths::Join(testsupport::ProgramDir(), "VEZUZ.DIC"); }
}  // namespace

TEST(CustomDictionary, FilesAndTheirWords) {
    struct Case {
        const char* name;
        std::string contents;  // nothing written when empty
        std::vector<std::string> words;
        std::string after;  // the file afterwards
    } cases[] = {
        {"missing", "", {}, kStandard},
        {"header only", "My own words\r\n", {}, kStandard},
        {"header only, no line end", "My own words", {}, kStandard},
        {"empty first line", "\r\nRecordset\r\n", {}, "\r\nRecordset\r\n"},
        {"words",
         "Anything\r\nRecordset\r\n  Padded  \r\n\"Quoted, one\"\r\na,b\r\n\r\nlast",
         {"Recordset", "Padded", "Quoted, one", "a", "b", "last"},
         "Anything\r\nRecordset\r\n  Padded  \r\n\"Quoted, one\"\r\na,b\r\n\r\nlast"},
        {"LF line ends", "Header\nOne\nTwo\n", {"One", "Two"}, "Header\nOne\nTwo\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(CustomPath());
        if (!c.contents.empty()) testsupport::WriteFile(CustomPath(), c.contents);
        EXPECT_EQ(customdict::Load(CustomPath()), c.words);
        EXPECT_EQ(testsupport::ReadFile(CustomPath()), c.after);
    }
}

TEST(CustomDictionary, UnreadableFilesGiveNoWordsAndStayAsTheyAre) {
    std::string dir = CustomPath();
    fs::create_directory(dir);
    EXPECT_TRUE(customdict::Load(dir).empty());
    EXPECT_TRUE(fs::is_directory(dir));

    std::string link = paths::Join(testsupport::ProgramDir(), "LINK.DIC");
    fs::create_symlink(paths::Join(testsupport::ProgramDir(), "no-such-folder/VEZUZ.DIC"), link);
    EXPECT_TRUE(customdict::Load(link).empty());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_FALSE(fs::exists(link));
}

TEST(CustomDictionary, AppendAddsOneLine) {
    testsupport::WriteFile(CustomPath(), "Header\r\nfoo");
    EXPECT_TRUE(customdict::Append(CustomPath(), "Zelker"));
    EXPECT_TRUE(customdict::Append(CustomPath(), "VBX"));
    EXPECT_EQ(testsupport::ReadFile(CustomPath()), "Header\r\nfoo\r\nZelker\r\nVBX\r\n");
    EXPECT_EQ(customdict::Load(CustomPath()), (std::vector<std::string>{"foo", "Zelker", "VBX"}));

    EXPECT_FALSE(customdict::Append("", "word"));
    std::string dir = testsupport::MakeDir("dict-as-dir");
    EXPECT_FALSE(customdict::Append(dir, "word"));
}
