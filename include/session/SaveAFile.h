#pragma once
// Putting the zelked output of one session file in its place: backup
// directory and name, the overwrite question, the three save modes
// (giSaveInBackup), the kept per-file log and the history record.
#include <string>

#include "settings/ZelkOptions.h"

class IViewFileList;

// Whether a save asks before overwriting as the settings say, or with the
// "ask" settings (giOverwrite, giLogOverwrite) suspended for the saves of
// one Zelk and Save All. The settings themselves never change.
enum class OverwriteQuestions { AsSet, Suspended };

// Saves file `index` (1-based position in oFile) as the settings `options`
// say (save mode, backup place, overwrite modes, history). Saved comes back True when
// the output was put in place, False when the user cancelled, no backup name
// was free, the source is read-only, the save was refused or a file could
// not be read or written (the user is told which file and why; the zelked
// output stays in place). Changes neither
// gblnFileZelked nor gblnUnsaved; afterwards gsTempOutFile(index) names the
// file that holds the zelked output. viewList may be null.
void sbSaveAFile(int index, const ZelkOptions& options, bool& Saved, IViewFileList* viewList,
                 OverwriteQuestions questions = OverwriteQuestions::AsSet);

// Writes the history record of a saved file into gsSaveZelFile when
// gblnSaveZelInfo is on: key = the full path, value = the file's time stamp,
// "|", the time of the save.
void SaveZelInfo(const ZelkOptions& options, const std::string& fileName);
