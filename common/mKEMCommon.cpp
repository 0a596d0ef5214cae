#include "common/mKEMCommon.h"

#include "platform/VBText.h"

std::string fsCommandFile(const std::string& commandLine) {
    std::string s = vb::LCase(vb::Trim(commandLine));
    s = vb::Replace(s, "/init", "");
    s = vb::Replace(s, "/idemode", "");
    s = vb::Trim(s);
    return vb::Replace(s, "\"", "");
}

int fiRunModeFor(const std::string& commandLine, int startMode) {
    int mode = startMode;
    std::string line = vb::LCase(vb::Trim(commandLine));
    if (!line.empty()) {
        if (line.find("/init") != std::string::npos) mode = 4;
        if (line.find("/idemode") != std::string::npos) mode = 3;
        if (!fsCommandFile(commandLine).empty()) mode = 2;
    }
    return mode;
}

void sbCommonInit(const std::string& commandLine, int startMode) {
    giRunMode = fiRunModeFor(commandLine, startMode);
    oWindow = std::make_unique<cWindow>();
    oAppInfo = std::make_unique<cAppInfo>();
    oWindowObject = std::make_unique<cWindowObject>();
    oLog = std::make_unique<cLog>();
    oDebug = std::make_unique<cDebug>();
    oFile = std::make_unique<cFileCollection>();
    oDebug->LogApp = true;
}
