// The main window's read-only viewer: showing a file, the View menu's view
// and start items, the keys, clicks and scroll bar, and the popup menu in
// place of the text box's own context menu.
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>

#include "platform_ui/AnsiText.h"
#include "common/AppIdentity.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileNames.h"
#include "mainwindow/FrameLayout.h"
#include "platform/KeyCodes.h"
#include "mainwindow/MFILESET.h"
#include "platform_ui/QtPictureBox.h"
#include "common/SharedState.h"
#include "common/Trace.h"
#include "platform_ui/Twips.h"
#include "platform/UiServices.h"
#include "mainwindow_ui/ViewerTextBox.h"
#include "common/WindowHelpers.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"

void frmZelker::SetLineLabel(const std::string& text) {
    lblRecord->setText(FromAnsi(text));
    // A longer line count than the label has room for widens it.
    if (lblRecord->sizeHint().width() > lblRecord->width())
        PlaceStatusLabels(fnStatusLabels(Tw(picStatus->width()), Tw(width()), Tw(lblRecord->sizeHint().width())));
    lblRecord->repaint();
}

void frmZelker::SetScrollEnabled(bool enabled) { vscr->setEnabled(enabled); }
long frmZelker::ScrollMax() const { return vscr->maximum(); }
void frmZelker::SetScrollMax(long value) { vscr->setMaximum(static_cast<int>(value)); }
long frmZelker::ScrollValue() const { return vscr->value(); }
void frmZelker::SetScrollValue(long value) { vscr->setValue(static_cast<int>(value)); }

void frmZelker::SetViewerText(const std::string& text) {
    QString shown = FromAnsi(text);
    shown.replace("\r\n", "\n");
    if (shown.endsWith('\n')) shown.chop(1);
    txtSourceFile->setPlainText(shown);
}

long frmZelker::CaretPosition() const {
    const QTextCursor cursor = txtSourceFile->textCursor();
    return fnTextPosition(mViewer.Text, cursor.blockNumber() + 1, cursor.positionInBlock());
}

void frmZelker::SetCaretPosition(long position) {
    long row = 0, column = 0;
    sbTextRowColumn(mViewer.Text, position, row, column);
    QTextBlock block = txtSourceFile->document()->findBlockByNumber(static_cast<int>(row - 1));
    if (!block.isValid()) block = txtSourceFile->document()->lastBlock();
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + std::min<int>(static_cast<int>(column), block.length() - 1));
    txtSourceFile->setTextCursor(cursor);
}

bool frmZelker::sbShowFile(const std::string& which, int fileIndex) {
    return Trapped("(frmZelker): sbShowFile", [&] {
        TraceGuard trace(TraceKind::App, "sbShowFile(frmZelker)");
        const std::string entry =
            fileIndex >= 1 && fileIndex <= oFile->Count() ? oFile->Item(fileIndex).FileName : std::string();
        sbFileNameFromDir(entry, gsCurrentFileName, gsCurrentFileDir);
        setWindowTitle(FromAnsi(app::kTitle + " - " + gsCurrentFileName));

        const ViewChoice view = fnChooseView(which, fileIndex);
        if (view.ToolbarState >= 0)
            for (int position : {4, 17, 18}) sbPaintToolBar(position, view.ToolbarState);
        if (!view.Show) return true;

        picToolBar->Refresh();
        std::string reason;
        try {
            sbGetFile(view.File);
        } catch (const VBError& e) {
            reason = e.Description;
        }
        sbViewerFileLoaded(mViewer);

        fraFile->setTitle(FromAnsi(fsFileName(entry, 100) + (reason.empty() ? view.Suffix : " -- Not Available")));
        fraFile->show();
        txtSourceFile->setFocus();
        SetCaretPosition(0);
        if (reason.empty()) return true;
        // The file went away (or cannot be read) since it was opened: the
        // session goes on without it.
        lblRecord->setText("");
        Ui().MsgBox("The file " + view.File + " cannot be read.\r\n\r\n" + reason, mb::vbExclamation, app::kTitle);
        return false;
    });
}

void frmZelker::mnuViewShow_Click(int index) {
    Trapped("(frmZelker): mnuViewShow_Click", [&] {
        TraceGuard trace(TraceKind::Events, "mnuViewShow_Click(frmZelker)");
        static const char* const kViews[] = {"INFILE", "OUTFILE", "LOGFILE"};
        if (index < 0 || index > 2) return;
        // A view with nothing to show leaves the marks on the view still shown.
        if (fnChooseView(kViews[index], giFileIndex).Show) {
            for (int i = 0; i <= 2; ++i) SetChecked("mnuViewShow_" + std::to_string(i), i == index);
        }
        sbShowFile(kViews[index], giFileIndex);
        oWindow->BringToTop(this);
    });
}

void frmZelker::mnuViewStart_Click(int index) {
    Trapped("(frmZelker): mnuViewStart_Click", [&] {
        TraceGuard trace(TraceKind::Events, "mnuViewStart_Click(frmZelker)");
        txtSourceFile->setFocus();
        sbViewerStart(index, mViewer);
    });
}

bool frmZelker::txtSourceFile_KeyDown(int keyCode, int shift) {
    return Trapped("(frmZelker): txtSourceFile_KeyDown", [&] {
        TraceGuard trace(TraceKind::Events, "txtSourceFile_KeyDown(frmZelker)");
        UserActed();
        return fbViewerKeyDown(keyCode, shift, mViewer);
    });
}

void frmZelker::txtSourceFile_Click() {
    Trapped("(frmZelker): txtSourceFile_Click", [&] {
        TraceGuard trace(TraceKind::Events, "txtSourceFile_Click(frmZelker)");
        UserActed();
        sbViewerClick(mViewer);
    });
}

void frmZelker::txtSourceFile_MouseUp() {
    TraceGuard trace(TraceKind::MouseEvents, "txtSourceFile_MouseUp(frmZelker)");
    lblStatus->setText("Ready");
}

void frmZelker::txtSourceFile_Wheel(int lines) {
    Trapped("(frmZelker): txtSourceFile_Wheel", [&] {
        TraceGuard trace(TraceKind::MouseEvents, "txtSourceFile_Wheel(frmZelker)");
        UserActed();
        sbViewerWheel(lines, mViewer);
    });
}

void frmZelker::vscr_GotFocus() { mViewer.mblnScrollActive = true; }

bool frmZelker::vscr_KeyDown(int keyCode, int shift) {
    TraceGuard trace(TraceKind::Events, "vscr_KeyDown(frmZelker)");
    if (keyCode == vbkey::vbKeyHome || keyCode == vbkey::vbKeyEnd) return txtSourceFile_KeyDown(keyCode, vbkey::vbCtrlMask);
    return txtSourceFile_KeyDown(keyCode, shift);
}

void frmZelker::vscr_Change() {
    Trapped("(frmZelker): vscr_Change", [&] {
        TraceGuard trace(TraceKind::Events, "vscr_Change(frmZelker)");
        sbViewerScrollChange(mViewer);
    });
}

void frmZelker::vscr_Scroll() {
    Trapped("(frmZelker): vscr_Scroll", [&] {
        TraceGuard trace(TraceKind::Events, "vscr_Scroll(frmZelker)");
        sbViewerScroll(mViewer);
    });
}

void frmZelker::HookText() {
    UnhookText();
    mblnHooked = true;
}

void frmZelker::UnhookText() { mblnHooked = false; }

bool frmZelker::TextWindowProc_ContextMenu(const QPoint& globalPos) {
    if (!mblnHooked) return false;
    mnuPopupMenu->popup(globalPos);
    return true;
}
