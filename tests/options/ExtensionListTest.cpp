#include <gtest/gtest.h>

#include "options/ExtensionList.h"
#include "TestSupport.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

using V = std::vector<std::string>;

ExtensionList Holding(V items) { return ExtensionList{std::move(items), -1, ""}; }

TEST(ExtensionListTest, TypedExtensionIsAddedInUpperCase) {
    ExtensionList project{{"MAK"}, -1, " vbp "};
    const ExtensionEditResult r = AddTypedExtension(project, ExtensionListIndex::Project);
    EXPECT_FALSE(r.Refused);
    EXPECT_EQ(r.Message, "");
    EXPECT_EQ(project.Items, (V{"MAK", "VBP"}));
    EXPECT_EQ(project.Text, "");
    EXPECT_EQ(testsupport::Ui().Beeps, 0);
    EXPECT_EQ(oDebug->StatusCode, 0);

    ExtensionList blank{{"MAK"}, -1, "   "};
    AddTypedExtension(blank, ExtensionListIndex::Project);
    EXPECT_EQ(blank.Items, (V{"MAK"}));
    EXPECT_EQ(testsupport::Ui().Beeps, 0);
}

TEST(ExtensionListTest, DuplicateShowsTheBoxEmptiesTheLineAndAddsNothing) {
    ExtensionList code{{"BAS"}, -1, " bas "};
    const ExtensionEditResult r = AddTypedExtension(code, ExtensionListIndex::Code);
    EXPECT_TRUE(r.Refused);
    EXPECT_EQ(code.Items, (V{"BAS"}));
    EXPECT_EQ(code.Text, "");
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt, " bas  has already been entered. ");
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Duplicate Entry");
    EXPECT_EQ(testsupport::Ui().Messages[0].Buttons, mb::vbOKOnly | mb::vbExclamation);
    EXPECT_EQ(testsupport::Ui().Beeps, 0);
    EXPECT_EQ(oDebug->StatusCode, 4);
}

TEST(ExtensionListTest, EntryRestoredInLowerCaseIsNoDuplicateOfTheTypedOne) {
    ExtensionList code{{"bas"}, -1, "bas"};
    EXPECT_FALSE(AddTypedExtension(code, ExtensionListIndex::Code).Refused);
    EXPECT_EQ(code.Items, (V{"bas", "BAS"}));
}

// Characters no file name may hold are refused outright: the file system is
// not asked, since on Linux it would accept nearly anything.
TEST(ExtensionListTest, ForbiddenCharactersAreRefusedAndTheTextStays) {
    struct Case {
        ExtensionListIndex list;
        const char* typed;
        const char* message;
    };
    const char* invalid = "Invalid File-extension.";
    const char* wild = "Project-file extension may not contain wild-card characters.";
    const Case cases[] = {
        {ExtensionListIndex::Code, "b|s", invalid},      {ExtensionListIndex::Code, "b\"s", invalid},
        {ExtensionListIndex::Code, "b\\s", invalid},     {ExtensionListIndex::Designer, "f/m", invalid},
        {ExtensionListIndex::Designer, "f:m", invalid},  {ExtensionListIndex::ResourceScript, "<rc", invalid},
        {ExtensionListIndex::ResourceScript, "rc>", invalid}, {ExtensionListIndex::Code, "b*s", invalid},
        {ExtensionListIndex::Code, "ba?", invalid},      {ExtensionListIndex::Project, "vb*", wild},
        {ExtensionListIndex::Project, "?bp", wild},      {ExtensionListIndex::Project, "v|p", invalid},
    };
    int beeps = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        oDebug->StatusCode = 0;
        ExtensionList list{{"X"}, -1, c.typed};
        const ExtensionEditResult r = AddTypedExtension(list, c.list);
        EXPECT_TRUE(r.Refused);
        EXPECT_EQ(r.Message, c.message);
        EXPECT_EQ(list.Items, (V{"X"}));
        EXPECT_EQ(list.Text, c.typed);
        EXPECT_EQ(testsupport::Ui().Beeps, ++beeps);
        EXPECT_EQ(oDebug->StatusCode, 4);
    }
    for (const char* fine : {"tar.gz", "b-1", "frm_x"}) {
        SCOPED_TRACE(fine);
        ExtensionList list{{"X"}, -1, fine};
        EXPECT_FALSE(AddTypedExtension(list, ExtensionListIndex::Code).Refused);
        EXPECT_EQ(list.Items.back(), vb::UCase(fine));
    }
}

TEST(ExtensionListTest, RemovalKeepsTheLastEntryAndNeedsASelection) {
    ExtensionList one{{"BAS"}, 0, "x"};
    ExtensionEditResult r = RemoveSelectedExtension(one);
    EXPECT_EQ(r.Message, "You may not remove all File-extensions from the list.");
    EXPECT_EQ(one.Items, (V{"BAS"}));
    EXPECT_EQ(testsupport::Ui().Beeps, 1);

    ExtensionList two{{"BAS", "CLS"}, -1, "x"};
    r = RemoveSelectedExtension(two);
    EXPECT_EQ(r.Message, "");
    EXPECT_EQ(two.Items, (V{"BAS", "CLS"}));
    EXPECT_EQ(two.Text, "x");

    two.Selected = 1;
    RemoveSelectedExtension(two);
    EXPECT_EQ(two.Items, (V{"BAS"}));
    EXPECT_EQ(two.Text, "");
    EXPECT_EQ(testsupport::Ui().Beeps, 1);
}

TEST(ExtensionListTest, DialectsAppendTheirMissingExtensionsOnly) {
    struct Case {
        int dialect;
        V project, designer, code;
    };
    const Case cases[] = {
        {3, {"MAK"}, {"FRM"}, {"BAS"}},
        {4, {"MAK", "VBP"}, {"FRM"}, {"BAS", "CLS"}},
        {5, {"MAK", "VBP", "VBG"}, {"FRM", "CTL", "DOB", "PAG"}, {"BAS", "CLS"}},
        {6, {"MAK", "VBP"}, {"FRM", "DSR"}, {"BAS", "CLS"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialect);
        ExtensionList project = Holding({"MAK"}), designer = Holding({"FRM"}), code = Holding({"BAS"}), rc = Holding({"RC"});
        const std::vector<ExtensionList*> lists = {&project, &designer, &code, &rc};
        EnsureDialectExtensions(lists, c.dialect);
        EnsureDialectExtensions(lists, c.dialect);  // a second click adds nothing
        EXPECT_EQ(project.Items, c.project);
        EXPECT_EQ(designer.Items, c.designer);
        EXPECT_EQ(code.Items, c.code);
        EXPECT_EQ(rc.Items, (V{"RC"}));
    }
    // The search is exact: a lower-case entry does not stand in.
    ExtensionList project = Holding({"vbp"}), designer = Holding({"FRM"}), code = Holding({"CLS"}), rc = Holding({"RC"});
    EnsureDialectExtensions({&project, &designer, &code, &rc}, 4);
    EXPECT_EQ(project.Items, (V{"vbp", "VBP"}));
    EXPECT_EQ(code.Items, (V{"CLS"}));
}

}  // namespace
