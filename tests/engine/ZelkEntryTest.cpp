// The in-process entry handed its options as a value.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "analysis/KeywordTable.h"
#include "common/SharedState.h"
#include "platform/Clock.h"
#include "settings/ProgramOptions.h"

using namespace enginetest;

namespace {

struct ZelkEntry : ::testing::Test {
    FakeClock clock;
    std::string source;
    void SetUp() override {
        SetClock(&clock);
        LoadSettings();
        BabReset();
        BabInit();
        source = paths::Join(testsupport::MakeDir("src"), "Entry.bas");
        testsupport::WriteFile(source,
                               "Attribute VB_Name = \"Entry\"\r\nSub A()\r\nIf x Then\r\ny = 1\r\nEnd If\r\nEnd Sub\r\n");
    }
};

}  // namespace

TEST_F(ZelkEntry, EachRunUsesTheOptionsItIsGiven) {
    for (int amount : {2, 6, 2}) {
        ZelkOptions options;
        options.gblnAsIs = false;
        options.giIndentAmount = amount;
        gblnSpellThisModule = true;  // left over from an earlier run
        const ZelkResult r = Zelk(source, options, nullptr);
        ASSERT_TRUE(r.Zelked()) << amount;
        ASSERT_TRUE(r.Output.has_value());
        EXPECT_NE(r.Output->find("\r\n" + std::string(static_cast<size_t>(amount), ' ') + "y = 1\r\n"),
                  std::string::npos)
            << amount << "\n" << *r.Output;
        EXPECT_FALSE(gblnSpellThisModule);  // spelling is off in these options
    }
}
