#pragma once
// What every test gets: its own program and configuration folders (through
// the ZELKER_PROGRAM_DIR and ZELKER_CONFIG_DIR overrides), freshly created
// shared objects, a scripted UI, and an error report that throws
// ErrorReported instead of ending the program. The state the program's parts
// share starts fresh (no window, hooks, editor or file dialog installed) and
// comes back as it was when the test ends; a test that needs something else
// there for a while lends it with a scope (Lend.h, ServiceScopes.h, the
// spelling subsystem's SpellingInstalled) instead of setting and resetting
// it by hand.
#include <string>

#include "platform/UiServices.h"

namespace testsupport {

ScriptedUiServices& Ui();
const std::string& ProgramDir();
const std::string& ConfigDir();
// The running copy's own folder of temporary files (inside the test's area).
std::string TempDir();
// A fresh empty folder inside the test's own temporary area.
std::string MakeDir(const std::string& name);
// The folder the test binaries and the data files are built into.
std::string BuildDir();

// A file under tests/fixtures/ of the source tree.
std::string FixturePath(const std::string& relative);

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

}  // namespace testsupport
