#pragma once
// One file's zelk: what the stages carry from statement to statement and from
// line to line while one file is written. The per-file run makes one for each
// file and hands it to the zelking loop, the formatter and the line writer; a
// new file starts from a new run, so nothing an earlier file left can shape
// the next one.
#include <memory>
#include <string>
#include <vector>

#include "analysis/ModelCodes.h"
#include "analysis/SourceModel.h"
#include "engine/LabelReferences.h"
#include "platform/TextFile.h"
#include "settings/ZelkOptions.h"

struct FormatterCarry;

// The order in which the module's parts are written.
struct ProcOrderEntry {
    std::string Key;
    long ProcIndex = 0;
};

// What the line writer carries from one line to the next.
struct EmitState {
    bool pendingFirstCase = false;  // a Select Case was written, its first Case is to come
    int emptyRun = 0;               // empty texts met in a row
    std::string lastLine;           // the last text written
};

// What the formatter tells the white-space rules and the line writer about
// the statement it has just formatted: its line kind and the block edges it
// stands at, and the blocks it leaves open for the lines after it.
struct LineClass {
    SourceLineKind giLineKind = SourceLineKind::None;
    bool gblnBlockOpened = false;
    bool gblnBlockClosed = false;
    bool gblnInSelect = false;  // inside a Select Case
    bool gblnIfOpen = false;    // inside an If
    // The formatter split a single-line If: its End If is due after the
    // statement, at the column of the If line.
    bool gblnSplitIfPending = false;
    long glSplitIfColumn = 0;
};

class ZelkRun {
public:
    // options: the options the file is zelked with, which must outlive the
    // run; nextLineNumber: the next inserted line number, which the
    // numbering across modules carries from the file before (0: none yet).
    // The run spell checks when the options enable spelling, until the
    // session that makes it says otherwise.
    explicit ZelkRun(const ZelkOptions& options, long nextLineNumber = 0);
    ~ZelkRun();
    ZelkRun(const ZelkRun&) = delete;
    ZelkRun& operator=(const ZelkRun&) = delete;

    const ZelkOptions& opt;

    // The file's source model: the parse's result, which the stages read and
    // whose token texts they may rewrite. The error report's source position
    // describes it while the run lives.
    SourceModel model;

    // The labels and line numbers the file's jumps refer to, collected once
    // the file is parsed.
    LabelReferences labels;

    // The module part being written ("<Declarations>", "(Designer Object
    // Definition)" or a procedure's name).
    std::string gsCurrentProc = "<Declarations>";

    // The dialect the file is zelked as ("3" to "6"): the one its text tells
    // when the options detect it, else the options' default.
    std::string gsDialectInUse;

    // Whether the file's comments and literals are spell checked: the
    // session's decision when the run starts; a missing dictionary or the
    // user's stop turns it off for the rest of the file.
    bool gblnSpellThisModule = false;

    // The class of the statement just formatted, as the formatter returned
    // it; the white-space rules and the line writer read it.
    LineClass line;

    long glLineNumberWidth = 0;
    long glNextLineNumber = 0;
    long glOutputLines = 0;
    // The session file (oFile's index) the run zelks, whose warnings its log
    // counts; 0 for none.
    int fileIndex = 0;
    // The file's name without its folder, as comment blocks and messages
    // name it.
    std::string fileName;
    // The input's lines as the log's footer counts them: the parse's
    // records, or the lines of a resource script that its pass copied.
    long glInputLines = 0;
    // Numbers given to statements the engine makes (above the model's
    // record count); such a number indexes no statement of the model.
    long glPseudoStatement = 0;
    // The model's statement being written (0 while a line of the form
    // description, which is none, is written).
    long glCurrentStatement = 0;

    std::vector<ProcOrderEntry> gtProcOrder;

    EmitState writer;

    // The temporary output and the per-file log, open while the file is
    // written. The session keeps their names (gsTempOutFile, gsTempLogFile)
    // and reads them once the run is over.
    LineWriter goOutFile;
    LineWriter goLogFile;

    // What the formatter carries from one statement to the next.
    FormatterCarry& Carry() { return *carry_; }

private:
    ReportedModel reported_{model};
    std::unique_ptr<FormatterCarry> carry_;
};
