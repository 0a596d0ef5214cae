// Alone in its binary: it needs the option globals as the program starts.
#include <gtest/gtest.h>

#include <map>

#include "SettingsFile.h"
#include "SettingsPlaces.h"

TEST(OptionGlobals, StartWithTheValuesOfAFirstRun) {
    std::map<std::string, std::string> start;
    for (const auto& p : SettingPlaces())
        if (p.IsGlobal) start[p.Section + "/" + p.Key] = p.Get();
    settingsfile::OnlyProgramFiles({});
    settingsfile::Load();
    for (const auto& p : SettingPlaces()) {
        // The history file's default lies in the program's folder, known
        // only at run time.
        if (!p.IsGlobal || p.Key == "SaveZelFile") continue;
        EXPECT_EQ(start[p.Section + "/" + p.Key], p.Get()) << p.Section << "/" << p.Key;
    }
}
