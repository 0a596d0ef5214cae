#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>

#include "platform/VBError.h"

#include <functional>

#include "platform/Paths.h"
#include "common/ScreenSize.h"
#include "SettingsFile.h"
#include "SettingsPlaces.h"
#include "Lend.h"
#include "TestSupport.h"
#include "platform/VBText.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

namespace {

std::string Section(const std::string& name, const std::string& lines) { return "[" + name + "]\r\n" + lines; }

std::map<std::string, std::string> HeldValues(const ZelkOptions& options) {
    std::map<std::string, std::string> out;
    for (const auto& p : SettingPlaces()) out[p.Section + "/" + p.Key] = p.Get(options);
    return out;
}

class SettingsLoad : public ::testing::Test {
protected:
    void SetUp() override { settingsfile::OnlyProgramFiles({}); }
    testsupport::Lend<std::unique_ptr<clsCommonDialog>> dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};
};

}  // namespace

// Each key, alone in the file, reaches the place the program holds it in and
// no other place.
TEST_F(SettingsLoad, EveryKeyReachesItsOwnPlace) {
    for (const char* f : {"MINE.MOD", "MINE.UDP", "MINE.EVT"})
        testsupport::WriteFile(paths::Join(testsupport::ProgramDir(), f), "'block");
    settingsfile::Write("");
    const auto firstRun = HeldValues(settingsfile::Load());
    for (const auto& place : SettingPlaces()) {
        std::string stored = settingsfile::WithProgramDir(place.Stored);
        ASSERT_NE(firstRun.at(place.Section + "/" + place.Key), stored) << place.Key << " stores its default";
        settingsfile::Write(Section(place.Section, place.Key + "=" + stored + "\r\n"));
        auto held = HeldValues(settingsfile::Load());
        for (const auto& [name, value] : held) {
            if (name == place.Section + "/" + place.Key)
                EXPECT_EQ(value, stored) << name;
            else
                EXPECT_EQ(value, firstRun.at(name)) << name << " changed by " << place.Key;
        }
        // Back to the first run's switches (DontTrapErrors, tracing) for the
        // next key.
        settingsfile::Write("");
        settingsfile::Load();
    }
}

struct LoadCase {
    const char* what;
    std::string file;
    std::function<std::string(const ZelkOptions&)> actual;
    std::string expected;  // "@P": the program's folder
    std::initializer_list<std::string> programFiles = {};
};

#define HELD(expr) []([[maybe_unused]] const ZelkOptions& o) { return HeldText(expr); }
namespace {
std::string HeldText(bool b) { return b ? "True" : "False"; }
std::string HeldText(int v) { return std::to_string(v); }
std::string HeldText(long v) { return std::to_string(v); }
std::string HeldText(float v) { return vb::SingleText(v); }
std::string HeldText(const std::string& s) { return s; }
template <class E>
    requires std::is_enum_v<E>
std::string HeldText(E v) {
    return std::to_string(static_cast<long>(v));
}
}  // namespace

