#include "analysis/SourceModel.h"

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

template <class T>
void Recreate(std::vector<T>& v, long upper) {
    v.clear();
    v.resize(static_cast<size_t>(upper) + 1);
}

}  // namespace

std::string fsSourcePosition() {
    if (glRecordCount <= 0) return "";
    return "Record =" + Num(glRecordCount) + " Statement =" + Num(glStmtCount) + " Token =" + Num(glTokenCount);
}

void BabInitFile(std::vector<BabRecord>& records, long& recordCount, std::vector<BabStatement>& statements,
                 long& stmtCount, std::vector<BabToken>& tokens, long& tokenCount, const std::string& dialect) {
    TraceGuard trace(TraceKind::ZurudUvu, "BabInitFile");
    BabTrace("Dialect=<" + dialect + ">");
    RequireBabInit("BabInitFile");
    BuildKeyWordsForDialect(dialect);

    recordCount = 0;
    glRecordCapacity = model::kInitialRecords;
    Recreate(records, glRecordCapacity);
    stmtCount = 0;
    glStmtCapacity = model::kInitialStatements;
    Recreate(statements, glStmtCapacity);
    tokenCount = 0;
    glTokenCapacity = model::kInitialTokens;
    Recreate(tokens, glTokenCapacity);

    gtBabFlags = BabFileFlags();
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
