#pragma once
// The template windows put to work: the comment-block editor for the engine
// (editing mode) and for the options dialog (definition mode), the
// code-template editor, and the tab-width question. The program installs
// them at start-up; the headless driver keeps its own answers.
#include <memory>
#include <string>

#include "engine/CommentEditorHost.h"
#include "spelling/TemplateEditors.h"

class frmComments;

// The engine's editor: one form per zelked file, shown once per block.
class QtCommentEditor : public ICommentEditor {
public:
    QtCommentEditor();
    ~QtCommentEditor() override;
    void Load() override;
    std::string Edit(const std::string& block, const std::string& caption, const std::string& context) override;
    void Unload() override;

    // The form while it is loaded (null otherwise).
    frmComments* Form() const { return form_.get(); }

private:
    std::unique_ptr<frmComments> form_;
};

// The options dialog's editors: a new form for every use.
class QtTemplateEditors : public ITemplateEditors {
public:
    void DefineCommentBlock(const std::string& kindCaption, const std::string& fileName,
                            ICommentFileFields& fields) override;
    CodeTemplateAnswer EditCodeTemplate(const std::string& text, long defKind,
                                        const std::string& defFileName) override;
};

// Installs the windows as goCommentEditor, goTemplateEditors and
// gfnAskTabWidth.
void InstallTemplateWindows();
