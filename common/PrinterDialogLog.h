#pragma once
// The debug log's account of the printer dialog, written while the utility
// classes are traced: the printer's settings against the dialog wrapper's
// own, and what the dialog was asked and answered.
#include <string>

#include "platform/PickerDialogs.h"

class clsCommonDialog;

// Five lines (orientation, duplex, copies, paper size, print quality), each
// the current printer's value beside the wrapper's, joined by CR LF.
std::string PrinterStateBlock(const PrinterSettings& current, const clsCommonDialog& dialog);
// A title line, then one line per field: the name padded to 20 characters
// and the value.
std::string PrinterRequestDump(const PrinterDialogRequest& request);
std::string PrinterSettingsDump(const std::string& title, const PrinterSettings& settings);
std::string HexText(long value);
