// The comment-block editor, headless: definition mode with its defaults,
// Open, Save and the discard question through the scripted services; the
// Spell button; editing mode as the engine drives it, and a template defined
// in the editor that a zelk then inserts after editing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <filesystem>
#include <map>

#include "engine/EngineState.h"
#include "ModalRobot.h"
#include "engine/ProcessFile.h"
#include "../SpellingTestSupport.h"
#include "engine/CommentEditorHost.h"
#include "spelling/CommentTemplates.h"
#include "EngineTestSupport.h"
#include "analysis/KeywordTable.h"
#include "QtTestApp.h"
#include "common/SharedState.h"
#include "spelling/SpellingInstaller.h"
#include "spelling_ui/TemplateWindows.h"
#include "Lend.h"
#include "TestSupport.h"
#include "platform_ui/TextBoxText.h"
#include "common/clsCommonDialog.h"
#include "spelling_ui/frmComments.h"
#include "spelling/modSpell.h"

namespace {

// The options dialog's comment-file fields.
struct FakeFields : ICommentFileFields {
    std::map<int, std::string> Written;
    void SetCommentFile(int index, const std::string& fileName) override { Written[index] = fileName; }
};

FileDialogResult Chosen(const std::string& path) { return {true, {path}, 1}; }

std::string Program(const std::string& name) { return paths::Join(testsupport::ProgramDir(), name); }

void Type(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box, text);
}

class CommentEditor : public ::testing::Test {
protected:
    testsupport::Lend<std::unique_ptr<clsCommonDialog>> dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};
    testsupport::Lend<std::unique_ptr<cSpellCheck>> checker{oSpell, nullptr};  // the editor's spell check makes one
    void SetUp() override { testsupport::EnsureQApplication(); }
    // The form in definition mode as the options dialog opens it, on the
    // screen and set up.
    std::unique_ptr<frmComments> Define(const std::string& caption, const std::string& file = "") {
        auto form = std::make_unique<frmComments>();
        form->lblDefinition[0]->setText(QString::fromStdString(caption));
        form->lblDefinition[1]->setText(QString::fromStdString(file));
        form->CommentFileFields = &fields;
        form->SetUpForShowing();
        form->show();
        QApplication::processEvents();
        return form;
    }
    ScriptedUiServices& ui() { return testsupport::Ui(); }
    FakeFields fields;
};

const std::string kDiscardPrompt = "Comment Block Definition Has Changed\r\n\r\nDo You Want To Discard Changes";

}  // namespace

