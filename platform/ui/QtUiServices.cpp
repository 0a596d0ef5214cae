#include "platform_ui/QtUiServices.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include "platform_ui/AnsiText.h"
#include "QtPrinters.h"

namespace {

// "Text (*.txt;*.bas)|*.txt;*.bas|..." becomes Qt's "Text (*.txt *.bas);;...".
QStringList QtFilters(const std::string& filter) {
    QStringList parts = FromAnsi(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString masks = parts[i + 1];
        masks.replace(';', ' ');
        out << QString("%1 (%2)").arg(parts[i], masks);
    }
    return out;
}

// A message box sizes itself to its text alone; a short text under a long
// title would have the title cut off in the title bar. The box is made at
// least as wide as the title in a bold face plus the title bar's icon and
// buttons.
void RoomForTitle(QMessageBox& box) {
    constexpr int kTitleBarControls = 140;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int wanted = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarControls;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

// Colours travel as 0x00BBGGRR.
QColor FromRgbCode(long code) { return QColor(code & 0xFF, (code >> 8) & 0xFF, (code >> 16) & 0xFF); }
long RgbCode(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

// Runs a modal dialog with the arrow pointer, whatever the program shows.
bool RunModal(QDialog& dlg) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool ok = dlg.exec() == QDialog::Accepted;
    QApplication::restoreOverrideCursor();
    return ok;
}

}  // namespace

QtUiServices::QtUiServices() = default;
QtUiServices::~QtUiServices() = default;

int QtUiServices::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(FromAnsi(title.empty() ? std::string("Zelker") : title));
    box.setText(FromAnsi(prompt).replace("\r\n", "\n"));
    switch (buttons & mb::kIconMask) {
        case mb::vbCritical: box.setIcon(QMessageBox::Critical); break;
        case mb::vbQuestion: box.setIcon(QMessageBox::Question); break;
        case mb::vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case mb::vbInformation: box.setIcon(QMessageBox::Information); break;
        default: break;
    }
    struct B {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<B> list;
    switch (buttons & mb::kButtonsMask) {
        case mb::vbOKCancel: list = {{QMessageBox::Ok, mb::vbOK}, {QMessageBox::Cancel, mb::vbCancel}}; break;
        case mb::vbAbortRetryIgnore:
            list = {{QMessageBox::Abort, mb::vbAbort}, {QMessageBox::Retry, mb::vbRetry}, {QMessageBox::Ignore, mb::vbIgnore}};
            break;
        case mb::vbYesNoCancel:
            list = {{QMessageBox::Yes, mb::vbYes}, {QMessageBox::No, mb::vbNo}, {QMessageBox::Cancel, mb::vbCancel}};
            break;
        case mb::vbYesNo: list = {{QMessageBox::Yes, mb::vbYes}, {QMessageBox::No, mb::vbNo}}; break;
        case mb::vbRetryCancel: list = {{QMessageBox::Retry, mb::vbRetry}, {QMessageBox::Cancel, mb::vbCancel}}; break;
        default: list = {{QMessageBox::Ok, mb::vbOK}}; break;
    }
    RoomForTitle(box);
    QMessageBox::StandardButtons all;
    for (const auto& b : list) all |= b.button;
    box.setStandardButtons(all);
    size_t def = (buttons & mb::vbDefaultButton3) ? 2 : (buttons & mb::vbDefaultButton2) ? 1 : 0;
    if (def < list.size()) box.setDefaultButton(list[def].button);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QApplication::restoreOverrideCursor();
    auto clicked = box.standardButton(box.clickedButton());
    for (const auto& b : list)
        if (b.button == clicked) return b.answer;
    // Closed with Escape or the close box: Cancel where there is one.
    for (const auto& b : list)
        if (b.answer == mb::vbCancel) return b.answer;
    return list.back().answer;
}

FileDialogResult QtUiServices::ShowFileDialog(const FileDialogRequest& request) {
    QFileDialog dlg(QApplication::activeWindow(), FromAnsi(request.Title));
    dlg.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(request.Save ? QFileDialog::AnyFile
                                 : request.MultiSelect ? QFileDialog::ExistingFiles
                                 : request.FileMustExist ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    // The filters' own names list their patterns already.
    dlg.setOption(QFileDialog::HideNameFilterDetails, true);
    QStringList filters = QtFilters(request.Filter);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        int idx = request.FilterIndex - 1;
        if (idx >= 0 && idx < filters.size()) dlg.selectNameFilter(filters[idx]);
    }
    // Windows matches patterns without regard to case.
    dlg.setFilter(dlg.filter() & ~QDir::CaseSensitive);
    if (!request.InitDir.empty()) dlg.setDirectory(FromAnsi(request.InitDir));
    if (!request.FileName.empty()) dlg.selectFile(FromAnsi(request.FileName));
    if (!request.DefaultExt.empty()) dlg.setDefaultSuffix(FromAnsi(request.DefaultExt));
    FileDialogResult result;
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    bool ok = dlg.exec() == QDialog::Accepted;
    QApplication::restoreOverrideCursor();
    if (!ok) return result;
    result.Accepted = true;
    for (const QString& f : dlg.selectedFiles()) result.Files.push_back(ToAnsi(f));
    result.FilterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    if (result.FilterIndex < 1) result.FilterIndex = request.FilterIndex;
    return result;
}

void QtUiServices::ClipboardClear() { QApplication::clipboard()->clear(); }
void QtUiServices::ClipboardSetText(const std::string& text) { QApplication::clipboard()->setText(FromAnsi(text)); }
std::string QtUiServices::ClipboardGetText() { return ToAnsi(QApplication::clipboard()->text()); }

bool QtUiServices::StartProgram(const std::string& program, const std::vector<std::string>& args) {
    QStringList qargs;
    for (const auto& a : args) qargs << FromAnsi(a);
    return QProcess::startDetached(FromAnsi(program), qargs);
}

bool QtUiServices::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(FromAnsi(url), QUrl::TolerantMode));
}

