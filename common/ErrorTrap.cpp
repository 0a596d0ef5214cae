#include "common/ErrorTrap.h"

#include <cstdlib>

#include "common/ErrorReport.h"
#include "common/mKEMCommon.h"

namespace {
ErrorReportHook gHook;
ProgramEndHook gEndHook;
}  // namespace

void SetErrorReportHook(ErrorReportHook hook) { gHook = std::move(hook); }
void SetProgramEndHook(ProgramEndHook hook) { gEndHook = std::move(hook); }

void EndProgram(int exitCode) {
    if (gEndHook) gEndHook(exitCode);
    std::_Exit(exitCode);
}

void ERHandlerForCurrentException(const std::string& procName) {
    try {
        throw;
    } catch (const VBError& e) {
        ERHandler(e.Number, e.Description, e.Source, procName);
    } catch (const std::bad_alloc&) {
        ERHandler(7, "Out of memory", "", procName);
    } catch (const std::exception& e) {
        ERHandler(51, std::string("Internal error: ") + e.what(), "", procName);
    }
}

bool TrapErrors() { return !(oDebug && oDebug->DontTrapErrors); }

void ERHandler(long number, const std::string& description, const std::string& source,
               const std::string& procName) {
    if (gHook) gHook(number, description, source, procName);
    sbReportError({number, description, source, procName, 0});
    EndProgram(1);
}

void RaiseStatus(int statusCode, int reasonCode, const std::string& source) {
    if (oDebug) {
        oDebug->StatusCode = statusCode;
        oDebug->ReasonCode = reasonCode;
    }
    throw VBError(vberr::kOwnFailure, {}, source);
}
