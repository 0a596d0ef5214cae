// The source-line formatter: layout and indentation, labels and line numbers,
// tabs, line kinds and block flags, and the splits at ":" and of single-line
// Ifs. Sources are parsed by the real analyser.
#include "engine/EngineState.h"
#include "settings/ProgramOptions.h"
#include "common/ErrorTrap.h"
#include "FormatterHarness.h"
#include "engine/SourceLine.h"
#include "engine/ZelkRun.h"

using namespace formattest;

namespace {

const std::vector<std::string> kModule = {
    "Attribute VB_Name = \"Module1\"",
    "Option Explicit",
    "' Module comment",
    "Private Const MAX_ITEMS As Long = 10",
    "Private Type Point",
    "    x As Long",
    "    y As Long",
    "End Type",
    "Public Declare Function GetTickCount Lib \"kernel32\" () As Long",
    "Private Declare Function GetProfile Lib \"kernel32\" _",
    "    Alias \"GetProfileA\" (ByVal lpApp As String, _",
    "    ByVal lpKey As String) As Long",
    "Dim mCount As Integer   ' the count",
    "Public Enum Colour",
    "    Red = 1",
    "    Green",
    "End Enum",
    "#If Win32 Then",
    "Private Declare Function GetVersion Lib \"kernel32\" () As Long",
    "#End If",
    "' A comment that goes on _",
    "  over a second line.",
    "",
    "Public Sub Main()",
    "    Dim i As Integer, j As Integer",
    "    ' Loop over the items",
    "    For i = 1 To MAX_ITEMS",
    "        If i Mod 2 = 0 Then",
    "            mCount = mCount + 1",
    "        ElseIf i = 3 Then",
    "            mCount = mCount - 1",
    "        Else",
    "            Debug.Print i",
    "        End If",
    "    Next i",
    "    Select Case mCount",
    "        Case 1",
    "            Debug.Print \"one\"",
    "        Case Else",
    "            Debug.Print \"other\"",
    "    End Select",
    "    With Screen",
    "        .MousePointer = 0",
    "    End With",
    "    Do While mCount > 0",
    "        mCount = mCount - 1",
    "    Loop",
    "    If mCount = 0 Then Exit Sub",
    "    mTotal = #1/2/2000# - Now: Print #1, \"It's \"\"quoted\"\"\"",
    "    Total = rs![Line Total] + rs!Tax",
    "    x = Foo(1, _",
    "            2)",
    "Retry:",
    "    GoTo Retry",
    "End Sub",
    "",
    "Private Function Twice(ByVal n As Long) As Long",
    "10  Twice = n * 2",
    "    If n = 0 Then GoTo 10",
    "20  Exit Function",
    "End Function",
};

class SourceLineLayout : public ::testing::Test {
protected:
    void SetUp() override { options = Settings({}); }
    ZelkOptions options;
};

TEST_F(SourceLineLayout, DefaultSettingsWriteEveryLineAsItStands) {
    EXPECT_EQ(Format(options, kModule).lines, kModule);
}

}  // namespace

// The tables of every formatter test file run through this one test.
TEST_P(FormatTable, FormatsTheSourceAsExpected) {
    const formattest::FormatCase& c = GetParam();
    const ZelkOptions options = Settings(c.settings);
    formattest::Formatted f = Format(options, c.source);
    EXPECT_EQ(f.lines, c.expected);
    EXPECT_EQ(f.log, c.log);
}

