#pragma once
// The per-file run: one session file zelked into its temporary output and
// log, and the session's per-file arrays.

#include <string>
#include <string_view>

#include "engine/ZelkRun.h"

// The spelling dictionaries named by a run's options that the run found
// missing. The run told the user and went on without them; the options it
// was given stay as they are, and a session forgets the names in the
// program's settings (sbForgetMissingDictionaries).
struct DictionaryFindings {
    bool StandardMissing = false;
    bool CustomMissing = false;
};

// Per-file run.
void sbProcessSelection(int index, bool& ok);
// Zelks session file `index` with a run of its own, with the options
// `options` (the session hands the program's own). nextLineNumber is the
// next inserted line number that the numbering across modules carries from
// one file to the next: the run starts from it and hands back where it
// ended. Without it the numbering starts afresh.
// spell: whether the file is spell checked (the session's decision); the run
// hands back false when a missing dictionary or the user stopped it, so that
// the files after it are not checked either. Without it the options' spelling
// switch decides.
// `found` gets what the run found of the dictionaries as soon as it is known,
// so that a failure later in the run does not lose it.
void sbProcessFile(int index, const ZelkOptions& options, long& nextLineNumber, bool& spell,
                   DictionaryFindings& found);
void sbProcessFile(int index, const ZelkOptions& options, long& nextLineNumber);
void sbProcessFile(int index, const ZelkOptions& options);
// The same for session file `index` whose text is already in memory (the
// in-process entry): the file is not read; the numbering starts afresh.
DictionaryFindings sbProcessText(int index, const ZelkOptions& options, std::string text);
// The model a file's run starts from, before its parse: the kind the text's
// first line tells, the module name the file's name (without its folder)
// gives up to its first ".", one empty part. Counts of an earlier file never
// reach this file's footer.
SourceModel FileModel(const std::string& fileName, std::string_view text);
// The per-file run's inner part on the file's text, read by the caller.
void sbProcessSourceFile(int index, ZelkRun& run, std::string text);
// The per-file arrays emptied and sized to a session of `count` files (from
// 1), as a new session has them.
void sbSizeFileArrays(long count);