TEST_F(SettingsLoad, EdgeCasesOfTheKeys) {
    const std::string P = "[Program]\r\n";
    const std::string G = "[General]\r\n";
    const std::string F = "[Files]\r\n";
    const std::string S = "[Spell]\r\n";
    const std::string C = "[Comment Blocks]\r\n";
    const std::string A = "[Arrange Declares]\r\n";
    const std::string E = "[ErrorHandling]\r\n";
    const LoadCase cases[] = {
        // Tab width: 99 means "not chosen yet" and must survive the load.
        {"TabWidth missing", "", HELD(o.giTabWidth), "99"},
        {"TabWidth 99", P + "TabWidth=99\r\n", HELD(o.giTabWidth), "99"},
        {"TabWidth word", P + "TabWidth=wide\r\n", HELD(o.giTabWidth), "99"},
        {"TabWidth empty", P + "TabWidth=\r\n", HELD(o.giTabWidth), "99"},
        {"TabWidth 50", P + "TabWidth=50\r\n", HELD(o.giTabWidth), "20"},
        {"TabWidth -5", P + "TabWidth=-5\r\n", HELD(o.giTabWidth), "-1"},
        {"TabWidth 8", P + "TabWidth=8\r\n", HELD(o.giTabWidth), "8"},
        {"WindowState 3", P + "WindowState=3\r\n", [](const ZelkOptions&) { return HeldText(oWindowObject->WindowState()); }, "0"},
        {"WindowState -1", P + "WindowState=-1\r\n", [](const ZelkOptions&) { return HeldText(oWindowObject->WindowState()); }, "0"},
        {"WindowState word", P + "WindowState=max\r\n", [](const ZelkOptions&) { return HeldText(oWindowObject->WindowState()); }, "0"},
        {"WindowState 1.5", P + "WindowState=1.5\r\n", [](const ZelkOptions&) { return HeldText(oWindowObject->WindowState()); }, "2"},
        // The window's place: shares of a 28800 x 16200 twip screen.
        {"Left missing", "", HELD(oWindowObject->TheLeft), "4809.6"},
        {"Top missing", "", HELD(oWindowObject->TheTop), "2705.4"},
        {"Width missing", "", HELD(oWindowObject->TheWidth), "19296"},
        {"Height missing", "", HELD(oWindowObject->TheHeight), "10854"},
        {"Top and Height stored", P + "Top=100\r\nHeight=9000\r\n",
         [](const ZelkOptions&) { return HeldText(oWindowObject->TheTop) + " " + HeldText(oWindowObject->TheHeight); }, "100 9000"},
        {"Left beyond 32767", P + "Left=40000\r\n", HELD(oWindowObject->TheLeft), "32767"},
        {"Left negative", P + "Left=-3\r\n", HELD(oWindowObject->TheLeft), "0"},
        {"Width over the screen", P + "Width=30000\r\n", HELD(oWindowObject->TheWidth), "28800"},
        {"Width under a tenth", P + "Width=100\r\n", HELD(oWindowObject->TheWidth), "2880"},
        {"Height under a tenth", P + "Height=1\r\n", HELD(oWindowObject->TheHeight), "1620"},
        {"Height a word", P + "Height=tall\r\n", HELD(oWindowObject->TheHeight), "10854"},
        // Numbers: clamps, fractions, words, empty versus missing.
        {"AlignAsColumn missing", "", HELD(o.giAlignAsColumn), "40"},
        {"AlignAsColumn 5", G + "AlignAsColumn=5\r\n", HELD(o.giAlignAsColumn), "10"},
        {"AlignAsColumn 300", G + "AlignAsColumn=300\r\n", HELD(o.giAlignAsColumn), "255"},
        {"AlignAsColumn 40.5", G + "AlignAsColumn=40.5\r\n", HELD(o.giAlignAsColumn), "40"},
        {"AlignAsColumn 41.5", G + "AlignAsColumn=41.5\r\n", HELD(o.giAlignAsColumn), "42"},
        {"AlignAsColumn empty", G + "AlignAsColumn=\r\n", HELD(o.giAlignAsColumn), "40"},
        {"AlignAsColumn 50px", G + "AlignAsColumn=50px\r\n", HELD(o.giAlignAsColumn), "40"},
        {"CDLGFilterIndex 9", G + "CDLGFilterIndex=9\r\n", HELD(oCommonDialog->FilterIndex), "6"},
        {"CDLGFilterIndex 0", G + "CDLGFilterIndex=0\r\n", HELD(oCommonDialog->FilterIndex), "1"},
        {"SaveInBackup beyond an Integer", F + "SaveInBackup=99999\r\n", HELD(o.giSaveInBackup), "32767"},
        {"Overwrite below an Integer", F + "Overwrite=-99999\r\n", HELD(o.giOverwrite), "-32768"},
        {"CaseStructure missing", "", HELD(o.giCaseStructure), "0"},
        {"CaseStructure 5", "[Indentation]\r\nCaseStructure=5\r\n", HELD(o.giCaseStructure), "2"},
        {"XSLinesAmount 25", "[White Space]\r\nXSLinesAmount=25\r\n", HELD(o.giXSLinesAmount), "20"},
        {"XSLinesAmount missing", "", HELD(o.giXSLinesAmount), "1"},
        {"StandAlone 99", "[Comments]\r\nStandAlone=99\r\n", HELD(o.giCmtStandAlone), "20"},
        {"InLine 99", "[Comments]\r\nInLine=99\r\n", HELD(o.giCmtInLine), "99"},
        {"Dialect 2", "[Dialect]\r\nDefault=2\r\n", HELD(o.gsDialectDefault), "3"},
        {"Dialect 9", "[Dialect]\r\nDefault=9\r\n", HELD(o.gsDialectDefault), "6"},
        {"Dialect word", "[Dialect]\r\nDefault=five\r\n", HELD(o.gsDialectDefault), "6"},
        {"Dialect fraction", "[Dialect]\r\nDefault=4.5\r\n", HELD(o.gsDialectDefault), "4.5"},
        {"ConvertIntrinsicFunction 5", A + "ConvertIntrinsicFunction=5\r\n", HELD(o.glConvertIntrinsicFunction), "2"},
        {"ConvertIntrinsicFunction -1", A + "ConvertIntrinsicFunction=-1\r\n", HELD(o.glConvertIntrinsicFunction),
         "0"},
        {"ConvertIntrinsicFunction 1.5", A + "ConvertIntrinsicFunction=1.5\r\n", HELD(o.glConvertIntrinsicFunction),
         "2"},
        // Line numbers: the whole-number rule, no bounds.
        {"LineNumberStart missing", "", HELD(o.glLineNumberStart), "10000"},
        {"LineNumberStart empty", E + "LineNumberStart=\r\n", HELD(o.glLineNumberStart), "0"},
        {"LineNumberStart word", E + "LineNumberStart=ten\r\n", HELD(o.glLineNumberStart), "0"},
        {"LineNumberStart 12.6", E + "LineNumberStart=12.6\r\n", HELD(o.glLineNumberStart), "13"},
        {"LineNumberInc 12.5", E + "LineNumberInc=12.5\r\n", HELD(o.glLineNumberInc), "12"},
        {"LineNumberStart 70000", E + "LineNumberStart=70000\r\n", HELD(o.glLineNumberStart), "70000"},
        {"LineNumberHow 7abc", E + "LineNumberHow=7abc\r\n", HELD(o.glLineNumberHow), "7"},
        // Order strings.
        {"ProcsHow seven digits", A + "ProcsHow=1323214\r\n", HELD(o.gsProcsHow), "13232145"},
        {"ProcsHow eight letters", A + "ProcsHow=abcdefgh\r\n", HELD(o.gsProcsHow), "13232145"},
        {"ProcsHow eight digits", A + "ProcsHow=99999999\r\n", HELD(o.gsProcsHow), "99999999"},
        {"LocalHow empty", A + "LocalHow=\r\n", HELD(o.gsLocalHow), "12345"},
        {"ModuleHow thirteen digits", A + "ModuleHow=1134271234567\r\n", HELD(o.gsModuleHow), "113427123456"},
        // Words of the Boolean keys.
        {"Toolbar on", "[View]\r\nToolbar=on\r\n", HELD(oAppInfo->Toolbar), "True"},
        {"Toolbar empty", "[View]\r\nToolbar=\r\n", HELD(oAppInfo->Toolbar), "True"},
        {"Toolbar no", "[View]\r\nToolbar= no \r\n", HELD(oAppInfo->Toolbar), "False"},
        {"SplitIfs -1", G + "SplitIfs=-1\r\n", HELD(o.gblnSplitIfs), "True"},
        {"section and key in other letter case", "[general]\r\nsplitifs=TRUE\r\n", HELD(o.gblnSplitIfs), "True"},
        {"InsertLogging by hand", G + "InsertLogging=Yes\r\n", HELD(o.gblnInsertLogging), "True"},
        // Extension lists and their legacy keys.
        {"no lists", "", [](const ZelkOptions& o) { return o.gsCodeExt + " " + o.gsFormExt + " " + o.gsProjectExt + " " + o.gsResourceExt; },
         "BAS|CLS FRM|CTL|PAG|DOB|DSR VBP|MAK|VBG RC"},
        {"legacy CodeExt with blanks", F + "CodeExt=BAS TXT\r\n", HELD(o.gsCodeExt), "BAS|TXT"},
        {"CodeExtNew wins over CodeExt", F + "CodeExtNew=BAS|X\r\nCodeExt=Y Z\r\n", HELD(o.gsCodeExt), "BAS|X"},
        {"CodeExtNew empty, legacy read", F + "CodeExtNew=\r\nCodeExt=Y Z\r\n", HELD(o.gsCodeExt), "Y|Z"},
        {"CodeExtNew with blanks", F + "CodeExtNew=A B\r\n", HELD(o.gsCodeExt), "A|B"},
        {"CodeExtNew with blanks and a bar", F + "CodeExtNew=A B|C\r\n", HELD(o.gsCodeExt), "A B|C"},
        {"both code keys empty", F + "CodeExtNew=\r\nCodeExt=\r\n", HELD(o.gsCodeExt), ""},
        {"legacy FormExt", F + "FormExt=FRM CTL\r\n", HELD(o.gsFormExt), "FRM|CTL"},
        {"legacy ProjectExt", F + "ProjectExt=VBP\r\n", HELD(o.gsProjectExt), "VBP"},
        {"ResourceExt with blanks", F + "ResourceExt=RC RC2\r\n", HELD(o.gsResourceExt), "RC|RC2"},
        {"ResourceExt empty", F + "ResourceExt=\r\n", HELD(o.gsResourceExt), ""},
        // The history file's default is the program's own.
        {"SaveZelFile missing", "", HELD(o.gsSaveZelFile), "@P/KEMHIST.KEM"},
        {"SaveZelFile empty", G + "SaveZelFile=\r\n", HELD(o.gsSaveZelFile), ""},
        // Dictionaries, present and absent.
        {"main dictionary missing, own present", "", HELD(o.gsStandardDictionary), "@P/SPELLDIC.DAT", {"SPELLDIC.DAT"}},
        {"main dictionary missing, own absent", "", HELD(o.gsStandardDictionary), ""},
        {"main dictionary empty", S + "StandardDictionary=\r\n", HELD(o.gsStandardDictionary), "@P/SPELLDIC.DAT",
         {"SPELLDIC.DAT"}},
        {"main dictionary elsewhere named SPELLDIC.DAT", S + "StandardDictionary=/old/SPELLDIC.DAT\r\n",
         HELD(o.gsStandardDictionary), "@P/SPELLDIC.DAT", {"SPELLDIC.DAT"}},
        {"main dictionary the old AMERICAN.VTD", S + "StandardDictionary=C:\\VB\\AMERICAN.VTD\r\n",
         HELD(o.gsStandardDictionary), ""},
        {"main dictionary name in other letter case", S + "StandardDictionary=/old/spelldic.dat\r\n",
         HELD(o.gsStandardDictionary), "/old/spelldic.dat", {"SPELLDIC.DAT"}},
        {"main dictionary another missing file", S + "StandardDictionary=/nowhere/words.dat\r\n",
         HELD(o.gsStandardDictionary), "/nowhere/words.dat"},
        {"custom dictionary missing, own present", "", HELD(o.gsCustomDictionary), "@P/VEZUZ.DIC", {"VEZUZ.DIC"}},
        {"custom dictionary missing, own absent", "", HELD(o.gsCustomDictionary), ""},
        {"custom dictionary empty", S + "CustomDictionary=\r\n", HELD(o.gsCustomDictionary), "", {"VEZUZ.DIC"}},
        {"custom dictionary Unknown", S + "CustomDictionary=Unknown\r\n", HELD(o.gsCustomDictionary), "@P/VEZUZ.DIC",
         {"VEZUZ.DIC"}},
        {"custom dictionary another missing file", S + "CustomDictionary=/x/mine.dic\r\n", HELD(o.gsCustomDictionary),
         "/x/mine.dic"},
        // Comment-block templates, present and absent.
        {"ModuleFile names a missing file", C + "Module=Yes\r\nModuleFile=/gone/MOD.DEF\r\n",
         [](const ZelkOptions& o) { return o.gsCmtModuleFile + "|" + HeldText(o.gblnCmtModule); }, "|False", {"CMTMOD.DEF"}},
        {"ModuleFile empty, own template present", C + "Module=Yes\r\nModuleFile=\r\n",
         [](const ZelkOptions& o) { return o.gsCmtModuleFile + "|" + HeldText(o.gblnCmtModule); }, "@P/CMTMOD.DEF|True", {"CMTMOD.DEF"}},
        {"ModuleFile empty, own template absent", C + "Module=Yes\r\n",
         [](const ZelkOptions& o) { return o.gsCmtModuleFile + "|" + HeldText(o.gblnCmtModule); }, "|True"},
        {"ModuleFile names a present file", C + "Module=Yes\r\nModuleFile=@P/CMTUDP.DEF\r\n",
         [](const ZelkOptions& o) { return o.gsCmtModuleFile + "|" + HeldText(o.gblnCmtModule); }, "@P/CMTUDP.DEF|True", {"CMTUDP.DEF"}},
        {"UDPFile names a missing file", C + "Module=Yes\r\nUDP=Yes\r\nUDPFile=/gone/UDP.DEF\r\n",
         [](const ZelkOptions& o) { return o.gsCmtUDPFile + "|" + HeldText(o.gblnCmtUDP) + "|" + HeldText(o.gblnCmtModule); }, "|False|True"},
        {"EventFile missing, own template present", C + "Event=No\r\n",
         [](const ZelkOptions& o) { return o.gsCmtEventFile + "|" + HeldText(o.gblnCmtEvent); }, "@P/CMTEVT.DEF|False", {"CMTEVT.DEF"}},
        {"EventFile names a missing file", C + "Event=Yes\r\nEventFile=/gone/EVT.DEF\r\n",
         [](const ZelkOptions& o) { return o.gsCmtEventFile + "|" + HeldText(o.gblnCmtEvent); }, "|False", {"CMTEVT.DEF"}},
    };
    for (const auto& c : cases) {
        settingsfile::OnlyProgramFiles(c.programFiles);
        settingsfile::Write(settingsfile::WithProgramDir(c.file));
        EXPECT_EQ(c.actual(settingsfile::Load()), settingsfile::WithProgramDir(c.expected)) << c.what;
    }
}

