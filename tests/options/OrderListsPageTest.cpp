// The Arrange page's order lists on the dialog's controls: filled from the
// order strings, moved by arrows and keys (codes travelling with their
// captions), and written back by the save.
#include "platform/KeyCodes.h"
#include "OptionsFixture.h"
#include "options/OptionsMapping.h"
#include "options/OrderListsPage.h"
#include "TestSupport.h"

namespace {

using V = std::vector<std::string>;

class OrderListsPage : public OptionsFixture {
protected:
    void SetUp() override {
        OptionsFixture::SetUp();
        c = Restored();
    }
    // Selects an entry of a list as a click in it would.
    void Select(const std::string& list, int row) { c[list].ListIndex = row; }
    OptionControls c;
};

TEST_F(OrderListsPage, RestoreShowsCaptionsWithTheirCodesBesideAndTheFirstEntrySelected) {
    const Control& types = c["lstOrderDeclarations_1"];
    EXPECT_EQ(types.Items, (V{"Enumerations", "Const", "Type Structure", "Variable Declaration",
                              "Conditional Compile Block", "Declare Statements", "Event Declarations"}));
    EXPECT_EQ(types.ItemCodes, "7123456");
    EXPECT_EQ(c["lstOrderProcs_2"].Items, (V{"Public", "Friend", "Private"}));
    EXPECT_EQ(c["lstOrderLocal_1"].Items, (V{"Const", "Variable Declaration"}));
    for (const char* list : {"lstOrderDeclarations_0", "lstOrderDeclarations_1", "lstOrderDeclarations_2",
                             "lstOrderProcs_0", "lstOrderProcs_1", "lstOrderProcs_2", "lstOrderLocal_0",
                             "lstOrderLocal_1"})
        EXPECT_EQ(c[list].ListIndex, 0) << list;
}

TEST_F(OrderListsPage, PrivateMovedToTopStartsModuleHowWithTwoAndBackWithOne) {
    Select("lstOrderDeclarations_2", 1);
    imgMove_Click(c, 4);  // up, module scope sequence
    EXPECT_EQ(c["lstOrderDeclarations_2"].Items, (V{"Private", "Public"}));
    EXPECT_EQ(c["lstOrderDeclarations_2"].ListIndex, 0);
    EXPECT_TRUE(gblnOptionsChanged);
    sbSaveOptions(c, options);
    EXPECT_EQ(options.gsModuleHow, "213427123456");
    EXPECT_EQ(options.gsProcsHow, "13232145");
    EXPECT_EQ(options.gsLocalHow, "12345");

    imgMove_Click(c, 5);  // down again
    sbSaveOptions(c, options);
    EXPECT_EQ(options.gsModuleHow, "113427123456");
}

// Every list moves alike, by its arrows and by Ctrl+Up/Down, and the code
// travels with its caption; the saved string is a rearrangement of the old.
TEST_F(OrderListsPage, ArrowsAndCtrlKeysMoveInEveryList) {
    struct Case {
        const char* list;
        int upArrow;
        std::string OrderStrings::*how;
        const char* afterDown;  // the first entry moved one place down
    };
    const Case cases[] = {
        {"lstOrderDeclarations_0", 0, &OrderStrings::ModuleHow, "131427123456"},
        {"lstOrderDeclarations_1", 2, &OrderStrings::ModuleHow, "113421723456"},
        {"lstOrderDeclarations_2", 4, &OrderStrings::ModuleHow, "213427123456"},
        {"lstOrderProcs_0", 10, &OrderStrings::ProcsHow, "13223145"},
        {"lstOrderProcs_1", 12, &OrderStrings::ProcsHow, "13232154"},
        {"lstOrderProcs_2", 14, &OrderStrings::ProcsHow, "31232145"},
        {"lstOrderLocal_0", 20, &OrderStrings::LocalHow, "21345"},
        {"lstOrderLocal_1", 22, &OrderStrings::LocalHow, "12354"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.list);
        const OrderStrings before = OrderStringsOf(c);
        // By the down arrow, then back by Ctrl+Up.
        imgMove_Click(c, k.upArrow + 1);
        EXPECT_EQ(OrderStringsOf(c).*k.how, k.afterDown);
        EXPECT_EQ(c[k.list].ListIndex, 1);
        int key = vbkey::vbKeyUp;
        lstOrder_KeyDown(c, k.list, key, vbkey::vbCtrlMask);
        EXPECT_EQ(key, 0);
        EXPECT_EQ(OrderStringsOf(c), before);
        // Ctrl+Down does what the down arrow did; the up arrow undoes it.
        key = vbkey::vbKeyDown;
        lstOrder_KeyDown(c, k.list, key, vbkey::vbCtrlMask);
        EXPECT_EQ(OrderStringsOf(c).*k.how, k.afterDown);
        imgMove_Click(c, k.upArrow);
        EXPECT_EQ(OrderStringsOf(c), before);
    }
    EXPECT_EQ(testsupport::Ui().Beeps, 0);
}

TEST_F(OrderListsPage, RefusedMovesBeepAndStillCountAsChanges) {
    const OrderStrings before = OrderStringsOf(c);
    int key = vbkey::vbKeyUp;
    lstOrder_KeyDown(c, "lstOrderLocal_0", key, vbkey::vbCtrlMask);  // top entry up
    EXPECT_EQ(testsupport::Ui().Beeps, 1);
    EXPECT_TRUE(gblnOptionsChanged);
    EXPECT_EQ(key, 0);

    gblnOptionsChanged = false;
    Select("lstOrderLocal_1", 1);
    key = vbkey::vbKeyDown;
    lstOrder_KeyDown(c, "lstOrderLocal_1", key, vbkey::vbCtrlMask);  // bottom entry down
    EXPECT_EQ(testsupport::Ui().Beeps, 2);
    EXPECT_TRUE(gblnOptionsChanged);

    Select("lstOrderProcs_0", -1);
    imgMove_Click(c, 11);  // no entry selected
    EXPECT_EQ(testsupport::Ui().Beeps, 3);
    EXPECT_EQ(OrderStringsOf(c), before);
}

TEST_F(OrderListsPage, OnlyCtrlAloneActsAndEveryCtrlKeyIsSwallowed) {
    const OrderStrings before = OrderStringsOf(c);
    struct Case {
        int key, shift, keyAfter;
    };
    const Case cases[] = {
        {vbkey::vbKeyDown, vbkey::vbCtrlMask | vbkey::vbShiftMask, vbkey::vbKeyDown},
        {vbkey::vbKeyDown, vbkey::vbCtrlMask | vbkey::vbAltMask, vbkey::vbKeyDown},
        {vbkey::vbKeyDown, 0, vbkey::vbKeyDown},
        {vbkey::vbKeyHome, vbkey::vbCtrlMask, 0},
    };
    for (const Case& k : cases) {
        int key = k.key;
        lstOrder_KeyDown(c, "lstOrderDeclarations_1", key, k.shift);
        EXPECT_EQ(key, k.keyAfter);
    }
    EXPECT_EQ(OrderStringsOf(c), before);
    EXPECT_FALSE(gblnOptionsChanged);
    EXPECT_EQ(testsupport::Ui().Beeps, 0);
}

TEST_F(OrderListsPage, CancelAfterMovesShowsTheUnchangedStringsAgain) {
    imgMove_Click(c, 1);
    imgMove_Click(c, 21);
    EXPECT_NE(OrderStringsOf(c).ModuleHow, options.gsModuleHow);
    sbRestoreOptions(c, options);
    EXPECT_EQ(OrderStringsOf(c), (OrderStrings{options.gsModuleHow, options.gsProcsHow, options.gsLocalHow}));
    EXPECT_EQ(c["lstOrderDeclarations_0"].ListIndex, 0);
}

// Stored strings with codes outside their tables survive the dialog: the
// placeholders carry their characters, so an untouched save changes nothing,
// and a hand-edited scope digit is written back as the top entry's code.
TEST_F(OrderListsPage, UnknownCodesRoundTripAndModuleScopeIsAlwaysOneOrTwo) {
    options.gsModuleHow = "309+.7123E56";
    options.gsProcsHow = "11102 45";
    options.gsLocalHow = "45312";
    sbRestoreOptions(c, options);
    EXPECT_EQ(c["lstOrderLocal_0"].Items, (V{"Const", "Variable Declaration", "Data Type"}));
    EXPECT_EQ(c["lstOrderProcs_2"].Items, (V{"Public", "Public", "Public"}));
    sbSaveOptions(c, options);
    EXPECT_EQ(options.gsModuleHow, "109+.7123E56");
    EXPECT_EQ(options.gsProcsHow, "11102 45");
    EXPECT_EQ(options.gsLocalHow, "45312");
}

}  // namespace
