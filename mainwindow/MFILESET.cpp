#include "mainwindow/MFILESET.h"

#include "common/ErrorTrap.h"
#include "common/IProgressView.h"
#include "common/SharedState.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "mainwindow/ViewerControls.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"

namespace {

LineReader goSourceFile;

std::string Num(long n) { return std::to_string(n); }

void LogWindow(const std::string& label, long anWhich) {
    if (!(oDebug && oDebug->LogApp && oLog)) return;
    oLog->LogData(label + Num(anWhich));
    oLog->LogData("glCurrentBufferStart=" + Num(glCurrentBufferStart));
    oLog->LogData("glLinesInWindow=" + Num(glLinesInWindow));
    oLog->LogData("glLinesInFile=" + Num(glLinesInFile));
}

bool IsCodeStart(const std::string& line) {
    return vb::EqualsNoCase(vb::Trim(line).substr(0, 10), "Attribute ");
}

// The read loop: every line of the open file into the buffer. A line that
// cannot be read ends the reading; the failed read still counts as a line.
void sbSetPointers() {
    Trapped("sbSetPointers: MFILESET", [&] {
        TraceGuard trace(TraceKind::App, "sbSetPointers");
        long i = 0;
        bool codeFound = false;
        std::string line;
        do {
            ++i;
            if (i >= static_cast<long>(gtLineBuffer.size()))
                gtLineBuffer.resize(static_cast<size_t>(vb::CLng(i * 1.2)) + 1);
            if (!goSourceFile.ReadLine(line)) break;
            gtLineBuffer[i] = {line, i};
            if (!codeFound && IsCodeStart(line)) {
                glCodeStartLine = i;
                codeFound = true;
            }
            sbMsgBar("Processing File: " + Num(i) + " Lines Processed", false, gctlStatus);
        } while (!goSourceFile.Eof());
        glLinesInFile = i;
    });
}

}  // namespace

long fnLastWindowStart() {
    const long start = glLinesInFile - glLinesInWindow + 1;
    return start < 1 ? 1 : start;
}

void sbCloseFile() {
    goSourceFile.Close();
    giSourceFileNo = 0;
}

void sbGetFile(const std::string& fileName) {
    int step = 0;
    try {
        TraceGuard trace(TraceKind::App, "sbGetFile");
        step = 1;
        sbCloseFile();
        step = 2;
        glSourceFileLen = 0;
        goSourceFile.Open(fileName);
        giSourceFileNo = 1;
        glSourceFileLen = static_cast<long>(goSourceFile.Size());
        glLinesInFile = glSourceFileLen / 18;
        glCurrentWindowPointer = 1;
        glCurrentFilePointer = 1;
        step = 3;
        Ui().SetMousePointer(pointer::vbHourglass);
        step = 5;
        glCodeStartLine = 1;
        gtLineBuffer.assign(static_cast<size_t>(glLinesInFile) + 1, LineRecord{});
        step = 6;
        sbSetPointers();
        step = 8;
        if (goViewerControls) {
            if (glLinesInFile > glLinesInWindow) {
                goViewerControls->SetScrollEnabled(true);
                goViewerControls->SetScrollMax(fnLastWindowStart());
                goViewerControls->SetScrollValue(1);
            } else {
                goViewerControls->SetScrollEnabled(false);
            }
        }
        step = 9;
        sbCloseFile();
        Ui().SetMousePointer(pointer::vbDefault);
        // The count of lines read is over once the file is in.
        sbMsgBar("", false, gctlStatus);
    } catch (const std::exception& e) {
        sbCloseFile();
        Ui().SetMousePointer(pointer::vbDefault);
        const bool unreadable = step == 2 && dynamic_cast<const VBError*>(&e);
        if (unreadable) {
            // Nothing of an earlier file stays on show as if it were this one.
            gtLineBuffer.assign(2, LineRecord{});
            gtLineBuffer[1].LineNo = 1;
            glLinesInFile = 1;
            glCodeStartLine = 1;
            glCurrentFilePointer = glCurrentWindowPointer = 1;
            if (goViewerControls) goViewerControls->SetScrollEnabled(false);
        }
        if (unreadable || !TrapErrors()) throw;
        ERHandlerForCurrentException("sbGetFile line: " + Num(step) + " filename: " + fileName);
    }
}

std::string fsGetBuffer(long anWhich) {
    return Trapped("fsGetBuffer: MFILESET", [&]() -> std::string {
        if (!gblnBufferBusy) return {};
        TraceGuard trace(TraceKind::App, "fsGetBuffer");
        LogWindow("anWhich=", anWhich);
        const long L = glLinesInFile;
        const long W = glLinesInWindow;
        long& start = glCurrentBufferStart;
        long& current = glCurrentFilePointer;
        switch (anWhich) {
            case FileStart:
                LogWindow("FileStart=anWhich=", anWhich);
                start = 1;
                current = 1;
                glSelStartPos = 0;
                break;
            case FILEDOWNALINE:
                LogWindow("FILEDOWNALINE=anWhich=", anWhich);
                ++start;
                ++current;
                break;
            case FILEDOWNAPAGE:
                LogWindow("FILEDOWNAPAGE=anWhich=", anWhich);
                if (current + W <= L) {
                    current += W;
                } else {
                    current = L - W;
                    if (current < 1) current = 1;
                }
                // Near the end the window holds fewer lines, but never none.
                start += W;
                if (start > L) start = L;
                break;
            case FILEUPALINE:
                LogWindow("FILEUPALINE=anWhich=", anWhich);
                if (start > 1) {
                    --start;
                    --current;
                } else {
                    start = 1;
                    current = 1;
                }
                break;
            case FILEUPAPAGE:
                LogWindow("FILEUPAPAGE=anWhich=", anWhich);
                if (current - W <= 1) {
                    current = 1;
                    glSelStartPos = 0;
                }
                start -= W;
                break;
            case FILEATCODE:
                LogWindow("FILEATCODE=anWhich=", anWhich);
                glSelStartPos = 0;
                start = glCodeStartLine;
                current = start;
                break;
            case FILESETPOSITION:
                LogWindow("FILESETPOSITION=anWhich=", anWhich);
                glSelStartPos = 0;
                if (current <= fnLastWindowStart()) {
                    start = current;
                } else {
                    start = fnLastWindowStart();
                    current = start;
                }
                break;
            case FILEATEND:
                LogWindow("FILEATEND=anWhich=", anWhich);
                // The caret goes to the window's first row, where the key
                // handling counts it.
                glSelStartPos = 0;
                start = fnLastWindowStart();
                current = start;
                break;
            default:
                break;
        }
        if (start < 1) start = 1;
        long last = start + W;
        if (last > L) last = L;
        // glLinesInFile may hold the file processing's estimate while a run
        // is under way: never read past the lines held.
        const long held = static_cast<long>(gtLineBuffer.size()) - 1;
        if (last > held) last = held;

        std::string text;
        for (long i = start; i <= last; ++i) {
            text += gtLineBuffer[static_cast<size_t>(i)].Text;
            text += "\r\n";
        }
        if (goViewerControls) goViewerControls->SetLineLabel("Line: " + Num(start) + " of " + Num(L));
        LogWindow("Exit=anWhich=", anWhich);
        gblnBufferBusy = false;
        return text;
    });
}
