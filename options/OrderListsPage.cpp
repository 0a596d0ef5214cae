#include "options/OrderListsPage.h"

#include "common/ErrorTrap.h"
#include "options/OptionsChanged.h"
#include "platform/UiServices.h"

namespace {

std::string NameOf(OrderListId id) {
    const OrderListControl ctl = OrderListControlOf(id);
    return OptionControls::NameOf(ctl.Base, ctl.Index);
}

OrderList ToOrderList(const Control& ctl) {
    OrderList lst;
    for (size_t i = 0; i < ctl.Items.size(); ++i)
        lst.Entries.push_back({ctl.Items[i], i < ctl.ItemCodes.size() ? ctl.ItemCodes[i] : '0'});
    lst.Selected = ctl.ListIndex;
    return lst;
}

void Show(Control& ctl, const OrderList& lst) {
    ctl.Items.clear();
    ctl.ItemCodes.clear();
    for (const OrderEntry& e : lst.Entries) {
        ctl.Items.push_back(e.Caption);
        ctl.ItemCodes += e.Code;
    }
    ctl.ListIndex = lst.Selected;
}

OrderLists ToOrderLists(const OptionControls& c) {
    OrderLists lists;
    for (int i = 0; i < kOrderListCount; ++i) {
        const auto id = static_cast<OrderListId>(i);
        lists[id] = ToOrderList(c[NameOf(id)]);
    }
    return lists;
}

// Every move, made or refused, is an edit of the dialog; a refused one beeps.
void Moved(OrderMove move) {
    if (move == OrderMove::None) return;
    if (move == OrderMove::Refused) Ui().Beep();
    gblnOptionsChanged = true;
}

}  // namespace

void sbRestoreOrder(OptionControls& c, const ZelkOptions& options) {
    Trapped("sbRestoreOrder", [&] {
        const OrderLists lists = RestoreOrder({options.gsModuleHow, options.gsProcsHow, options.gsLocalHow});
        for (int i = 0; i < kOrderListCount; ++i) {
            const auto id = static_cast<OrderListId>(i);
            Show(c[NameOf(id)], lists[id]);
        }
    });
}

OrderStrings OrderStringsOf(const OptionControls& c) { return SaveOrder(ToOrderLists(c)); }

std::string OrderListNameOfArrow(int index) {
    OrderListId id;
    return OrderListOfArrow(index, id) ? NameOf(id) : std::string();
}

void imgMove_Click(OptionControls& c, int index) {
    const std::string name = OrderListNameOfArrow(index);
    if (name.empty()) return;
    Trapped(index % 2 == 0 ? "MoveUp" : "MoveDown", [&] {
        OrderList lst = ToOrderList(c[name]);
        const bool moved = index % 2 == 0 ? MoveUp(lst) : MoveDown(lst);
        Show(c[name], lst);
        Moved(moved ? OrderMove::Moved : OrderMove::Refused);
    });
}

void lstOrder_KeyDown(OptionControls& c, const std::string& listName, int& keyCode, int shift) {
    Control& ctl = c[listName];
    OrderList lst = ToOrderList(ctl);
    const OrderMove move = OrderListKeyDown(lst, keyCode, shift);
    Show(ctl, lst);
    Moved(move);
}
