#include "options/ExtensionPage.h"

#include "common/ErrorTrap.h"
#include "options/ExtensionList.h"
#include "platform/KeyCodes.h"
#include "options/OptionsChanged.h"
#include "common/Trace.h"
#include "common/cLog.h"
#include "common/mKEMCommon.h"

namespace {

const std::string kForm = "(frmZelOptions)";

std::string ListName(int index) { return OptionControls::NameOf("cboExtension", index); }

// The handlers that log which list raised them.
template <class F>
void TracedWithIndex(const std::string& name, int index, F&& body) {
    TraceGuard trace(TraceKind::Events, name + kForm);
    if (TraceOn(TraceKind::Events)) oLog->LogData("Index=" + std::to_string(index));
    Trapped(name + kForm, body);
}

ExtensionList ToList(const Control& ctl) { return {ctl.Items, ctl.ListIndex, ctl.Text}; }

// Puts an edited list back; a changed text line raises the list's Change
// (which empties lblMessage), so the message is shown after it.
void Show(OptionControls& c, int index, const ExtensionList& list, const ExtensionEditResult& r) {
    const std::string name = ListName(index);
    Control& ctl = c[name];
    if (ctl.Items != list.Items) gblnOptionsChanged = true;
    ctl.Items = list.Items;
    ctl.ListIndex = list.Selected;
    c.SetText(name, list.Text);
    if (!r.Message.empty()) c.SetCaption("lblMessage", r.Message);
    if (r.Refused) c.RequestFocus(name);
}

}  // namespace

void cboExtension_Change(OptionControls& c, int index) {
    TracedWithIndex("cboExtension_Change", index, [&] {
        c.SetCaption("lblMessage", "");
        gblnOptionsChanged = true;
    });
}

void cboExtension_DblClick(OptionControls& c, int index) {
    TracedWithIndex("cboExtension_DblClick", index, [&] {
        ExtensionList list = ToList(c[ListName(index)]);
        const ExtensionEditResult r = RemoveSelectedExtension(list);
        if (r.Message.empty()) c.SetCaption("lblMessage", "");
        Show(c, index, list, r);
    });
}

void cboExtension_KeyDown(OptionControls& c, int index, int keyCode, int) {
    TraceGuard trace(TraceKind::Events, "cboExtension_KeyDown" + kForm);
    if (keyCode == vbkey::vbKeyDelete && c[ListName(index)].ListIndex >= 0) cboExtension_DblClick(c, index);
}

void cboExtension_KeyPress(OptionControls& c, int index, int keyAscii) {
    TracedWithIndex("cboExtension_KeyPress", index, [&] {
        if (keyAscii == 13) cboExtension_LostFocus(c, index);
    });
}

void cboExtension_LostFocus(OptionControls& c, int index) {
    TracedWithIndex("cboExtension_LostFocus", index, [&] {
        ExtensionList list = ToList(c[ListName(index)]);
        const ExtensionEditResult r = AddTypedExtension(list, static_cast<ExtensionListIndex>(index));
        Show(c, index, list, r);
    });
}

void optDialect_Click(OptionControls& c, int index) {
    TraceGuard trace(TraceKind::Events, "optDialect_Click" + kForm);
    gblnOptionsChanged = true;
    ExtensionList lists[4];
    std::vector<ExtensionList*> pointers;
    for (int i = 0; i < 4; ++i) {
        lists[i] = ToList(c[ListName(i)]);
        pointers.push_back(&lists[i]);
    }
    EnsureDialectExtensions(pointers, index);
    for (int i = 0; i < 4; ++i) c[ListName(i)].Items = lists[i].Items;
}
