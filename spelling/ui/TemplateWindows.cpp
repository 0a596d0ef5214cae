#include "spelling_ui/TemplateWindows.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "platform_ui/AnsiText.h"
#include "engine/SpellingHooks.h"
#include "platform_ui/TextBoxText.h"
#include "spelling_ui/frmComments.h"
#include "spelling_ui/frmEditDialog.h"
#include "spelling_ui/frmTabWidth.h"

QtCommentEditor::QtCommentEditor() = default;
QtCommentEditor::~QtCommentEditor() = default;

void QtCommentEditor::Load() {
    form_ = std::make_unique<frmComments>();
    form_->fraInsertion->setVisible(true);
}

std::string QtCommentEditor::Edit(const std::string& block, const std::string& caption,
                                  const std::string& context) {
    if (!form_) Load();
    form_->SetCommentBlockText(block);
    form_->fraInsertion->setTitle(FromAnsi(caption));
    SetBoxText(form_->txtInsertion, context);
    form_->ShowModal();
    return form_->CommentBlockText();
}

void QtCommentEditor::Unload() { form_.reset(); }

void QtTemplateEditors::DefineCommentBlock(const std::string& kindCaption, const std::string& fileName,
                                           ICommentFileFields& fields) {
    frmComments form;
    form.lblDefinition[0]->setText(FromAnsi(kindCaption));
    form.lblDefinition[1]->setText(FromAnsi(fileName));
    form.CommentFileFields = &fields;
    form.ShowModal();
}

CodeTemplateAnswer QtTemplateEditors::EditCodeTemplate(const std::string& text, long defKind,
                                                       const std::string& defFileName) {
    frmEditDialog form;
    form.SetInfoText(text);
    form.DefKind = defKind;
    form.DefFileName = defFileName;
    form.exec();
    return {form.bCanceled, form.DefFileName, form.InfoText()};
}

void InstallTemplateWindows() {
    static QtCommentEditor commentEditor;
    static QtTemplateEditors templateEditors;
    goCommentEditor = &commentEditor;
    goTemplateEditors = &templateEditors;
    gfnAskTabWidth = [] { return sbAskTabWidth(); };
}
