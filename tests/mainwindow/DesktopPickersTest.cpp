// The desktop's colour, font and printer dialogs answer in the platform's
// codes that the dialog wrapper expects.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDialog>
#include <QFontDialog>

#include "ModalRobot.h"
#include "platform_ui/QtUiServices.h"

namespace {

ModalRobot::Action Accept(const std::string& picture) {
    return ModalRobot::Picture(picture, [](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
}

void Reject(QWidget* w) { static_cast<QDialog*>(w)->reject(); }

}  // namespace

TEST(DesktopPickers, ColourComesBackAsBlueGreenRedWithWhiteCustomColours) {
    testsupport::EnsureQApplication();
    QtUiServices desktop;
    ModalRobot robot;
    ColorDialogRequest request;
    request.Color = 0x00336699;  // red 0x99, green 0x66, blue 0x33
    request.CustomColors.fill(0xFFFFFF);
    QColor shown;
    robot.Then([&](QWidget* w) {
        shown = qobject_cast<QColorDialog*>(w)->currentColor();
        Accept("colour-dialog.png")(w);
    });
    const ColorDialogResult chosen = desktop.ShowColorDialog(request);
    EXPECT_EQ(shown, QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(chosen.Result, 1);
    EXPECT_EQ(chosen.Color, 0x00336699);
    EXPECT_EQ(QColorDialog::customColor(15), QColor(Qt::white));

    robot.Then(Reject);
    EXPECT_EQ(desktop.ShowColorDialog(request).Result, 0);
}

TEST(DesktopPickers, FontComesBackInTenthsOfAPointWithItsWeight) {
    testsupport::EnsureQApplication();
    QtUiServices desktop;
    ModalRobot robot;
    FontDialogRequest request;
    request.Font.FaceName = QFont().family().toStdString();
    request.Font.PointSize = 120;
    request.Font.Weight = 700;
    request.Font.Underline = true;
    request.Font.Color = 0xFF;
    // The dialog offers the styles the family has; what it shows is what
    // comes back.
    QFont shown;
    robot.Then([&](QWidget* w) {
        shown = qobject_cast<QFontDialog*>(w)->currentFont();
        Accept("font-dialog.png")(w);
    });
    const FontDialogResult chosen = desktop.ShowFontDialog(request);
    EXPECT_EQ(shown.pointSizeF(), 12.0);
    EXPECT_TRUE(shown.underline());
    EXPECT_EQ(chosen.Result, 1);
    EXPECT_EQ(chosen.Font.FaceName, shown.family().toStdString());
    EXPECT_EQ(chosen.Font.PointSize, 120);
    EXPECT_EQ(chosen.Font.Weight, shown.weight());
    EXPECT_EQ(chosen.Font.Italic, shown.italic());
    EXPECT_TRUE(chosen.Font.Underline);
    EXPECT_FALSE(chosen.Font.StrikeOut);
    EXPECT_LT(chosen.Font.Height, 0);
    EXPECT_EQ(chosen.Font.Color, 0xFF);

    robot.Then(Reject);
    EXPECT_EQ(desktop.ShowFontDialog(request).Result, 0);
}

TEST(DesktopPickers, AnUnknownPrinterCannotBeOpenedAndACancelIsZero) {
    testsupport::EnsureQApplication();
    QtUiServices desktop;
    EXPECT_EQ(desktop.QueryPrinter("No Such Printer 42").Status, PrinterQueryStatus::NotOpened);
    EXPECT_EQ(desktop.QueryPrinter("").Status, PrinterQueryStatus::NotOpened);
    ModalRobot robot;
    robot.Then(Reject);
    PrinterDialogRequest request;
    request.Printer.Copies = 2;
    EXPECT_EQ(desktop.ShowPrinterDialog(request).Result, 0);
    EXPECT_EQ(robot.Pending(), 0u);
}
