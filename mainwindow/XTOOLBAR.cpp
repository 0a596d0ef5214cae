#include "mainwindow/XTOOLBAR.h"

#include "common/ErrorTrap.h"
#include "common/IProgressView.h"
#include "platform/PictureBox.h"
#include "platform/SysColor.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

using namespace xtoolbar;

// This module's traces name the module first and write the exit line as data.
struct XTrace {
    std::string name;
    bool on;
    explicit XTrace(std::string procName, const std::string& info = {})
        : name("XTOOLBAR: " + std::move(procName)), on(oDebug && oDebug->LogApp && oLog) {
        if (on) oLog->LogTraceEnter(name + info);
    }
    ~XTrace() {
        if (on && std::uncaught_exceptions() == 0) oLog->LogData("<-" + name);
    }
};

long ToolbarNumber(const IPictureBox* box) { return vb::CLng(vb::Val(box->Tag())); }

IPictureBox* BoxOf(const ToolbarButtonRecord& b) {
    if (b.ToolbarIndex <= 0 || static_cast<size_t>(b.ToolbarIndex) >= gpicToolbar.size()) return nullptr;
    return gpicToolbar[b.ToolbarIndex];
}

long LastPosition() { return static_cast<long>(gtToolbarButtons.size()) - 1; }

uint32_t Highlight() { return GetSysColor(syscolor::COLOR_BTNHIGHLIGHT); }
uint32_t Frame() { return GetSysColor(syscolor::COLOR_WINDOWFRAME); }
uint32_t Face() { return GetSysColor(syscolor::COLOR_BTNFACE); }
constexpr uint32_t kShadow = syscolor::kButtonShadow;

// The first button of the toolbar whose cell holds (X, Y) strictly inside.
long ButtonAt(long toolbar, double X, double Y) {
    for (long i = 1; i <= LastPosition(); ++i) {
        const auto& b = gtToolbarButtons[i];
        if (b.ToolbarIndex == toolbar && b.Bitmap > -1 && b.Left < X && X < b.Right && b.Top < Y && Y < b.Bottom)
            return i;
    }
    return 0;
}

// Frames of a button: 0 flat (wipes either frame), 1 sunken, 2 raised.
void PaintButton(long mode, const ToolbarButtonRecord& b) {
    IPictureBox* box = BoxOf(b);
    if (!box) return;
    const long L = b.Left, T = b.Top, R = b.Right, B = b.Bottom;
    const uint32_t hi = Highlight(), frame = Frame(), face = Face();
    auto line = [&](long x1, long y1, long x2, long y2, uint32_t c) {
        box->Line(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2), c);
    };
    switch (mode) {
        case 2:
            line(L, B - 1, R, B - 1, frame);
            line(L + 1, B - 2, R - 2, B - 2, kShadow);
            line(R - 1, T, R - 1, B - 1, frame);
            line(R - 2, T + 1, R - 2, B - 1, kShadow);
            line(L, T, R - 1, T, hi);
            line(L, T + 1, L, B - 1, hi);
            break;
        case 1:
            line(L, B - 1, R, B - 1, hi);
            line(R - 1, T, R - 1, B - 1, hi);
            line(L, T, R - 1, T, frame);
            line(L + 1, T + 1, R - 2, T + 1, kShadow);
            line(L, T + 1, L, B - 1, frame);
            line(L + 1, T + 2, L + 1, B - 2, kShadow);
            break;
        case 0:
            line(L, B - 1, R, B - 1, face);
            line(L + 1, B - 2, R - 2, B - 2, face);
            line(R - 1, T, R - 1, B - 1, face);
            line(R - 2, T + 1, R - 2, B - 1, face);
            line(L, T, R - 1, T, face);
            line(L + 1, T + 1, R - 2, T + 1, face);
            line(L, T + 1, L, B - 1, face);
            line(L + 1, T + 2, L + 1, B - 2, face);
            break;
        default:
            break;
    }
}

void DrawSeparator(const ToolbarButtonRecord& b) {
    IPictureBox* box = BoxOf(b);
    if (!box) return;
    const int L = static_cast<int>(b.Left), T = static_cast<int>(b.Top), B = static_cast<int>(b.Bottom);
    box->Line(L, T - 1, L, B, kShadow);
    box->Line(L + 1, T - 1, L + 1, B, Highlight());
}

void DrawButtonBitmap(long state, const ToolbarButtonRecord& b) {
    IPictureBox* box = BoxOf(b);
    const ToolbarRecord& bar = gtToolbars[b.ToolbarIndex];
    if (!box || !bar.BitmapDC) return;
    const int sx = static_cast<int>((b.Bitmap - 1) * kStripPitch + 5);
    const int sy = bar.UpperImageRow ? 5 : 45;
    Bitmap32 source = bar.BitmapDC->Block(sx, sy, kImageWidth, kImageHeight);
    box->PutImage(fnButtonImage(source, kTransparent, state == 2), static_cast<int>(b.Left + kImageOffset),
                  static_cast<int>(b.Top + kImageOffset));
}

