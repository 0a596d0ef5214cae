#include "HeadlessStartUp.h"
#include "settings/ProgramOptions.h"

#include <cstdlib>
#include <iostream>

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "common/ScreenSize.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

void HeadlessCreateObjects() {
    SetScreenSize(kHeadlessScreen);
    oZel = std::make_unique<cVEZUZ>();
    sbCommonInit("");
    oCommonDialog = std::make_unique<clsCommonDialog>();
}

void HeadlessLoadSettings() {
    HeadlessReadSettings();
    if (fsINIGetVersion() != oAppInfo->AppVersion()) sbINIPutInfo(goOptions);
}

void HeadlessReadSettings() {
    ini::ReadSession readOnce;  // one reading of the file for both steps
    bool userFound = false;
    sbINIGetUser(userFound);
    sbGetINIInfo(goOptions);
}

std::string HeadlessConfigDir() {
    const char* dir = std::getenv("ZELKER_CONFIG_DIR");
    if (!dir || !*dir) {
        std::cerr << "zelk_headless: set ZELKER_CONFIG_DIR to a folder of its own; "
                     "the settings file there is replaced\n";
        return {};
    }
    return paths::ConfigDir();
}
