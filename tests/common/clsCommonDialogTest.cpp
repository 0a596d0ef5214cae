#include "common/clsCommonDialog.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/VBError.h"

namespace {

using namespace std::string_literals;

FileDialogResult Chosen(std::vector<std::string> files, int filterIndex = 1) {
    FileDialogResult r;
    r.Accepted = true;
    r.Files = std::move(files);
    r.FilterIndex = filterIndex;
    return r;
}

class CommonDialogTest : public ::testing::Test {
protected:
    ScriptedUiServices& ui = testsupport::Ui();
    clsCommonDialog dlg;
};

TEST_F(CommonDialogTest, NewObjectStartsFromTheDefaults) {
    EXPECT_EQ(dlg.FilterIndex, 1);
    EXPECT_EQ(dlg.MaxFileSize, 255);
    EXPECT_EQ(dlg.flags, 0);
    EXPECT_FALSE(dlg.CancelError);
    EXPECT_FALSE(dlg.WasCanceled);
    EXPECT_EQ(dlg.APIReturn(), 0);
    EXPECT_EQ(dlg.FileName, "");
}

TEST_F(CommonDialogTest, OpenPassesThePropertiesAndReturnsTheChosenFile) {
    dlg.DialogTitle = "File(s) to Process";
    dlg.Filter = "Code (*.BAS)|*.BAS|All Files (*.*)|*.*";
    dlg.FilterIndex = 2;
    dlg.InitDir = "/work/start";
    dlg.FileName = "proposed.bas";
    dlg.flags = cdl::OFN_ALLOWMULTISELECT | cdl::OFN_FILEMUSTEXIST | cdl::OFN_PATHMUSTEXIST | cdl::OFN_HIDEREADONLY;
    ui.FileDialogAnswers.push_back(Chosen({"/src/a.bas"}, 1));

    dlg.ShowOpen();

    ASSERT_EQ(ui.FileDialogRequests.size(), 1u);
    const FileDialogRequest& req = ui.FileDialogRequests[0];
    EXPECT_FALSE(req.Save);
    EXPECT_EQ(req.Title, "File(s) to Process");
    EXPECT_EQ(req.Filter, dlg.Filter);
    EXPECT_EQ(req.FilterIndex, 2);
    EXPECT_EQ(req.InitDir, "/work/start");
    EXPECT_EQ(req.FileName, "proposed.bas");
    EXPECT_TRUE(req.MultiSelect);
    EXPECT_TRUE(req.FileMustExist);
    EXPECT_TRUE(req.PathMustExist);
    EXPECT_TRUE(req.HideReadOnly);
    EXPECT_FALSE(req.OverwritePrompt);

    EXPECT_FALSE(dlg.WasCanceled);
    EXPECT_EQ(dlg.APIReturn(), 1);
    EXPECT_EQ(dlg.FileName, "/src/a.bas");
    EXPECT_EQ(dlg.FileTitle, "a.bas");
    EXPECT_EQ(dlg.InitDir, "/src");
    EXPECT_EQ(dlg.FilterIndex, 1);
}

TEST_F(CommonDialogTest, SaveAsksForASaveDialog) {
    dlg.flags = cdl::OFN_OVERWRITEPROMPT;
    dlg.DefaultExt = "DEF";
    ui.FileDialogAnswers.push_back(Chosen({"/tmp/x/out.def"}));
    dlg.ShowSave();
    ASSERT_EQ(ui.FileDialogRequests.size(), 1u);
    EXPECT_TRUE(ui.FileDialogRequests[0].Save);
    EXPECT_TRUE(ui.FileDialogRequests[0].OverwritePrompt);
    EXPECT_FALSE(ui.FileDialogRequests[0].MultiSelect);
    EXPECT_EQ(ui.FileDialogRequests[0].DefaultExt, "DEF");
    EXPECT_EQ(dlg.FileName, "/tmp/x/out.def");
    EXPECT_EQ(dlg.InitDir, "/tmp/x");
}

TEST_F(CommonDialogTest, MultipleSelectionComesBackAsFolderAndNamesSeparatedByNul) {
    dlg.flags = cdl::OFN_ALLOWMULTISELECT | cdl::OFN_EXPLORER;
    dlg.FileTitle = "kept";
    ui.FileDialogAnswers.push_back(Chosen({"/home/src/a.bas", "/home/src/b.bas"}));
    dlg.ShowOpen();
    EXPECT_EQ(dlg.FileName, "/home/src\0a.bas\0b.bas"s);
    // The text before the last separator: the folder's own parent.
    EXPECT_EQ(dlg.InitDir, "/home");
    EXPECT_EQ(dlg.FileTitle, "kept");
}

TEST_F(CommonDialogTest, CancelKeepsTheCallersValues) {
    dlg.FileName = "before.bas";
    dlg.FilterIndex = 3;
    dlg.InitDir = "/start";
    dlg.WasCanceled = false;
    dlg.ShowOpen();  // no scripted answer: the user cancels
    EXPECT_TRUE(dlg.WasCanceled);
    EXPECT_EQ(dlg.APIReturn(), 0);
    EXPECT_EQ(dlg.FileName, "before.bas");
    EXPECT_EQ(dlg.FilterIndex, 3);
    EXPECT_EQ(dlg.InitDir, "/start");

    // The next successful dialog clears the flag again.
    ui.FileDialogAnswers.push_back(Chosen({"/x/y.frm"}));
    dlg.ShowOpen();
    EXPECT_FALSE(dlg.WasCanceled);
}

TEST_F(CommonDialogTest, CancelWithCancelErrorRaises32755) {
    dlg.CancelError = true;
    try {
        dlg.ShowOpen();
        FAIL() << "no error raised";
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kCancelError);
    }
    EXPECT_TRUE(dlg.WasCanceled);
}

TEST_F(CommonDialogTest, BufferSizeRules) {
    // 0 or less becomes 255 at the next dialog and stays so.
    dlg.MaxFileSize = 0;
    dlg.ShowOpen();
    EXPECT_EQ(dlg.MaxFileSize, 255);

    // A proposed name longer than the buffer: no dialog, no cancel, no error.
    dlg.CancelError = true;
    dlg.FileName = std::string(300, 'x');
    dlg.ShowOpen();
    EXPECT_EQ(ui.FileDialogRequests.size(), 1u);  // only the first dialog was shown
    EXPECT_FALSE(dlg.WasCanceled);
    EXPECT_EQ(dlg.FileName, std::string(300, 'x'));

    // An answer longer than the buffer fails like a cancel.
    dlg.CancelError = false;
    dlg.FileName.clear();
    dlg.MaxFileSize = 20;
    ui.FileDialogAnswers.push_back(Chosen({"/a/very/long/folder/name/file.bas"}));
    dlg.ShowOpen();
    EXPECT_TRUE(dlg.WasCanceled);
    EXPECT_EQ(dlg.FileName, "");
}

TEST(TrimNullsTest, CutsTrailingNulsAndBlanksOnly) {
    EXPECT_EQ(TrimNulls("abc \0\0  \0"s), "abc");
    EXPECT_EQ(TrimNulls("/d\0a.bas\0b.bas\0\0"s), "/d\0a.bas\0b.bas"s);
    EXPECT_EQ(TrimNulls(" \0 "s), "");
    EXPECT_EQ(TrimNulls(" lead"), " lead");
}

}  // namespace
