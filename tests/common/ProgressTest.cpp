#include <gtest/gtest.h>

#include "common/IProgressView.h"
#include "common/SharedState.h"
#include "Lend.h"
#include "ServiceScopes.h"
#include "TestSupport.h"
#include "common/WindowHelpers.h"
#include "platform/UiServices.h"
#include "common/mKEMCommon.h"

namespace {

struct FakeProgress : IProgressView {
    std::string count = "unset", what = "unset", caption;
    long min = -1, max = -1, value = -1;
    int clears = 0, countWrites = 0;
    void InitProgress() override {}
    void TermProgress() override {}
    std::string ProgressCaption() const override { return caption; }
    void SetProgressCaption(const std::string& t) override { caption = t; }
    void SetProgressVisible(bool) override {}
    void SetCountText(const std::string& t) override { count = t, ++countWrites; }
    void SetCountWhatText(const std::string& t) override { what = t; }
    void ClearGauge() override { ++clears; }
    void SetGaugeMin(long v) override { min = v; }
    void SetGaugeMax(long v) override { max = v; }
    void SetGaugeValue(long v) override { value = v; }
};

struct FakeCaption : ICaption {
    std::string text;
    int writes = 0;
    std::string Caption() const override { return text; }
    void SetCaption(const std::string& t) override { text = t, ++writes; }
};

struct ProgressFixture : ::testing::Test {
    FakeProgress panel;
    FakeCaption status;
    testsupport::Lend<IProgressView*> progress{oProgressForm, &panel};
    testsupport::Lend<ICaption*> statusLine{gctlStatus, &status};
};

}  // namespace

TEST_F(ProgressFixture, RefreshesOnTheFirstAndEveryTenthLine) {
    glLinesInFile = 1000;
    bool first = true;
    oZel->StatusBarUpdate(first, true, 1);
    EXPECT_FALSE(first);
    EXPECT_EQ(panel.max, 1000);
    EXPECT_EQ(panel.clears, 1);
    EXPECT_EQ(panel.count, " Lines parsed 1 ");
    EXPECT_EQ(status.text, " Lines parsed 1  about 0% completed, please wait ...");
    for (long n = 2; n <= 20; ++n) {
        int before = panel.countWrites;
        oZel->StatusBarUpdate(first, false, n);
        EXPECT_EQ(panel.countWrites - before, (n == 10 || n == 20) ? 1 : 0) << n;
    }
    EXPECT_EQ(panel.count, " Lines output 20 ");
    EXPECT_EQ(panel.value, 20);
    EXPECT_EQ(status.text, " Lines output 20  about 2% completed, please wait ...");
    EXPECT_GE(testsupport::Ui().DoEventsCount, 20);
}

// The window shows nothing before its events run: the panel and the status
// line are told only then, with the count of the last tenth line.
TEST_F(ProgressFixture, TheWindowIsToldOnlyWhenItsEventsAreDue) {
    struct PacedUi : ScriptedUiServices {
        bool due = false;
        bool EventsDue() override { return due; }
    } ui;
    testsupport::UiScope paced{ui};
    glLinesInFile = 1000;
    bool first = true;
    for (long n = 0; n <= 25; ++n) oZel->StatusBarUpdate(first, false, n);
    EXPECT_EQ(panel.count, "");  // cleared by the first call, then left alone
    EXPECT_EQ(panel.countWrites, 1);
    EXPECT_EQ(status.writes, 0);
    EXPECT_EQ(ui.DoEventsCount, 0);

    ui.due = true;
    oZel->StatusBarUpdate(first, false, 26);
    EXPECT_EQ(panel.count, " Lines output 20 ");
    EXPECT_EQ(panel.value, 20);
    EXPECT_EQ(status.text, " Lines output 20  about 2% completed, please wait ...");
    EXPECT_EQ(ui.DoEventsCount, 1);
    // Due again with the same count to show: the events run, nothing is redrawn.
    oZel->StatusBarUpdate(first, false, 27);
    EXPECT_EQ(panel.countWrites, 2);
    EXPECT_EQ(status.writes, 1);
    EXPECT_EQ(ui.DoEventsCount, 2);
}

