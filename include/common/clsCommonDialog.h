#pragma once
// The file Open and Save As dialogs, and the colour, font, help and printer
// dialogs, behind one object whose properties keep the values their last
// user left in them. The shared instance
// oCommonDialog serves most callers; a caller that wants the defaults makes
// a private one. Results come back in the properties; a cancel sets
// WasCanceled and, with CancelError on, raises error 32755.
#include <any>
#include <array>
#include <memory>
#include <string>

#include "platform/PickerDialogs.h"

// The dialog flags the callers combine in `flags` (the platform's values).
namespace cdl {
constexpr long OFN_OVERWRITEPROMPT = 0x2;
constexpr long OFN_HIDEREADONLY = 0x4;
constexpr long OFN_ALLOWMULTISELECT = 0x200;
constexpr long OFN_PATHMUSTEXIST = 0x800;
constexpr long OFN_FILEMUSTEXIST = 0x1000;
constexpr long OFN_EXPLORER = 0x80000;
constexpr long OFN_LONGNAMES = 0x200000;
// The separator between the folder and the names of a multiple selection.
constexpr char kNameSeparator = '\0';
}  // namespace cdl

// A font of the windowing layer. Bold is a weight of 700 or more.
struct StdFont {
    std::string Name;
    double Size = 0;  // points
    long Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    bool Bold() const { return Weight >= 700; }
};

// The font dialog's arithmetic. Character height in pixels for a size in
// points (negative: the height of the characters without the leading).
long LogFontHeight(double points, double twipsPerPixel);
// Tenths of a point to whole points (halves to even).
long PointsFromTenths(long tenths);
bool IsBoldWeight(long weight);
// The printer names block holds an 8-byte header and 100 bytes for the
// driver, device and port names, each ended by NUL: false when they do not
// fit.
bool PrinterNamesFit(const std::string& driver, const std::string& device, const std::string& port);

class clsCommonDialog {
public:
    clsCommonDialog();

    // The printer of the printer dialog.
    std::string CurrentPrinter;
    std::string CurrentPrinterDriver;
    std::string CurrentPrinterPort;
    int Duplex = 0;
    int PaperSize = 0;
    int PrinterOrientation = 0;
    int PrintQuality = 0;
    // Set False at the start of every dialog, True when the user cancels.
    bool WasCanceled = false;

    // When True, a cancelled dialog raises error 32755 to the caller.
    bool CancelError = false;
    // RGB (0x00BBGGRR) of the colour dialog.
    long Color = 0;
    // Copies for the printer dialog.
    long Copies = 0;
    // Extension added to a typed name that has none.
    std::string DefaultExt;
    std::string DialogTitle;
    // In: the name shown in the name field. Out: the chosen full path; for a
    // multiple selection the folder and the names, each separated by NUL.
    std::string FileName;
    // In: the initial file title. Out: the chosen name without its folder.
    std::string FileTitle;
    // Pairs of description and pattern, every item separated by "|".
    std::string Filter;
    // 1-based number of the filter pair shown first; out: the one chosen.
    int FilterIndex = 1;
    // The platform flags (cdl::OFN_..., picker::CF_..., picker::PD_...),
    // passed on as they stand.
    long flags = 0;
    // The font dialog's font, also as separate properties.
    bool FontBold = false;
    long FontColor = 0;
    bool FontItalic = false;
    std::string FontName;
    long FontSize = 0;  // points
    bool FontStrikethru = false;
    bool FontUnderline = false;
    // Kept for callers; no dialog reads them.
    long FromPage = 0;
    long ToPage = 0;
    long Min = 0;
    long max = 255;
    int PrinterDefault = 1;
    std::string HelpContext;
    std::string HelpKey;
    std::any Object;
    // The help call's file and command (HELP_...).
    long HelpCommand = 0;
    std::string HelpFile;
    // Device context and owner window handles: kept for the callers, the
    // dialogs open over the active window.
    long HDC = 0;
    long hWndOwner = 0;
    // In: the folder the dialog opens in. Out: FileName up to its last
    // separator.
    std::string InitDir;
    // Size in characters of the name buffers; 0 or less becomes 255 at the
    // next dialog.
    long MaxFileSize = 255;

    // The result of the last dialog: 1 a name was chosen, 0 cancelled.
    long APIReturn() const { return apiReturn_; }
    // The platform's extended error of the last dialog.
    long ExtendedError() const { return extendedError_; }
    // Kind of the last colour, font or help dialog; the file dialogs leave it.
    int Action() const { return action_; }

    // Setting the font also copies its name, size, bold, italic,
    // strikethrough and underline into the separate properties.
    const std::shared_ptr<StdFont>& Font() const { return font_; }
    void Font(std::shared_ptr<StdFont> font);

    void ShowOpen();
    void ShowSave();
    void ShowColor();
    // Needs Font; without it no dialog is shown and nothing is raised.
    void ShowFont();
    void ShowHelp();
    // Shows the printer dialog and makes the choice the current printer;
    // returns the dialog's result (0 cancelled). Raises 30001 to 30005 and
    // 33333 when the printer or its settings cannot be had.
    long ShowPrinter();
    // True when the default printer's settings, or a printer the user chose
    // after being told there is no default, were obtained.
    bool InitPrinter();

private:
    enum class Kind { Open = 1, Save = 2 };
    void ShowFileDialog(Kind kind);
    void StartChooser(int action);
    void Cancelled();
    void TakePrinterChoice(const PrinterDialogResult& result);

    long apiReturn_ = 0;
    long extendedError_ = 0;
    int action_ = 0;
    std::shared_ptr<StdFont> font_;
    // The colour dialog's custom colours: white from creation, offered to
    // the dialog and never read back.
    std::array<long, 16> customColors_{};
};

// Cuts a returned text after its last character that is neither NUL nor a
// blank; NUL characters inside the text stay.
std::string TrimNulls(const std::string& text);

// Created by the start-up before the settings load.
inline std::unique_ptr<clsCommonDialog> oCommonDialog;
