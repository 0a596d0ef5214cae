#include <gtest/gtest.h>

#include "platform/VBError.h"
#include "platform/VBText.h"

TEST(VBText, ValTakesTheNumericPrefix) {
    struct {
        const char* text;
        double value;
    } cases[] = {{"40 ", 40}, {"  12abc", 12}, {"abc", 0}, {"", 0}, {"-3.5x", -3.5}, {"1e3", 1000}, {"+7", 7}, {".5", 0.5}};
    for (auto c : cases) EXPECT_DOUBLE_EQ(vb::Val(c.text), c.value) << c.text;
}

TEST(VBText, IsNumeric) {
    EXPECT_TRUE(vb::IsNumeric(" 12 "));
    EXPECT_TRUE(vb::IsNumeric("-1.5"));
    EXPECT_FALSE(vb::IsNumeric("12a"));
    EXPECT_FALSE(vb::IsNumeric(""));
    EXPECT_FALSE(vb::IsNumeric("-"));
}

TEST(VBText, RoundingIsHalfToEvenWithRangeChecks) {
    EXPECT_EQ(vb::CInt(2.5), 2);
    EXPECT_EQ(vb::CInt(3.5), 4);
    EXPECT_EQ(vb::CInt(-2.5), -2);
    EXPECT_EQ(vb::CLng(100000.5), 100000);
    EXPECT_EQ(vb::CInt(32767.4), 32767);
    for (double bad : {32767.5, -32769.0, 1e300}) {
        try {
            vb::CInt(bad);
            FAIL() << bad;
        } catch (const VBError& e) {
            EXPECT_EQ(e.Number, vberr::kOverflow);
        }
    }
    EXPECT_THROW(vb::CLng(3e9), VBError);
}

TEST(VBText, StrAndFormat) {
    EXPECT_EQ(vb::Str(5.0), " 5");
    EXPECT_EQ(vb::Str(0.0), " 0");
    EXPECT_EQ(vb::Str(-5.0), "-5");
    EXPECT_EQ(vb::Format(1234567, "#,##0"), "1,234,567");
    EXPECT_EQ(vb::Format(999, "#,##0"), "999");
    EXPECT_EQ(vb::Format(0, "#,##0"), "0");
    // The file size pattern: at least one digit, thousands grouped.
    EXPECT_EQ(vb::Format(0, "##,##0"), "0");
    EXPECT_EQ(vb::Format(1234, "##,##0"), "1,234");
    EXPECT_EQ(vb::Format(12345678, "##,##0"), "12,345,678");
    EXPECT_EQ(vb::Format(99.0000001, "##0"), "99");
    EXPECT_EQ(vb::Format(7, "00"), "07");
    EXPECT_EQ(vb::Format(42, "0000000"), "0000042");
    EXPECT_EQ(vb::Format(12345678, "0000000"), "12345678");
    EXPECT_EQ(vb::NumberText(-12), "-12");
    EXPECT_EQ(vb::NumberText(2.5), "2.5");
}

TEST(VBText, TextHelpers) {
    EXPECT_EQ(vb::UCase("aBc\xe9"), "ABC\xe9");
    EXPECT_EQ(vb::Trim("  a b \t"), "a b \t");
    EXPECT_EQ(vb::Replace("a   b", "  ", " "), "a  b");
    EXPECT_EQ(vb::Split("a||b", "|"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(vb::Split("", "|"), (std::vector<std::string>{""}));
}
