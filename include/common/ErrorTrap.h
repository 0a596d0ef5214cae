#pragma once
// The error trap every procedure installs: unless oDebug.DontTrapErrors is
// set, an error the procedure does not recover from goes to ERHandler, which
// reports it and ends the program. With the switch on, the error travels on
// to the caller (and, in the end, the debugger).
#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "platform/VBError.h"

// The program's error report. It does not return: the program ends inside
// it. Tests replace what it does through SetErrorReportHook.
[[noreturn]] void ERHandler(long number, const std::string& description, const std::string& source,
                            const std::string& procName);

// What ERHandler does with a report. The hook may throw (tests throw
// ErrorReported); when it returns, the program ends.
using ErrorReportHook =
    std::function<void(long number, const std::string& description, const std::string& source,
                       const std::string& procName)>;
void SetErrorReportHook(ErrorReportHook hook);

// Thrown by the test hook; deliberately not a std::exception, so that no trap
// on the way up catches it again.
struct ErrorReported {
    long Number;
    std::string Description;
    std::string Source;
    std::string ProcName;
};

// Ends the program at once: no window's unload handling runs. Tests replace
// what happens through SetProgramEndHook (their hook throws).
[[noreturn]] void EndProgram(int exitCode);
using ProgramEndHook = std::function<void(int exitCode)>;
void SetProgramEndHook(ProgramEndHook hook);

// Hands the exception being handled to ERHandler with the procedure's name:
// the common end of every error trap.
[[noreturn]] void ERHandlerForCurrentException(const std::string& procName);

// Raises the program's own error 32000 after setting the status words.
[[noreturn]] void RaiseStatus(int statusCode, int reasonCode, const std::string& source);

bool TrapErrors();

// The name is only looked at when an error is caught: a literal makes no
// string on every call.
template <class F>
auto Trapped(std::string_view procName, F&& body) -> decltype(body()) {
    if (!TrapErrors()) return body();
    try {
        return body();
    } catch (const std::exception&) {
        ERHandlerForCurrentException(std::string(procName));
    }
}

// Runs a step whose run-time errors are skipped, so that the next step runs
// (the steps of a reset or a clean-up that must go on whatever fails).
template <class F>
void IgnoringErrors(F&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}
