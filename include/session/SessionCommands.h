#pragma once
// The session's commands, as the main window's menu items, popup items and
// toolbar buttons run them: opening, closing and leaving a session, moving
// through its files, zelking, saving, options and help. Each takes the
// window it works on; the window's handlers of the same names call them.
#include <functional>

class ISessionWindow;
struct ZelkOptions;

// --- Opening, closing and leaving.
void mnuFileOpen_Click(ISessionWindow& w);
void mnuFileMRU_Click(ISessionWindow& w, int index);
// 0 Close, 1 Close All.
void mnuFileClose_Click(ISessionWindow& w, int index);
// The window's unload: false when the user keeps the program running.
bool fbFormUnload(ISessionWindow& w);

// --- The View menu's list of session files.
// The list of a session of several plain files: one item per file.
void sbViewMenuForFiles(ISessionWindow& w);
// The list of a project session: at most eight items.
void LoadViewMenu(ISessionWindow& w);

// --- Moving through the session.
// 0 Next, 1 Prior.
void mnuProcessNext_Click(ISessionWindow& w, int index);
void mnuProcessSkipFile_Click(ISessionWindow& w);
void mnuProcessDiscardFile_Click(ISessionWindow& w);
void mnuViewFile_Click(ISessionWindow& w, int index);
void sbProjectDo(ISessionWindow& w, int fileIndex);
// Ends the session: nothing open afterwards.
void sbCleanAll(ISessionWindow& w);
// Deletes the session's temporary files and the program's own leftovers.
void sbKillAllTemp(ISessionWindow& w);

// --- Zelking.
void mnuProcessZelk_Click(ISessionWindow& w);
// 0 every source file, 1 only those changed since their last save.
void mnuProcessZelkAll_Click(ISessionWindow& w, int index);
// Runs a step; when it fails on a dictionary error (13 or 32354), the custom
// dictionary is dropped from `settings` and the step runs once more. A
// second failure goes on to the caller's error trap.
void sbRetryWithoutCustomDictionary(ZelkOptions& settings, const std::function<void()>& step);
// Zelks session file `index` with the program's settings `settings`, which
// afterwards keep what the run found (also when it failed): a dictionary it
// went without is forgotten, so that the next file is not told again, and a
// tab width the user chose is kept. A dictionary failure gets one more try
// without the custom dictionary.
void ZelkSessionFile(int index, ZelkOptions& settings);

// --- Saving, options and help.
void mnuFileSave_Click(ISessionWindow& w);
void mnuFileSaveAll_Click(ISessionWindow& w);
void mnuOptions_Click(ISessionWindow& w);
void mnuHelpContents_Click(ISessionWindow& w);
void mnuHelpAbout_Click(ISessionWindow& w);

// --- Printing through the printing program.
// True when the settings' gsQuindyPrinter ([Files] QuindyPrinter) names an
// existing file whose name holds "vodu32" (in any case).
bool fbQuindyPrinterIdentified(const ZelkOptions& settings);
// Starts the printing program on the current file: the saved output, or
// the source while the file is not zelked; unsaved output is refused.
void mnuFilePrint_Click(ISessionWindow& w);
