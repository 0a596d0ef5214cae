// The zelking loop: writes the parsed file part by part, statement by
// statement, with the insertions, the formatter's text and the white-space
// rules, then turns the status words into the result the user sees.
#include "engine/ZelkLoop.h"

#include <unordered_map>
#include <vector>

#include "analysis/AnalyserLog.h"
#include "platform/Clock.h"
#include "engine/CommentBlocks.h"
#include "engine/EmitLine.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "analysis/FileParse.h"
#include "engine/FormRecord.h"
#include "common/IProgressView.h"
#include "engine/InsertCode.h"
#include "engine/LabelReferences.h"
#include "engine/ModuleDeclarations.h"
#include "engine/OptionExplicit.h"
#include "engine/ProcDeclarations.h"
#include "engine/ProcOrder.h"
#include "engine/SourceLine.h"
#include "SourceLineFormatter.h"
#include "TokenText.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "engine/WhiteSpace.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"

namespace {

const char* const kDeclarations = "<Declarations>";
// A count that is neither 1 nor a multiple of 10: the progress call only
// lets pending window events run.
constexpr long kPumpOnly = 32323;

// The steps of the arrangement each return at once when none of their
// settings is on; they are not called then.
bool ModuleArrangementWanted(const ZelkOptions& o) {
    return o.gblnDoModules || o.gblnConvertDeclare || o.gblnConvertDAO || o.gblnInsertErrHandling ||
           o.gblnInsertLogging || o.gblnInsertTracing;
}

bool ProcArrangementWanted(const ZelkOptions& o) {
    return o.gblnDoLocals || o.gblnConvertDeclare || o.gblnConvertMsgBox || o.gblnConvertDAO || o.gblnNextVariable ||
           o.gblnInsertErrHandling || o.gblnInsertTracing || o.gblnAnalyzeDates || o.gblnInsertLogging;
}

bool Contains(const std::string& s, const char* what) { return s.find(what) != std::string::npos; }

// The procedure's end statement stands on its heading's line.
bool EndsOnItsHeadingLine(const SourceModel& model, const ProcInfo& part) {
    const std::vector<BabStatement>& yStatement = model.yStatement;
    bool afterHeading = false;
    for (long s = part.FirstStmt; s <= part.LastStmt && s > 0 && static_cast<size_t>(s) < yStatement.size(); ++s) {
        const BabStatement& st = yStatement[static_cast<size_t>(s)];
        if (!afterHeading) {
            afterHeading = st.Class == StatementClass::ProcHeading;
            continue;
        }
        if (st.RecordFirst != 0) return false;
        if (st.Class == StatementClass::ProcEnd) return true;
    }
    return false;
}

// For a comment line at `position` of a rearranged declarations part: the
// record written after it and the record it will be tied to when the output
// is read again (the code line below it, past further comment lines; none
// after a blank line). The column of a comment line follows both, so they
// are taken from the order written, never from the source's: a comment that
// stood above a declaration may now stand above a blank line or at the
// part's end, and a second zelk must find it where the first one put it.
void WrittenNeighbours(const SourceModel& model, const ProcInfo& part, const StatementOrder& order, long position,
                       long& next, long& tied) {
    const std::vector<BabStatement>& yStatement = model.yStatement;
    next = tied = 0;
    for (long p = position; p <= part.LastStmt; ++p) {
        // The later lines of a sorted list are written right after the
        // statement at their position.
        if (auto later = order.PiecesAfter.find(p); later != order.PiecesAfter.end() && !later->second.empty()) {
            const long record = yStatement[static_cast<size_t>(later->second.front().Stmt)].RecordFirst;
            if (next == 0) next = record;
            tied = record;
            return;
        }
        if (p == part.LastStmt) break;
        const BabStatement& st = yStatement[static_cast<size_t>(order(p + 1))];
        if (st.FirstToken == 0 || st.RecordFirst == 0) continue;
        if (next == 0) next = st.RecordFirst;
        if (st.Class == StatementClass::Comment) continue;
        if (st.Class != StatementClass::Blank) tied = st.RecordFirst;
        return;
    }
    // The part's end: what follows is the next part, a blank line or a
    // procedure heading, and neither ties the comment to a declaration.
    if (next == 0) {
        long last = part.LastStmt;
        while (last > part.FirstStmt && yStatement[static_cast<size_t>(last)].RecordLast == 0) --last;
        next = yStatement[static_cast<size_t>(last)].RecordLast + 1;
    }
}

class ZelkLoop {
public:
    explicit ZelkLoop(ZelkRun& run) : run_(run), whiteSpace_(run) {}
    void Run();

private:
    enum class PartEnd { Done, Canceled, Failed };

