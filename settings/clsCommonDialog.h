#pragma once
// The shared file-dialog object. The settings keep the filter the Open
// dialog offers first; the dialogs themselves are added with the session.
#include <memory>

class clsCommonDialog {
public:
    // 1-based number of the filter pair shown first.
    int FilterIndex = 1;
};

// Created by the start-up before the settings load.
inline std::unique_ptr<clsCommonDialog> oCommonDialog;
