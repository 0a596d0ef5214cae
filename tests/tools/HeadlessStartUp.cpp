#include "HeadlessStartUp.h"

#include <cstdlib>
#include <iostream>

#include "IniFile.h"
#include "Paths.h"
#include "ScreenSize.h"
#include "clsCommonDialog.h"
#include "mINIHandler.h"
#include "mKEMCommon.h"

void HeadlessCreateObjects() {
    SetScreenSize(kHeadlessScreen);
    oZel = std::make_unique<cVEZUZ>();
    sbCommonInit("");
    oCommonDialog = std::make_unique<clsCommonDialog>();
}

void HeadlessLoadSettings() {
    HeadlessReadSettings();
    if (fsINIGetVersion() != oAppInfo->AppVersion()) sbINIPutInfo();
}

void HeadlessReadSettings() {
    ini::ReadSession readOnce;  // one reading of the file for both steps
    bool userFound = false;
    sbINIGetUser(userFound);
    sbGetINIInfo();
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
