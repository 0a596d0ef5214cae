#pragma once
// What the recent-file list needs of the window that shows it: the File
// menu's items mnuFileMRU 1 to 7. The main window implements it.
#include <string>

class IMRUMenu {
public:
    virtual ~IMRUMenu() = default;
    // Sets the caption of recent-file item `item` (1 to 7).
    virtual void SetMRUCaption(int item, const std::string& caption) = 0;
    // Makes recent-file item `item` visible; no item is hidden again.
    virtual void ShowMRUItem(int item) = 0;
};