namespace {
// The coarse clock is read from memory the kernel keeps up to date, without
// asking the hardware: a loop can look at it on every line. Its steps (a few
// ms) are fine for a pace of some 30 ms.
// Where the system has no such clock, the standard steady clock serves.
int64_t CoarseNowMs() {
#ifdef CLOCK_MONOTONIC_COARSE
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
#else
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
#endif
}
}  // namespace

void QtUiServices::DoEvents() {
    QCoreApplication::processEvents();
    eventsRanMs_ = CoarseNowMs();
}

bool QtUiServices::EventsDue() {
    // A pass of the event loop costs far more than a look at the clock: a
    // zelk that let events run on every line spent most of its time there,
    // while a repaint more often than the screen's own pace shows nothing.
    constexpr int64_t kEventsApartMs = 30;
    return eventsRanMs_ < 0 || CoarseNowMs() - eventsRanMs_ >= kEventsApartMs;
}

void QtUiServices::SetMousePointer(int p) {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    if (p == pointer::vbHourglass) QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (p == pointer::vbArrow) QApplication::setOverrideCursor(Qt::ArrowCursor);
    pointer_ = p;
}

void QtUiServices::Beep() { QApplication::beep(); }

ColorDialogResult QtUiServices::ShowColorDialog(const ColorDialogRequest& request) {
    for (int i = 0; i < static_cast<int>(request.CustomColors.size()) && i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, FromRgbCode(request.CustomColors[static_cast<size_t>(i)]));
    QColorDialog dlg(FromRgbCode(request.Color), QApplication::activeWindow());
    dlg.setOption(QColorDialog::DontUseNativeDialog, true);
    ColorDialogResult result;
    if (!RunModal(dlg)) return result;
    result.Result = 1;
    result.Color = RgbCode(dlg.selectedColor());
    return result;
}

FontDialogResult QtUiServices::ShowFontDialog(const FontDialogRequest& request) {
    QFont initial(FromAnsi(request.Font.FaceName));
    if (request.Font.PointSize > 0) initial.setPointSizeF(request.Font.PointSize / 10.0);
    initial.setWeight(QFont::Weight(std::clamp<long>(request.Font.Weight, 1, 1000)));
    initial.setItalic(request.Font.Italic);
    initial.setUnderline(request.Font.Underline);
    initial.setStrikeOut(request.Font.StrikeOut);
    QFontDialog dlg(initial, QApplication::activeWindow());
    dlg.setOption(QFontDialog::DontUseNativeDialog, true);
    FontDialogResult result;
    if (!RunModal(dlg)) return result;
    const QFont chosen = dlg.selectedFont();
    result.Result = 1;
    result.Font.FaceName = ToAnsi(chosen.family());
    result.Font.PointSize = std::lround(chosen.pointSizeF() * 10.0);
    result.Font.Height = -QFontInfo(chosen).pixelSize();
    // Qt's weights use the same scale, 400 normal and 700 bold.
    result.Font.Weight = chosen.weight();
    result.Font.Italic = chosen.italic();
    result.Font.Underline = chosen.underline();
    result.Font.StrikeOut = chosen.strikeOut();
    // The dialog offers no colour: the one asked for stays.
    result.Font.Color = request.Font.Color;
    return result;
}

QPrinter& QtUiServices::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

PrinterDialogResult QtUiServices::ShowPrinterDialog(const PrinterDialogRequest& request) {
    PrinterDialogResult result;
    QPrinter printer(QPrinter::HighResolution);
    if (request.Flags & picker::PD_RETURNDEFAULT) {
        // The default printer's settings, without a dialog.
        const QPrinterInfo def = QPrinterInfo::defaultPrinter();
        if (def.isNull()) return result;
        printer.setPrinterName(def.printerName());
    } else {
        if (!request.Printer.Device.empty()) printer.setPrinterName(FromAnsi(request.Printer.Device));
        ApplySettings(printer, request.Printer);
        printer.setFromTo(request.FromPage, request.ToPage);
        QPrintDialog dlg(&printer, QApplication::activeWindow());
        dlg.setMinMax(request.MinPage, request.MaxPage);
        if (!RunModal(dlg)) return result;
    }
    result.Result = 1;
    result.Printer = SettingsOf(printer);
    result.HasPrinter = !result.Printer.Device.empty();
    return result;
}

PrinterSettings QtUiServices::CurrentPrinter() { return SettingsOf(Printer()); }

std::vector<std::string> QtUiServices::PrinterNames() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(ToAnsi(name));
    return names;
}

void QtUiServices::SetCurrentPrinter(const PrinterSettings& settings) {
    if (!settings.Device.empty()) Printer().setPrinterName(FromAnsi(settings.Device));
    ApplySettings(Printer(), settings);
}

PrinterQuery QtUiServices::QueryPrinter(const std::string& device) { return QueryInstalledPrinter(device); }
