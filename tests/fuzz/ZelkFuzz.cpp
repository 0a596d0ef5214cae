// libFuzzer target: one source text zelked by the engine's in-process entry,
// under settings drawn from the input. The input's last bytes choose the
// switches (FuzzedDataProvider takes numbers from the end); the
// rest is the source, zelked as a module, class or form. Crashes, hangs and
// sanitizer reports are the findings.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <filesystem>
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
ZelkOptions gLoaded;  // the settings file's options: the base of every draw

// The switches drawn besides the blank-line ones.
bool ZelkOptions::* const kSwitches[] = {
    &ZelkOptions::gblnOptionExplicit, &ZelkOptions::gblnAlignAs, &ZelkOptions::gblnNextVariable,
    &ZelkOptions::gblnSplitDeclarations, &ZelkOptions::gblnSplitConsts, &ZelkOptions::gblnSplitIfs,
    &ZelkOptions::gblnSplitLabels, &ZelkOptions::gblnSplitMultiLines, &ZelkOptions::gblnInsertContinuations,
    &ZelkOptions::gblnKeepIndentation, &ZelkOptions::gblnKillNumericLabels, &ZelkOptions::gblnInsertLogging,
    &ZelkOptions::gblnAsIs, &ZelkOptions::gblnDeclarations, &ZelkOptions::gblnModDeclarations,
    &ZelkOptions::gblnBaseLines, &ZelkOptions::gblnCmtModule, &ZelkOptions::gblnCmtUDP, &ZelkOptions::gblnCmtEvent,
    &ZelkOptions::gblnXSLines, &ZelkOptions::gblnWSNoChange, &ZelkOptions::gblnWSChange,
    &ZelkOptions::gblnCmtInLineRight, &ZelkOptions::gblnCmtInLineNext, &ZelkOptions::gblnDialectAutodetect,
    &ZelkOptions::gblnDoProcs, &ZelkOptions::gblnDoLocals, &ZelkOptions::gblnDoModules,
    &ZelkOptions::gblnPublicFirst, &ZelkOptions::gblnConvertDeclare, &ZelkOptions::gblnConvertMsgBox,
    &ZelkOptions::gblnConvertDAO, &ZelkOptions::gblnConvertSymbols, &ZelkOptions::gblnConvertSymbolsCode,
    &ZelkOptions::gblnInsertErrHandling, &ZelkOptions::gblnInsertTracing, &ZelkOptions::gblnAnalyzeDates,
    &ZelkOptions::gblnInsertLineNumbers,
};

template <class T>
T Pick(FuzzedDataProvider& in, std::initializer_list<T> values) {
    return *(values.begin() + in.ConsumeIntegralInRange<size_t>(0, values.size() - 1));
}

ZelkOptions DrawOptions(FuzzedDataProvider& in) {
    ZelkOptions o = gLoaded;
    for (bool ZelkOptions::*s : kSwitches) o.*s = in.ConsumeBool();
    for (const BlankLineSwitch& s : kBlankLineSwitches) o.*s.Field = in.ConsumeBool();
    o.giTabWidth = TabWidth{Pick(in, {-1, 2, 4, 8, 99})};
    o.giContinuations = ContinuationMode{in.ConsumeIntegralInRange(0, 1)};
    o.giContinuationColumn = in.ConsumeIntegralInRange(0, 255);
    o.giAlignAsColumn = in.ConsumeIntegralInRange(0, 120);
    o.giCodeLine = CodeIndentation{in.ConsumeIntegralInRange(0, 1)};
    o.giCaseStructure = CaseStructure{in.ConsumeIntegralInRange(0, 2)};
    o.giIfStructure = IfStructure{in.ConsumeIntegralInRange(0, 1)};
    o.giIndentAmount = in.ConsumeIntegralInRange(0, 8);
    o.giCmtWhere = CommentBlockPlace{in.ConsumeIntegralInRange(0, 1)};
    o.giXSLinesAmount = in.ConsumeIntegralInRange(0, 3);
    o.giCmtStandAlone = StandAloneCommentPlace{in.ConsumeIntegralInRange(0, 4)};
    o.giCmtStandAloneColumn = in.ConsumeIntegralInRange(0, 80);
    o.giCmtInLine = InLineCommentPlace{Pick(in, {0, 1, 2, 99})};
    o.giCmtInLineColumn = in.ConsumeIntegralInRange(0, 120);
    o.gsDialectDefault = Pick<std::string>(in, {"3", "4", "5", "6"});
    o.glConvertIntrinsicFunction = IntrinsicDollar{in.ConsumeIntegralInRange(0L, 2L)};
    o.glLineNumberHow = LineNumbering{in.ConsumeIntegralInRange(1L, 3L)};
    o.glLineNumberStart = Pick(in, {0L, 10L, 10000L});
    o.glLineNumberInc = Pick(in, {1L, 5L, 10L});
    o.gsProcsHow = Pick<std::string>(in, {"13232145", "12312145", "21312145", "23231145"});
    return o;
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
    gLoaded = goOptions;
    BabInit();
    gfnAskTabWidth = [] { return TabWidth{4}; };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const ZelkOptions drawn = DrawOptions(in);
    const char* ext = Pick(in, {".bas", ".cls", ".frm", ".ctl"});
    const fs::path source = gWork / (std::string("Fuzz") + ext);
    try {
        Zelk(in.ConsumeRemainingBytesAsString(), source.string(), drawn, nullptr);
    } catch (const VBError&) {
        // A failure the program reports to the user is no finding.
    }
    return 0;
}
