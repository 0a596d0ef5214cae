#pragma once
// A flat toolbar painted by hand on a picture box: a row of fixed-size cells
// with images from a strip bitmap (greyed and embossed when disabled), a
// raised frame under the mouse pointer, help in the status line and the tool
// tip, and the tracking of a press until the left button is released. It
// knows nothing of commands: its owner fills the tables, sets the states and
// maps a clicked position to a command.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bitmap32.h"

class ICaption;
class IPictureBox;

struct ToolbarRecord {
    bool UpperImageRow = false;       // images from y = 5 while set, else y = 45
    long AlignPosition = 0;           // 1 dock at the top, 2 at the bottom
    const Bitmap32* BitmapDC = nullptr;  // the strip bitmap
};

struct ToolbarButtonRecord {
    long ToolbarIndex = 0;  // 0 in a blank record
    long Bitmap = 0;        // 1-based image number; -1 a separator
    long Left = 0, Top = 0, Right = 0, Bottom = 0;
    long State = 0;         // -1 not drawn yet, 0 enabled, 2 disabled
    std::string ToolTip;
    std::string StatusHelp;
    std::string DisabledHelp;
};

// Indexed by toolbar number and by button position; element 0 is unused
// (a blank record that stands for "no button").
inline std::vector<ToolbarRecord> gtToolbars(1);
inline std::vector<ToolbarButtonRecord> gtToolbarButtons(1);
inline std::vector<IPictureBox*> gpicToolbar(1);
inline ICaption* glblStatusHelp = nullptr;

// Layout, in pixels.
namespace xtoolbar {
constexpr int kButtonWidth = 23, kButtonHeight = 22, kTop = 5, kSeparatorWidth = 7, kToolbarHeight = 30;
constexpr int kImageWidth = 16, kImageHeight = 17, kImageOffset = 3, kStripPitch = 24;
constexpr uint32_t kTransparent = 0xFF00FF;
}  // namespace xtoolbar

void g_InitToolbars();
void g_SetToolbarStatushelp(ICaption* label);
void g_AddToolbar(IPictureBox* toolbar, const Bitmap32* strip);
void g_AddToolbarButton(long toolbar, long position, long bitmap, const std::string& statusHelp,
                        const std::string& toolTip, const std::string* disabledHelp = nullptr);
void g_ResizeToolbar(IPictureBox* toolbar);
void g_CalcToolbarButtons(IPictureBox* toolbar);
void RedrawToolbar(long state);
void g_DrawButton(long position, long state);
void g_PaintToolbar();
// Hover: the position under (X, Y), or -1 over no button.
long giToolbarMouseMove(IPictureBox* toolbar, double X, double Y);
void g_SetToolbarTooltip(const std::string& toolTip, const std::string& statusText);

// A press of the mouse on the toolbar, tracked from the press to the release
// through the box's mouse events. It counts as a click when it began strictly
// inside an enabled button with the left button and the pointer was on that
// button when the button was released.
struct ToolbarPress {
    IPictureBox* Box = nullptr;
    long Position = 0;   // the button pressed
    bool Pressed = false;  // the button shows the sunken look
};
// Starts tracking; false (nothing to track) when the press is not on an
// enabled button or not made with the left button.
bool fbToolbarPressBegin(IPictureBox* toolbar, double X, double Y, bool leftButton, ToolbarPress& press);
void sbToolbarPressMove(ToolbarPress& press, double X, double Y);
// The release: the clicked position, or 0.
long giToolbarPressEnd(ToolbarPress& press, double X, double Y);

// The image of a button composed on the button face: transparent pixels take
// the face colour; a disabled image keeps only its black and pure blue
// pixels, embossed in the highlight and shadow colours.
Bitmap32 fnButtonImage(const Bitmap32& source, uint32_t transparent, bool disabled);
