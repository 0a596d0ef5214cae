// libFuzzer target: one source file zelked by the engine's in-process entry,
// under settings drawn from the input. The input's last bytes choose the
// switches (FuzzedDataProvider takes numbers from the end); the
// rest is the source, zelked as a module, class or form. Crashes, hangs and
// sanitizer reports are the findings.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Clock.h"
#include "HeadlessStartUp.h"
#include "analysis/KeywordTable.h"
#include "settings/ProgramOptions.h"
#include "engine/SpellingHooks.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "engine/Zelk.h"
#include "common/mKEMCommon.h"

namespace fs = std::filesystem;

namespace {

fs::path gWork;  // the run's own folder: configuration, sources

bool* const kSwitches[] = {
    &goOptions.gblnOptionExplicit, &goOptions.gblnAlignAs, &goOptions.gblnNextVariable, &goOptions.gblnSplitDeclarations, &goOptions.gblnSplitConsts,
    &goOptions.gblnSplitIfs, &goOptions.gblnSplitLabels, &goOptions.gblnSplitMultiLines, &goOptions.gblnInsertContinuations, &goOptions.gblnKeepIndentation,
    &goOptions.gblnKillNumericLabels, &goOptions.gblnInsertLogging, &goOptions.gblnAsIs, &goOptions.gblnDeclarations, &goOptions.gblnModDeclarations,
    &goOptions.gblnBaseLines, &goOptions.gblnCmtModule, &goOptions.gblnCmtUDP, &goOptions.gblnCmtEvent, &goOptions.gblnXSLines, &goOptions.gblnWSNoChange, &goOptions.gblnWSChange,
    &goOptions.gblnWSBeforeSub, &goOptions.gblnWSAfterSub, &goOptions.gblnWSBeforeEndSub, &goOptions.gblnWSAfterEndSub, &goOptions.gblnWSBeforeIf,
    &goOptions.gblnWSAfterIf, &goOptions.gblnWSBeforeElse, &goOptions.gblnWSAfterElse, &goOptions.gblnWSBeforeEndIf, &goOptions.gblnWSAfterEndIf,
    &goOptions.gblnWSBeforeLoop, &goOptions.gblnWSAfterLoop, &goOptions.gblnWSBeforeEndLoop, &goOptions.gblnWSAfterEndLoop, &goOptions.gblnWSBeforeSelect,
    &goOptions.gblnWSAfterSelect, &goOptions.gblnWSBeforeCase, &goOptions.gblnWSAfterCase, &goOptions.gblnWSBeforeEndSelect, &goOptions.gblnWSAfterEndSelect,
    &goOptions.gblnWSBeforeLabel, &goOptions.gblnWSAfterLabel, &goOptions.gblnWSBeforeDec, &goOptions.gblnWSAfterDec, &goOptions.gblnCmtInLineRight,
    &goOptions.gblnCmtInLineNext, &goOptions.gblnDialectAutodetect, &goOptions.gblnDoProcs, &goOptions.gblnDoLocals, &goOptions.gblnDoModules, &goOptions.gblnPublicFirst,
    &goOptions.gblnConvertDeclare, &goOptions.gblnConvertMsgBox, &goOptions.gblnConvertDAO, &goOptions.gblnConvertSymbols, &goOptions.gblnConvertSymbolsCode,
    &goOptions.gblnInsertErrHandling, &goOptions.gblnInsertTracing, &goOptions.gblnAnalyzeDates, &goOptions.gblnInsertLineNumbers,
};

template <class T>
T Pick(FuzzedDataProvider& in, std::initializer_list<T> values) {
    return *(values.begin() + in.ConsumeIntegralInRange<size_t>(0, values.size() - 1));
}

void DrawSettings(FuzzedDataProvider& in) {
    for (bool* s : kSwitches) *s = in.ConsumeBool();
    goOptions.giTabWidth = Pick(in, {-1, 2, 4, 8, 99});
    goOptions.giContinuations = in.ConsumeIntegralInRange(0, 1);
    goOptions.giContinuationColumn = in.ConsumeIntegralInRange(0, 255);
    goOptions.giAlignAsColumn = in.ConsumeIntegralInRange(0, 120);
    goOptions.giCodeLine = in.ConsumeIntegralInRange(0, 1);
    goOptions.giCaseStructure = in.ConsumeIntegralInRange(0, 2);
    goOptions.giIfStructure = in.ConsumeIntegralInRange(0, 1);
    goOptions.giIndentAmount = in.ConsumeIntegralInRange(0, 8);
    goOptions.giCmtWhere = in.ConsumeIntegralInRange(0, 1);
    goOptions.giXSLinesAmount = in.ConsumeIntegralInRange(0, 3);
    goOptions.giCmtStandAlone = in.ConsumeIntegralInRange(0, 4);
    goOptions.giCmtStandAloneColumn = in.ConsumeIntegralInRange(0, 80);
    goOptions.giCmtInLine = Pick(in, {0, 1, 2, 99});
    goOptions.giCmtInLineColumn = in.ConsumeIntegralInRange(0, 120);
    goOptions.gsDialectDefault = Pick<std::string>(in, {"3", "4", "5", "6"});
    goOptions.glConvertIntrinsicFunction = in.ConsumeIntegralInRange(0, 2);
    goOptions.glLineNumberHow = in.ConsumeIntegralInRange(1, 3);
    goOptions.glLineNumberStart = Pick(in, {0L, 10L, 10000L});
    goOptions.glLineNumberInc = Pick(in, {1L, 5L, 10L});
    goOptions.gsProcsHow = Pick<std::string>(in, {"13232145", "12312145", "21312145", "23231145"});
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv) {
    char pattern[] = "/tmp/zelk_fuzz.XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    gWork = pattern;
    fs::create_directories(gWork / "config");
    setenv("ZELKER_CONFIG_DIR", (gWork / "config").c_str(), 1);
    // The keyword file lies beside the executable.
    if (!std::getenv("ZELKER_PROGRAM_DIR"))
        setenv("ZELKER_PROGRAM_DIR", fs::absolute((*argv)[0]).parent_path().c_str(), 1);

    static FakeClock clock;
    SetClock(&clock);
    static ScriptedUiServices ui;  // every question answered with its first button
    SetUi(&ui);
    HeadlessCreateObjects();
    HeadlessReadSettings();
    BabInit();
    gfnAskTabWidth = [] { goOptions.giTabWidth = 4; };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    DrawSettings(in);
    const char* ext = Pick(in, {".bas", ".cls", ".frm", ".ctl"});
    const std::string text = in.ConsumeRemainingBytesAsString();
    const fs::path source = gWork / (std::string("Fuzz") + ext);
    {
        std::ofstream f(source, std::ios::binary | std::ios::trunc);
        f << text;
    }
    ZelkSettings drawn;
    drawn.Load = false;  // the switches just drawn
    try {
        Zelk(source.string(), drawn, nullptr);
    } catch (const VBError&) {
        // A failure the program reports to the user is no finding.
    }
    return 0;
}
