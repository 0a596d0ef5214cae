// A resource script is not zelked: its string tables are spell-checked into
// a copy of its own. Until the spelling subsystem installs that pass, the
// copy is the script unchanged.
#include "EngineCalls.h"
#include "FileFailure.h"
#include "SpellingHooks.h"
#include "Trace.h"
#include "mKEMCommon.h"

void sbSpellCheckResource(int index) {
    TraceGuard trace(TraceKind::App, "sbSpellCheckResource");
    if (gfnSpellCheckResource) {
        gfnSpellCheckResource(index);
        return;
    }
    FileFailing([&] {
        std::string copy = oWindow->GetTempFile("PV");
        LineReader in(oFile->Item(index).FileName);
        LineWriter out(copy, LineWriter::Mode::Output);
        bool firstCall = true;
        long count = 0;
        std::string line;
        while (in.ReadLine(line)) {
            out.WriteLine(line);
            oZel->StatusBarUpdate(firstCall, false, ++count);
        }
        out.Close();
        gsTempOutFile[static_cast<size_t>(index)] = copy;
    });
}
