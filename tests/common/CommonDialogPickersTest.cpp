// The colour, font, help and printer dialogs of the dialog wrapper, through
// the scripted UI services.
#include <gtest/gtest.h>

#include "ServiceScopes.h"
#include "TestSupport.h"
#include "platform/VBError.h"
#include "common/cDebug.h"
#include "common/cLog.h"
#include "common/cWindow.h"
#include "common/clsCommonDialog.h"
#include "common/mKEMCommon.h"

namespace {

PrinterQuery Installed(const std::string& device, unsigned fields = picker::DM_ORIENTATION | picker::DM_COPIES) {
    PrinterQuery p;
    p.Status = PrinterQueryStatus::Ok;
    p.Settings.Device = device;
    p.Settings.Driver = "cups";
    p.Settings.Port = "usb";
    p.Settings.Orientation = 1;
    p.Settings.Duplex = 1;
    p.Settings.Copies = 1;
    p.Settings.PaperSize = 9;
    p.Settings.PrintQuality = 300;
    p.Fields = fields;
    return p;
}

PrinterDialogResult PrinterChosen(const std::string& device) {
    PrinterDialogResult r;
    r.Result = 1;
    r.HasPrinter = true;
    r.Printer.Device = device;
    r.Printer.Driver = "driver-x";
    r.Printer.Port = "port-y";
    r.Printer.Orientation = 2;
    r.Printer.Duplex = 3;
    r.Printer.Copies = 4;
    r.Printer.PaperSize = 1;
    r.Printer.PrintQuality = 600;
    return r;
}

long ErrorOf(const std::function<void()>& call, std::string* description = nullptr) {
    try {
        call();
    } catch (const VBError& e) {
        if (description) *description = e.Description;
        return e.Number;
    }
    return 0;
}

class PickersTest : public ::testing::Test {
protected:
    ScriptedUiServices& ui = testsupport::Ui();
    clsCommonDialog dlg;
};

TEST_F(PickersTest, NewObjectHoldsTheDefaultsAndOffersWhiteCustomColours) {
    EXPECT_EQ(dlg.PrinterDefault, 1);
    EXPECT_EQ(dlg.max, 255);
    EXPECT_EQ(dlg.Min, 0);
    EXPECT_EQ(dlg.Copies, 0);
    EXPECT_EQ(dlg.Color, 0);
    EXPECT_EQ(dlg.FontSize, 0);
    EXPECT_EQ(dlg.CurrentPrinter, "");
    EXPECT_EQ(dlg.Action(), 0);
    EXPECT_EQ(dlg.Font(), nullptr);
    EXPECT_FALSE(dlg.Object.has_value());

    dlg.Color = 0x123456;
    dlg.flags = 0x3;
    ui.ColorDialogAnswers.push_back({1, 0, 0x00FF00});
    dlg.ShowColor();

    ASSERT_EQ(ui.ColorDialogRequests.size(), 1u);
    EXPECT_EQ(ui.ColorDialogRequests[0].Color, 0x123456);
    EXPECT_EQ(ui.ColorDialogRequests[0].Flags, 0x3);
    for (long c : ui.ColorDialogRequests[0].CustomColors) EXPECT_EQ(c, 0xFFFFFF);
    EXPECT_EQ(dlg.Color, 0x00FF00);
    EXPECT_EQ(dlg.Action(), 3);
    EXPECT_EQ(dlg.APIReturn(), 1);
    EXPECT_FALSE(dlg.WasCanceled);
}

TEST_F(PickersTest, CancelAndFailureOfTheColourAndFontDialogs) {
    dlg.Color = 0x42;
    ui.ColorDialogAnswers.push_back({0, 0, 0x99});  // cancelled
    dlg.ShowColor();
    EXPECT_TRUE(dlg.WasCanceled);
    EXPECT_EQ(dlg.Color, 0x42);

    ui.ColorDialogAnswers.push_back({0xFFFF, 7, 0x99});  // failed with an extended error
    dlg.ShowColor();
    EXPECT_FALSE(dlg.WasCanceled);
    EXPECT_EQ(dlg.ExtendedError(), 7);
    EXPECT_EQ(dlg.Color, 0x42);

    dlg.CancelError = true;
    ui.ColorDialogAnswers.push_back({0, 0, 0});
    EXPECT_EQ(ErrorOf([&] { dlg.ShowColor(); }), vberr::kCancelError);
    EXPECT_TRUE(dlg.WasCanceled);

    dlg.Font(std::make_shared<StdFont>(StdFont{"Serif", 10, 400}));
    ui.FontDialogAnswers.push_back({});  // cancelled
    EXPECT_EQ(ErrorOf([&] { dlg.ShowFont(); }), vberr::kCancelError);
    EXPECT_EQ(dlg.Action(), 4);
    EXPECT_EQ(dlg.FontName, "Serif");
}

TEST_F(PickersTest, SettingTheFontCopiesItIntoTheFontProperties) {
    auto font = std::make_shared<StdFont>(StdFont{"Courier", 10.5, 700, true, false, true});
    dlg.Font(font);
    EXPECT_EQ(dlg.Font(), font);
    EXPECT_EQ(dlg.FontName, "Courier");
    EXPECT_EQ(dlg.FontSize, 10);  // halves to even
    EXPECT_TRUE(dlg.FontBold);
    EXPECT_TRUE(dlg.FontItalic);
    EXPECT_FALSE(dlg.FontUnderline);
    EXPECT_TRUE(dlg.FontStrikethru);

    // The properties are plain values afterwards: changing one leaves the font.
    dlg.FontName = "Other";
    EXPECT_EQ(dlg.Font()->Name, "Courier");
}

TEST_F(PickersTest, FontDialogWithoutAFontShowsNothingAndRaisesNothing) {
    dlg.CancelError = true;
    ui.Strict = true;
    dlg.ShowFont();
    EXPECT_TRUE(ui.FontDialogRequests.empty());
    EXPECT_EQ(dlg.Action(), 4);
    EXPECT_FALSE(dlg.WasCanceled);
}

TEST(FontArithmeticTest, HeightSizeAndBoldThreshold) {
    EXPECT_EQ(LogFontHeight(10, 15), -13);  // 13.33
    EXPECT_EQ(LogFontHeight(12, 15), -16);
    EXPECT_EQ(LogFontHeight(8.25, 15), -11);
    EXPECT_EQ(PointsFromTenths(125), 12);  // halves to even
    EXPECT_EQ(PointsFromTenths(135), 14);
    EXPECT_EQ(PointsFromTenths(126), 13);
    EXPECT_TRUE(IsBoldWeight(700));
    EXPECT_FALSE(IsBoldWeight(699));
}

TEST_F(PickersTest, FontDialogAsksWithTheFontAndTakesTheChoiceBack) {
    dlg.Font(std::make_shared<StdFont>(StdFont{"Serif", 10, 400, false, true, false}));
    dlg.FontColor = 0xFF;
    dlg.flags = picker::CF_PRINTERFONTS;
    struct Case {
        long tenths;
        long weight;
        long size;
        bool bold;
    };
    const Case cases[] = {{125, 700, 12, true}, {135, 699, 14, false}, {90, 900, 9, true}};
    for (const Case& c : cases) {
        FontDialogResult r;
        r.Result = 1;
        r.Font.FaceName = "Mono";
        r.Font.PointSize = c.tenths;
        r.Font.Weight = c.weight;
        r.Font.Italic = true;
        r.Font.Color = 0xAB;
        ui.FontDialogAnswers.push_back(r);
        dlg.ShowFont();
        EXPECT_EQ(dlg.FontSize, c.size) << c.tenths;
        EXPECT_EQ(dlg.FontBold, c.bold) << c.weight;
        EXPECT_EQ(dlg.Font()->Bold(), c.bold);
        EXPECT_EQ(dlg.Font()->Size, static_cast<double>(c.size));
    }
    const FontDialogRequest& first = ui.FontDialogRequests.front();
    EXPECT_EQ(first.Font.Height, -13);
    EXPECT_EQ(first.Font.PointSize, 100);
    EXPECT_EQ(first.Font.FaceName, "Serif");
    EXPECT_TRUE(first.Font.Underline);
    EXPECT_EQ(first.Font.Color, 0xFF);
    EXPECT_TRUE(first.PrinterFonts);
    // The second request starts from the first answer.
    EXPECT_EQ(ui.FontDialogRequests[1].Font.PointSize, 120);
    EXPECT_EQ(ui.FontDialogRequests[1].Font.Weight, 700);
    EXPECT_EQ(dlg.FontName, "Mono");
    EXPECT_TRUE(dlg.FontItalic);
    EXPECT_FALSE(dlg.FontUnderline);
    EXPECT_EQ(dlg.FontColor, 0xAB);
    EXPECT_EQ(dlg.Font()->Name, "Mono");
}

TEST_F(PickersTest, HelpOpensAnExistingHelpFileOnly) {
    dlg.HelpFile = testsupport::ProgramDir() + "/none.hlp";
    dlg.HelpCommand = HELP_FINDER;
    dlg.ShowHelp();
    EXPECT_EQ(dlg.Action(), 6);
    EXPECT_EQ(dlg.APIReturn(), 0);
    EXPECT_TRUE(ui.OpenedUrls.empty());
    EXPECT_NE(ui.LastPrompt().find("No help file is installed."), std::string::npos);

    dlg.HelpFile = testsupport::ProgramDir() + "/zelker.hlp";
    testsupport::WriteFile(dlg.HelpFile, "help");
    dlg.ShowHelp();
    EXPECT_EQ(dlg.APIReturn(), 1);
    ASSERT_EQ(ui.OpenedUrls.size(), 1u);
    EXPECT_EQ(ui.OpenedUrls[0], "file://" + dlg.HelpFile);
}

TEST(PrinterNamesTest, NamesMustFitTheHundredByteArea) {
    const std::string driver(30, 'd'), device(30, 'v');
    // 8 + 31 + 31 + 38 = 108 bytes fit; one more byte does not.
    EXPECT_TRUE(PrinterNamesFit(driver, device, std::string(37, 'p')));
    EXPECT_FALSE(PrinterNamesFit(driver, device, std::string(38, 'p')));
    EXPECT_TRUE(PrinterNamesFit("", "", ""));
}

TEST_F(PickersTest, PrinterFailuresRaiseTheirErrors) {
    struct Case {
        const char* what;
        PrinterQueryStatus status;
        std::string port;
        bool dialogHandsBackNoPrinter;
        long number;
        const char* description;
    };
    const Case cases[] = {
        {"not opened", PrinterQueryStatus::NotOpened, "usb", false, 30001, "Error in OpenPrinter"},
        {"no settings", PrinterQueryStatus::NoSettings, "usb", false, 30002, "Error in DocumentProperties"},
        {"unreadable", PrinterQueryStatus::SettingsUnreadable, "usb", false, 30003,
         "Error in DocumentProperties (get devmode)"},
        {"names too long", PrinterQueryStatus::Ok, std::string(100, 'p'), false, 30005, "Error, Printer Name Overflow"},
        {"no printer back", PrinterQueryStatus::Ok, "usb", true, 33333, "Error in GlobalLock@14700"},
    };
    for (const Case& c : cases) {
        ScriptedUiServices fresh;
        fresh.Printers = {Installed("Office")};
        fresh.Printers[0].Status = c.status;
        fresh.Printers[0].Settings.Port = c.port;
        fresh.Current = 0;
        PrinterDialogResult accepted;
        accepted.Result = 1;
        if (c.dialogHandsBackNoPrinter) fresh.PrinterDialogAnswers.push_back(accepted);
        testsupport::UiScope printers{fresh};
        clsCommonDialog d;
        std::string description;
        EXPECT_EQ(ErrorOf([&] { d.ShowPrinter(); }, &description), c.number) << c.what;
        EXPECT_EQ(description, c.description) << c.what;
    }
    // No printer at all cannot be opened either.
    EXPECT_EQ(ErrorOf([&] { dlg.ShowPrinter(); }), 30001);
}

TEST_F(PickersTest, PrinterChoiceBecomesTheCurrentPrinter) {
    ui.Printers = {Installed("Office", picker::DM_ORIENTATION | picker::DM_PRINTQUALITY), Installed("Lab")};
    ui.Current = 0;
    dlg.PrinterOrientation = 2;
    dlg.Duplex = 2;
    dlg.PrintQuality = 1200;
    dlg.Copies = 3;
    dlg.flags = picker::PD_PRINTSETUP;
    ui.PrinterDialogAnswers.push_back(PrinterChosen("LAB"));  // another case than the list's

    EXPECT_EQ(dlg.ShowPrinter(), 1);

    ASSERT_EQ(ui.PrinterDialogRequests.size(), 1u);
    const PrinterDialogRequest& req = ui.PrinterDialogRequests[0];
    EXPECT_EQ(req.Printer.Device, "Office");
    EXPECT_EQ(req.Printer.Orientation, 2);     // the printer takes an orientation
    EXPECT_EQ(req.Printer.PrintQuality, 1200);  // and a quality
    EXPECT_EQ(req.Printer.Duplex, 1);          // but no duplex: its own stays
    EXPECT_EQ(req.Printer.Copies, 3);
    EXPECT_EQ(req.Flags, picker::PD_PRINTSETUP);
    EXPECT_EQ(req.MaxPage, 9999);

    EXPECT_EQ(ui.Current, 1);
    EXPECT_EQ(ui.Printers[1].Settings.Copies, 4);
    EXPECT_EQ(ui.Printers[1].Settings.Orientation, 2);
    EXPECT_EQ(dlg.CurrentPrinter, "Lab");
    EXPECT_EQ(dlg.CurrentPrinterDriver, "driver-x");
    EXPECT_EQ(dlg.CurrentPrinterPort, "port-y");
    EXPECT_EQ(dlg.Copies, 4);
    EXPECT_EQ(dlg.Duplex, 3);
    EXPECT_EQ(dlg.PrintQuality, 600);
    EXPECT_EQ(dlg.PaperSize, 1);
    EXPECT_EQ(dlg.PrinterOrientation, 2);
    EXPECT_FALSE(dlg.WasCanceled);
}

TEST_F(PickersTest, PrinterCancelIsReportedOrRaised) {
    ui.Printers = {Installed("Office")};
    ui.Current = 0;
    dlg.Copies = 3;
    EXPECT_EQ(dlg.ShowPrinter(), 0);
    EXPECT_TRUE(dlg.WasCanceled);
    EXPECT_EQ(dlg.Copies, 3);
    EXPECT_EQ(dlg.CurrentPrinter, "Office");

    dlg.CancelError = true;
    EXPECT_EQ(ErrorOf([&] { dlg.ShowPrinter(); }), vberr::kCancelError);
}

TEST_F(PickersTest, InitPrinterFallsBackToTheSetUpDialogThenGivesUp) {
    struct Case {
        std::vector<long> results;  // of the default request, then the set-up dialog
        bool expected;
        size_t messages;
    };
    const Case cases[] = {{{1}, true, 0}, {{0, 1}, true, 1}, {{0, 0}, false, 2}};
    for (const Case& c : cases) {
        ScriptedUiServices fresh;
        fresh.Printers = {Installed("Office")};
        fresh.Current = 0;
        for (long r : c.results) {
            PrinterDialogResult answer = PrinterChosen("Office");
            answer.Result = r;
            fresh.PrinterDialogAnswers.push_back(answer);
        }
        fresh.Strict = true;
        fresh.MsgBoxAnswers.assign(c.messages, mb::vbOK);
        {
            testsupport::UiScope printers{fresh};
            clsCommonDialog d;
            EXPECT_EQ(d.InitPrinter(), c.expected);
        }
        ASSERT_EQ(fresh.Messages.size(), c.messages);
        EXPECT_EQ(fresh.PrinterDialogRequests[0].Flags, picker::PD_RETURNDEFAULT);
        if (c.messages >= 1) {
            EXPECT_EQ(fresh.Messages[0].Prompt, "Failure to Get Default Printer Information.");
            EXPECT_EQ(fresh.Messages[0].Title, "Failure");
            EXPECT_EQ(fresh.Messages[0].Buttons, mb::vbExclamation);
            EXPECT_EQ(fresh.PrinterDialogRequests[1].Flags, picker::PD_PRINTSETUP);
        }
        if (c.messages == 2) {
            EXPECT_EQ(fresh.Messages[1].Prompt, "No Printer has been selected. Default Report Settings will be used.");
            EXPECT_EQ(fresh.Messages[1].Title, "Cancelled");
        }
    }
}

TEST_F(PickersTest, PrinterDialogIsLoggedWhileClassesAreTraced) {
    ui.Printers = {Installed("Office")};
    ui.Current = 0;
    dlg.PrinterOrientation = 2;
    ui.PrinterDialogAnswers.push_back(PrinterChosen("Office"));
    const std::string logFile = testsupport::MakeDir("log") + "/debug.log";
    oLog->LogOpen(logFile, 1);
    oDebug->LogClasses = true;
    dlg.ShowPrinter();
    oDebug->LogClasses = false;
    oLog->LogClose();
    const std::string log = testsupport::ReadFile(logFile);
    for (const char* text :
         {"clsCommonDialog::ShowPrinter::On Entry", "Orientation=1 CDLG Orientation=2", "Copies=1 CDLG Copies=0",
          "TotalSize of Printer Names:24", "Printer dialog request", "::APIReturn=1", "lApiReturn=1",
          "Printer dialog answer", "clsCommonDialog::ShowPrinter::After Setting",
          "Orientation=2 CDLG Orientation=2"})
        EXPECT_NE(log.find(text), std::string::npos) << text;
    EXPECT_EQ(log.find("Orientation=2 CDLG Orientation=2"), log.rfind("Orientation=2 CDLG Orientation=2"));
}

}  // namespace
