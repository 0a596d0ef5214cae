// Comment blocks inserted from templates for the module, user-defined
// procedures and event procedures: expanding the placeholders, finding and
// replacing an existing copy, editing in the comment-block editor, writing.
#include "engine/CommentBlocks.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "engine/CommentEditorHost.h"
#include "engine/EmitLine.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "analysis/SourceModel.h"
#include "TemplateText.h"
#include "TokenText.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

// The engine's own record that it loaded the editor for this file.
bool gblnEditorLoaded = false;
// The templates of this file that could not be read: each file's log says
// once that its blocks are missing, not at every block it would have made.
std::set<std::string> gsUnreadableTemplates;
// The unreadable templates already shown in a message during this run: a run
// over many files asks the user to read about each missing file only once.
std::set<std::string> gsTemplatesReportedThisRun;

const std::string& TemplateFor(const ZelkOptions& o, const std::string& kind) {
    if (kind == "M") return o.gsCmtModuleFile;
    if (kind == "E") return o.gsCmtEventFile;
    return o.gsCmtUDPFile;
}

// The template as the insertion uses it: the block text, and the first and
// last non-blank lines (trimmed, unexpanded) by which an old copy is found.
struct BlockTemplate {
    std::string Text;
    std::string FirstLine;
    std::string LastLine;  // empty when the template has one non-blank line
    size_t LineCount = 0;
};

bool IsFileError(long number) {
    return number == 53 || number == 68 || number == 70 || number == 71 || number == 75 || number == 76;
}

// Reads the template; a file error gives false and is reported the first
// time the file is met, in a message and in the log, which says that its
// blocks are not inserted.
bool ReadBlockTemplate(ZelkRun& run, const std::string& file, BlockTemplate& tmpl) {
    if (gsUnreadableTemplates.count(file) > 0) return false;
    templatetext::TemplateFile content;
    try {
        content = templatetext::Read(file);
    } catch (const VBError& e) {
        if (!IsFileError(e.Number)) throw;
        gsUnreadableTemplates.insert(file);
        sbLogLine(run, "No comment block inserted from " + file + ": " + e.Description, true);
        if (!gsTemplatesReportedThisRun.insert(file).second) return false;
        Ui().MsgBox("Error with the comment block file: " + e.Description + "\r\nFile: " + file, mb::vbExclamation,
                    "Comment Block File Error");
        return false;
    }
    tmpl.Text = content.Text();
    tmpl.LineCount = content.Lines.size();
    bool haveFirst = false;
    for (const std::string& line : content.Lines) {
        std::string trimmed = vb::Trim(line);
        if (trimmed.empty()) continue;
        if (!haveFirst) {
            tmpl.FirstLine = trimmed;
            haveFirst = true;
        } else {
            tmpl.LastLine = trimmed;
        }
    }
    return true;
}

// The old copy among the collected comment and blank lines (indexes from
// 1): from the first line that reads like the template's first line to the
// first after it that reads like its last. Both 0 when there is none or its
// end is missing (then nothing is replaced).
struct OldBlock {
    size_t Start = 0;
    size_t End = 0;
};

// Stands for what a date or an answer to @Ask put into an old copy: texts
// that differ from one zelk to the next.
constexpr char kAnyText = '\x01';

// A template line as a copy of the block holds it: the placeholders of the
// file, the procedure and the user filled in, the date and @Ask open.
std::string ExpectedLine(const ZelkRun& run, const std::string& templateLine) {
    using templatetext::ReplaceNoCase;
    std::string line = ReplaceNoCase(templateLine, "@Date", std::string(1, kAnyText));
    line = ReplaceNoCase(line, "@Ask", std::string(1, kAnyText));
    bool ask = false;
    sbParseCommentLine(run, line, ask);
    return vb::Trim(line);
}

