#include "SettingsPlaces.h"

#include <type_traits>

#include "platform/VBText.h"
#include "common/clsCommonDialog.h"
#include "common/mKEMCommon.h"

namespace {
std::string YesNo(bool b) { return b ? "Yes" : "No"; }
}  // namespace

// In expr, `o` is the options value the place is read from or written to.
#define BOOL_AT(sec, key, expr, stored, global)                                                   \
    SettingPlace{sec, key, []([[maybe_unused]] const ZelkOptions& o) { return YesNo(expr); },     \
                 []([[maybe_unused]] ZelkOptions& o, const std::string& v) { expr = v == "Yes"; }, stored, global}
#define BOOL(sec, key, expr, stored) BOOL_AT(sec, key, expr, stored, true)
#define MEMBER_BOOL(sec, key, expr, stored) BOOL_AT(sec, key, expr, stored, false)
#define INT_AT(sec, key, expr, stored, global)                                                           \
    SettingPlace{sec, key, []([[maybe_unused]] const ZelkOptions& o) { return std::to_string(static_cast<long>(expr)); }, \
                 []([[maybe_unused]] ZelkOptions& o, const std::string& v) {                                         \
                     expr = static_cast<std::decay_t<decltype(expr)>>(std::stoi(v));                                 \
                 },                                                                                                  \
                 stored, global}
#define INT(sec, key, expr, stored) INT_AT(sec, key, expr, stored, true)
#define LONG(sec, key, expr, stored) \
    SettingPlace{sec, key, [](const ZelkOptions& o) { return std::to_string(static_cast<long>(expr)); }, \
                 [](ZelkOptions& o, const std::string& v) { expr = static_cast<std::decay_t<decltype(expr)>>(std::stol(v)); }, stored}
#define SINGLE(sec, key, expr, stored)                                                  \
    SettingPlace{sec, key, [](const ZelkOptions&) { return vb::SingleText(expr); },     \
                 [](ZelkOptions&, const std::string& v) { expr = std::stof(v); }, stored, false}
#define TEXT(sec, key, expr, stored) \
    SettingPlace{sec, key, [](const ZelkOptions& o) { return expr; }, [](ZelkOptions& o, const std::string& v) { expr = v; }, stored}
#define WS(key) BOOL("White Space", #key, o.gblnWS##key, "Yes")

