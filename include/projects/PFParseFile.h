#pragma once
// The opening of project and group files: reads the chosen files and their
// member projects into oProjectFiles, checks the component files, and lets
// the user tick the files to process in the project dialog, which fills
// oFile. Status words afterwards: 0 with the choice in oFile; 8 when the
// user cancelled; 12 (reason 1 not opened, 2 not read) or 19 after a
// failure that was told.
class cFileCollection;
struct ZelkOptions;

// names: one entry per chosen project or group file, each with FileType 1.
// A group file's entry becomes FileType 0 and its member projects are
// appended (FileType 1). The options' form and code extension lists tell
// which of a project's files are zelked.
void PFParseFile(cFileCollection& names, const ZelkOptions& options);
