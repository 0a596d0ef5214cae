#pragma once
// The analysed source file: one record per physical line, one statement per
// statement, one token per token, in three arrays indexed from 1
// (element 0 is a blank element that is never an entry; an index field that
// holds 0 means "none"). The analyser writes their structure; the engine reads
// them and may rewrite token texts in place.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ModelCodes.h"
#include "analysis/StoredText.h"
#include "analysis/TextStore.h"
#include "analysis/TokenKinds.h"
#include "common/SharedState.h"

// Records and statements take 20 bytes each: a large file holds tens of
// thousands of both, and they stay for the whole zelk. Every index field
// holds 20 bits with its sign, as a token's Statement does: records,
// statements and tokens all stay under the 500,000-token ceiling plus the
// blank tail (each record and each statement holds a token of its own), and
// an indent level cannot pass the number of statements that open a block.
// The fields are packed; they read and write as int32_t. A field that lies
// within one aligned 32-bit word reads in one load, one that crosses a word
// in two: the unnamed gaps leave only the least used fields (a record's
// TiedBack and TiedTo, a statement's RecordLast) across a word.
struct __attribute__((packed, aligned(4))) BabRecord {
    int32_t FirstToken : 20 = 0;
    int32_t TiedBack : 20 = 0;  // tied comment line: the record just before the tied group
    int32_t LastToken : 20 = 0;
    int32_t : 4;
    int32_t FirstStmt : 20 = 0;
    int32_t : 12;
    int32_t LastStmt : 20 = 0;
    int32_t TiedTo : 20 = 0;  // comment or blank line: the record of the statement it belongs to
    int32_t IndentLevel : 20 = 0;
};
static_assert(sizeof(BabRecord) == 20, "a record takes 20 bytes");

// Class takes the codes of StatementClass (up to 6), Flags the stmtflag bits
// (up to 63), Detail the declaration codes (under 400). Class, the field
// read most, has a byte of its own.
struct __attribute__((packed, aligned(4))) BabStatement {
    int32_t FirstToken : 20 = 0;
    int32_t : 4;
    StatementClass Class : 8 = StatementClass::Other;
    int32_t LastToken : 20 = 0;
    int32_t Detail : 12 = 0;
    int32_t LastSignificant : 20 = 0;  // last token that is neither NonCode nor Colon
    int32_t Flags : 8 = 0;
    int32_t : 4;
    int32_t RecordFirst : 20 = 0;
    int32_t RecordLast : 20 = 0;
    int32_t Verb : 20 = 0;  // token of the verb keyword (or the "=" of an assignment)
};
static_assert(sizeof(BabStatement) == 20, "a statement takes 20 bytes");

// Everything of a token but its texts, in eight bytes: a large file holds
// hundreds of thousands of tokens, and their bytes are most of the parse's
// memory. Every field holds all the values it can be given: a statement
// index stays under the 500,000-token ceiling (20 bits), a column under the
// 2,048-character line (12 bits), a keyword index under kMaxKeywords (the
// keyword file's reader refuses more), a Detail is one of the small codes of
// tokdetail. The bit fields are arranged so that none crosses the unit of
// its type.
struct TokenFields {
    int32_t Statement : 20 = 0;
    uint32_t Where : 12 = 0;  // 1-based column of the text in its line; 0 for tokens the reader makes
    TokenClass Class : 3 = TokenClass::Keyword;
    bool IsKeyWord : 1 = false;
    bool IsReservedWord : 1 = false;
    uint32_t FlagsMisc : 2 = 0;  // 1 last token of its line, 2 first token of a statement
    uint32_t FlagsOut : 2 = 0;   // 1 a line continuation follows
    int32_t Detail : 5 = 0;
    int32_t pKeyWord : 18 = 0;
};
static_assert(sizeof(TokenFields) == 8, "a token's fields take eight bytes");

// A token of the model: its texts are places in the model's text store
// (SourceModel::texts), so that the token is 24 bytes and a copy of it copies
// no characters.
struct BabToken : TokenFields {
    StoredText Piece;
    StoredText WhiteSpaceLeft;
};

// A token whose texts are its own: the formatter rewrites the token it is at
// in one. The texts keep their room from one token to the next, so that
// reusing one allocates nothing once it has grown.
struct EditToken : TokenFields {
    std::string Piece;
    std::string WhiteSpaceLeft;
};

