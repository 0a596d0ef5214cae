#include "analysis/SourceModel.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "analysis/AnalyserLog.h"
#include "common/ErrorTrap.h"
#include "analysis/KeywordTable.h"
#include "common/Trace.h"
#include "common/mKEMCommon.h"

namespace {

void RequireBabInit(const char* procName) {
    if (!BabIsInitialised()) RaiseStatus(2, oDebug ? oDebug->ReasonCode : 0, procName);
}

template <class T>
void BlankRange(std::vector<T>& v, long from, long to, const char* procName) {
    TraceGuard trace(TraceKind::ZurudUvu, procName);
    BabTrace("LBound=" + Num(from) + "\r\n UBound=" + Num(to));
    RequireBabInit(procName);
    long upper = static_cast<long>(v.size()) - 1;
    if (from < 0 || from > to || to > upper) RaiseStatus(3, 23, procName);
    for (long i = from; i <= to; ++i) v[static_cast<size_t>(i)] = T();
}

// A fresh array: element 0 and the blank tail.
template <class T>
void Recreate(std::vector<T>& v) {
    v.clear();
    RoomFor(v, 0);
}

// The models named for the error report, the one it describes last.
std::vector<const SourceModel*>& Reported() {
    static std::vector<const SourceModel*> named;
    return named;
}

}  // namespace

std::string fsSourcePosition() {
    const std::vector<const SourceModel*>& named = Reported();
    if (named.empty() || named.back()->glRecordCount <= 0) return "";
    const SourceModel& m = *named.back();
    return "Record =" + Num(m.glRecordCount) + " Statement =" + Num(m.glStmtCount) + " Token =" + Num(m.glTokenCount);
}

ReportedModel::ReportedModel(const SourceModel& model) : model_(&model) { Reported().push_back(model_); }

ReportedModel::~ReportedModel() {
    std::vector<const SourceModel*>& named = Reported();
    const auto own = std::find(named.rbegin(), named.rend(), model_);
    if (own != named.rend()) named.erase(std::next(own).base());
}

void BabInitFile(SourceModel& model, const std::string& dialect) {
    TraceGuard trace(TraceKind::ZurudUvu, "BabInitFile");
    BabTrace("Dialect=<" + dialect + ">");
    RequireBabInit("BabInitFile");
    BuildKeyWordsForDialect(dialect);

    model.glRecordCount = 0;
    Recreate(model.yRecord);
    model.glStmtCount = 0;
    Recreate(model.yStatement);
    model.glTokenCount = 0;
    Recreate(model.yToken);
    model.yTokenKind.assign(1, 0);
    model.gtProcTable.assign(1, ProcInfo());

    model.gtBabFlags = BabFileFlags();
}

void BabInitRecords(std::vector<BabRecord>& records, long from, long to) {
    BlankRange(records, from, to, "BabInitRecords");
}

void BabInitStatements(std::vector<BabStatement>& statements, long from, long to) {
    BlankRange(statements, from, to, "BabInitStatements");
}

void BabInitTokens(std::vector<BabToken>& tokens, long from, long to) { BlankRange(tokens, from, to, "BabInitTokens"); }

void BabInitRecord(BabRecord& record) {
    RequireBabInit("BabInitRecord");
    record = BabRecord();
}

void BabInitToken(BabToken& token) {
    RequireBabInit("BabInitToken");
    token = BabToken();
}
