// A fresh options value holds what a first run loads.
#include <gtest/gtest.h>

#include "SettingsFile.h"
#include "SettingsPlaces.h"

TEST(OptionDefaults, AreTheValuesOfAFirstRun) {
    const ZelkOptions fresh;
    settingsfile::OnlyProgramFiles({});
    const ZelkOptions firstRun = settingsfile::Load();
    for (const auto& p : SettingPlaces()) {
        // The history file's default lies in the program's folder, known
        // only at run time.
        if (!p.IsOption || p.Key == "SaveZelFile") continue;
        EXPECT_EQ(p.Get(fresh), p.Get(firstRun)) << p.Section << "/" << p.Key;
    }
}
