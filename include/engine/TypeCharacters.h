#pragma once
// Type-declaration characters and the "$" of intrinsic string functions.
#include <string>

#include "settings/ZelkOptions.h"

// The name of an intrinsic function with its "$" as the setting `how`
// (glConvertIntrinsicFunction) wants it.
std::string GetFunction(IntrinsicDollar how, std::string name, const std::string& word);
bool IsIntrinsicFunction(const std::string& name);
