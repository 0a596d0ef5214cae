#pragma once
// The rules some texts of the settings file go through once they are read.
#include <string>

#include "SettingKey.h"

namespace rules {

// Extension lists ("BAS|CLS"): an empty value falls back to the legacy key
// (none when legacyKey is empty), and a list without "|" written with blanks
// becomes a "|" list.
TextRule ExtensionList(std::string legacyKey, std::string legacyDefault);

// The main dictionary: empty or naming one of the shipped dictionaries means
// the program's own "SPELLDIC.DAT" (empty when it is missing).
TextRule MainDictionary();

// The custom dictionary: "Unknown" means the program's own "VEZUZ.DIC"
// (empty when it is missing).
TextRule CustomDictionary();

// A comment-block template file: a named file that does not exist is dropped
// and turns its switch off; no name takes the program's own default file when
// that exists.
TextRule CommentTemplate(Holder<bool> kindSwitch, std::string defaultFile);

// An order string is kept only when it is a number of the default's length.
TextRule OrderString(std::string defaultText);

}  // namespace rules
