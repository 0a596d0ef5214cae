// The main window's load, layout, place, pointer and status feedback.
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "common/ErrorTrap.h"
#include "mainwindow/FrameLayout.h"
#include "mainwindow/MFILESET.h"
#include "platform_ui/ProgramIcon.h"
#include "platform_ui/QtKeys.h"
#include "platform_ui/QtPictureBox.h"
#include "common/ScreenSize.h"
#include "common/Trace.h"
#include "platform_ui/Twips.h"
#include "platform/UiServices.h"
#include "mainwindow_ui/ViewerTextBox.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"

void frmZelker::Form_Load() {
    Trapped("Form_Load(frmZelker)", [&] {
        TraceGuard trace(TraceKind::Events, "Form_Load(frmZelker)");
        mblnLoaded = true;
        if (giRunMode != 3) HookText();
        g_InitToolbars();
        setWindowIcon(ProgramIcon());

        SetChecked("mnuViewStatus", oAppInfo->StatusBar);
        picStatus->setVisible(Checked("mnuViewStatus"));
        SetChecked("mnuViewToolbar", oAppInfo->Toolbar);
        picToolBar->setVisible(Checked("mnuViewToolbar"));
        SetChecked("mnuViewTooltips", oAppInfo->ToolTips);

        EnableDebugItems(*this);
        SetVisible("mnuProcessSpell", false);

        const ScreenTwips screen = CurrentScreenSize();
        const bool applyState = fbPlaceWindow(*oWindowObject, screen.Width, screen.Height);
        move(Px(static_cast<long>(oWindowObject->TheLeft)), Px(static_cast<long>(oWindowObject->TheTop)));
        resize(Px(static_cast<long>(oWindowObject->TheWidth)), Px(static_cast<long>(oWindowObject->TheHeight)));

        gctlStatus = mStatusCaption.get();
        goViewerControls = this;
        oProgressForm = this;
        gfrmZelker = this;
        fraSpellCheck->move(Px((Tw(width()) - Tw(fraSpellCheck->width())) / 2), fraSpellCheck->y());

        if (applyState && oWindowObject->WindowState() == 2)
            showMaximized();
        else
            show();
        // The splash window stays in front until the start-up ends.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmSplash" && w->isVisible()) w->raise();

        sbSetToolBar();
        sbButtonsDisable();
        if (oAppInfo->ShowOpenDialog) {
            UserActed();  // the file dialog is the user's to answer
            mnuFileOpen_Click();
        }
    });
}

void frmZelker::PlaceStatusLabels(const StatusLabels& labels) {
    lblStatus->resize(Px(labels.lblStatusWidth), lblStatus->height());
    lblRecord->setGeometry(Px(labels.lblRecordLeft), lblRecord->y(), Px(labels.lblRecordWidth), lblRecord->height());
}

void frmZelker::UserActed() {
    if (mblnUserActed) return;
    mblnUserActed = true;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmSplash") w->hide();
}

int frmZelker::WindowState() const { return isMinimized() ? 1 : isMaximized() ? 2 : 0; }

void frmZelker::LayoutAlignedBoxes() {
    QWidget* client = centralWidget();
    picToolBar->setGeometry(0, 0, client->width(), picToolBar->height());
    picStatus->setGeometry(0, client->height() - picStatus->height(), client->width(), picStatus->height());
}

