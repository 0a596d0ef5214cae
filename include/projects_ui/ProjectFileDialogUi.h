#pragma once
// The "Project File Processing" window as the opening of project files
// reaches it: loaded afresh for every opening, shown modally, then kept
// hidden (with its ticks) until the next opening or the end of the project
// session unloads it.
#include <functional>
#include <memory>
#include <string>

#include "projects/ProjectFileDialog.h"

class frmProjectFile;

class ProjectFileDialogUi : public IProjectFileDialog {
public:
    // Installs itself as the dialog in use; `helpFile` names the program's
    // help file at the moment the window loads.
    explicit ProjectFileDialogUi(std::function<std::string()> helpFile);
    ~ProjectFileDialogUi() override;

    void ShowModal(const std::string& caption, const std::string& historyFile) override;
    void Unload() override;

    // The loaded window, or nullptr.
    frmProjectFile* Form() const { return form_.get(); }

private:
    std::function<std::string()> helpFile_;
    std::unique_ptr<frmProjectFile> form_;
};