TEST_F(SettingsLoad, WindowPlaceFollowsTheScreen) {
    struct Screen {
        Screen() { SetScreenSize({1024 * 15.0, 768 * 15.0}); }
        ~Screen() { SetScreenSize(kHeadlessScreen); }
    } screen;
    settingsfile::Write("[Program]\r\nWidth=20000\r\n");
    settingsfile::Load();
    EXPECT_EQ(vb::SingleText(oWindowObject->TheLeft), "2565.12");
    EXPECT_EQ(vb::SingleText(oWindowObject->TheHeight), "7718.4");
    EXPECT_EQ(vb::SingleText(oWindowObject->TheWidth), "15360");
}

TEST_F(SettingsLoad, AValueTheGlobalCannotHoldIsSkippedAndTheLoadGoesOn) {
    ZelkOptions options;
    options.glLineNumberStart = 777;
    settingsfile::Write("[ErrorHandling]\r\nLineNumberStart=5000000000\r\nLineNumberInc=3\r\n");
    settingsfile::Load(options);
    EXPECT_EQ(options.glLineNumberStart, 777);
    EXPECT_EQ(options.glLineNumberInc, 3);
}

TEST_F(SettingsLoad, WithoutTrappingTheFailureReachesTheCaller) {
    oDebug->DontTrapErrors = true;
    settingsfile::Write("[ErrorHandling]\r\nLineNumberStart=-5000000000\r\n");
    try {
        settingsfile::Load();
        FAIL() << "no error raised";
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kOverflow);
    }
}

