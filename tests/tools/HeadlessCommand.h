#pragma once
// One command of the headless test driver: its name, the arguments it takes
// and what runs it. A command returns the process's exit code.
#include <functional>
#include <string>
#include <vector>

struct HeadlessCommand {
    std::string Name;
    std::string Arguments;  // for the usage text, e.g. "IN.INI OUT.INI"
    std::string Summary;
    size_t ArgumentCount = 0;
    std::function<int(const std::vector<std::string>& args)> Run;
    // A command with options takes up to this many arguments (0: exactly
    // ArgumentCount).
    size_t MaxArgumentCount = 0;
};

// The commands, one factory each.
HeadlessCommand SettingsCommand();
HeadlessCommand DumpHeadlessCommand();
HeadlessCommand ZelkCommand();
HeadlessCommand ProjectCommand();
HeadlessCommand SpellCommand();
