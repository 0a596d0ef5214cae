// The file and folder pickers of the options dialog against the scripted
// file dialog and a fake of the template editors.
#include <filesystem>

#include "options/OptionPickers.h"
#include "OptionsFixture.h"
#include "options/OptionsMapping.h"
#include "platform/Paths.h"
#include "spelling/TemplateEditors.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

// Answers the editors as a user would; records what they were opened on.
struct FakeEditors : ITemplateEditors {
    struct Opened {
        std::string Text;
        long Kind;
        std::string File;
    };
    std::vector<Opened> codeCalls;
    std::vector<std::pair<std::string, std::string>> blockCalls;  // caption, file
    CodeTemplateAnswer answer;
    std::string savedBlock;  // the name a comment-block Save hands back, if any

    void DefineCommentBlock(const std::string& caption, const std::string& file, ICommentFileFields& fields) override {
        blockCalls.emplace_back(caption, file);
        if (!savedBlock.empty()) fields.SetCommentFile(CommentFileIndex(caption.at(0)), savedBlock);
    }
    CodeTemplateAnswer EditCodeTemplate(const std::string& text, long kind, const std::string& file) override {
        codeCalls.push_back({text, kind, file});
        return answer;
    }
};

class OptionPickers : public OptionsFixture {
protected:
    void SetUp() override {
        OptionsFixture::SetUp();
        c = Restored();
        dir = testsupport::MakeDir("pickers");
    }
    // The next file dialog answers with a file, or is cancelled (empty).
    void Answer(const std::string& file) {
        FileDialogResult r;
        r.Accepted = !file.empty();
        if (!file.empty()) r.Files = {file};
        testsupport::Ui().FileDialogAnswers.push_back(r);
    }
    const FileDialogRequest& LastRequest() { return testsupport::Ui().FileDialogRequests.back(); }
    std::string In(const std::string& name) { return paths::Join(dir, name); }

    OptionControls c;
    FakeEditors editors;
    testsupport::Lend<ITemplateEditors*> installed{goTemplateEditors, &editors};
    std::string dir;
};

TEST_F(OptionPickers, BackupFolderIsTheFolderOfAFileNamedBackupBak) {
    struct Case {
        const char* chosen;  // empty: cancelled
        const char* shown;
    };
    const Case cases[] = {
        {"/srv/Backups/Backup.BAK", "/srv/Backups/"},
        {"/Backup.bak", "/"},
        {"/srv/Backups/Other.BAK", "/keep/"},
        // Only the whole name counts: a longer name ending so is no choice.
        {"/srv/Backups/MyBackup.bak", "/keep/"},
        {"", "/keep/"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.chosen);
        c.SetText("txtBackupDir", "/keep/");
        gblnOptionsChanged = false;
        Answer(k.chosen);
        cmdBackupTo_Click(c);
        EXPECT_EQ(c["txtBackupDir"].Text, k.shown);
        EXPECT_TRUE(gblnOptionsChanged);
        EXPECT_TRUE(LastRequest().Save);
        EXPECT_EQ(LastRequest().FileName, "Backup.BAK");
        EXPECT_EQ(LastRequest().Title, "Designate Backup Directory");
    }
}

TEST_F(OptionPickers, DefaultLocationIsTheChosenFilesFolder) {
    c.SetText("txtDefaultFileLoc", "/keep");
    Answer("");
    cmdDefaultFileLoc_Click(c);
    EXPECT_EQ(c["txtDefaultFileLoc"].Text, "/keep");
    EXPECT_FALSE(LastRequest().Save);
    Answer("/work/Projects/App.vbp");
    cmdDefaultFileLoc_Click(c);
    EXPECT_EQ(c["txtDefaultFileLoc"].Text, "/work/Projects");
    Answer("/App.vbp");
    cmdDefaultFileLoc_Click(c);
    EXPECT_EQ(c["txtDefaultFileLoc"].Text, "/");
}

TEST_F(OptionPickers, BrowsersProposeTheFieldsFileAndAnEmptyAnswerChangesNothing) {
    c.SetText("txtErrHandler_1", "");
    Answer("");
    cmdErrFind_Click(c, 1);
    EXPECT_EQ(LastRequest().FileName, "");
    EXPECT_EQ(LastRequest().Title, "Select Definition File File");
    EXPECT_EQ(c["txtErrHandler_1"].Text, "");
    Answer(In("Trap.DEF"));
    cmdErrFind_Click(c, 1);
    EXPECT_EQ(c["txtErrHandler_1"].Text, In("Trap.DEF"));

    c.SetText("txtQPSave", In("old.KEM"));
    Answer(In("new.KEM"));
    cmdFindQPFile_Click(c);
    EXPECT_EQ(LastRequest().FileName, In("old.KEM"));
    EXPECT_EQ(c["txtQPSave"].Text, In("new.KEM"));
    EXPECT_EQ(oCommonDialog->MaxFileSize, 2048);
}

