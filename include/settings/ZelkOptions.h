#pragma once
// The user's options as one value: every setting of the settings file that
// the analyser, the engine, the file selection and the windows read. The
// settings table loads a value from the file and saves one back; the options
// dialog edits a copy; a run is handed one.
//
// Each field starts with the value a first run (no settings file) loads, so
// a default-constructed value is the program's defaults. The few defaults
// that depend on the program's folder (history file, dictionaries,
// comment-block templates) start empty; the load fills them in.
//
// Settings whose numbers are a closed set of choices have enum types. The
// settings file keeps the numbers: the table converts them, and a number
// that names no choice (a hand-edited file) is held as it stands, so that a
// save writes it back unchanged.
#include <string>

// Where a comment on a line of its own goes.
enum class StandAloneCommentPlace : int {
    Column = 0,              // giCmtStandAloneColumn
    NextLineIndent = 1,      // the indentation of the line that follows
    PreviousLineIndent = 2,  // the indentation of the line before
    Remove = 3,
    NoChange = 4,
};

// Where a comment at the end of a code line goes.
enum class InLineCommentPlace : int {
    Column = 0,  // giCmtInLineColumn
    Remove = 1,
    NoChange = 2,
    NotChosen = 99,
};

// The tab width: a number of blanks (0 to 20), or one of these marks.
enum class TabWidth : int {
    LeaveTabs = -1,
    NotChosen = 99,  // the tab-width dialog asks the first time it matters
};

// Where Case lines stand against their Select Case.
enum class CaseStructure : int {
    OneLevelIn = 0,
    AlignedWithSelect = 1,
    HalfLevelIn = 2,
};

// Where Else and ElseIf lines stand against their If.
enum class IfStructure : int {
    AlignedWithIf = 0,
    HalfLevelIn = 1,
};

// Where a procedure's comment block goes.
enum class CommentBlockPlace : int {
    AfterProcStart = 0,
    BeforeProcStart = 1,
};

// What happens to line continuations.
enum class ContinuationMode : int {
    Keep = 0,
    Remove = 1,  // continued lines are joined
};

// How code lines are indented.
enum class CodeIndentation : int {
    Automatic = 0,
    None = 1,
};

// Where a zelked file is saved.
enum class SaveMode : int {
    ReplaceWithBackup = 0,  // over the source, the source kept as a backup
    IntoBackupFolder = 1,   // into the backup folder, the source untouched
    ReplaceOnly = 2,
};

// Where the backup folder is.
enum class BackupPlace : int {
    BesideSource = 0,     // "ZELBACK" beside the source
    BackupDirectory = 1,  // gsBackupDirectory
};

// What a save does when its backup (or log) file exists already.
enum class OverwriteMode : int {
    AskSuspended = -1,  // "ask" answered once for the whole of a Zelk or Save All
    Overwrite = 0,
    Ask = 1,
    NumberedCycles = 2,
    KeepNoLog = 3,  // the per-file log alone: keep none
};

// What happens to the "$" of intrinsic functions (Left$, Mid$, ...).
enum class IntrinsicDollar : long {
    NoChange = 0,
    Remove = 1,
    Add = 2,
};

// Where inserted line numbers start again.
enum class LineNumbering : long {
    PerProcedure = 1,
    PerModule = 2,
    AcrossModules = 3,  // carried from module to module
};

struct ZelkOptions {
    // [Program]
    std::string gsDefaultFileLoc;
    TabWidth giTabWidth = TabWidth::NotChosen;

    // [General]
    bool gblnSaveZelInfo = false;
    std::string gsSaveZelFile;
    bool gblnOptionExplicit = false;
    bool gblnAlignAs = false;
    int giAlignAsColumn = 40;
    bool gblnNextVariable = false;
    bool gblnSplitDeclarations = false;
    bool gblnSplitConsts = false;
    bool gblnSplitIfs = false;
    bool gblnSplitLabels = false;
    bool gblnSplitMultiLines = false;
    ContinuationMode giContinuations = ContinuationMode::Keep;
    bool gblnInsertContinuations = false;
    bool gblnKeepIndentation = false;
    int giContinuationColumn = 72;
    bool gblnKillNumericLabels = false;
    bool gblnInsertLogging = false;  // read, never written by the save

