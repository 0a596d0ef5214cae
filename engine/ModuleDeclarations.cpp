// Placeholder until this part of the engine is written; its owner replaces
// the whole file.
#include "EngineCalls.h"
#include "VBError.h"

namespace {
[[noreturn]] void NotYet(const char* what) { RaiseError(vberr::kInvalidProcedureCall, what, std::string(what) + " is not built yet"); }
}  // namespace

void FloatModuleDeclarations(long&, long&, StatementOrder&) { NotYet("FloatModuleDeclarations"); }
