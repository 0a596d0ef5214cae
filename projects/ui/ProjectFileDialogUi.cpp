#include "ProjectFileDialogUi.h"

#include <QApplication>

#include "AnsiText.h"
#include "frmProjectFile.h"

ProjectFileDialogUi::ProjectFileDialogUi(std::function<std::string()> helpFile) : helpFile_(std::move(helpFile)) {
    SetProjectFileDialog(this);
}

ProjectFileDialogUi::~ProjectFileDialogUi() {
    if (&ProjectFileDialog() == this) SetProjectFileDialog(nullptr);
}

void ProjectFileDialogUi::ShowModal(const std::string& caption) {
    Unload();
    form_ = std::make_unique<frmProjectFile>(helpFile_ ? helpFile_() : std::string(), QApplication::activeWindow());
    form_->setWindowTitle(FromAnsi(caption));
    form_->setModal(true);
    form_->exec();
}

void ProjectFileDialogUi::Unload() { form_.reset(); }
