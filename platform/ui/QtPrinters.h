#pragma once
// Qt's printers in the platform's codes that the dialog wrapper speaks.
#include "platform/PickerDialogs.h"

class QPrinter;

PrinterSettings SettingsOf(const QPrinter& printer);
// Gives the printer the copies, duplex, orientation and paper size of the
// settings; a setting of 0 is left as it is.
void ApplySettings(QPrinter& printer, const PrinterSettings& settings);
// The settings a named printer starts a document with.
PrinterQuery QueryInstalledPrinter(const std::string& device);
