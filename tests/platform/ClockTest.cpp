#include <gtest/gtest.h>

#include <filesystem>

#include "Clock.h"
#include "TestSupport.h"
#include "VBError.h"

TEST(Clock, HistoryStampHasMonthWithoutZeroDayWithTwoDigitsAndTwelveHourClock) {
    struct Case {
        DateTime t;
        const char* text;
    } cases[] = {
        {{2001, 3, 7, 14, 5, 9}, "3/07/2001 2:05:09 PM"},
        {{2024, 12, 25, 0, 0, 0}, "12/25/2024 12:00:00 AM"},
        {{1999, 1, 31, 12, 59, 59}, "1/31/1999 12:59:59 PM"},
        {{2000, 10, 1, 9, 30, 0}, "10/01/2000 9:30:00 AM"},
    };
    for (const auto& c : cases) EXPECT_EQ(datetime::HistoryStamp(c.t), c.text);
}

TEST(Clock, FileDateTimeIsTheLastWriteInLocalTime) {
    std::string file = testsupport::MakeDir("d") + "/f.bas";
    testsupport::WriteFile(file, "x");
    std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::from_sys(
                                               std::chrono::sys_seconds{std::chrono::seconds{1000000000}}));
    EXPECT_EQ(datetime::FileDateTime(file), datetime::FromTimeT(1000000000));
    try {
        datetime::FileDateTime(file + ".gone");
        FAIL();
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kFileNotFound);
    }
}
