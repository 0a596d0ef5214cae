#pragma once
// The read-only viewer of the main window: which file a view shows, and how
// the viewer's keys, its scroll bar and the View menu's start items move the
// window of lines over the line buffer.
#include <string>

// The viewer's own state on the main window.
struct ViewerState {
    // A change of the scroll bar's value moves the window only while set: the
    // keys clear it before they move the scroll bar themselves.
    bool mblnScrollActive = false;
    // The window text the text box holds.
    std::string Text;
};

// Refills the text box with a paging operation (announcing the call to the
// line buffer) and returns the text.
std::string fsViewerRefill(long anWhich, ViewerState& state);

// A file just read into the line buffer: its first window into the text
// box, the scroll bar at its top for the file's length (without moving the
// window again).
void sbViewerFileLoaded(ViewerState& state);
// The scroll bar's range and thumb for the file's length and the window's
// size, without moving the window.
void sbViewerScrollRange(ViewerState& state);

// Handles a key in the viewer; true when the key is swallowed, false when
// it keeps its usual effect (moving the caret within the window).
bool fbViewerKeyDown(int keyCode, int shift, ViewerState& state);
// A click in the text: the caret's row becomes the current line.
void sbViewerClick(ViewerState& state);
// The scroll bar's value changed (vscr_Change) or its thumb is dragged
// (vscr_Scroll).
void sbViewerScrollChange(ViewerState& state);
void sbViewerScroll(ViewerState& state);
// The mouse wheel turned by `lines` (down positive): the window moves as the
// scroll bar moves it.
void sbViewerWheel(long lines, ViewerState& state);
// Start of Code (0) or Start of File (1).
void sbViewerStart(int index, ViewerState& state);
// The text of the line label.
std::string fsLineLabel(long line);

// What a view of a session file shows.
struct ViewChoice {
    bool Show = false;          // false: the viewer keeps what it shows
    std::string File;           // the file to read
    std::string Suffix;         // appended to the frame's caption
    int ToolbarState = -1;      // for "INOUT": the state of positions 4, 17, 18
};
// "INOUT", "INFILE", "OUTFILE" or "LOGFILE" of file fileIndex of oFile.
ViewChoice fnChooseView(const std::string& which, int fileIndex);

// Character position of (row, column) in a window text (rows from 1,
// columns from 0, clamped to the line), and the row and column of a position.
long fnTextPosition(const std::string& text, long row, long column);
void sbTextRowColumn(const std::string& text, long position, long& row, long& column);
