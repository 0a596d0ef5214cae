// The in-process entry handed its options as a value.
#include <filesystem>
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "analysis/KeywordTable.h"
#include "common/SharedState.h"
#include "engine/SpellingHooks.h"
#include "Lend.h"
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
        const ZelkResult r = Zelk(source, options, nullptr);
        ASSERT_TRUE(r.Zelked()) << amount;
        ASSERT_TRUE(r.Output.has_value());
        EXPECT_NE(r.Output->find("\r\n" + std::string(static_cast<size_t>(amount), ' ') + "y = 1\r\n"),
                  std::string::npos)
            << amount << "\n" << *r.Output;
    }
}

// The text form reads no file: the source's file is gone when its text is
// zelked, and the text gives what the file gave (kind, dialect, output, log,
// the questions asked), for sources accepted and rejected alike.
TEST_F(ZelkEntry, ATextGivesWhatItsFileGivesWithoutReadingIt) {
    struct Row {
        std::string name, text;
        bool accepted;
    };
    const Row rows[] = {
        {"Entry.bas", "Attribute VB_Name = \"Entry\"\r\nSub A()\r\nIf x Then\r\ny = 1\r\nEnd If\r\nEnd Sub\r\n", true},
        {"Thing.cls", "VERSION 1.0 CLASS\r\nBEGIN\r\nEND\r\nAttribute VB_Name = \"Thing\"\r\nSub B()\r\nEnd Sub\r\n", true},
        {"Old.frm", "VERSION 2.00\r\nBegin Form Old\r\nEnd\r\nSub Form_Load ()\r\nx=1\r\nEnd Sub\r\n", true},
        {"Blank.bas", "\r\n\r\n", true},  // asked whether to process it anyway; the first answer is Yes
        {"Binary.frm", std::string("MZ\0\0", 4), false},
    };
    ZelkOptions options;
    options.gblnAsIs = false;
    const std::string dir = testsupport::MakeDir("texts");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = paths::Join(dir, row.name);
        testsupport::WriteFile(path, row.text);
        testsupport::Ui().Messages.clear();
        const ZelkResult fromFile = Zelk(path, options, nullptr);
        const auto fileMessages = testsupport::Ui().Messages;
        std::filesystem::remove(path);

        testsupport::Ui().Messages.clear();
        const ZelkResult fromText = Zelk(row.text, path, options, nullptr);
        EXPECT_EQ(fromFile.Accepted, row.accepted);
        EXPECT_EQ(fromText.Accepted, fromFile.Accepted);
        EXPECT_EQ(fromText.Status, fromFile.Status);
        EXPECT_EQ(fromText.Reason, fromFile.Reason);
        EXPECT_EQ(fromText.Output, fromFile.Output);
        EXPECT_EQ(fromText.Log, fromFile.Log);
        ASSERT_EQ(testsupport::Ui().Messages.size(), fileMessages.size());
        for (size_t i = 0; i < fileMessages.size(); ++i)
            EXPECT_EQ(testsupport::Ui().Messages[i].Prompt, fileMessages[i].Prompt);
    }
}

// A file that cannot be read is reported as the file's choice reports it.
TEST_F(ZelkEntry, AMissingFileIsReportedAndNotAccepted) {
    const std::string missing = paths::Join(testsupport::MakeDir("gone"), "Gone.bas");
    const ZelkResult r = Zelk(missing, ZelkOptions{}, nullptr);
    EXPECT_FALSE(r.Accepted);
    EXPECT_FALSE(r.Output.has_value());
    EXPECT_EQ(testsupport::Ui().LastPrompt(), "There are errors in processing\r\nFile: " + missing +
                                                  "\r\nWas Not Found\r\n\r\nDo you want to cancel processing?");
}

// The run changes no setting, not even the program's own: the tab width it
// asked for serves the run, and a dictionary it could not find is left out
// and reported in the result.
TEST_F(ZelkEntry, TheRunKeepsItsAnswersToItselfAndReportsAMissingDictionary) {
    const ZelkOptions program = goOptions;
    int setUps = 0;
    testsupport::Lend setUp{gfnSpellInitialize, [&](const ZelkOptions& o) {
                                ++setUps;
                                EXPECT_EQ(o.gsStandardDictionary, "");
                            }};
    int asked = 0;
    testsupport::Lend question{gfnAskTabWidth, [&] {
                                   ++asked;
                                   return TabWidth{3};
                               }};
    ZelkOptions options;
    options.gblnSpellEnabled = true;
    options.gsStandardDictionary = paths::Join(testsupport::MakeDir("dict"), "NONE.DAT");
    options.giTabWidth = TabWidth::NotChosen;
    const ZelkResult r = Zelk("Sub A()\r\nx =\t1\r\ny =\t2\r\nEnd Sub\r\n", source, options, nullptr);
    ASSERT_TRUE(r.Zelked());
    EXPECT_NE(r.Output->find("x =   1\r\ny =   2\r\n"), std::string::npos) << *r.Output;
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(r.Findings.TabWidthChosen, TabWidth{3});
    EXPECT_EQ(setUps, 1);
    EXPECT_TRUE(r.Findings.StandardDictionaryMissing);
    EXPECT_FALSE(r.Findings.CustomDictionaryMissing);
    EXPECT_EQ(testsupport::Ui().Messages.back().Title, "Standard Dictionary");
    EXPECT_EQ(goOptions, program);
}
