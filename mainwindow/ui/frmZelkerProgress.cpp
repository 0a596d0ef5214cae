// The main window's progress panel: the gauge, the count labels and the
// Cancel button that the file processing drives while a file is zelked.
#include <QLabel>
#include <QPushButton>

#include "platform_ui/AnsiText.h"
#include "platform/Drawing.h"
#include "common/ErrorTrap.h"
#include "platform/KeyCodes.h"
#include "QtGaugeLabel.h"
#include "platform_ui/QtPictureBox.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "mainwindow/cGauge.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"

void frmZelker::InitProgress() {
    // The gauge's frame: a sunken ring inside a raised one, on the panel
    // that holds the gauge.
    bool flag = true;
    sbDraw3DBorder(*fraProgress, picGauge->x(), picGauge->y(), picGauge->width(), picGauge->height(), flag);
    mGauge = std::make_unique<cGauge>();
    if (!mGaugeBar) mGaugeBar = std::make_unique<QtGaugeLabel>(lblGAuge);
    if (!mGaugePercent) mGaugePercent = std::make_unique<QtGaugeLabel>(lblShow);
    // A thick, horizontal row of blocks with the percent label.
    mGauge->NewGauge(this, picGauge, mGaugeBar.get(), mGaugePercent.get(), true, true, false, true);
    fraProgress->setEnabled(true);
    mGauge->Value(0);
    fraProgress->raise();
    fraProgress->show();
}

void frmZelker::TermProgress() {
    fraProgress->setEnabled(false);
    fraProgress->hide();
    mGauge.reset();
}

std::string frmZelker::ProgressCaption() const { return ToAnsi(lblProgress->text()); }

void frmZelker::SetProgressCaption(const std::string& text) {
    lblProgress->setText(FromAnsi(text));
    lblProgress->repaint();
}

void frmZelker::SetProgressVisible(bool visible) {
    if (visible) fraProgress->raise();
    fraProgress->setVisible(visible);
}

void frmZelker::SetCountText(const std::string& text) { lblCount->setText(FromAnsi(text)); }
void frmZelker::SetCountWhatText(const std::string& text) { lblCountWhat->setText(FromAnsi(text)); }
void frmZelker::ClearGauge() {
    picGauge->Cls();
    if (mGauge) mGauge->Cleared();
}

void frmZelker::SetGaugeMin(long value) {
    if (mGauge) mGauge->Min(value);
}

void frmZelker::SetGaugeMax(long value) {
    if (!mGauge) RaiseError(91, "frmZelker", "Object variable or With block variable not set");
    mGauge->max(value);
}

void frmZelker::SetGaugeValue(long value) {
    TraceGuard trace(TraceKind::App, "GaugeValue(frmZelker)");
    if (!mGauge) RaiseError(91, "frmZelker", "Object variable or With block variable not set");
    mGauge->Value(value);
}

void frmZelker::cmdCancel_Click() {
    Trapped("(frmZelker): cmdCancel_Click", [&] {
        TraceGuard trace(TraceKind::Events, "cmdCancel_Click(frmZelker)");
        const int answer = Ui().MsgBox("You have selected cancel.\r\nDo You Want to Cancel this Zelk?",
                                       mb::vbYesNo | mb::vbQuestion, "Cancel Zelk");
        oAppInfo->WasCanceled = answer == mb::vbYes;
    });
}

void frmZelker::cmdCancel_KeyDown(int keyCode, int shift) {
    const int all = vbkey::vbShiftMask | vbkey::vbCtrlMask | vbkey::vbAltMask;
    if (keyCode == vbkey::vbKeyF2 && (shift & all) == all) oAppInfo->WasCanceled = true;
}
