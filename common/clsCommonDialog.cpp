#include "common/clsCommonDialog.h"

#include "platform/Paths.h"
#include "PrinterDialogLog.h"
#include "common/ScreenSize.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "common/cDebug.h"
#include "common/cLog.h"
#include "common/cWindow.h"
#include "common/mKEMCommon.h"

std::string TrimNulls(const std::string& text) {
    size_t end = text.find_last_not_of(std::string(" \0", 2));
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

long LogFontHeight(double points, double twipsPerPixel) { return -vb::CLng(points * 20.0 / twipsPerPixel); }

long PointsFromTenths(long tenths) { return vb::CLng(tenths / 10.0); }

bool IsBoldWeight(long weight) { return weight >= picker::FW_BOLD; }

bool PrinterNamesFit(const std::string& driver, const std::string& device, const std::string& port) {
    constexpr size_t kHeader = 8, kNameArea = 100;
    const size_t total = kHeader + driver.size() + 1 + device.size() + 1 + port.size() + 1;
    return total <= kHeader + kNameArea;
}

clsCommonDialog::clsCommonDialog() { customColors_.fill(0xFFFFFF); }

void clsCommonDialog::Font(std::shared_ptr<StdFont> font) {
    font_.reset();
    font_ = std::move(font);
    if (!font_) return;
    FontName = font_->Name;
    FontBold = font_->Bold();
    FontItalic = font_->Italic;
    FontSize = vb::CLng(font_->Size);
    FontStrikethru = font_->Strikethrough;
    FontUnderline = font_->Underline;
}

void clsCommonDialog::ShowOpen() { ShowFileDialog(Kind::Open); }
void clsCommonDialog::ShowSave() { ShowFileDialog(Kind::Save); }

namespace {

std::string LastComponent(const std::string& path) {
    size_t sep = path.rfind(paths::kSep);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string FolderOf(const std::string& path) {
    size_t sep = path.rfind(paths::kSep);
    if (sep == std::string::npos) return std::string();
    return sep == 0 ? std::string(1, paths::kSep) : path.substr(0, sep);
}

// The chosen names as the dialog hands them back: one full path, or the
// folder followed by each name, all separated by NUL. A name from another
// folder (typed with its own path) is handed back whole.
std::string AnswerText(const FileDialogResult& result) {
    if (result.Files.size() == 1) return result.Files.front();
    const std::string folder = FolderOf(result.Files.front());
    std::string text = folder;
    for (const auto& file : result.Files) {
        text += cdl::kNameSeparator;
        text += FolderOf(file) == folder ? LastComponent(file) : file;
    }
    return text;
}

}  // namespace

void clsCommonDialog::ShowFileDialog(Kind kind) {
    apiReturn_ = 0;
    extendedError_ = 0;
    WasCanceled = false;
    if (MaxFileSize <= 0) MaxFileSize = 255;
    const size_t bufferSize = static_cast<size_t>(MaxFileSize);
    // A proposed name that does not fit the name buffers ends the run before
    // any dialog is shown, without a cancel and without an error.
    if (FileName.size() > bufferSize || FileTitle.size() > bufferSize) return;

    FileDialogRequest request;
    request.Save = kind == Kind::Save;
    request.Title = DialogTitle;
    request.Filter = Filter;
    request.FilterIndex = FilterIndex;
    request.InitDir = InitDir;
    request.FileName = FileName;
    request.DefaultExt = DefaultExt;
    request.MultiSelect = (flags & cdl::OFN_ALLOWMULTISELECT) != 0;
    request.FileMustExist = (flags & cdl::OFN_FILEMUSTEXIST) != 0;
    request.PathMustExist = (flags & cdl::OFN_PATHMUSTEXIST) != 0;
    request.OverwritePrompt = (flags & cdl::OFN_OVERWRITEPROMPT) != 0;
    request.HideReadOnly = (flags & cdl::OFN_HIDEREADONLY) != 0;

    FileDialogResult result = Ui().ShowFileDialog(request);
    std::string answer = result.Accepted && !result.Files.empty() ? AnswerText(result) : std::string();
    // An answer that does not fit the buffer (with its terminating NUL) is a
    // failed dialog, which counts as a cancel.
    if (answer.empty() || answer.size() >= bufferSize) {
        WasCanceled = true;
        if (CancelError) RaiseError(vberr::kCancelError);
        return;
    }
    apiReturn_ = 1;
    FileName = TrimNulls(answer);
    if (result.Files.size() == 1) FileTitle = TrimNulls(LastComponent(FileName));
    FilterIndex = result.FilterIndex;
    size_t sep = FileName.rfind(paths::kSep);
    InitDir = sep == std::string::npos ? std::string() : FileName.substr(0, sep);
}

void clsCommonDialog::StartChooser(int action) {
    action_ = action;
    apiReturn_ = 0;
    extendedError_ = 0;
    WasCanceled = false;
}

void clsCommonDialog::Cancelled() {
    WasCanceled = true;
    if (CancelError) RaiseError(vberr::kCancelError);
}

void clsCommonDialog::ShowColor() {
    StartChooser(3);
    ColorDialogRequest request;
    request.Color = Color;
    request.CustomColors = customColors_;
    request.Flags = flags;
    Ui().DoEvents();
    const ColorDialogResult result = Ui().ShowColorDialog(request);
    apiReturn_ = result.Result;
    if (result.Result == 1) Color = result.Color;
    else if (result.Result == 0) Cancelled();
    else extendedError_ = result.ExtendedError;
}

void clsCommonDialog::ShowFont() {
    StartChooser(4);
    if (!font_) return;
    FontDialogRequest request;
    request.Font.Height = LogFontHeight(font_->Size, kScreenTwipsPerPixel);
    request.Font.Weight = font_->Weight;
    request.Font.Italic = FontItalic;
    request.Font.Underline = FontUnderline;
    request.Font.StrikeOut = FontStrikethru;
    request.Font.FaceName = FontName;
    request.Font.PointSize = FontSize * 10;
    request.Font.Color = FontColor;
    request.Flags = flags;
    request.PrinterFonts = (flags & picker::CF_PRINTERFONTS) != 0;
    const FontDialogResult result = Ui().ShowFontDialog(request);
    apiReturn_ = result.Result;
    if (result.Result == 1) {
        FontBold = IsBoldWeight(result.Font.Weight);
        FontItalic = result.Font.Italic;
        FontUnderline = result.Font.Underline;
        FontStrikethru = result.Font.StrikeOut;
        FontName = result.Font.FaceName;
        FontSize = PointsFromTenths(result.Font.PointSize);
        FontColor = result.Font.Color;
        auto chosen = std::make_shared<StdFont>();
        chosen->Name = FontName;
        chosen->Weight = FontBold ? picker::FW_BOLD : picker::FW_NORMAL;
        chosen->Italic = FontItalic;
        chosen->Size = static_cast<double>(FontSize);
        chosen->Strikethrough = FontStrikethru;
        chosen->Underline = FontUnderline;
        font_ = std::move(chosen);
    } else if (result.Result == 0) {
        Cancelled();
    } else {
        extendedError_ = result.ExtendedError;
    }
}

void clsCommonDialog::ShowHelp() {
    StartChooser(6);
    apiReturn_ = WinHelp(HelpFile, HelpCommand);
    // The help call has no extended error of its own.
    extendedError_ = 0;
}

namespace {

const std::string kShowPrinter = "clsCommonDialog::ShowPrinter";

bool LoggingClasses() { return oDebug && oLog && oDebug->LogClasses; }

void LogPrinter(const std::string& text) {
    if (LoggingClasses()) oLog->LogData(text);
}

const char* QueryText(PrinterQueryStatus status) {
    switch (status) {
        case PrinterQueryStatus::Ok: return "settings read";
        case PrinterQueryStatus::NotOpened: return "printer not opened";
        case PrinterQueryStatus::NoSettings: return "no settings";
        case PrinterQueryStatus::SettingsUnreadable: return "settings not read";
    }
    return "";
}

}  // namespace

long clsCommonDialog::ShowPrinter() {
    TraceGuard trace(TraceKind::Classes, kShowPrinter);
    if (LoggingClasses()) LogPrinter(kShowPrinter + "::On Entry\r\n" + PrinterStateBlock(Ui().CurrentPrinter(), *this));

    const PrinterSettings current = Ui().CurrentPrinter();
    CurrentPrinter = current.Device;
    CurrentPrinterDriver = current.Driver;
    CurrentPrinterPort = current.Port;

    const PrinterQuery query = Ui().QueryPrinter(CurrentPrinter);
    LogPrinter("Asked " + CurrentPrinter + " for its settings.  Result: " + QueryText(query.Status));
    switch (query.Status) {
        case PrinterQueryStatus::NotOpened: RaiseError(30001, kShowPrinter, "Error in OpenPrinter");
        case PrinterQueryStatus::NoSettings: RaiseError(30002, kShowPrinter, "Error in DocumentProperties");
        case PrinterQueryStatus::SettingsUnreadable:
            RaiseError(30003, kShowPrinter, "Error in DocumentProperties (get devmode)");
        case PrinterQueryStatus::Ok: break;
    }

    PrinterDialogRequest request;
    request.Printer = query.Settings;
    request.Printer.Device = CurrentPrinter;
    request.Printer.Driver = CurrentPrinterDriver;
    request.Printer.Port = CurrentPrinterPort;
    if (query.Fields & picker::DM_ORIENTATION) request.Printer.Orientation = PrinterOrientation;
    if (query.Fields & picker::DM_DUPLEX) request.Printer.Duplex = Duplex;
    if (query.Fields & picker::DM_PRINTQUALITY) request.Printer.PrintQuality = PrintQuality;
    request.Printer.Copies = static_cast<int>(Copies);
    request.Flags = flags;

    const size_t namesSize = 8 + CurrentPrinterDriver.size() + CurrentPrinter.size() + CurrentPrinterPort.size() + 3;
    LogPrinter(kShowPrinter + " TotalSize of Printer Names:" + std::to_string(namesSize));
    if (!PrinterNamesFit(CurrentPrinterDriver, CurrentPrinter, CurrentPrinterPort))
        RaiseError(30005, kShowPrinter, "Error, Printer Name Overflow");

    if (LoggingClasses()) LogPrinter(PrinterRequestDump(request));
    const PrinterDialogResult result = Ui().ShowPrinterDialog(request);
    apiReturn_ = result.Result;
    LogPrinter(kShowPrinter + "::APIReturn=" + HexText(apiReturn_));
    LogPrinter("lApiReturn=" + HexText(apiReturn_));
    if (LoggingClasses()) LogPrinter(PrinterSettingsDump("Printer dialog answer", result.Printer));

    if (apiReturn_ == 0) {
        WasCanceled = true;
        if (CancelError) RaiseError(vberr::kCancelError);
        return apiReturn_;
    }
    if (apiReturn_ == 1) TakePrinterChoice(result);
    if (LoggingClasses()) LogPrinter(kShowPrinter + "::After Setting\r\n" + PrinterStateBlock(Ui().CurrentPrinter(), *this));
    return apiReturn_;
}

// The dialog's choice becomes the current printer when the desktop knows a
// printer of that name; its settings go to the current printer either way.
void clsCommonDialog::TakePrinterChoice(const PrinterDialogResult& result) {
    if (!result.HasPrinter) RaiseError(33333, kShowPrinter, "Error in GlobalLock@14700");
    const std::string chosen = vb::UCase(result.Printer.Device);
    PrinterSettings apply = result.Printer;
    apply.Device.clear();
    for (const std::string& name : Ui().PrinterNames()) {
        if (vb::UCase(name) == chosen) {
            apply.Device = name;
            break;
        }
    }
    Ui().SetCurrentPrinter(apply);
    const PrinterSettings now = Ui().CurrentPrinter();
    Copies = result.Printer.Copies;
    Duplex = result.Printer.Duplex;
    PrintQuality = result.Printer.PrintQuality;
    PaperSize = result.Printer.PaperSize;
    CurrentPrinter = now.Device;
    CurrentPrinterDriver = result.Printer.Driver;
    CurrentPrinterPort = result.Printer.Port;
    PrinterOrientation = now.Orientation;
}

bool clsCommonDialog::InitPrinter() {
    flags = picker::PD_RETURNDEFAULT;
    if (ShowPrinter() != 0) return true;
    Ui().MsgBox("Failure to Get Default Printer Information.", mb::vbExclamation, "Failure");
    flags = picker::PD_PRINTSETUP;
    if (ShowPrinter() != 0) return true;
    Ui().MsgBox("No Printer has been selected. Default Report Settings will be used.", mb::vbExclamation,
                "Cancelled");
    return false;
}
