#include "Trace.h"

#include "mKEMCommon.h"

bool TraceOn(TraceKind kind) {
    if (!oDebug || !oLog) return false;
    switch (kind) {
        case TraceKind::App: return oDebug->LogApp;
        case TraceKind::ZurudUvu: return oDebug->LogZurudUvu;
        case TraceKind::Classes: return oDebug->LogClasses;
        case TraceKind::Events: return oDebug->LogEvents;
        case TraceKind::MouseEvents: return oDebug->LogMouseEvents;
        case TraceKind::Always: return true;
    }
    return false;
}

TraceGuard::TraceGuard(TraceKind kind, std::string procName, std::string moduleName, std::string info)
    : kind_(kind), procName_(std::move(procName)), moduleName_(std::move(moduleName)),
      uncaught_(std::uncaught_exceptions()) {
    if (TraceOn(kind_)) oLog->LogTraceEnter(procName_, moduleName_, info);
}

TraceGuard::~TraceGuard() {
    if (std::uncaught_exceptions() > uncaught_) return;
    TraceKind exitKind = kind_ == TraceKind::Always ? TraceKind::App : kind_;
    if (TraceOn(exitKind)) oLog->LogTraceExit(procName_, moduleName_, exitInfo_);
}
