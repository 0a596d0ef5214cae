#pragma once
// File names for captions.
#include <string>

std::string fsFileName(const std::string& name, int maximum);
void ParseFileName(const std::string& path, std::string& drive, std::string& dir, std::string& base,
                   std::string& ext);
