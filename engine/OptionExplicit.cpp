// Whether a module already declares Option Explicit.
#include "engine/OptionExplicit.h"

#include "common/ErrorTrap.h"
#include "analysis/SourceModel.h"
#include "common/Trace.h"
#include "platform/VBText.h"

bool fblnOptionExplicit(ZelkRun& run, int startRecord) {
    TraceGuard trace(TraceKind::App, "fblnOptionExplicit");
    return Trapped("fblnOptionExplicit", [&] {
        // The scan runs over records from the first one after the module's
        // description lines; in a module's header each record holds one
        // statement, so the statement number the loop passes is the record.
        const SourceModel& m = run.model;
        for (long r = startRecord < 1 ? 1 : startRecord; r <= m.glRecordCount; ++r) {
            const BabRecord& rec = m.yRecord[static_cast<size_t>(r)];
            const BabStatement& st = m.yStatement[static_cast<size_t>(rec.FirstStmt)];
            if (rec.FirstToken != 0 && (st.Flags & stmtflag::kFormDescription)) {
                ++run.glPseudoStatement;
                continue;
            }
            if (rec.FirstToken == 0) return true;
            if (st.Class == StatementClass::Other) {
                std::string text;
                for (long t = rec.FirstToken; t <= rec.LastToken; ++t) {
                    text += m.yToken[static_cast<size_t>(t)].Piece + " ";
                    if (vb::UCase(vb::Trim(text)) == "OPTION EXPLICIT") return false;
                }
            } else if (st.Class == StatementClass::ProcHeading) {
                return true;
            }
        }
        return true;
    });
}