TEST_F(SettingsLoad, TheErrorModeIsTheOneInForceWhenTheLoadStarts) {
    // The file turns trapping off in [Debug], before the failing key.
    oDebug->DontTrapErrors = false;
    settingsfile::Write("[Debug]\r\nDontTrapErrors=Yes\r\n[ErrorHandling]\r\nLineNumberStart=9e99\r\n");
    settingsfile::Load();
    EXPECT_TRUE(oDebug->DontTrapErrors);

    // And the other way round: trapping off at the start, on in the file.
    settingsfile::Write("[Debug]\r\nDontTrapErrors=No\r\n[ErrorHandling]\r\nLineNumberStart=9e99\r\n");
    EXPECT_THROW(settingsfile::Load(), VBError);
    EXPECT_FALSE(oDebug->DontTrapErrors);
}

TEST_F(SettingsLoad, MissingFileDialogObjectSkipsOnlyItsKey) {
    oCommonDialog.reset();
    settingsfile::Write("[General]\r\nCDLGFilterIndex=2\r\nSplitIfs=Yes\r\n");
    ZelkOptions options;
    sbGetINIInfo(options);
    EXPECT_TRUE(options.gblnSplitIfs);
    EXPECT_EQ(oCommonDialog, nullptr);
}

TEST_F(SettingsLoad, TraceLinesOfTheLoadAreWrittenWhateverTheSwitches) {
    oDebug->LogApp = false;
    settingsfile::Write("");
    std::string log = paths::Join(testsupport::ProgramDir(), "t.log");
    oLog->LogOpen(log, 1);
    settingsfile::Load();
    oLog->LogClose();
    std::string text = testsupport::ReadFile(log);
    EXPECT_NE(text.find("->sbGetINIInfo"), std::string::npos) << text;
    EXPECT_NE(text.find("<-sbGetINIInfo"), std::string::npos) << text;
}

