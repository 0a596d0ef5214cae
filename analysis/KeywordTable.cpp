#include "analysis/KeywordTable.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <cstdint>
#include <utility>

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

// Words shorter than this are found through the buckets; longer ones (no
// keyword is that long in practice) by a binary search of the sorted table.
constexpr size_t kBucketLengths = 32;
// A bucket is chosen by the low six bits of the upper-cased first character:
// the letters, digits and "_" that begin words each have their own, and the
// table stays small enough to be built at start-up for the price of a few
// hundred keywords. Words that share a bucket are told apart by comparing
// them whole.
constexpr unsigned kFirstCharBuckets = 64;

struct Tables {
    bool initialised = false;
    std::vector<BabKeyWord> master;
    long masterCount = 0;
    std::vector<BabKeyWord> dialect;
    long nextFree = 0;
    long letIndex = 0;
    VerbKeyWords verbs;
    // The dialect table's indices grouped by (upper-cased first character,
    // length): bucket b holds bucketed[bucketStart[b] .. bucketStart[b + 1]).
    // A word is compared with the few keywords of its bucket only, without
    // being copied.
    std::vector<uint32_t> bucketStart;
    std::vector<uint32_t> bucketed;
    // The first eight characters of each keyword of `bucketed`, packed.
    std::vector<uint64_t> bucketedStart;
};
Tables gTables;

size_t BucketOf(std::string_view word) {
    const unsigned first = word.empty() ? 0u : static_cast<unsigned char>(vb::UCaseChar(word[0])) % kFirstCharBuckets;
    return first * kBucketLengths + word.size();
}

// The first eight characters of a text in one number, zeros past its end;
// upper-cased when asked. Within a bucket one comparison of these mostly
// tells the keyword a word is, or that it is none.
// The characters are read in pieces of four, two and one, character i
// landing in bits 8i to 8i+7 (the order a little-endian load gives), and
// upper-cased all at once: this runs for every word of a file.
static_assert(std::endian::native == std::endian::little, "packed starts are loaded little-endian");
uint64_t PackedStart(std::string_view text, bool upperCase) {
    const char* p = text.data();
    const size_t n = std::min(text.size(), sizeof(uint64_t));
    uint64_t packed = 0;
    size_t at = 0;
    if (n & 8) {
        std::memcpy(&packed, p, 8);
        at = 8;
    }
    if (n & 4) {
        uint32_t piece;
        std::memcpy(&piece, p + at, 4);
        packed |= static_cast<uint64_t>(piece) << (8 * at);
        at += 4;
    }
    if (n & 2) {
        uint16_t piece;
        std::memcpy(&piece, p + at, 2);
        packed |= static_cast<uint64_t>(piece) << (8 * at);
        at += 2;
    }
    if (n & 1) packed |= static_cast<uint64_t>(static_cast<unsigned char>(p[at])) << (8 * at);
    if (!upperCase) return packed;
    // A character from "a" to "z" (and none past 127) loses its 32 bit. The
    // sums below stay within each character's byte.
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    const uint64_t low = packed & (0x7F * kOnes);
    const uint64_t fromA = low + (0x80 - 'a') * kOnes;
    const uint64_t pastZ = low + (0x80 - 'z' - 1) * kOnes;
    const uint64_t lower = fromA & ~pastZ & ~packed & (0x80 * kOnes);
    return packed ^ (lower >> 2);
}

void BuildBuckets(Tables& t) {
    t.bucketStart.assign(kFirstCharBuckets * kBucketLengths + 1, 0);
    t.bucketed.clear();
    for (long i = 1; i < t.nextFree; ++i) {
        const std::string& k = t.dialect[static_cast<size_t>(i)].KeyWord;
        if (k.size() < kBucketLengths) ++t.bucketStart[BucketOf(k) + 1];
    }
    for (size_t b = 1; b < t.bucketStart.size(); ++b) t.bucketStart[b] += t.bucketStart[b - 1];
    t.bucketed.resize(t.bucketStart.back());
    t.bucketedStart.resize(t.bucketStart.back());
    std::vector<uint32_t> fill(t.bucketStart.begin(), t.bucketStart.end() - 1);
    for (long i = 1; i < t.nextFree; ++i) {
        const std::string& k = t.dialect[static_cast<size_t>(i)].KeyWord;
        if (k.size() >= kBucketLengths) continue;
        const uint32_t at = fill[BucketOf(k)]++;
        t.bucketed[at] = static_cast<uint32_t>(i);
        t.bucketedStart[at] = PackedStart(k, false);
    }
}

