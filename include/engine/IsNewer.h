#pragma once
#include <string>

// True when the file changed since its last recorded save (or has no usable
// record), so that it is to be zelked again.
bool fbIsNewer(const std::string& file);
