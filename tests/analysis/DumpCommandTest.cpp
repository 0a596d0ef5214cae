#include <gtest/gtest.h>
#include <sstream>

#include "AnalysisTestSupport.h"
#include "DumpCommand.h"
#include "TestSupport.h"

using namespace analysistest;

TEST(DumpCommand, PrintsRecordsStatementsAndParts) {
    UseStandardKeywords();
    std::string path = WriteSource("d.bas", "Attribute VB_Name = \"D\"\r\n' note\r\nSub A(): If a\tThen\r\nEnd Sub\r\n");
    std::ostringstream out;
    EXPECT_EQ(RunDump({path}, out), 0);
    EXPECT_EQ(out.str(),
              "FILE " + path +
                  "\n"
                  "MODULE |D|\n"
                  "RECORDS 5 STATEMENTS 5 TOKENS 15\n"
                  "R1 level=0 stmts=1..1 tied=0/0 tokens=1..4\n"
                  "  T1 @1 ws=|| piece=|Attribute| class=0/0 flags=2/0 stmt=1 kind=3 kw=ATTRIBUTE\n"
                  "  T2 @11 ws=| | piece=|VB_Name| class=1/8 flags=0/0 stmt=1 kind=2\n"
                  "  T3 @19 ws=| | piece=|=| class=4/6 flags=0/0 stmt=1 kind=3\n"
                  "  T4 @21 ws=| | piece=|\"D\"| class=3/3 flags=1/0 stmt=1 kind=4\n"
                  "  S1 class=6/0 flags=0 verb=1|Attribute| tokens=1..4 sig=4 records=1..1\n"
                  "R2 level=0 stmts=2..2 tied=3/0 tokens=5..5\n"
                  "  T5 @1 ws=|| piece=|' note| class=5/1 flags=3/0 stmt=2 kind=1\n"
                  "  S2 class=1/0 flags=1 verb=0|| tokens=5..5 sig=0 records=2..2\n"
                  "R3 level=0 stmts=3..4 tied=0/0 tokens=6..13\n"
                  "  T6 @1 ws=|| piece=|Sub| class=0/0 flags=2/0 stmt=3 kind=3 kw=SUB\n"
                  "  T7 @5 ws=| | piece=|A| class=1/8 flags=0/0 stmt=3 kind=2\n"
                  "  T8 @6 ws=|| piece=|(| class=4/6 flags=0/0 stmt=3 kind=3\n"
                  "  T9 @7 ws=|| piece=|)| class=4/6 flags=0/0 stmt=3 kind=3\n"
                  "  T10 @8 ws=|| piece=|:| class=6/2 flags=0/0 stmt=3 kind=3\n"
                  "  T11 @10 ws=| | piece=|If| class=0/0 flags=2/0 stmt=4 kind=3 kw=IF\n"
                  "  T12 @13 ws=| | piece=|a| class=1/8 flags=0/0 stmt=4 kind=2\n"
                  "  T13 @15 ws=|\\t| piece=|Then| class=0/0 flags=1/0 stmt=4 kind=3 kw=THEN\n"
                  "  S3 class=5/0 flags=0 verb=6|Sub| tokens=6..10 sig=9 records=3..3\n"
                  "  S4 class=0/0 flags=4 verb=11|If| tokens=11..13 sig=13 records=0..0\n"
                  "R4 level=1 stmts=5..5 tied=0/0 tokens=14..15\n"
                  "  T14 @1 ws=|| piece=|End| class=0/0 flags=2/0 stmt=5 kind=3 kw=END\n"
                  "  T15 @5 ws=| | piece=|Sub| class=0/0 flags=1/0 stmt=5 kind=3 kw=SUB\n"
                  "  S5 class=4/0 flags=0 verb=14|End| tokens=14..15 sig=15 records=4..4\n"
                  "R5 level=0 stmts=0..0 tied=0/0 tokens=0..0\n"
                  "P0 |<Declarations>| kind=D records=1..1 stmts=1..1 public=1 event=0\n"
                  "P1 |A| kind=S records=2..5 stmts=2..5 public=1 event=0\n");
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
