#include <gtest/gtest.h>

#include "engine/EngineState.h"
#include "settings/ProgramOptions.h"
#include "EngineTestSupport.h"
#include "engine/ProcOrder.h"
#include "engine/ZelkRun.h"

using namespace enginetest;

namespace {

struct ProcOrder : ::testing::Test {
    ZelkOptions options;
    void SetUp() override {
        options = LoadSettings();
        ClearModel(run.model);
        OpenSession("/src/Form1.frm");
        run.fileIndex = 1;
    }
    // A table entry starting at the given record and statement.
    void Part(const std::string& name, const std::string& kind, long first, bool isPublic = false,
              bool isEvent = false) {
        std::vector<ProcInfo>& table = run.model.gtProcTable;
        if (table.back().FirstRecord != 0 || table.size() > 1) table.emplace_back();
        ProcInfo& e = table.back();
        e.Name = name;
        e.Kind = kind;
        e.FirstRecord = e.FirstStmt = first;
        e.IsPublic = isPublic;
        e.IsEventName = isEvent;
    }
    std::vector<std::string> Order() {
        std::vector<std::string> names;
        for (const ProcOrderEntry& e : run.gtProcOrder)
            names.push_back(run.model.gtProcTable[static_cast<size_t>(e.ProcIndex)].Name);
        return names;
    }
    // A module with both kinds of parts, in an order no key gives.
    void Module() {
        run.model.glRecordCount = run.model.glStmtCount = 80;
        Part("<Declarations>", "D", 1);
        Part("Zeta", "S", 10, true);
        Part("Form_Load", "S", 20, false, true);
        Part("alpha", "F", 30, false);
        Part("Command1_Click", "S", 40, true, true);
        Part("Beta", "S", 50, true);
    }
    ZelkRun run{options};
};

}  // namespace

TEST_F(ProcOrder, WithoutSortingThePartsStayInFileOrderAndGetTheirRanges) {
    run.model.glRecordCount = 31;
    run.model.glStmtCount = 29;
    Part("<Declarations>", "D", 1);
    Part("Main", "S", 12);
    sbSortProcs(run);
    EXPECT_EQ(Order(), (std::vector<std::string>{"<Declarations>", "Main"}));
    EXPECT_EQ(run.model.gtProcTable[0].LastRecord, 11);
    EXPECT_EQ(run.model.gtProcTable[0].LastStmt, 11);
    EXPECT_EQ(run.model.gtProcTable[1].LastRecord, 31);
    EXPECT_EQ(run.model.gtProcTable[1].LastStmt, 29);
}

// A part whose lines all went to the next one stays empty: it never takes
// the last statement of the part before it, which would be written twice.
TEST_F(ProcOrder, APartWithoutStatementsStaysEmpty) {
    run.model.glRecordCount = run.model.glStmtCount = 20;
    Part("(Designer Object Definition)", "M", 1);
    Part("<Declarations>", "D", 5);
    Part("Main", "S", 5);
    sbSortProcs(run);
    EXPECT_EQ(run.model.gtProcTable[0].LastStmt, 4);
    EXPECT_EQ(run.model.gtProcTable[1].FirstStmt, 5);
    EXPECT_EQ(run.model.gtProcTable[1].LastStmt, 4);
    EXPECT_EQ(run.model.gtProcTable[2].LastStmt, 20);
}

TEST_F(ProcOrder, SortsByTheOrderCode) {
    options.gblnDoProcs = true;
    struct Case {
        std::string how;
        std::vector<std::string> expected;
    } cases[] = {
        // type, then name; event procedures first
        {"13232145", {"<Declarations>", "Command1_Click", "Form_Load", "alpha", "Beta", "Zeta"}},
        // type, then scope
        {"13231145", {"<Declarations>", "Command1_Click", "Form_Load", "Beta", "Zeta", "alpha"}},
        // scope, then name; public first
        {"12312145", {"<Declarations>", "Beta", "Command1_Click", "Zeta", "alpha", "Form_Load"}},
        // private first
        {"21312145", {"<Declarations>", "alpha", "Form_Load", "Beta", "Command1_Click", "Zeta"}},
        // scope, then type, user-defined first
        {"12313154", {"<Declarations>", "Beta", "Zeta", "Command1_Click", "alpha", "Form_Load"}},
        // name only
        {"12322145", {"<Declarations>", "alpha", "Beta", "Command1_Click", "Form_Load", "Zeta"}},
    };
    for (const Case& c : cases) {
        run.model.gtProcTable.assign(1, ProcInfo{});
        Module();
        options.gsProcsHow = c.how;
        sbSortProcs(run);
        EXPECT_EQ(Order(), c.expected) << c.how;
    }
}

TEST_F(ProcOrder, InvalidCodesAndConditionalProceduresKeepFileOrder) {
    options.gblnDoProcs = true;
    const std::vector<std::string> fileOrder = {"<Declarations>", "Zeta", "Form_Load", "alpha", "Command1_Click",
                                                "Beta"};
    for (const char* how : {"13292145", "13211145", "13233145", "43212145", "123", "00000000"}) {
        run.model.gtProcTable.assign(1, ProcInfo{});
        Module();
        options.gsProcsHow = how;
        sbSortProcs(run);
        EXPECT_EQ(Order(), fileOrder) << how;
    }
    EXPECT_TRUE(testsupport::Ui().Messages.empty());

    run.model.gtProcTable.assign(1, ProcInfo{});
    Module();
    options.gsProcsHow = "13232145";
    run.model.gblnCondCompProc = true;
    sbSortProcs(run);
    EXPECT_EQ(Order(), fileOrder);
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Cannot Sort");
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt,
              "You have selected to sort procedures. \r\nZelker has detected procedures within conditional "
              "compilation statements.\r\nThese cannot be sorted without danger of corrupting the output.\r\n\r\n"
              "Procedures in this file: /src/Form1.frm\r\nwill not be rearranged.");
    run.model.gblnCondCompProc = false;
}

TEST(SetUpArray, GivesEachPositionItsOwnStatement) {
    StatementOrder order;
    sbSetUpArray(5, 8, order);
    EXPECT_EQ(order.First, 5);
    EXPECT_EQ(order.Last, 8);
    EXPECT_EQ(order.Items, (std::vector<long>{5, 6, 7, 8}));
    EXPECT_EQ(order(7), 7);
}
