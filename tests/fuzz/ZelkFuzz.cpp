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
#include "settings/OptionGlobals.h"
#include "engine/SpellingHooks.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "engine/Zelk.h"
#include "common/mKEMCommon.h"

namespace fs = std::filesystem;

namespace {

fs::path gWork;  // the run's own folder: configuration, sources

bool* const kSwitches[] = {
    &gblnOptionExplicit, &gblnAlignAs, &gblnNextVariable, &gblnSplitDeclarations, &gblnSplitConsts,
    &gblnSplitIfs, &gblnSplitLabels, &gblnSplitMultiLines, &gblnInsertContinuations, &gblnKeepIndentation,
    &gblnKillNumericLabels, &gblnInsertLogging, &gblnAsIs, &gblnDeclarations, &gblnModDeclarations,
    &gblnBaseLines, &gblnCmtModule, &gblnCmtUDP, &gblnCmtEvent, &gblnXSLines, &gblnWSNoChange, &gblnWSChange,
    &gblnWSBeforeSub, &gblnWSAfterSub, &gblnWSBeforeEndSub, &gblnWSAfterEndSub, &gblnWSBeforeIf,
    &gblnWSAfterIf, &gblnWSBeforeElse, &gblnWSAfterElse, &gblnWSBeforeEndIf, &gblnWSAfterEndIf,
    &gblnWSBeforeLoop, &gblnWSAfterLoop, &gblnWSBeforeEndLoop, &gblnWSAfterEndLoop, &gblnWSBeforeSelect,
    &gblnWSAfterSelect, &gblnWSBeforeCase, &gblnWSAfterCase, &gblnWSBeforeEndSelect, &gblnWSAfterEndSelect,
    &gblnWSBeforeLabel, &gblnWSAfterLabel, &gblnWSBeforeDec, &gblnWSAfterDec, &gblnCmtInLineRight,
    &gblnCmtInLineNext, &gblnDialectAutodetect, &gblnDoProcs, &gblnDoLocals, &gblnDoModules, &gblnPublicFirst,
    &gblnConvertDeclare, &gblnConvertMsgBox, &gblnConvertDAO, &gblnConvertSymbols, &gblnConvertSymbolsCode,
    &gblnInsertErrHandling, &gblnInsertTracing, &gblnAnalyzeDates, &gblnInsertLineNumbers,
};

template <class T>
T Pick(FuzzedDataProvider& in, std::initializer_list<T> values) {
    return *(values.begin() + in.ConsumeIntegralInRange<size_t>(0, values.size() - 1));
}

void DrawSettings(FuzzedDataProvider& in) {
    for (bool* s : kSwitches) *s = in.ConsumeBool();
    giTabWidth = Pick(in, {-1, 2, 4, 8, 99});
    giContinuations = in.ConsumeIntegralInRange(0, 1);
    giContinuationColumn = in.ConsumeIntegralInRange(0, 255);
    giAlignAsColumn = in.ConsumeIntegralInRange(0, 120);
    giCodeLine = in.ConsumeIntegralInRange(0, 1);
    giCaseStructure = in.ConsumeIntegralInRange(0, 2);
    giIfStructure = in.ConsumeIntegralInRange(0, 1);
    giIndentAmount = in.ConsumeIntegralInRange(0, 8);
    giCmtWhere = in.ConsumeIntegralInRange(0, 1);
    giXSLinesAmount = in.ConsumeIntegralInRange(0, 3);
    giCmtStandAlone = in.ConsumeIntegralInRange(0, 4);
    giCmtStandAloneColumn = in.ConsumeIntegralInRange(0, 80);
    giCmtInLine = Pick(in, {0, 1, 2, 99});
    giCmtInLineColumn = in.ConsumeIntegralInRange(0, 120);
    gsDialectDefault = Pick<std::string>(in, {"3", "4", "5", "6"});
    glConvertIntrinsicFunction = in.ConsumeIntegralInRange(0, 2);
    glLineNumberHow = in.ConsumeIntegralInRange(1, 3);
    glLineNumberStart = Pick(in, {0L, 10L, 10000L});
    glLineNumberInc = Pick(in, {1L, 5L, 10L});
    gsProcsHow = Pick<std::string>(in, {"13232145", "12312145", "21312145", "23231145"});
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
    gfnAskTabWidth = [] { giTabWidth = 4; };
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
