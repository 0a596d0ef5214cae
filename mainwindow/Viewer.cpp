#include "mainwindow/Viewer.h"

#include <algorithm>

#include "engine/EngineState.h"
#include "platform/KeyCodes.h"
#include "mainwindow/MFILESET.h"
#include "common/SharedState.h"
#include "platform/VBText.h"
#include "mainwindow/ViewerControls.h"
#include "common/mKEMCommon.h"

long fnTextPosition(const std::string& text, long row, long column) {
    long pos = 0;
    for (long r = 1; r < row; ++r) {
        size_t end = text.find("\r\n", static_cast<size_t>(pos));
        if (end == std::string::npos) return pos;
        pos = static_cast<long>(end) + 2;
    }
    size_t end = text.find("\r\n", static_cast<size_t>(pos));
    long length = static_cast<long>((end == std::string::npos ? text.size() : end) - static_cast<size_t>(pos));
    if (column > length) column = length;
    return pos + (column < 0 ? 0 : column);
}

void sbTextRowColumn(const std::string& text, long position, long& row, long& column) {
    row = 1;
    long lineStart = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos && static_cast<long>(end) + 2 <= position;
         end = text.find("\r\n", end + 2)) {
        ++row;
        lineStart = static_cast<long>(end) + 2;
    }
    column = position - lineStart;
}

std::string fsLineLabel(long line) { return "Line: " + std::to_string(line) + " of " + std::to_string(glLinesInFile); }

namespace {
// The scroll bar's thumb stands at the window's first line; a window that
// paged past the last full window puts it at the end.
void SetThumb(ViewerState& state) {
    state.mblnScrollActive = false;
    goViewerControls->SetScrollValue(std::clamp(glCurrentBufferStart, 1L, fnLastWindowStart()));
}
}  // namespace

std::string fsViewerRefill(long anWhich, ViewerState& state) {
    gblnBufferBusy = true;
    state.Text = fsGetBuffer(anWhich);
    if (goViewerControls) goViewerControls->SetViewerText(state.Text);
    return state.Text;
}

void sbViewerFileLoaded(ViewerState& state) {
    fsViewerRefill(FileStart, state);
    sbViewerScrollRange(state);
}

void sbViewerScrollRange(ViewerState& state) {
    if (!goViewerControls) return;
    // The bar counts first lines, one a line, so that every line can be
    // brought to the top, an arrow moves one line and the track a page.
    state.mblnScrollActive = false;
    goViewerControls->SetScrollMax(fnLastWindowStart());
    SetThumb(state);
}

bool fbViewerKeyDown(int keyCode, int shift, ViewerState& state) {
    using namespace vbkey;
    IViewerControls* v = goViewerControls;
    if (!v) return false;
    if ((keyCode == vbKeyTab && (shift & vbAltMask)) || keyCode == vbKeyF1) return false;

    glSelStartPos = v->CaretPosition();
    // The caret's row is where the caret stands, whatever moved it last
    // (a key, a click, a new window of text).
    long column = 0;
    sbTextRowColumn(state.Text, glSelStartPos, glCurrentWindowPointer, column);
    const bool ctrl = (shift & vbCtrlMask) != 0;
    const long L = glLinesInFile;
    const long W = glLinesInWindow;
    long& current = glCurrentFilePointer;
    long& row = glCurrentWindowPointer;
    long& start = glCurrentBufferStart;
    bool swallow = true;

    switch (keyCode) {
        case vbKeyEnd:
            if (ctrl) {
                row = 1;
                fsViewerRefill(FILEATEND, state);
                current = L + 1;
                // The caret goes to the file's last line, on the window's last
                // full row.
                row = L - start + 1;
                glSelStartPos = fnTextPosition(state.Text, row, 0);
                v->SetCaretPosition(glSelStartPos);
            } else {
                swallow = false;
            }
            break;
        case vbKeyHome:
            if (ctrl) {
                current = 1;
                row = 1;
                fsViewerRefill(FileStart, state);
            } else {
                swallow = false;
            }
            break;
        case vbKeyLeft:
        case vbKeyRight:
            swallow = false;
            break;
        case vbKeyUp:
            if (row == 1 && current > 1) {
                fsViewerRefill(FILEUPALINE, state);
                current = start + row;
                glSelStartPos = fnTextPosition(state.Text, 1, column);
            } else if (current > 1) {
                --row;
                --current;
                swallow = false;
            } else {
                swallow = false;
            }
            break;
        case vbKeyDown: {
            // The window may be scrolled while the caret's line stays within
            // the file, so that Down reaches the file's last line.
            long last = start + W > L ? L : start + W;
            long rowsShown = last - start + 1;
            if (row == W && start + W <= L) {
                fsViewerRefill(FILEDOWNALINE, state);
                current = start + row;
                glSelStartPos = fnTextPosition(state.Text, row, column);
            } else if (row < W && row < rowsShown) {
                ++row;
                ++current;
                swallow = false;
            }
            break;
        }
        case vbKeyPageUp:
        case vbKeyPageDown:
            if (keyCode == vbKeyPageUp && current > 1) {
                fsViewerRefill(FILEUPAPAGE, state);
                current = start;
            } else if (keyCode == vbKeyPageDown && current < fnLastWindowStart()) {
                fsViewerRefill(FILEDOWNAPAGE, state);
                current = start;
            }
            // The caret goes to the window's first row, where the row count is.
            glSelStartPos = 0;
            row = 1;
            v->SetCaretPosition(0);
            break;
        default:
            break;
    }

    SetThumb(state);
    if (v->CaretPosition() == 0) v->SetCaretPosition(glSelStartPos < 0 ? 0 : glSelStartPos);
    // The line the caret stands on.
    v->SetLineLabel(fsLineLabel(start + row - 1));
    return swallow;
}