const std::vector<SettingPlace>& SettingPlaces() {
    static const std::vector<SettingPlace> places = [] {
        std::vector<SettingPlace> p = {
            MEMBER_BOOL("Program", "DebugMenu", oAppInfo->DebugMenu, "Yes"),
            TEXT("Program", "DefaultFileLoc", o.gsDefaultFileLoc, "/src/vb"),
            SettingPlace{"Program", "WindowState",
                         [](const ZelkOptions&) { return std::to_string(oWindowObject->WindowState()); },
                         [](ZelkOptions&, const std::string& v) { oWindowObject->WindowState(std::stoi(v)); }, "2", false},
            INT("Program", "TabWidth", o.giTabWidth, "-1"),
            SINGLE("Program", "Left", oWindowObject->TheLeft, "1234.5"),
            SINGLE("Program", "Top", oWindowObject->TheTop, "321.25"),
            SINGLE("Program", "Width", oWindowObject->TheWidth, "5000.5"),
            SINGLE("Program", "Height", oWindowObject->TheHeight, "4000"),

            MEMBER_BOOL("View", "Toolbar", oAppInfo->Toolbar, "No"),
            MEMBER_BOOL("View", "ToolTips", oAppInfo->ToolTips, "No"),
            MEMBER_BOOL("View", "StatusBar", oAppInfo->StatusBar, "No"),

            INT_AT("General", "CDLGFilterIndex", oCommonDialog->FilterIndex, "3", false),
            BOOL("General", "SaveZelInfo", o.gblnSaveZelInfo, "Yes"),
            TEXT("General", "SaveZelFile", o.gsSaveZelFile, "/data/hist.kem"),
            BOOL("General", "OptionExplicit", o.gblnOptionExplicit, "Yes"),
            BOOL("General", "AlignAs", o.gblnAlignAs, "Yes"),
            INT("General", "AlignAsColumn", o.giAlignAsColumn, "55"),
            BOOL("General", "NextVariable", o.gblnNextVariable, "Yes"),
            BOOL("General", "SplitDeclarations", o.gblnSplitDeclarations, "Yes"),
            BOOL("General", "SplitConsts", o.gblnSplitConsts, "Yes"),
            BOOL("General", "SplitIfs", o.gblnSplitIfs, "Yes"),
            BOOL("General", "SplitLabels", o.gblnSplitLabels, "Yes"),
            BOOL("General", "SplitMultiLines", o.gblnSplitMultiLines, "Yes"),
            INT("General", "Continuations", o.giContinuations, "1"),
            BOOL("General", "InsertContinuations", o.gblnInsertContinuations, "Yes"),
            BOOL("General", "KeepIndentation", o.gblnKeepIndentation, "Yes"),
            MEMBER_BOOL("General", "ShowOpenDialog", oAppInfo->ShowOpenDialog, "No"),
            INT("General", "ContinuationColumn", o.giContinuationColumn, "100"),
            BOOL("General", "KillNumericLabels", o.gblnKillNumericLabels, "Yes"),

            INT("Files", "SaveInBackup", o.giSaveInBackup, "1"),
            INT("Files", "Backup", o.giBackup, "1"),
            TEXT("Files", "BackupDirectory", o.gsBackupDirectory, "/backups"),
            INT("Files", "Overwrite", o.giOverwrite, "1"),
            BOOL("Files", "LogSignificant", o.gblnLogSignificant, "Yes"),
            INT("Files", "LogOverwrite", o.giLogOverwrite, "3"),
            TEXT("Files", "QuindyPrinter", o.gsQuindyPrinter, "/opt/vodu/VODU32.EXE"),
            TEXT("Files", "CodeExtNew", o.gsCodeExt, "BAS|CLS|TXT"),
            TEXT("Files", "FormExtNew", o.gsFormExt, "FRM"),
            TEXT("Files", "ProjectExtNew", o.gsProjectExt, "VBP|VBG"),
            TEXT("Files", "ResourceExt", o.gsResourceExt, "RC|RC2"),

            BOOL("Indentation", "AsIs", o.gblnAsIs, "No"),
            INT("Indentation", "CodeLine", o.giCodeLine, "1"),
            BOOL("Indentation", "Declarations", o.gblnDeclarations, "Yes"),
            BOOL("Indentation", "ModDeclarations", o.gblnModDeclarations, "Yes"),
            BOOL("Indentation", "BaseLines", o.gblnBaseLines, "Yes"),
            INT("Indentation", "CaseStructure", o.giCaseStructure, "2"),
            INT("Indentation", "IfStructure", o.giIfStructure, "1"),
            INT("Indentation", "IndentAmount", o.giIndentAmount, "3"),

            BOOL("Spell", "Enabled", o.gblnSpellEnabled, "Yes"),
            BOOL("Spell", "Comments", o.gblnSpellComments, "No"),
            BOOL("Spell", "FormLiterals", o.gblnSpellFormLiterals, "No"),
            BOOL("Spell", "CodeLiterals", o.gblnSpellCodeLiterals, "No"),
            BOOL("Spell", "IgnoreCaps", o.gblnIgnoreCaps, "No"),
            BOOL("Spell", "IgnoreNumbers", o.gblnIgnoreNumbers, "No"),
            BOOL("Spell", "IgnoreVBWords", o.gblnIgnoreVBWords, "No"),
            TEXT("Spell", "StandardDictionary", o.gsStandardDictionary, "/dicts/main.dat"),
            TEXT("Spell", "CustomDictionary", o.gsCustomDictionary, "/dicts/mine.dic"),

            INT("Comment Blocks", "Where", o.giCmtWhere, "1"),
            BOOL("Comment Blocks", "Overwrite", o.gblnCmtOverwrite, "Yes"),
            BOOL("Comment Blocks", "AutoInsert", o.gblnCmtAutoInsert, "No"),
            BOOL("Comment Blocks", "Module", o.gblnCmtModule, "Yes"),
            TEXT("Comment Blocks", "ModuleFile", o.gsCmtModuleFile, "@P/MINE.MOD"),
            BOOL("Comment Blocks", "UDP", o.gblnCmtUDP, "Yes"),
            TEXT("Comment Blocks", "UDPFile", o.gsCmtUDPFile, "@P/MINE.UDP"),
            BOOL("Comment Blocks", "Event", o.gblnCmtEvent, "Yes"),
            TEXT("Comment Blocks", "EventFile", o.gsCmtEventFile, "@P/MINE.EVT"),

            BOOL("White Space", "XSLines", o.gblnXSLines, "Yes"),
            INT("White Space", "XSLinesAmount", o.giXSLinesAmount, "3"),
            BOOL("White Space", "NoChange", o.gblnWSNoChange, "No"),
            BOOL("White Space", "Change", o.gblnWSChange, "Yes"),
            WS(BeforeSub), WS(AfterSub), WS(BeforeEndSub), WS(AfterEndSub), WS(BeforeIf), WS(AfterIf),
            WS(BeforeElse), WS(AfterElse), WS(BeforeEndIf), WS(AfterEndIf), WS(BeforeLoop), WS(AfterLoop),
            WS(BeforeEndLoop), WS(AfterEndLoop), WS(BeforeSelect), WS(AfterSelect), WS(BeforeCase),
            WS(AfterCase), WS(BeforeEndSelect), WS(AfterEndSelect), WS(BeforeLabel), WS(AfterLabel),
            WS(BeforeDec), WS(AfterDec),

            INT("Comments", "StandAlone", o.giCmtStandAlone, "0"),
            INT("Comments", "StandAloneColumn", o.giCmtStandAloneColumn, "8"),
            INT("Comments", "InLineColumn", o.giCmtInLineColumn, "60"),
            INT("Comments", "InLine", o.giCmtInLine, "2"),
            BOOL("Comments", "InLineRight", o.gblnCmtInLineRight, "Yes"),
            BOOL("Comments", "InLineNext", o.gblnCmtInLineNext, "Yes"),

            BOOL("Dialect", "Autodetect", o.gblnDialectAutodetect, "No"),
            TEXT("Dialect", "Default", o.gsDialectDefault, "4"),

            SettingPlace{"Debug", "LogFile", [](const ZelkOptions&) { return oLog->LogFileName(); },
                         [](ZelkOptions&, const std::string& v) { oLog->LogFileName(v); }, "/logs/zelker.log", false},
            MEMBER_BOOL("Debug", "LoggingIsOn", oAppInfo->Logging, "Yes"),
            MEMBER_BOOL("Debug", "DontTrapErrors", oDebug->DontTrapErrors, "Yes"),
            MEMBER_BOOL("Debug", "DontFixDataErrors", oDebug->DontFixDataErrors, "Yes"),
            MEMBER_BOOL("Debug", "TraceEvents", oDebug->LogEvents, "Yes"),
            MEMBER_BOOL("Debug", "TraceMouseMove", oDebug->LogMouseEvents, "Yes"),
            MEMBER_BOOL("Debug", "TraceApplication", oDebug->LogApp, "Yes"),
            MEMBER_BOOL("Debug", "TraceClasses", oDebug->LogClasses, "Yes"),
            MEMBER_BOOL("Debug", "TracePackages", oDebug->LogZurudUvu, "Yes"),

            BOOL("Arrange Declares", "DoProcs", o.gblnDoProcs, "Yes"),
            TEXT("Arrange Declares", "ProcsHow", o.gsProcsHow, "31232145"),
            BOOL("Arrange Declares", "DoLocals", o.gblnDoLocals, "Yes"),
            TEXT("Arrange Declares", "LocalHow", o.gsLocalHow, "54321"),
            BOOL("Arrange Declares", "DoModules", o.gblnDoModules, "Yes"),
            TEXT("Arrange Declares", "ModuleHow", o.gsModuleHow, "213427123456"),
            BOOL("Arrange Declares", "PublicFirst", o.gblnPublicFirst, "Yes"),
            BOOL("Arrange Declares", "ConvertDeclare", o.gblnConvertDeclare, "Yes"),
            BOOL("Arrange Declares", "ConvertMsgBox", o.gblnConvertMsgBox, "Yes"),
            BOOL("Arrange Declares", "ConvertDAO", o.gblnConvertDAO, "Yes"),
            BOOL("Arrange Declares", "ConvertSymbols", o.gblnConvertSymbols, "Yes"),
            BOOL("Arrange Declares", "ConvertSymbolsCode", o.gblnConvertSymbolsCode, "Yes"),
            LONG("Arrange Declares", "ConvertIntrinsicFunction", o.glConvertIntrinsicFunction, "1"),

            BOOL("ErrorHandling", "InsertErrHandling", o.gblnInsertErrHandling, "Yes"),
            BOOL("ErrorHandling", "InsertTracing", o.gblnInsertTracing, "Yes"),
            BOOL("ErrorHandling", "AnalyzeDates", o.gblnAnalyzeDates, "Yes"),
            BOOL("ErrorHandling", "InsertLineNumbers", o.gblnInsertLineNumbers, "Yes"),
            LONG("ErrorHandling", "LineNumberStart", o.glLineNumberStart, "100000"),
            LONG("ErrorHandling", "LineNumberInc", o.glLineNumberInc, "5"),
            LONG("ErrorHandling", "LineNumberHow", o.glLineNumberHow, "3"),
            TEXT("ErrorHandling", "ErrSet", o.gsErrSet, "/t/errset.txt"),
            TEXT("ErrorHandling", "ErrTrap", o.gsErrTrap, "/t/errtrap.txt"),
            TEXT("ErrorHandling", "TraceIn", o.gsTraceIn, "/t/tracein.txt"),
            TEXT("ErrorHandling", "TraceOut", o.gsTraceOut, "/t/traceout.txt"),
        };
        SettingPlace insertLogging = BOOL("General", "InsertLogging", o.gblnInsertLogging, "Yes");
        insertLogging.Saved = false;
        p.push_back(insertLogging);
        return p;
    }();
    return places;
}
