#pragma once
// The per-file run: one session file zelked into its temporary output and
// log, and the session's per-file arrays.

#include <optional>
#include <string>
#include <string_view>

#include "engine/ZelkRun.h"

// What a run found that its options did not say: the spelling dictionaries
// they name that it could not find (it told the user and went on without
// them) and the tab width the user chose when it asked. The options it was
// given stay as they are; a session keeps the findings in the program's
// settings (ApplyTo) once the run is over.
struct RunFindings {
    bool StandardDictionaryMissing = false;
    bool CustomDictionaryMissing = false;
    std::optional<TabWidth> TabWidthChosen;

    // The settings forget the missing dictionaries (the settings file gets
    // the emptied names when it is next written) and take the chosen width.
    void ApplyTo(ZelkOptions& settings) const;
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
// `found` gets what the run found as soon as it is known, so that a failure
// later in the run does not lose it.
void sbProcessFile(int index, const ZelkOptions& options, long& nextLineNumber, bool& spell, RunFindings& found);
void sbProcessFile(int index, const ZelkOptions& options, long& nextLineNumber);
void sbProcessFile(int index, const ZelkOptions& options);
// The same for session file `index` whose text is already in memory (the
// in-process entry): the file is not read; the numbering starts afresh.
RunFindings sbProcessText(int index, const ZelkOptions& options, std::string text);
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