TEST_F(ProgressFixture, CountIsCappedAndNeverShows100Percent) {
    struct {
        long lines, count;
        const char* panelText;
        const char* percent;
    } cases[] = {
        {1000, 1000, " Lines output 1,000 ", "99"},
        {1000, 2000, " Lines output 1,000 ", "99"},
        {0, 10, " Lines output 0 ", "99"},
        {2000, 1000, " Lines output 1,000 ", "50"},
    };
    for (auto c : cases) {
        glLinesInFile = c.lines;
        bool first = true;
        oZel->StatusBarUpdate(first, false, c.count);
        EXPECT_EQ(panel.count, c.panelText);
        EXPECT_EQ(status.text, std::string(c.panelText) + " about " + c.percent + "% completed, please wait ...");
        EXPECT_EQ(panel.value, std::min(c.count, c.lines));
    }
}

TEST(WindowObject, WindowStateOutsideTheRangeStoresZero) {
    cWindowObject w;
    for (int s : {0, 1, 2}) {
        w.WindowState(s);
        EXPECT_EQ(w.WindowState(), s);
    }
    w.WindowState(2);
    w.WindowState(3);
    EXPECT_EQ(w.WindowState(), 0);
    w.WindowState(2);
    w.WindowState(-1);
    EXPECT_EQ(w.WindowState(), 0);
}

TEST(CloseFiles, EmptiesTheSessionAndUnloadsTheProjectDialogOnlyInRunModeZero) {
    int unloads = 0;
    testsupport::Lend unload{gfnUnloadProjectDialog, [&] { ++unloads; }};
    for (int mode : {0, 3}) {
        giRunMode = mode;
        oFile->Add({"/a.bas"});
        giFileIndex = 1;
        oAppInfo->IsAProjectFile = true;
        oZel->CloseFiles();
        EXPECT_EQ(oFile->Count(), 0);
        EXPECT_EQ(giFileIndex, 0);
        EXPECT_FALSE(oAppInfo->IsAProjectFile);
    }
    EXPECT_EQ(unloads, 1);
    oZel->CloseFiles();  // no project loaded: the dialog is left alone
    EXPECT_EQ(unloads, 1);
}

TEST(CloseFiles, CloseFileRemovesTheCurrentEntry) {
    for (const char* n : {"/a", "/b", "/c"}) oFile->Add({n});
    giFileIndex = 3;
    oZel->CloseFile();
    EXPECT_EQ(oFile->Count(), 2);
    EXPECT_EQ(giFileIndex, 2);
}

TEST(WindowHelpers, MsgBarFileExistsAndSplit) {
    FakeCaption c;
    sbMsgBar("", false, &c);
    EXPECT_EQ(c.writes, 0);  // already empty: left empty, not "Ready"
    sbMsgBar("Zelking", true, &c);
    EXPECT_EQ(c.text, "Zelking, please wait ...");
    c.text = "Same";
    sbMsgBar("Same", true, &c);
    EXPECT_EQ(c.text, "Same");
    sbMsgBar("", false, &c);
    EXPECT_EQ(c.text, "Ready");

    std::string dir = testsupport::MakeDir("fe");
    testsupport::WriteFile(dir + "/a.bas", "x");
    EXPECT_TRUE(FileExists(dir + "/a.bas"));
    EXPECT_FALSE(FileExists(dir));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir + "/*.bas"));
    EXPECT_FALSE(FileExists(dir + "/b.bas"));

    std::string name, folder;
    sbFileNameFromDir("/src/Form1.frm", name, folder);
    EXPECT_EQ(folder, "/src/");
    EXPECT_EQ(name, "Form1.frm");
    sbFileNameFromDir("a.bas", name, folder);
    EXPECT_EQ(folder, "");
    EXPECT_EQ(name, "a.bas");
    sbFileNameFromDir("/src/", name, folder);
    EXPECT_EQ(name, "");
}
