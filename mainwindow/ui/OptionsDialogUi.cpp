#include "mainwindow_ui/OptionsDialogUi.h"

#include <memory>

#include "mainwindow/SessionState.h"
#include "common/cWindow.h"
#include "options_ui/frmZelOptions.h"
#include "common/mKEMCommon.h"
#include "settings/ProgramOptions.h"

namespace {
std::unique_ptr<frmZelOptions> gOptions;
}

void sbLoadOptionsDialog(QWidget*) {
    // Not a child of the main window: the dialog is unloaded on its own.
    gOptions = std::make_unique<frmZelOptions>(goOptions);
    gOptions->OpenHelp = [](int topic) { oWindow->CallWinHelp(gsHelpFile, HELP_CONTEXT, topic); };
    gOptions->Form_Load();
}

void sbShowOptionsDialog(QWidget* owner) {
    if (!gOptions || gOptions->Unloaded()) sbLoadOptionsDialog(owner);
    if (owner) oWindow->Center(gOptions.get());
    gOptions->ShowModal();
    if (gOptions->Unloaded()) gOptions.reset();
}

frmZelOptions* OptionsDialog() { return gOptions.get(); }

void sbUnloadOptionsDialog() { gOptions.reset(); }
