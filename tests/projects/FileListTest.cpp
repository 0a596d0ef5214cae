#include <fnmatch.h>

#include <algorithm>
#include <filesystem>

#include "common/ErrorTrap.h"
#include "analysis/KeywordTable.h"
#include "ProjectFixtures.h"
#include "ProjectsFixture.h"
#include "ServiceScopes.h"
#include "platform/VBText.h"
#include "projects/modFileList.h"

namespace {

using namespace std::string_literals;
using List = std::vector<std::string>;

FileDialogResult Chosen(List files) {
    FileDialogResult r;
    r.Accepted = true;
    r.Files = std::move(files);
    return r;
}

// A user who picks every file of the starting folder that the chosen filter
// shows. Like the real dialog it matches the patterns without regard to case.
class FolderPickerUi : public ScriptedUiServices {
public:
    FileDialogResult ShowFileDialog(const FileDialogRequest& request) override {
        FileDialogRequests.push_back(request);
        List parts = vb::Split(request.Filter, "|");
        size_t patternAt = static_cast<size_t>(request.FilterIndex) * 2 - 1;
        List masks = patternAt < parts.size() ? vb::Split(parts[patternAt], ";") : List{};
        FileDialogResult result;
        for (const auto& entry : std::filesystem::directory_iterator(request.InitDir)) {
            std::string name = entry.path().filename().string();
            for (const auto& mask : masks)
                if (::fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
                    result.Files.push_back(entry.path().string());
                    break;
                }
        }
        std::sort(result.Files.begin(), result.Files.end());
        result.Accepted = !result.Files.empty();
        result.FilterIndex = request.FilterIndex;
        return result;
    }
};

class FileList : public ProjectsFixture {
protected:
    void SetUp() override {
        ProjectsFixture::SetUp();
        if (!BabIsInitialised()) BabInit();
        oDebug->ClearStatus();
    }
    void Open(int recentIndex = 0) { GetFilesToProcess(&menu, recentIndex, options); }
};

TEST_F(FileList, FilterOfTheDefaultLists) {
    EXPECT_EQ(fsFileDialogFilter(options),
              "VB Files (*.FRM;*.CTL;*.PAG;*.DOB;*.DSR;*.BAS;*.CLS;*.VBP;*.MAK;*.VBG)|"
              "*.FRM;*.CTL;*.PAG;*.DOB;*.DSR;*.BAS;*.CLS;*.VBP;*.MAK;*.VBG|"
              "Forms (*.FRM;*.CTL;*.PAG;*.DOB;*.DSR)|*.FRM;*.CTL;*.PAG;*.DOB;*.DSR|"
              "Code Modules (*.BAS;*.CLS)|*.BAS;*.CLS|"
              "Project Files (*.VBP;*.MAK;*.VBG)|*.VBP;*.MAK;*.VBG|"
              "Resource Files (*.RC)|*.RC|"
              "All Files (*.*)|*.*");
}

TEST_F(FileList, EmptyListsHaveNoFilterEntry) {
    options.gsResourceExt = "";
    options.gsCodeExt = "";
    EXPECT_EQ(fsFileDialogFilter(options),
              "VB Files (*.FRM;*.CTL;*.PAG;*.DOB;*.DSR;*.VBP;*.MAK;*.VBG)|*.FRM;*.CTL;*.PAG;*.DOB;*.DSR;*.VBP;*.MAK;*.VBG|"
              "Forms (*.FRM;*.CTL;*.PAG;*.DOB;*.DSR)|*.FRM;*.CTL;*.PAG;*.DOB;*.DSR|"
              "Project Files (*.VBP;*.MAK;*.VBG)|*.VBP;*.MAK;*.VBG|"
              "All Files (*.*)|*.*");
}

TEST_F(FileList, ExtensionTest) {
    struct Case {
        const char* name;
        const char* kind;
        bool valid;
    } cases[] = {
        {"/src/Form1.frm", "F", true},   {"/src/Module.BaS", "M", true}, {"/src/a.b.cls", "M", true},
        {"/src/x.vbg", "P", true},       {"/src/x.rc", "R", true},       {"/src/x.frm", "M", false},
        {"/src/x.bas", "X", false},      {"/src/x.txt", "M", false},     {"/src/x.", "R", false},
        {"BAS", "M", true},  // no "." compares the whole name
    };
    for (const auto& c : cases) {
        oDebug->StatusCode = 77;
        EXPECT_EQ(fblnValidFileExtension(c.name, c.kind, options), c.valid) << c.name << " " << c.kind;
        EXPECT_EQ(oDebug->StatusCode, c.valid ? 0 : 77) << c.name;
    }
    options.gsResourceExt = "";
    EXPECT_FALSE(fblnValidFileExtension("/src/x.", "R", options));
    EXPECT_FALSE(fblnValidFileExtension("/src/x.rc", "R", options));
}

TEST_F(FileList, FindNameInListComparesExactly) {
    for (const char* name : {"/src/a.bas", "/src/b.bas"}) {
        cFileDesc entry;
        entry.FileName = name;
        oFile->Add(entry);
    }
    long index = -1;
    FindNameInList("/src/b.bas", index);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(oDebug->StatusCode, 9);
    FindNameInList("/src/B.bas", index);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(oDebug->StatusCode, 5);
    FindNameInList("", index);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(oDebug->StatusCode, 5);
}

TEST_F(FileList, ParseLineKeepsEmptyPieces) {
    List pieces;
    ParseLine("/d\0a.bas\0\0b.bas"s, "\0"s, pieces);
    EXPECT_EQ(pieces, (List{"/d", "a.bas", "", "b.bas"}));
    ParseLine("one", "|", pieces);
    EXPECT_EQ(pieces, (List{"one"}));
}

TEST_F(FileList, DialogIsSetUpForSeveralExistingSourceFiles) {
    oCommonDialog->InitDir = dir;
    oCommonDialog->FilterIndex = 3;
    oCommonDialog->MaxFileSize = 10;
    Open();  // cancelled
    ASSERT_EQ(ui.FileDialogRequests.size(), 1u);
    const FileDialogRequest& req = ui.FileDialogRequests[0];
    EXPECT_EQ(req.Title, "File(s) to Process");
    EXPECT_EQ(req.Filter, fsFileDialogFilter(options));
    EXPECT_EQ(req.FileName, "");
    EXPECT_EQ(req.InitDir, dir);
    EXPECT_EQ(req.FilterIndex, 3);
    EXPECT_TRUE(req.MultiSelect && req.FileMustExist && req.PathMustExist && req.HideReadOnly);
    EXPECT_FALSE(req.Save);
    EXPECT_EQ(oCommonDialog->flags, 0x281A04);
    EXPECT_EQ(oCommonDialog->MaxFileSize, 2048);
    EXPECT_TRUE(oCommonDialog->CancelError);
}

TEST_F(FileList, CancelOpensNothingAndLeavesTheRecentList) {
    SetMRU({"/old.bas"});
    Open();
    EXPECT_EQ(oDebug->StatusCode, 8);

    // The status left by a cancelled selection does not stop the next one.
    std::string a = Source("a.bas");
    ui.FileDialogAnswers.push_back(Chosen({a}));
    Open();
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(OpenedNames(), (List{a}));

    oFile = std::make_unique<cFileCollection>();
    SetMRU({"/old.bas"});
    ui.PointerHistory.clear();
    menu.Refreshes = 0;
    Open();
    EXPECT_EQ(oDebug->StatusCode, 8);
    EXPECT_EQ(oFile->Count(), 0);
    EXPECT_EQ(MRU()[0], "/old.bas");
    EXPECT_EQ(menu.Refreshes, 0);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_TRUE(ui.PointerHistory.empty());
}

TEST_F(FileList, SeveralFilesInDialogOrderLastOneOnTopOfTheRecentList) {
    std::string a = Source("a.bas"), b = Source("b.bas"), c = Source("c.bas");
    ui.FileDialogAnswers.push_back(Chosen({a, b, c}));
    SetMRU({"/1", "/2", "/3", "/4", "/5", "/6", "/7"});
    Open();
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(OpenedNames(), (List{a, b, c}));
    for (long i = 1; i <= oFile->Count(); ++i) EXPECT_EQ(oFile->Item(i).FileType, 2);
    EXPECT_FALSE(oAppInfo->IsAProjectFile || oAppInfo->IsAResourceFile);
    EXPECT_EQ(MRU(), (List{c, b, a, "/1", "/2", "/3", "/4"}));
    EXPECT_EQ(menu.Captions[1], "&1 " + c);
    EXPECT_EQ(ui.PointerHistory, (std::vector<int>{pointer::vbHourglass, pointer::vbDefault}));
}

TEST_F(FileList, PatternsOfTheChosenFilterMatchWithoutRegardToCase) {
    FolderPickerUi picker;
    testsupport::UiScope folders{picker};
    std::string upper = Source("A.BAS"), lower = Source("b.bas"), mixed = Source("c.Cls");
    Source("form.Frm");
    Source("notes.txt");
    oCommonDialog->InitDir = dir;
    oCommonDialog->FilterIndex = 3;  // Code Modules
    Open();
    EXPECT_EQ(OpenedNames(), (List{upper, lower, mixed}));
    EXPECT_EQ(oCommonDialog->FileName, dir + "\0A.BAS\0b.bas\0c.Cls"s);
}

TEST_F(FileList, ResourceScriptsAloneMakeAResourceSessionWithoutAnyCheck) {
    std::string r1 = Source("one.rc", std::string("\x01\x02 binary", 9)), r2 = Source("TWO.RC", "");
    ui.FileDialogAnswers.push_back(Chosen({r1, r2}));
    Open();
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_TRUE(oAppInfo->IsAResourceFile);
    EXPECT_EQ(OpenedNames(), (List{r1, r2}));
    EXPECT_EQ(oFile->Item(1).FileType, 2);
    EXPECT_EQ(MRU()[0], r2);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(FileList, MixingRefusals) {
    struct Case {
        const char* what;
        List names;
        std::string message;
    } cases[] = {
        {"resource with a module", {"x.rc", "y.bas"}, "Resource files cannot be selected with other files.\r\n\r\n"},
        {"resource with a project", {"x.vbp", "y.rc"}, "Resource files cannot be selected with other files.\r\n\r\n"},
        {"project with a form", {"x.frm", "y.vbp"}, "A Project-file may not be specified with other files."},
    };
    for (const auto& c : cases) {
        ui.Messages.clear();
        List paths;
        for (const auto& n : c.names) paths.push_back(Source(n));
        ui.FileDialogAnswers.push_back(Chosen(paths));
        Open();
        EXPECT_EQ(oDebug->StatusCode, 8) << c.what;
        EXPECT_EQ(oFile->Count(), 0) << c.what;
        ASSERT_EQ(ui.Messages.size(), 1u) << c.what;
        EXPECT_EQ(ui.Messages[0].Prompt, c.message);
        EXPECT_EQ(ui.Messages[0].Buttons, mb::vbExclamation);
        EXPECT_EQ(MRU()[0], "") << c.what;
        EXPECT_EQ(ui.PointerHistory.back(), pointer::vbDefault);
    }
}

TEST_F(FileList, ProjectFilesGoToTheProjectReaderAlone) {
    ScriptedProjectDialog dialog;
    // An extension in both the project and the resource list counts as a
    // project.
    options.gsResourceExt = "RC|VBG";
    const std::string module = Source("m.bas");
    const std::string project = Source("one.vbp", "Type=Exe\r\nModule=m; m.bas\r\n");
    const std::string group = Source("all.vbg", "VBGROUP 5.0\r\n");
    ui.FileDialogAnswers.push_back(Chosen({project, group}));
    Open();
    EXPECT_TRUE(oAppInfo->IsAProjectFile);
    EXPECT_FALSE(oAppInfo->IsAResourceFile);
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(dialog.Captions, List{"Project File - " + project});
    // The group's own entry comes first: only it enters the recent list.
    EXPECT_EQ(OpenedNames(), (List{group, project, module}));
    EXPECT_EQ(MRU()[0], group);
    EXPECT_EQ(MRU()[1], "");
}

TEST_F(FileList, ValidationDropsRefusedFilesAndFailsWhenNoneIsLeft) {
    std::string good = Source("good.bas"), binary = Source("bin.frm", std::string("\0\0\x01\x02", 4));
    ui.FileDialogAnswers.push_back(Chosen({binary, good}));
    Open();
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(OpenedNames(), (List{good}));
    EXPECT_EQ(MRU()[0], good);
    EXPECT_EQ(MRU()[1], "");

    oFile = std::make_unique<cFileCollection>();
    ui.Messages.clear();
    ui.FileDialogAnswers.push_back(Chosen({binary}));
    Open();
    EXPECT_EQ(oDebug->StatusCode, 8);
    EXPECT_EQ(oFile->Count(), 0);
    EXPECT_FALSE(ui.Messages.empty());
}

TEST_F(FileList, RecentEntryOpensThatFile) {
    std::string a = Source("a.bas"), r = Source("res.rc", "");
    SetMRU({"/x.bas", a, r});
    Open(2);
    EXPECT_TRUE(ui.FileDialogRequests.empty());
    EXPECT_EQ(OpenedNames(), (List{a}));
    EXPECT_EQ(MRU(), (List{a, "/x.bas", r, "", "", "", ""}));

    // A recent resource script opens a resource session; it was the second
    // session, so the earlier one's flags are reset first.
    oFile = std::make_unique<cFileCollection>();
    Open(3);
    EXPECT_TRUE(oAppInfo->IsAResourceFile);
    EXPECT_EQ(OpenedNames(), (List{r}));
    EXPECT_EQ(MRU(), (List{r, a, "/x.bas", "", "", "", ""}));
    oFile = std::make_unique<cFileCollection>();
    Open(2);
    EXPECT_FALSE(oAppInfo->IsAResourceFile);
    EXPECT_EQ(OpenedNames(), (List{a}));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(FileList, RecentEntryWhoseFileIsGoneGivesAMessage) {
    std::string gone = dir + "/gone.rc";
    SetMRU({gone, ""});
    Open(1);
    EXPECT_EQ(oDebug->StatusCode, 8);
    EXPECT_EQ(oFile->Count(), 0);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_NE(ui.Messages[0].Prompt.find(gone), std::string::npos);
    EXPECT_EQ(MRU()[0], gone);

    // An empty entry opens nothing, quietly.
    ui.Messages.clear();
    Open(2);
    EXPECT_EQ(oDebug->StatusCode, 8);
    EXPECT_TRUE(ui.Messages.empty());
}

}  // namespace