// Whether a source line reads like a template line: as written in the
// template, or as the block was inserted (any text where the date and the
// answer stood).
bool ReadsLike(const ZelkRun& run, const std::string& source, const std::string& templateLine) {
    const std::string text = vb::Trim(source);
    if (text == templateLine) return true;
    const std::vector<std::string> parts = vb::Split(ExpectedLine(run, templateLine), std::string(1, kAnyText));
    if (parts.size() == 1) return text == parts[0];
    const std::string& head = parts.front();
    const std::string& tail = parts.back();
    if (text.size() < head.size() + tail.size() || text.compare(0, head.size(), head) != 0 ||
        text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    size_t at = head.size();
    const size_t end = text.size() - tail.size();
    for (size_t k = 1; k + 1 < parts.size(); ++k) {
        at = text.find(parts[k], at);
        if (at == std::string::npos || at + parts[k].size() > end) return false;
        at += parts[k].size();
    }
    return true;
}

OldBlock FindOldBlock(const ZelkRun& run, const std::vector<std::string>& lines, const BlockTemplate& tmpl) {
    OldBlock found;
    if (tmpl.FirstLine.empty()) return found;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (ReadsLike(run, lines[i], tmpl.FirstLine)) {
            found.Start = i;
            break;
        }
    }
    if (found.Start == 0) return found;
    // A template of one non-blank line makes a block of that one line.
    if (tmpl.LastLine.empty()) {
        found.End = found.Start;
        return found;
    }
    for (size_t j = found.Start + 1; j < lines.size(); ++j) {
        if (ReadsLike(run, lines[j], tmpl.LastLine)) {
            found.End = j;
            return found;
        }
    }
    return {};
}

std::string ContextLines(const SourceModel& m, long stmt) {
    std::vector<std::string> around;
    sbGet5Lines(m, stmt, -2, 5, around, false);
    std::string context;
    for (size_t i = 0; i < around.size(); ++i) {
        context += i == 2 ? ">> " : "     ";
        context += around[i].substr(0, 80);
        context += "\r\n";
    }
    return context;
}

// The block as the user settles it: shown in the editor when AutoInsert is
// off; empty when the user skipped it there.
std::string SettleBlock(const ZelkRun& run, long stmt, const std::string& kind, std::string block, bool ask,
                        bool beforeHeading) {
    if (!ask && run.opt.gblnCmtAutoInsert) return block;
    const bool before = kind == "M" || beforeHeading;
    const std::string caption = "Inserting Comment Block For " + run.gsCurrentProc + " in file " + run.fileName +
                                (before ? " Before " : " After ") + " the indicated statement";
    const std::string context = ContextLines(run.model, stmt);
    // Only a block the user has just seen can be skipped: with AutoInsert
    // on, an earlier Skip does not drop an @Ask block that was never shown.
    if (run.opt.gblnCmtAutoInsert || !goCommentEditor) return block;
    Ui().SetMousePointer(pointer::vbDefault);
    std::string edited = goCommentEditor->Edit(block, caption, context);
    return gblnCommentSkip ? std::string() : edited;
}

// A block's lines are comment lines: like the comment lines of the source
// they get no line number, so that the next zelk still knows the block.
void Emit(ZelkRun& run, std::string text) {
    bool firstCall = false;
    BabStatement commentLine;
    commentLine.Class = StatementClass::Comment;
    sbDoEmitLine(run, text, run.glOutputLines, firstCall, commentLine);
}

bool PlainWhiteSpace(const ZelkOptions& o) { return !(o.gblnWSChange && !o.gblnWSNoChange); }

// A line the insertion has written or replaced leaves the source model: the
// zelking loop passes over a statement without tokens.
void RemoveStatement(SourceModel& m, long s) {
    BabStatement& st = m.yStatement[static_cast<size_t>(s)];
    st.FirstToken = 0;
    st.LastToken = 0;
}

