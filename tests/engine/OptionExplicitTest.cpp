#include <gtest/gtest.h>

#include "engine/EngineState.h"
#include "settings/ProgramOptions.h"
#include "EngineTestSupport.h"
#include "engine/OptionExplicit.h"
#include "engine/ZelkRun.h"

using namespace enginetest;

namespace {

struct OptionExplicit : ::testing::Test {
    void SetUp() override {
        LoadSettings();
        ClearModel();
    }
    ZelkRun run{goOptions};
};

}  // namespace

TEST_F(OptionExplicit, FoundInAnyCaseAndSpacing) {
    AddLine(StatementClass::ModuleDescription,
            {KeywordTok("Attribute", ""), {"VB_Name"}, OperatorTok("="), StringTok("\"M\"")});
    AddLine(StatementClass::Comment, {CommentTok("' header", "")});
    AddLine(StatementClass::Blank, {{"", "", TokenClass::NonCode, tokdetail::kBlank}});
    AddLine(StatementClass::Other, {KeywordTok("option", ""), KeywordTok("EXPLICIT", "     "), CommentTok("' why")});
    AddEndRecord();
    EXPECT_FALSE(fblnOptionExplicit(run, 2));
}

TEST_F(OptionExplicit, MissingWhenOnlyLaterOrHiddenInAnotherStatement) {
    struct Case {
        const char* what;
        std::function<void()> build;
    } cases[] = {
        {"after a heading",
         [] {
             AddLine(StatementClass::ProcHeading, {KeywordTok("Sub", ""), {"Main"}});
             AddLine(StatementClass::Other, {KeywordTok("Option", ""), KeywordTok("Explicit")});
         }},
        {"in a comment", [] { AddLine(StatementClass::Comment, {CommentTok("' Option Explicit", "")}); }},
        {"a declaration first",
         [] {
             AddLine(StatementClass::Declaration, {KeywordTok("Dim", ""), {"Option"}, {"Explicit"}}, 0, 203);
         }},
        {"nothing but the end", [] {}},
    };
    for (const Case& c : cases) {
        ClearModel();
        c.build();
        AddEndRecord();
        EXPECT_TRUE(fblnOptionExplicit(run, 1)) << c.what;
    }
}

TEST_F(OptionExplicit, PassesOverTheFormDescriptionCountingItsLines) {
    AddLine(StatementClass::Other, {KeywordTok("Begin", ""), {"VB.Form"}, {"Form1"}}, stmtflag::kFormDescription);
    AddLine(StatementClass::Other, {{"Caption", "   "}, OperatorTok("="), StringTok("\"Hi\"")},
            stmtflag::kFormDescription);
    AddLine(StatementClass::Other, {KeywordTok("End", "")}, stmtflag::kFormDescription);
    AddLine(StatementClass::Other, {KeywordTok("Option", ""), KeywordTok("Explicit")});
    AddEndRecord();
    EXPECT_FALSE(fblnOptionExplicit(run, 1));
    EXPECT_EQ(run.glPseudoStatement, 3);
}
