#pragma once
// Stand-ins for the windows of subsystems that are not built yet: the
// recent-file entries of the File menu and the options dialog.
class frmZelker;

void sbShowMRUMenu(frmZelker* form);
void sbLoadOptionsDialog();
void sbShowOptionsDialogModal();
