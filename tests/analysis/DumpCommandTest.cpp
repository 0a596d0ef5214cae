#include <gtest/gtest.h>
#include <sstream>

#include "AnalysisTestSupport.h"
#include "DumpCommand.h"

using namespace analysistest;

TEST(DumpCommand, PrintsRecordsAndTokens) {
    UseStandardKeywords();
    std::string path = WriteSource("d.bas", "If a\tThen ' x\r\n\r\n");
    std::ostringstream out;
    EXPECT_EQ(RunDump({path}, out), 0);
    EXPECT_EQ(out.str(),
              "FILE " + path +
                  "\n"
                  "RECORDS 3 TOKENS 5\n"
                  "R1 tokens=1..4\n"
                  "  T1 @1 ws=|| piece=|If| class=0/0 flags=0/0 kw=IF\n"
                  "  T2 @4 ws=| | piece=|a| class=1/8 flags=0/0\n"
                  "  T3 @6 ws=|\\t| piece=|Then| class=0/0 flags=0/0 kw=THEN\n"
                  "  T4 @11 ws=| | piece=|' x| class=5/1 flags=1/0\n"
                  "R2 tokens=5..5\n"
                  "  T5 @0 ws=|| piece=|| class=5/3 flags=1/0\n"
                  "R3 tokens=0..0\n");
}

TEST(DumpCommand, ReportsWrongArgumentsAndUnreadableFiles) {
    UseStandardKeywords();
    std::ostringstream usage;
    EXPECT_EQ(RunDump({}, usage), 2);
    EXPECT_EQ(usage.str(), "usage: dump FILE\n");
    std::ostringstream missing;
    EXPECT_EQ(RunDump({"/nonexistent/x.bas"}, missing), 1);
    EXPECT_NE(missing.str().find("ERROR 53 File not found"), std::string::npos);
}
