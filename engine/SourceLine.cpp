// The formatter's entry points: one statement of a code part into its output
// lines, and the plain text of a statement as it stands.
#include "engine/SourceLine.h"

#include "common/ErrorTrap.h"
#include "SourceLineFormatter.h"
#include "analysis/SourceModel.h"
#include "common/Trace.h"

LineClass sbOutputSourceRecord(ZelkRun& run, long& stmt, std::string& text, bool isDeclarationsPart) {
    TraceGuard trace(TraceKind::App, "sbOutputSourceRecord");
    return Trapped("sbOutputSourceRecord", [&] {
        SourceLineFormatter formatter(run, stmt, isDeclarationsPart);
        formatter.Format(text);
        return formatter.Class();
    });
}

void sbOutputALine(const SourceModel& m, long stmt, std::string& text) {
    text.clear();
    if (stmt < 1 || stmt > m.glStmtCount) return;
    const BabStatement& st = m.yStatement[static_cast<size_t>(stmt)];
    if (st.FirstToken <= 0) return;
    for (long t = st.FirstToken; t <= st.LastToken && t <= m.glTokenCount; ++t) {
        const BabToken& tok = m.yToken[static_cast<size_t>(t)];
        text += tok.WhiteSpaceLeft;
        text += tok.Piece;
    }
}
