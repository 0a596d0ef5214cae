#include <filesystem>
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "analysis/FileParse.h"
#include "analysis/KeywordTable.h"
#include "analysis/StatementAnalysis.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

struct FixtureFile {
    const char* name;
    const char* kind;
};
const FixtureFile kFixtures[] = {{"module.bas", "M"}, {"class.cls", "C"}, {"form.frm", "F"}, {"vb3.bas", "M"}};

// Parses every fixture and checks that each procedure ends at level 0 and
// that no internal error was logged.
void CheckFixtureLevels() {
    for (const FixtureFile& f : kFixtures) {
        SCOPED_TRACE(f.name);
        LogCapture log;
        const SourceModel& m = ParseText(Fixture(f.name), f.kind);
        EXPECT_EQ(oDebug->StatusCode, 0);
        long ends = 0;
        for (long s = 1; s <= m.glStmtCount; ++s) {
            const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
            if (st.Class != StatementClass::ProcEnd) continue;
            ++ends;
            EXPECT_EQ(m.yRecord[static_cast<size_t>(st.RecordFirst)].IndentLevel, 0) << "record " << st.RecordFirst;
        }
        EXPECT_GT(ends, 0);
        EXPECT_EQ(log.Text().find("Internal Error"), std::string::npos);
        EXPECT_EQ(static_cast<long>(m.yTokenKind.size()), m.glTokenCount + 1);
    }
}

}  // namespace

TEST(FixtureParse, LevelsReturnToZeroAtEveryProcedureEnd) {
    UseStandardKeywords();
    CheckFixtureLevels();
}

TEST(FixtureParse, LevelsWithTheShippedKeywordFile) {
    // The test's program folder holds a copy of the keyword file built beside
    // the test binaries, when the build has one.
    if (!std::filesystem::exists(BabKeyWordFile())) GTEST_SKIP() << "no keyword file in the build";
    BabReset();
    BabInit();
    CheckFixtureLevels();
}

TEST(FixtureParse, ModuleFixture) {
    UseStandardKeywords();
    ParseText(Fixture("module.bas"));
    std::vector<std::string> parts;
    for (const ProcInfo& p : Parsed().gtProcTable)
        parts.push_back(p.Name + " " + std::to_string(p.FirstRecord) + "-" + std::to_string(p.LastRecord));
    EXPECT_EQ(parts, (std::vector<std::string>{"<Declarations> 1-33", "Add 34-39", "Tidy 40-80", "Total 81-85"}));

    // The declaration line continued over three lines is one record group.
    const BabStatement& declare = FirstStatementOf(13);
    EXPECT_EQ(declare.Detail, 202);
    EXPECT_EQ(declare.RecordFirst, 13);
    EXPECT_EQ(declare.RecordLast, 15);
    // Type and Enum members, directives at level 0.
    EXPECT_EQ(FirstStatementOf(19).Detail, 109);
    EXPECT_EQ(FirstStatementOf(21).Detail, 110);
    EXPECT_EQ(FirstStatementOf(25).Detail, 112);
    for (long r : {29, 31, 33}) EXPECT_EQ(Parsed().yRecord[static_cast<size_t>(r)].IndentLevel, 0) << r;
    // The separator comment above Tidy does not swallow its heading.
    EXPECT_EQ(FirstStatementOf(41).Class, StatementClass::Comment);
    EXPECT_EQ(FirstStatementOf(42).Class, StatementClass::ProcHeading);
    EXPECT_EQ(Parsed().yRecord[41].TiedTo, 42);
    // The comment continued with " _" is one statement tied to Add.
    EXPECT_EQ(FirstStatementOf(35).RecordLast, 36);
    EXPECT_EQ(Parsed().yRecord[36].TiedTo, 37);
}
