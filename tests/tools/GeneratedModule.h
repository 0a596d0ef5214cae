#pragma once
// A code module of a given number of lines for the timings: an attribute
// line, Option Explicit, then the same commented function over and over
// (declarations, If, For, Select Case, an error trap), numbered apart.
#include <string>

std::string GenerateModule(long lines);
