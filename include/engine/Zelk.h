#pragma once
// The engine's entry for one source file zelked in-process: the settings
// loaded, the file checked and run through the program's own per-file run,
// its output and log handed back. Nothing of an earlier run reaches it.
#include <optional>
#include <string>

#include "engine/ProcessFile.h"
#include "settings/ZelkOptions.h"
#include "settings/mINIHandler.h"

class IZelkWindow;

// Where a run's settings come from when it loads them.
struct ZelkSettings {
    // The settings file the run loads as the start-up loads the program's
    // own (a name without a folder lies in the configuration folder); a file
    // that does not exist gives the first-run settings.
    std::string File = kSettingsFileName;
};

struct ZelkResult {
    // False when the file was not accepted as a Visual Basic source: the
    // user has been told, and nothing ran.
    bool Accepted = false;
    // The run's temporary output and log as they were left; none when the
    // run did not get as far as making them.
    std::optional<std::string> Output;
    std::optional<std::string> Log;
    // The status words after the run (0 and 0 for a zelked file).
    int Status = 0;
    int Reason = 0;
    bool Canceled = false;
    // The dictionaries the options name that the run went without, and the
    // tab width it was told.
    RunFindings Findings;

    bool Zelked() const { return Accepted && Status == 0 && !Canceled; }
};

// Zelks the source text `text` as the file `name` (its full name: the log
// names it, and its extension and first line tell its kind) with `options`;
// its modules are spell checked when the options enable spelling. No
// setting changes: what the run went without is in the result. Nothing reads the file itself, except a resource
// script's spelling pass. `host` is the window the run shows its progress
// in, or null. The shared objects must exist and the keyword tables must be
// loaded (BabInit); the run answers its questions through the installed UI
// services.
ZelkResult Zelk(std::string text, const std::string& name, const ZelkOptions& options, IZelkWindow* host);

// The same for the source file `sourceFile`, read once (a file that cannot
// be read is reported as the file's choice reports it, and not accepted).
ZelkResult Zelk(const std::string& sourceFile, const ZelkOptions& options, IZelkWindow* host);

// The same with the options loaded from the settings file `settings` names,
// as the start-up loads them (the shared objects' settings too).
ZelkResult Zelk(const std::string& sourceFile, const ZelkSettings& settings, IZelkWindow* host);

// Makes the session hold `sourceFile` alone, as its selected first entry,
// with the per-file arrays sized to it: what a one-file run needs before
// sbProcessFile(1).
void OpenOneFileSession(const std::string& sourceFile);