// The keyword (upper case) equals the word in any case from character
// `from` on; the lengths are equal.
bool SameUpper(const std::string& keyword, std::string_view word, size_t from) {
    for (size_t i = from; i < word.size(); ++i)
        if (keyword[i] != vb::UCaseChar(word[i])) return false;
    return true;
}

long FindInBuckets(std::string_view word) {
    if (gTables.bucketStart.empty()) return 0;
    const size_t b = BucketOf(word);
    const uint64_t start = PackedStart(word, true);
    for (uint32_t k = gTables.bucketStart[b]; k < gTables.bucketStart[b + 1]; ++k) {
        if (gTables.bucketedStart[k] != start) continue;
        const uint32_t index = gTables.bucketed[k];
        if (SameUpper(gTables.dialect[index].KeyWord, word, sizeof start)) return static_cast<long>(index);
    }
    return 0;
}

// Out of line: the rare long word's copy would otherwise weigh on every
// look-up.
[[gnu::noinline]] long FindBySearch(std::string_view word) {
    const std::string key = vb::UCase(word);
    long low = 1, high = gTables.nextFree - 1;
    while (high >= low) {
        long middle = (low + high) / 2;
        int cmp = std::string_view(gTables.dialect[static_cast<size_t>(middle)].KeyWord).compare(key);
        if (cmp < 0) low = middle + 1;
        else if (cmp > 0) high = middle - 1;
        else return middle;
    }
    return 0;
}

const BabKeyWord& BlankKeyWord() {
    static const BabKeyWord blank{0, false, {}, false, false, false, false, std::string(1, '\0')};
    return blank;
}

void FindVerbKeyWords(VerbKeyWords& v) {
    const std::pair<long*, const char*> words[] = {
        {&v.Attribute, "ATTRIBUTE"}, {&v.Begin, "BEGIN"},     {&v.BeginProperty, "BEGINPROPERTY"},
        {&v.Const, "CONST"},         {&v.Declare, "DECLARE"}, {&v.Dim, "DIM"},
        {&v.Else, "ELSE"},           {&v.End, "END"},         {&v.EndProperty, "ENDPROPERTY"},
        {&v.Event, "EVENT"},         {&v.Function, "FUNCTION"}, {&v.Global, "GLOBAL"},
        {&v.GoSub, "GOSUB"},         {&v.GoTo, "GOTO"},       {&v.If, "IF"},
        {&v.Next, "NEXT"},           {&v.On, "ON"},           {&v.Private, "PRIVATE"},
        {&v.Property, "PROPERTY"},   {&v.Public, "PUBLIC"},   {&v.ReDim, "REDIM"},
        {&v.Resume, "RESUME"},       {&v.Static, "STATIC"},   {&v.Sub, "SUB"},
        {&v.Version, "VERSION"},     {&v.Case, "CASE"},       {&v.Do, "DO"},
        {&v.ElseIf, "ELSEIF"},       {&v.Exit, "EXIT"},       {&v.For, "FOR"},
        {&v.Get, "GET"},             {&v.Let, "LET"},         {&v.Loop, "LOOP"},
        {&v.Option, "OPTION"},       {&v.Select, "SELECT"},   {&v.Set, "SET"},
        {&v.Then, "THEN"},           {&v.Wend, "WEND"},       {&v.While, "WHILE"},
        {&v.With, "WITH"},           {&v.As, "AS"},
    };
    for (const auto& [index, word] : words) *index = KeyWordIndex(word);
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
    BuildBuckets(gTables);

    CurrentDialect = wDialect;
    gTables.letIndex = KeyWordIndex("LET");
    FindVerbKeyWords(gTables.verbs);
    BabTrace("CurrentDialect=<" + CurrentDialect + ">\r\n KeyWords=" + Num(gTables.nextFree) +
             "\r\n KeyWord(\"LET\")=" + Num(gTables.letIndex));
}

void SearchForKeyWord(std::string_view word, long& index) {
    index = word.size() < kBucketLengths ? FindInBuckets(word) : FindBySearch(word);
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
const VerbKeyWords& BabVerbKeyWords() { return gTables.verbs; }
const std::vector<BabKeyWord>& BabMasterTable() { return gTables.master; }
long BabMasterCount() { return gTables.masterCount; }
const std::vector<BabKeyWord>& BabDialectTable() { return gTables.dialect; }
long BabNextFreeIndex() { return gTables.nextFree; }
