#pragma once
// The shared objects every procedure reaches, the run mode, and their
// creation at start-up.
#include <memory>
#include <string>

#include "common/cAppInfo.h"
#include "common/cDebug.h"
#include "common/cFileDesc.h"
#include "common/cLog.h"
#include "common/cVEZUZ.h"
#include "common/cWindow.h"

// 0 ordinary start, 2 a file argument, 3 IDE mode ("/idemode"), 4 "/init".
inline int giRunMode = 0;

inline std::unique_ptr<cWindow> oWindow;
inline std::unique_ptr<cAppInfo> oAppInfo;
inline std::unique_ptr<cWindowObject> oWindowObject;
inline std::unique_ptr<cLog> oLog;
inline std::unique_ptr<cDebug> oDebug;
inline std::unique_ptr<cFileCollection> oFile;
// Created by Main before sbCommonInit.
inline std::unique_ptr<cVEZUZ> oZel;

// 1-based index of the current file in oFile; 0 for none.
inline int giFileIndex = 0;

inline std::string gsApostrophe = "'";
inline std::string gsQuote = "\"";

// Settles the run mode from the command line and creates the shared objects.
// `startMode` is the platform's start mode (0 for a program started on its own).
void sbCommonInit(const std::string& commandLine, int startMode = 0);

// The command line trimmed and lower-cased, without the switches and quotes.
std::string fsCommandFile(const std::string& commandLine);

// The run mode a command line gives.
int fiRunModeFor(const std::string& commandLine, int startMode = 0);
