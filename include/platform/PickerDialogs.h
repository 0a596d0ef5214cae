#pragma once
// What the colour, font and printer dialogs are asked and what they answer,
// with the platform's codes so that the dialog wrapper keeps its contract.
// A Result of 1 is a choice, 0 a cancel or a failed dialog; any other value
// is a failure the dialog describes in ExtendedError.
#include <array>
#include <string>

namespace picker {
// Font dialog flags.
constexpr long CF_PRINTERFONTS = 0x2;
// Printer dialog flags.
constexpr long PD_PRINTSETUP = 0x40;
constexpr long PD_RETURNDEFAULT = 0x400;
// Which printer settings a printer lets a program change.
constexpr unsigned DM_ORIENTATION = 0x1;
constexpr unsigned DM_PAPERSIZE = 0x2;
constexpr unsigned DM_COPIES = 0x100;
constexpr unsigned DM_PRINTQUALITY = 0x400;
constexpr unsigned DM_DUPLEX = 0x1000;
// Font weights.
constexpr long FW_NORMAL = 400;
constexpr long FW_BOLD = 700;
}  // namespace picker

struct ColorDialogRequest {
    long Color = 0;  // RGB as 0x00BBGGRR
    std::array<long, 16> CustomColors{};
    long Flags = 0;
};

struct ColorDialogResult {
    long Result = 0;
    long ExtendedError = 0;
    long Color = 0;
};

// A font as the font dialog exchanges it.
struct FontChoice {
    std::string FaceName;
    long Height = 0;  // character height in pixels, negative
    long Weight = picker::FW_NORMAL;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    long PointSize = 0;  // tenths of a point
    long Color = 0;      // RGB as 0x00BBGGRR
};

struct FontDialogRequest {
    FontChoice Font;
    long Flags = 0;
    // The fonts offered are those of the current printer (CF_PRINTERFONTS).
    bool PrinterFonts = false;
};

struct FontDialogResult {
    long Result = 0;
    long ExtendedError = 0;
    FontChoice Font;
};

// A printer and its settings, in the platform's codes: orientation 1
// portrait, 2 landscape; duplex 1 one side, 2 long edge, 3 short edge; the
// paper size as the platform numbers paper (1 Letter, 9 A4 ...); the print
// quality in dots per inch.
struct PrinterSettings {
    std::string Device;
    std::string Driver;
    std::string Port;
    int Orientation = 0;
    int Duplex = 0;
    int Copies = 0;
    int PaperSize = 0;
    int PrintQuality = 0;
};

// Asking a printer for its settings: it could not be opened, it reported
// no settings, its settings could not be read, or they were read.
enum class PrinterQueryStatus { Ok, NotOpened, NoSettings, SettingsUnreadable };

struct PrinterQuery {
    PrinterQueryStatus Status = PrinterQueryStatus::NotOpened;
    PrinterSettings Settings;
    unsigned Fields = 0;  // picker::DM_... the printer lets a program change
};

struct PrinterDialogRequest {
    PrinterSettings Printer;
    long Flags = 0;
    int FromPage = 1;
    int ToPage = 1;
    int MinPage = 1;
    int MaxPage = 9999;
};

struct PrinterDialogResult {
    long Result = 0;
    long ExtendedError = 0;
    // False when the dialog accepted without handing back a printer.
    bool HasPrinter = false;
    PrinterSettings Printer;
};
