#pragma once
// The windows of the start-up on the desktop: the splash window, the main
// window and the options dialog.
#include <memory>

#include "MMAIN.h"

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

    frmZelker* MainWindow() const { return main_.get(); }
    frmSplash* Splash() const { return splash_.get(); }

private:
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmZelker> main_;
};
