#pragma once
// The analysed source file: one record per physical line, one statement per
// statement, one token per token, in three arrays indexed from 1
// (element 0 is a blank element that is never an entry; an index field that
// holds 0 means "none"). The analyser writes their structure; the engine reads
// them and may rewrite token texts in place.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/ModelCodes.h"
#include "common/SharedState.h"
#include "platform/LargeArrays.h"

// 32-bit fields throughout: indices stay under the 500,000-token ceiling, and
// a large file holds tens of thousands of records and statements, whose bytes
// are touched once each by the parse.
struct BabRecord {
    int32_t FirstStmt = 0;
    int32_t FirstToken = 0;
    int32_t IndentLevel = 0;
    int32_t LastStmt = 0;
    int32_t LastToken = 0;
    int32_t TiedTo = 0;    // comment or blank line: the record of the statement it belongs to
    int32_t TiedBack = 0;  // tied comment line: the record just before the tied group
};

struct BabStatement {
    StatementClass Class = StatementClass::Other;
    int32_t Detail = 0;
    int32_t FirstToken = 0;
    int32_t Flags = 0;
    int32_t LastSignificant = 0;  // last token that is neither NonCode nor Colon
    int32_t LastToken = 0;
    int32_t RecordFirst = 0;
    int32_t RecordLast = 0;
    int32_t Verb = 0;  // token of the verb keyword (or the "=" of an assignment)
};

// Narrow fields, texts first and the small ones last: a large file holds
// hundreds of thousands of tokens, and their bytes are most of the parse's
// memory. A line is at most 2,048 characters, so a column fits 16 bits; a
// token's Detail is one of the small codes of tokdetail.
struct BabToken {
    std::string Piece;
    std::string WhiteSpaceLeft;
    int32_t Statement = 0;
    int32_t pKeyWord = 0;
    int16_t Where = 0;  // 1-based column of the text in its line; 0 for tokens the reader makes
    int8_t Detail = 0;
    TokenClass Class = TokenClass::Keyword;
    uint8_t FlagsMisc = 0;  // 1 last token of its line, 2 first token of a statement
    uint8_t FlagsOut = 0;   // 1 a line continuation follows
    bool IsKeyWord = false;
    bool IsReservedWord = false;
};

// Statement Flags bits.
namespace stmtflag {
constexpr long kProcStart = 1;        // first record of a procedure's leading comment block
constexpr long kFormDescription = 2;  // inside the form description of a designer file
constexpr long kOpensBlock = 4;
constexpr long kKeepLeadingComments = 8;
constexpr long kLabel = 16;
constexpr long kClosesBlock = 32;
}  // namespace stmtflag

// Token FlagsMisc bits.
namespace tokflag {
constexpr long kLastOfLine = 1;
constexpr long kFirstOfStatement = 2;
}  // namespace tokflag

namespace model {
// Blank elements each array keeps past its last entry, so that a look one
// element ahead of the last entry finds a blank element rather than nothing.
constexpr long kTailMargin = 250;
constexpr long kMaxTokens = 500000;
constexpr long kWorkTokens = 2000;  // upper bound of the tokens one line may give
}  // namespace model

// A comment token or the token of an empty line: such a token begins a
// comment or blank-line statement.
inline bool IsCommentOrBlank(const BabToken& t) {
    return t.Class == TokenClass::NonCode && (t.Detail == tokdetail::kComment || t.Detail == tokdetail::kBlank);
}

// Per-file state of the analyser, cleared by BabInitFile.
struct BabFileFlags {
    bool FormDescription = false;  // inside the form description of a designer file
    bool BeginBlock = false;       // inside the BEGIN block at the head of a class file
    bool InProcedure = false;
    bool InType = false;
    bool InEnum = false;
};

// One part of a module: the form description, the declarations, or one
// procedure.
struct ProcInfo {
    std::string Name;  // "<Declarations>", "(Designer Object Definition)" or the procedure's name
    std::string Kind;  // "D", "M", "F", "S", "Q" (Property Get), "R" (Let), "S" (Set)
    long FirstRecord = 0;
    long LastRecord = 0;
    long FirstStmt = 0;
    long LastStmt = 0;
    bool IsPublic = false;
    bool IsEventName = false;
    // Filled by the engine.
    long BodyStartRecord = 0;
    long BodyEndRecord = 0;
    bool HasErrorHandler = false;
    bool HasTrace = false;
};

// One analysed source file.
struct SourceModel {
    std::vector<BabRecord> yRecord;
    std::vector<BabStatement> yStatement;
    std::vector<BabToken> yToken;
    // How many records, statements and tokens the arrays hold; each array
    // holds at least count + kTailMargin + 1 elements.
    long glRecordCount = 0;
    long glStmtCount = 0;
    long glTokenCount = 0;
    BabFileFlags gtBabFlags;
    // Per token (indices 0 to glTokenCount): 3 keywords, operators and
    // separators; 2 names, labels, line numbers and label references; 4
    // literals; 1 comments and empty lines.
    std::vector<uint8_t> yTokenKind;
    // One entry per module part, in file order, from index 0.
    std::vector<ProcInfo> gtProcTable;
    // The kind the text was parsed as: "C" class, "F" form or other designer
    // file, "M" code module.
    std::string gsFileKind;
    // From the module's Attribute VB_Name line.
    std::string gsModuleName;
    // A procedure heading lies inside an #If block.
    bool gblnCondCompProc = false;
};

// "Record =n Statement =n Token =n" of the model being parsed or zelked, for
// the error report (BabInit installs it there); empty when no model is named
// or the one named has no record yet.
std::string fsSourcePosition();

// Names the model the error report's source position describes while it
// lives (the parse names the model it fills, the run the model it zelks);
// the one named before comes back at its end, in whatever order the names
// end.
class ReportedModel {
public:
    explicit ReportedModel(const SourceModel& model);
    ~ReportedModel();
    ReportedModel(const ReportedModel&) = delete;
    ReportedModel& operator=(const ReportedModel&) = delete;

private:
    const SourceModel* model_;
};

// Per-file set-up: keyword table of the dialect, empty arrays (element 0 and
// the blank tail), one token kind and one procedure-table entry, cleared
// flags. Raises 32000 with StatusCode 2 before
// BabInit.
void BabInitFile(SourceModel& model, const std::string& dialect);

// Blank the elements From to To; StatusCode 3 / ReasonCode 23 outside the array.
void BabInitRecords(std::vector<BabRecord>& records, long from, long to);
void BabInitStatements(std::vector<BabStatement>& statements, long from, long to);
void BabInitTokens(std::vector<BabToken>& tokens, long from, long to);
void BabInitRecord(BabRecord& record);
void BabInitToken(BabToken& token);

// Room for `count` elements of a model array, backed by huge pages where the
// system allows: the parse touches each element once, front to back.
template <class T>
void ReserveModelArray(std::vector<T>& v, size_t count) {
    if (v.capacity() >= count) return;
    v.reserve(count);
    AdviseHugePages(v.data(), v.capacity() * sizeof(T));
}

// Grows an array to hold indices 0 to `upper`, keeping its contents; new
// elements are blank. Reserves geometrically so that repeated growth stays
// linear.
template <class T>
void GrowTo(std::vector<T>& v, long upper) {
    size_t want = static_cast<size_t>(upper) + 1;
    if (v.size() >= want) return;
    if (v.capacity() < want) ReserveModelArray(v, std::max(want, v.capacity() * 2));
    v.resize(want);
}

// Room for entry `index` and the blank tail after it.
template <class T>
void RoomFor(std::vector<T>& v, long index) {
    GrowTo(v, index + model::kTailMargin);
}