    PartEnd WriteDesigner(const ProcInfo& part);
    PartEnd WriteDeclarations(ProcInfo& part);
    PartEnd WriteProcedure(ProcInfo& part, long index);
    PartEnd StatementLoop(ProcInfo& part, long index, const StatementOrder& order, long position);
    std::string LeadLine(long s, const StatementOrder::ListLines& list, const std::string& text);
    bool WriteLaterPieces(const StatementOrder& order, long position);
    void WriteDescriptionLine(long s, BabStatement& stmt);
    void InsertCode(ProcInfo& part, long index, long s, const BabStatement& stmt, const std::string& text);
    bool CommentBlockWanted() const;
    void HoldSplitEndLine(std::string& text);
    int InsertCommentBlock(long at, const std::string& kind, bool beforeHeading = false);
    void CloseCommentEditor();
    void SetProgressCaption(const std::string& prefix);
    void Result();

    ZelkRun& run_;
    bool firstCall_ = true;
    bool optionChecked_ = false;
    bool optionMissing_ = false;
    bool insideProc_ = false;
    bool blockInserted_ = false;
    bool editorUsed_ = false;
    bool logging_ = false;  // the procedure being written gets logging lines
    bool blockBefore_ = false;  // its comment block goes before its heading
    // It is written on one line: code inserted after that line would stand
    // outside it, so none goes in, unless the line is split.
    bool oneLine_ = false;
    std::string heldEnd_;  // the end line split off its heading's line, written at the end statement
    long bodyColumn_ = -1;      // the column of its inserted code; -1 the template's own
    std::string kindLetter_;  // "E" event procedure, "U" user-defined
    int skip_ = 0;            // statements a comment block replaced
    // The lines of the lists of the part written in pieces; empty for a list
    // whose lines did not come out a declaration each (written whole).
    std::unordered_map<long, std::vector<std::string>> pieceLines_;
    WhiteSpaceWriter whiteSpace_;
    uint32_t t0_ = 0, t1_ = 0;
    std::string fileCaption_;
    std::string text_;  // the statement being written
};

void ZelkLoop::SetProgressCaption(const std::string& prefix) {
    if (oProgressForm) oProgressForm->SetProgressCaption(prefix + fileCaption_);
}

void ZelkLoop::Run() {
    AppTrace("Outputting File");
    t0_ = Clock().TickCount();
    Ui().SetMousePointer(pointer::vbHourglass);
    fileCaption_ = oProgressForm ? oProgressForm->ProgressCaption() : std::string();
    SetProgressCaption("Parsing - ");
    firstCall_ = true;
    oZel->StatusBarUpdate(firstCall_, true, 0);
    oZel->StatusBarUpdate(firstCall_, true, kPumpOnly);
    run_.glPseudoStatement = run_.model.glRecordCount;
    t1_ = Clock().TickCount();
    run_.gsCurrentProc = kDeclarations;
    sbSortProcs(run_);
    glLinesInFile = vb::CLng(static_cast<double>(run_.model.glStmtCount) * 1.1);

    if (oDebug->StatusCode == 0) {
        SetProgressCaption("Zelking - ");
        firstCall_ = true;
        oZel->StatusBarUpdate(firstCall_, false, 0);
        sbCollectLabelReferences(run_);

        for (size_t k = 0; k < run_.gtProcOrder.size(); ++k) {
            long p = run_.gtProcOrder[k].ProcIndex;
            ProcInfo& part = run_.model.gtProcTable[static_cast<size_t>(p)];
            run_.gsCurrentProc = part.Name;
            run_.glLineNumberWidth = 0;
            blockInserted_ = false;
            PartEnd end = part.Kind == "M"   ? WriteDesigner(part)
                          : part.Kind == "D" ? WriteDeclarations(part)
                                             : WriteProcedure(part, p);
            if (end == PartEnd::Canceled) {
                CloseCommentEditor();
                return;
            }
            if (end == PartEnd::Failed) break;
        }
    }
    Result();
}

ZelkLoop::PartEnd ZelkLoop::WriteDesigner(const ProcInfo& part) {
    for (long r = part.FirstRecord; r <= part.LastRecord; ++r) {
        const BabRecord& rec = run_.model.yRecord[static_cast<size_t>(r)];
        // The record after the file's last line has no text to write.
        if (rec.FirstToken == 0) continue;
        BabStatement stmt = run_.model.yStatement[static_cast<size_t>(rec.FirstStmt)];
        // A line of the form description is no statement of the model: it
        // gets a pseudo number of its own, which never indexes the
        // statements, and no statement is being written.
        ++run_.glPseudoStatement;
        run_.glCurrentStatement = 0;
        std::string text;
        long record = r;
        sbOutputFormRecord(run_, record, text);
        sbDoEmitLine(run_, text, run_.glOutputLines, firstCall_, stmt);
        if (oDebug->StatusCode != 0) return PartEnd::Failed;
    }
    return PartEnd::Done;
}

ZelkLoop::PartEnd ZelkLoop::WriteDeclarations(ProcInfo& part) {
    insideProc_ = false;
    logging_ = false;
    oneLine_ = false;
    kindLetter_.clear();
    StatementOrder order;
    sbSetUpArray(part.FirstStmt, part.LastStmt, order);
    if (ModuleArrangementWanted(run_.opt)) FloatModuleDeclarations(run_, part.FirstStmt, part.LastStmt, order);

    // The module's description lines at the head of the part, as they stand.
    // An empty part (its comments all belong to the first heading) has no
    // head: what is inserted after one goes before the heading's comments.
    long position = part.FirstStmt;
    bool headIsPart = true;  // every statement of the part is a description line
    for (; !order.Items.empty(); ++position) {
        long s = order(position);
        BabStatement stmt = run_.model.yStatement[static_cast<size_t>(s)];
        if (stmt.FirstToken == 0 || stmt.Class != StatementClass::ModuleDescription) {
            headIsPart = false;
            break;
        }
        std::string text;
        sbOutputALine(run_.model, s, text);
        if (Contains(text, "MultiUse = -1") && run_.opt.gblnDoProcs)
            sbLogLine(run_, " Sorting procedures in a MultiUse class may invalidate the component's use if compiled as a DLL",
                      false);
        sbDoEmitLine(run_, text, run_.glOutputLines, firstCall_, stmt);
        if (oDebug->StatusCode != 0) return PartEnd::Failed;
        if (position == part.LastStmt) break;
    }
    const long headEnd = order.Items.empty() ? part.FirstStmt - 1 : order(position);

    if (!optionChecked_ && run_.opt.gblnOptionExplicit) {
        optionMissing_ = fblnOptionExplicit(run_, static_cast<int>(headEnd));
        optionChecked_ = true;
    }
    // When the part holds nothing but the description lines, the module's
    // comment lines (an old block among them) stand ahead of the first
    // procedure's heading, right after the head.
    if (!run_.opt.gsCmtModuleFile.empty() && run_.opt.gblnCmtModule)
        InsertCommentBlock(headIsPart ? headEnd + 1 : headEnd, "M");
    if (optionMissing_ && run_.opt.gblnOptionExplicit) {
        optionMissing_ = false;
        // Through the white-space rules, as the statement it becomes on the
        // next zelk: what follows it is judged against it.
        std::string line = "Option Explicit";
        BabStatement none;
        whiteSpace_.Write(line, none, false, firstCall_);
        run_.line.giLineKind = SourceLineKind::None;
        sbLogLine(run_, "Adding Option Explicit May Cause Compile Failures ", true);
        sbLogLine(run_, "", false);
    }
    ++run_.glPseudoStatement;
    // The statement loop starts with the statement that ended the head.
    return StatementLoop(part, 0, order, headIsPart ? position : position - 1);
}

ZelkLoop::PartEnd ZelkLoop::WriteProcedure(ProcInfo& part, long index) {
    insideProc_ = true;
    if (run_.opt.gblnInsertLineNumbers &&
        (run_.opt.glLineNumberHow == LineNumbering::PerProcedure ||
         (run_.opt.glLineNumberHow == LineNumbering::AcrossModules && run_.glNextLineNumber == 0)))
        run_.glNextLineNumber = run_.opt.glLineNumberStart;
    // Only logging and comment blocks tell event procedures from others.
    kindLetter_ = (run_.opt.gblnInsertLogging || run_.opt.gblnCmtUDP || run_.opt.gblnCmtEvent)
                      ? CommentBlockProcType(part.Name)
                      : std::string();
    // Logging lines go into a procedure that does not log yet: its entry
    // lines at the body start, inside the procedure, its exit lines in place
    // of the end line.
    logging_ = run_.opt.gblnInsertLogging && !fblnProcedureLogs(run_.model, part, kindLetter_);
    // A procedure written on one line has no line after its heading to hold
    // a block: its block goes before the heading, where the next zelk finds it.
    oneLine_ = EndsOnItsHeadingLine(run_.model, part);
    heldEnd_.clear();
    blockBefore_ = run_.opt.giCmtWhere == CommentBlockPlace::BeforeProcStart || oneLine_;
    StatementOrder order;
    sbSetUpArray(part.FirstStmt, part.LastStmt, order);
    if (ProcArrangementWanted(run_.opt))
        FloatProcDeclarations(run_, part.FirstStmt, part.LastStmt, order, static_cast<int>(index));
    return StatementLoop(part, index, order, part.FirstStmt - 1);
}

// A one-line procedure whose line the formatter split: its end line waits
// for the end statement, so that the code inserted into the procedure comes
// before it, as it will when the split output is zelked again.
void ZelkLoop::HoldSplitEndLine(std::string& text) {
    if (!run_.opt.gblnInsertErrHandling && !run_.opt.gblnInsertTracing && !logging_) return;
    const size_t cut = text.rfind("\r\n");
    if (cut == std::string::npos || !fblnProcedureEndLine(text.substr(cut + 2))) return;
    heldEnd_ = vb::LTrim(text.substr(cut + 2));
    text.erase(cut);
    oneLine_ = false;
    // What is left is the heading line alone: the white-space rules judge it
    // as one.
    run_.line.giLineKind = SourceLineKind::ProcHeading;
    run_.line.gblnBlockOpened = true;
    run_.line.gblnBlockClosed = false;
}

bool ZelkLoop::CommentBlockWanted() const {
    return (kindLetter_ == "U" && run_.opt.gblnCmtUDP) || (kindLetter_ == "E" && run_.opt.gblnCmtEvent);
}

int ZelkLoop::InsertCommentBlock(long at, const std::string& kind, bool beforeHeading) {
    int replaced = 0;
    editorUsed_ = true;
    sbCommentBlockInsert(run_, at, kind, false, replaced, beforeHeading);
    return replaced;
}

void ZelkLoop::CloseCommentEditor() {
    if (!editorUsed_) return;
    long none = 0;
    int replaced = 0;
    sbCommentBlockInsert(run_, none, "", true, replaced);
    editorUsed_ = false;
}

void ZelkLoop::WriteDescriptionLine(long s, BabStatement& stmt) {
    std::string text;
    sbOutputALine(run_.model, s, text);
    for (long t = stmt.FirstToken; t + 3 <= stmt.LastToken; ++t) {
        if (run_.model.yToken[static_cast<size_t>(t)].Piece == "Attribute" &&
            run_.model.yToken[static_cast<size_t>(t + 1)].Piece == "VB_Name")
            run_.model.gsModuleName = vb::Replace(run_.model.yToken[static_cast<size_t>(t + 3)].Piece, "\"", "");
    }
    sbDoEmitLine(run_, text, run_.glOutputLines, firstCall_, stmt);
}

void ZelkLoop::InsertCode(ProcInfo& part, long index, long s, const BabStatement& stmt, const std::string& text) {
    if (run_.gsCurrentProc == kDeclarations || oneLine_) return;
    if (s == part.BodyStartRecord) {
        // The column of the body's statements, as a later zelk lays them out;
        // with the layout kept, the column of the first of them.
        bodyColumn_ =
            !run_.opt.gblnAsIs
                ? (run_.opt.giCodeLine != CodeIndentation::None && run_.opt.gblnBaseLines ? run_.opt.giIndentAmount : 0)
            : stmt.Class != StatementClass::ProcEnd ? InsertColumn(text)
                                                    : -1;
        if (logging_) {
            std::string none;
            sbLogInsert(run_, kindLetter_, 1, -1, bodyColumn_, none);
        }
        if (run_.opt.gblnInsertErrHandling && !part.HasErrorHandler) sbInsertTracing(run_, "ErrSet", 0, bodyColumn_);
        if (run_.opt.gblnInsertTracing && !part.HasTrace) sbInsertTracing(run_, "TraceOn", 0, bodyColumn_);
    }
    if (stmt.Class == StatementClass::ProcEnd || s == part.BodyEndRecord) {
        if (run_.opt.gblnInsertTracing && !part.HasTrace) {
            sbInsertTracing(run_, "TraceOff", 0,
                            stmt.Class == StatementClass::ProcEnd ? bodyColumn_ : InsertColumn(text));
            part.HasTrace = true;
        }
        if (stmt.Class == StatementClass::ProcEnd && run_.opt.gblnInsertErrHandling && !part.HasErrorHandler)
            sbInsertTracing(run_, "ErrTrap", index, bodyColumn_);
    }
}

// The line of a list written at the list's own position; the others wait
// for their places. A list whose text is not one line a declaration is
// written whole there.
std::string ZelkLoop::LeadLine(long s, const StatementOrder::ListLines& list, const std::string& text) {
    std::vector<std::string> lines = vb::Split(text, "\r\n");
    if (static_cast<int>(lines.size()) != list.Pieces || list.Lead < 0 || list.Lead >= list.Pieces) {
        pieceLines_[s].clear();
        return text;
    }
    std::string lead = lines[static_cast<size_t>(list.Lead)];
    pieceLines_[s] = std::move(lines);
    return lead;
}

// The pieces of lists that were sorted after the statement at `position`.
bool ZelkLoop::WriteLaterPieces(const StatementOrder& order, long position) {
    auto later = order.PiecesAfter.find(position);
    if (later == order.PiecesAfter.end()) return true;
    for (const StatementOrder::LaterPiece& piece : later->second) {
        auto lines = pieceLines_.find(piece.Stmt);
        if (lines == pieceLines_.end() || static_cast<size_t>(piece.Piece) >= lines->second.size()) continue;
        std::string text = lines->second[static_cast<size_t>(piece.Piece)];
        BabStatement stmt = run_.model.yStatement[static_cast<size_t>(piece.Stmt)];
        run_.line.giLineKind = SourceLineKind::None;
        whiteSpace_.Write(text, stmt, insideProc_, firstCall_);
        run_.line.giLineKind = SourceLineKind::None;
        if (oDebug->StatusCode != 0) return false;
    }
    return true;
}

ZelkLoop::PartEnd ZelkLoop::StatementLoop(ProcInfo& part, long index, const StatementOrder& order, long position) {
    skip_ = 0;
    pieceLines_.clear();
    while (position < part.LastStmt) {
        if (!WriteLaterPieces(order, position)) return PartEnd::Failed;
        position += 1 + skip_;
        if (position > part.LastStmt) break;
        const long s = order(position);
        BabStatement stmt = run_.model.yStatement[static_cast<size_t>(s)];
        skip_ = 0;
        if (oAppInfo->WasCanceled) {
            sbLogLine(run_, "Zelk Canceled", false);
            return PartEnd::Canceled;
        }
        run_.glCurrentStatement = s;
        if (stmt.FirstToken != 0 && stmt.Class == StatementClass::ModuleDescription) {
            WriteDescriptionLine(s, stmt);
            if (oDebug->StatusCode != 0) return PartEnd::Failed;
            continue;
        }
        if (stmt.FirstToken == 0) continue;

        if (blockBefore_ && !blockInserted_ && IsHeadingGroup(run_.model, stmt) && CommentBlockWanted()) {
            skip_ = InsertCommentBlock(s, kindLetter_, true);
            blockInserted_ = true;
            if (stmt.Class == StatementClass::Blank && skip_ > 0) ++skip_;
        }
        // The statement is formatted first: inserted code takes its column.
        const bool dropped =
            stmt.Class == StatementClass::Comment && run_.opt.giCmtStandAlone == StandAloneCommentPlace::Remove;
        // One text for every statement: its room is reused.
        std::string& text = text_;
        text.clear();
        if (!dropped) {
            long formatted = s;
            FormatterCarry& carry = run_.Carry();
            if (!insideProc_ && run_.opt.gblnDoModules && stmt.Class == StatementClass::Comment)
                WrittenNeighbours(run_.model, part, order, position, carry.lWrittenNext, carry.lWrittenTied);
            if (auto moved = order.MovedComments.find(s); insideProc_ && moved != order.MovedComments.end()) {
                carry.lWrittenNext = moved->second.LevelRecord;
                carry.lWrittenTied = moved->second.TiedRecord;
            }
            if (insideProc_ && LineSegmentOf(run_, s, carry.segment)) {
                stmt.RecordFirst = carry.segment.RecordFirst;
                stmt.RecordLast = carry.segment.RecordLast;
            }
            run_.line = sbOutputSourceRecord(run_, formatted, text, !insideProc_);
            carry.lWrittenNext = carry.lWrittenTied = 0;
            carry.segment = LineSegment();
            stmt.Flags = run_.model.yStatement[static_cast<size_t>(s)].Flags;
            if (oDebug->StatusCode != 0) return PartEnd::Failed;
        }
        if (auto list = order.Lists.find(s); list != order.Lists.end()) text = LeadLine(s, list->second, text);
        if (oneLine_ && stmt.Class == StatementClass::ProcHeading) HoldSplitEndLine(text);
        if (stmt.Class == StatementClass::ProcEnd && !heldEnd_.empty()) {
            text = heldEnd_;
            heldEnd_.clear();
            run_.line.giLineKind = SourceLineKind::ProcEnd;
            run_.line.gblnBlockOpened = false;
            run_.line.gblnBlockClosed = true;
        }
        InsertCode(part, index, s, stmt, text);
        if (dropped) continue;
        // A later statement of a line is written with the line's first one;
        // its own empty text is no empty line of the source.
        if (text.empty() && stmt.RecordFirst == 0) continue;

        if (stmt.Class == StatementClass::ProcEnd && logging_ && !oneLine_) {
            // The exit logging lines stand in place of the end line; the
            // end line they hold is written as the procedure's end (its own
            // when they hold none, so that the procedure still ends).
            size_t function = vb::UCase(text).find("FUNCTION");
            std::string endLine;
            sbLogInsert(run_, kindLetter_, 2, function == std::string::npos ? 0 : static_cast<int>(function) + 1,
                        bodyColumn_, endLine);
            if (oDebug->StatusCode != 0) return PartEnd::Failed;
            if (!endLine.empty()) text = endLine;
        }
        if (insideProc_ && run_.opt.gblnInsertTracing && !part.HasTrace && fblnTraceableExit(run_, stmt))
            sbInsertTracing(run_, "TraceOff", 0, InsertColumn(text));
        whiteSpace_.Write(text, stmt, insideProc_, firstCall_);
        if (oDebug->StatusCode != 0) return PartEnd::Failed;

        run_.line.giLineKind = SourceLineKind::None;
        if (stmt.Class == StatementClass::ProcHeading && !blockBefore_ && CommentBlockWanted())
            InsertCommentBlock(s + 1, kindLetter_, false);
    }
    return WriteLaterPieces(order, position) ? PartEnd::Done : PartEnd::Failed;
}

void ZelkLoop::Result() {
    oZel->StatusBarUpdate(firstCall_, false, kPumpOnly);
    const uint32_t t3 = Clock().TickCount();
    FileStatsRecord& stats = gtFileStats[static_cast<size_t>(run_.fileIndex)];
    stats.OutputLines = run_.glOutputLines;
    if (AppTraceOn()) {
        AppTrace(oFile->Item(run_.fileIndex).FileName + " took " + vb::Format(t3 - t0_, "#,##0") +
                 " milliseconds to process");
        AppTrace(vb::Format(t1_ - t0_, "#,##0") + " milliseconds to Parse");
        AppTrace(vb::Format(t3 - t1_, "#,##0") + " milliseconds to Zelk");
    }
    sbLogLine(run_, "", false);
    if (oDebug->StatusCode != 0) {
        std::string message = "Error processing file, File not zelked";
        sbLogLine(run_, message, false);
        sbMsgBar(message, false, gctlStatus);
        message += "\r\n";
        if (oDebug->StatusCode == 4) {
            switch (oDebug->ReasonCode) {
                case -2:
                case -1: message += "Invalid data found in file"; break;
                case -3: message += "File is too large to process"; break;
                case -987: message += "File contains lines that are too long with current options"; break;
                default: break;
            }
        }
        CloseCommentEditor();
        Ui().MsgBox(message, mb::vbExclamation, "Error");
    } else {
        sbMsgBar("Zelking Completed", false, gctlStatus);
        CloseCommentEditor();
    }
}

}  // namespace

void sbDoFile(ZelkRun& run) {
    TraceGuard trace(TraceKind::App, "sbDoFile");
    Trapped("sbDoFile", [&] { ZelkLoop(run).Run(); });
    Ui().SetMousePointer(pointer::vbDefault);
}
