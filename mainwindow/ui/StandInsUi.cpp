#include "StandInsUi.h"

#include <QAction>

#include "AnsiText.h"
#include "StandIns.h"
#include "frmZelker.h"

// The recent-file entries with the names the list holds (none until the list
// is kept).
void sbShowMRUMenu(frmZelker* form) {
    for (int i = 1; i <= 7; ++i) {
        QAction* item = form->Menu("mnuFileMRU_" + std::to_string(i));
        const std::string& name = gsMRU[static_cast<size_t>(i)];
        item->setText(FromAnsi("&" + std::to_string(i) + " " + name));
        if (!name.empty()) item->setVisible(true);
    }
}

// The options dialog is not built yet: nothing to load or show.
void sbLoadOptionsDialog() {}
void sbShowOptionsDialogModal() {}