// The insertion statement of a block placed before a heading, which the loop
// writes after the block, when it is a comment the block has taken over: it
// becomes the blank line between the block and the heading.
void MakeBlankLine(SourceModel& m, long s) {
    BabStatement& st = m.yStatement[static_cast<size_t>(s)];
    if (!tokentext::InTokens(m, st.FirstToken)) return;
    BabToken& first = m.yToken[static_cast<size_t>(st.FirstToken)];
    first.Class = TokenClass::NonCode;
    first.Detail = tokdetail::kBlank;
    first.Piece = StoredText();
    first.WhiteSpaceLeft = StoredText();
    first.FlagsOut = 0;
    st.Class = StatementClass::Blank;
    st.LastToken = st.FirstToken;
    st.LastSignificant = 0;
}

// The block and the lines it keeps ahead of it, and the source lines it
// takes the place of.
//
// A block before a procedure heading ends up as: the lines that stood before
// it, the block, one blank line, the heading. The blank line that separates
// the procedure from the code above comes before the block, so that a later
// zelk finds the block among the lines tied to the heading and replaces it.
// The insertion statement itself is already on its way through the loop,
// which writes it after the block: a blank insertion statement is that blank
// line; a comment is turned into it.
void PlaceBlock(ZelkRun& run, long stmt, const std::string& kind, const std::vector<std::string>& region,
                const OldBlock& old,
                const std::string& block, bool beforeProcHeading) {
    const bool beforeHeading = kind != "M" && beforeProcHeading;
    const size_t collected = region.empty() ? 0 : region.size() - 1;
    const size_t ahead = old.Start > 0 ? old.Start - 1 : (beforeHeading ? collected : 0);
    auto statementAt = [&](size_t i) { return stmt + static_cast<long>(i) - 1; };

    auto isBlankLine = [&](size_t i) {
        return run.model.yStatement[static_cast<size_t>(statementAt(i))].Class == StatementClass::Blank;
    };
    const bool insertionIsBlank = beforeHeading && collected > 0 && isBlankLine(1);
    if (beforeHeading && !insertionIsBlank && run.glOutputLines > 0) Emit(run, "");
    for (size_t i = 1; i <= ahead; ++i) Emit(run, region[i]);
    Emit(run, block);
    // Before a heading that is itself the insertion statement, the plain
    // mode's own empty line before the heading follows the block; the change
    // mode writes none, so it is written here.
    if (beforeHeading && collected == 0 && !PlainWhiteSpace(run.opt)) Emit(run, "");

    for (size_t i = 1; i <= ahead; ++i)
        if (!(beforeHeading && i == 1)) RemoveStatement(run.model, statementAt(i));
    if (old.Start > 0) {
        for (size_t i = old.Start; i <= old.End; ++i)
            if (!(beforeHeading && i == 1)) RemoveStatement(run.model, statementAt(i));
        // The insertion statement stands in for the blank line below the old
        // block.
        if (insertionIsBlank && old.End < collected && isBlankLine(old.End + 1))
            RemoveStatement(run.model, statementAt(old.End + 1));
    }
    if (beforeHeading && collected > 0 && !insertionIsBlank) MakeBlankLine(run.model, stmt);
}

void InsertBlock(ZelkRun& run, long stmt, const std::string& kind, bool beforeHeading) {
    if (!gblnEditorLoaded) {
        if (goCommentEditor) goCommentEditor->Load();
        gblnEditorLoaded = true;
        gblnCommentEdit = true;
    }
    const std::string& file = TemplateFor(run.opt, kind);

    BlockTemplate tmpl;
    if (!ReadBlockTemplate(run, file, tmpl)) return;
    // The comment and blank lines at the insertion point, far enough to hold
    // an old copy of the whole template.
    std::vector<std::string> region;
    sbGet5Lines(run.model, stmt, 0, static_cast<int>(10 + tmpl.LineCount), region, true);
    const OldBlock old = FindOldBlock(run, region, tmpl);
    // Without Overwrite an old copy stays as it is: a block is never there
    // twice.
    if (old.Start > 0 && !run.opt.gblnCmtOverwrite) return;
    if (kind == "M") sbLogLine(run, " Zelker inserted module comment block for: " + run.gsCurrentProc, false);

    std::string block = tmpl.Text;
    bool ask = false;
    sbParseCommentLine(run, block, ask);
    block = SettleBlock(run, stmt, kind, block, ask, beforeHeading);
    // A block that is not written replaces nothing.
    if (block.empty()) return;
    PlaceBlock(run, stmt, kind, region, old, block, beforeHeading);
}

