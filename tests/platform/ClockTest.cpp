#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Clock.h"
#include "TestSupport.h"
#include "platform/VBError.h"

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

TEST(DateParse, ReadsTheProgramsOwnFormats) {
    struct Case {
        const char* text;
        DateTime expected;
    } cases[] = {
        {"3/07/2026 10:15:30 AM", {2026, 3, 7, 10, 15, 30}},
        {"12/31/1999 12:00:00 AM", {1999, 12, 31, 0, 0, 0}},
        {"1/1/2000 12:05:09 pm", {2000, 1, 1, 12, 5, 9}},
        {" 2/29/2024 11:59 PM ", {2024, 2, 29, 23, 59, 0}},
        {"7/4/2026 18:30:00", {2026, 7, 4, 18, 30, 0}},
        {"7/4/2026", {2026, 7, 4, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        DateTime t{1, 1, 1, 1, 1, 1};
        EXPECT_TRUE(datetime::Parse(c.text, t)) << c.text;
        EXPECT_EQ(t, c.expected) << c.text;
    }
    // The general date the program writes reads back as itself.
    DateTime back;
    DateTime original{2026, 11, 3, 17, 4, 5};
    EXPECT_TRUE(datetime::Parse(datetime::GeneralDate(original), back));
    EXPECT_EQ(back, original);
}

TEST(DateParse, RefusesAnythingElse) {
    for (const char* text : {"", "tomorrow", "2/30/2026", "2/29/2023 1:00:00 AM", "13/1/2026", "1/1/26",
                             "3/07/2026 13:15:30 PM", "3/07/2026 0:15:30 AM", "3/07/2026 10:61:00", "3/07/2026 10:15:30 XM",
                             "3/07/2026 10:15:30 AM extra", "3-07-2026"}) {
        DateTime t{1, 2, 3, 4, 5, 6};
        EXPECT_FALSE(datetime::Parse(text, t)) << text;
        EXPECT_EQ(t, (DateTime{1, 2, 3, 4, 5, 6})) << text;
    }
}
