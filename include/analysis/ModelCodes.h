#pragma once
// The codes of the source model: what kind of token a token is, what kind of
// statement a statement is, and what kind of line the formatter has just
// written. The numbers are those the analysis dump, the trace lines and the
// tests print, so they never change.
#include <cstdint>

// BabToken::Class. The token's Detail refines it (tokdetail below).
enum class TokenClass : uint8_t {
    Keyword = 0,        // a word of the keyword table; also a ":" that is the first token of its line
    Name = 1,           // a word that is no keyword (or was not looked up)
    InvalidRecord = 2,  // the token that stands for a line the record reader rejected
    Literal = 3,        // date, number or string
    Operator = 4,       // operator or punctuation
    NonCode = 5,        // comment, empty line or trailing blanks, leading label, label reference
    Colon = 6,          // the ":" after a label or between statements
};

// BabToken::Detail, by class.
namespace tokdetail {
constexpr long kKeyword = 0;  // Keyword, InvalidRecord
constexpr long kName = 8;     // Name
// Literal
constexpr long kDate = 1;
constexpr long kNumber = 2;
constexpr long kString = 3;
// Operator
constexpr long kNamedArgument = 2;  // ":="
constexpr long kOperator = 6;
// NonCode
constexpr long kComment = 1;       // also each continuation line of a comment
constexpr long kBlank = 3;         // an empty line, or the blanks at the end of a line
constexpr long kLeadingLabel = 4;  // line number or label at the start of a line
constexpr long kLabelReference = 5;
// Colon
constexpr long kLabelColon = 1;
constexpr long kSeparator = 2;
}  // namespace tokdetail

// BabStatement::Class.
enum class StatementClass : int32_t {
    Other = 0,
    Comment = 1,            // a comment line
    Declaration = 2,        // declaration, Type or Enum block line (Detail tells which)
    Blank = 3,              // an empty line
    ProcEnd = 4,            // End Sub, End Function, End Property
    ProcHeading = 5,        // Sub, Function, Property Get/Let/Set heading
    ModuleDescription = 6,  // ATTRIBUTE, VERSION, or a line of the BEGIN block at the head of a class file
};

// The kind of the line the formatter has just written (giLineKind): the
// white-space settings give each kind an empty line before and after it.
// Named SourceLineKind because a project file's lines have a LineKind of
// their own.
enum class SourceLineKind : int {
    None = 0,
    ProcHeading = 1,  // Sub, Function or Property heading
    ProcEnd = 2,      // End Sub, End Function, End Property
    If = 3,           // a block If
    Else = 4,         // Else, ElseIf
    EndIf = 5,
    LoopStart = 6,  // For, Do, While, With
    LoopEnd = 7,    // Next, Loop, Wend, End With
    Select = 8,     // Select Case
    Case = 9,
    EndSelect = 10,
    DeclarationGroup = 11,  // a Const or Dim inside a procedure
    Label = 12,             // a label that is not a line number
};

// The number a code is stored and printed as.
constexpr long CodeOf(TokenClass c) { return static_cast<long>(c); }
constexpr long CodeOf(StatementClass c) { return static_cast<long>(c); }
constexpr int CodeOf(SourceLineKind k) { return static_cast<int>(k); }
