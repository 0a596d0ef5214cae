#pragma once
// The "Project File Processing" dialog as the opening of project files
// reaches it: shown modally over the loaded projects (oProjectFiles), it
// lets the user tick the component files to zelk.
#include <string>

class IProjectFileDialog {
public:
    virtual ~IProjectFileDialog() = default;
    // Shows the dialog modally under the caption; the outline dates the
    // files from the zelking history in `historyFile` (the settings'
    // gsSaveZelFile). OK appends to oFile, for
    // each loaded project file in turn, its own entry (FileType 1) followed
    // by its ticked files (FileType 2), and leaves the status words alone;
    // Cancel sets oDebug->StatusCode to 8 and leaves oFile alone.
    virtual void ShowModal(const std::string& caption, const std::string& historyFile) = 0;
    // Unloads the dialog when it is loaded; harmless when it is not.
    virtual void Unload() = 0;
};

// The dialog in use: the installed one (the program installs its window),
// else one that chooses nothing and cancels.
IProjectFileDialog& ProjectFileDialog();
// Installs a dialog (not owned); nullptr removes it. Also makes
// closing a project session unload it.
void SetProjectFileDialog(IProjectFileDialog* dialog);
