#include <gtest/gtest.h>

#include "engine/EngineState.h"
#include "settings/ProgramOptions.h"
#include "EngineTestSupport.h"
#include "engine/OptionExplicit.h"
#include "engine/ZelkRun.h"

using namespace enginetest;

namespace {

struct OptionExplicit : ::testing::Test {
    ZelkOptions options;
    void SetUp() override {
        options = LoadSettings();
        ClearModel(run.model);
    }
    ZelkRun run{options};
};

}  // namespace

TEST_F(OptionExplicit, FoundInAnyCaseAndSpacing) {
    AddLine(run.model, StatementClass::ModuleDescription,
            {KeywordTok("Attribute", ""), {"VB_Name"}, OperatorTok("="), StringTok("\"M\"")});
    AddLine(run.model, StatementClass::Comment, {CommentTok("' header", "")});
    AddLine(run.model, StatementClass::Blank, {{"", "", TokenClass::NonCode, tokdetail::kBlank}});
    AddLine(run.model, StatementClass::Other,
            {KeywordTok("option", ""), KeywordTok("EXPLICIT", "     "), CommentTok("' why")});
    AddEndRecord(run.model);
    EXPECT_FALSE(fblnOptionExplicit(run, 2));
}

TEST_F(OptionExplicit, MissingWhenOnlyLaterOrHiddenInAnotherStatement) {
    struct Case {
        const char* what;
        std::function<void(SourceModel&)> build;
    } cases[] = {
        {"after a heading",
         [](SourceModel& m) {
             AddLine(m, StatementClass::ProcHeading, {KeywordTok("Sub", ""), {"Main"}});
             AddLine(m, StatementClass::Other, {KeywordTok("Option", ""), KeywordTok("Explicit")});
         }},
        {"in a comment",
         [](SourceModel& m) { AddLine(m, StatementClass::Comment, {CommentTok("' Option Explicit", "")}); }},
        {"a declaration first",
         [](SourceModel& m) {
             AddLine(m, StatementClass::Declaration, {KeywordTok("Dim", ""), {"Option"}, {"Explicit"}}, 0, 203);
         }},
        {"nothing but the end", [](SourceModel&) {}},
    };
    for (const Case& c : cases) {
        ClearModel(run.model);
        c.build(run.model);
        AddEndRecord(run.model);
        EXPECT_TRUE(fblnOptionExplicit(run, 1)) << c.what;
    }
}

TEST_F(OptionExplicit, PassesOverTheFormDescriptionCountingItsLines) {
    AddLine(run.model, StatementClass::Other, {KeywordTok("Begin", ""), {"VB.Form"}, {"Form1"}},
            stmtflag::kFormDescription);
    AddLine(run.model, StatementClass::Other, {{"Caption", "   "}, OperatorTok("="), StringTok("\"Hi\"")},
            stmtflag::kFormDescription);
    AddLine(run.model, StatementClass::Other, {KeywordTok("End", "")}, stmtflag::kFormDescription);
    AddLine(run.model, StatementClass::Other, {KeywordTok("Option", ""), KeywordTok("Explicit")});
    AddEndRecord(run.model);
    EXPECT_FALSE(fblnOptionExplicit(run, 1));
    EXPECT_EQ(run.glPseudoStatement, 3);
}
