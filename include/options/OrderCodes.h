#pragma once
// The order codes of [Arrange Declares] and the eight order lists of the
// Arrange page, without any window. Each of ModuleHow, ProcsHow and LocalHow
// is a string of one-character codes; each run of positions is one list, the
// k-th position its k-th entry from the top. The lists only reorder the codes
// they were filled with, so the strings written back keep their length.
#include <array>
#include <string>
#include <vector>

// The eight lists, valued as their place in OrderLists::Lists.
enum class OrderListId {
    DeclKeys,    // lstOrderDeclarations(0): ModuleHow 2..5
    DeclTypes,   // lstOrderDeclarations(1): ModuleHow 6..12
    DeclScope,   // lstOrderDeclarations(2): ModuleHow 1
    ProcKeys,    // lstOrderProcs(0): ProcsHow 4..6
    ProcTypes,   // lstOrderProcs(1): ProcsHow 7..8
    ProcScope,   // lstOrderProcs(2): ProcsHow 1..3
    LocalKeys,   // lstOrderLocal(0): LocalHow 1..3
    LocalTypes,  // lstOrderLocal(1): LocalHow 4..5
};
constexpr int kOrderListCount = 8;

struct OrderEntry {
    std::string Caption;
    // The code character as stored. A character that is no code of the
    // list's table is kept as it is, so that writing back loses nothing.
    char Code = '0';
    bool operator==(const OrderEntry&) const = default;
};

struct OrderList {
    std::vector<OrderEntry> Entries;
    int Selected = -1;  // -1: no entry selected
    std::string Codes() const;
};

struct OrderStrings {
    std::string ModuleHow;
    std::string ProcsHow;
    std::string LocalHow;
    bool operator==(const OrderStrings&) const = default;
};

struct OrderLists {
    std::array<OrderList, kOrderListCount> Lists;
    OrderList& operator[](OrderListId id) { return Lists[static_cast<size_t>(id)]; }
    const OrderList& operator[](OrderListId id) const { return Lists[static_cast<size_t>(id)]; }
};

// The caption of a code in a list's table. A character outside the table
// gets a placeholder caption that shows the character, so that a hand-edited
// setting is visible and never stops the dialog.
std::string OrderCaption(OrderListId list, char code);

// Fills the eight lists from the three strings, each with its first entry
// selected. The module scope list always holds Public and Private: Private
// on top only when ModuleHow starts with "2". Positions missing from a short
// string give no entry.
OrderLists RestoreOrder(const OrderStrings& how);

// The three strings from the lists, entries top to bottom. ModuleHow starts
// with the code of the module scope list's top entry only ("1" or "2").
OrderStrings SaveOrder(const OrderLists& lists);

// Move the selected entry one place, keeping its code, and select it there.
// False (and nothing moves) for the top entry up, the bottom entry down or
// no selection; the caller beeps then. Either way the move counts as an
// edit of the dialog.
bool MoveUp(OrderList& lst);
bool MoveDown(OrderList& lst);

// The control a list is shown in: "lstOrderDeclarations", "lstOrderProcs"
// or "lstOrderLocal" with its index.
struct OrderListControl {
    const char* Base;
    int Index;
};
OrderListControl OrderListControlOf(OrderListId list);
// The list of a control; false for a name or index that is no order list.
bool OrderListOfControl(const std::string& base, int index, OrderListId& list);

// The list an arrow image (imgMove index) moves in; false for an index that
// has no arrow. Even indices are up arrows, odd ones down arrows.
bool OrderListOfArrow(int arrowIndex, OrderListId& list);

// What an arrow click or a key in an order list did.
enum class OrderMove {
    None,    // not a move: the key goes on to the list as usual
    Moved,   // an entry moved
    Refused  // a move that could not be made: beep
};

// A click on arrow image arrowIndex; None for an index with no arrow.
OrderMove OrderArrowClick(OrderLists& lists, int arrowIndex);

// A key pressed in an order list. Only Ctrl alone acts: Ctrl+Up and Ctrl+Down
// move the selected entry, and every key with Ctrl alone is swallowed
// (keyCode set to 0) so the list does not act on it as well.
OrderMove OrderListKeyDown(OrderList& lst, int& keyCode, int shift);