void sbViewerClick(ViewerState& state) {
    if (!goViewerControls) return;
    // The row the click put the caret on, so that the keys count from there.
    long row = 0, column = 0;
    sbTextRowColumn(state.Text, goViewerControls->CaretPosition(), row, column);
    glCurrentWindowPointer = row;
    glCurrentFilePointer = glCurrentBufferStart + row;
}

void sbViewerScrollChange(ViewerState& state) {
    if (!goViewerControls) return;
    if (state.mblnScrollActive) sbViewerScroll(state);
    state.mblnScrollActive = true;
}

void sbViewerScroll(ViewerState& state) {
    if (!goViewerControls) return;
    // The move keeps the last window full when the bar stands at its end.
    glCurrentFilePointer = goViewerControls->ScrollValue();
    fsViewerRefill(FILESETPOSITION, state);
    glCurrentWindowPointer = 1;  // the new text puts the caret in the first row
}

void sbViewerWheel(long lines, ViewerState& state) {
    if (!goViewerControls || lines == 0) return;
    state.mblnScrollActive = true;
    goViewerControls->SetScrollValue(std::clamp(goViewerControls->ScrollValue() + lines, 1L, fnLastWindowStart()));
    state.mblnScrollActive = true;
}

void sbViewerStart(int index, ViewerState& state) {
    fsViewerRefill(index == 0 ? FILEATCODE : FileStart, state);
    glCurrentWindowPointer = 1;
    if (goViewerControls) SetThumb(state);
}

namespace {

// The name a per-file array holds for a file, or "" beyond its end.
std::string PerFile(const std::vector<std::string>& names, int fileIndex) {
    return fileIndex >= 0 && static_cast<size_t>(fileIndex) < names.size() ? names[static_cast<size_t>(fileIndex)]
                                                                            : std::string();
}

}  // namespace

ViewChoice fnChooseView(const std::string& which, int fileIndex) {
    ViewChoice c;
    const std::string entry = oFile && fileIndex >= 1 && fileIndex <= oFile->Count() ? oFile->Item(fileIndex).FileName
                                                                                      : std::string();
    const std::string output = PerFile(gsTempOutFile, fileIndex);
    if (which == "INOUT") {
        if (!output.empty()) {
            c.File = output;
            c.Suffix = " -- After Zelking";
            c.ToolbarState = 0;
        } else {
            c.File = entry;
            c.Suffix = " -- Before Zelking";
            c.ToolbarState = 2;
        }
    } else if (which == "INFILE") {
        c.File = entry;
        c.Suffix = " -- Before Zelking";
    } else if (which == "OUTFILE") {
        c.File = output;
        c.Suffix = " -- After Zelking";
    } else if (which == "LOGFILE") {
        c.File = PerFile(gsTempLogFile, fileIndex);
        c.Suffix = " -- Zelker Log File";
    }
    c.Show = !c.File.empty();
    return c;
}
