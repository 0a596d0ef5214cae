// Placeholder until this part of the engine is written; its owner replaces
// the whole file.
#include "EngineCalls.h"
#include "VBError.h"

namespace {
[[noreturn]] void NotYet(const char* what) { RaiseError(vberr::kInvalidProcedureCall, what, std::string(what) + " is not built yet"); }
}  // namespace

void sbLogLine(const std::string&, bool) { NotYet("sbLogLine"); }
void sbKillTemp(int) { NotYet("sbKillTemp"); }
std::string fsLogFileGet(const std::string&) { NotYet("fsLogFileGet"); }
std::string fsFileName(const std::string&, int) { NotYet("fsFileName"); }
void ParseFileName(const std::string&, std::string&, std::string&, std::string&, std::string&) { NotYet("ParseFileName"); }
