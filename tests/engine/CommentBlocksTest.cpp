#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "settings/ProgramOptions.h"
#include "platform/Clock.h"
#include "engine/CommentBlocks.h"
#include "engine/CommentEditorHost.h"
#include "engine/EngineState.h"
#include "EngineTestSupport.h"
#include "Lend.h"
#include "ServiceScopes.h"
#include "engine/ZelkRun.h"

using namespace arrangetest;

namespace {

// An editor that answers as scripted and records what it was shown.
struct FakeEditor : ICommentEditor {
    int Loads = 0, Unloads = 0, Edits = 0;
    std::string Shown, Caption, Context;
    std::string Answer;  // the edited text; empty: keep the block
    bool Skip = false;
    void Load() override { ++Loads; }
    void Unload() override { ++Unloads; }
    std::string Edit(const std::string& block, const std::string& caption, const std::string& context) override {
        ++Edits;
        Shown = block;
        Caption = caption;
        Context = context;
        gblnCommentSkip = Skip;
        return Answer.empty() ? block : Answer;
    }
};

class CommentBlocksTest : public ArrangeTest {
protected:
    void SetUp() override {
        ArrangeTest::SetUp();
        options = enginetest::LoadSettings();
        sbStartCommentBlockRun();
    }
    void TearDown() override { CloseEditor(); }
    void CloseEditor() {
        long none = 0;
        int replaced = 0;
        sbCommentBlockInsert(run, none, "", true, replaced);
    }
    std::string Template(const std::string& name, const std::string& text) {
        std::string path = paths::Join(testsupport::ProgramDir(), name);
        testsupport::WriteFile(path, text);
        return path;
    }
    // Inserts a block of the kind before the statement on the given line and
    // returns the lines written.
    std::vector<std::string> Insert(long line, const std::string& kind) {
        enginetest::RunFiles files(run);
        long stmt = StatementOfLine(line);
        int replaced = -1;
        sbCommentBlockInsert(run, stmt, kind, false, replaced);
        EXPECT_EQ(replaced, 0);
        return files.Output();
    }
    // The statements of the lines an insertion took out of the source.
    std::vector<long> RemovedLines(long count) const {
        std::vector<long> removed;
        for (long line = 1; line <= count; ++line)
            if (model.yStatement[static_cast<size_t>(StatementOfLine(line))].FirstToken == 0) removed.push_back(line);
        return removed;
    }
    FakeEditor editor;
    testsupport::Lend<ICommentEditor*> installed{goCommentEditor, &editor};
};

TEST_F(CommentBlocksTest, EventProceduresHaveOneUnderscore) {
    EXPECT_EQ(CommentBlockProcType("Form_Load"), "E");
    EXPECT_EQ(CommentBlockProcType("cmdOK_Click"), "E");
    EXPECT_EQ(CommentBlockProcType("Calc"), "U");
    EXPECT_EQ(CommentBlockProcType("Get_Next_Item"), "U");
    EXPECT_EQ(CommentBlockProcType("Value [PropertyGet]"), "U");
}

TEST_F(CommentBlocksTest, PlaceholdersAreReplacedWithoutRegardToCase) {
    FakeClock clock;
    clock.Current = {2026, 3, 7, 14, 5, 9};
    testsupport::ClockScope fixed{clock};
    oAppInfo->User("Ann");
    oAppInfo->Company("Zembrock");
    run.fileName = "Shop.bas";
    run.gsCurrentProc = "Total";
    std::string text = "' @user/@COMPANY @Module @procedure @Date @Ask";
    bool ask = false;
    sbParseCommentLine(run, text, ask);
    EXPECT_EQ(text, "' Ann/Zembrock Shop.bas Total 3/7/2026 >>");
    EXPECT_TRUE(ask);
    // Only "@Ask" spelt so raises the flag; the marker is replaced anyway.
    text = "' @ASK";
    sbParseCommentLine(run, text, ask);
    EXPECT_EQ(text, "' >>");
    EXPECT_FALSE(ask);
}

TEST_F(CommentBlocksTest, ContextLinesKeepTheirPlacesAtTheStartOfTheFile) {
    ParseLines({"' one", "", "' three", "x = 1", "' five"});
    std::vector<std::string> lines;
    sbGet5Lines(model, 1, -2, 5, lines, false);
    EXPECT_EQ(lines, (std::vector<std::string>{"", "", "' one", "", "' three"}));
    sbGet5Lines(model, 1, 0, 10, lines, true);
    EXPECT_EQ(lines, (std::vector<std::string>{"", "' one", "", "' three"}));
    sbGet5Lines(model, StatementOfLine(4), 0, 2, lines, false);
    EXPECT_EQ(lines, (std::vector<std::string>{"x = 1", "' five"}));
}

TEST_F(CommentBlocksTest, WithAutoInsertOffTheUserEditsOrSkipsEachBlock) {
    options.gsCmtUDPFile = Template("udp.def", "' @Procedure\r\n' by @User\r\n");
    options.gblnCmtAutoInsert = false;
    options.giCmtWhere = CommentBlockPlace::AfterProcStart;
    ParseLines({"Sub Calc()", "    x = 1", "End Sub"});
    run.fileName = "Module1.bas";
    run.gsCurrentProc = "Calc";
    editor.Answer = "' edited";
    EXPECT_EQ(Insert(2, "U"), std::vector<std::string>{"' edited"});
    EXPECT_EQ(editor.Loads, 1);
    EXPECT_TRUE(gblnCommentEdit);
    EXPECT_EQ(editor.Shown, "' Calc\r\n' by \r\n");
    EXPECT_EQ(editor.Caption, "Inserting Comment Block For Calc in file Module1.bas After  the indicated statement");
    EXPECT_EQ(editor.Context, "     \r\n     Sub Calc()\r\n>>     x = 1\r\n     End Sub\r\n");
    EXPECT_EQ(testsupport::Ui().Pointer, pointer::vbDefault);

    editor.Skip = true;
    EXPECT_TRUE(Insert(2, "U").empty());
    EXPECT_EQ(editor.Edits, 2);
    EXPECT_EQ(editor.Loads, 1);  // loaded once per file
    CloseEditor();
    EXPECT_EQ(editor.Unloads, 1);
    EXPECT_FALSE(gblnCommentEdit);
}

TEST_F(CommentBlocksTest, WithAutoInsertOnAnAskBlockIsInsertedUnseen) {
    options.gsCmtUDPFile = Template("udp.def", "' @Ask purpose\r\n");
    options.giCmtWhere = CommentBlockPlace::AfterProcStart;
    ParseLines({"Sub Calc()", "    x = 1", "End Sub"});
    // An earlier Skip does not drop a block the user never saw.
    gblnCommentSkip = true;
    EXPECT_EQ(Insert(2, "U"), std::vector<std::string>{"' >> purpose"});
    EXPECT_EQ(editor.Edits, 0);
}

TEST_F(CommentBlocksTest, AnOldCopyIsFoundWhateverTheTemplatesLength) {
    options.gblnCmtOverwrite = true;
    run.gsCurrentProc = "<Declarations>";
    // Twelve lines: longer than the ten an old copy was once looked for in.
    std::vector<std::string> block = {"'<<<<"};
    for (int i = 1; i <= 10; ++i) block.push_back("' line " + std::to_string(i));
    block.push_back("'>>>>");
    std::string text;
    for (const std::string& line : block) text += line + "\r\n";
    options.gsCmtModuleFile = Template("mod.def", text);
    std::vector<std::string> source = {"' a note"};
    source.insert(source.end(), block.begin(), block.end());
    source.push_back("Option Explicit");
    ParseLines(source);
    std::vector<std::string> expected = {"' a note", text.substr(0, text.size() - 2)};
    EXPECT_EQ(Insert(1, "M"), textfile::SplitLines(vb::Join(expected, "\r\n")));
    std::vector<long> removed;
    for (long line = 1; line <= 13; ++line) removed.push_back(line);
    EXPECT_EQ(RemovedLines(14), removed);  // the note (written ahead) and the old copy
}

TEST_F(CommentBlocksTest, ATemplateOfOneLineReplacesThatLineOnly) {
    options.gblnCmtOverwrite = true;
    options.giCmtWhere = CommentBlockPlace::AfterProcStart;
    options.gsCmtUDPFile = Template("udp.def", "\r\n'==== procedure ====\r\n\r\n");
    ParseLines({"Sub Calc()", "'==== procedure ====", "", "    x = 1", "End Sub"});
    EXPECT_EQ(Insert(2, "U"), std::vector<std::string>{"'==== procedure ===="});
    EXPECT_EQ(RemovedLines(5), std::vector<long>{2});
}

TEST_F(CommentBlocksTest, ACopyWithoutItsLastLineIsNotReplaced) {
    options.gblnCmtOverwrite = true;
    options.giCmtWhere = CommentBlockPlace::AfterProcStart;
    options.gsCmtUDPFile = Template("udp.def", "'<<<<\r\n' about\r\n'>>>>\r\n");
    ParseLines({"Sub Calc()", "' first", "'<<<<", "' about", "    x = 1", "End Sub"});
    EXPECT_EQ(Insert(2, "U"), (std::vector<std::string>{"'<<<<", "' about", "'>>>>"}));
    EXPECT_TRUE(RemovedLines(6).empty());
}

TEST_F(CommentBlocksTest, AnUnreadableTemplateIsLoggedInEachFileShownOnceARunAndInsertsNothing) {
    options.gsCmtModuleFile = paths::Join(testsupport::ProgramDir(), "missing.def");
    options.gsCmtUDPFile = options.gsCmtModuleFile;
    ParseLines({"Option Explicit", "Sub A()", "End Sub", "Sub B()", "End Sub"});
    run.gsCurrentProc = "<Declarations>";
    enginetest::RunFiles files(run);
    int replaced = 0;
    for (long line : {1, 2, 4}) {
        long stmt = StatementOfLine(line);
        sbCommentBlockInsert(run, stmt, line == 1 ? "M" : "U", false, replaced);
    }
    EXPECT_TRUE(files.Output().empty());
    // The log says that no block went in, and claims no module block.
    EXPECT_EQ(files.Log(), std::vector<std::string>{"WARNING:  No comment block inserted from " + options.gsCmtModuleFile +
                                                    ": File not found"});
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Comment Block File Error");
    EXPECT_EQ(testsupport::Ui().Messages[0].Buttons, mb::vbExclamation);
    EXPECT_NE(testsupport::Ui().LastPrompt().find("Error with the comment block file: "), std::string::npos);
    EXPECT_NE(testsupport::Ui().LastPrompt().find("\r\nFile: " + options.gsCmtModuleFile), std::string::npos);

    // The next file of the run logs it again, without a second message.
    CloseEditor();
    enginetest::RunFiles next(run);
    long stmt = StatementOfLine(2);
    sbCommentBlockInsert(run, stmt, "U", false, replaced);
    EXPECT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(next.Log().size(), 1u);

    // A new run shows it again.
    CloseEditor();
    sbStartCommentBlockRun();
    enginetest::RunFiles again(run);
    stmt = StatementOfLine(2);
    sbCommentBlockInsert(run, stmt, "U", false, replaced);
    EXPECT_EQ(testsupport::Ui().Messages.size(), 2u);
    EXPECT_EQ(again.Log().size(), 1u);
}

TEST_F(CommentBlocksTest, ACopyIsKnownByItsFilledInPlaceholdersAndKeptWithoutOverwrite) {
    FakeClock clock;
    clock.Current = {2026, 3, 7, 14, 5, 9};
    testsupport::ClockScope fixed{clock};
    options.giCmtWhere = CommentBlockPlace::AfterProcStart;
    run.gsCurrentProc = "Calc";
    run.fileName = "Module1.bas";
    options.gsCmtUDPFile = Template("udp.def", "' @Procedure in @Module\r\n' on @Date: @Ask\r\n");
    // Written on another day, with an answer where @Ask stood.
    const std::vector<std::string> source = {"Sub Calc()", "' Calc in Module1.bas", "' on 1/2/2025: >> sums",
                                             "    x = 1", "End Sub"};
    ParseLines(source);
    EXPECT_TRUE(Insert(2, "U").empty());
    EXPECT_TRUE(RemovedLines(5).empty());

    options.gblnCmtOverwrite = true;
    EXPECT_EQ(Insert(2, "U"), (std::vector<std::string>{"' Calc in Module1.bas", "' on 3/7/2026: >>"}));
    EXPECT_EQ(RemovedLines(5), (std::vector<long>{2, 3}));

    // Another procedure's block is not this one's.
    ParseLines({"Sub Calc()", "' Other in Module1.bas", "' on 1/2/2025: >> sums", "    x = 1", "End Sub"});
    EXPECT_EQ(Insert(2, "U"), (std::vector<std::string>{"' Calc in Module1.bas", "' on 3/7/2026: >>"}));
    EXPECT_TRUE(RemovedLines(5).empty());
}

}  // namespace
