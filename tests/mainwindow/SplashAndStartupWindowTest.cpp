// The splash window, and the start-up with the real windows: splash, main
// window, the Open command at once, and Exit.
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "platform/Clock.h"
#include "MainWindowFixture.h"
#include "ServiceScopes.h"
#include "platform/Paths.h"
#include "mainwindow/SessionState.h"
#include "mainwindow_ui/StartupWindows.h"
#include "settings/ProgramOptions.h"
#include "options/OptionsChanged.h"
#include "mainwindow_ui/OptionsDialogUi.h"
#include "options_ui/fcSpinControl.h"
#include "mainwindow_ui/frmSplash.h"
#include "options_ui/frmZelOptions.h"
#include "projects/modFileList.h"

TEST(SplashWindow, FillsItsLabelsAndPaintsItsFrame) {
    testsupport::EnsureQApplication();
    frmSplash splash;
    splash.Form_Load();
    EXPECT_EQ(splash.findChild<QLabel*>("lblQP_0")->text(), "Zelker");
    EXPECT_EQ(splash.findChild<QLabel*>("lblQP_1")->text(), "Zelker");
    EXPECT_EQ(splash.findChild<QLabel*>("lblQP_2")->text(), "For Visual Basic");
    EXPECT_EQ(splash.findChild<QLabel*>("lblreg_4")->text(), "User:");
    EXPECT_EQ(splash.findChild<QLabel*>("lblreg_0")->text(), "");  // no user stored
    EXPECT_EQ(splash.findChild<QLabel*>("lblreg_2")->text().toStdString(), "Version: " + oAppInfo->AppVersion());
    EXPECT_EQ(splash.size(), QSize(476, 271));
    splash.show();
    const QImage shown = splash.grab().toImage();
    EXPECT_EQ(shown.pixel(1, 100), qRgb(255, 255, 255));      // light left edge
    EXPECT_EQ(shown.pixel(475 - 1, 100), qRgb(128, 128, 128));  // shadowed right edge
    EXPECT_EQ(shown.pixel(10 + 5, 100), qRgb(192, 192, 192));  // the grey inside the frame
    EXPECT_TRUE(shown.save(QString::fromStdString(testsupport::PicturePath("splash.png"))));

    QTest::keyClick(&splash, Qt::Key_F8);
    EXPECT_TRUE(splash.isVisible());
    QTest::keyClick(&splash, Qt::Key_F8, Qt::ControlModifier);
    EXPECT_FALSE(splash.isVisible());
}

namespace {
// Time that passes only when the program sleeps: the waits end at once.
struct InstantClock : FakeClock {};

// Answers the options dialog each time it is shown modally: the edit, then OK.
struct OptionsAnswer {
    std::function<void(frmZelOptions&)> edit;
    int shown = 0;
    QTimer timer;
    OptionsAnswer() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            frmZelOptions* dlg = OptionsDialog();
            if (!dlg || !dlg->isVisible()) return;
            ++shown;
            if (edit) edit(*dlg);
            QTest::mouseClick(dlg->cmdOk, Qt::LeftButton);
        });
        timer.start(10);
    }
};
}  // namespace

TEST(StartupWindows, StartsWithTheOpenCommandAndExits) {
    testsupport::EnsureQApplication();
    testsupport::Lend ending{gblnProgramEnding};  // the Exit command ends the program
    InstantClock clock;
    QtStartupWindows windows;
    OptionsAnswer answer;
    {
        testsupport::ClockScope instant{clock};
        Main("", windows);
    }
    // No user is stored: the first run shows the options dialog.
    EXPECT_EQ(answer.shown, 1);

    frmZelker* main = windows.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(windows.Splash(), nullptr);  // unloaded at the end of the start-up
    // With the default settings the Open command ran during the load.
    EXPECT_EQ(testsupport::Ui().FileDialogRequests.size(), 1u);
    EXPECT_FALSE(main->fraFile->isVisible() && oFile->Count() > 0);
    EXPECT_EQ(main->lblStatus->text(), "Ready");
    EXPECT_TRUE(std::filesystem::exists(paths::Join(testsupport::ConfigDir(), "VEZUZ.INI")));

    // The Options command: a new indent amount and OK write the settings file.
    answer.edit = [](frmZelOptions& dlg) {
        static_cast<fcSpinControl*>(dlg.Widget("spnIndentBy"))->SetText("7");
    };
    main->Menu("mnuOptions")->trigger();
    EXPECT_EQ(answer.shown, 2);
    EXPECT_TRUE(gblnOptionsChanged);
    EXPECT_EQ(goOptions.giIndentAmount, 7);
    EXPECT_NE(testsupport::ReadFile(paths::Join(testsupport::ConfigDir(), "VEZUZ.INI")).find("IndentAmount=7"),
              std::string::npos);

    std::filesystem::remove(paths::Join(testsupport::ConfigDir(), "VEZUZ.INI"));
    main->Menu("mnuFileExit")->trigger();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(gblnProgramEnding);
    // Leaving writes every setting.
    EXPECT_TRUE(std::filesystem::exists(paths::Join(testsupport::ConfigDir(), "VEZUZ.INI")));
}

TEST(StartupWindows, TheOpenCommandShowsTheChosenFile) {
    testsupport::EnsureQApplication();
    FakeClock clock;
    const std::string path = MainWindowFixture::WriteLines("chosen.bas", 30);
    FileDialogResult chosen;
    chosen.Accepted = true;
    chosen.Files = {path};
    testsupport::Ui().FileDialogAnswers = {chosen};
    QtStartupWindows windows;
    OptionsAnswer firstRun;
    {
        testsupport::ClockScope instant{clock};
        Main("", windows);
    }
    frmZelker* main = windows.MainWindow();
    EXPECT_EQ(oFile->Count(), 1);
    EXPECT_EQ(main->fraFile->title().toStdString(), path + " -- Before Zelking");
    EXPECT_TRUE(main->Enabled("mnuProcessZelk"));
    EXPECT_EQ(testsupport::Ui().FileDialogRequests.at(0).Filter, fsFileDialogFilter(goOptions));
}