    // [Files]
    SaveMode giSaveInBackup = SaveMode::ReplaceWithBackup;
    BackupPlace giBackup = BackupPlace::BesideSource;
    std::string gsBackupDirectory;
    OverwriteMode giOverwrite = OverwriteMode::NumberedCycles;
    bool gblnLogSignificant = false;
    OverwriteMode giLogOverwrite = OverwriteMode::NumberedCycles;
    std::string gsQuindyPrinter;
    // Extension lists: extensions without dots separated by "|".
    std::string gsCodeExt = "BAS|CLS";
    std::string gsFormExt = "FRM|CTL|PAG|DOB|DSR";
    std::string gsProjectExt = "VBP|MAK|VBG";
    std::string gsResourceExt = "RC";

    // [Indentation]
    bool gblnAsIs = true;
    CodeIndentation giCodeLine = CodeIndentation::Automatic;
    bool gblnDeclarations = false;
    bool gblnModDeclarations = false;
    bool gblnBaseLines = false;
    CaseStructure giCaseStructure = CaseStructure::OneLevelIn;
    IfStructure giIfStructure = IfStructure::AlignedWithIf;
    int giIndentAmount = 4;

    // [Spell]
    bool gblnSpellEnabled = false;
    bool gblnSpellComments = true;
    bool gblnSpellFormLiterals = true;
    bool gblnSpellCodeLiterals = true;
    bool gblnIgnoreCaps = true;
    bool gblnIgnoreNumbers = true;
    bool gblnIgnoreVBWords = true;
    std::string gsStandardDictionary;
    std::string gsCustomDictionary;

    // [Comment Blocks]
    CommentBlockPlace giCmtWhere = CommentBlockPlace::AfterProcStart;
    bool gblnCmtOverwrite = false;
    bool gblnCmtAutoInsert = true;
    bool gblnCmtModule = false;
    std::string gsCmtModuleFile;
    bool gblnCmtUDP = false;
    std::string gsCmtUDPFile;
    bool gblnCmtEvent = false;
    std::string gsCmtEventFile;

    // [White Space]
    bool gblnXSLines = false;
    int giXSLinesAmount = 1;
    bool gblnWSNoChange = true;
    bool gblnWSChange = false;
    // One blank line before or after each statement of a group.
    bool gblnWSBeforeSub = false;
    bool gblnWSAfterSub = false;
    bool gblnWSBeforeEndSub = false;
    bool gblnWSAfterEndSub = false;
    bool gblnWSBeforeIf = false;
    bool gblnWSAfterIf = false;
    bool gblnWSBeforeElse = false;
    bool gblnWSAfterElse = false;
    bool gblnWSBeforeEndIf = false;
    bool gblnWSAfterEndIf = false;
    bool gblnWSBeforeLoop = false;
    bool gblnWSAfterLoop = false;
    bool gblnWSBeforeEndLoop = false;
    bool gblnWSAfterEndLoop = false;
    bool gblnWSBeforeSelect = false;
    bool gblnWSAfterSelect = false;
    bool gblnWSBeforeCase = false;
    bool gblnWSAfterCase = false;
    bool gblnWSBeforeEndSelect = false;
    bool gblnWSAfterEndSelect = false;
    bool gblnWSBeforeLabel = false;
    bool gblnWSAfterLabel = false;
    bool gblnWSBeforeDec = false;
    bool gblnWSAfterDec = false;

