#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "engine/DateWarnings.h"
#include "settings/ProgramOptions.h"
#include "engine/EngineState.h"
#include "EngineTestSupport.h"

using namespace arrangetest;

namespace {

class DateWarningsTest : public ArrangeTest {
protected:
    // The log lines the date scan writes for the statement on the given
    // line, in a run of its own over the parsed model.
    std::vector<std::string> Scanned(long line) {
        ZelkRun scan{options};
        scan.fileIndex = 1;  // the session's one file
        scan.model = model;
        enginetest::RunFiles files(scan);
        BabStatement stmt = model.yStatement[static_cast<size_t>(StatementOfLine(line))];
        ScanForY2K(scan, stmt);
        return files.Log();
    }
};

TEST_F(DateWarningsTest, EachRuleWritesItsWarningWithTheStatement) {
    struct Case {
        const char* Line;
        std::vector<std::string> Log;
    };
    const std::vector<Case> cases = {
        {"    Dim DueDate As Date",
         {"WARNING:  The following declaration may manipulate dates.", "    Dim DueDate As Date"}},
        {"    Dim nYear As Integer",
         {"WARNING:  The following declaration may manipulate the year.", "    Dim nYear As Integer"}},
        {"    Dim bLeapYr As Boolean",
         {"WARNING:  The following declaration may manipulate leap year.", "    Dim bLeapYr As Boolean"}},
        {"    x = Candidate + 1",
         {"WARNING:  The following statement may manipulate date data.", "    x = Candidate + 1"}},
        {"    LeapYearFlag = True",
         {"WARNING:  The following statement may manipulate leap year date data.", "    LeapYearFlag = True"}},
        {"    n = yr + 1", {"WARNING:  The following statement may manipulate year date data.", "    n = yr + 1"}},
        {"    s = Format(d, \"/\")",
         {"WARNING:  If you are formating a date in the following statement,", "Verify that it is correct.",
          "    s = Format(d, \"/\")"}},
        {"    s = a & \"-\" & b",
         {"WARNING:  If you are formating a date in the following statement,", "Verify that it is correct.",
          "    s = a & \"-\" & b"}},
        {"    s = Format(d, \"yy\")",
         {"WARNING:  If you are using YY in a format statement,", "Verify that it is not a problem.",
          "    s = Format(d, \"yy\")"}},
        {"    s = Format(d, \"Short Date\")",
         {"WARNING:  The String \"Short Date\" is used in a statement.",
          "You need to verify that international settings use 4 digit years.", "    s = Format(d, \"Short Date\")"}},
    };
    for (const Case& c : cases) {
        ParseLines({"Sub Test()", c.Line, "End Sub"});
        EXPECT_EQ(Scanned(2), c.Log) << c.Line;
    }
    ParseLines({"Function LeapYear(y As Integer) As Boolean", "End Function"});
    EXPECT_EQ(Scanned(1), (std::vector<std::string>{
                                  "WARNING:  The following procedure declaration may manipulate leap year.",
                                  "Function LeapYear(y As Integer) As Boolean"}));
    EXPECT_EQ(gtFileStats[1].Warnings, 1);
}

TEST_F(DateWarningsTest, StatementsThatOnlyLookLikeDatesGiveNothing) {
    for (const char* line : {"    intUpdateCount = 1", "    ValidateInput", "    s = Format(d, \"mm/dd/yy\")",
                             "    s = Format(d, \"yyyy\")", "    d = Date", "    s = \"a-b\""}) {
        ParseLines({"Sub Test()", line, "End Sub"});
        std::vector<std::string> log = Scanned(2);
        EXPECT_TRUE(log.empty()) << line << ": " << (log.empty() ? "" : log[0]);
    }
}

TEST_F(DateWarningsTest, OnlyTheFirstMatchingTokenWarns) {
    ParseLines({"Sub Test()", "    StartDate = EndYear", "End Sub"});
    EXPECT_EQ(Scanned(2), (std::vector<std::string>{"WARNING:  The following statement may manipulate date data.",
                                                        "    StartDate = EndYear"}));
}

}  // namespace