void SinkButton(ToolbarPress& press) {
    const auto& b = gtToolbarButtons[press.Position];
    press.Box->CopyWithin(static_cast<int>(b.Left + 2), static_cast<int>(b.Top + 2), static_cast<int>(b.Left + 3),
                          static_cast<int>(b.Top + 3), static_cast<int>(b.Right - b.Left - 4),
                          static_cast<int>(b.Bottom - b.Top - 4));
    PaintButton(1, b);
    press.Pressed = true;
}

// lHotButton: the button that shows the raised frame, 0 for none.
long lHotButton = 0;

}  // namespace

Bitmap32 fnButtonImage(const Bitmap32& source, uint32_t transparent, bool disabled) {
    const int w = source.Width, h = source.Height;
    const uint32_t face = Face();
    // The image on the face colour (mask, then xor-and-xor).
    Bitmap32 m(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) m.Set(x, y, source.At(x, y) == transparent ? face : source.At(x, y));
    if (!disabled) return m;

    // Ink: the black and the pure blue pixels of the composed image.
    const uint32_t kPureBlue = RGB(0, 0, 255);
    Bitmap32 out(w, h, face);
    const uint32_t hi = Highlight(), shadow = ResolveColor(kShadow);
    auto ink = [&](int x, int y) { return m.At(x, y) == 0 || m.At(x, y) == kPureBlue; };
    for (int y = 0; y < h - 1; ++y)
        for (int x = 0; x < w - 1; ++x)
            if (ink(x, y)) out.Set(x + 1, y + 1, hi);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (ink(x, y)) out.Set(x, y, shadow);
    return out;
}

void g_InitToolbars() {
    gtToolbars.assign(1, ToolbarRecord{});
    gpicToolbar.assign(1, nullptr);
    gtToolbarButtons.assign(1, ToolbarButtonRecord{});
    lHotButton = 0;
}

void g_SetToolbarStatushelp(ICaption* label) {
    XTrace trace("g_SetToolbarStatushelp");
    glblStatusHelp = label;
}

void g_AddToolbar(IPictureBox* toolbar, const Bitmap32* strip) {
    XTrace trace("g_AddToolbar");
    const long n = static_cast<long>(gtToolbars.size());
    gtToolbars.resize(n + 1);
    gpicToolbar.resize(n + 1);
    gtToolbars[n].UpperImageRow = false;
    gtToolbars[n].AlignPosition = 1;
    gtToolbars[n].BitmapDC = strip;
    toolbar->SetTag(std::to_string(n));
    gpicToolbar[n] = toolbar;
    gtToolbarButtons.assign(1, ToolbarButtonRecord{});
}

void g_AddToolbarButton(long toolbar, long position, long bitmap, const std::string& statusHelp,
                        const std::string& toolTip, const std::string* disabledHelp) {
    XTrace trace("g_AddToolbarButton");
    if (position < 1) return;
    if (position > LastPosition()) gtToolbarButtons.resize(static_cast<size_t>(position) + 1);
    auto& b = gtToolbarButtons[position];
    b.ToolbarIndex = toolbar;
    b.Bitmap = bitmap;
    b.State = -1;
    b.ToolTip = toolTip;
    b.StatusHelp = statusHelp;
    b.DisabledHelp = disabledHelp ? *disabledHelp : statusHelp;
}

// Sized also while the box is hidden, so that a toolbar shown later shows
// its buttons.
void g_ResizeToolbar(IPictureBox* toolbar) {
    XTrace trace("g_ResizeToolbar");
    const long n = ToolbarNumber(toolbar);
    if (n < 1 || static_cast<size_t>(n) >= gtToolbars.size()) return;
    toolbar->SetAutoRedraw(false);
    toolbar->SetBackColor(syscolor::kButtonFace);
    gtToolbars[n].UpperImageRow = true;
    toolbar->SetBorderless();
    toolbar->SetHeightPixels(kToolbarHeight);
    if (gtToolbars[n].AlignPosition == 1 || gtToolbars[n].AlignPosition == 2)
        toolbar->SetAlign(static_cast<int>(gtToolbars[n].AlignPosition));
}

void g_CalcToolbarButtons(IPictureBox* toolbar) {
    Trapped("g_CalcToolbarButtons", [&] {
        XTrace trace("g_CalcToolbarButtons");
        const long n = ToolbarNumber(toolbar);
        long x = 0;
        for (long i = 1; i <= LastPosition(); ++i) {
            auto& b = gtToolbarButtons[i];
            if (b.ToolbarIndex != n) continue;
            b.Left = x;
            b.Top = kTop;
            b.State = -1;
            if (b.Bitmap == -1) {
                x += kSeparatorWidth;
                b.Left = x - kSeparatorWidth / 2;
                b.Bottom = kTop + kButtonHeight;
            } else {
                b.Right = x + kButtonWidth;
                b.Bottom = kTop + kButtonHeight;
                x += kButtonWidth;
            }
        }
    });
}

