// Placeholder until this part of the engine is written; its owner replaces
// the whole file.
#include "EngineCalls.h"
#include "VBError.h"

namespace {
[[noreturn]] void NotYet(const char* what) { RaiseError(vberr::kInvalidProcedureCall, what, std::string(what) + " is not built yet"); }
}  // namespace

void sbOutputSourceRecord(long&, std::string&, bool) { NotYet("sbOutputSourceRecord"); }
void sbOutputALine(long, std::string&) { NotYet("sbOutputALine"); }
std::string GetFunction(std::string, const std::string&) { NotYet("GetFunction"); }
bool IsIntrinsicFunction(const std::string&) { NotYet("IsIntrinsicFunction"); }
bool fblnParenGroupAtEnd(const BabStatement&) { NotYet("fblnParenGroupAtEnd"); }
int fiLineNumberEnd(const std::string&) { NotYet("fiLineNumberEnd"); }
