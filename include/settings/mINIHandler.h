#pragma once
// Moves the user's settings between the settings file "VEZUZ.INI" and the
// places the program keeps them: an options value (ZelkOptions.h) and the
// members of oAppInfo, oDebug, oLog, oWindowObject and oCommonDialog.
#include <memory>
#include <optional>
#include <string>

#include "settings/ZelkOptions.h"
#include "settings/cINIHandler.h"

// The settings file's name; without a folder it lives in the configuration
// folder.
inline const std::string kSettingsFileName = "VEZUZ.INI";

// The one handler of the settings file, created by the first of
// sbINIGetUser, sbGetINIInfo and sbINIPutInfo.
inline std::unique_ptr<cINIHandler> oINI;

// Creates oINI when it does not exist and points it at the settings file
// (or at another file of that form).
void sbInitINI(const std::string& file = kSettingsFileName);

// Reads [Program] User and Company into oAppInfo; blnUserFound tells whether
// a user name is stored.
void sbINIGetUser(bool& blnUserFound, const std::string& file = kSettingsFileName);

// Loads every setting into `options` and the shared objects. With
// oDebug->DontTrapErrors clear when it starts, a key whose value cannot be
// held is skipped (its place keeps its value); with it set the error reaches
// the caller.
void sbGetINIInfo(ZelkOptions& options, const std::string& file = kSettingsFileName);

// Loads the user and every setting from `file` into `options` and the shared
// objects as the start-up loads the settings file, each setting first put
// back to what a first run loads, so that nothing of an earlier load remains;
// oINI points at the settings file again afterwards.
void sbLoadSettingsFrom(const std::string& file, ZelkOptions& options);

// The numeric rule of the load: a numeric value text is clamped to the
// bounds (and rewritten to the bound it was clamped to); any other value
// gives the default (itself "0" when it is not numeric).
double fvRangeCheck(std::string& sValue, std::string sDefault, std::optional<double> vLowerBound = std::nullopt,
                    std::optional<double> vUpperBound = std::nullopt);

// [Program] Version: the version of the program that last wrote the file.
std::string fsINIGetVersion();

// Writes every setting, `options` and the shared objects' members, section
// by section, in the save order.
void sbINIPutInfo(const ZelkOptions& options);

// Writes the seven debug switches of [Debug] at once.
void sbINIPutDebug();

// Writes [Program] TabWidth of `options` at once.
void sbINIPutTabWidth(const ZelkOptions& options);

// One entry (1 to 7) of the recent-file list in [MRU].
std::string fsINIGetMRU(int iEntry);
void sbINIPutMRU(int iEntry, const std::string& sFileName);
