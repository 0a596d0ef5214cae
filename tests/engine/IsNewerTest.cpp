#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

#include "common/AppIdentity.h"
#include "settings/ProgramOptions.h"
#include "EngineTestSupport.h"
#include "engine/IsNewer.h"

using namespace enginetest;

namespace {

struct IsNewer : ::testing::Test {
    ZelkOptions options;
    std::string source;
    void SetUp() override {
        options = LoadSettings();
        options.gsSaveZelFile = paths::Join(testsupport::MakeDir("hist"), "KEMHIST.KEM");
        source = paths::Join(testsupport::MakeDir("src"), "Module1.bas");
        testsupport::WriteFile(source, "Sub A()\r\nEnd Sub\r\n");
        SetFileTime(10, 15, 30);
    }
    void SetFileTime(int h, int m, int s) {
        std::tm t{};
        t.tm_year = 2026 - 1900;
        t.tm_mon = 2;
        t.tm_mday = 7;
        t.tm_hour = h;
        t.tm_min = m;
        t.tm_sec = s;
        t.tm_isdst = -1;
        timespec times[2] = {{std::mktime(&t), 0}, {std::mktime(&t), 500000000}};
        ASSERT_EQ(::utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    }
    void Record(const std::string& value) {
        testsupport::WriteFile(options.gsSaveZelFile, "[" + app::kFileDescription + "]\r\n" + source + "=" + value + "\r\n");
    }
};

}  // namespace

TEST_F(IsNewer, AFileWithoutAUsableRecordIsZelked) {
    EXPECT_TRUE(fbIsNewer(source, options.gsSaveZelFile));  // no history file
    for (const char* value : {"", "3/07/2026 10:15:30 AM", "3/07/2026 10:15:30 AM|not a date",
                              "3/07/2026 10:15:30 AM|2/30/2026 10:15:30 AM", "x|3/07/2026 13:15:30 PM"}) {
        Record(value);
        EXPECT_TRUE(fbIsNewer(source, options.gsSaveZelFile)) << value;
    }
    testsupport::WriteFile(options.gsSaveZelFile, "[Another Program]\r\n" + source + "=x|3/07/2026 11:00:00 AM\r\n");
    EXPECT_TRUE(fbIsNewer(source, options.gsSaveZelFile));
}

TEST_F(IsNewer, ComparesTheSaveTimeWithTheFileInWholeSeconds) {
    // The recorded time stamp before the "|" plays no part.
    Record("1/01/1990 1:00:00 AM|3/07/2026 10:15:30 AM");
    EXPECT_FALSE(fbIsNewer(source, options.gsSaveZelFile));  // same second, fraction ignored
    SetFileTime(10, 20, 0);
    EXPECT_TRUE(fbIsNewer(source, options.gsSaveZelFile));
    Record("12/31/2030 1:00:00 AM|3/07/2026 10:20:01 AM");
    EXPECT_FALSE(fbIsNewer(source, options.gsSaveZelFile));
    SetFileTime(22, 20, 1);
    Record("x|3/07/2026 10:20:01 PM");
    EXPECT_FALSE(fbIsNewer(source, options.gsSaveZelFile));
}

TEST_F(IsNewer, NeverEndsTheProgram) {
    Record("x|3/07/2026 11:00:00 AM");
    EXPECT_FALSE(fbIsNewer(source, options.gsSaveZelFile));
    std::remove(source.c_str());
    EXPECT_TRUE(fbIsNewer(source, options.gsSaveZelFile));  // the file vanished
    options.gsSaveZelFile = testsupport::MakeDir("a-folder");
    EXPECT_TRUE(fbIsNewer(source, options.gsSaveZelFile));  // the history cannot be read
}
