#pragma once
// The file shown in the viewer, held as lines, handed to the viewer's text box
// one window of lines at a time. The window's first line, its size and the
// current line are module globals that the viewer's keys, its scroll bar and
// the main window's resize read and write directly. glLinesInFile lives with
// the shared state: the file processing keeps its own line estimate there.
#include <string>
#include <vector>

struct LineRecord {
    std::string Text;
    long LineNo = 0;
};

// Element k (1 to glLinesInFile) holds line k; element 0 is unused; the
// buffer may be longer than the file.
inline std::vector<LineRecord> gtLineBuffer;

// W: the rows of the viewer that show a line in full; the window text holds
// W + 1 lines, the last one on the row that is cut off at the bottom.
inline long glLinesInWindow = 0;
inline long glCurrentBufferStart = 0;   // the file line in the window's first row
inline long glCurrentFilePointer = 0;   // the viewer's current line
inline long glCurrentWindowPointer = 0; // the caret's row in the window, from 1
inline long glCodeStartLine = 1;        // first line starting "Attribute "
inline long glSelStartPos = 0;          // caret position restored after a move
inline bool gblnBufferBusy = false;     // one-shot permission for fsGetBuffer
inline int giSourceFileNo = 0;          // not 0 while the viewed file is open
inline long glSourceFileLen = 0;        // the viewed file's size in bytes

// The paging operations of fsGetBuffer.
enum : long {
    FileStart = 1,
    FILEDOWNALINE = 2,
    FILEDOWNAPAGE = 3,
    FILEUPALINE = 4,
    FILEUPAPAGE = 5,
    FILEATCODE = 6,
    FILESETPOSITION = 7,
    FILEATEND = 8,
};

// The first line of the file's last window: the window that shows the last
// line on its last full row (1 when the whole file fits).
long fnLastWindowStart();

// Reads the whole file into the buffer and prepares the scroll bar; the file
// is closed again before it returns. A file that cannot be opened (gone,
// unreadable) leaves the buffer holding one empty line and raises VBError,
// for the caller to tell the user; the status line reads "Ready" once the
// file is read.
void sbGetFile(const std::string& fileName);
// Applies a paging operation and returns the window's text (every line ended
// by CR LF); writes the line label. Serves only a call announced through
// gblnBufferBusy, and clears it.
std::string fsGetBuffer(long anWhich);
// Closes the viewed file; never fails.
void sbCloseFile();
