#pragma once
// The windows of the start-up on the desktop: the splash window, the main
// window, the options dialog and the Word Not Found dialog.
#include <memory>

#include "mainwindow/MMAIN.h"

class QtWordNotFound;
class frmSplash;
class frmZelker;

class QtStartupWindows : public IStartupWindows {
public:
    QtStartupWindows();
    ~QtStartupWindows() override;

    void ShowSplash() override;
    void RefreshSplash() override;
    void LoadMainWindow() override;
    void ShowMRUMenu() override;
    void LoadOptionsHidden() override;
    void ShowOptionsModal() override;
    void BringMainToTop() override;
    void UnloadSplash() override;
    IWordNotFound* WordNotFound() override;

    frmZelker* MainWindow() const { return main_.get(); }
    frmSplash* Splash() const { return splash_.get(); }

private:
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmZelker> main_;
    // Its dialog is a window of the main window's: it goes first.
    std::unique_ptr<QtWordNotFound> wordNotFound_;
};
