// The templates' own logic: the kinds of comment block, the built-in blocks
// and code templates byte for byte, and the tab-width answer.
#include <gtest/gtest.h>

#include <optional>

#include "spelling/CodeTemplates.h"
#include "spelling/CommentTemplates.h"
#include "settings/ZelkOptions.h"
#include "platform/Paths.h"
#include "spelling/TabWidth.h"
#include "TestSupport.h"
#include "settings/mINIHandler.h"

namespace {

const std::string kBanner = "'" + std::string(5, '*') + " ZEMBROCK ZELKER " + std::string(32, '*');

std::string SettingsPath() { return paths::Join(testsupport::ConfigDir(), kSettingsFileName); }

}  // namespace

TEST(CommentTemplates, TheBuiltInBlocksByteForByte) {
    EXPECT_EQ(kBanner.size(), 55u);
    EXPECT_EQ(DefaultModuleBlock(), kBanner + "\r\n"
                                    "'@Module" + std::string(8, ' ') + "By: @User" + std::string(7, ' ') +
                                        "Date: @Date\r\n"
                                        "'Comments: @Ask\r\n"
                                        "'  \r\n"
                                        "'  \r\n" +
                                        kBanner);
    EXPECT_EQ(DefaultProcedureBlock(), kBanner + "\r\n"
                                       "'@Module / @Procedure" + std::string(8, ' ') + "\r\n"
                                       "'By: @User" + std::string(17, ' ') + "Date: @Date\r\n"
                                       "'Comments: @Ask\r\n"
                                       "'  Inputs:\r\n"
                                       "' Outputs:\r\n" +
                                           kBanner);
}

TEST(CommentTemplates, TheKindIsTheCaptionsFirstLetter) {
    struct Case {
        const char* caption;
        char letter;
        const char* file;
        const char* suffix;
        const char* viewDefault;
        int field;
        bool moduleBlock;
    };
    const Case cases[] = {
        {"Module Level ", 'M', "CMTMOD.DEF", " - Module Comment Block", "&Default Module Comment Block", 0, true},
        {"User Defined Procedures", 'U', "CMTUDP.DEF", " - User Defined Procedure Commen",
         "&Default User Defined Procedure", 1, false},
        {"Event Procedures", 'E', "CMTEVT.DEF", " - Event Procedure Comment Block",
         "&Default Event Procedure Commen", 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const CommentKind* kind = CommentKindOf(c.caption);
        ASSERT_NE(kind, nullptr);
        EXPECT_EQ(kind->Letter, c.letter);
        EXPECT_STREQ(kind->DefaultFile, c.file);
        EXPECT_STREQ(kind->CaptionSuffix, c.suffix);
        EXPECT_STREQ(kind->ViewDefaultCaption, c.viewDefault);
        EXPECT_EQ(kind->FieldIndex, c.field);
        EXPECT_EQ(DefaultCommentBlock(*kind), c.moduleBlock ? DefaultModuleBlock() : DefaultProcedureBlock());
        // Open and Save propose the named template, else the kind's default
        // file in the program's directory.
        EXPECT_EQ(ProposedCommentFile(kind, ""), paths::Join(testsupport::ProgramDir(), c.file));
        EXPECT_EQ(ProposedCommentFile(kind, "/t/mine.def"), "/t/mine.def");
    }
    for (const char* other : {"", "module", "Xyz"}) EXPECT_EQ(CommentKindOf(other), nullptr) << other;
    EXPECT_EQ(ProposedCommentFile(nullptr, ""), "");
}

TEST(CodeTemplates, TheFourBuiltInTemplatesByteForByte) {
    EXPECT_EQ(sbDefaultDefinition(1),
              "Dim KEMProcedureID As String\r\n"
              "  KEMProcedureID = \"@Module\" & \"::\" & \"@Procedure\"\r\n"
              "  On Error GoTo ErrHandler");
    EXPECT_EQ(sbDefaultDefinition(2),
              "' Note: ERHandler is a procedure called\r\n"
              "EXITPROC:\r\n"
              "  Exit @Sub\r\n"
              "ErrHandler:\r\n"
              "  Debug.Print Err.Number & \": \" & Err.Description & \" @ Line \" & Erl\r\n"
              "  Debug.Assert False ' Stop when in IDE mode\r\n"
              "  Call ERHandler(Err.Number, Err.Description, _\r\n"
              "    Err.Source, \"@Module\" & \"::\" & \"@Procedure\")");
    EXPECT_EQ(sbDefaultDefinition(3),
              "  ' Note: LogginIsOn is Boolean in the oDebug object\r\n"
              "  If oDebug.LogginIsOn Then\r\n"
              "    Call oLog.LogTraceEnter(\"@Module\" & \"::\" & \"@Procedure\")\r\n"
              "  End If");
    EXPECT_EQ(sbDefaultDefinition(4),
              "   If oDebug.LogginIsOn Then\r\n"
              "      Call oLog.LogTraceExit(\"@Module\" & \"::\" & \"@Procedure\")\r\n"
              "   End If");
    for (long other : {0L, 5L, -1L}) EXPECT_EQ(sbDefaultDefinition(other), "") << other;
}

TEST(TabWidth, TheEntriesThatAreAnAnswer) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"4", 4},   {" 8 ", 8},  {"0", 0},          {"20", 20},         {"-1", -1},         {"99", 99},
        {"2.5", 2}, {"3.5", 4},  {"1e1", 10},       {"21", std::nullopt}, {"-2", std::nullopt},
        {"98", std::nullopt},    {"", std::nullopt}, {"four", std::nullopt}, {"4x", std::nullopt},
        {"100000", std::nullopt},
    };
    for (const auto& [text, width] : cases) EXPECT_EQ(fnTabWidthEntry(text), width) << '"' << text << '"';
}

TEST(TabWidth, AnAnswerReachesTheSettingAndTheFileAtOnce) {
    testsupport::WriteFile(SettingsPath(), "[Program]\r\nTabWidth=99\r\nUser=Ann\r\n");
    sbInitINI();
    ZelkOptions options;
    options.giTabWidth = TabWidth::NotChosen;

    // Not an answer: reported, nothing changes.
    for (const char* bad : {"", "x", "25"}) {
        EXPECT_FALSE(fbTakeTabWidth(true, bad, options)) << bad;
        EXPECT_EQ(testsupport::Ui().Messages.back().Title, "Set Tab Width");
        EXPECT_EQ(options.giTabWidth, TabWidth::NotChosen);
    }
    EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "[Program]\r\nTabWidth=99\r\nUser=Ann\r\n");

    const size_t messages = testsupport::Ui().Messages.size();
    EXPECT_TRUE(fbTakeTabWidth(true, " 8", options));
    EXPECT_EQ(options.giTabWidth, TabWidth{8});
    EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "[Program]\r\nTabWidth=8\r\nUser=Ann\r\n");
    // "Do not convert" whatever the box holds.
    EXPECT_TRUE(fbTakeTabWidth(false, "junk", options));
    EXPECT_EQ(options.giTabWidth, TabWidth::LeaveTabs);
    EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "[Program]\r\nTabWidth=-1\r\nUser=Ann\r\n");
    EXPECT_EQ(testsupport::Ui().Messages.size(), messages);
}