void frmZelker::Form_Resize() {
    if (!mblnLoaded) return;
    Trapped("Form_Resize(frmZelker)", [&] {
        TraceGuard trace(TraceKind::Events, "Form_Resize(frmZelker)");
        const int state = WindowState();
        if (state == 1) return;
        LayoutAlignedBoxes();

        FrameLayoutInput in;
        in.Width = Tw(width());
        in.Height = Tw(height());
        in.ToolbarHeight = Tw(picToolBar->height());
        in.StatusHeight = Tw(picStatus->height());
        in.StatusWidth = Tw(picStatus->width());
        in.ScrollBarWidth = static_cast<long>(oAppInfo->ScrollBarWidth);
        in.RecordTextWidth = Tw(lblRecord->sizeHint().width());
        const FrameLayout out = fnFrameLayout(in);

        auto place = [](QWidget* w, const TwipRect& r) {
            w->setGeometry(Px(r.Left), Px(r.Top), Px(r.Width), Px(r.Height));
        };
        place(fraFile, out.fraFile);
        place(txtSourceFile, out.txtSourceFile);
        place(vscr, out.vscr);
        glLinesInWindow = txtSourceFile->FullyVisibleRows();
        vscr->setPageStep(static_cast<int>(glLinesInWindow));

        PlaceStatusLabels({out.lblStatusWidth, out.lblRecordLeft, out.lblRecordWidth});
        picStatus->update();

        fraSpellCheck->setGeometry(Px(out.fraSpellCheck.Left), Px(out.fraSpellCheck.Top), Px(out.fraSpellCheck.Width),
                                   fraSpellCheck->height());
        for (QLabel* l : lblSpelling) l->resize(Px(out.lblSpellingWidth), l->height());
        zzzLabels[1]->move(Px(out.zzzLabels1Left), zzzLabels[1]->y());

        sbRememberPlace(*oWindowObject, state, Tw(x()), Tw(y()), Tw(width()), Tw(height()));

        fsViewerRefill(FILESETPOSITION, mViewer);
        sbViewerScrollRange(mViewer);

        fraProgress->move(Px(out.fraProgressLeft), Px(out.fraProgressTop));
    });
}

void frmZelker::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmZelker::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmZelker::Form_MouseDown(Qt::MouseButton button) {
    TraceGuard trace(TraceKind::MouseEvents, "Form_MouseDown(frmZelker)");
    if (button == Qt::RightButton) mnuPopupMenu->popup(QCursor::pos());
}

void frmZelker::Form_MouseMove() {
    Trapped("Form_MouseMove(frmZelker)", [&] {
        if (mblnZelking)
            Ui().SetMousePointer(pointer::vbHourglass);
        else
            lblStatus->setText("Ready");
    });
}

void frmZelker::Ready_MouseMove(const std::string& handler) {
    TraceGuard trace(TraceKind::MouseEvents, handler + "(frmZelker)");
    lblStatus->setText("Ready");
}

void frmZelker::closeEvent(QCloseEvent* event) {
    if (mblnUnloaded || Form_Unload()) {
        event->accept();
        return;
    }
    event->ignore();
}

bool frmZelker::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == centralWidget()) {
        if (type == QEvent::MouseButtonPress) Form_MouseDown(static_cast<QMouseEvent*>(event)->button());
        if (type == QEvent::MouseMove) Form_MouseMove();
        return false;
    }
    if (watched == vscr) {
        // A press of the mouse on the bar, or its wheel, counts as the bar
        // gaining the focus, also when it has it already: the change it makes
        // moves the window.
        if (type == QEvent::MouseButtonPress || type == QEvent::Wheel) UserActed();
        if (type == QEvent::FocusIn || type == QEvent::MouseButtonPress || type == QEvent::Wheel) vscr_GotFocus();
        if (type == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            return vscr_KeyDown(VBKeyCode(key->key(), key->modifiers()), VBShift(key->modifiers()));
        }
        return false;
    }
    if (watched == cmdCancel) {
        if (type == QEvent::MouseMove) Ui().SetMousePointer(pointer::vbDefault);
        if (type == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            cmdCancel_KeyDown(VBKeyCode(key->key(), key->modifiers()), VBShift(key->modifiers()));
        }
        return false;
    }
    if (type == QEvent::MouseMove) {
        if (watched == fraProgress || watched == lblProgress)
            Ui().SetMousePointer(pointer::vbHourglass);
        else if (watched == fraFile)
            Ready_MouseMove("fraFile_MouseMove");
        else if (watched == fraSpellCheck)
            Ready_MouseMove("fraSpellCheck_MouseMove");
        else
            Ready_MouseMove("lblSpelling_MouseMove");
    }
    return false;
}
