#pragma once
// Type-declaration characters and the "$" of intrinsic string functions.
#include <string>

std::string GetFunction(std::string name, const std::string& upperWord);
bool IsIntrinsicFunction(const std::string& name);
