#pragma once
// The comment-block templates: the three kinds of block, their default
// files, the two built-in blocks, and the Open and Save steps of the
// comment-block editor's definition mode.
#include <string>

struct CommentKind {
    char Letter;                     // M, U or E: the first letter of the kind's caption
    const char* DefaultFile;         // in the program's directory
    const char* CaptionSuffix;       // added to the editor's window caption
    const char* ViewDefaultCaption;  // View, Default
    int FieldIndex;                  // the options dialog's comment-file field
};

// The kind whose letter starts the caption; nullptr for any other letter.
const CommentKind* CommentKindOf(const std::string& caption);

// The built-in blocks, lines joined by CR LF with none after the last.
std::string DefaultModuleBlock();
std::string DefaultProcedureBlock();
// The module block for M, the procedure block for U and E.
std::string DefaultCommentBlock(const CommentKind& kind);

// The file the Open and Save dialogs propose: the current template, else
// the kind's default file in the program's directory (none without a kind).
std::string ProposedCommentFile(const CommentKind* kind, const std::string& current);

// Open: asks for a template with the shared file dialog. True with the
// chosen name and the file's whole content; false when the dialog was
// cancelled or the file could not be read (the editor keeps its text).
bool sbOpenCommentTemplate(const CommentKind* kind, const std::string& current, std::string& name,
                           std::string& text);

enum class TemplateSaveOutcome { Canceled, Failed, Saved };

// Save: asks for the file with the shared file dialog and writes `text` into
// it exactly, with no line end added. A write that fails is reported and
// leaves the old file as it was; `name` receives the chosen name.
TemplateSaveOutcome sbSaveCommentTemplate(const CommentKind* kind, const std::string& current,
                                          const std::string& text, std::string& name);

// The discard question of an editor whose block has changed: true when the
// user chose to discard the changes.
bool fbDiscardCommentChanges();
