#pragma once
// Where a saved file's backup goes and under which name.
#include <string>

#include "settings/ZelkOptions.h"

constexpr int kMaxCycles = 99;

// The backup directory for a source in sourceDir (which ends in the
// separator or is empty): "ZELBACK" beside the source, or the options'
// backup directory when their giBackup says so. Always ends in the separator.
std::string fsBackupDirectory(const ZelkOptions& options, const std::string& sourceDir);

// The file name up to and including its first "."; a name without "." gets
// one, so that the cycle and log names of such a file are valid names too.
std::string fsNameThroughFirstDot(const std::string& fileName);

// Cycle `number` (1 to 99) of a file name: the name up to and including the
// first character after its first ".", then two digits (Form1.frm gives
// Form1.f01; abc. and abc give abc.01).
std::string fsCycleName(const std::string& fileName, int number);

// The first cycle name whose file does not exist in backupDir; empty when
// all 99 exist.
std::string fsFreeCycleName(const std::string& backupDir, const std::string& fileName);
