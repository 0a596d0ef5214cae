#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "options/OrderCodes.h"

namespace {

const OrderStrings kDefaults = {"113427123456", "13232145", "12345"};

std::vector<std::string> Captions(const OrderList& lst) {
    std::vector<std::string> out;
    for (const OrderEntry& e : lst.Entries) out.push_back(e.Caption);
    return out;
}

using V = std::vector<std::string>;

TEST(OrderCodesTest, DefaultsShowTheirEntriesFirstSelectedAndWriteBackUnchanged) {
    const OrderLists lists = RestoreOrder(kDefaults);
    EXPECT_EQ(Captions(lists[OrderListId::DeclScope]), (V{"Public", "Private"}));
    EXPECT_EQ(Captions(lists[OrderListId::DeclKeys]), (V{"Scope", "Data Type", "Declaration Type", "Variable Name"}));
    EXPECT_EQ(Captions(lists[OrderListId::DeclTypes]),
              (V{"Enumerations", "Const", "Type Structure", "Variable Declaration", "Conditional Compile Block",
                 "Declare Statements", "Event Declarations"}));
    EXPECT_EQ(Captions(lists[OrderListId::ProcScope]), (V{"Public", "Friend", "Private"}));
    EXPECT_EQ(Captions(lists[OrderListId::ProcKeys]), (V{"Proc Type", "Name", "Scope"}));
    EXPECT_EQ(Captions(lists[OrderListId::ProcTypes]), (V{"User Defined", "Event"}));
    EXPECT_EQ(Captions(lists[OrderListId::LocalKeys]), (V{"Declaration Type", "Variable Name", "Data Type"}));
    EXPECT_EQ(Captions(lists[OrderListId::LocalTypes]), (V{"Const", "Variable Declaration"}));
    for (const OrderList& lst : lists.Lists) EXPECT_EQ(lst.Selected, 0);
    EXPECT_EQ(SaveOrder(lists), kDefaults);
}

// Stored strings the loader accepts, what a list shows of them and what is
// written back when nothing was moved. Codes outside a list's table show as
// placeholders that keep their character, so the string survives.
TEST(OrderCodesTest, StoredStringsShowThroughTheirTablesAndRoundTrip) {
    struct Case {
        const char* name;
        OrderStrings stored;
        OrderListId list;
        V shown;
        OrderStrings written;
    };
    const Case cases[] = {
        {"module scope 2 puts Private on top", {"213427123456", "13232145", "12345"}, OrderListId::DeclScope,
         {"Private", "Public"}, {"213427123456", "13232145", "12345"}},
        {"module scope 3 shows Public first and is written as 1", {"313427123456", "13232145", "12345"},
         OrderListId::DeclScope, {"Public", "Private"}, {"113427123456", "13232145", "12345"}},
        {"procedure scope 111 shows Public three times", {"113427123456", "11132145", "12345"},
         OrderListId::ProcScope, {"Public", "Public", "Public"}, {"113427123456", "11132145", "12345"}},
        {"local codes of the other half show under their own captions", {"113427123456", "13232145", "45312"},
         OrderListId::LocalKeys, {"Const", "Variable Declaration", "Data Type"},
         {"113427123456", "13232145", "45312"}},
        {"local type sequence from sort-key codes", {"113427123456", "13232145", "45312"}, OrderListId::LocalTypes,
         {"Declaration Type", "Variable Name"}, {"113427123456", "13232145", "45312"}},
        {"module key codes 0, 9, sign and point", {"109+.7123456", "13232145", "12345"}, OrderListId::DeclKeys,
         {"(unknown code \"0\")", "(unknown code \"9\")", "(unknown code \"+\")", "(unknown code \".\")"},
         {"109+.7123456", "13232145", "12345"}},
        {"module type codes 8, 0 and exponent", {"1134278E0456", "13232145", "12345"}, OrderListId::DeclTypes,
         {"Enumerations", "(unknown code \"8\")", "(unknown code \"E\")", "(unknown code \"0\")",
          "Conditional Compile Block", "Declare Statements", "Event Declarations"},
         {"1134278E0456", "13232145", "12345"}},
        {"procedure scope 4 and blank", {"113427123456", "4 1  645", "12345"}, OrderListId::ProcScope,
         {"(unknown code \"4\")", "(unknown code \" \")", "Public"}, {"113427123456", "4 1  645", "12345"}},
        {"procedure keys blank and 6", {"113427123456", "4 1  645", "12345"}, OrderListId::ProcKeys,
         {"(unknown code \" \")", "(unknown code \" \")", "(unknown code \"6\")"},
         {"113427123456", "4 1  645", "12345"}},
        {"local code 6", {"113427123456", "13232145", "12346"}, OrderListId::LocalTypes,
         {"Const", "(unknown code \"6\")"}, {"113427123456", "13232145", "12346"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OrderLists lists = RestoreOrder(c.stored);
        EXPECT_EQ(Captions(lists[c.list]), c.shown);
        EXPECT_EQ(SaveOrder(lists), c.written);
    }
}

TEST(OrderCodesTest, ShortStringsGiveShorterListsWithoutFailing) {
    const OrderLists lists = RestoreOrder({"", "13", "1"});
    EXPECT_EQ(Captions(lists[OrderListId::DeclScope]), (V{"Public", "Private"}));
    EXPECT_TRUE(lists[OrderListId::DeclKeys].Entries.empty());
    EXPECT_EQ(lists[OrderListId::DeclKeys].Selected, -1);
    EXPECT_EQ(Captions(lists[OrderListId::ProcScope]), (V{"Public", "Friend"}));
    EXPECT_EQ(SaveOrder(lists), (OrderStrings{"1", "13", "1"}));
}

TEST(OrderCodesTest, MovesCarryTheCodeAndTheSelection) {
    OrderLists lists = RestoreOrder(kDefaults);
    OrderList& scope = lists[OrderListId::DeclScope];
    scope.Selected = 1;
    EXPECT_TRUE(MoveUp(scope));
    EXPECT_EQ(scope.Selected, 0);
    EXPECT_EQ(SaveOrder(lists).ModuleHow, "213427123456");
    EXPECT_TRUE(MoveDown(scope));
    EXPECT_EQ(scope.Selected, 1);
    EXPECT_EQ(SaveOrder(lists).ModuleHow, "113427123456");

    OrderList& types = lists[OrderListId::DeclTypes];
    types.Selected = 3;
    EXPECT_TRUE(MoveDown(types));
    EXPECT_EQ(types.Entries[4], (OrderEntry{"Variable Declaration", '3'}));
    EXPECT_EQ(types.Selected, 4);
    EXPECT_EQ(SaveOrder(lists).ModuleHow, "113427124356");

    // An unknown code moves like any other and keeps its character.
    OrderLists odd = RestoreOrder({"113427123456", "13232145", "12 45"});
    OrderList& keys = odd[OrderListId::LocalKeys];
    keys.Selected = 2;
    EXPECT_TRUE(MoveUp(keys));
    EXPECT_EQ(SaveOrder(odd).LocalHow, "1 245");
}

TEST(OrderCodesTest, MovesPastTheEndsOrWithoutSelectionChangeNothing) {
    struct Case {
        const char* name;
        int selected;
        bool up;
    };
    const Case cases[] = {{"top up", 0, true}, {"bottom down", 2, false}, {"none up", -1, true},
                          {"none down", -1, false}, {"beyond the list", 5, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OrderLists lists = RestoreOrder(kDefaults);
        OrderList& lst = lists[OrderListId::ProcScope];
        lst.Selected = c.selected;
        EXPECT_FALSE(c.up ? MoveUp(lst) : MoveDown(lst));
        EXPECT_EQ(lst.Codes(), "132");
        EXPECT_EQ(lst.Selected, c.selected);
    }
}

TEST(OrderCodesTest, ArrowsMoveInTheirListUpForEvenDownForOdd) {
    struct Case {
        int arrow;
        OrderListId list;
    };
    const Case cases[] = {
        {0, OrderListId::DeclKeys},   {2, OrderListId::DeclTypes},  {4, OrderListId::DeclScope},
        {10, OrderListId::ProcKeys},  {12, OrderListId::ProcTypes}, {14, OrderListId::ProcScope},
        {20, OrderListId::LocalKeys}, {22, OrderListId::LocalTypes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arrow);
        OrderLists lists = RestoreOrder(kDefaults);
        const std::string before = lists[c.list].Codes();
        // The first entry cannot go up; down it goes, and back up.
        EXPECT_EQ(OrderArrowClick(lists, c.arrow), OrderMove::Refused);
        EXPECT_EQ(OrderArrowClick(lists, c.arrow + 1), OrderMove::Moved);
        EXPECT_EQ(lists[c.list].Selected, 1);
        EXPECT_EQ(lists[c.list].Codes().substr(0, 2), (std::string{before[1], before[0]}));
        EXPECT_EQ(OrderArrowClick(lists, c.arrow), OrderMove::Moved);
        EXPECT_EQ(lists[c.list].Codes(), before);
    }
    OrderLists lists = RestoreOrder(kDefaults);
    for (int missing : {-1, 6, 7, 9, 16, 19, 24, 30}) {
        SCOPED_TRACE(missing);
        EXPECT_EQ(OrderArrowClick(lists, missing), OrderMove::None);
    }
    EXPECT_EQ(SaveOrder(lists), kDefaults);
}

TEST(OrderCodesTest, OnlyCtrlAloneMovesAndEveryCtrlKeyIsSwallowed) {
    using namespace vbkey;
    struct Case {
        const char* name;
        int key;
        int shift;
        OrderMove result;
        int keyAfter;
        const char* codes;
    };
    const Case cases[] = {
        {"Ctrl+Down", vbKeyDown, vbCtrlMask, OrderMove::Moved, 0, "312"},
        {"Ctrl+Up on the first entry", vbKeyUp, vbCtrlMask, OrderMove::Refused, 0, "132"},
        {"Ctrl+Home swallowed", vbKeyHome, vbCtrlMask, OrderMove::None, 0, "132"},
        {"Down alone goes to the list", vbKeyDown, 0, OrderMove::None, vbKeyDown, "132"},
        {"Ctrl+Shift+Down", vbKeyDown, vbCtrlMask | vbShiftMask, OrderMove::None, vbKeyDown, "132"},
        {"Ctrl+Alt+Down", vbKeyDown, vbCtrlMask | vbAltMask, OrderMove::None, vbKeyDown, "132"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OrderLists lists = RestoreOrder(kDefaults);
        int key = c.key;
        EXPECT_EQ(OrderListKeyDown(lists[OrderListId::ProcScope], key, c.shift), c.result);
        EXPECT_EQ(key, c.keyAfter);
        EXPECT_EQ(lists[OrderListId::ProcScope].Codes(), c.codes);
    }
}

TEST(OrderCodesTest, KeysWorkInEveryListThroughItsControl) {
    struct Case {
        const char* base;
        int index;
    };
    const Case cases[] = {{"lstOrderDeclarations", 0}, {"lstOrderDeclarations", 1}, {"lstOrderDeclarations", 2},
                          {"lstOrderProcs", 0},        {"lstOrderProcs", 1},        {"lstOrderProcs", 2},
                          {"lstOrderLocal", 0},        {"lstOrderLocal", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.base) + std::to_string(c.index));
        OrderListId id;
        ASSERT_TRUE(OrderListOfControl(c.base, c.index, id));
        EXPECT_EQ(OrderListControlOf(id).Base, std::string(c.base));
        EXPECT_EQ(OrderListControlOf(id).Index, c.index);
        OrderLists lists = RestoreOrder(kDefaults);
        OrderList& lst = lists[id];
        lst.Selected = static_cast<int>(lst.Entries.size()) - 1;
        int key = vbkey::vbKeyDown;
        EXPECT_EQ(OrderListKeyDown(lst, key, vbkey::vbCtrlMask), OrderMove::Refused);
        key = vbkey::vbKeyUp;
        EXPECT_EQ(OrderListKeyDown(lst, key, vbkey::vbCtrlMask), OrderMove::Moved);
        EXPECT_EQ(lst.Selected, static_cast<int>(lst.Entries.size()) - 2);
        EXPECT_NE(SaveOrder(lists), kDefaults);
    }
    OrderListId id;
    EXPECT_FALSE(OrderListOfControl("lstOrderLocal", 2, id));
    EXPECT_FALSE(OrderListOfControl("cboExtension", 0, id));
}

}  // namespace
