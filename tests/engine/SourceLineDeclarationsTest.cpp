// The source-line formatter: type-declaration characters, the "$" of
// intrinsic string functions, data-access type names, list splits, As
// alignment and the warnings about untyped functions and declarations.
#include "engine/Declarations.h"
#include "settings/ProgramOptions.h"
#include "FormatterHarness.h"
#include "engine/TypeCharacters.h"

using namespace formattest;

namespace {

INSTANTIATE_TEST_SUITE_P(
    TypeCharacters, FormatTable,
    ::testing::Values(
        FormatCase{"DeclarationsGetAsClauses",
                 {"[Arrange Declares]", "ConvertSymbols=Yes"},
                 {"Dim n%, s$, c@", "Public Const k% = 1", "Private Declare Function T& Lib \"k\" () ' ticks",
                  "Declare Sub P Lib \"k\" (ByVal a&, b#)", "Function F$(a As Long)", "End Function",
                  "Function G%(x!)   ", "End Function"},
                 {"Dim n As Integer, s As String, c As Currency", "Public Const k As Integer = 1",
                  "Private Declare Function T Lib \"k\" () As Long ' ticks",
                  "Declare Sub P Lib \"k\" (ByVal a As Long, b As Double)", "Function F(a As Long) As String",
                  "End Function", "Function G(x As Single) As Integer", "End Function"},
                 {}},
        // Arrays keep their type: the clause follows the bounds.
        FormatCase{"ArraysAndParameterArrays",
                 {"[Arrange Declares]", "ConvertSymbols=Yes"},
                 {"Dim a$(10)", "Dim b%(1 To 2, 3 To 4), c", "Public d&(5)", "Function F(e%()) As Long",
                  "End Function"},
                 {"Dim a(10) As String", "Dim b(1 To 2, 3 To 4) As Integer, c", "Public d(5) As Long",
                  "Function F(e() As Integer) As Long", "End Function"},
                 {}},
        // Literals keep their characters: &H10&, 10% and 1.5@ stay as written.
        FormatCase{"LiteralsStay",
                 {"[Arrange Declares]", "ConvertSymbols=Yes"},
                 {"Const a = &H10&", "Const b = 10%", "Const c = 1.5@"},
                 {"Const a = &H10&", "Const b = 10%", "Const c = 1.5@"},
                 {}},
        FormatCase{"PublicClausesAligned",
                 {"[Arrange Declares]", "ConvertSymbols=Yes", "[General]", "AlignAs=Yes", "AlignAsColumn=20"},
                 {"Public Const k% = 1", "Global LongerName$"},
                 {"Public Const k      As Integer = 1", "Global LongerName   As String"},
                 {}},
        // Clauses made from characters line up with written As clauses.
        FormatCase{"ConvertedClausesAligned",
                   {"[Arrange Declares]", "ConvertSymbols=Yes", "[General]", "AlignAs=Yes", "AlignAsColumn=16"},
                   InSub({"Dim n%, s$", "ReDim a%(5)", "Dim w As Long"}),
                   InSub({"Dim n           As Integer, s As String", "ReDim a(5)      As Integer",
                          "Dim w           As Long"})},
        FormatCase{"CodeLosesItsCharacters",
                 {"[Arrange Declares]", "ConvertSymbolsCode=Yes"},
                 InSub({"x% = Len(s$) + y& + z#", "w = &H10& & \"a\"", "Print #1, q!;"}),
                 InSub({"x = Len(s) + y + z", "w = &H10& & \"a\"", "Print #1, q;"}),
                 {}},
        FormatCase{"SubAndPropertyHeadingsGetAsClauses",
                 {"[Arrange Declares]", "ConvertSymbolsCode=Yes"},
                 {"Sub S(a%, b&, c$())", "End Sub", "Property Get P$() ' value", "End Property",
                  "Property Let P(v$)", "End Property"},
                 {"Sub S(a As Integer, b As Long, c() As String)", "End Sub",
                  "Property Get P() As String ' value", "End Property", "Property Let P(v As String)",
                  "End Property"},
                 {}},
        FormatCase{"DataAccessTypesAfterAsOnly",
                 {"[Arrange Declares]", "ConvertDAO=Yes"},
                 {"Dim r As Dynaset, t As Table, s As Snapshot", "Sub Main()", "x = db.Table", "End Sub"},
                 {"Dim r As Recordset, t As Recordset, s As Recordset", "Sub Main()", "x = db.Table", "End Sub"},
                 {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    IntrinsicFunctions, FormatTable,
    ::testing::Values(
        FormatCase{"KeptAsWritten",
                 {"[Arrange Declares]", "ConvertSymbolsCode=Yes", "ConvertIntrinsicFunction=0"},
                 InSub({"a = Left$(s, 1) & Left(s, 2) & Error$"}),
                 InSub({"a = Left$(s, 1) & Left(s, 2) & Error"}),
                 {}},
        FormatCase{"DollarRemoved",
                 {"[Arrange Declares]", "ConvertSymbolsCode=Yes", "ConvertIntrinsicFunction=1"},
                 InSub({"a = Left$(s, 1) & Mid$(s, 2) & String$(3, \"x\") & Input$(1, #1)"}),
                 InSub({"a = Left(s, 1) & Mid(s, 2) & String(3, \"x\") & Input(1, #1)"}),
                 {}},
        FormatCase{"DollarAdded",
                 {"[Arrange Declares]", "ConvertSymbolsCode=Yes", "ConvertIntrinsicFunction=2"},
                 InSub({"a = Left(s, 1) & UCase(s) & Command & String(3, \"x\")", "On Error GoTo 0",
                        "on error goto 0"}),
                 InSub({"a = Left$(s, 1) & UCase$(s) & Command$ & String$(3, \"x\")", "On Error GoTo 0",
                        "on error goto 0"}),
                 {}},
        // Properties, types, file statements and the date and time keywords
        // keep their forms: their two spellings mean different things.
        FormatCase{"NeverAPropertyTypeOrStatement",
                 {"[Arrange Declares]", "ConvertSymbolsCode=Yes", "ConvertIntrinsicFunction=2"},
                 {"Sub S(a As String)", "Text1.Left = 0", "Set c = New ADODB.Command", "Input #1, x",
                  "Line Input #1, y", "Open f For Input As #1", "d = Date: t = Time", "Date = d", "End Sub"},
                 {"Sub S(a As String)", "Text1.Left = 0", "Set c = New ADODB.Command", "Input #1, x",
                  "Line Input #1, y", "Open f For Input As #1", "d = Date: t = Time", "Date = d", "End Sub"},
                 {}},
        FormatCase{"DateAndTimeKeepTheirDollar",
                 {"[Arrange Declares]", "ConvertSymbolsCode=Yes", "ConvertIntrinsicFunction=1"},
                 InSub({"d = Date$: t = Time$: x = Text1.Left"}),
                 InSub({"d = Date$: t = Time$: x = Text1.Left"}),
                 {}},
        FormatCase{"NoEffectWithoutCodeConversion",
                 {"[Arrange Declares]", "ConvertIntrinsicFunction=2"},
                 InSub({"a = Left(s, 1) & x%"}),
                 InSub({"a = Left(s, 1) & x%"}),
                 {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Lists, FormatTable,
    ::testing::Values(
        FormatCase{"DeclarationsOneALine",
                 {"[General]", "SplitDeclarations=Yes"},
                 {"  Dim a As Long, b, c%", "Dim m(1 To 2, 3 To 4), n As Long"},
                 {"  Dim a As Long", "  Dim b", "  Dim c%", "Dim m(1 To 2, 3 To 4)", "Dim n As Long"},
                 {"WARNING:  Declaration not typed:  Procedure: <Declarations>", "  Dim b",
                  "WARNING:  Declaration not typed:  Procedure: <Declarations>", "Dim m(1 To 2, 3 To 4)"}},
        FormatCase{"ConstantsWithSplitConsts",
                 {"[General]", "SplitConsts=Yes", "SplitDeclarations=Yes"},
                 {"Public Const A = 1, B = 2"},
                 {"Public Const A = 1", "Public Const B = 2"},
                 {}},
        FormatCase{"ConstantsWithSplitDeclarationsOnly",
                 {"[General]", "SplitDeclarations=Yes"},
                 {"Const A = 1, B = 2"},
                 {"Const A = 1", "Const B = 2"},
                 {"WARNING:  Declaration not typed:  Procedure: <Declarations>", "Const A = 1"}},
        // Headings, Declare statements and what follows a declaration on
        // its line are never split.
        FormatCase{"OnlyDeclarationLists",
                 {"[General]", "SplitDeclarations=Yes", "SplitConsts=Yes"},
                 {"Declare Sub P Lib \"k\" (a, b)", "Public Sub S(a, b)", "Dim x: Print a, b", "End Sub"},
                 {"Declare Sub P Lib \"k\" (a, b)", "Public Sub S(a, b)", "Dim x: Print a, b", "End Sub"},
                 {}},
        FormatCase{"AsInAColumn",
                 {"[General]", "AlignAs=Yes", "AlignAsColumn=16"},
                 {"Dim x As Long, y As Long", "Private LongEnoughName As Long",
                  "Declare Function F Lib \"k\" (a As Long) As Long", "Type T", "  m As Integer", "End Type"},
                 {"Dim x           As Long, y As Long", "Private LongEnoughName As Long",
                  "Declare Function F Lib \"k\" (a As Long) As Long", "Type T", "  m             As Integer",
                  "End Type"},
                 {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    UntypedFunctions, FormatTable,
    ::testing::Values(
        FormatCase{"Reported",
                 {},
                 {"Function F()", "End Function", "Private Function G(a As Long) ' comment", "End Function",
                  "Function H%()", "End Function"},
                 {"Function F()", "End Function", "Private Function G(a As Long) ' comment", "End Function",
                  "Function H%()", "End Function"},
                 {"WARNING:  Function not typed:  Procedure: F", "Function F()",
                  "WARNING:  Function not typed:  Procedure: G", "Private Function G(a As Long)",
                  "WARNING:  Function not typed:  Procedure: H%", "Function H%()"}},
        FormatCase{"TypedOnesAreNot",
                 {"[Arrange Declares]", "ConvertSymbols=Yes"},
                 {"Function F() As Long", "End Function", "Function H%()", "End Function", "Function K", "End Function"},
                 {"Function F() As Long", "End Function", "Function H() As Integer", "End Function", "Function K",
                  "End Function"},
                 {}}),
    CaseName);

TEST(IntrinsicFunctionNames, GetFunctionBySetting) {
    Settings({});
    formattest::Parse(formattest::WriteModule({"x = 1"}));
    struct Row {
        long setting;
        std::string name, word, expected;
    };
    std::vector<Row> rows = {
        {0, "Left", "LEFT$", "Left$"}, {0, "Left", "LEFT", "Left"},   {1, "Left$", "LEFT$", "Left"},
        {1, "Left", "LEFT", "Left"},   {2, "Left", "LEFT", "Left$"},  {2, "Left$", "LEFT$", "Left$"},
        {2, "Error", "ERROR", "Error"}, {2, "Total", "TOTAL", "Total"}, {2, "", "", ""},
        {3, "Left", "LEFT", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(GetFunction(static_cast<IntrinsicDollar>(r.setting), r.name, r.word), r.expected) << r.setting << " " << r.name;
    }
    EXPECT_TRUE(IsIntrinsicFunction("Mid$"));
    EXPECT_TRUE(IsIntrinsicFunction("trim"));
    EXPECT_FALSE(IsIntrinsicFunction("Len"));
    EXPECT_FALSE(IsIntrinsicFunction("$"));
}

TEST(ParenGroupAtEnd, ClosesAtTheLastSignificantToken) {
    Settings({});
    const SourceModel m = formattest::Parse(
        formattest::WriteModule({"Function A()", "Function B(x As Long, y)   ' c", "Function C() As Long",
                                 "Function D", "Function E((x))", "Function F(a(1)) As Long"}));
    std::vector<bool> got;
    for (long r = 1; r <= 6; ++r)
        got.push_back(fblnParenGroupAtEnd(m, m.yStatement[static_cast<size_t>(m.yRecord[r].FirstStmt)]));
    EXPECT_EQ(got, (std::vector<bool>{true, true, false, false, true, false}));
}

}  // namespace
