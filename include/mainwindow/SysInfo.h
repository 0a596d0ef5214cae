#pragma once
// The system information tool that the About window offers: where the
// registry says it lives, and starting it.
#include <cstdint>
#include <string>

// Reads one registry value as text: a string as stored (a closing NUL
// dropped), a number as its decimal digits. False, with KeyVal emptied,
// when the key or the value is missing; a value of another type leaves
// KeyVal as the caller passed it and still counts as read.
bool GetKeyValue(int32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal);

// The tool's full name from the registry: the "PATH" value of its own key,
// else the tool's file in the folder of the "MSINFO" value when that file
// exists. Empty when neither names a file.
std::string fsSysInfoPath();

// Starts the tool with its path as the whole command line, or says that it
// is unavailable.
void StartSysInfo();
