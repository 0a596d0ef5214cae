#pragma once
// Where the main window puts its controls for its size, and where it places
// itself. Everything is in twips; a computed width or height never goes
// below 0.
class cWindowObject;

struct TwipRect {
    long Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const TwipRect&) const = default;
};

struct FrameLayoutInput {
    long Width = 0, Height = 0;   // the window's outer size
    long ToolbarHeight = 0;       // picToolBar, subtracted also while hidden
    long StatusHeight = 0;        // picStatus, subtracted also while hidden
    long StatusWidth = 0;         // picStatus.Width
    long ScrollBarWidth = 0;      // oAppInfo.ScrollBarWidth
    long RecordTextWidth = 0;     // what lblRecord's text needs
};

struct FrameLayout {
    TwipRect fraFile, txtSourceFile, vscr;
    long lblStatusWidth = 0, lblRecordLeft = 0, lblRecordWidth = 0;
    TwipRect fraSpellCheck;  // its height is left as it is
    long lblSpellingWidth = 0, zzzLabels1Left = 0;
    long fraProgressLeft = 0, fraProgressTop = 0;
};

// Design places the layout keeps.
namespace frame {
constexpr long kStatusLabelLeft = 120;
constexpr long kSpellingLabelLeft2 = 300;
constexpr long kProgressWidth = 5895, kProgressHeight = 1395;
constexpr long kMinimumWidth = 8160;
}  // namespace frame

FrameLayout fnFrameLayout(const FrameLayoutInput& in);

// The status bar's two labels: the message on the left, the line label
// after it. The line label is never narrower than its text; when that would
// take it past the bar's end it moves left and the message gives way.
struct StatusLabels {
    long lblStatusWidth = 0, lblRecordLeft = 0, lblRecordWidth = 0;
};
StatusLabels fnStatusLabels(long statusWidth, long windowWidth, long recordTextWidth);

// The window's place at load: a stored place as it stands, or (when no width
// is stored) 67 % of the screen, at least 8160 twips wide, centred. True when
// the stored window state is to be applied before the move.
bool fbPlaceWindow(cWindowObject& place, double screenWidth, double screenHeight);

// Remembers the window's place after a resize: the state (0 normal, 2
// maximized) always, the size and position only while the window is normal.
void sbRememberPlace(cWindowObject& place, int windowState, double left, double top, double width, double height);
