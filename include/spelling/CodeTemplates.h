#pragma once
// The code templates of error handling and tracing: the four built-in
// templates and the choice of the file a template is saved in.
#include <string>

// Template kinds; 0 stands for the text of an existing file.
namespace codekind {
constexpr long kErrSet = 1, kErrTrap = 2, kTraceIn = 3, kTraceOut = 4;
}

// The built-in template of a kind, lines joined by CR LF with none after the
// last; empty for any other kind.
std::string sbDefaultDefinition(long kind);

// The five help lines of the code-template editor, joined by CR LF.
std::string CodeTemplateHelp();

// Asks, with a file dialog of its own, for the file a template is saved in,
// proposing `defFileName`. Returns the chosen name, or empty with
// `canceled` set when the user cancelled.
std::string GetFileName(const std::string& defFileName, bool& canceled);
