#include "cGauge.h"

#include "PictureBox.h"
#include "Trace.h"
#include "VBText.h"

namespace {
constexpr int kHeight = 25, kPitch = 14;
}  // namespace

void cGauge::NewGauge(IPictureBox* container) {
    TraceGuard trace(TraceKind::App, "NewGauge");
    box_ = container;
    box_->SetHeightPixels(kHeight);
    min_ = 0;
    max_ = 100;
}

void cGauge::Value(long value) {
    TraceGuard trace(TraceKind::App, "Value");
    if (!box_) return;
    box_->SetHeightPixels(kHeight);
    box_->SetAutoRedraw(true);
    box_->Cls();
    if (max_ == min_) return;  // no range: nothing to draw, the drawing stays persistent
    const long n = vb::CLng(static_cast<double>(box_->ScaleWidth()) / static_cast<double>(max_ - min_) *
                            static_cast<double>(value));
    for (long x = 0; x <= n; x += kPitch)
        box_->FilledBox(static_cast<int>(x + 1), 1, static_cast<int>(x + 12), 19, box_->ForeColor());
    box_->SetAutoRedraw(false);
}
