#include "projects_ui/ProjectFileDialogUi.h"

#include <QApplication>

#include "platform_ui/AnsiText.h"
#include "projects_ui/frmProjectFile.h"

ProjectFileDialogUi::ProjectFileDialogUi(std::function<std::string()> helpFile) : helpFile_(std::move(helpFile)) {
    SetProjectFileDialog(this);
}

ProjectFileDialogUi::~ProjectFileDialogUi() {
    if (&ProjectFileDialog() == this) SetProjectFileDialog(nullptr);
}

void ProjectFileDialogUi::ShowModal(const std::string& caption, const std::string& historyFile) {
    Unload();
    // No Qt parent: this object alone owns the window, which outlives none
    // of the program's other windows. It opens over the window in front.
    QWidget* over = QApplication::activeWindow();
    form_ = std::make_unique<frmProjectFile>(helpFile_ ? helpFile_() : std::string(), historyFile);
    form_->setWindowTitle(FromAnsi(caption));
    form_->setWindowModality(Qt::ApplicationModal);
    if (over) form_->move(over->geometry().center() - form_->rect().center());
    form_->exec();
}

void ProjectFileDialogUi::Unload() { form_.reset(); }
