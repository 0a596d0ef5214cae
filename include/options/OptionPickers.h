#pragma once
// The file and folder pickers of the options dialog: each fills one of its
// file or folder fields from a file dialog, or opens a template editor on
// the template a field names. The code-template editor and the custom
// dictionary picker write their files at once, not at OK.
#include <string>

#include "options/OptionControls.h"
#include "settings/ZelkOptions.h"

// The backup folder, chosen as the folder of a file named Backup.BAK.
void cmdBackupTo_Click(OptionControls& c);
// The custom (0) or main (1) dictionary; an empty custom dictionary gets its
// header line.
void cmdSpellDictionary_Click(OptionControls& c, int index);
// The comment-block editor on the template of kind index (0 module, 1
// user-defined procedures, 2 event procedures).
void cmdCommentBlock_Click(OptionControls& c, int index);
// The code-template editor on template index (0 error trap, 1 error handler,
// 2 trace entry, 3 trace exit); a confirmed template is saved at once, its
// file and its name in the saved options (which Cancel keeps).
void cmdERHandler_Click(OptionControls& c, int index, ZelkOptions& saved);
// Browsing for a code-template file, for the history file and for the
// default file location.
void cmdErrFind_Click(OptionControls& c, int index);
void cmdFindQPFile_Click(OptionControls& c);
void cmdDefaultFileLoc_Click(OptionControls& c);

// Runs the picker of a clicked button; false for a button that is none.
bool OptionPickerClick(OptionControls& c, const std::string& base, int index, ZelkOptions& saved);

// What a code template's file holds: the text with one line end at its end,
// added only when the text lacks it, so that confirming a template again
// leaves it as it was.
std::string CodeTemplateFileText(const std::string& text);

// The default file of a code template (index 0..3) in the program's folder.
std::string DefaultCodeTemplateFile(int index);
