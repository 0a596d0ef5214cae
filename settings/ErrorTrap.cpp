#include "ErrorTrap.h"

#include <cstdlib>
#include <iostream>

#include "mKEMCommon.h"

namespace {
ErrorReportHook gHook;
}

void SetErrorReportHook(ErrorReportHook hook) { gHook = std::move(hook); }

bool TrapErrors() { return !(oDebug && oDebug->DontTrapErrors); }

void ERHandler(long number, const std::string& description, const std::string& source,
               const std::string& procName) {
    if (gHook) gHook(number, description, source, procName);
    // Without a window to show it in, the report goes to the log and stderr.
    std::string text = "Error: " + std::to_string(number) + " in " + procName + " - " + description;
    if (!source.empty()) text += " (" + source + ")";
    if (oLog) {
        oLog->LogData(text);
        oLog->LogEnd();
    }
    std::cerr << text << std::endl;
    std::_Exit(1);
}

void RaiseStatus(int statusCode, int reasonCode, const std::string& source) {
    if (oDebug) {
        oDebug->StatusCode = statusCode;
        oDebug->ReasonCode = reasonCode;
    }
    throw VBError(vberr::kOwnFailure, {}, source);
}