TEST_F(OptionPickers, AnEmptyCustomDictionaryGetsTheHeaderAndNoOtherFileIsWritten) {
    const std::string empty = In("EMPTY.DIC"), full = In("FULL.DIC"), missing = In("NONE.DIC");
    testsupport::WriteFile(empty, "");
    testsupport::WriteFile(full, "Zembrock Custom Dictionary\r\nzelk\r\n");
    Answer(empty);
    cmdSpellDictionary_Click(c, 0);
    EXPECT_EQ(c["txtDictionary_0"].Text, empty);
    EXPECT_EQ(testsupport::ReadFile(empty), "Zembrock Custom Dictionary\r\n");
    EXPECT_EQ(LastRequest().InitDir, testsupport::ProgramDir());
    EXPECT_TRUE(LastRequest().FileMustExist);

    Answer(full);
    cmdSpellDictionary_Click(c, 0);
    EXPECT_EQ(testsupport::ReadFile(full), "Zembrock Custom Dictionary\r\nzelk\r\n");
    Answer(missing);
    cmdSpellDictionary_Click(c, 0);
    EXPECT_FALSE(fs::exists(missing));

    // A cancel keeps the named file, which is still given its header when empty.
    testsupport::WriteFile(full, "");
    c.SetText("txtDictionary_0", full);
    gblnOptionsChanged = false;
    Answer("");
    cmdSpellDictionary_Click(c, 0);
    EXPECT_EQ(testsupport::ReadFile(full), "Zembrock Custom Dictionary\r\n");
    EXPECT_TRUE(gblnOptionsChanged);

    // The main dictionary picker never writes.
    const std::string main = In("MAIN.DAT");
    testsupport::WriteFile(main, "");
    Answer(main);
    cmdSpellDictionary_Click(c, 1);
    EXPECT_EQ(c["txtDictionary_1"].Text, main);
    EXPECT_EQ(testsupport::ReadFile(main), "");
}

TEST_F(OptionPickers, CommentBlockEditorOpensOnTheFieldsTemplateAndItsSaveFillsTheField) {
    c.SetText("txtCommentFile_1", In("gone.DEF"));
    gblnOptionsChanged = false;
    cmdCommentBlock_Click(c, 1);
    EXPECT_EQ(testsupport::Ui().LastPrompt(), "File " + In("gone.DEF") + " Does not exist!");
    EXPECT_EQ(c["txtCommentFile_1"].Text, "");
    EXPECT_TRUE(editors.blockCalls.empty());
    EXPECT_TRUE(gblnOptionsChanged);

    c.SetText("txtCommentFile_0", "");
    editors.savedBlock = In("module.DEF");
    cmdCommentBlock_Click(c, 0);
    ASSERT_EQ(editors.blockCalls.size(), 1u);
    EXPECT_EQ(editors.blockCalls[0], std::make_pair(std::string("Module Level "), std::string()));
    EXPECT_EQ(c["txtCommentFile_0"].Text, In("module.DEF"));
}

TEST_F(OptionPickers, CodeTemplateEditorOpensOnTheFileOrTheDefaultTemplate) {
    const std::string traceIn = paths::Join(testsupport::ProgramDir(), "TraceIn.DEF");
    c.SetText("txtErrHandler_2", "");
    cmdERHandler_Click(c, 2, options);  // no such file: the kind's default template
    ASSERT_EQ(editors.codeCalls.size(), 1u);
    EXPECT_EQ(editors.codeCalls[0].File, traceIn);
    EXPECT_EQ(editors.codeCalls[0].Kind, 3);
    EXPECT_EQ(editors.codeCalls[0].Text, "");

    testsupport::WriteFile(traceIn, "");  // an existing file, even empty, is its own text
    cmdERHandler_Click(c, 2, options);
    EXPECT_EQ(editors.codeCalls[1].Kind, 0);
    EXPECT_EQ(testsupport::ReadFile(traceIn), "");  // the editor was cancelled
}

TEST_F(OptionPickers, ConfirmedTemplateIsSavedAtOnceWithOneLineEndAndCancelWritesNothing) {
    const std::string file = In("Trap.DEF");
    testsupport::WriteFile(file, "On Error GoTo @Sub_Err\r\n");
    c.SetText("txtErrHandler_0", file);

    editors.answer = {true, file, "changed"};  // cancelled
    gblnOptionsChanged = false;
    const std::string before = options.gsErrSet;
    cmdERHandler_Click(c, 0, options);
    EXPECT_EQ(testsupport::ReadFile(file), "On Error GoTo @Sub_Err\r\n");
    EXPECT_EQ(options.gsErrSet, before);
    EXPECT_TRUE(gblnOptionsChanged);

    // Confirming the text as read, twice, leaves the file as it was.
    for (int round = 0; round < 2; ++round) {
        editors.answer = {false, file, editors.codeCalls.back().Text};
        cmdERHandler_Click(c, 0, options);
        EXPECT_EQ(testsupport::ReadFile(file), "On Error GoTo @Sub_Err\r\n");
    }
    // A text without a line end gets one; the new file is named at once.
    const std::string other = In("Other.DEF");
    editors.answer = {false, other, "On Error GoTo Trap\r\nResume"};
    cmdERHandler_Click(c, 0, options);
    EXPECT_EQ(testsupport::ReadFile(other), "On Error GoTo Trap\r\nResume\r\n");
    EXPECT_EQ(options.gsErrSet, other);
    EXPECT_EQ(c["txtErrHandler_0"].Text, other);
}

}  // namespace
