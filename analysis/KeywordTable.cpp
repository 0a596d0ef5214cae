#include "analysis/KeywordTable.h"

#include "analysis/AnalyserLog.h"
#include "common/ErrorReport.h"
#include "common/ErrorTrap.h"
#include "analysis/KeywordFile.h"
#include "platform/Paths.h"
#include "analysis/SourceModel.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

struct Tables {
    bool initialised = false;
    std::vector<BabKeyWord> master;
    long masterCount = 0;
    std::vector<BabKeyWord> dialect;
    long nextFree = 0;
    long letIndex = 0;
};
Tables gTables;

const BabKeyWord& BlankKeyWord() {
    static const BabKeyWord blank{0, false, {}, false, false, false, false, std::string(1, '\0')};
    return blank;
}

}  // namespace

bool BabIsInitialised() { return gTables.initialised; }

void BabReset() {
    gTables = Tables();
    CurrentDialect.clear();
}

std::string BabKeyWordFile() { return paths::Join(paths::ProgramDir(), kKeyWordFileName); }

void BabInit() {
    TraceGuard trace(TraceKind::ZurudUvu, "BabInit");
    SetSourcePositionText(fsSourcePosition);
    if (gTables.initialised) {
        oDebug->StatusCode = 1;
    } else {
        gTables.initialised = true;
        if (oLog) oLog->LogData("Zelker source analyser, keyword dialects 3 to 6");
        gTables.master.assign(1, BlankKeyWord());
        gTables.masterCount = 0;
        gTables.master = LoadKeyWordFile(BabKeyWordFile());
        gTables.masterCount = static_cast<long>(gTables.master.size()) - 1;
        BuildKeyWordsForDialect("6");
    }
    BabTrace("Total KeyWords=" + Num(gTables.masterCount));
}

void BuildKeyWordsForDialect(const std::string& wDialect) {
    TraceGuard trace(TraceKind::ZurudUvu, "BuildKeyWordsForDialect");
    BabTrace("wDialect/yDialect=<" + wDialect + "><" + CurrentDialect + ">");
    if (wDialect != "3" && wDialect != "4" && wDialect != "5" && wDialect != "6")
        RaiseStatus(3, 1, "BuildKeyWordsForDialect");
    if (wDialect == CurrentDialect) return;

    if (gTables.master.empty()) gTables.master.assign(1, BlankKeyWord());
    gTables.dialect.clear();
    gTables.dialect.reserve(gTables.master.size());
    for (const BabKeyWord& k : gTables.master)
        if (k.Dialect == "*" || k.Dialect <= wDialect) gTables.dialect.push_back(k);
    gTables.nextFree = static_cast<long>(gTables.dialect.size());

    CurrentDialect = wDialect;
    gTables.letIndex = KeyWordIndex("LET");
    BabTrace("CurrentDialect=<" + CurrentDialect + ">\r\n KeyWords=" + Num(gTables.nextFree) +
             "\r\n KeyWord(\"LET\")=" + Num(gTables.letIndex));
}

void SearchForKeyWord(std::string_view word, long& index) {
    index = 0;
    // Words are short: upper-case into a small buffer without allocating.
    char buf[64];
    std::string big;
    std::string_view key;
    if (word.size() <= sizeof buf) {
        for (size_t i = 0; i < word.size(); ++i) buf[i] = vb::UCaseChar(word[i]);
        key = std::string_view(buf, word.size());
    } else {
        big = vb::UCase(word);
        key = big;
    }
    long low = 1, high = gTables.nextFree - 1;
    while (high >= low) {
        long middle = (low + high) / 2;
        int cmp = std::string_view(gTables.dialect[static_cast<size_t>(middle)].KeyWord).compare(key);
        if (cmp < 0) {
            low = middle + 1;
        } else if (cmp > 0) {
            high = middle - 1;
        } else {
            index = middle;
            return;
        }
    }
}

long KeyWordIndex(std::string_view word) {
    long index = 0;
    SearchForKeyWord(word, index);
    return index;
}

bool BabIsKeyWord(std::string word) {
    TraceGuard trace(TraceKind::ZurudUvu, "BabIsKeyWord");
    BabTrace("Word=|" + word + "|");
    bool found = KeyWordIndex(word) != 0;
    BabTrace(std::string("IsKeyWord=") + (found ? "True" : "False"));
    return found;
}

const BabKeyWord& BabKeyWordAt(long index) {
    if (index <= 0 || index >= static_cast<long>(gTables.dialect.size())) return BlankKeyWord();
    return gTables.dialect[static_cast<size_t>(index)];
}

long BabLetIndex() { return gTables.letIndex; }
const std::vector<BabKeyWord>& BabMasterTable() { return gTables.master; }
long BabMasterCount() { return gTables.masterCount; }
const std::vector<BabKeyWord>& BabDialectTable() { return gTables.dialect; }
long BabNextFreeIndex() { return gTables.nextFree; }
