#include "SettingsPlaces.h"

#include <type_traits>

#include "settings/OptionGlobals.h"
#include "platform/VBText.h"
#include "common/clsCommonDialog.h"
#include "common/mKEMCommon.h"

namespace {
std::string YesNo(bool b) { return b ? "Yes" : "No"; }
}  // namespace

#define BOOL_AT(sec, key, expr, stored, global) \
    SettingPlace{sec, key, [] { return YesNo(expr); }, [](const std::string& v) { expr = v == "Yes"; }, stored, global}
#define BOOL(sec, key, expr, stored) BOOL_AT(sec, key, expr, stored, true)
#define MEMBER_BOOL(sec, key, expr, stored) BOOL_AT(sec, key, expr, stored, false)
#define INT_AT(sec, key, expr, stored, global)                                                           \
    SettingPlace{sec, key, [] { return std::to_string(static_cast<long>(expr)); },                       \
                 [](const std::string& v) { expr = static_cast<std::decay_t<decltype(expr)>>(std::stoi(v)); }, stored, global}
#define INT(sec, key, expr, stored) INT_AT(sec, key, expr, stored, true)
#define LONG(sec, key, expr, stored) \
    SettingPlace{sec, key, [] { return std::to_string(static_cast<long>(expr)); }, \
                 [](const std::string& v) { expr = static_cast<std::decay_t<decltype(expr)>>(std::stol(v)); }, stored}
#define SINGLE(sec, key, expr, stored)                                                  \
    SettingPlace{sec, key, [] { return vb::SingleText(expr); },                         \
                 [](const std::string& v) { expr = std::stof(v); }, stored, false}
#define TEXT(sec, key, expr, stored) \
    SettingPlace{sec, key, [] { return expr; }, [](const std::string& v) { expr = v; }, stored}
#define WS(key) BOOL("White Space", #key, gblnWS##key, "Yes")

