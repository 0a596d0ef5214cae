#include "mainwindow/MMAIN.h"
#include "settings/ProgramOptions.h"

#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "common/ErrorTrap.h"
#include "analysis/KeywordTable.h"
#include "platform/Paths.h"
#include "mainwindow/SessionState.h"
#include "engine/SpellingHooks.h"
#include "spelling/SpellingInstaller.h"
#include "platform/UiServices.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"
#include "projects/modMRU.h"

namespace {

// Lets window messages run until more than `ms` milliseconds have passed
// since the start; at least one pass. The tick counter does not jump at
// midnight, and its wrap-around is absorbed by unsigned arithmetic.
void WaitSinceStart(uint32_t startTick, uint32_t ms) {
    for (;;) {
        Ui().DoEvents();
        if (Clock().TickCount() - startTick > ms) return;
        Clock().Sleep(10);
    }
}

// `settings`: the program's settings, loaded here.
void StartUp(const std::string& commandLine, IStartupWindows& windows, ZelkOptions& settings, bool& trap) {
    gsApostrophe = "'";
    gsQuote = "\"";
    oZel = std::make_unique<cVEZUZ>();
    sbCommonInit(commandLine);
    gsHelpFile = paths::Join(paths::ProgramDir(), paths::ExeName() + ".hlp");
    oLog->LogTraceEnter("Main");
    if (giRunMode == 3) oDebug->DontTrapErrors = true;
    trap = !oDebug->DontTrapErrors;

    oCommonDialog = std::make_unique<clsCommonDialog>();
    bool userFound = false;
    sbINIGetUser(userFound);

    const uint32_t startTick = Clock().TickCount();
    windows.ShowSplash();
    Ui().DoEvents();
    windows.RefreshSplash();
    Ui().DoEvents();

    sbGetINIInfo(settings);
    gblnSpellThisModule = settings.gblnSpellEnabled;
    oDebug->ClearStatus();
    BabInit();
    if (oDebug->StatusCode == -7) EndProgram(1);

    if (!oLog->LogFileName().empty()) oLog->LogOpen(oLog->LogFileName(), 1);
    if (oAppInfo->AppVersion() != fsINIGetVersion()) sbINIPutInfo(settings);

    WaitSinceStart(startTick, kFirstWaitMs);
    windows.LoadMainWindow();
    Ui().DoEvents();

    GetMRU();
    windows.ShowMRUMenu();
    windows.LoadOptionsHidden();

    // The spell checker, asking through the windows' Word Not Found dialog,
    // set up from the settings as before each file.
    InstallSpelling(windows.WordNotFound());
    gfnSpellInitialize(settings);

    WaitSinceStart(startTick, kSecondWaitMs);
    if (!settings.gsDefaultFileLoc.empty()) oCommonDialog->InitDir = settings.gsDefaultFileLoc;
    if (!userFound) {
        windows.ShowOptionsModal();
        windows.BringMainToTop();
    }
    windows.UnloadSplash();
    Ui().DoEvents();

    oLog->LogBlock(oAppInfo->AppVersion());
    oLog->LogData("<-Main");
}

}  // namespace

void Main(const std::string& commandLine, IStartupWindows& windows) {
    gblnStarting = true;
    bool trap = true;
    try {
        StartUp(commandLine, windows, goOptions, trap);
    } catch (const std::exception&) {
        if (!trap) throw;
        ERHandlerForCurrentException("Main");
    }
    gblnStarting = false;
}

void sbNotYet() {
    Ui().MsgBox("Requested Function Not Currently Available!", mb::vbOKOnly | mb::vbExclamation, "Not Yet");
}