// A text of a line's token, seen where it stands: it reads, compares and
// joins like the strings its readers took before.
struct TokenText : std::string_view {
    constexpr TokenText() noexcept = default;
    constexpr TokenText(std::string_view v) noexcept : std::string_view(v) {}
    operator std::string() const { return std::string(data(), size()); }
};
inline std::string operator+(const TokenText& a, const TokenText& b) {
    std::string s;
    s.reserve(a.size() + b.size());
    return s.append(a).append(b);
}
inline std::string operator+(std::string a, const TokenText& b) { return a.append(b); }

// A token of one line as the tokenizer finds it. Its texts are views into
// that line, which must outlive the token, save the few the tokenizer builds
// itself (a Rem whose delimiter becomes a blank, a literal whose closing
// quote is added), which the token keeps: copying every word of a file was a
// large share of reading it.
struct WorkToken : TokenFields {
    TokenText Piece;
    TokenText WhiteSpaceLeft;
    // Both texts are views into the line (the tokenizer built neither): the
    // reader then points at the line's characters without comparing them.
    bool AsWritten = false;

    WorkToken() = default;
    WorkToken(const WorkToken& o) : TokenFields(o) { CopyTexts(o); }
    WorkToken& operator=(const WorkToken& o) {
        static_cast<TokenFields&>(*this) = o;
        CopyTexts(o);
        return *this;
    }

    // The piece becomes a text of the token's own: the parts joined.
    void MakePiece(std::string_view a, std::string_view b = {}, std::string_view c = {}) {
        std::string s;
        s.reserve(a.size() + b.size() + c.size());
        s.append(a).append(b).append(c);
        made_.swap(s);
        Piece = std::string_view(made_);
        AsWritten = false;
    }

private:
    // A piece the token built points into its own copy.
    void CopyTexts(const WorkToken& o) {
        WhiteSpaceLeft = o.WhiteSpaceLeft;
        AsWritten = o.AsWritten;
        if (!o.Piece.empty() && o.Piece.data() == o.made_.data()) {
            made_ = o.made_;
            Piece = std::string_view(made_.data(), o.Piece.size());
        } else {
            Piece = o.Piece;
        }
    }
    std::string made_;
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
constexpr long kMaxKeywords = (1L << 17) - 1;  // the largest keyword index a token holds
}  // namespace model

// A comment token or the token of an empty line: such a token begins a
// comment or blank-line statement.
inline bool IsCommentOrBlank(const TokenFields& t) {
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

// One analysed source file. A moved model keeps its token texts where they
// are; a copy copies them into a store of its own (a field added here is
// copied in the copy assignment too).
struct SourceModel {
    SourceModel() = default;
    SourceModel(SourceModel&&) noexcept = default;
    SourceModel& operator=(SourceModel&&) noexcept = default;
    SourceModel(const SourceModel& other) { *this = other; }
    SourceModel& operator=(const SourceModel& other);

    std::vector<BabRecord> yRecord;
    std::vector<BabStatement> yStatement;
    std::vector<BabToken> yToken;
    // The characters of every token's texts.
    TextStore texts;
    // How many records, statements and tokens the arrays hold; each array
    // holds at least count + kTailMargin + 1 elements.
    long glRecordCount = 0;
    long glStmtCount = 0;
    long glTokenCount = 0;
    BabFileFlags gtBabFlags;
    // Per token (indices 0 to glTokenCount): 3 keywords, operators and
    // separators; 2 names, labels, line numbers and label references; 4
    // literals; 1 comments and empty lines.
    TokenKinds yTokenKind;
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

// Room for `count` elements of a model array. Small pages: the room is a
// guess from the text's size, and a huge page would make the part of it the
// parse never reaches resident too (up to 2 MB a page; the faults it saves
// cost less than clearing whole huge pages).
template <class T>
void ReserveModelArray(std::vector<T>& v, size_t count) {
    if (v.capacity() < count) v.reserve(count);
}

// Grows an array to hold indices 0 to `upper`, keeping its contents; new
// elements are blank. Reserves geometrically so that repeated growth stays
// linear.
template <class T>
void GrowTo(std::vector<T>& v, long upper) {
    size_t want = static_cast<size_t>(upper) + 1;
    if (v.size() >= want) return;
    if (v.capacity() < want) ReserveModelArray(v, std::max(want, v.capacity() * 2));
    // Mostly one entry or a few at a time: appended one by one, they skip the
    // set-up of a general resize, which weighed more than the entries.
    while (v.size() < want) v.emplace_back();
}

// Room for entry `index` and the blank tail after it.
template <class T>
void RoomFor(std::vector<T>& v, long index) {
    GrowTo(v, index + model::kTailMargin);
}
