#include "SettingsPlaces.h"

#include <type_traits>

#include "settings/ProgramOptions.h"
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
#define WS(key) BOOL("White Space", #key, goOptions.gblnWS##key, "Yes")

const std::vector<SettingPlace>& SettingPlaces() {
    static const std::vector<SettingPlace> places = [] {
        std::vector<SettingPlace> p = {
            MEMBER_BOOL("Program", "DebugMenu", oAppInfo->DebugMenu, "Yes"),
            TEXT("Program", "DefaultFileLoc", goOptions.gsDefaultFileLoc, "/src/vb"),
            SettingPlace{"Program", "WindowState", [] { return std::to_string(oWindowObject->WindowState()); },
                         [](const std::string& v) { oWindowObject->WindowState(std::stoi(v)); }, "2", false},
            INT("Program", "TabWidth", goOptions.giTabWidth, "-1"),
            SINGLE("Program", "Left", oWindowObject->TheLeft, "1234.5"),
            SINGLE("Program", "Top", oWindowObject->TheTop, "321.25"),
            SINGLE("Program", "Width", oWindowObject->TheWidth, "5000.5"),
            SINGLE("Program", "Height", oWindowObject->TheHeight, "4000"),

            MEMBER_BOOL("View", "Toolbar", oAppInfo->Toolbar, "No"),
            MEMBER_BOOL("View", "ToolTips", oAppInfo->ToolTips, "No"),
            MEMBER_BOOL("View", "StatusBar", oAppInfo->StatusBar, "No"),

            INT_AT("General", "CDLGFilterIndex", oCommonDialog->FilterIndex, "3", false),
            BOOL("General", "SaveZelInfo", goOptions.gblnSaveZelInfo, "Yes"),
            TEXT("General", "SaveZelFile", goOptions.gsSaveZelFile, "/data/hist.kem"),
            BOOL("General", "OptionExplicit", goOptions.gblnOptionExplicit, "Yes"),
            BOOL("General", "AlignAs", goOptions.gblnAlignAs, "Yes"),
            INT("General", "AlignAsColumn", goOptions.giAlignAsColumn, "55"),
            BOOL("General", "NextVariable", goOptions.gblnNextVariable, "Yes"),
            BOOL("General", "SplitDeclarations", goOptions.gblnSplitDeclarations, "Yes"),
            BOOL("General", "SplitConsts", goOptions.gblnSplitConsts, "Yes"),
            BOOL("General", "SplitIfs", goOptions.gblnSplitIfs, "Yes"),
            BOOL("General", "SplitLabels", goOptions.gblnSplitLabels, "Yes"),
            BOOL("General", "SplitMultiLines", goOptions.gblnSplitMultiLines, "Yes"),
            INT("General", "Continuations", goOptions.giContinuations, "1"),
            BOOL("General", "InsertContinuations", goOptions.gblnInsertContinuations, "Yes"),
            BOOL("General", "KeepIndentation", goOptions.gblnKeepIndentation, "Yes"),
            MEMBER_BOOL("General", "ShowOpenDialog", oAppInfo->ShowOpenDialog, "No"),
            INT("General", "ContinuationColumn", goOptions.giContinuationColumn, "100"),
            BOOL("General", "KillNumericLabels", goOptions.gblnKillNumericLabels, "Yes"),

            INT("Files", "SaveInBackup", goOptions.giSaveInBackup, "1"),
            INT("Files", "Backup", goOptions.giBackup, "1"),
            TEXT("Files", "BackupDirectory", goOptions.gsBackupDirectory, "/backups"),
            INT("Files", "Overwrite", goOptions.giOverwrite, "1"),
            BOOL("Files", "LogSignificant", goOptions.gblnLogSignificant, "Yes"),
            INT("Files", "LogOverwrite", goOptions.giLogOverwrite, "3"),
            TEXT("Files", "QuindyPrinter", goOptions.gsQuindyPrinter, "/opt/vodu/VODU32.EXE"),
            TEXT("Files", "CodeExtNew", goOptions.gsCodeExt, "BAS|CLS|TXT"),
            TEXT("Files", "FormExtNew", goOptions.gsFormExt, "FRM"),
            TEXT("Files", "ProjectExtNew", goOptions.gsProjectExt, "VBP|VBG"),
            TEXT("Files", "ResourceExt", goOptions.gsResourceExt, "RC|RC2"),

            BOOL("Indentation", "AsIs", goOptions.gblnAsIs, "No"),
            INT("Indentation", "CodeLine", goOptions.giCodeLine, "1"),
            BOOL("Indentation", "Declarations", goOptions.gblnDeclarations, "Yes"),
            BOOL("Indentation", "ModDeclarations", goOptions.gblnModDeclarations, "Yes"),
            BOOL("Indentation", "BaseLines", goOptions.gblnBaseLines, "Yes"),
            INT("Indentation", "CaseStructure", goOptions.giCaseStructure, "2"),
            INT("Indentation", "IfStructure", goOptions.giIfStructure, "1"),
            INT("Indentation", "IndentAmount", goOptions.giIndentAmount, "3"),

            BOOL("Spell", "Enabled", goOptions.gblnSpellEnabled, "Yes"),
            BOOL("Spell", "Comments", goOptions.gblnSpellComments, "No"),
            BOOL("Spell", "FormLiterals", goOptions.gblnSpellFormLiterals, "No"),
            BOOL("Spell", "CodeLiterals", goOptions.gblnSpellCodeLiterals, "No"),
            BOOL("Spell", "IgnoreCaps", goOptions.gblnIgnoreCaps, "No"),
            BOOL("Spell", "IgnoreNumbers", goOptions.gblnIgnoreNumbers, "No"),
            BOOL("Spell", "IgnoreVBWords", goOptions.gblnIgnoreVBWords, "No"),
            TEXT("Spell", "StandardDictionary", goOptions.gsStandardDictionary, "/dicts/main.dat"),
            TEXT("Spell", "CustomDictionary", goOptions.gsCustomDictionary, "/dicts/mine.dic"),

            INT("Comment Blocks", "Where", goOptions.giCmtWhere, "1"),
            BOOL("Comment Blocks", "Overwrite", goOptions.gblnCmtOverwrite, "Yes"),
            BOOL("Comment Blocks", "AutoInsert", goOptions.gblnCmtAutoInsert, "No"),
            BOOL("Comment Blocks", "Module", goOptions.gblnCmtModule, "Yes"),
            TEXT("Comment Blocks", "ModuleFile", goOptions.gsCmtModuleFile, "@P/MINE.MOD"),
            BOOL("Comment Blocks", "UDP", goOptions.gblnCmtUDP, "Yes"),
            TEXT("Comment Blocks", "UDPFile", goOptions.gsCmtUDPFile, "@P/MINE.UDP"),
            BOOL("Comment Blocks", "Event", goOptions.gblnCmtEvent, "Yes"),
            TEXT("Comment Blocks", "EventFile", goOptions.gsCmtEventFile, "@P/MINE.EVT"),

            BOOL("White Space", "XSLines", goOptions.gblnXSLines, "Yes"),
            INT("White Space", "XSLinesAmount", goOptions.giXSLinesAmount, "3"),
            BOOL("White Space", "NoChange", goOptions.gblnWSNoChange, "No"),
            BOOL("White Space", "Change", goOptions.gblnWSChange, "Yes"),
            WS(BeforeSub), WS(AfterSub), WS(BeforeEndSub), WS(AfterEndSub), WS(BeforeIf), WS(AfterIf),
            WS(BeforeElse), WS(AfterElse), WS(BeforeEndIf), WS(AfterEndIf), WS(BeforeLoop), WS(AfterLoop),
            WS(BeforeEndLoop), WS(AfterEndLoop), WS(BeforeSelect), WS(AfterSelect), WS(BeforeCase),
            WS(AfterCase), WS(BeforeEndSelect), WS(AfterEndSelect), WS(BeforeLabel), WS(AfterLabel),
            WS(BeforeDec), WS(AfterDec),

            INT("Comments", "StandAlone", goOptions.giCmtStandAlone, "0"),
            INT("Comments", "StandAloneColumn", goOptions.giCmtStandAloneColumn, "8"),
            INT("Comments", "InLineColumn", goOptions.giCmtInLineColumn, "60"),
            INT("Comments", "InLine", goOptions.giCmtInLine, "2"),
            BOOL("Comments", "InLineRight", goOptions.gblnCmtInLineRight, "Yes"),
            BOOL("Comments", "InLineNext", goOptions.gblnCmtInLineNext, "Yes"),

            BOOL("Dialect", "Autodetect", goOptions.gblnDialectAutodetect, "No"),
            TEXT("Dialect", "Default", goOptions.gsDialectDefault, "4"),

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

            BOOL("Arrange Declares", "DoProcs", goOptions.gblnDoProcs, "Yes"),
            TEXT("Arrange Declares", "ProcsHow", goOptions.gsProcsHow, "31232145"),
            BOOL("Arrange Declares", "DoLocals", goOptions.gblnDoLocals, "Yes"),
            TEXT("Arrange Declares", "LocalHow", goOptions.gsLocalHow, "54321"),
            BOOL("Arrange Declares", "DoModules", goOptions.gblnDoModules, "Yes"),
            TEXT("Arrange Declares", "ModuleHow", goOptions.gsModuleHow, "213427123456"),
            BOOL("Arrange Declares", "PublicFirst", goOptions.gblnPublicFirst, "Yes"),
            BOOL("Arrange Declares", "ConvertDeclare", goOptions.gblnConvertDeclare, "Yes"),
            BOOL("Arrange Declares", "ConvertMsgBox", goOptions.gblnConvertMsgBox, "Yes"),
            BOOL("Arrange Declares", "ConvertDAO", goOptions.gblnConvertDAO, "Yes"),
            BOOL("Arrange Declares", "ConvertSymbols", goOptions.gblnConvertSymbols, "Yes"),
            BOOL("Arrange Declares", "ConvertSymbolsCode", goOptions.gblnConvertSymbolsCode, "Yes"),
            LONG("Arrange Declares", "ConvertIntrinsicFunction", goOptions.glConvertIntrinsicFunction, "1"),

            BOOL("ErrorHandling", "InsertErrHandling", goOptions.gblnInsertErrHandling, "Yes"),
            BOOL("ErrorHandling", "InsertTracing", goOptions.gblnInsertTracing, "Yes"),
            BOOL("ErrorHandling", "AnalyzeDates", goOptions.gblnAnalyzeDates, "Yes"),
            BOOL("ErrorHandling", "InsertLineNumbers", goOptions.gblnInsertLineNumbers, "Yes"),
            LONG("ErrorHandling", "LineNumberStart", goOptions.glLineNumberStart, "100000"),
            LONG("ErrorHandling", "LineNumberInc", goOptions.glLineNumberInc, "5"),
            LONG("ErrorHandling", "LineNumberHow", goOptions.glLineNumberHow, "3"),
            TEXT("ErrorHandling", "ErrSet", goOptions.gsErrSet, "/t/errset.txt"),
            TEXT("ErrorHandling", "ErrTrap", goOptions.gsErrTrap, "/t/errtrap.txt"),
            TEXT("ErrorHandling", "TraceIn", goOptions.gsTraceIn, "/t/tracein.txt"),
            TEXT("ErrorHandling", "TraceOut", goOptions.gsTraceOut, "/t/traceout.txt"),
        };
        SettingPlace insertLogging = BOOL("General", "InsertLogging", goOptions.gblnInsertLogging, "Yes");
        insertLogging.Saved = false;
        p.push_back(insertLogging);
        return p;
    }();
    return places;
}
