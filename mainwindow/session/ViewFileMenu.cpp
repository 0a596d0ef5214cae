// The View menu's list of the session's files: item k stands for the file
// at position k + 1 of oFile.
#include "session/SessionCommands.h"
#include "session/SessionWindow.h"
#include "common/Trace.h"
#include "common/mKEMCommon.h"

namespace {

// A project's list shows eight items at most; with more files the eighth
// opens the Files window.
constexpr long kProjectListItems = 8;

std::string ItemCaption(long position) { return std::to_string(position) + ": " + oFile->Item(position).FileName; }

// Item `item` from 1 on is loaded as a copy of item 0 and unchecked.
void LoadItem(ISessionWindow& w, int item) {
    w.LoadViewFileItem(item);
    w.SetViewFileChecked(item, false);
}

}  // namespace

void sbViewMenuForFiles(ISessionWindow& w) {
    TraceGuard trace(TraceKind::App, "sbViewMenuForFiles(frmZelker)");
    w.SetVisible("mnuViewDash2", true);
    w.SetVisible("mnuViewFile_0", true);
    w.SetViewFileChecked(0, true);
    for (long position = 1; position <= oFile->Count(); ++position) {
        const int item = static_cast<int>(position - 1);
        if (position > 1) LoadItem(w, item);
        w.SetViewFileCaption(item, ItemCaption(position));
    }
}

void LoadViewMenu(ISessionWindow& w) {
    TraceGuard trace(TraceKind::App, "LoadViewMenu(frmZelker)");
    const long count = oFile->Count();
    const long items = count <= kProjectListItems ? count : kProjectListItems;
    for (long position = 1; position <= items; ++position) {
        const int item = static_cast<int>(position - 1);
        if (position > 1) LoadItem(w, item);
        if (count > kProjectListItems && position == kProjectListItems) {
            w.SetViewFileCaption(item, "&More Files ... ");
            w.SetVisible("mnuViewFile_" + std::to_string(item), true);
            break;
        }
        w.SetViewFileCaption(item, ItemCaption(position));
        w.SetVisible("mnuViewFile_" + std::to_string(item), true);
    }
}
