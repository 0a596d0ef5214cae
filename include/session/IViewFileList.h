#pragma once
// The View menu's list of session files (mnuViewFile), as the session's
// logic marks the current file in it. Item k stands for the file at position
// k + 1 of oFile; the list may hold fewer items than the session has files.
// The main window implements it.
class IViewFileList {
public:
    virtual ~IViewFileList() = default;
    // Sets or clears the check mark of item `item`; false when the list has
    // no such item.
    virtual bool SetViewFileChecked(int item, bool checked) = 0;
};
