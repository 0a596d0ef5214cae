// The start-up: its order, the two minimum waits, the settings file and the
// error trap of Main.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Clock.h"
#include "common/ErrorTrap.h"
#include "common/SharedState.h"
#include "mainwindow/MMAIN.h"
#include "platform/Paths.h"
#include "mainwindow/SessionState.h"
#include "spelling/modSpell.h"
#include "ServiceScopes.h"
#include "TestSupport.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

namespace {

// A clock that moves only when the program sleeps or a step takes time; its
// time of day moves with it.
struct MovingClock : IClock {
    uint32_t tick = 0;
    DateTime now{2026, 3, 1, 10, 0, 0};
    uint32_t pendingMs = 0;
    uint32_t TickCount() override { return tick; }
    DateTime Now() override { return now; }
    void Sleep(uint32_t ms) override { Advance(ms); }
    void Advance(uint32_t ms) {
        tick += ms;
        pendingMs += ms;
        for (; pendingMs >= 1000; pendingMs -= 1000) {
            if (++now.Second < 60) continue;
            now.Second = 0;
            if (++now.Minute < 60) continue;
            now.Minute = 0;
            if (++now.Hour < 24) continue;
            now.Hour = 0;
            ++now.Day;
        }
    }
};

struct Event {
    std::string what;
    uint32_t tick;
};

struct FakeStartupWindows : IStartupWindows {
    MovingClock& clock;
    std::vector<Event> events;
    std::function<void(const std::string&)> during;
    explicit FakeStartupWindows(MovingClock& c) : clock(c) {}
    void Record(const std::string& what) {
        events.push_back({what, clock.tick});
        if (during) during(what);
    }
    void ShowSplash() override { Record("ShowSplash"); }
    void RefreshSplash() override { Record("RefreshSplash"); }
    void LoadMainWindow() override { Record("LoadMainWindow"); }
    void ShowMRUMenu() override { Record("ShowMRUMenu"); }
    void LoadOptionsHidden() override { Record("LoadOptionsHidden"); }
    void ShowOptionsModal() override { Record("ShowOptionsModal"); }
    void BringMainToTop() override { Record("BringMainToTop"); }
    void UnloadSplash() override { Record("UnloadSplash"); }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : events) names.push_back(e.what);
        return names;
    }
    uint32_t TickOf(const std::string& what) const {
        for (const auto& e : events)
            if (e.what == what) return e.tick;
        return 0;
    }
};

struct Startup : ::testing::Test {
    MovingClock clock;
    testsupport::ClockScope moving{clock};
    FakeStartupWindows windows{clock};
    std::string settings;

    void SetUp() override {
        // The program's own file gives the version its date.
        testsupport::WriteFile(paths::Join(testsupport::ProgramDir(), paths::ExeName()), "");
        settings = paths::Join(testsupport::ConfigDir(), "VEZUZ.INI");
    }
};

}  // namespace

TEST_F(Startup, FirstRunOrderAndWaitsAcrossMidnight) {
    clock.now = {2026, 3, 1, 23, 59, 58};
    clock.tick = 0xFFFFF830;  // the tick counter wraps during the start too
    const uint32_t start = clock.tick;
    bool settingsWrittenBeforeMainWindow = false;
    windows.during = [&](const std::string& what) {
        if (what == "LoadMainWindow") settingsWrittenBeforeMainWindow = std::filesystem::exists(settings);
    };
    Main("", windows);

    EXPECT_EQ(windows.Names(), (std::vector<std::string>{"ShowSplash", "RefreshSplash", "LoadMainWindow",
                                                         "ShowMRUMenu", "LoadOptionsHidden", "ShowOptionsModal",
                                                         "BringMainToTop", "UnloadSplash"}));
    const uint32_t first = windows.TickOf("LoadMainWindow") - start;
    const uint32_t second = windows.TickOf("UnloadSplash") - start;
    EXPECT_GT(first, 4000u);
    EXPECT_LE(first, 4020u);
    EXPECT_GT(second, 8000u);
    EXPECT_LE(second, 8020u);
    EXPECT_EQ(clock.now.Day, 2);  // the start did cross midnight
    EXPECT_TRUE(settingsWrittenBeforeMainWindow);
    EXPECT_FALSE(gblnStarting);
    ASSERT_TRUE(oSpell);
    EXPECT_TRUE(oSpell->IgnoreNumbers);
}