TEST_F(CommentEditor, DefinitionModeStartsFromTheKindsDefaultBlock) {
    struct Case {
        const char* caption;
        const char* title;
        const char* viewDefault;
    };
    const Case cases[] = {
        {"Module Level ", "Set Comment Block Definitions - Module Comment Block", "&Default Module Comment Block"},
        {"User Defined Procedures", "Set Comment Block Definitions - User Defined Procedure Commen",
         "&Default User Defined Procedure"},
        {"Event Procedures", "Set Comment Block Definitions - Event Procedure Comment Block",
         "&Default Event Procedure Commen"},
        {"Something else", "Set Comment Block Definitions", "Default &Module Comment Definition"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        auto form = Define(c.caption);
        EXPECT_EQ(form->windowTitle().toStdString(), c.title);
        EXPECT_EQ(form->mnuViewDefault->text().toStdString(), c.viewDefault);
        const CommentKind* kind = CommentKindOf(c.caption);
        EXPECT_EQ(form->CommentBlockText(), kind ? DefaultCommentBlock(*kind) : "");
        EXPECT_FALSE(form->mblnChanged);
        EXPECT_FALSE(form->fraInsertion->isVisible());
        EXPECT_TRUE(form->menuBar->isVisible());
        EXPECT_TRUE(form->cmdSave->isEnabled());
        EXPECT_EQ(form->cmdClose->text().toStdString(), "C&lose");
        EXPECT_EQ(form->fraComments->y(), 600 / 15);
        ASSERT_EQ(form->LegendLines().size(), 7u);
        EXPECT_EQ(form->LegendLines()[6], "@Ask       - Insert user comments at this location");
        if (kind && kind->Letter == 'M')
            form->grab().save(QString::fromStdString(testsupport::PicturePath("frmComments-definition.png")));
        // Nothing typed: Close asks nothing and unloads.
        form->cmdClose->click();
        EXPECT_TRUE(form->Unloaded);
        EXPECT_FALSE(form->isVisible());
    }
    EXPECT_TRUE(ui().Messages.empty());
}

TEST_F(CommentEditor, ANamedTemplateShowsItsBytesExactly) {
    // A line end after the last line shows as an empty last line; Windows-1252
    // letters and a non-breaking space come back as the same bytes.
    const std::string text = "'Caf\xE9 @User\r\n'a\xA0" "b\r\n";
    const std::string file = Program("MINE.DEF");
    testsupport::WriteFile(file, text);
    auto form = Define("Module Level ", file);
    EXPECT_EQ(form->txtCommentBlock->blockCount(), 3);
    EXPECT_EQ(form->txtCommentBlock->document()->lastBlock().text(), "");
    EXPECT_EQ(form->CommentBlockText(), text);
    EXPECT_FALSE(form->mblnChanged);
}

TEST_F(CommentEditor, ANamedTemplateThatCannotBeReadGivesAMessageAndTheDefault) {
    const std::string folder = testsupport::MakeDir("NOTAFILE.DEF");
    auto form = Define("Event Procedures", folder);
    ASSERT_EQ(ui().Messages.size(), 1u);
    EXPECT_NE(ui().LastPrompt().find(folder + " cannot be read"), std::string::npos);
    EXPECT_EQ(form->CommentBlockText(), DefaultProcedureBlock());
    EXPECT_FALSE(form->mblnChanged);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(CommentEditor, EnterStartsACommentLineAndTypingIsAChange) {
    auto form = Define("Module Level ");
    form->SetCommentBlockText("'one");
    form->mnuViewDefault->trigger();  // the default again: still no change
    EXPECT_FALSE(form->mblnChanged);
    form->SetCommentBlockText("'one");
    QTextCursor end = form->txtCommentBlock->textCursor();
    end.movePosition(QTextCursor::End);
    form->txtCommentBlock->setTextCursor(end);
    Type(form->txtCommentBlock, "x");
    QTest::keyClick(form->txtCommentBlock, Qt::Key_Return);
    Type(form->txtCommentBlock, "two");
    EXPECT_EQ(form->CommentBlockText(), "'onex\r\n'two");
    EXPECT_TRUE(form->mblnChanged);
}

TEST_F(CommentEditor, LeavingChangesAsksWhetherToDiscardThem) {
    using Leave = std::function<void(frmComments&)>;
    const std::pair<const char*, Leave> ways[] = {
        {"Close", [](frmComments& f) { f.cmdClose->click(); }},
        {"Cancel", [](frmComments& f) { f.cmdCancel->click(); }},
        {"Exit", [](frmComments& f) { f.mnuFileExit->trigger(); }},
        {"close box", [](frmComments& f) { f.close(); }},
        {"Escape", [](frmComments& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
    };
    for (const auto& [what, leave] : ways) {
        SCOPED_TRACE(what);
        ui().Messages.clear();
        auto form = Define("Module Level ");
        Type(form->txtCommentBlock, "z");
        // No keeps the form and what was typed.
        ui().MsgBoxAnswers = {mb::vbNo, mb::vbYes};
        ui().NextAnswer = 0;
        leave(*form);
        ASSERT_EQ(ui().Messages.size(), 1u);
        EXPECT_EQ(ui().Messages[0].Prompt, kDiscardPrompt);
        EXPECT_EQ(ui().Messages[0].Title, "Discard Changes");
        EXPECT_EQ(ui().Messages[0].Buttons, mb::vbYesNo | mb::vbQuestion);
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->Unloaded);
        EXPECT_EQ(form->CommentBlockText().front(), 'z');
        // Yes closes.
        leave(*form);
        EXPECT_TRUE(form->Unloaded);
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_F(CommentEditor, OpenReadsTheChosenTemplate) {
    const std::string file = Program("OTHER.DEF");
    testsupport::WriteFile(file, "'other\r\n'block");
    auto form = Define("User Defined Procedures");
    Type(form->txtCommentBlock, "q");

    // Cancelled: nothing changes.
    ui().FileDialogAnswers = {FileDialogResult{}, Chosen(file)};
    form->cmdCommentDir->click();
    EXPECT_TRUE(form->mblnChanged);
    EXPECT_EQ(form->lblDefinition[1]->text(), "");

    form->mnuFileOpen->trigger();
    ASSERT_EQ(ui().FileDialogRequests.size(), 2u);
    const FileDialogRequest& request = ui().FileDialogRequests[1];
    EXPECT_FALSE(request.Save);
    EXPECT_EQ(request.Title, "Designate Comment Defintion File");
    EXPECT_EQ(request.Filter, "Definition File (*.DEF)|*.DEF|All Files (*.*)|*.*");
    // An empty field proposes the kind's default file in the program's folder.
    EXPECT_EQ(request.FileName, Program("CMTUDP.DEF"));
    EXPECT_EQ(request.InitDir, testsupport::ProgramDir());
    EXPECT_TRUE(request.FileMustExist);
    EXPECT_FALSE(request.MultiSelect);

    EXPECT_EQ(form->lblDefinition[1]->text().toStdString(), file);
    EXPECT_EQ(form->CommentBlockText(), "'other\r\n'block");
    EXPECT_FALSE(form->mblnChanged);
    EXPECT_TRUE(ui().Messages.empty());
}

TEST_F(CommentEditor, SaveWritesTheBlockExactlyNamesItInTheOptionsAndCloses) {
    auto form = Define("Event Procedures");
    const std::string block = form->CommentBlockText() + "\r\n'more";
    form->SetCommentBlockText(block);
    const std::string file = Program("EVENTS.DEF");

    // Cancelled: no file, no name in the options, the editor stays.
    ui().FileDialogAnswers = {FileDialogResult{}, Chosen(file)};
    form->cmdSave->click();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(fields.Written.empty());
    EXPECT_FALSE(form->Unloaded);

    form->mnuFileSave->trigger();
    const FileDialogRequest& request = ui().FileDialogRequests.back();
    EXPECT_TRUE(request.Save);
    EXPECT_EQ(request.Title, "Save Comment Defintion File");
    EXPECT_EQ(request.FileName, Program("CMTEVT.DEF"));
    EXPECT_FALSE(request.FileMustExist);
    // No line end after the last line.
    EXPECT_EQ(testsupport::ReadFile(file), block);
    EXPECT_EQ(fields.Written, (std::map<int, std::string>{{2, file}}));
    EXPECT_TRUE(form->Unloaded);
    EXPECT_TRUE(ui().Messages.empty());  // saved: no discard question

    // Opened again, the same text.
    auto again = Define("Event Procedures", file);
    EXPECT_EQ(again->CommentBlockText(), block);
}

TEST_F(CommentEditor, ASaveThatFailsIsReportedAndTheEditorStaysOpen) {
    auto form = Define("Module Level ");
    Type(form->txtCommentBlock, "typed");
    const std::string folder = testsupport::MakeDir("ISADIR.DEF");
    ui().FileDialogAnswers = {Chosen(folder)};
    form->cmdSave->click();
    ASSERT_EQ(ui().Messages.size(), 1u);
    EXPECT_NE(ui().LastPrompt().find("cannot be saved in " + folder), std::string::npos);
    EXPECT_TRUE(fields.Written.empty());
    EXPECT_FALSE(form->Unloaded);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->mblnChanged);
    EXPECT_EQ(form->CommentBlockText().substr(0, 5), "typed");
}

TEST_F(CommentEditor, SpellCheckTakesTheCorrectionAndCountsItAsAChange) {
    spelltest::WriteDictionary({"receive", "the", "data"});
    ScriptedWordNotFound question;
    sbSpellSetUp(&question, spelltest::SettingsFrom(""));
    auto form = Define("Module Level ");
    form->SetCommentBlockText("'receive the data\r\n'recieve");

    question.Answers = {{sc::kIgnore, "", "", ""}};
    form->cmdSpell->click();
    EXPECT_EQ(form->CommentBlockText(), "'receive the data\r\n'recieve");
    EXPECT_FALSE(form->mblnChanged);

    question.Answers = {{sc::kReplace, "receive", "", ""}};
    form->cmdSpell->click();
    ASSERT_EQ(question.Questions.size(), 2u);
    EXPECT_EQ(question.Questions[1].Word, "recieve");
    EXPECT_EQ(form->CommentBlockText(), "'receive the data\r\n'receive");
    EXPECT_TRUE(form->mblnChanged);
    ASSERT_EQ(ui().Messages.size(), 2u);
    EXPECT_EQ(ui().Messages[1].Prompt, "The spell checking is complete.");
    EXPECT_EQ(ui().Messages[1].Buttons & mb::kIconMask, mb::vbInformation);
    EXPECT_EQ(ui().Pointer, pointer::vbDefault);
}

TEST_F(CommentEditor, HelpAndF1OpenTheHelpFile) {
    testsupport::Lend help{gsHelpFile, Program("zelker.hlp")};
    auto form = Define("Module Level ");
    form->cmdHelp->click();
    QTest::keyClick(form.get(), Qt::Key_F1);
    ASSERT_EQ(ui().Messages.size(), 2u);  // no help file is installed
    EXPECT_NE(ui().LastPrompt().find("No help file"), std::string::npos);
    testsupport::WriteFile(gsHelpFile, "help");
    form->cmdHelp->click();
    EXPECT_EQ(ui().OpenedUrls, std::vector<std::string>{"file://" + gsHelpFile});
}

// Editing mode, as the engine holds the form: OK, Skip and the close box,
// and the insertion view that only shows.
TEST_F(CommentEditor, EditingModeAsTheEngineDrivesIt) {
    QtCommentEditor editor;
    editor.Load();
    testsupport::Lend editing{gblnCommentEdit, true};
    const std::string caption =
        "Inserting Comment Block For Go in file Mod.bas After  the indicated statement";
    const std::string context = "     Option Explicit\r\n>> Sub Go()\r\n     End Sub\r\n";

    ModalRobot robot;
    robot.Then(ModalRobot::Picture("frmComments-editing.png", [&](QWidget* w) {
        auto* form = static_cast<frmComments*>(w);
        EXPECT_EQ(form->windowTitle().toStdString(), "Editing Comment B");
        EXPECT_FALSE(form->cmdSave->isEnabled());
        EXPECT_FALSE(form->cmdCommentDir->isEnabled());
        EXPECT_EQ(form->cmdCancel->text().toStdString(), "S&kip");
        EXPECT_EQ(form->cmdClose->text().toStdString(), "&OK");
        EXPECT_FALSE(form->menuBar->isVisible());
        EXPECT_TRUE(form->fraInsertion->isVisible());
        EXPECT_EQ(form->fraInsertion->title().toStdString(), caption);
        EXPECT_EQ(form->fraComments->y(), (1815 + 120) / 15);
        EXPECT_EQ(form->LegendLines().size(), 5u);
        EXPECT_EQ(form->LegendLines()[3], "    Enter key will give you a new comment line");

        // The insertion view: typing, Delete and paste change nothing;
        // Shift with the arrows selects and Ctrl+C copies.
        QPlainTextEdit* view = form->txtInsertion;
        testsupport::Ui().Clipboard = "pasted";
        view->setFocus();
        QTest::keyClicks(view, "abc");
        QTest::keyClick(view, Qt::Key_Delete);
        QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(BoxText(view), context);
        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Down);
        for (int i = 0; i < 11; ++i) QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(testsupport::Ui().Clipboard, ">> Sub Go()");

        form->txtCommentBlock->setFocus();
        QTest::keyClicks(form->txtCommentBlock, "edited ");
        form->cmdClose->click();
    }));
    gblnCommentSkip = true;
    EXPECT_EQ(editor.Edit("'block", caption, context), "edited 'block");
    EXPECT_FALSE(gblnCommentSkip);

    robot.Then([](QWidget* w) { static_cast<frmComments*>(w)->cmdCancel->click(); });
    editor.Edit("'second", caption, context);
    EXPECT_TRUE(gblnCommentSkip);

    // The close box is Skip, and typed changes are never questioned here.
    robot.Then([](QWidget* w) {
        auto* form = static_cast<frmComments*>(w);
        QTest::keyClicks(form->txtCommentBlock, "x");
        form->close();
    });
    gblnCommentSkip = false;
    editor.Edit("'third", caption, context);
    EXPECT_TRUE(gblnCommentSkip);
    EXPECT_EQ(robot.Pending(), 0u);
    EXPECT_TRUE(ui().Messages.empty());
    EXPECT_NE(editor.Form(), nullptr);
    editor.Unload();
    EXPECT_EQ(editor.Form(), nullptr);
}

// The whole road: the options dialog's caller defines a module template
// through the editor, and a zelk shows the expanded block for editing and
// inserts it as edited.
TEST_F(CommentEditor, ADefinedTemplateIsEditedAndInsertedWhileZelking) {
    QtTemplateEditors editors;
    const std::string file = Program("MODBLOCK.DEF");
    ui().FileDialogAnswers = {Chosen(file)};
    ModalRobot robot;
    robot.Then([](QWidget* w) {
        auto* form = static_cast<frmComments*>(w);
        form->SetCommentBlockText("'@Module block\r\n'Note: @Ask");
        form->cmdSave->click();
    });
    editors.DefineCommentBlock("Module Level ", "", fields);
    EXPECT_EQ(fields.Written, (std::map<int, std::string>{{0, file}}));
    EXPECT_EQ(testsupport::ReadFile(file), "'@Module block\r\n'Note: @Ask");

    const ZelkOptions options =
        spelltest::SettingsFrom("[Comment Blocks]\r\nModule=Yes\r\nModuleFile=" + file + "\r\nAutoInsert=No\r\n");
    BabReset();
    BabInit();
    QtCommentEditor editor;
    testsupport::Lend installed{goCommentEditor, &editor};
    robot.Then([](QWidget* w) {
        auto* form = static_cast<frmComments*>(w);
        EXPECT_EQ(form->windowTitle().toStdString(), "Editing Comment B");
        EXPECT_EQ(form->CommentBlockText(), "'Mod.bas block\r\n'Note: >>");
        QTextCursor end = form->txtCommentBlock->textCursor();
        end.movePosition(QTextCursor::End);
        form->txtCommentBlock->setTextCursor(end);
        form->txtCommentBlock->setFocus();
        QTest::keyClicks(form->txtCommentBlock, " checked");
        form->cmdClose->click();
    });
    const std::string source = paths::Join(testsupport::MakeDir("src"), "Mod.bas");
    testsupport::WriteFile(source, "Option Explicit\r\nPublic Sub Go()\r\nEnd Sub\r\n");
    enginetest::OpenSession(source);
    sbProcessFile(1, options);
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(robot.Pending(), 0u);
    const std::string out = testsupport::ReadFile(gsTempOutFile[1]);
    EXPECT_NE(out.find("'Mod.bas block\r\n'Note: >> checked\r\n"), std::string::npos) << out;
    EXPECT_EQ(editor.Form(), nullptr);  // unloaded at the end of the file
    EXPECT_FALSE(gblnCommentEdit);
}
