#pragma once
// One guard per traced procedure: the enter line when the switch of its kind
// is on at the start, the exit line when the switch is on at the end. A
// procedure left by an error writes no exit line, so the call list of the log
// still names it for the error report.
#include <exception>
#include <string>

enum class TraceKind {
    App,          // modules, window procedures, application classes
    ZurudUvu,     // the source analysis
    Classes,      // the utility classes
    Events,       // window event handlers
    MouseEvents,  // mouse-move handlers
    Always,       // written whatever the switches (Main, the settings load)
};

bool TraceOn(TraceKind kind);

class TraceGuard {
public:
    TraceGuard(TraceKind kind, std::string procName, std::string moduleName = {}, std::string info = {});
    ~TraceGuard();
    TraceGuard(const TraceGuard&) = delete;
    TraceGuard& operator=(const TraceGuard&) = delete;

    // Extra text for the exit line.
    void ExitInfo(std::string info) { exitInfo_ = std::move(info); }

private:
    TraceKind kind_;
    std::string procName_;
    std::string moduleName_;
    std::string exitInfo_;
    int uncaught_;
};
