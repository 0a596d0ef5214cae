#include "PrinterDialogLog.h"

#include <cstdio>

#include "common/clsCommonDialog.h"

namespace {

const char* const kCrLf = "\r\n";

std::string Field(const std::string& name, const std::string& value) {
    std::string line = name;
    if (line.size() < 20) line.resize(20, ' ');
    return kCrLf + line + value;
}

std::string Field(const std::string& name, long value) { return Field(name, std::to_string(value)); }

}  // namespace

std::string HexText(long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%lX", static_cast<unsigned long>(value) & 0xFFFFFFFFUL);
    return text;
}

std::string PrinterStateBlock(const PrinterSettings& current, const clsCommonDialog& dialog) {
    auto line = [](const char* name, long printer, long wrapper) {
        return std::string(name) + "=" + std::to_string(printer) + " CDLG " + name + "=" + std::to_string(wrapper);
    };
    return line("Orientation", current.Orientation, dialog.PrinterOrientation) + kCrLf +
           line("Duplex", current.Duplex, dialog.Duplex) + kCrLf + line("Copies", current.Copies, dialog.Copies) +
           kCrLf + line("PaperSize", current.PaperSize, dialog.PaperSize) + kCrLf +
           line("PrintQuality", current.PrintQuality, dialog.PrintQuality);
}

std::string PrinterSettingsDump(const std::string& title, const PrinterSettings& settings) {
    return title + Field("Device", settings.Device) + Field("Driver", settings.Driver) +
           Field("Port", settings.Port) + Field("Orientation", settings.Orientation) +
           Field("Duplex", settings.Duplex) + Field("Copies", settings.Copies) +
           Field("PaperSize", settings.PaperSize) + Field("PrintQuality", settings.PrintQuality);
}

std::string PrinterRequestDump(const PrinterDialogRequest& request) {
    return "Printer dialog request" + Field("flags", HexText(request.Flags)) + Field("nFromPage", request.FromPage) +
           Field("nToPage", request.ToPage) + Field("nMinPage", request.MinPage) +
           Field("nMaxPage", request.MaxPage) + kCrLf + PrinterSettingsDump("Printer settings", request.Printer);
}
