#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "settings/ProgramOptions.h"
#include "engine/EngineState.h"
#include "engine/ModuleDeclarations.h"
#include "analysis/SourceModel.h"

using namespace arrangetest;

namespace {

const std::vector<std::string> kModule = {
    "Attribute VB_Name = \"Module1\"",
    "Option Explicit",
    "' Shared declarations",
    "Private Const B_MAX = 10",
    "Public gCount As Long",
    "' the count's partner",
    "Dim x As String",
    "Global Const A_MIN = 1",
    "Public Declare Function GetTickCount Lib \"kernel32\" () As Long",
    "Private Type Pt",
    "    X As Long",
    "End Type",
    "Public Enum Colors",
    "    Red",
    "End Enum",
};

std::vector<std::string> Lines(const std::vector<int>& numbers, const std::vector<std::string>& source = kModule) {
    std::vector<std::string> out;
    for (int n : numbers) out.push_back(source[static_cast<size_t>(n - 1)]);
    return out;
}

class ModuleDeclarationsTest : public ArrangeTest {
protected:
    // Arranges the declarations part and returns its statements' texts in
    // the new order.
    std::vector<std::string> Arranged() {
        const ProcInfo& part = Part("<Declarations>");
        long first = part.FirstStmt, last = part.LastStmt;
        StatementOrder order;
        order.First = first;
        order.Last = last;
        for (long s = first; s <= last; ++s) order.Items.push_back(s);
        FloatModuleDeclarations(run, first, last, order);
        std::vector<std::string> texts;
        for (long i = first; i <= last; ++i) texts.push_back(Text(order(i)));
        return texts;
    }
};

TEST_F(ModuleDeclarationsTest, DefaultOrderSortsByScopeTypeKindAndName) {
    options.gblnDoModules = true;
    ParseLines(kModule);
    // Public before private; within a scope by type name, then by kind (Enum,
    // Const, Type, variable, conditional, Declare, Event), then by name. The
    // lines before the first declaration stay, a comment travels with the
    // declaration above it and Type and Enum members with their header.
    EXPECT_EQ(Arranged(), Lines({1, 2, 3, 5, 6, 9, 13, 14, 15, 8, 7, 10, 11, 12, 4}));
}

TEST_F(ModuleDeclarationsTest, CustomOrderSortsByKindNameScopeAndType) {
    options.gblnDoModules = true;
    options.gsModuleHow = "142131234567";
    ParseLines(kModule);
    EXPECT_EQ(Arranged(), Lines({1, 2, 3, 8, 4, 10, 11, 12, 5, 6, 7, 9, 13, 14, 15}));
}

TEST_F(ModuleDeclarationsTest, EveryOrderOfTheFourKeysSorts) {
    options.gblnDoModules = true;
    options.gsModuleHow = "132411234567";  // type, name, declaration kind, scope
    ParseLines(kModule);
    // LONG: GCOUNT, GETTICKCOUNT; STRING: X; TYPEORENUM: COLORS, PT;
    // VARIANT: A_MIN, B_MAX.
    EXPECT_EQ(Arranged(), Lines({1, 2, 3, 5, 6, 9, 7, 13, 14, 15, 10, 11, 12, 8, 4}));
}

TEST_F(ModuleDeclarationsTest, EachDeclarationSortsByItsOwnTypeAsAConvertedOneWill) {
    options.gblnDoModules = true;
    options.gsModuleHow = "132411234567";  // type, name, declaration kind, scope
    // An untyped name is a Variant, not the type of the line above; a type
    // character types its name as its As clause will; a list sorts by its
    // first name; a Declare by its function's type.
    const std::vector<std::string> module = {
        "Option Explicit",
        "Public a As String",
        "Public z",
        "Public c$, b As Long",
        "Private Const LIMIT& = 100",
        "Private Declare Function Ticks& Lib \"kernel32\" () ' milliseconds",
        "Private Declare Function Count Lib \"kernel32\" (ByVal s$) As Integer",
    };
    ParseLines(module);
    // INTEGER: COUNT; LONG: LIMIT, TICKS; STRING: A, C; VARIANT: Z.
    EXPECT_EQ(Arranged(), Lines({1, 7, 5, 6, 2, 4, 3}, module));
}

TEST_F(ModuleDeclarationsTest, InvalidKeyDigitsKeepFileOrderButStillConvert) {
    for (const char* how : {"111231234567", "100001234567"}) {
        options.gblnDoModules = true;
        options.gblnConvertDeclare = true;
        options.gsModuleHow = how;
        ParseLines(kModule);
        std::vector<std::string> expected = kModule;
        expected[6] = "Private x As String";
        expected[7] = "Public Const A_MIN = 1";
        EXPECT_EQ(Arranged(), expected) << how;
    }
}

TEST_F(ModuleDeclarationsTest, ConversionsAloneMoveNothing) {
    const std::vector<std::string> source = {
        "Global gTotal As Long",
        "Dim rs As Dynaset",
        "Public snap As Snapshot",
        "#If Win32 Then",
        "Global hWnd As Long",
        "#End If",
        "Private Type Rec",
        "    Dim As Long",
        "End Type",
    };
    options.gblnConvertDeclare = true;
    ParseLines(source);
    std::vector<std::string> expected = source;
    expected[0] = "Public gTotal As Long";
    expected[1] = "Private rs As Dynaset";
    EXPECT_EQ(Arranged(), expected);

    options = ZelkOptions{};
    options.gblnConvertDAO = true;
    ParseLines(source);
    expected = source;
    expected[1] = "Dim rs As Recordset";
    expected[2] = "Public snap As Recordset";
    EXPECT_EQ(Arranged(), expected);
}

TEST_F(ModuleDeclarationsTest, ConditionalBlockStaysTogetherInFileOrder) {
    const std::vector<std::string> source = {
        "Public zLast As Long",
        "#If Win32 Then",
        "Public Declare Function B Lib \"b\" () As Long",
        "#Else",
        "Public Declare Function A Lib \"a\" () As Integer",
        "#End If",
        "Public aFirst As Long",
    };
    options.gblnDoModules = true;
    ParseLines(source);
    // Default keys: scope 1 for the variables, 3 for the block.
    EXPECT_EQ(Arranged(), Lines({7, 1, 2, 3, 4, 5, 6}, source));
}

// An order code of the wrong length arranges as the fallback code does, and
// the user's setting is left as it is.
TEST_F(ModuleDeclarationsTest, ModuleHowOfWrongLengthArrangesByTheFallbackAndStays) {
    options.gblnDoModules = true;
    options.gsModuleHow = "112341234567";
    ParseLines(kModule);
    const std::vector<std::string> fallback = Arranged();
    ASSERT_NE(fallback, kModule);
    options.gsModuleHow = "11342712345";
    ParseLines(kModule);
    EXPECT_EQ(Arranged(), fallback);
    EXPECT_EQ(options.gsModuleHow, "11342712345");
}

TEST_F(ModuleDeclarationsTest, NothingHappensWithoutAnyOfItsSwitches) {
    ParseLines(kModule);
    options.gsModuleHow = "1";
    EXPECT_EQ(Arranged(), kModule);
    EXPECT_EQ(options.gsModuleHow, "1");
}

TEST_F(ModuleDeclarationsTest, AStatementPastTheArrayIsLoggedAndNothingMoves) {
    std::string logFile = paths::Join(testsupport::ProgramDir(), "trace.log");
    oLog->LogOpen(logFile, 1);
    options.gblnDoModules = true;
    options.gblnConvertDeclare = true;
    ParseLines({"Public zLast As Long", "Global aFirst As Long"});
    long first = 1, last = static_cast<long>(model.yStatement.size()) + 1;
    StatementOrder order;
    order.First = first;
    order.Last = last;
    for (long s = first; s <= last; ++s) order.Items.push_back(s);
    FloatModuleDeclarations(run, first, last, order);
    oLog->LogClose();
    EXPECT_NE(testsupport::ReadFile(logFile).find("Out of bound error in yStatement FloatModuleDeclarations"),
              std::string::npos);
    for (long s = first; s <= last; ++s) EXPECT_EQ(order(s), s);
    EXPECT_EQ(Text(2), "Public aFirst As Long");  // converted before the end was reached
}

// Cost of the arrangement on a declarations part of a few thousand lines,
// in reverse name order so that every declaration moves.
TEST_F(ModuleDeclarationsTest, ThousandsOfDeclarationsArrangeQuickly) {
    std::vector<std::string> source;
    const int count = 5000;
    for (int i = count; i > 0; --i) {
        source.push_back("Public v" + std::to_string(100000 + i) + " As Long");
        if (i % 10 == 0) source.push_back("' group " + std::to_string(i));
    }
    options.gblnDoModules = true;
    ParseLines(source);
    auto start = std::chrono::steady_clock::now();
    std::vector<std::string> texts = Arranged();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("arrange_ms", static_cast<int>(ms));
    std::cout << "arranging " << count << " declarations took " << ms << " ms\n";
    EXPECT_EQ(texts.front(), "Public v100001 As Long");
    EXPECT_EQ(texts.back(), "' group 5000");
    EXPECT_LT(ms, 500);
}

}  // namespace
