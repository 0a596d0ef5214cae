#pragma once
// The option globals: one per setting of the settings file, loaded by
// sbGetINIInfo, written back by sbINIPutInfo, edited by the options dialog
// and read by the engine, the file selection and the main window.
//
// Each starts with the value a first run (no settings file) loads, so code
// and tests that never load a settings file see the program's defaults. The
// few defaults that depend on the program's folder (history file,
// dictionaries, comment-block templates) start empty; the load fills them in.
#include <string>

// [Program]
inline std::string gsDefaultFileLoc;
// -1 leave tabs, 99 not chosen yet (the tab-width dialog asks), else -1..20.
inline int giTabWidth = 99;

// [General]
inline bool gblnSaveZelInfo = false;
inline std::string gsSaveZelFile;
inline bool gblnOptionExplicit = false;
inline bool gblnAlignAs = false;
inline int giAlignAsColumn = 40;
inline bool gblnNextVariable = false;
inline bool gblnSplitDeclarations = false;
inline bool gblnSplitConsts = false;
inline bool gblnSplitIfs = false;
inline bool gblnSplitLabels = false;
inline bool gblnSplitMultiLines = false;
inline int giContinuations = 0;  // 0 keep line continuations, 1 remove them
inline bool gblnInsertContinuations = false;
inline bool gblnKeepIndentation = false;
inline int giContinuationColumn = 72;
inline bool gblnKillNumericLabels = false;
inline bool gblnInsertLogging = false;  // read, never written by the save

// [Files]
inline int giSaveInBackup = 0;  // 0 replace + backup, 1 output into the backup folder, 2 replace only
inline int giBackup = 0;        // 0 "ZELBACK" beside the source, 1 gsBackupDirectory
inline std::string gsBackupDirectory;
inline int giOverwrite = 2;     // 0 overwrite, 1 ask, 2 numbered cycles
inline bool gblnLogSignificant = false;
inline int giLogOverwrite = 2;  // 0 overwrite, 1 ask, 2 numbered cycles, 3 keep no log
inline std::string gsQuindyPrinter;
// Extension lists: extensions without dots separated by "|".
inline std::string gsCodeExt = "BAS|CLS";
inline std::string gsFormExt = "FRM|CTL|PAG|DOB|DSR";
inline std::string gsProjectExt = "VBP|MAK|VBG";
inline std::string gsResourceExt = "RC";

// [Indentation]
inline bool gblnAsIs = true;
inline int giCodeLine = 0;  // 0 automatic indentation, 1 none
inline bool gblnDeclarations = false;
inline bool gblnModDeclarations = false;
inline bool gblnBaseLines = false;
inline int giCaseStructure = 0;  // 0 Case one level in, 1 aligned with Select, 2 half a level in
inline int giIfStructure = 0;    // 0 Else aligned with If, 1 half a level in
inline int giIndentAmount = 4;

// [Spell]
inline bool gblnSpellEnabled = false;
// The per-module copy of gblnSpellEnabled; cleared when the user stops
// spell checking a module, set again by the load.
inline bool gblnSpellThisModule = false;
inline bool gblnSpellComments = true;
inline bool gblnSpellFormLiterals = true;
inline bool gblnSpellCodeLiterals = true;
inline bool gblnIgnoreCaps = true;
inline bool gblnIgnoreNumbers = true;
inline bool gblnIgnoreVBWords = true;
inline std::string gsStandardDictionary;
inline std::string gsCustomDictionary;

// [Comment Blocks]
inline int giCmtWhere = 0;  // 0 after the procedure's start, 1 before it
inline bool gblnCmtOverwrite = false;
inline bool gblnCmtAutoInsert = true;
inline bool gblnCmtModule = false;
inline std::string gsCmtModuleFile;
inline bool gblnCmtUDP = false;
inline std::string gsCmtUDPFile;
inline bool gblnCmtEvent = false;
inline std::string gsCmtEventFile;

// [White Space]
inline bool gblnXSLines = false;
inline int giXSLinesAmount = 1;
inline bool gblnWSNoChange = true;
inline bool gblnWSChange = false;
// One blank line before or after each statement of a group.
inline bool gblnWSBeforeSub = false;
inline bool gblnWSAfterSub = false;
inline bool gblnWSBeforeEndSub = false;
inline bool gblnWSAfterEndSub = false;
inline bool gblnWSBeforeIf = false;
inline bool gblnWSAfterIf = false;
inline bool gblnWSBeforeElse = false;
inline bool gblnWSAfterElse = false;
inline bool gblnWSBeforeEndIf = false;
inline bool gblnWSAfterEndIf = false;
inline bool gblnWSBeforeLoop = false;
inline bool gblnWSAfterLoop = false;
inline bool gblnWSBeforeEndLoop = false;
inline bool gblnWSAfterEndLoop = false;
inline bool gblnWSBeforeSelect = false;
inline bool gblnWSAfterSelect = false;
inline bool gblnWSBeforeCase = false;
inline bool gblnWSAfterCase = false;
inline bool gblnWSBeforeEndSelect = false;
inline bool gblnWSAfterEndSelect = false;
inline bool gblnWSBeforeLabel = false;
inline bool gblnWSAfterLabel = false;
inline bool gblnWSBeforeDec = false;
inline bool gblnWSAfterDec = false;

// [Comments]
// 0 column giCmtStandAloneColumn, 1 next line's indentation, 2 previous
// line's, 3 remove, 4 no change.
inline int giCmtStandAlone = 4;
inline int giCmtStandAloneColumn = 4;
inline int giCmtInLineColumn = 40;
inline int giCmtInLine = 99;  // 0 column giCmtInLineColumn, 1 remove, 2 no change, 99 none chosen
inline bool gblnCmtInLineRight = false;
inline bool gblnCmtInLineNext = false;

// [Dialect]
inline bool gblnDialectAutodetect = true;
inline std::string gsDialectDefault = "6";  // "3" to "6"

// [Arrange Declares]
inline bool gblnDoProcs = false;
inline std::string gsProcsHow = "13232145";
inline bool gblnDoLocals = false;
inline std::string gsLocalHow = "12345";
inline bool gblnDoModules = false;
inline std::string gsModuleHow = "113427123456";
inline bool gblnPublicFirst = false;
inline bool gblnConvertDeclare = false;
inline bool gblnConvertMsgBox = false;
inline bool gblnConvertDAO = false;
inline bool gblnConvertSymbols = false;
inline bool gblnConvertSymbolsCode = false;
inline long glConvertIntrinsicFunction = 0;  // 0 no change, 1 remove the "$", 2 add it

// [ErrorHandling]
inline bool gblnInsertErrHandling = false;
inline bool gblnInsertTracing = false;
inline bool gblnAnalyzeDates = false;
inline bool gblnInsertLineNumbers = false;
inline long glLineNumberStart = 10000;
inline long glLineNumberInc = 10;
inline long glLineNumberHow = 2;  // 1 restart per procedure, 2 per module, 3 run on across modules
inline std::string gsErrSet;
inline std::string gsErrTrap;
inline std::string gsTraceIn;
inline std::string gsTraceOut;
