// How the desktop's message boxes and file dialog look: a title that fits
// its title bar, a filter list that names each pattern once.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>

#include "ModalRobot.h"
#include "platform_ui/QtUiServices.h"
#include "TestSupport.h"

namespace {
// The width a title needs in a title bar: its text in a bold face, and room
// for the window's icon and its three buttons.
int TitleBarWidth(const QWidget* w) {
    QFont bold = w->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(w->windowTitle()) + 4 * 24;
}
}  // namespace

TEST(DialogLook, AMessageBoxIsWideEnoughForItsTitle) {
    testsupport::EnsureQApplication();
    QtUiServices desktop;
    ModalRobot robot;
    std::vector<std::pair<int, int>> widths;  // the box's, the title's
    for (const char* title : {"Zelker Diagnostics", "Warnings were found"}) {
        robot.Then(ModalRobot::Picture(std::string("message-box-") + title + ".png", [&](QWidget* w) {
            widths.emplace_back(w->width(), TitleBarWidth(w));
            ModalRobot::Press(QMessageBox::Ok)(w);
        }));
        EXPECT_EQ(desktop.MsgBox("1 files Zelked", mb::vbOKOnly | mb::vbInformation, title), mb::vbOK);
    }
    ASSERT_EQ(widths.size(), 2u);
    for (const auto& [box, title] : widths) EXPECT_GE(box, title);
}

TEST(DialogLook, EachFilterShowsItsPatternsOnce) {
    testsupport::EnsureQApplication();
    QtUiServices desktop;
    ModalRobot robot;
    const std::string chosen = testsupport::ProgramDir() + "/Module1.bas";
    testsupport::WriteFile(chosen, "Attribute VB_Name = \"Module1\"\r\n");
    QStringList shown;
    int current = -1;
    robot.Then([&](QWidget* w) {
        auto* types = w->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        for (int i = 0; i < types->count(); ++i) shown << types->itemText(i);
        current = types->currentIndex();
        ModalRobot::ChooseFile(chosen, "file-dialog-filters.png")(w);
    });
    FileDialogRequest request;
    request.Title = "File(s) to Process";
    request.Filter = "VB Files (*.FRM;*.BAS)|*.FRM;*.BAS|Code Modules (*.BAS)|*.BAS|All Files (*.*)|*.*";
    request.FilterIndex = 2;
    request.FileMustExist = true;
    const FileDialogResult result = desktop.ShowFileDialog(request);
    EXPECT_EQ(shown.join(" | ").toStdString(), "VB Files (*.FRM;*.BAS) | Code Modules (*.BAS) | All Files (*.*)");
    EXPECT_EQ(current, 1);
    ASSERT_TRUE(result.Accepted);
    EXPECT_EQ(result.FilterIndex, 2);
    EXPECT_EQ(result.Files, std::vector<std::string>{chosen});
}
