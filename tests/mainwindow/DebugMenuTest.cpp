// The Debug menu's key sequence, its switch and log items, and the main
// window's other hot keys, through fakes of the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "mainwindow/DebugMenu.h"
#include "common/ErrorTrap.h"
#include "common/IProgressView.h"
#include "platform/KeyCodes.h"
#include "platform/Paths.h"
#include "Lend.h"
#include "TestSupport.h"
#include "settings/cINIHandler.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

namespace {

using namespace vbkey;

class FakeDebugWindow : public ICommandControls, public IDebugWindow {
public:
    std::map<std::string, bool> enabled, checked, visible;
    int splashes = 0, tops = 0, unloads = 0;

    bool Enabled(const std::string& n) const override { return !enabled.count(n) || enabled.at(n); }
    void SetEnabled(const std::string& n, bool on) override { enabled[n] = on; }
    bool Checked(const std::string& n) const override { return checked.count(n) && checked.at(n); }
    void SetChecked(const std::string& n, bool on) override { checked[n] = on; }
    void SetVisible(const std::string& n, bool on) override { visible[n] = on; }
    void RefreshToolBar() override {}
    bool Visible(const std::string& n) const override { return visible.count(n) && visible.at(n); }
    void ShowSplashModal() override { ++splashes; }
    void BringToTop() override { ++tops; }
    void UnloadMainWindow() override { ++unloads; }
};

class StatusLine : public ICaption {
public:
    std::string text;
    std::string Caption() const override { return text; }
    void SetCaption(const std::string& t) override { text = t; }
};

struct ProgramEnded {};

class DebugMenu : public ::testing::Test {
protected:
    FakeDebugWindow w;
    StatusLine status;
    testsupport::Lend<ICaption*> statusLine{gctlStatus, &status};
    testsupport::Lend<std::unique_ptr<clsCommonDialog>> dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};
    bool armed = false;
    void SetUp() override {
        sbInitINI();
        oLog->LogFileName("");  // no [Debug] LogFile
        oDebug->LogApp = false;  // as the settings leave it
        EnableDebugItems(w);
    }
    void TearDown() override { SetProgramEndHook(nullptr); }
    void Key(int code, int shift) { Form_KeyDown(w, w, code, shift, armed); }
    static std::string LogText(const std::string& path) { return testsupport::ReadFile(path); }
    std::string DebugKey(const std::string& key) {
        cINIHandler ini;
        ini.INIFileName(kSettingsFileName);
        ini.Section("Debug");
        return ini.ReadString(key, "missing");
    }
};

}  // namespace

TEST(DebugChord, TheKeySequence) {
    struct Step {
        int key, shift;
    };
    struct Case {
        const char* what;
        std::vector<Step> keys;
        int toggles;
        bool armedAfter;
    };
    const Step ctrlF13{vbKeyF13, vbCtrlMask}, ctrlF14{vbKeyF14, vbCtrlMask}, ctrlF8{vbKeyF8, vbCtrlMask};
    const Case cases[] = {
        {"Ctrl+F13, Ctrl+F14", {ctrlF13, ctrlF14}, 1, false},
        {"with Shift as well", {{vbKeyF13, vbCtrlMask | vbShiftMask}, {vbKeyF14, vbCtrlMask | vbAltMask}}, 1, false},
        {"twice", {ctrlF13, ctrlF14, ctrlF13, ctrlF14}, 2, false},
        {"Ctrl+F13 twice disarms", {ctrlF13, ctrlF13, ctrlF14}, 0, false},
        {"another key between", {ctrlF13, {65, vbCtrlMask}, ctrlF14}, 0, false},
        {"Ctrl pressed again between", {ctrlF13, {17, vbCtrlMask}, ctrlF14}, 0, false},
        {"F13 without Ctrl keeps the arming", {ctrlF13, {vbKeyF13, 0}}, 0, true},
        {"F14 without Ctrl disarms", {ctrlF13, {vbKeyF14, 0}, ctrlF14}, 0, false},
        {"Ctrl+F8 between keeps the arming", {ctrlF13, ctrlF8, ctrlF14}, 1, false},
        {"Ctrl+F14 alone", {ctrlF14}, 0, false},
    };
    for (const Case& c : cases) {
        bool armed = false;
        int toggles = 0;
        for (const Step& s : c.keys)
            if (fnDebugChord(s.key, s.shift, armed) == DebugChord::ToggleDebugMenu) ++toggles;
        EXPECT_EQ(toggles, c.toggles) << c.what;
        EXPECT_EQ(armed, c.armedAfter) << c.what;
    }
    bool armed = false;
    EXPECT_EQ(fnDebugChord(vbKeyF8, vbCtrlMask, armed), DebugChord::ShowSplash);
    EXPECT_EQ(fnDebugChord(vbKeyF8, 0, armed), DebugChord::None);
}

