#pragma once
#include <string>

// True when the file changed since its last recorded save in the history
// file `historyFile` (gsSaveZelFile), or has no usable record there, so that
// it is to be zelked again.
bool fbIsNewer(const std::string& file, const std::string& historyFile);
