#include "mainwindow/cGauge.h"

#include <cmath>

#include "mainwindow/GaugeLabel.h"
#include "platform/PictureBox.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"

namespace {

constexpr int kThick = 25, kThin = 17, kPitch = 14;

int Whole(double v) { return vb::CLng(v); }

}  // namespace

void cGauge::NewGauge(const void* /*FName*/, IPictureBox* ContainName, IGaugeLabel* CVLabel, IGaugeLabel* NumLabel,
                      bool Direction, bool ThickNess, bool SolidNess, bool UN) {
    TraceGuard trace(TraceKind::App, "NewGauge");
    box_ = ContainName;
    bar_ = CVLabel;
    percent_ = NumLabel;
    horizontal_ = Direction;
    thick_ = ThickNess;
    solid_ = SolidNess;
    showPercent_ = UN;
    min_ = 0;
    max_ = 100;
    if (!box_) return;

    // The bar label shows only where it is the drawing: the bar of a solid
    // gauge, or the cover over the blocks a vertical gauge has not reached.
    // The horizontal block gauges draw their blocks themselves.
    if (bar_) bar_->SetVisible(SolidNess || !Direction);

    if (SolidNess) {
        if (bar_) {
            bar_->SetCaption("");
            bar_->SetOpaque(true);
            bar_->SetBackColor(box_->ForeColor());
        }
        const int h = box_->ScaleHeight(), w = box_->ScaleWidth();
        if (Direction) {
            if (bar_) bar_->Move(0, 0, 0, h);
            if (UN && percent_) {
                percent_->SetOpaque(false);
                percent_->SetAutoSizeCentred();
                percent_->SetCaption("0%");
                percent_->Move(0, h / 2 - percent_->Height() / 2, w, percent_->Height());
                percent_->SetVisible(true);
                percent_->BringToFront();
                percentFore_ = percent_->ForeColor();
            }
        } else if (bar_) {
            bar_->Move(0, h - 1, w, h);
        }
        return;
    }

    if (Direction && ThickNess) {
        box_->SetHeightPixels(kThick);
    } else if (Direction) {
        box_->SetHeightPixels(kThin);
        for (int x = 0; x <= box_->ScaleWidth(); x += 8) box_->FilledBox(x + 1, 1, x + 7, 11, box_->ForeColor());
    } else if (ThickNess) {
        box_->SetWidthPixels(kThick);
        for (int y = box_->ScaleHeight() - 1; y >= 0; y -= 14) box_->FilledBox(1, y - 12, 19, y - 1, box_->ForeColor());
    } else {
        box_->SetWidthPixels(kThin);
        for (int y = box_->ScaleHeight() - 1; y >= 0; y -= 8) box_->FilledBox(1, y - 7, 11, y - 1, box_->ForeColor());
    }
    if (bar_) {
        bar_->SetCaption("");
        bar_->SetOpaque(true);
        bar_->SetBackColor(box_->BackColor());
        bar_->Move(0, 0, box_->ScaleWidth(), box_->ScaleHeight());
    }
}

void cGauge::Value(long value) {
    TraceGuard trace(TraceKind::App, "Value");
    if (!box_) return;
    if (horizontal_ && !solid_) {
        DrawBlocks(value);
        return;
    }
    if (max_ == min_ || !bar_) return;  // no range: nothing to draw
    const double span = static_cast<double>(max_ - min_), v = static_cast<double>(value);
    const int w = box_->ScaleWidth(), h = box_->ScaleHeight();
    if (horizontal_) {
        const int barWidth = Whole(w / span * v);
        bar_->Move(bar_->Left(), bar_->Top(), barWidth, bar_->Height());
        if (showPercent_) PercentLabel(barWidth);
    } else if (solid_) {
        bar_->Move(bar_->Left(), Whole(h - h / span * v), bar_->Width(), bar_->Height());
        Ui().DoEvents();
    } else {
        bar_->Move(bar_->Left(), bar_->Top(), bar_->Width(), Whole(h - h / span * v));
    }
}

void cGauge::DrawBlocks(long value) {
    const long n = max_ == min_ ? 0
                                : vb::CLng(static_cast<double>(box_->ScaleWidth()) /
                                           static_cast<double>(max_ - min_) * static_cast<double>(value));
    // A long run sets the value on every tenth line, but the row grows by a
    // block only now and then: the same row drawn again would change no
    // pixel.
    const long blocks = max_ == min_ ? kEmptyRange : n < 0 ? 0 : n / kPitch + 1;
    if (blocks == drawnBlocks_) return;
    drawnBlocks_ = blocks;
    box_->SetHeightPixels(kThick);
    box_->SetAutoRedraw(true);
    box_->Cls();
    if (blocks == kEmptyRange) return;  // no range: nothing to draw, the drawing stays persistent
    for (long x = 0; x <= n; x += kPitch)
        box_->FilledBox(static_cast<int>(x + 1), 1, static_cast<int>(x + 12), 19, box_->ForeColor());
    box_->SetAutoRedraw(false);
}

void cGauge::PercentLabel(int barWidth) {
    if (!percent_) return;
    const int w = box_->ScaleWidth();
    const long percent = w > 0 ? static_cast<long>(std::floor(static_cast<double>(barWidth) / w * 100.0)) : 0;
    percent_->SetCaption(std::to_string(percent) + "%");
    // Past the half the text stands on the bar: it takes the light colour.
    percent_->SetForeColor(percent > 50 ? percent_->BackColor() : percentFore_);
}