void RedrawToolbar(long state) {
    XTrace trace("RedrawToolbar");
    for (long i = 1; i <= LastPosition(); ++i)
        if (gtToolbarButtons[i].Bitmap >= 0) g_DrawButton(i, state);
}

void g_DrawButton(long position, long state) {
    XTrace trace("g_DrawButton", " Button: " + std::to_string(position) + " State: " + std::to_string(state));
    if (position < 0 || position > LastPosition()) return;
    auto& b = gtToolbarButtons[position];
    if (b.State == state) return;
    b.State = state;
    if (b.Bitmap > 0) {
        IPictureBox* box = BoxOf(b);
        if (!box) return;
        box->SetAutoRedraw(true);
        DrawButtonBitmap(state, b);
        PaintButton(0, b);
        box->SetAutoRedraw(false);
    } else {
        DrawSeparator(b);
    }
}

void g_PaintToolbar() {
    for (long i = 1; i <= LastPosition(); ++i)
        if (gtToolbarButtons[i].Bitmap < 0) DrawSeparator(gtToolbarButtons[i]);
    if (gpicToolbar.size() < 2 || !gpicToolbar[1]) return;
    IPictureBox* box = gpicToolbar[1];
    const int W = box->Width(), H = box->ScaleHeight();
    box->Line(1, 1, W, 1, kShadow);
    box->Line(1, 2, W, 2, Highlight());
    box->Line(1, H - 1, W, H - 1, kShadow);
}

long giToolbarMouseMove(IPictureBox* toolbar, double X, double Y) {
    const long i = ButtonAt(ToolbarNumber(toolbar), X, Y);
    if (i == 0) {
        PaintButton(0, gtToolbarButtons[lHotButton < static_cast<long>(gtToolbarButtons.size()) ? lHotButton : 0]);
        lHotButton = 0;
        g_SetToolbarTooltip("", "");
        return -1;
    }
    if (i == lHotButton) return i;
    if (lHotButton < static_cast<long>(gtToolbarButtons.size())) PaintButton(0, gtToolbarButtons[lHotButton]);
    lHotButton = i;
    const auto& b = gtToolbarButtons[i];
    std::string help;
    if (b.State == 0) {
        PaintButton(2, b);
        help = b.StatusHelp;
    } else if (b.State == 2) {
        help = b.DisabledHelp;
    }
    g_SetToolbarTooltip(b.ToolTip, help);
    return i;
}

void g_SetToolbarTooltip(const std::string& toolTip, const std::string& statusText) {
    if (!oAppInfo || !oAppInfo->ToolTips) return;
    if (glblStatusHelp) glblStatusHelp->SetCaption(statusText);
    if (gpicToolbar.size() > 1 && gpicToolbar[1]) gpicToolbar[1]->SetToolTipText(toolTip);
}

namespace {
// The press's trace spans its events: the entry at the press, the exit when
// tracking ends.
bool PressTraceOn() { return oDebug && oDebug->LogApp && oLog; }
void PressTraceExit() {
    if (PressTraceOn()) oLog->LogData("<-XTOOLBAR: giToolbarClicked");
}
}  // namespace

bool fbToolbarPressBegin(IPictureBox* toolbar, double X, double Y, bool leftButton, ToolbarPress& press) {
    if (PressTraceOn()) oLog->LogTraceEnter("XTOOLBAR: giToolbarClicked");
    press = ToolbarPress{};
    const long i = ButtonAt(ToolbarNumber(toolbar), X, Y);
    if (i == 0 || gtToolbarButtons[i].State != 0) {
        PressTraceExit();
        return false;
    }
    if (!leftButton) {
        // Another mouse button: the left one is up at the first look.
        toolbar->Refresh();
        PressTraceExit();
        return false;
    }
    press.Box = toolbar;
    press.Position = i;
    SinkButton(press);
    return true;
}

void sbToolbarPressMove(ToolbarPress& press, double X, double Y) {
    if (!press.Box) return;
    const auto& b = gtToolbarButtons[press.Position];
    const bool inside = b.Left <= X && X <= b.Right && b.Top <= Y && Y <= b.Bottom;
    if (inside && !press.Pressed) {
        SinkButton(press);
    } else if (!inside && press.Pressed) {
        press.Box->Cls();
        press.Pressed = false;
    }
}

long giToolbarPressEnd(ToolbarPress& press, double X, double Y) {
    if (!press.Box) return 0;
    sbToolbarPressMove(press, X, Y);
    long result = 0;
    if (press.Pressed) {
        result = press.Position;
        if (glblStatusHelp) glblStatusHelp->SetCaption("");
    }
    press.Box->Refresh();
    PressTraceExit();
    press = ToolbarPress{};
    return result;
}