TEST_F(DebugMenu, ShowingAndHidingTheMenu) {
    oDebug->LogEvents = true;  // event tracing alone keeps the menu hidden
    EnableDebugItems(w);
    EXPECT_FALSE(w.Visible("mnuDebug"));

    mnuDebugOpenAppendLog_Click(w);
    Key(vbKeyF13, vbCtrlMask);
    Key(vbKeyF14, vbCtrlMask);
    EXPECT_TRUE(w.Visible("mnuDebug"));
    EXPECT_TRUE(oAppInfo->DebugMenu);
    EXPECT_EQ(status.text, "Logging to " + fsAppendLogName());

    for (const char* item : {"mnuDebugDisableErrorTraps", "mnuDebugTraceApp", "mnuDebugLogClasses"})
        mnuDebugSwitch_Click(w, item);
    EXPECT_TRUE(oDebug->DontTrapErrors && oDebug->LogApp && oDebug->LogClasses);
    Key(vbKeyF13, vbCtrlMask);
    Key(vbKeyF14, vbCtrlMask);
    // Hidden: every debug state off but event tracing, the log closed.
    EXPECT_FALSE(w.Visible("mnuDebug"));
    EXPECT_FALSE(oAppInfo->DebugMenu);
    EXPECT_FALSE(oDebug->DontTrapErrors || oDebug->LogApp || oDebug->LogClasses);
    EXPECT_FALSE(w.Checked("mnuDebugTraceApp"));
    EXPECT_TRUE(oDebug->LogEvents);
    EXPECT_FALSE(oLog->IsOpen());
    EXPECT_EQ(oLog->LogFileName(), "");
    EXPECT_FALSE(w.Enabled("mnuDebugLogClose"));
    EXPECT_EQ(status.text, "Logging is off ");
    EXPECT_EQ(DebugKey("DontTrapErrors"), "No");  // the switch-off is kept at once
}

TEST_F(DebugMenu, ErrorSwitchesAreKeptAtOnce) {
    oDebug->LogEvents = true;
    mnuDebugOpenAppendLog_Click(w);
    mnuDebugSwitch_Click(w, "mnuDebugTraceApp");
    mnuDebugSwitch_Click(w, "mnuDebugDisableErrorTraps");
    EXPECT_TRUE(oDebug->DontTrapErrors);
    EXPECT_TRUE(w.Checked("mnuDebugDisableErrorTraps"));
    EXPECT_EQ(DebugKey("DontTrapErrors"), "Yes");
    EXPECT_EQ(DebugKey("TraceApplication"), "Yes");  // the trace switches with it
    mnuDebugSwitch_Click(w, "mnuDebugDisableErrorTraps");
    EXPECT_FALSE(oDebug->DontTrapErrors);
    EXPECT_FALSE(w.Checked("mnuDebugDisableErrorTraps"));
    EXPECT_EQ(DebugKey("DontTrapErrors"), "No");
    mnuDebugSwitch_Click(w, "mnuDebugDisableFixDataErrors");
    EXPECT_TRUE(oDebug->DontFixDataErrors);
    oLog->LogClose();
    const std::string log = LogText(fsAppendLogName());
    EXPECT_NE(log.find("DontTrapErrors=True"), std::string::npos);
    EXPECT_NE(log.find("DontTrapErrors=False"), std::string::npos);
    EXPECT_NE(log.find("FixDataErrors=True"), std::string::npos);
}

TEST_F(DebugMenu, ExtendThenCloseTheFixedLog) {
    mnuDebugOpenAppendLog_Click(w);
    EXPECT_TRUE(oAppInfo->Logging);
    EXPECT_TRUE(w.Enabled("mnuDebugLogClose"));
    EXPECT_FALSE(w.Enabled("mnuDebugOpenAppendLog") || w.Enabled("mnuDebugOpenNewLog"));
    mnuDebugLogClose_Click(w);
    EXPECT_FALSE(oAppInfo->Logging);
    EXPECT_FALSE(w.Enabled("mnuDebugLogClose"));
    EXPECT_TRUE(w.Enabled("mnuDebugOpenAppendLog") && w.Enabled("mnuDebugOpenNewLog"));
    // The block names the running program as it is, without an extension.
    const std::string log = LogText(paths::Join(testsupport::ProgramDir(), "DB_VEZUZ.LOG"));
    const std::string exe = paths::Join(testsupport::ProgramDir(), paths::ExeName());
    EXPECT_NE(log.find("=====>"), std::string::npos);
    EXPECT_NE(log.find(oAppInfo->AppVersion()), std::string::npos);
    EXPECT_NE(log.find(exe + "\r\n"), std::string::npos);
    EXPECT_EQ(log.find(".EXE"), std::string::npos);
    EXPECT_NE(log.find("<====="), std::string::npos);
}

