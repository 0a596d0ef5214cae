#include "options/ExtensionList.h"

#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

// Extensions in the order a dialect ensures them.
struct DialectEntry {
    ExtensionListIndex List;
    const char* Extension;
};
const std::vector<DialectEntry> kDialect4 = {{ExtensionListIndex::Code, "CLS"}, {ExtensionListIndex::Project, "VBP"}};
const std::vector<DialectEntry> kDialect5 = {
    {ExtensionListIndex::Code, "CLS"},     {ExtensionListIndex::Project, "VBP"},  {ExtensionListIndex::Designer, "CTL"},
    {ExtensionListIndex::Designer, "DOB"}, {ExtensionListIndex::Designer, "PAG"}, {ExtensionListIndex::Project, "VBG"}};
const std::vector<DialectEntry> kDialect6 = {
    {ExtensionListIndex::Code, "CLS"}, {ExtensionListIndex::Project, "VBP"}, {ExtensionListIndex::Designer, "DSR"}};

void Refuse(ExtensionEditResult& r, const std::string& message) {
    r.Message = message;
    Ui().Beep();
}

}  // namespace

bool HoldsForbiddenExtensionCharacter(const std::string& text) {
    return text.find_first_of("\\/:*?\"<>|") != std::string::npos;
}

ExtensionEditResult AddTypedExtension(ExtensionList& list, ExtensionListIndex index) {
    ExtensionEditResult r;
    const std::string trimmed = vb::Trim(list.Text);
    if (trimmed.empty()) return r;
    if (index == ExtensionListIndex::Project && trimmed.find_first_of("*?") != std::string::npos)
        Refuse(r, "Project-file extension may not contain wild-card characters.");
    else if (HoldsForbiddenExtensionCharacter(trimmed))
        Refuse(r, "Invalid File-extension.");
    r.Refused = !r.Message.empty();

    const std::string upper = vb::UCase(trimmed);
    for (const std::string& item : list.Items)
        if (item == upper) {
            Ui().MsgBox(list.Text + " has already been entered. ", mb::vbOKOnly | mb::vbExclamation, "Duplicate Entry");
            list.Text.clear();
            r.Refused = true;
            break;
        }

    if (r.Refused) {
        oDebug->StatusCode = 4;
        return r;
    }
    list.Items.push_back(upper);
    list.Text.clear();
    return r;
}

ExtensionEditResult RemoveSelectedExtension(ExtensionList& list) {
    ExtensionEditResult r;
    if (list.Items.size() <= 1) {
        Refuse(r, "You may not remove all File-extensions from the list.");
        return r;
    }
    if (list.Selected < 0 || static_cast<size_t>(list.Selected) >= list.Items.size()) return r;
    list.Items.erase(list.Items.begin() + list.Selected);
    list.Selected = -1;
    list.Text.clear();
    return r;
}

void EnsureDialectExtensions(std::vector<ExtensionList*> lists, int dialect) {
    const std::vector<DialectEntry>* entries = nullptr;
    if (dialect == 4) entries = &kDialect4;
    else if (dialect == 5) entries = &kDialect5;
    else if (dialect == 6) entries = &kDialect6;
    if (!entries) return;
    for (const DialectEntry& e : *entries) {
        const size_t at = static_cast<size_t>(e.List);
        if (at >= lists.size() || !lists[at]) continue;
        std::vector<std::string>& items = lists[at]->Items;
        bool present = false;
        for (const std::string& item : items) present = present || item == e.Extension;
        if (!present) items.push_back(e.Extension);
    }
}
