#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "platform/VBError.h"

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "SettingsFile.h"
#include "SettingsPlaces.h"
#include "Lend.h"
#include "ServiceScopes.h"
#include "TestSupport.h"
#include "platform/VBText.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

namespace {

class SettingsSave : public ::testing::Test {
protected:
    void SetUp() override { settingsfile::OnlyProgramFiles({}); }
    FakeClock clock_;
    testsupport::ClockScope fixed_{clock_};
    testsupport::Lend<std::unique_ptr<clsCommonDialog>> dialog_{oCommonDialog, std::make_unique<clsCommonDialog>()};
};

// What start-up does with the settings file, then the exit's save.
void StartAndExit() {
    bool userFound = false;
    sbINIGetUser(userFound);
    const ZelkOptions options = settingsfile::Load();
    if (fsINIGetVersion() != oAppInfo->AppVersion()) sbINIPutInfo(options);
    sbINIPutInfo(options);
}

}  // namespace

TEST_F(SettingsSave, FirstRunWritesEverySectionAndKeyInSaveOrder) {
    settingsfile::OnlyProgramFiles({"SPELLDIC.DAT"});
    ASSERT_FALSE(std::filesystem::exists(settingsfile::Path()));
    StartAndExit();
    std::string expected =
        vb::Replace(testsupport::ReadFile(testsupport::FixturePath("settings/first-run.ini")), "@PROGRAMDIR@",
                    testsupport::ProgramDir());
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(settingsfile::Read(), expected);
}

TEST_F(SettingsSave, EveryHeldValueSurvivesASaveAndALoad) {
    for (const char* f : {"MINE.MOD", "MINE.UDP", "MINE.EVT"})
        testsupport::WriteFile(paths::Join(testsupport::ProgramDir(), f), "'block");
    ZelkOptions options;
    for (const auto& place : SettingPlaces()) place.Set(options, settingsfile::WithProgramDir(place.Stored));
    oAppInfo->User("Ann");
    oAppInfo->Company("Ann's Software");
    sbINIPutInfo(options);
    const std::string saved = settingsfile::Read();

    settingsfile::Write("");
    settingsfile::Load();
    settingsfile::Write(saved);
    const ZelkOptions loaded = settingsfile::Load();
    for (const auto& place : SettingPlaces()) {
        // A key the save never writes comes back with its first-run value.
        std::string expected = place.Saved ? settingsfile::WithProgramDir(place.Stored) : "No";
        EXPECT_EQ(place.Get(loaded), expected) << place.Section << "/" << place.Key;
    }
    EXPECT_NE(saved.find("\r\nUser=Ann\r\nCompany=Ann's Software\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nVersion=" + oAppInfo->AppVersion() + "\r\n"), std::string::npos) << saved;
}

TEST_F(SettingsSave, TheSaveRewritesInPlaceAndKeepsWhatItDoesNotWrite) {
    settingsfile::Write(
        "; kept by hand\r\n"
        "[General]\r\nInsertLogging=Yes\r\nSplitIfs=yes\r\nSaveZelInfo=TRUE\r\n"
        "[Files]\r\nCodeExt=BAS TXT\r\n"
        "[MRU]\r\nMRU1=/src/a.bas\r\n");
    StartAndExit();
    std::string text = settingsfile::Read();
    for (const char* kept : {"; kept by hand\r\n", "InsertLogging=Yes\r\n", "CodeExt=BAS TXT\r\n", "MRU1=/src/a.bas\r\n",
                             "[General]\r\nInsertLogging=Yes\r\nSplitIfs=Yes\r\nSaveZelInfo=Yes\r\nSaveZelFile="})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
    EXPECT_NE(text.find("CodeExtNew=BAS|TXT\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Program]\r\nSaveZelInfo=Yes\r\n"), std::string::npos) << text;
    EXPECT_TRUE(settingsfile::Load().gblnInsertLogging);
}

TEST_F(SettingsSave, ASaveTheDiskRefusesLeavesTheOldFileWhole) {
    const std::string before = "; kept by hand\r\n[General]\r\nInsertLogging=Yes\r\n";
    settingsfile::Write(before);
    // The file is written beside the old one and renamed over it: a folder
    // in that place makes the write fail.
    const std::string beside = settingsfile::Path() + ".zelkertmp" + std::to_string(::getpid());
    std::filesystem::create_directory(beside);
    sbInitINI();
    sbINIPutInfo(ZelkOptions{});
    std::filesystem::remove(beside);
    EXPECT_EQ(settingsfile::Read(), before);
}

TEST_F(SettingsSave, DebugSwitchesAreOnDiskAtOnce) {
    oDebug->DontTrapErrors = true;
    oDebug->DontFixDataErrors = false;
    oDebug->LogEvents = true;
    oDebug->LogMouseEvents = false;
    oDebug->LogApp = true;
    oDebug->LogZurudUvu = false;
    oDebug->LogClasses = true;
    sbInitINI();
    sbINIPutDebug();
    EXPECT_EQ(settingsfile::Read(),
              "[Debug]\r\nDontTrapErrors=Yes\r\nDontFixDataErrors=No\r\nTraceEvents=Yes\r\nTraceMouseMove=No\r\n"
              "TraceApplication=Yes\r\nTracePackages=No\r\nTraceClasses=Yes\r\n");
}

TEST_F(SettingsSave, TabWidthIsOnDiskAtOnce) {
    settingsfile::Write("[Program]\r\nTabWidth=99\r\nUser=Ann\r\n[Debug]\r\n");
    sbInitINI();
    oINI->Section("Debug");
    ZelkOptions options;
    options.giTabWidth = TabWidth{8};
    sbINIPutTabWidth(options);
    EXPECT_EQ(settingsfile::Read(), "[Program]\r\nTabWidth=8\r\nUser=Ann\r\n[Debug]\r\n");
    options.giTabWidth = TabWidth::LeaveTabs;
    sbINIPutTabWidth(options);
    EXPECT_EQ(settingsfile::Load().giTabWidth, TabWidth::LeaveTabs);
}

TEST_F(SettingsSave, RecentFileEntries) {
    sbInitINI();
    EXPECT_EQ(fsINIGetMRU(1), "");
    sbINIPutMRU(3, "/src/three.bas");
    sbINIPutMRU(1, "/src/one.frm");
    sbINIPutMRU(2, "");
    EXPECT_EQ(fsINIGetMRU(3), "/src/three.bas");
    EXPECT_EQ(fsINIGetMRU(1), "/src/one.frm");
    EXPECT_EQ(fsINIGetMRU(2), "");
    EXPECT_EQ(settingsfile::Read(), "[MRU]\r\nMRU3=/src/three.bas\r\nMRU1=/src/one.frm\r\nMRU2=\r\n");
}

TEST_F(SettingsSave, ProceduresThatNeedTheHandlerRaiseWithoutIt) {
    oINI.reset();
    try {
        fsINIGetMRU(1);
        FAIL() << "no error raised";
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kObjectNotSet);
    }
    EXPECT_THROW(sbINIPutTabWidth(ZelkOptions{}), VBError);
    EXPECT_FALSE(std::filesystem::exists(settingsfile::Path()));
}
