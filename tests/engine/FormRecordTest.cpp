#include <gtest/gtest.h>

#include "engine/EngineState.h"
#include "settings/ProgramOptions.h"
#include "EngineTestSupport.h"
#include "Lend.h"
#include "engine/FormRecord.h"
#include "engine/SpellingHooks.h"

using namespace enginetest;

namespace {

struct FormRecord : ::testing::Test {
    ZelkOptions options;
    std::vector<std::string> checked;
    ZelkRun run{options};
    void SetUp() override {
        options = LoadSettings();
        ClearModel(run.model);
        OpenSession("/src/Form1.frm");
        run.fileIndex = 1;
        run.gblnSpellThisModule = true;
        options.gblnSpellFormLiterals = true;
    }
    // A checker that records what it is given and corrects "Fiel".
    testsupport::Lend<decltype(gfnSpellCheckIt)> checker{
        gfnSpellCheckIt, [this](std::string& text, const std::string& kind, const SourceModel&, long stmt) {
            checked.push_back(text + "|" + kind + "|" + std::to_string(stmt));
            text = vb::Replace(text, "Fiel", "File");
            return true;
        }};
    std::string Write(long record) {
        std::string text = "stale";
        sbOutputFormRecord(run, record, text);
        return text;
    }
    long Property(const std::string& name, const std::string& value, const std::string& lead = "\t\t") {
        return AddLine(run.model, StatementClass::Other,
                       {{name, lead}, OperatorTok("=", "   "), StringTok(value)});
    }
};

}  // namespace

TEST_F(FormRecord, WritesTheLineWithItsOwnSpacing) {
    long r = Property("Left", "1200");
    EXPECT_EQ(Write(r), "  Left   = 1200");
    long begin =
        AddLine(run.model, StatementClass::Other,
                {KeywordTok("Begin", "  "), {"VB.CommandButton", " "}, {"Command1", " "}});
    EXPECT_EQ(Write(begin), "  Begin VB.CommandButton Command1");
    EXPECT_TRUE(checked.empty());
}

TEST_F(FormRecord, SpellChecksCaptionsWithoutTheirAccessKey) {
    Property("Caption", "\"&Fiel\"");
    long r = Property("Caption", "\"Open &Fiel\"");
    EXPECT_EQ(Write(1), "  Caption   = \"&File\"");
    EXPECT_EQ(Write(r), "  Caption   = \"Open &File\"");
    EXPECT_EQ(checked, (std::vector<std::string>{"\"Fiel\"|Form/Control Literal|0", "\"Open Fiel\"|Form/Control Literal|1"}));
    // The source model keeps the text as read.
    EXPECT_EQ(run.model.yToken[static_cast<size_t>(run.model.yRecord[1].LastToken)].Piece, "\"&Fiel\"");
}

TEST_F(FormRecord, NamesFontsAndOffSwitchesAreNotChecked) {
    for (const char* name : {"Name", "FontName", "LinkTopic", "Picture", "Icon"})
        EXPECT_EQ(Write(Property(name, "\"Fiel\"")), std::string("  ") + name + "   = \"Fiel\"");
    EXPECT_TRUE(checked.empty());
    long r = Property("Caption", "\"Fiel\"");
    options.gblnSpellFormLiterals = false;
    EXPECT_EQ(Write(r), "  Caption   = \"Fiel\"");
    options.gblnSpellFormLiterals = true;
    run.gblnSpellThisModule = false;
    EXPECT_EQ(Write(r), "  Caption   = \"Fiel\"");
    EXPECT_TRUE(checked.empty());
}

// The user's stop ends the checks for the rest of the run's file.
TEST_F(FormRecord, AStopEndsTheChecksOfTheFile) {
    int asked = 0;
    gfnSpellCheckIt = [&asked](std::string&, const std::string&, const SourceModel&, long) {
        ++asked;
        return false;
    };
    long r = Property("Caption", "\"Fiel\"");
    EXPECT_EQ(Write(r), "  Caption   = \"Fiel\"");
    EXPECT_FALSE(run.gblnSpellThisModule);
    EXPECT_EQ(Write(Property("Caption", "\"Fiel\"")), "  Caption   = \"Fiel\"");
    EXPECT_EQ(asked, 1);
}

TEST_F(FormRecord, VisualBasic3KeepsTheLineAsReadWhenTheCorrectionIsTooLong) {
    run.gsDialectInUse = "3";
    gfnSpellCheckIt = [](std::string& text, const std::string&, const SourceModel&, long) {
        text += "x";
        return true;
    };
    // "Caption = " and the value with one character added.
    const std::string fits = "\"" + std::string(1010, 'a') + "\"";     // 1023 once corrected
    const std::string tooLong = "\"" + std::string(1011, 'b') + "\"";  // 1024 once corrected
    RunFiles files(run);
    long r1 = AddLine(run.model, StatementClass::Other, {{"Caption", ""}, OperatorTok("="), StringTok(fits)});
    long r2 = AddLine(run.model, StatementClass::Other, {{"Caption", ""}, OperatorTok("="), StringTok(tooLong)});
    EXPECT_EQ(Write(r1).size(), 1023u);
    EXPECT_EQ(Write(r2), "Caption = " + tooLong);
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    const std::string notice = testsupport::Ui().Messages[0].Prompt;
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Too Long");
    EXPECT_EQ(notice, "The following line was generated and is too long for Visual Basic 3.0\r\n\r\nCaption = " + tooLong +
                          "x\r\n\r\nThe Original line will be retained.\r\n\r\nCaption = " + tooLong);
    std::vector<std::string> log = files.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0], "The following line was generated and is too long for Visual Basic 3.0");
    EXPECT_EQ(gtFileStats[1].Warnings, 0);
    // Other dialects have no such rule.
    run.gsDialectInUse = "6";
    EXPECT_EQ(Write(r2).size(), 1024u);
}