TEST(SettingsUser, UserAndCompanyComeFromTheProgramSection) {
    struct {
        const char* file;
        bool found;
        const char* user;
        const char* company;
    } cases[] = {
        {"", false, "", ""},
        {"[Program]\r\nUser=\r\nCompany=\r\n", false, "", ""},
        {"[Program]\r\nUser=A\r\nCompany=Zembrock Ltd\r\n", true, "A", "Zembrock Ltd"},
    };
    for (const auto& c : cases) {
        oAppInfo = std::make_unique<cAppInfo>();
        settingsfile::Write(c.file);
        bool found = !c.found;
        sbINIGetUser(found);
        EXPECT_EQ(found, c.found) << c.file;
        EXPECT_EQ(oAppInfo->User(), c.user) << c.file;
        EXPECT_EQ(oAppInfo->Company(), c.company) << c.file;
    }
}

TEST(SettingsUser, VersionIsEmptyWhenNoFileWroteIt) {
    sbInitINI();
    EXPECT_EQ(fsINIGetVersion(), "");
    settingsfile::Write("[Program]\r\nVersion=0.9.1\r\n");
    EXPECT_EQ(fsINIGetVersion(), "0.9.1");
}

TEST(fvRangeCheck, ClampsNumbersAndFallsBackToTheDefault) {
    struct {
        const char* value;
        const char* def;
        std::optional<double> lower, upper;
        double result;
        const char* valueAfter;
    } cases[] = {
        {"25", "99", -1, 20, 20, "20"},
        {"-7", "99", -1, 20, -1, "-1"},
        {"word", "99", -1, 20, 99, "word"},
        {"", "99", -1, 20, 99, ""},
        {"word", "nothing", -1, 20, 0, "word"},
        {" 12 ", "0", 0, 40, 12, " 12 "},
        {"1.5e1", "0", 0, 40, 15, "1.5e1"},
        {"40000", "0", std::nullopt, std::nullopt, 32767, "32767"},
        {"-40000", "0", std::nullopt, std::nullopt, -32768, "-32768"},
        {"7", "40 ", 10, 255, 10, "10"},
        {"x", "40 ", 10, 255, 40, "x"},
        {"5", "0", 10, 3, 10, "10"},  // the lower bound wins over a smaller upper bound
    };
    for (const auto& c : cases) {
        std::string value = c.value;
        EXPECT_EQ(fvRangeCheck(value, c.def, c.lower, c.upper), c.result) << c.value;
        EXPECT_EQ(value, c.valueAfter) << c.value;
    }
}