TEST_F(DebugMenu, NewLogFile) {
    auto& ui = testsupport::Ui();
    // Cancelled: nothing opens, the items stay.
    ui.FileDialogAnswers.push_back(FileDialogResult{});
    mnuDebugOpenNewLog_Click(w);
    EXPECT_FALSE(oLog->IsOpen());
    EXPECT_TRUE(w.Enabled("mnuDebugOpenNewLog"));
    EXPECT_FALSE(oAppInfo->Logging);
    const FileDialogRequest& request = ui.FileDialogRequests.back();
    EXPECT_EQ(request.Filter, "LOG Files|*.LOG|All Files (*.*)|*.*");
    EXPECT_EQ(request.FileName, "DB_VEZUZ.LOG");
    EXPECT_EQ(request.InitDir, testsupport::ProgramDir());
    EXPECT_FALSE(request.FileMustExist || request.MultiSelect);  // a new name may be typed

    // Chosen: a new log, with the size of the program's file.
    const std::string exe = paths::Join(testsupport::ProgramDir(), paths::ExeName());
    testsupport::WriteFile(exe, std::string(1234, 'x'));
    const std::string chosen = paths::Join(testsupport::MakeDir("logs"), "mine.log");
    testsupport::WriteFile(chosen, "old contents\r\n");
    FileDialogResult answer;
    answer.Accepted = true;
    answer.Files = {chosen};
    ui.FileDialogAnswers.push_back(answer);
    mnuDebugOpenNewLog_Click(w);
    EXPECT_TRUE(oLog->IsOpen());
    EXPECT_EQ(oLog->LogFileName(), chosen);
    EXPECT_TRUE(oAppInfo->Logging);
    EXPECT_TRUE(w.Enabled("mnuDebugLogClose"));
    oLog->LogClose();
    const std::string log = LogText(chosen);
    EXPECT_EQ(log.find("old contents"), std::string::npos);
    EXPECT_NE(log.find(paths::ExeName() + ":  Date of EXE: " + oAppInfo->AppVersion() + " Size of EXE: 1234"),
              std::string::npos);
}

TEST_F(DebugMenu, HotKeys) {
    auto& ui = testsupport::Ui();
    oDebug->LogEvents = true;
    mnuDebugOpenAppendLog_Click(w);
    Key('A', vbShiftMask);

    Key(vbKeyF8, vbCtrlMask);
    EXPECT_EQ(w.splashes, 1);
    EXPECT_EQ(w.tops, 1);

    // The stop asks only in the development run mode.
    Key(vbKeyF2, vbShiftMask | vbCtrlMask | vbAltMask);
    EXPECT_TRUE(ui.Messages.empty());
    testsupport::Lend development{giRunMode, 3};
    Key(vbKeyF2, vbCtrlMask | vbAltMask);
    EXPECT_TRUE(ui.Messages.empty());
    ui.MsgBoxAnswers = {mb::vbNo, mb::vbYes};
    ui.NextAnswer = 0;
    Key(vbKeyF2, vbShiftMask | vbCtrlMask | vbAltMask);
    EXPECT_EQ(ui.LastPrompt(), "Are You Sure You Want to Stop?");
    SetProgramEndHook([](int) { throw ProgramEnded{}; });
    EXPECT_THROW(Key(vbKeyF2, vbShiftMask | vbCtrlMask | vbAltMask), ProgramEnded);

    // The test error goes to the error report.
    ui.MsgBoxAnswers = {mb::vbNo, mb::vbYes};
    ui.NextAnswer = 0;
    Key(vbKeyF3, vbShiftMask | vbCtrlMask | vbAltMask);
    EXPECT_EQ(ui.LastPrompt(), "Are You Sure You Want Generate an error?");
    try {
        Key(vbKeyF3, vbShiftMask | vbCtrlMask | vbAltMask);
        ADD_FAILURE() << "no error report";
    } catch (const ErrorReported& e) {
        EXPECT_EQ(e.Number, -2147220270);
        EXPECT_EQ(e.Description, "Zelker Generated Error");
        EXPECT_EQ(e.Source, "(frmZelker): Form_KeyDown");
        EXPECT_EQ(e.ProcName, "(frmZelker): Form_KeyDown");
    }

    Key(vbKeyF4, 0);
    EXPECT_EQ(w.unloads, 0);
    Key(vbKeyF4, vbAltMask);
    EXPECT_EQ(w.unloads, 1);

    oLog->LogClose();
    EXPECT_NE(LogText(fsAppendLogName()).find("Key/Shift= 65 1"), std::string::npos);
}
