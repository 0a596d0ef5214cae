#pragma once
// One guard per traced procedure: the enter line when the switch of its kind
// is on at the start, the exit line when the switch is on at the end. A
// procedure left by an error writes no exit line, so the call list of the log
// still names it for the error report.
//
// With tracing off a guard costs one look at the switch at each end: a name
// given as a literal is only pointed at, and the exception count is taken
// only for a procedure whose enter line was written.
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "common/mKEMCommon.h"

enum class TraceKind {
    App,          // modules, window procedures, application classes
    ZurudUvu,     // the source analysis
    Classes,      // the utility classes
    Events,       // window event handlers
    MouseEvents,  // mouse-move handlers
    Always,       // written whatever the switches (Main, the settings load)
};

// Inline, and the kind's switch looked at before the log: the analysis asks
// for every line and token, and with tracing off that must cost next to
// nothing. The switch is found through a table, not a branch per kind: a
// guard's end reads its kind back from memory, where no branch folds away.
inline bool TraceOn(TraceKind kind) {
    static constexpr bool cDebug::*kSwitchOf[] = {&cDebug::LogApp, &cDebug::LogZurudUvu, &cDebug::LogClasses,
                                                  &cDebug::LogEvents, &cDebug::LogMouseEvents};
    static_assert(std::size(kSwitchOf) == static_cast<size_t>(TraceKind::Always));
    const cDebug* debug = oDebug.get();
    if (!debug) return false;
    const bool on = kind == TraceKind::Always || debug->*kSwitchOf[static_cast<size_t>(kind)];
    return on && oLog;
}

class TraceGuard {
public:
    // Names that live as long as the guard (literals).
    TraceGuard(TraceKind kind, const char* procName, const char* moduleName = "", const char* info = "")
        : kind_(kind), procName_(procName), moduleName_(moduleName) {
        if (TraceOn(kind_)) Enter(info);
    }
    // Names made for the call: the guard keeps them.
    TraceGuard(TraceKind kind, std::string procName, std::string moduleName = {}, std::string info = {});
    ~TraceGuard() {
        if (TraceOn(kind_ == TraceKind::Always ? TraceKind::App : kind_)) Exit();
    }
    TraceGuard(const TraceGuard&) = delete;
    TraceGuard& operator=(const TraceGuard&) = delete;

    // Extra text for the exit line.
    void ExitInfo(std::string info) { exitInfo_ = std::move(info); }

private:
    void Enter(std::string_view info);
    void Exit();

    // Exceptions under way when the enter line was written; kNotCounted
    // when it was not.
    static constexpr int kNotCounted = -1;

    TraceKind kind_;
    std::string_view procName_;
    std::string_view moduleName_;
    std::unique_ptr<std::string[]> ownedNames_;  // the names made for the call
    std::string exitInfo_;
    int uncaught_ = kNotCounted;
};
