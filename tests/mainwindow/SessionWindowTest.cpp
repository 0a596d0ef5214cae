// The session on the real windows: a person's path from the program's start
// to its end with the real dialogs, the View list with the Files window, and
// the question at exit.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "platform/Clock.h"
#include "engine/EngineState.h"
#include "MainWindowFixture.h"
#include "ModalRobot.h"
#include "ServiceScopes.h"
#include "platform/Paths.h"
#include "platform_ui/QtUiServices.h"
#include "mainwindow_ui/StartupWindows.h"
#include "analysis/KeywordTable.h"
#include "common/clsCommonDialog.h"
#include "mainwindow_ui/frmFileList.h"
#include "settings/mINIHandler.h"

namespace {

namespace fs = std::filesystem;

const char* const kOrders =
    "Attribute VB_Name = \"Orders\"\r\n"
    "Private mTotal As Currency\r\n"
    "Public Sub AddOrder(ByVal amount As Currency)\r\n"
    "If amount > 0 Then\r\n"
    "mTotal = mTotal + amount\r\n"
    "Else\r\n"
    "Debug.Print \"Ignored: \"; amount\r\n"
    "End If\r\n"
    "End Sub\r\n"
    "Public Function Total() As Currency\r\n"
    "Total = mTotal\r\n"
    "End Function\r\n";

void ClickToolbar(frmZelker* form, int position) {
    const auto& b = gtToolbarButtons[position];
    const QPoint at((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
    MainWindowFixture::Mouse(form->picToolBar, QEvent::MouseButtonPress, at);
    MainWindowFixture::Mouse(form->picToolBar, QEvent::MouseButtonRelease, at);
}

void Picture(QWidget* w, const std::string& name) {
    EXPECT_TRUE(w->grab().save(QString::fromStdString(testsupport::PicturePath(name))));
}

std::string Shown(frmZelker* form) { return form->txtSourceFile->toPlainText().toStdString(); }

bool OwnTemporaryFilesLeft() {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(testsupport::TempDir(), ec)) {
        const std::string n = e.path().filename().string();
        if (n.rfind("PV", 0) == 0 && n.size() > 4 && n.substr(n.size() - 4) == ".TMP") return true;
    }
    return false;
}

}  // namespace

TEST(SessionWindows, APersonOpensZelksReadsSavesAndExits) {
    testsupport::EnsureQApplication();
    testsupport::Lend ending{gblnProgramEnding};
    QtUiServices desktop;
    testsupport::UiScope onTheDesktop{desktop};
    FakeClock clock;  // the start-up's waits and the engine's pauses end at once
    testsupport::ClockScope instant{clock};
    const std::string dir = testsupport::MakeDir("Orders");
    const std::string source = paths::Join(dir, "Orders.bas");
    testsupport::WriteFile(source, kOrders);
    // The user's settings: indentation and Option Explicit on.
    testsupport::WriteFile(paths::Join(testsupport::ConfigDir(), kSettingsFileName),
                           "[Indentation]\r\nAsIs=No\r\n[General]\r\nOptionExplicit=Yes\r\n");

    // The program starts with the Open dialog; the person picks the module.
    ModalRobot robot;
    robot.Then(ModalRobot::ChooseFile(source, "session-1-open-dialog.png"));
    // No user is stored yet: the first run's options dialog, left with OK.
    robot.Then([](QWidget* w) {
        if (auto* ok = w->findChild<QPushButton*>("cmdOk")) ok->click();
    });
    QtStartupWindows windows;
    Main("", windows);
    frmZelker* form = windows.MainWindow();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(robot.Pending(), 0u);
    ASSERT_EQ(oFile->Count(), 1);
    EXPECT_EQ(form->fraFile->title().toStdString(), source + " -- Before Zelking");
    EXPECT_NE(Shown(form).find("If amount > 0 Then\nmTotal"), std::string::npos);
    Picture(form, "session-2-file-open.png");

    // Zelk: the log comes first, with the box that counts the warnings.
    robot.Then(ModalRobot::Picture("session-3-warning-box.png", ModalRobot::Press(QMessageBox::Ok)));
    ClickToolbar(form, 6);
    EXPECT_EQ(robot.Seen.back(), "Warning were found: 1 Warnings about the file\nOrders.bas");
    EXPECT_EQ(form->fraFile->title().toStdString(), source + " -- Zelker Log File");
    EXPECT_NE(Shown(form).find("WARNING:  Adding Option Explicit May Cause Compile Failures"), std::string::npos);
    EXPECT_TRUE(form->Enabled("mnuFileSave"));
    Picture(form, "session-4-log.png");

    // The output, from the toolbar.
    ClickToolbar(form, 14);
    EXPECT_EQ(form->fraFile->title().toStdString(), source + " -- After Zelking");
    EXPECT_NE(Shown(form).find("Option Explicit"), std::string::npos);
    EXPECT_NE(Shown(form).find("If amount > 0 Then\n    mTotal"), std::string::npos);
    Picture(form, "session-5-output.png");
    const std::string zelked = testsupport::ReadFile(gsTempOutFile[1]);

    // Save: the source goes into the first backup cycle, the output takes
    // its place, and the file closes.
    ClickToolbar(form, 4);
    EXPECT_EQ(testsupport::ReadFile(paths::Join(dir, "ZELBACK/Orders.b01")), kOrders);
    EXPECT_EQ(testsupport::ReadFile(source), zelked);
    EXPECT_EQ(form->lblStatus->text().toStdString(), source + " Has Been Saved");
    EXPECT_FALSE(form->fraFile->isVisible());
    EXPECT_FALSE(form->Enabled("mnuProcessZelk"));
    EXPECT_TRUE(form->Menu("mnuFileMRU_1")->isVisible());
    EXPECT_EQ(form->Menu("mnuFileMRU_1")->text().toStdString(), "&1 " + source);
    Picture(form, "session-6-saved.png");

    // Exit: nothing is left unsaved, so nothing is asked.
    form->Menu("mnuFileExit")->trigger();
    EXPECT_TRUE(gblnProgramEnding);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(OwnTemporaryFilesLeft());
    EXPECT_NE(testsupport::ReadFile(paths::Join(testsupport::ConfigDir(), kSettingsFileName)).find("MRU1=" + source),
              std::string::npos);
    EXPECT_EQ(robot.Seen.size(), 3u);  // the Open dialog, the first run's options, the warnings
}

namespace {
struct SessionWindow : MainWindowFixture {
    testsupport::Lend<std::unique_ptr<clsCommonDialog>> dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};
    void SetUp() override {
        MainWindowFixture::SetUp();
        BabReset();
        BabInit();
        Load();
    }
    std::vector<std::string> OpenFiles(int count) {
        std::vector<std::string> paths;
        for (int i = 1; i <= count; ++i) {
            paths.push_back(paths::Join(testsupport::ProgramDir(), "M" + std::to_string(i) + ".bas"));
            testsupport::WriteFile(paths.back(), "Attribute VB_Name = \"M\"\r\nOption Explicit\r\n");
        }
        FileDialogResult chosen;
        chosen.Accepted = true;
        chosen.Files = paths;
        testsupport::Ui().FileDialogAnswers.push_back(chosen);
        form->Menu("mnuFileOpen")->trigger();
        return paths;
    }
    QAction* ViewItem(int item) { return form->Menu("mnuViewFile_" + std::to_string(item)); }
};
}  // namespace

