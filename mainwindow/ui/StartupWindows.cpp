#include "mainwindow_ui/StartupWindows.h"

#include "spelling_ui/QtWordNotFound.h"
#include "mainwindow_ui/OptionsDialogUi.h"
#include "mainwindow_ui/frmSplash.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"
#include "projects/modMRU.h"

QtStartupWindows::QtStartupWindows() = default;
QtStartupWindows::~QtStartupWindows() { sbUnloadOptionsDialog(); }

void QtStartupWindows::ShowSplash() {
    splash_ = std::make_unique<frmSplash>();
    splash_->Form_Load();
    oWindow->Center(splash_.get());
    splash_->show();
}

void QtStartupWindows::RefreshSplash() {
    if (splash_) splash_->repaint();
}

void QtStartupWindows::LoadMainWindow() {
    main_ = std::make_unique<frmZelker>();
    main_->Form_Load();
}

void QtStartupWindows::ShowMRUMenu() {
    if (main_) sbShowMRUMenu(*main_);
}

void QtStartupWindows::LoadOptionsHidden() { sbLoadOptionsDialog(main_.get()); }
void QtStartupWindows::ShowOptionsModal() { sbShowOptionsDialog(main_.get()); }

void QtStartupWindows::BringMainToTop() {
    if (main_) oWindow->BringToTop(main_.get());
}

void QtStartupWindows::UnloadSplash() { splash_.reset(); }

IWordNotFound* QtStartupWindows::WordNotFound() {
    if (!wordNotFound_) wordNotFound_ = std::make_unique<QtWordNotFound>(main_.get());
    return wordNotFound_.get();
}
