#include <gtest/gtest.h>

#include "engine/EngineState.h"
#include "EngineTestSupport.h"
#include "engine/OptionExplicit.h"

using namespace enginetest;

namespace {

const Tok kw(const std::string& piece, const std::string& blanks = " ") { return {piece, blanks, 0, 0}; }

struct OptionExplicit : ::testing::Test {
    void SetUp() override {
        LoadSettings();
        ClearModel();
        glPseudoStatement = 0;
    }
};

}  // namespace

TEST_F(OptionExplicit, FoundInAnyCaseAndSpacing) {
    AddLine(6, {kw("Attribute", ""), {"VB_Name"}, {"=", " ", 4, 6}, {"\"M\"", " ", 3, 3}});
    AddLine(1, {{"' header", "", 5, 1}});
    AddLine(3, {{"", "", 5, 3}});
    AddLine(0, {kw("option", ""), kw("EXPLICIT", "     "), {"' why", " ", 5, 1}});
    AddEndRecord();
    EXPECT_FALSE(fblnOptionExplicit(2));
}

TEST_F(OptionExplicit, MissingWhenOnlyLaterOrHiddenInAnotherStatement) {
    struct Case {
        const char* what;
        std::function<void()> build;
    } cases[] = {
        {"after a heading",
         [] {
             AddLine(5, {kw("Sub", ""), {"Main"}});
             AddLine(0, {kw("Option", ""), kw("Explicit")});
         }},
        {"in a comment", [] { AddLine(1, {{"' Option Explicit", "", 5, 1}}); }},
        {"a declaration first", [] { AddLine(2, {kw("Dim", ""), {"Option"}, {"Explicit"}}, 0, 203); }},
        {"nothing but the end", [] {}},
    };
    for (const Case& c : cases) {
        ClearModel();
        c.build();
        AddEndRecord();
        EXPECT_TRUE(fblnOptionExplicit(1)) << c.what;
    }
}

TEST_F(OptionExplicit, PassesOverTheFormDescriptionCountingItsLines) {
    AddLine(0, {kw("Begin", ""), {"VB.Form"}, {"Form1"}}, stmtflag::kFormDescription);
    AddLine(0, {{"Caption", "   "}, {"=", " ", 4, 6}, {"\"Hi\"", " ", 3, 3}}, stmtflag::kFormDescription);
    AddLine(0, {kw("End", "")}, stmtflag::kFormDescription);
    AddLine(0, {kw("Option", ""), kw("Explicit")});
    AddEndRecord();
    EXPECT_FALSE(fblnOptionExplicit(1));
    EXPECT_EQ(glPseudoStatement, 3);
}
