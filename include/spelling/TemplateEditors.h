#pragma once
// The template editors as the options dialog reaches them, and the options
// dialog's comment-file fields as the comment-block editor reaches them.
// Both sides are windows; this header holds no Qt, so that either side can be
// built and tested headless against a fake of the other.
#include <string>

// The comment-file fields (txtCommentFile) of the options dialog's Comment
// Blocks page: index 0 module, 1 user-defined procedures, 2 event procedures.
class ICommentFileFields {
public:
    virtual ~ICommentFileFields() = default;
    // Puts a saved template's name into the field of `index`, as if typed.
    virtual void SetCommentFile(int index, const std::string& fileName) = 0;
};

// The field index of a comment-block kind letter (M 0, U 1, E 2), or -1.
inline int CommentFileIndex(char kind) {
    switch (kind) {
        case 'M': return 0;
        case 'U': return 1;
        case 'E': return 2;
        default: return -1;
    }
}

// What the code-template editor leaves for its caller once it has closed.
struct CodeTemplateAnswer {
    // True after Cancel, Esc, the close box or a cancelled save dialog: the
    // caller then writes nothing.
    bool bCanceled = true;
    // The file the user chose to save in (the proposed one when not changed).
    std::string DefFileName;
    // The template text as the user left it, lines joined by CR LF.
    std::string Text;
};

class ITemplateEditors {
public:
    virtual ~ITemplateEditors() = default;
    // The comment-block editor in definition mode, shown modally: the kind's
    // caption (its first letter is the kind, M, U or E) and the template
    // file (empty: the kind's default block). A Save writes the chosen name
    // into `fields` at the kind's index; nothing else comes back.
    virtual void DefineCommentBlock(const std::string& kindCaption, const std::string& fileName,
                                    ICommentFileFields& fields) = 0;
    // The code-template editor, shown modally on `text` (empty with a kind of
    // 1 to 4: the kind's default template; kind 0: the text of an existing
    // file), proposing `defFileName` when the user confirms.
    virtual CodeTemplateAnswer EditCodeTemplate(const std::string& text, long defKind,
                                                const std::string& defFileName) = 0;
};

// The editors the program installs at start-up (not owned); nullptr when
// there are none (headless).
inline ITemplateEditors* goTemplateEditors = nullptr;