namespace {

const std::vector<std::string> kBlocks = {
    "Sub Main()",
    "Dim i As Integer",
    "' Loop over the items",
    "For i = 1 To 3",
    "If i = 1 Then",
    "x = 1",
    "ElseIf i = 2 Then",
    "x = 2",
    "Else",
    "x = 3",
    "End If",
    "Next i",
    "Do While x > 0",
    "x = x - 1",
    "Loop",
    "With Screen",
    ".MousePointer = 0",
    "End With",
    "End Sub",
};

INSTANTIATE_TEST_SUITE_P(
    Indentation, FormatTable,
    ::testing::Values(
        // The body of a procedure is level 0: base lines put it one indent in.
        FormatCase{"BaseLines",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes"},
                   kBlocks,
                   {"Sub Main()", "Dim i As Integer", "' Loop over the items", "    For i = 1 To 3",
                    "        If i = 1 Then", "            x = 1", "        ElseIf i = 2 Then", "            x = 2",
                    "        Else", "            x = 3", "        End If", "    Next i", "    Do While x > 0",
                    "        x = x - 1", "    Loop", "    With Screen", "        .MousePointer = 0", "    End With",
                    "End Sub"}},
        FormatCase{"NoBaseLinesDeclarationsAndCommentsAtTheirLevel",
                   {"[Indentation]", "AsIs=No", "Declarations=Yes", "IndentAmount=2", "[Comments]", "StandAlone=1"},
                   kBlocks,
                   {"Sub Main()", "  Dim i As Integer", "' Loop over the items", "For i = 1 To 3", "  If i = 1 Then",
                    "    x = 1", "  ElseIf i = 2 Then", "    x = 2", "  Else", "    x = 3", "  End If", "Next i",
                    "Do While x > 0", "  x = x - 1", "Loop", "With Screen", "  .MousePointer = 0", "End With",
                    "End Sub"}},
        // The declarations part and the procedures have a switch each.
        FormatCase{"DeclarationsIndentedByPart",
                   {"[Indentation]", "AsIs=No", "ModDeclarations=Yes", "BaseLines=Yes"},
                   {"Dim a", "Private Const b = 1", "Sub Main()", "    Dim c", "    Static d", "End Sub"},
                   {"    Dim a", "    Private Const b = 1", "Sub Main()", "Dim c", "Static d", "End Sub"}},
        FormatCase{"NoIndentation",
                   {"[Indentation]", "AsIs=No", "CodeLine=1", "BaseLines=Yes"},
                   {"Sub Main()", "  If a Then", "      x = 1", "  End If", "    ' note", "End Sub"},
                   {"Sub Main()", "If a Then", "x = 1", "End If", "    ' note", "End Sub"}},
        FormatCase{"ElseHalfAnIndentIn",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes", "IfStructure=1", "IndentAmount=3"},
                   {"Sub Main()", "If a Then", "x = 1", "Else", "x = 2", "End If", "End Sub"},
                   {"Sub Main()", "   If a Then", "      x = 1", "    Else", "      x = 2", "   End If", "End Sub"}},
        // A member of a Type is no keyword, whatever word names it: one
        // named like a module line or a heading keeps the members' column.
        FormatCase{"TypeMembersNamedLikeKeywords",
                   {"[Indentation]", "AsIs=No"},
                   {"Private Type T", "Attribute As String", "Property As Long", "  Option As Byte", "B As Long",
                    "End Type"},
                   {"Private Type T", "    Attribute As String", "    Property As Long", "    Option As Byte",
                    "    B As Long", "End Type"}},
        // Headings, End Sub and module lines stand in column 1 whatever
        // their blanks.
        FormatCase{"HeadingsInColumnOne",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes"},
                   {"  Option Explicit", "  Public Sub Main()", "  x = 1", "    End Sub", "  Private Function F()",
                    "    End Function"},
                   {"Option Explicit", "Public Sub Main()", "    x = 1", "End Sub", "Private Function F()",
                    "End Function"},
                   {"WARNING:  Function not typed:  Procedure: F", "Private Function F()"}},
        // Case lines one level in (0), with their Select (1), half a level
        // in (2); End Select back at the Select's level.
        FormatCase{"CaseStructureOneLevelIn",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes", "CaseStructure=0"},
                   {"Sub Main()", "Select Case x", "Case 1", "y = 1", "Case Else", "y = 2", "End Select", "z = 0",
                    "End Sub"},
                   {"Sub Main()", "    Select Case x", "        Case 1", "            y = 1", "        Case Else",
                    "            y = 2", "    End Select", "    z = 0", "End Sub"}},
        FormatCase{"CaseStructureAligned",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes", "CaseStructure=1"},
                   {"Sub Main()", "Select Case x", "Case 1", "y = 1", "End Select", "End Sub"},
                   {"Sub Main()", "    Select Case x", "    Case 1", "        y = 1", "    End Select", "End Sub"}},
        FormatCase{"CaseStructureHalfLevelRoundsToEven",
                   {"[Indentation]", "AsIs=No", "CaseStructure=2", "IndentAmount=3"},
                   {"Sub Main()", "Select Case x", "Case 1", "Select Case y", "Case 2", "End Select", "End Select",
                    "End Sub"},
                   {"Sub Main()", "Select Case x", "  Case 1", "   Select Case y", "    Case 2", "   End Select",
                    "End Select", "End Sub"}},
        FormatCase{"NestedSelectsWithCaseOffset",
                   {"[Indentation]", "AsIs=No", "IndentAmount=2"},
                   {"Sub Main()", "Select Case x", "Case 1", "Select Case y", "Case 2", "z = 1", "End Select",
                    "Case 3", "End Select", "w = 0", "End Sub"},
                   {"Sub Main()", "Select Case x", "  Case 1", "    Select Case y", "      Case 2", "        z = 1",
                    "    End Select", "  Case 3", "End Select", "w = 0", "End Sub"}},
        // Stand-alone comments: a column (0 counts as column 1), the
        // prior line's column, as they stand.
        FormatCase{"StandAloneCommentsInAColumn",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes", "[Comments]", "StandAlone=0", "StandAloneColumn=0"},
                   {"Sub Main()", "      ' one", "x = 1", "End Sub"},
                   {"Sub Main()", "' one", "    x = 1", "End Sub"}},
        FormatCase{"StandAloneCommentsAtThePriorLine",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes", "[Comments]", "StandAlone=2"},
                   {"Sub Main()", "If a Then", "x = 1", "' after", "End If", "End Sub"},
                   {"Sub Main()", "    If a Then", "        x = 1", "        ' after", "    End If", "End Sub"}},
        FormatCase{"StandAloneCommentsAtTheNextLine",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes", "[Comments]", "StandAlone=1"},
                   {"Sub Main()", "If a Then", "' before", "x = 1", "End If", "End Sub"},
                   {"Sub Main()", "    If a Then", "        ' before", "        x = 1", "    End If", "End Sub"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    LabelsAndNumbers, FormatTable,
    ::testing::Values(
        // A label always gets a line of its own, in column 1.
        FormatCase{"LabelOnItsOwnLine",
                   {},
                   {"Sub Main()", "  Start: x = 1", "End Sub"},
                   {"Sub Main()", "Start:", " x = 1", "End Sub"}},
        FormatCase{"LabelOnItsOwnLineWithSplitLabels",
                   {"[General]", "SplitLabels=Yes", "[Indentation]", "AsIs=No", "BaseLines=Yes"},
                   {"Sub Main()", "Start: x = 1", "End Sub"},
                   {"Sub Main()", "Start:", "    x = 1", "End Sub"}},
        // Kept numbers: the longest number so far sets the column of the
        // lines without one; a longer number widens it for the lines after.
        FormatCase{"KeptNumbersSetTheColumn",
                   {"[Indentation]", "AsIs=No", "BaseLines=Yes"},
                   {"Sub Main()", "10 x = 1", "y = 2", "1000 z = 3", "w = 4", "End Sub"},
                   {"Sub Main()", "10     x = 1", "       y = 2", "1000     z = 3", "         w = 4", "End Sub"}},
        FormatCase{"KeptNumberAndColumnOneCode",
                   {"[Indentation]", "AsIs=No", "CodeLine=1"},
                   {"Sub Main()", "10 x = 1", "y = 2", "End Sub"},
                   {"Sub Main()", "10 x = 1", "   y = 2", "End Sub"}},
        // Removed numbers take their column with them, but never the blanks
        // between words.
        FormatCase{"KilledNumbers",
                   {"[General]", "KillNumericLabels=Yes"},
                   {"Sub Main()", "100 x =     1", "100     y =    2", "    z =     3", "End Sub"},
                   {"Sub Main()", " x =     1", " y =    2", "    z =     3", "End Sub"}},
        // ... but not a number that a jump refers to.
        FormatCase{"KilledNumbersKeepJumpTargets",
                   {"[General]", "KillNumericLabels=Yes"},
                   {"Sub Main()", "10 x = 1", "20 If x Then GoTo 10", "30 Resume 20", "End Sub"},
                   {"Sub Main()", "10 x = 1", "20 If x Then GoTo 10", " Resume 20", "End Sub"}},
        // A number that an inserted one replaces goes with the blank after
        // it, the exact width the writer puts in front again.
        FormatCase{"InsertedNumbersReplaceUnreferencedOnes",
                   {"[ErrorHandling]", "InsertLineNumbers=Yes"},
                   {"Sub Main()", "10 x = 1", "20   GoSub 10", "End Sub"},
                   {"Sub Main()", "10 x = 1", "  GoSub 10", "End Sub"}}),
    CaseName);

TEST_F(SourceLineLayout, KilledNumberLeavesTheStatementWithoutItsLabelFlag) {
    options = Settings({"[General]", "KillNumericLabels=Yes"});
    SourceModel parsed = formattest::Parse(formattest::WriteModule(InSub({"100 x = 1"})));
    long s = parsed.yRecord[2].FirstStmt;
    ASSERT_EQ(parsed.yStatement[static_cast<size_t>(s)].Flags & 16, 16);
    const formattest::Formatted f = formattest::FormatParsed(options, std::move(parsed));
    EXPECT_EQ(f.model.yStatement[static_cast<size_t>(s)].Flags & 16, 0);
    EXPECT_EQ(f.lineNumberWidth, 0);
}

TEST_F(SourceLineLayout, AStatementOutsideTheFileIsReported) {
    ZelkRun run{options};
    run.model = formattest::Parse(formattest::WriteModule({"x = 1"}));
    long outside = run.model.glStmtCount + 1;
    std::string text;
    EXPECT_THROW(sbOutputSourceRecord(run, outside, text, true), ErrorReported);
}

TEST_F(SourceLineLayout, TabsAreConvertedWithTheWidthAskedForOnce) {
    int asked = 0;
    testsupport::Lend question{gfnAskTabWidth, [&] {
                                   ++asked;
                                   return TabWidth{2};
                               }};
    EXPECT_EQ(Body(Format(options, InSub({"\tx = 1", "\ty =\t2"}))),
              (std::vector<std::string>{"  x = 1", "  y =  2"}));
    EXPECT_EQ(asked, 1);
    // The answer served the run alone: the run's options are as they were.
    EXPECT_EQ(options.giTabWidth, TabWidth::NotChosen);
}

TEST_F(SourceLineLayout, TabsStayWhenNotToBeConvertedOrNoWidthIsChosen) {
    options.giTabWidth = TabWidth::LeaveTabs;
    EXPECT_EQ(Body(Format(options, InSub({"\tx = 1"}))), std::vector<std::string>{"\tx = 1"});
    // The question closed without an answer: 99 is no width.
    options.giTabWidth = TabWidth::NotChosen;
    int asked = 0;
    testsupport::Lend question{gfnAskTabWidth, [&] {
                                   ++asked;
                                   return TabWidth::NotChosen;
                               }};
    EXPECT_EQ(Body(Format(options, InSub({"\tx = 1", "\ty = 2"}))),
              (std::vector<std::string>{"\tx = 1", "\ty = 2"}));
    EXPECT_EQ(asked, 2);
}

TEST_F(SourceLineLayout, LineKindsAndBlockFlags) {
    formattest::Formatted f = Format(options, {"Public Sub Main()", "If a Then", "ElseIf b Then", "Else", "End If",
                                      "For i = 1 To 2", "Next", "Do", "Loop", "While x", "Wend", "With y",
                                      "End With", "Select Case z", "Case 1", "End Select", "Start:", "10 x = 1",
                                      "Exit Sub", "End Sub", "Static Function F()", "End Function",
                                      "Property Get P()", "End Property"});
    using K = SourceLineKind;
    std::vector<std::tuple<std::string, SourceLineKind, bool, bool>> got;
    for (const formattest::LineInfo& s : f.statements) got.emplace_back(s.text, s.kind, s.opened, s.closed);
    std::vector<std::tuple<std::string, SourceLineKind, bool, bool>> expected = {
        {"Public Sub Main()", K::ProcHeading, true, false},
        {"If a Then", K::If, true, false},
        {"ElseIf b Then", K::Else, false, false},
        {"Else", K::Else, false, false},
        {"End If", K::EndIf, false, true},
        {"For i = 1 To 2", K::LoopStart, true, false},
        {"Next", K::LoopEnd, false, true},
        {"Do", K::LoopStart, true, false},
        {"Loop", K::LoopEnd, false, true},
        {"While x", K::LoopStart, true, false},
        {"Wend", K::LoopEnd, false, true},
        {"With y", K::LoopStart, true, false},
        {"End With", K::LoopEnd, false, true},
        {"Select Case z", K::Select, true, false},
        {"Case 1", K::Case, false, false},
        {"End Select", K::EndSelect, false, true},
        {"Start:", K::Label, false, false},
        {"10 x = 1", K::None, false, false},
        {"Exit Sub", K::None, false, false},
        {"End Sub", K::ProcEnd, false, true},
        {"Static Function F()", K::None, true, false},
        {"End Function", K::ProcEnd, false, true},
        {"Property Get P()", K::ProcHeading, true, false},
        {"End Property", K::ProcEnd, false, true},
    };
    EXPECT_EQ(got, expected);
    // The If stays open after its End If only for a later statement to close.
    EXPECT_FALSE(f.ifOpen);
    EXPECT_FALSE(f.inSelect);
}

TEST_F(SourceLineLayout, NextLosesASingleVariableOnly) {
    options = Settings({"[General]", "NextVariable=Yes", "SplitMultiLines=No"});
    EXPECT_EQ(Body(Format(options, InSub({"For i = 1 To 2", "For j = 1 To 2", "Next j, i", "For k = 1 To 2",
                                          "Next k", "For m = 1 To 2", "Next m: x = 1", "For n = 1 To 2",
                                          "Next n ' done"}))),
              (std::vector<std::string>{"For i = 1 To 2", "For j = 1 To 2", "Next j, i", "For k = 1 To 2", "Next",
                                        "For m = 1 To 2", "Next: x = 1", "For n = 1 To 2", "Next ' done"}));
}

INSTANTIATE_TEST_SUITE_P(
    ColonSplits, FormatTable,
    ::testing::Values(
        FormatCase{"StatementsAtTheSameColumn",
                   {"[General]", "SplitMultiLines=Yes"},
                   {"Sub Main()", "    a = 1: b = 2 :  c = 3", "End Sub"},
                   {"Sub Main()", "    a = 1", "    b = 2", "    c = 3", "End Sub"}},
        // After a Case, an Else or a loop head the statements go one level
        // in; a closing statement comes back out.
        FormatCase{"BlocksOnOneLine",
                   {"[General]", "SplitMultiLines=Yes", "[Indentation]", "AsIs=No", "BaseLines=Yes"},
                   {"Sub Main()", "Select Case x", "Case 1: a = 1: b = 2", "Case Else: a = 0", "End Select",
                    "For i = 1 To 3: a(i) = 0: Next", "If x Then", "a = 1", "Else: a = 2", "End If",
                    "For i = 1 To 2: For j = 1 To 2: a = 0: Next j, i", "End Sub"},
                   {"Sub Main()", "    Select Case x", "        Case 1", "            a = 1", "            b = 2",
                    "        Case Else", "            a = 0", "    End Select", "    For i = 1 To 3",
                    "        a(i) = 0", "    Next", "    If x Then", "        a = 1", "    Else", "        a = 2",
                    "    End If", "    For i = 1 To 2", "        For j = 1 To 2", "            a = 0",
                    "    Next j, i", "End Sub"}},
        // Named arguments and labels are no place to split.
        // Only a name at the start of a line is a label; after a ":" it is
        // the call of a procedure, a statement of its own.
        FormatCase{"NamedArgumentsStayAndACallAfterAColonIsNoLabel",
                   {"[General]", "SplitMultiLines=Yes"},
                   {"Sub Main()", "MsgBox Prompt:=x", "a = 1: Refill: b = 2", "End Sub"},
                   {"Sub Main()", "MsgBox Prompt:=x", "a = 1", "Refill", "b = 2", "End Sub"}},
        FormatCase{"NothingSplitWhenOff",
                   {"[General]", "SplitMultiLines=No"},
                   {"Sub Main()", "a = 1: b = 2", "End Sub"},
                   {"Sub Main()", "a = 1: b = 2", "End Sub"}}),
    CaseName);

// A single-line If keeps its ":" statements together under its condition
// unless the If itself is split.
TEST_F(SourceLineLayout, SingleLineIfIsNotSplitAtColonAlone) {
    options = Settings({"[General]", "SplitMultiLines=Yes"});
    formattest::Formatted f = Format(options, InSub({"If a Then b = 1: c = 2", "d = 1: If e Then f = 1: g = 2"}));
    EXPECT_EQ(Body(f), (std::vector<std::string>{"If a Then b = 1: c = 2", "d = 1", "If e Then f = 1: g = 2"}));
    EXPECT_EQ(Warnings(f), (std::vector<std::string>{"If a Then b = 1: Procedure: Main",
                                                      "If e Then f = 1: Procedure: Main"}));
}

INSTANTIATE_TEST_SUITE_P(
    IfSplits, FormatTable,
    ::testing::Values(
        FormatCase{"ThenAndElse",
                   {"[General]", "SplitIfs=Yes"},
                   {"Sub Main()", "If a Then b Else c", "End Sub"},
                   {"Sub Main()", "If a Then", "    b", "Else", "    c", "End If", "End Sub"}},
        FormatCase{"AtTheIfsColumn",
                   {"[General]", "SplitIfs=Yes", "SplitMultiLines=Yes", "[Indentation]", "AsIs=No",
                    "BaseLines=Yes", "IndentAmount=3"},
                   {"Sub Main()", "If a Then", "If b Then c = 1: d = 2 Else e = 3", "End If", "End Sub"},
                   {"Sub Main()", "   If a Then", "      If b Then", "         c = 1", "         d = 2",
                    "      Else", "         e = 3", "      End If", "   End If", "End Sub"}},
        FormatCase{"KeptLayout",
                   {"[General]", "SplitIfs=Yes"},
                   {"Sub Main()", "  If a Then b ' note", "End Sub"},
                   {"Sub Main()", "  If a Then", "      b ' note", "  End If", "End Sub"}},
        // A nested single-line If is split too: its Else and its ":"
        // statements are its own; a second Else is the outer If's.
        FormatCase{"NestedIfs",
                   {"[General]", "SplitIfs=Yes", "SplitMultiLines=Yes"},
                   {"Sub Main()", "If a Then If b Then c: d Else e", "If f Then If g Then h Else i Else j",
                    "End Sub"},
                   {"Sub Main()", "If a Then", "    If b Then", "        c", "        d", "    Else", "        e",
                    "    End If", "End If", "If f Then", "    If g Then", "        h", "    Else", "        i",
                    "    End If", "Else", "    j", "End If", "End Sub"}},
        // ... but not one that jumps to a bare line number.
        FormatCase{"NestedIfWithImpliedGoTo",
                   {"[General]", "SplitIfs=Yes", "SplitMultiLines=Yes"},
                   {"Sub Main()", "If a Then b: If c Then 10 Else d: e", "End Sub"},
                   {"Sub Main()", "If a Then", "    b", "    If c Then 10 Else d: e", "End If", "End Sub"},
                   {"WARNING:      If c Then 10 Else d: Procedure: Main"}},
        // A line number after Then or Else is an implied GoTo: on a line
        // of its own it would become a label.
        FormatCase{"ImpliedGoToStays",
                   {"[General]", "SplitIfs=Yes"},
                   {"Sub Main()", "If a Then 10 Else 20", "End Sub"},
                   {"Sub Main()", "If a Then 10 Else 20", "End Sub"}},
        FormatCase{"BlockIfUntouched",
                   {"[General]", "SplitIfs=Yes"},
                   {"Sub Main()", "If a Then   ", "b", "End If", "End Sub"},
                   {"Sub Main()", "If a Then", "b", "End If", "End Sub"}}),
    CaseName);

// Zelking the output again changes nothing more, whatever the settings.
TEST_F(SourceLineLayout, ZelkingTwiceChangesNothingMore) {
    std::vector<std::string> source = kModule;
    source.insert(source.end(), {"Sub Other()", "10 If a Then b: c Else d", "Select Case x",
                                 "Case 1: y = 1: If y Then z = 2 Else z = 3", "End Select",
                                 "For i = 1 To 3: a(i) = 0: Next i", "  Start: x = 1", "End Sub"});
    const std::vector<std::vector<std::string>> settings = {
        {"[Indentation]", "AsIs=No", "[General]", "SplitMultiLines=Yes", "SplitIfs=Yes"},
        {"[Indentation]", "AsIs=No", "BaseLines=Yes", "Declarations=Yes", "ModDeclarations=Yes", "CaseStructure=2",
         "IfStructure=1", "[General]", "SplitMultiLines=Yes", "SplitIfs=Yes", "SplitDeclarations=Yes",
         "SplitConsts=Yes", "AlignAs=Yes", "NextVariable=Yes", "Continuations=1", "KillNumericLabels=Yes",
         "[Arrange Declares]", "ConvertSymbols=Yes", "ConvertSymbolsCode=Yes", "ConvertIntrinsicFunction=2",
         "ConvertDAO=Yes", "[Comments]", "InLine=0", "StandAlone=1"},
        {"[Indentation]", "AsIs=No", "CodeLine=1", "[General]", "InsertContinuations=Yes", "ContinuationColumn=30",
         "[Comments]", "InLine=0", "InLineColumn=20", "InLineRight=Yes", "StandAlone=0"},
    };
    for (const std::vector<std::string>& s : settings) {
        options = Settings(s);
        std::vector<std::string> once = Format(options, source).lines;
        EXPECT_NE(once, source);
        EXPECT_EQ(Format(options, once).lines, once) << s[1] << " " << s[3];
    }
}

// Nothing a file leaves in the formatter changes the next file's output.
TEST_F(SourceLineLayout, OutputDoesNotDependOnTheFileBefore) {
    options = Settings({"[Indentation]", "AsIs=No", "[Comments]", "StandAlone=2"});
    std::vector<std::string> second = {"' first line", "Sub Main()", "x = 1", "End Sub"};
    std::vector<std::string> alone = Format(options, second).lines;
    Format(options, {"Sub Other()", "Select Case a", "Case 1", "100     b = 2"});
    EXPECT_EQ(Format(options, second).lines, alone);
}

}  // namespace
