#include "options/OrderCodes.h"

#include "platform/KeyCodes.h"

namespace {

using Table = std::vector<const char*>;  // captions of codes 1, 2, ...

const Table kScope = {"Public", "Private", "Friend"};
const Table kModuleKeys = {"Scope", "Variable Name", "Data Type", "Declaration Type"};
const Table kModuleTypes = {"Const",      "Type Structure",     "Variable Declaration", "Conditional Compile Block",
                            "Declare Statements", "Event Declarations", "Enumerations"};
// Procedures and local declarations share one table between their sort
// keys and their type sequence.
const Table kProcs = {"Scope", "Name", "Proc Type", "User Defined", "Event"};
const Table kLocal = {"Declaration Type", "Variable Name", "Data Type", "Const", "Variable Declaration"};

const Table& TableOf(OrderListId list) {
    switch (list) {
        case OrderListId::DeclKeys: return kModuleKeys;
        case OrderListId::DeclTypes: return kModuleTypes;
        case OrderListId::DeclScope:
        case OrderListId::ProcScope: return kScope;
        case OrderListId::ProcKeys:
        case OrderListId::ProcTypes: return kProcs;
        case OrderListId::LocalKeys:
        case OrderListId::LocalTypes: break;
    }
    return kLocal;
}

// Positions first..last (1-based) of how, each as an entry of the list.
void Fill(OrderList& lst, OrderListId id, const std::string& how, size_t first, size_t last) {
    for (size_t pos = first; pos <= last && pos <= how.size(); ++pos) {
        const char code = how[pos - 1];
        lst.Entries.push_back({OrderCaption(id, code), code});
    }
}

bool Move(OrderList& lst, int to) {
    const int from = lst.Selected;
    const int count = static_cast<int>(lst.Entries.size());
    if (from < 0 || from >= count || to < 0 || to >= count) return false;
    const OrderEntry entry = lst.Entries[static_cast<size_t>(from)];
    lst.Entries.erase(lst.Entries.begin() + from);
    lst.Entries.insert(lst.Entries.begin() + to, entry);
    lst.Selected = to;
    return true;
}

struct ControlRow {
    OrderListId List;
    OrderListControl Control;
};
const ControlRow kControls[kOrderListCount] = {
    {OrderListId::DeclKeys, {"lstOrderDeclarations", 0}}, {OrderListId::DeclTypes, {"lstOrderDeclarations", 1}},
    {OrderListId::DeclScope, {"lstOrderDeclarations", 2}}, {OrderListId::ProcKeys, {"lstOrderProcs", 0}},
    {OrderListId::ProcTypes, {"lstOrderProcs", 1}},         {OrderListId::ProcScope, {"lstOrderProcs", 2}},
    {OrderListId::LocalKeys, {"lstOrderLocal", 0}},         {OrderListId::LocalTypes, {"lstOrderLocal", 1}},
};

}  // namespace

std::string OrderList::Codes() const {
    std::string codes;
    for (const OrderEntry& e : Entries) codes += e.Code;
    return codes;
}

std::string OrderCaption(OrderListId list, char code) {
    const Table& table = TableOf(list);
    if (code >= '1' && static_cast<size_t>(code - '1') < table.size()) return table[static_cast<size_t>(code - '1')];
    return std::string("(unknown code \"") + code + "\")";
}

OrderLists RestoreOrder(const OrderStrings& how) {
    OrderLists lists;
    OrderList& declScope = lists[OrderListId::DeclScope];
    if (!how.ModuleHow.empty() && how.ModuleHow[0] == '2')
        declScope.Entries = {{"Private", '2'}, {"Public", '1'}};
    else
        declScope.Entries = {{"Public", '1'}, {"Private", '2'}};
    Fill(lists[OrderListId::ProcScope], OrderListId::ProcScope, how.ProcsHow, 1, 3);
    Fill(lists[OrderListId::LocalKeys], OrderListId::LocalKeys, how.LocalHow, 1, 3);
    Fill(lists[OrderListId::LocalTypes], OrderListId::LocalTypes, how.LocalHow, 4, 5);
    Fill(lists[OrderListId::ProcKeys], OrderListId::ProcKeys, how.ProcsHow, 4, 6);
    Fill(lists[OrderListId::ProcTypes], OrderListId::ProcTypes, how.ProcsHow, 7, 8);
    Fill(lists[OrderListId::DeclKeys], OrderListId::DeclKeys, how.ModuleHow, 2, 5);
    Fill(lists[OrderListId::DeclTypes], OrderListId::DeclTypes, how.ModuleHow, 6, 12);
    for (OrderList& lst : lists.Lists) lst.Selected = lst.Entries.empty() ? -1 : 0;
    return lists;
}

OrderStrings SaveOrder(const OrderLists& lists) {
    OrderStrings how;
    how.LocalHow = lists[OrderListId::LocalKeys].Codes() + lists[OrderListId::LocalTypes].Codes();
    how.ProcsHow = lists[OrderListId::ProcScope].Codes() + lists[OrderListId::ProcKeys].Codes() +
                   lists[OrderListId::ProcTypes].Codes();
    const OrderList& declScope = lists[OrderListId::DeclScope];
    const char scope = declScope.Entries.empty() ? '1' : declScope.Entries.front().Code;
    how.ModuleHow = std::string(1, scope) + lists[OrderListId::DeclKeys].Codes() + lists[OrderListId::DeclTypes].Codes();
    return how;
}

bool MoveUp(OrderList& lst) { return lst.Selected >= 1 && Move(lst, lst.Selected - 1); }

bool MoveDown(OrderList& lst) { return lst.Selected >= 0 && Move(lst, lst.Selected + 1); }

OrderListControl OrderListControlOf(OrderListId list) { return kControls[static_cast<size_t>(list)].Control; }

bool OrderListOfControl(const std::string& base, int index, OrderListId& list) {
    for (const ControlRow& row : kControls)
        if (base == row.Control.Base && index == row.Control.Index) {
            list = row.List;
            return true;
        }
    return false;
}

bool OrderListOfArrow(int arrowIndex, OrderListId& list) {
    // Arrows come in pairs beside their list: 0..5 the module lists, 10..15
    // the procedure lists, 20..23 the local lists, each group in the order
    // of the lists' own indices.
    const int group = arrowIndex / 10;
    const int pair = (arrowIndex % 10) / 2;
    if (arrowIndex < 0 || group > 2 || pair > (group == 2 ? 1 : 2)) return false;
    static const char* const kBases[3] = {"lstOrderDeclarations", "lstOrderProcs", "lstOrderLocal"};
    return OrderListOfControl(kBases[group], pair, list);
}

OrderMove OrderArrowClick(OrderLists& lists, int arrowIndex) {
    OrderListId id;
    if (!OrderListOfArrow(arrowIndex, id)) return OrderMove::None;
    const bool moved = arrowIndex % 2 == 0 ? MoveUp(lists[id]) : MoveDown(lists[id]);
    return moved ? OrderMove::Moved : OrderMove::Refused;
}

OrderMove OrderListKeyDown(OrderList& lst, int& keyCode, int shift) {
    if (shift != vbkey::vbCtrlMask) return OrderMove::None;
    OrderMove result = OrderMove::None;
    if (keyCode == vbkey::vbKeyUp) result = MoveUp(lst) ? OrderMove::Moved : OrderMove::Refused;
    else if (keyCode == vbkey::vbKeyDown) result = MoveDown(lst) ? OrderMove::Moved : OrderMove::Refused;
    keyCode = 0;
    return result;
}