const std::vector<SettingPlace>& SettingPlaces() {
    static const std::vector<SettingPlace> places = [] {
        std::vector<SettingPlace> p = {
            MEMBER_BOOL("Program", "DebugMenu", oAppInfo->DebugMenu, "Yes"),
            TEXT("Program", "DefaultFileLoc", gsDefaultFileLoc, "/src/vb"),
            SettingPlace{"Program", "WindowState", [] { return std::to_string(oWindowObject->WindowState()); },
                         [](const std::string& v) { oWindowObject->WindowState(std::stoi(v)); }, "2", false},
            INT("Program", "TabWidth", giTabWidth, "-1"),
            SINGLE("Program", "Left", oWindowObject->TheLeft, "1234.5"),
            SINGLE("Program", "Top", oWindowObject->TheTop, "321.25"),
            SINGLE("Program", "Width", oWindowObject->TheWidth, "5000.5"),
            SINGLE("Program", "Height", oWindowObject->TheHeight, "4000"),

            MEMBER_BOOL("View", "Toolbar", oAppInfo->Toolbar, "No"),
            MEMBER_BOOL("View", "ToolTips", oAppInfo->ToolTips, "No"),
            MEMBER_BOOL("View", "StatusBar", oAppInfo->StatusBar, "No"),

            INT_AT("General", "CDLGFilterIndex", oCommonDialog->FilterIndex, "3", false),
            BOOL("General", "SaveZelInfo", gblnSaveZelInfo, "Yes"),
            TEXT("General", "SaveZelFile", gsSaveZelFile, "/data/hist.kem"),
            BOOL("General", "OptionExplicit", gblnOptionExplicit, "Yes"),
            BOOL("General", "AlignAs", gblnAlignAs, "Yes"),
            INT("General", "AlignAsColumn", giAlignAsColumn, "55"),
            BOOL("General", "NextVariable", gblnNextVariable, "Yes"),
            BOOL("General", "SplitDeclarations", gblnSplitDeclarations, "Yes"),
            BOOL("General", "SplitConsts", gblnSplitConsts, "Yes"),
            BOOL("General", "SplitIfs", gblnSplitIfs, "Yes"),
            BOOL("General", "SplitLabels", gblnSplitLabels, "Yes"),
            BOOL("General", "SplitMultiLines", gblnSplitMultiLines, "Yes"),
            INT("General", "Continuations", giContinuations, "1"),
            BOOL("General", "InsertContinuations", gblnInsertContinuations, "Yes"),
            BOOL("General", "KeepIndentation", gblnKeepIndentation, "Yes"),
            MEMBER_BOOL("General", "ShowOpenDialog", oAppInfo->ShowOpenDialog, "No"),
            INT("General", "ContinuationColumn", giContinuationColumn, "100"),
            BOOL("General", "KillNumericLabels", gblnKillNumericLabels, "Yes"),

            INT("Files", "SaveInBackup", giSaveInBackup, "1"),
            INT("Files", "Backup", giBackup, "1"),
            TEXT("Files", "BackupDirectory", gsBackupDirectory, "/backups"),
            INT("Files", "Overwrite", giOverwrite, "1"),
            BOOL("Files", "LogSignificant", gblnLogSignificant, "Yes"),
            INT("Files", "LogOverwrite", giLogOverwrite, "3"),
            TEXT("Files", "QuindyPrinter", gsQuindyPrinter, "/opt/vodu/VODU32.EXE"),
            TEXT("Files", "CodeExtNew", gsCodeExt, "BAS|CLS|TXT"),
            TEXT("Files", "FormExtNew", gsFormExt, "FRM"),
            TEXT("Files", "ProjectExtNew", gsProjectExt, "VBP|VBG"),
            TEXT("Files", "ResourceExt", gsResourceExt, "RC|RC2"),

            BOOL("Indentation", "AsIs", gblnAsIs, "No"),
            INT("Indentation", "CodeLine", giCodeLine, "1"),
            BOOL("Indentation", "Declarations", gblnDeclarations, "Yes"),
            BOOL("Indentation", "ModDeclarations", gblnModDeclarations, "Yes"),
            BOOL("Indentation", "BaseLines", gblnBaseLines, "Yes"),
            INT("Indentation", "CaseStructure", giCaseStructure, "2"),
            INT("Indentation", "IfStructure", giIfStructure, "1"),
            INT("Indentation", "IndentAmount", giIndentAmount, "3"),

            BOOL("Spell", "Enabled", gblnSpellEnabled, "Yes"),
            BOOL("Spell", "Comments", gblnSpellComments, "No"),
            BOOL("Spell", "FormLiterals", gblnSpellFormLiterals, "No"),
            BOOL("Spell", "CodeLiterals", gblnSpellCodeLiterals, "No"),
            BOOL("Spell", "IgnoreCaps", gblnIgnoreCaps, "No"),
            BOOL("Spell", "IgnoreNumbers", gblnIgnoreNumbers, "No"),
            BOOL("Spell", "IgnoreVBWords", gblnIgnoreVBWords, "No"),
            TEXT("Spell", "StandardDictionary", gsStandardDictionary, "/dicts/main.dat"),
            TEXT("Spell", "CustomDictionary", gsCustomDictionary, "/dicts/mine.dic"),

            INT("Comment Blocks", "Where", giCmtWhere, "1"),
            BOOL("Comment Blocks", "Overwrite", gblnCmtOverwrite, "Yes"),
            BOOL("Comment Blocks", "AutoInsert", gblnCmtAutoInsert, "No"),
            BOOL("Comment Blocks", "Module", gblnCmtModule, "Yes"),
            TEXT("Comment Blocks", "ModuleFile", gsCmtModuleFile, "@P/MINE.MOD"),
            BOOL("Comment Blocks", "UDP", gblnCmtUDP, "Yes"),
            TEXT("Comment Blocks", "UDPFile", gsCmtUDPFile, "@P/MINE.UDP"),
            BOOL("Comment Blocks", "Event", gblnCmtEvent, "Yes"),
            TEXT("Comment Blocks", "EventFile", gsCmtEventFile, "@P/MINE.EVT"),

            BOOL("White Space", "XSLines", gblnXSLines, "Yes"),
            INT("White Space", "XSLinesAmount", giXSLinesAmount, "3"),
            BOOL("White Space", "NoChange", gblnWSNoChange, "No"),
            BOOL("White Space", "Change", gblnWSChange, "Yes"),
            WS(BeforeSub), WS(AfterSub), WS(BeforeEndSub), WS(AfterEndSub), WS(BeforeIf), WS(AfterIf),
            WS(BeforeElse), WS(AfterElse), WS(BeforeEndIf), WS(AfterEndIf), WS(BeforeLoop), WS(AfterLoop),
            WS(BeforeEndLoop), WS(AfterEndLoop), WS(BeforeSelect), WS(AfterSelect), WS(BeforeCase),
            WS(AfterCase), WS(BeforeEndSelect), WS(AfterEndSelect), WS(BeforeLabel), WS(AfterLabel),
            WS(BeforeDec), WS(AfterDec),

            INT("Comments", "StandAlone", giCmtStandAlone, "0"),
            INT("Comments", "StandAloneColumn", giCmtStandAloneColumn, "8"),
            INT("Comments", "InLineColumn", giCmtInLineColumn, "60"),
            INT("Comments", "InLine", giCmtInLine, "2"),
            BOOL("Comments", "InLineRight", gblnCmtInLineRight, "Yes"),
            BOOL("Comments", "InLineNext", gblnCmtInLineNext, "Yes"),

            BOOL("Dialect", "Autodetect", gblnDialectAutodetect, "No"),
            TEXT("Dialect", "Default", gsDialectDefault, "4"),

            SettingPlace{"Debug", "LogFile", [] { return oLog->LogFileName(); },
                         [](const std::string& v) { oLog->LogFileName(v); }, "/logs/zelker.log", false},
            MEMBER_BOOL("Debug", "LoggingIsOn", oAppInfo->Logging, "Yes"),
            MEMBER_BOOL("Debug", "DontTrapErrors", oDebug->DontTrapErrors, "Yes"),
            MEMBER_BOOL("Debug", "DontFixDataErrors", oDebug->DontFixDataErrors, "Yes"),
            MEMBER_BOOL("Debug", "TraceEvents", oDebug->LogEvents, "Yes"),
            MEMBER_BOOL("Debug", "TraceMouseMove", oDebug->LogMouseEvents, "Yes"),
            MEMBER_BOOL("Debug", "TraceApplication", oDebug->LogApp, "Yes"),
            MEMBER_BOOL("Debug", "TraceClasses", oDebug->LogClasses, "Yes"),
            MEMBER_BOOL("Debug", "TracePackages", oDebug->LogZurudUvu, "Yes"),

            BOOL("Arrange Declares", "DoProcs", gblnDoProcs, "Yes"),
            TEXT("Arrange Declares", "ProcsHow", gsProcsHow, "31232145"),
            BOOL("Arrange Declares", "DoLocals", gblnDoLocals, "Yes"),
            TEXT("Arrange Declares", "LocalHow", gsLocalHow, "54321"),
            BOOL("Arrange Declares", "DoModules", gblnDoModules, "Yes"),
            TEXT("Arrange Declares", "ModuleHow", gsModuleHow, "213427123456"),
            BOOL("Arrange Declares", "PublicFirst", gblnPublicFirst, "Yes"),
            BOOL("Arrange Declares", "ConvertDeclare", gblnConvertDeclare, "Yes"),
            BOOL("Arrange Declares", "ConvertMsgBox", gblnConvertMsgBox, "Yes"),
            BOOL("Arrange Declares", "ConvertDAO", gblnConvertDAO, "Yes"),
            BOOL("Arrange Declares", "ConvertSymbols", gblnConvertSymbols, "Yes"),
            BOOL("Arrange Declares", "ConvertSymbolsCode", gblnConvertSymbolsCode, "Yes"),
            LONG("Arrange Declares", "ConvertIntrinsicFunction", glConvertIntrinsicFunction, "1"),

            BOOL("ErrorHandling", "InsertErrHandling", gblnInsertErrHandling, "Yes"),
            BOOL("ErrorHandling", "InsertTracing", gblnInsertTracing, "Yes"),
            BOOL("ErrorHandling", "AnalyzeDates", gblnAnalyzeDates, "Yes"),
            BOOL("ErrorHandling", "InsertLineNumbers", gblnInsertLineNumbers, "Yes"),
            LONG("ErrorHandling", "LineNumberStart", glLineNumberStart, "100000"),
            LONG("ErrorHandling", "LineNumberInc", glLineNumberInc, "5"),
            LONG("ErrorHandling", "LineNumberHow", glLineNumberHow, "3"),
            TEXT("ErrorHandling", "ErrSet", gsErrSet, "/t/errset.txt"),
            TEXT("ErrorHandling", "ErrTrap", gsErrTrap, "/t/errtrap.txt"),
            TEXT("ErrorHandling", "TraceIn", gsTraceIn, "/t/tracein.txt"),
            TEXT("ErrorHandling", "TraceOut", gsTraceOut, "/t/traceout.txt"),
        };
        SettingPlace insertLogging = BOOL("General", "InsertLogging", gblnInsertLogging, "Yes");
        insertLogging.Saved = false;
        p.push_back(insertLogging);
        return p;
    }();
    return places;
}