TEST_F(Startup, SlowStepsDoNotWaitAgain) {
    int doEventsAtSplash = 0;
    windows.during = [&](const std::string& what) {
        if (what == "ShowSplash") clock.Advance(5000), doEventsAtSplash = testsupport::Ui().DoEventsCount;
        if (what == "LoadMainWindow") {
            // One pass of the first wait, after the two of the splash.
            EXPECT_EQ(testsupport::Ui().DoEventsCount - doEventsAtSplash, 3);
            clock.Advance(9000);
        }
    };
    Main("", windows);
    EXPECT_EQ(windows.TickOf("UnloadSplash") - windows.TickOf("LoadMainWindow"), 9000u);
}

TEST_F(Startup, AStoredVersionAndUserWriteNothing) {
    sbCommonInit("");
    const std::string text = "[Program]\r\nVersion=" + oAppInfo->AppVersion() +
                             "\r\nUser=Ann\r\nDefaultFileLoc=/src/vb\r\n[Extra]\r\nMarker=1\r\n";
    testsupport::WriteFile(settings, text);
    std::string initDirAtLoad = "unset";
    windows.during = [&](const std::string& what) {
        if (what == "LoadMainWindow") initDirAtLoad = oCommonDialog->InitDir;
    };
    Main("", windows);
    EXPECT_EQ(testsupport::ReadFile(settings), text);
    EXPECT_EQ(windows.TickOf("ShowOptionsModal"), 0u);  // a user is stored: no first-run dialog
    EXPECT_EQ(initDirAtLoad, "");  // the Open at load comes before the folder is applied
    EXPECT_EQ(oCommonDialog->InitDir, "/src/vb");
}

TEST_F(Startup, ModulesAreSpellCheckedWhenTheSettingsEnableSpelling) {
    sbCommonInit("");
    testsupport::WriteFile(settings, "[Program]\r\nVersion=" + oAppInfo->AppVersion() +
                                         "\r\nUser=Ann\r\n[Spell]\r\nEnabled=Yes\r\n");
    gblnSpellThisModule = false;
    Main("", windows);
    EXPECT_TRUE(gblnSpellThisModule);
}

TEST_F(Startup, TracesAndLogsTheVersion) {
    Main("", windows);
    const std::string log = testsupport::ProgramDir() + "/start.log";
    oLog->LogOpen(log, 1);
    oLog->LogClose();
    const std::string text = testsupport::ReadFile(log);
    const size_t enter = text.find("->Main");
    const size_t version = text.find(" =====>\r\n" + oAppInfo->AppVersion() + "\r\n<=====");
    const size_t exit = text.find("<-Main");
    ASSERT_NE(enter, std::string::npos);
    ASSERT_NE(version, std::string::npos);
    ASSERT_NE(exit, std::string::npos);
    EXPECT_LT(enter, version);
    EXPECT_LT(version, exit);
}

TEST_F(Startup, AFailureEndsInTheErrorReportOfMain) {
    windows.during = [](const std::string& what) {
        if (what == "LoadMainWindow") RaiseError(vberr::kPathNotFound, "frmZelker");
    };
    try {
        Main("", windows);
        FAIL() << "no report";
    } catch (const ErrorReported& e) {
        EXPECT_EQ(e.Number, vberr::kPathNotFound);
        EXPECT_EQ(e.ProcName, "Main");
    }
}

TEST_F(Startup, IdeModeTrapsNothing) {
    windows.during = [](const std::string& what) {
        if (what == "LoadMainWindow") RaiseError(vberr::kPathNotFound, "frmZelker");
    };
    EXPECT_THROW(Main("/idemode", windows), VBError);
}

TEST(NotYet, SaysTheCommandIsNotAvailable) {
    sbNotYet();
    sbNotYet();
    auto& ui = testsupport::Ui();
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[1].Prompt, "Requested Function Not Currently Available!");
    EXPECT_EQ(ui.Messages[1].Title, "Not Yet");
    EXPECT_EQ(ui.Messages[1].Buttons, mb::vbOKOnly | mb::vbExclamation);
}
