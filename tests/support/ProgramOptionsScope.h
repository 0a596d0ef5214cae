#pragma once
// The program's own options for the length of a test: the scope puts a value
// in place of goOptions and gives the earlier value back when it ends. For
// tests of code that reads the program's options itself (windows, the
// dialog's rules); code that takes its options as a value gets the value.
#include <utility>

#include "settings/ProgramOptions.h"

class ProgramOptionsScope {
public:
    explicit ProgramOptionsScope(const ZelkOptions& options) : saved_(std::exchange(goOptions, options)) {}
    ~ProgramOptionsScope() { goOptions = std::move(saved_); }
    ProgramOptionsScope(const ProgramOptionsScope&) = delete;
    ProgramOptionsScope& operator=(const ProgramOptionsScope&) = delete;

private:
    ZelkOptions saved_;
};
