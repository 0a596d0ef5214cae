#include "common/cVEZUZ.h"

#include "common/IProgressView.h"
#include "common/SharedState.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "common/mKEMCommon.h"

void cVEZUZ::StatusBarUpdate(bool& ablnFirstTime, bool ablnParsing, long aCount) {
    TraceGuard trace(TraceKind::App, "sbStatusBarUpdate");
    if (ablnFirstTime) {
        if (oProgressForm) {
            oProgressForm->SetCountText("");
            oProgressForm->ClearGauge();
            oProgressForm->SetCountWhatText("");
        }
        lMaxLines = glLinesInFile;
        if (oProgressForm) {
            oProgressForm->SetGaugeMin(0);
            oProgressForm->SetGaugeMax(lMaxLines);
            oProgressForm->SetGaugeValue(0);
        }
        ablnFirstTime = false;
        due_ = shown_ = Progress{};
    }
    // The count to show moves on the first line and every tenth; the window
    // is told only when its events are about to run (nothing shows before
    // that), and only when the count it shows has moved since. Nothing is
    // kept when neither the panel nor a status bar shows it (the
    // command-line tool).
    const bool shownAnywhere = oProgressForm || gctlStatus;
    if (shownAnywhere && (aCount == 1 || aCount % 10 == 0)) due_ = Progress{aCount, ablnParsing};
    IUiServices& ui = Ui();
    if (!ui.EventsDue()) return;
    if (shownAnywhere && due_.Count >= 0 && due_ != shown_) Show(due_);
    ui.DoEvents();
}

void cVEZUZ::Show(const Progress& progress) {
    shown_ = progress;
    std::string text = std::string(" Lines ") + (progress.Parsing ? "parsed " : "output ");
    long shown = progress.Count > lMaxLines ? lMaxLines : progress.Count;
    text += vb::Format(static_cast<double>(shown), "#,##0") + " ";
    if (oProgressForm) {
        oProgressForm->SetGaugeValue(shown);
        oProgressForm->SetCountText(text);
    }
    if (gctlStatus) {
        float fraction = lMaxLines == 0 ? 0.99f : static_cast<float>(shown) / static_cast<float>(lMaxLines);
        if (fraction >= 1.0f) fraction = 0.99f;
        sbMsgBar(text + " about " + vb::Format(static_cast<double>(fraction) * 100.0, "##0") + "% completed", true,
                 gctlStatus);
    }
}

void cVEZUZ::CloseFiles() {
    TraceGuard trace(TraceKind::App, "CloseFiles");
    oFile = std::make_unique<cFileCollection>();
    giFileIndex = 0;
    if (oAppInfo->IsAProjectFile && giRunMode == 0 && gfnUnloadProjectDialog) gfnUnloadProjectDialog();
    oAppInfo->IsAProjectFile = false;
}

void cVEZUZ::CloseFile() {
    TraceGuard trace(TraceKind::App, "CloseFile");
    if (oAppInfo->IsAProjectFile) {
        CloseFiles();
        return;
    }
    oFile->Remove(giFileIndex);
    if (giFileIndex >= oFile->Count()) giFileIndex = static_cast<int>(oFile->Count());
}
