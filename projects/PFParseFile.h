#pragma once
// The opening of project and group files: reads the chosen files, lets the
// user tick the files to process and fills oFile. Status words afterwards:
// 0 with oFile filled, 8 when the user cancelled or nothing can be opened,
// 12, 13 or 19 after a failure.
class cFileCollection;

// names: one entry per chosen project or group file, each with FileType 1.
void PFParseFile(cFileCollection& names);