TEST_F(SessionWindow, TheViewListAndTheFilesWindow) {
    const auto paths = OpenFiles(9);
    ASSERT_EQ(oFile->Count(), 9);
    EXPECT_TRUE(form->Menu("mnuViewDash2")->isVisible());
    // The items follow one another in the View menu, below its separator.
    const QList<QAction*> actions = form->mnuView->actions();
    const qsizetype first = actions.indexOf(ViewItem(0));
    for (int item = 0; item < 9; ++item) {
        ASSERT_NE(ViewItem(item), nullptr) << item;
        EXPECT_EQ(actions.indexOf(ViewItem(item)), first + item);
        EXPECT_TRUE(ViewItem(item)->isVisible());
        EXPECT_EQ(ViewItem(item)->text().toStdString(), std::to_string(item + 1) + ": " + paths[item]);
    }
    EXPECT_TRUE(ViewItem(0)->isChecked());

    ViewItem(2)->trigger();
    EXPECT_EQ(giFileIndex, 3);
    EXPECT_TRUE(ViewItem(2)->isChecked());
    EXPECT_FALSE(ViewItem(0)->isChecked());
    EXPECT_EQ(form->fraFile->title().toStdString(), paths[2] + " -- Before Zelking");

    // The eighth item opens the Files window; OK waits for a choice.
    ModalRobot robot;
    bool okWithoutChoice = true;
    robot.Then([&](QWidget* w) {
        auto* files = qobject_cast<frmFileList*>(w);
        ASSERT_NE(files, nullptr);
        files->lstFiles->setCurrentRow(-1);
        okWithoutChoice = files->cmdOK->isEnabled();
        files->lstFiles->setCurrentRow(8);
        Picture(files, "files-window.png");
        files->cmdOK->click();
    });
    ViewItem(7)->trigger();
    EXPECT_FALSE(okWithoutChoice);
    EXPECT_EQ(robot.Seen.back(), "Files");
    EXPECT_EQ(giFileIndex, 9);
    ASSERT_NE(form->FileListWindow(), nullptr);  // kept, hidden, for the session
    EXPECT_EQ(form->FileListWindow()->lstFiles->count(), 9);

    // Cancel keeps the current file; the close box unloads the window.
    robot.Then([](QWidget* w) { qobject_cast<frmFileList*>(w)->cmdCancel->click(); });
    ViewItem(7)->trigger();
    EXPECT_EQ(giFileIndex, 9);
    robot.Then([](QWidget* w) { w->close(); });
    ViewItem(7)->trigger();
    EXPECT_EQ(giFileIndex, 9);
    EXPECT_EQ(form->FileListWindow(), nullptr);

    // Close All ends the list with the session.
    form->Menu("mnuFileClose_1")->trigger();
    EXPECT_EQ(oFile->Count(), 0);
    for (int item = 1; item < 9; ++item) EXPECT_EQ(ViewItem(item), nullptr) << item;
    EXPECT_FALSE(ViewItem(0)->isVisible());
    EXPECT_FALSE(form->Menu("mnuViewDash2")->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), "Zelker");
}

