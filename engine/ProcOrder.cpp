// The order in which a module's parts are written, and the identity
// statement order of one part that the arrangement steps rearrange.
#include "engine/ProcOrder.h"

#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/ExchangeSort.h"
#include "analysis/FileParse.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

// The four digits of the order code that the keys read. A code the keys
// cannot be built from (as from an edited settings file) gives empty keys,
// so the parts stay in file order.
struct ProcsHow {
    char scopeFirst = 0;  // digit 1
    char key1 = 0;        // digit 4
    char key2 = 0;        // digit 5
    char typeFirst = 0;   // digit 7
    bool valid = false;
};

ProcsHow ReadProcsHow(const std::string& how) {
    ProcsHow h;
    if (how.size() < 7) return h;
    h.scopeFirst = how[0];
    h.key1 = how[3];
    h.key2 = how[4];
    h.typeFirst = how[6];
    bool scopeOk = h.scopeFirst >= '1' && h.scopeFirst <= '3';
    switch (h.key1) {
        case '1': h.valid = scopeOk && (h.key2 == '2' || h.key2 == '3'); break;
        case '2': h.valid = true; break;
        case '3': h.valid = h.key2 == '1' || h.key2 == '2'; break;
        default: break;
    }
    return h;
}

std::string KeyPrefix(const ProcInfo& p, const ProcsHow& h) {
    if (p.Kind == "M" || p.Kind == "D") return "0";
    int sv = h.scopeFirst == '2' ? (p.IsPublic ? 1 : 0) : (p.IsPublic ? 0 : 1);
    int tv = 0;
    if (h.typeFirst == '4') tv = p.IsEventName ? 0 : 1;
    else if (h.typeFirst == '5') tv = p.IsEventName ? 1 : 0;
    switch (h.key1) {
        case '2': return "0";
        case '1': return std::to_string(h.key2 == '2' ? 3 * sv : 3 * sv + tv);
        default:  // '3', type first
            if (h.key2 == '1') return std::to_string((p.IsEventName ? 0 : 2) + (p.IsPublic ? 0 : 1));
            if (p.IsEventName && h.typeFirst == '4') return "0";
            if (p.IsEventName && h.typeFirst == '5') return "1";
            return {};
    }
}

// The parts in the order the exchange sort of their keys gives.
void SortByKey(std::vector<ProcOrderEntry>& entries) {
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const ProcOrderEntry& e : entries) keys.push_back(e.Key);
    std::vector<ProcOrderEntry> sorted;
    sorted.reserve(entries.size());
    for (size_t i : ExchangeSortOrder(keys)) sorted.push_back(entries[i]);
    entries = std::move(sorted);
}

void CannotSort(const ZelkRun& run) {
    Ui().MsgBox(std::string("You have selected to sort procedures. ") + "\r\n" +
                    "Zelker has detected procedures within conditional compilation statements." + "\r\n" +
                    "These cannot be sorted without danger of corrupting the output." + "\r\n\r\n" +
                    "Procedures in this file: " + oFile->Item(run.fileIndex).FileName + "\r\n" + "will not be rearranged.",
                mb::vbExclamation, "Cannot Sort");
}

}  // namespace

void sbSortProcs(ZelkRun& run) {
    TraceGuard trace(TraceKind::App, "sbSortProcs");
    Trapped("sbSortProcs", [&] {
        std::vector<ProcInfo>& parts = run.model.gtProcTable;
        const size_t count = parts.size();
        run.gtProcOrder.assign(count, ProcOrderEntry{});
        const ProcsHow how = ReadProcsHow(run.opt.gsProcsHow);
        for (size_t p = 0; p < count; ++p) {
            ProcInfo& e = parts[p];
            if (p + 1 == count) {
                e.LastRecord = run.model.glRecordCount;
                e.LastStmt = run.model.glStmtCount;
            } else {
                const ProcInfo& next = parts[p + 1];
                e.LastRecord = next.FirstRecord - 1;
                // A part whose lines all belong to the next one (the comments
                // of a heading) is empty: it never takes a statement of the
                // part before it.
                e.LastStmt = std::max(next.FirstStmt - 1, e.FirstStmt - 1);
            }
            run.gtProcOrder[p].Key = how.valid ? KeyPrefix(e, how) + vb::UCase(e.Name) : std::string();
            run.gtProcOrder[p].ProcIndex = static_cast<long>(p);
        }
        if (vb::Val(run.opt.gsProcsHow) != 0 && run.opt.gblnDoProcs) {
            if (run.model.gblnCondCompProc) {
                CannotSort(run);
                return;
            }
            SortByKey(run.gtProcOrder);
        }
    });
}

void sbSetUpArray(long first, long last, StatementOrder& order) {
    TraceGuard trace(TraceKind::App, "sbSetUpArray");
    order.First = first;
    order.Last = last;
    order.Items.resize(last >= first ? static_cast<size_t>(last - first + 1) : 0);
    for (long i = first; i <= last; ++i) order(i) = i;
}
