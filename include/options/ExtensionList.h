#pragma once
// The four extension lists of the Selection page (project, designer, code,
// resource script), without any window: adding a typed extension, removing
// one, and the extensions each dialect brings. The refusals reach the user
// through the UI services (beep, message box) and the page's message label.
#include <string>
#include <vector>

enum class ExtensionListIndex { Project = 0, Designer = 1, Code = 2, ResourceScript = 3 };

// One list with the text line above it.
struct ExtensionList {
    std::vector<std::string> Items;
    int Selected = -1;  // -1: no entry selected
    std::string Text;   // the text line
};

// The characters that no file name, and so no extension, may hold; "|" also
// separates the entries in the settings file.
bool HoldsForbiddenExtensionCharacter(const std::string& text);

// What adding or removing did, for the window to show.
struct ExtensionEditResult {
    // The refusal for the page's message label; empty when none.
    std::string Message;
    // The entry was refused: the focus goes back to the text line (and
    // oDebug->StatusCode is 4).
    bool Refused = false;
};

// Adds the trimmed text line of list `index` in upper case (leaving the line
// or pressing Enter). Refused: a wild card in a project extension, a
// character no file name may hold, or an entry already in the list (that
// one with the "Duplicate Entry" message box, which also empties the line).
// An empty line does nothing.
ExtensionEditResult AddTypedExtension(ExtensionList& list, ExtensionListIndex index);

// Removes the selected entry and empties the text line (a double click or
// Delete). The last entry is never removed: the message says so and the
// system beeps. With no entry selected nothing happens.
ExtensionEditResult RemoveSelectedExtension(ExtensionList& list);

// Makes sure the lists hold the extensions that dialect `dialect` (3 to 6)
// introduced; appends the missing ones, removes nothing.
void EnsureDialectExtensions(std::vector<ExtensionList*> lists, int dialect);
