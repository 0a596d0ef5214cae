#pragma once
// The program-wide error report: the text that tells the user (and the
// maker) what went wrong and what the program was doing, its log entries,
// and the window that shows it.
#include <functional>
#include <string>

struct ErrorReportInput {
    long Number = 0;
    std::string Description;
    std::string Source;
    std::string ProcName;
    long LineNumber = 0;  // 0 when the failing code carries no line numbers
};

// Builds the report, logs it piece by piece, shows it through the presenter,
// asks "Stop for debugging?" in IDE mode and writes the log's end line. Every
// step that fails is skipped. Returns; the caller ends the program.
void sbReportError(const ErrorReportInput& error);

// Shows the finished report and returns when the user has closed it. The
// program installs the "Error Information" window; without one the report
// goes to the standard error stream.
using ErrorReportPresenter = std::function<void(const std::string& report)>;
void SetErrorReportPresenter(ErrorReportPresenter presenter);

// The line that says how far the parse of the file being processed got, or
// empty when nothing is parsed. The analyser installs it when it parses a
// file; the report adds the line after the file's name.
using SourcePositionText = std::function<std::string()>;
void SetSourcePositionText(SourcePositionText text);

// Breaks into an attached debugger; false (and nothing happens) when none
// is attached.
bool fbBreakIntoDebugger();

// The maker's texts that the report window and its buttons use.
std::string fsErrorReportMailSubject();
std::string fsErrorReportMailLink();
