#include "common/Trace.h"

#include <exception>

TraceGuard::TraceGuard(TraceKind kind, std::string procName, std::string moduleName, std::string info)
    : kind_(kind), ownedNames_(new std::string[2]{std::move(procName), std::move(moduleName)}) {
    procName_ = ownedNames_[0];
    moduleName_ = ownedNames_[1];
    if (TraceOn(kind_)) Enter(info);
}

void TraceGuard::Enter(std::string_view info) {
    uncaught_ = std::uncaught_exceptions();
    oLog->LogTraceEnter(std::string(procName_), std::string(moduleName_), std::string(info));
}

void TraceGuard::Exit() {
    // A procedure whose enter line was not written (the switch came on
    // during it) counts from no exception under way.
    if (std::uncaught_exceptions() > (uncaught_ == kNotCounted ? 0 : uncaught_)) return;
    oLog->LogTraceExit(std::string(procName_), std::string(moduleName_), exitInfo_);
}
