#pragma once
// The spell checker at work while a file is zelked: the one checker of the
// program, and the check of one comment or literal with the statements
// around it shown in the main window's spelling frame.
#include <memory>
#include <string>
#include <vector>

#include "analysis/SourceModel.h"
#include "spelling/cSpellCheck.h"

// The program's spell checker: made at start-up, set up again before each
// file that is spell-checked.
inline std::unique_ptr<cSpellCheck> oSpell;

// Checks one text of a source (a comment, a string literal of code, a
// property text of a form): `what` names its kind ("Comment ", "Code String
// Literal ", ...), `record` is one less than the statement of the model that
// holds it.
// The text becomes the checked text when the checker accepted or corrected
// it. A stop in the Word Not Found dialog asks whether to stop spell
// checking this module; false when the user answered Yes.
bool sbSpellCheckIt(std::string& text, const std::string& what, const SourceModel& model, long record);

// The five statements of the model around the one after `record` (two
// before it, it, two after it); a position without a statement is empty.
std::vector<std::string> fsSpellingContext(const SourceModel& model, long record);
