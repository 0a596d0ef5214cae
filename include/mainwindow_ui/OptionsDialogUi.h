#pragma once
// The one options dialog of the run, over the program's options: loaded
// hidden at start-up, shown modally for a first run and by the Options
// command; OK and Cancel hide it, its close box unloads it and the next
// showing loads it again.
class QWidget;
class frmZelOptions;

// Loads the dialog hidden, owned by the given window.
void sbLoadOptionsDialog(QWidget* owner);
// Shows it modally (loading it first when its close box unloaded it).
void sbShowOptionsDialog(QWidget* owner);
// The loaded dialog, or nullptr.
frmZelOptions* OptionsDialog();
// Unloads it at the end of the run.
void sbUnloadOptionsDialog();