void CloseEditor() {
    gsUnreadableTemplates.clear();
    if (gblnEditorLoaded && goCommentEditor) goCommentEditor->Unload();
    gblnEditorLoaded = false;
    gblnCommentEdit = false;
}

}  // namespace

std::string CommentBlockProcType(const std::string& name) {
    TraceGuard trace(TraceKind::App, "CommentBlockProcType");
    size_t underscore = name.find('_');
    if (underscore == std::string::npos) return "U";
    return name.find('_', underscore + 1) == std::string::npos ? "E" : "U";
}

void sbParseCommentLine(const ZelkRun& run, std::string& text, bool& ask) {
    TraceGuard trace(TraceKind::App, "sbParseCommentLine");
    Trapped("sbParseCommentLine", [&] {
        using templatetext::ReplaceNoCase;
        text = ReplaceNoCase(text, "@User", oAppInfo->User());
        text = ReplaceNoCase(text, "@Company", oAppInfo->Company());
        text = ReplaceNoCase(text, "@Module", run.fileName);
        text = ReplaceNoCase(text, "@Procedure", run.gsCurrentProc);
        text = ReplaceNoCase(text, "@Date", datetime::ShortDate(Clock().Now()));
        ask = text.find("@Ask") != std::string::npos;
        text = ReplaceNoCase(text, "@Ask", ">>");
    });
}

void sbGet5Lines(const SourceModel& m, long stmt, int offset, int count, std::vector<std::string>& lines,
                 bool commentsOnly) {
    TraceGuard trace(TraceKind::App, "sbGet5Lines");
    Trapped("sbGet5Lines", [&] {
        lines.assign(static_cast<size_t>(std::max(count, 0)) + 1, std::string());
        size_t index = commentsOnly ? 1 : 0;
        const size_t endIndex = commentsOnly ? static_cast<size_t>(count) : static_cast<size_t>(count) - 1;
        long s = stmt + offset;
        if (s < 1) {
            index += static_cast<size_t>(1 - s);  // the missing statements keep their places, empty
            s = 1;
        }
        for (; count > 0 && index <= endIndex; ++s, ++index) {
            if (s >= static_cast<long>(m.yStatement.size())) break;
            const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
            if (st.FirstToken == 0) break;
            if (commentsOnly) {
                if (st.Class != StatementClass::Comment && st.Class != StatementClass::Blank) break;
                lines[index] = tokentext::Piece(m, st.FirstToken);
            } else {
                lines[index] = tokentext::StatementSourceText(m, st);
            }
        }
        lines.resize(std::min(index, lines.size()));
    });
}

void sbStartCommentBlockRun() {
    gsTemplatesReportedThisRun.clear();
}

void sbCommentBlockInsert(ZelkRun& run, long& stmt, const std::string& kind, bool closeCall, int& replaced) {
    sbCommentBlockInsert(run, stmt, kind, closeCall, replaced,
                         run.opt.giCmtWhere == CommentBlockPlace::BeforeProcStart);
}

void sbCommentBlockInsert(ZelkRun& run, long& stmt, const std::string& kind, bool closeCall, int& replaced,
                          bool beforeHeading) {
    TraceGuard trace(TraceKind::App, "sbCommentBlockInsert");
    // The lines a block replaces leave the source model, so the loop has
    // nothing to pass over.
    replaced = 0;
    Trapped("sbCommentBlockInsert", [&] {
        if (closeCall)
            CloseEditor();
        else
            InsertBlock(run, stmt, kind, beforeHeading);
    });
}