TEST_F(SessionWindow, ExitWithUnsavedOutputCanBeCancelled) {
    OpenFiles(1);
    form->show();
    form->Menu("mnuProcessZelk")->trigger();
    ASSERT_TRUE(gblnUnsaved);
    const std::string output = gsTempOutFile[1];

    testsupport::Ui().MsgBoxAnswers = {mb::vbCancel, mb::vbNo};
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(gblnProgramEnding);
    // The viewer still opens the program's own popup menu.
    EXPECT_TRUE(form->TextWindowProc_ContextMenu(QPoint(1, 1)));
    form->mnuPopupMenu->hide();

    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(gblnProgramEnding);
    EXPECT_FALSE(fs::exists(output));
    EXPECT_EQ(testsupport::Ui().Messages.size(), 2u);
}

// Sources that go away during a session: moving to one is a message and the
// file shows as not available, with the status line saying so; saving one
// is a message, its output stays unsaved, and Exit still asks. The program
// goes on throughout (the error report would end the test).
TEST_F(SessionWindow, VanishedSourcesAreMessagesAndTheSessionGoesOn) {
    const auto paths = OpenFiles(2);
    form->show();
    form->activateWindow();
    form->Menu("mnuProcessZelk")->trigger();
    ASSERT_TRUE(gblnFileZelked[1]);
    const std::string output = gsTempOutFile[1];
    const std::string zelked = testsupport::ReadFile(output);
    auto& ui = testsupport::Ui();
    ui.Messages.clear();

    fs::remove(paths[1]);
    form->Menu("mnuProcessNext_0")->trigger();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.LastPrompt(), "The file " + paths[1] + " cannot be read.\r\n\r\nFile not found");
    EXPECT_EQ(giFileIndex, 2);
    EXPECT_EQ(form->fraFile->title().toStdString(), paths[1] + " -- Not Available");
    EXPECT_EQ(form->lblStatus->text().toStdString(), "File M2.bas Not Available");
    EXPECT_FALSE(form->Enabled("mnuProcessZelk"));
    EXPECT_TRUE(form->Enabled("mnuProcessNext_1") && form->Enabled("mnuFileSaveAll"));

    // Back at the zelked file: its output again, Save on the menu and keys,
    // and the status line no longer speaks of the other file.
    form->Menu("mnuProcessNext_1")->trigger();
    EXPECT_EQ(form->fraFile->title().toStdString(), paths[0] + " -- After Zelking");
    EXPECT_TRUE(form->Enabled("mnuFileSave"));
    EXPECT_EQ(form->lblStatus->text().toStdString(), "Ready");

    fs::remove(paths[0]);
    ui.MsgBoxAnswers.insert(ui.MsgBoxAnswers.end(), {mb::vbOK, mb::vbNo});
    // Save on the menu, with its key (the offscreen display runs no key
    // shortcuts; the real display's check presses Ctrl+S).
    QAction* save = form->Menu("mnuFileSave");
    EXPECT_EQ(save->shortcut(), QKeySequence("Ctrl+S"));
    ASSERT_TRUE(save->isEnabled());
    save->trigger();
    // The save's message, then the question before the file would close.
    ASSERT_EQ(ui.Messages.size(), 3u);
    EXPECT_EQ(ui.Messages[1].Prompt, "The file " + paths[0] + " could not be saved.\r\n\r\nFile not found\r\n" +
                                         paths[0] + "\r\n\r\nThe zelked output is kept and stays unsaved.");
    EXPECT_EQ(ui.Messages[2].Prompt, "You have Zelked file " + paths[0] +
                                         " and not saved it. \r\n\r\nDo you want to discard this Zelked file?");
    EXPECT_EQ(form->lblStatus->text().toStdString(), "File M1.bas Not Saved");
    EXPECT_TRUE(gblnUnsaved && gblnFileZelked[1]);
    EXPECT_EQ(testsupport::ReadFile(output), zelked);
    EXPECT_TRUE(form->isVisible());

    // Exit asks about the unsaved output; Cancel keeps the program and it.
    ui.Messages.clear();
    ui.MsgBoxAnswers.push_back(mb::vbCancel);
    form->Menu("mnuFileExit")->trigger();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.LastPrompt(), "You have Zelked files that are not saved. \r\nDo you want to save Zelked files?");
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(gblnProgramEnding);
    EXPECT_TRUE(fs::exists(output));

    // No leaves the program, the output with it.
    ui.MsgBoxAnswers.push_back(mb::vbNo);
    form->Menu("mnuFileExit")->trigger();
    EXPECT_TRUE(gblnProgramEnding);
    EXPECT_FALSE(fs::exists(output));
}