    // [Comments]
    StandAloneCommentPlace giCmtStandAlone = StandAloneCommentPlace::NoChange;
    int giCmtStandAloneColumn = 4;
    int giCmtInLineColumn = 40;
    InLineCommentPlace giCmtInLine = InLineCommentPlace::NotChosen;
    bool gblnCmtInLineRight = false;
    bool gblnCmtInLineNext = false;

    // [Dialect]
    bool gblnDialectAutodetect = true;
    std::string gsDialectDefault = "6";  // "3" to "6"

    // [Arrange Declares]
    bool gblnDoProcs = false;
    std::string gsProcsHow = "13232145";
    bool gblnDoLocals = false;
    std::string gsLocalHow = "12345";
    bool gblnDoModules = false;
    std::string gsModuleHow = "113427123456";
    bool gblnPublicFirst = false;
    bool gblnConvertDeclare = false;
    bool gblnConvertMsgBox = false;
    bool gblnConvertDAO = false;
    bool gblnConvertSymbols = false;
    bool gblnConvertSymbolsCode = false;
    IntrinsicDollar glConvertIntrinsicFunction = IntrinsicDollar::NoChange;

    // [ErrorHandling]
    bool gblnInsertErrHandling = false;
    bool gblnInsertTracing = false;
    bool gblnAnalyzeDates = false;
    bool gblnInsertLineNumbers = false;
    long glLineNumberStart = 10000;
    long glLineNumberInc = 10;
    LineNumbering glLineNumberHow = LineNumbering::PerModule;
    std::string gsErrSet;
    std::string gsErrTrap;
    std::string gsTraceIn;
    std::string gsTraceOut;

    bool operator==(const ZelkOptions&) const = default;
};

// One blank line before or after the statements of a group: the key of
// [White Space], and the option named gblnWS and the key; in the order of the
// settings file and of the options dialog's grid.
struct BlankLineSwitch {
    const char* Key;
    bool ZelkOptions::*Field;
};

inline constexpr BlankLineSwitch kBlankLineSwitches[24] = {
    {"BeforeSub", &ZelkOptions::gblnWSBeforeSub},         {"AfterSub", &ZelkOptions::gblnWSAfterSub},
    {"BeforeEndSub", &ZelkOptions::gblnWSBeforeEndSub},   {"AfterEndSub", &ZelkOptions::gblnWSAfterEndSub},
    {"BeforeIf", &ZelkOptions::gblnWSBeforeIf},           {"AfterIf", &ZelkOptions::gblnWSAfterIf},
    {"BeforeElse", &ZelkOptions::gblnWSBeforeElse},       {"AfterElse", &ZelkOptions::gblnWSAfterElse},
    {"BeforeEndIf", &ZelkOptions::gblnWSBeforeEndIf},     {"AfterEndIf", &ZelkOptions::gblnWSAfterEndIf},
    {"BeforeLoop", &ZelkOptions::gblnWSBeforeLoop},       {"AfterLoop", &ZelkOptions::gblnWSAfterLoop},
    {"BeforeEndLoop", &ZelkOptions::gblnWSBeforeEndLoop}, {"AfterEndLoop", &ZelkOptions::gblnWSAfterEndLoop},
    {"BeforeSelect", &ZelkOptions::gblnWSBeforeSelect},   {"AfterSelect", &ZelkOptions::gblnWSAfterSelect},
    {"BeforeCase", &ZelkOptions::gblnWSBeforeCase},       {"AfterCase", &ZelkOptions::gblnWSAfterCase},
    {"BeforeEndSelect", &ZelkOptions::gblnWSBeforeEndSelect}, {"AfterEndSelect", &ZelkOptions::gblnWSAfterEndSelect},
    {"BeforeLabel", &ZelkOptions::gblnWSBeforeLabel},     {"AfterLabel", &ZelkOptions::gblnWSAfterLabel},
    {"BeforeDec", &ZelkOptions::gblnWSBeforeDec},         {"AfterDec", &ZelkOptions::gblnWSAfterDec},
};
