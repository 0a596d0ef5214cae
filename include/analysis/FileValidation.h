#pragma once
// Checks that chosen files are text-mode Visual Basic sources, and tells from
// a file's first non-blank line which dialect wrote it.
#include <string>
#include <vector>

// Dialect of a file: "3", "4", "6" (5.0 and 6.0) or "?" (not recognised).
// Status words afterwards: unchanged for an acceptable first line; 4/1 no
// non-blank line; 4/2 empty or not text; 7 cannot be opened; 12 the user
// cancelled a retry; 20/1 not a Visual Basic source. Raises 32000 with
// StatusCode 2 before BabInit, 3 for an empty name.
void BabValidateFile(std::string& fileName, std::string& dialect);
// The same checks on a source's text already read; `fileName` names it in
// the log (the open's statuses 7 and 12 cannot arise).
void BabValidateText(const std::string& text, const std::string& fileName, std::string& dialect);

// Checks names[1..]; a rejected name is emptied (element 0 is not looked
// at). CanOverride lets the user keep a file without a non-blank line.
// StatusCode 8 when the user asked to cancel, otherwise 0.
void VBFileValidate(std::vector<std::string>& names, bool CanOverride);
// One source checked and judged as VBFileValidate does a name of its list,
// with the same messages; true when it is to be processed. The file form
// reads the file once and hands its text back in `text` (empty when it is
// not kept); the text form checks a text already in memory.
bool VBFileValidateRead(const std::string& name, bool CanOverride, std::string& text);
bool VBTextValidate(const std::string& text, const std::string& name, bool CanOverride);
