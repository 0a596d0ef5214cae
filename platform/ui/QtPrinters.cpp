#include "QtPrinters.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform_ui/AnsiText.h"

namespace {

int DuplexCode(QPrinter::DuplexMode mode) {
    switch (mode) {
        case QPrinter::DuplexLongSide: return 2;
        case QPrinter::DuplexShortSide: return 3;
        default: return 1;
    }
}

QPrinter::DuplexMode DuplexMode(int code) {
    switch (code) {
        case 2: return QPrinter::DuplexLongSide;
        case 3: return QPrinter::DuplexShortSide;
        default: return QPrinter::DuplexNone;
    }
}

int OrientationCode(QPageLayout::Orientation orientation) { return orientation == QPageLayout::Landscape ? 2 : 1; }

}  // namespace

PrinterSettings SettingsOf(const QPrinter& printer) {
    PrinterSettings s;
    s.Device = ToAnsi(printer.printerName());
    const QPrinterInfo info(printer);
    s.Driver = ToAnsi(info.makeAndModel());
    s.Port = ToAnsi(info.location());
    s.Orientation = OrientationCode(printer.pageLayout().orientation());
    s.Duplex = DuplexCode(printer.duplex());
    s.Copies = printer.copyCount();
    s.PaperSize = printer.pageLayout().pageSize().windowsId();
    s.PrintQuality = printer.resolution();
    return s;
}

void ApplySettings(QPrinter& printer, const PrinterSettings& settings) {
    if (settings.Copies > 0) printer.setCopyCount(settings.Copies);
    if (settings.Duplex > 0) printer.setDuplex(DuplexMode(settings.Duplex));
    if (settings.Orientation > 0)
        printer.setPageOrientation(settings.Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (settings.PaperSize > 0) {
        const QPageSize size(QPageSize::id(settings.PaperSize));
        if (size.isValid()) printer.setPageSize(size);
    }
}

PrinterQuery QueryInstalledPrinter(const std::string& device) {
    PrinterQuery query;
    const QPrinterInfo info = QPrinterInfo::printerInfo(FromAnsi(device));
    if (device.empty() || info.isNull()) return query;
    query.Status = PrinterQueryStatus::Ok;
    query.Settings.Device = device;
    query.Settings.Driver = ToAnsi(info.makeAndModel());
    query.Settings.Port = ToAnsi(info.location());
    query.Settings.Orientation = 1;
    query.Settings.Duplex = DuplexCode(info.defaultDuplexMode());
    query.Settings.Copies = 1;
    query.Settings.PaperSize = info.defaultPageSize().windowsId();
    query.Fields = picker::DM_ORIENTATION | picker::DM_COPIES | picker::DM_PAPERSIZE | picker::DM_PRINTQUALITY;
    if (info.supportedDuplexModes().size() > 1) query.Fields |= picker::DM_DUPLEX;
    const QList<int> resolutions = info.supportedResolutions();
    query.Settings.PrintQuality = resolutions.isEmpty() ? 0 : resolutions.constLast();
    return query;
}
