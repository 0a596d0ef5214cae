#include "mainwindow/FrameLayout.h"

#include <algorithm>

#include "common/cVEZUZ.h"

namespace {
long NotNegative(long v) { return v < 0 ? 0 : v; }
}  // namespace

FrameLayout fnFrameLayout(const FrameLayoutInput& in) {
    FrameLayout out;
    const long W = in.Width, H = in.Height;
    out.fraFile = {60, in.ToolbarHeight + 60, NotNegative(W - 220),
                   NotNegative(H - (in.ToolbarHeight + in.StatusHeight + 900))};
    out.txtSourceFile = {80, 300, NotNegative(out.fraFile.Width - (in.ScrollBarWidth + 180)),
                         NotNegative(out.fraFile.Height - 380)};
    out.vscr = {out.txtSourceFile.Left + out.txtSourceFile.Width, out.txtSourceFile.Top, in.ScrollBarWidth,
                NotNegative(out.txtSourceFile.Height - 255)};

    const StatusLabels labels = fnStatusLabels(in.StatusWidth, W, in.RecordTextWidth);
    out.lblStatusWidth = labels.lblStatusWidth;
    out.lblRecordLeft = labels.lblRecordLeft;
    out.lblRecordWidth = labels.lblRecordWidth;

    out.fraSpellCheck = {400, 540, NotNegative(W - 800), 0};
    out.lblSpellingWidth = NotNegative(W - 800 - 600);
    out.zzzLabels1Left = frame::kSpellingLabelLeft2 + out.lblSpellingWidth + 40;

    out.fraProgressLeft = (W - frame::kProgressWidth) / 2;
    out.fraProgressTop = (H - frame::kProgressHeight) / 2;
    return out;
}

StatusLabels fnStatusLabels(long statusWidth, long windowWidth, long recordTextWidth) {
    StatusLabels out;
    out.lblStatusWidth = NotNegative(static_cast<long>(0.75 * statusWidth));
    out.lblRecordLeft = frame::kStatusLabelLeft + out.lblStatusWidth + 120;
    out.lblRecordWidth = std::max(NotNegative(static_cast<long>(0.2 * windowWidth)), recordTextWidth);
    const long barEnd = statusWidth - frame::kStatusLabelLeft;
    if (out.lblRecordLeft + out.lblRecordWidth > barEnd) {
        out.lblRecordLeft = std::max(frame::kStatusLabelLeft, barEnd - out.lblRecordWidth);
        out.lblStatusWidth = NotNegative(out.lblRecordLeft - 120 - frame::kStatusLabelLeft);
    }
    return out;
}

bool fbPlaceWindow(cWindowObject& place, double screenWidth, double screenHeight) {
    if (place.TheWidth == 0) {
        place.TheWidth = static_cast<float>(0.67 * screenWidth < frame::kMinimumWidth ? frame::kMinimumWidth
                                                                                       : 0.67 * screenWidth);
        place.TheHeight = static_cast<float>(0.67 * screenHeight);
        place.TheLeft = static_cast<float>((screenWidth - place.TheWidth) * 0.5);
        place.TheTop = static_cast<float>((screenHeight - place.TheHeight) * 0.5);
        return false;
    }
    return true;
}

void sbRememberPlace(cWindowObject& place, int windowState, double left, double top, double width, double height) {
    place.WindowState(windowState);
    if (windowState != 0) return;
    place.TheLeft = static_cast<float>(left);
    place.TheTop = static_cast<float>(top);
    place.TheHeight = static_cast<float>(height);
    place.TheWidth = static_cast<float>(width);
}