// A load from a named file (the zelk's own) leaves nothing of an earlier load:
// each key holds the file's value, or the first run's where the file lacks it
// or holds a value that cannot be held.
TEST_F(SettingsLoad, ALoadFromANamedFileKeepsNothingOfAnEarlierLoad) {
    for (const char* f : {"MINE.MOD", "MINE.UDP", "MINE.EVT"})
        testsupport::WriteFile(paths::Join(testsupport::ProgramDir(), f), "'block");
    settingsfile::OnlyProgramFiles({"SPELLDIC.DAT", "CMTUDP.DEF"});
    settingsfile::Write("");
    const auto firstRun = HeldValues(settingsfile::Load());
    const std::string named = paths::Join(testsupport::ConfigDir(), "named.ini");
    struct {
        const char* what;
        std::optional<std::string> file;  // nullopt: no file
        std::map<std::string, std::string> held;  // the rest as a first run has them
    } cases[] = {
        {"no file", std::nullopt, {}},
        {"an empty file", "", {}},
        {"some keys", "[General]\r\nSplitIfs=Yes\r\n[Indentation]\r\nIndentAmount=8\r\n",
         {{"General/SplitIfs", "Yes"}, {"Indentation/IndentAmount", "8"}}},
        {"values that cannot be held",
         "[ErrorHandling]\r\nLineNumberStart=5000000000\r\nLineNumberInc=3\r\n[Program]\r\nTabWidth=wide\r\n"
         "[Comment Blocks]\r\nModule=Yes\r\nModuleFile=/gone/MOD.DEF\r\n",
         {{"ErrorHandling/LineNumberInc", "3"}}},
        {"trapping turned off before a failing key",
         "[Debug]\r\nDontTrapErrors=Yes\r\n[ErrorHandling]\r\nLineNumberStart=9e99\r\n",
         {{"Debug/DontTrapErrors", "Yes"}}},
        {"a dictionary and a template of the program's own", "[Spell]\r\nStandardDictionary=\r\n"
         "[Comment Blocks]\r\nUDP=Yes\r\nUDPFile=\r\n",
         {{"Comment Blocks/UDP", "Yes"}}},
    };
    for (const auto& c : cases) {
        // The earlier load: every place holds a value of its own, the error
        // trapping and the tracing off.
        ZelkOptions options;
        for (const auto& place : SettingPlaces()) place.Set(options, settingsfile::WithProgramDir(place.Stored));
        std::filesystem::remove(named);
        if (c.file) testsupport::WriteFile(named, *c.file);
        sbLoadSettingsFrom(named, options);
        for (const auto& [name, value] : HeldValues(options)) {
            auto expected = c.held.find(name);
            EXPECT_EQ(value, expected == c.held.end() ? firstRun.at(name) : expected->second) << c.what << ": " << name;
        }
    }
    EXPECT_EQ(firstRun.at("Spell/StandardDictionary"), settingsfile::WithProgramDir("@P/SPELLDIC.DAT"));
    EXPECT_EQ(firstRun.at("Comment Blocks/UDPFile"), settingsfile::WithProgramDir("@P/CMTUDP.DEF"));
    EXPECT_EQ(firstRun.at("ErrorHandling/LineNumberStart"), "10000");
}

// With application tracing left on by an earlier load, the looks for the
// program's own dictionaries and templates that put every key back to its
// first-run value are traced, once each, before the load's own lines; the
// tracing is off from then on.
TEST_F(SettingsLoad, TracingLeftOnShowsTheLooksForTheProgramsOwnFilesBeforeTheLoad) {
    const std::string log = paths::Join(testsupport::ProgramDir(), "t.log");
    oLog->LogOpen(log, 1);
    oDebug->LogApp = true;
    const std::string named = paths::Join(testsupport::ConfigDir(), "named.ini");
    testsupport::WriteFile(named, "[Spell]\r\nCustomDictionary=Unknown\r\n[Comment Blocks]\r\nModuleFile=\r\n");
    ZelkOptions options;
    sbLoadSettingsFrom(named, options);
    oLog->LogClose();
    const std::string text = testsupport::ReadFile(log);
    const size_t load = text.find("->sbGetINIInfo");
    ASSERT_NE(load, std::string::npos) << text;
    size_t looks = 0;
    for (size_t at = text.find("->MFILESET::FileExists"); at != std::string::npos;
         at = text.find("->MFILESET::FileExists", at + 1)) {
        EXPECT_LT(at, load) << text;
        ++looks;
    }
    EXPECT_EQ(looks, 5u) << text;  // two dictionaries, three templates
    EXPECT_FALSE(oDebug->LogApp);
}
