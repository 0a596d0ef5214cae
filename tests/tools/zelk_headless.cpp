// The headless test driver: runs one part of the program on files, without a
// display, for tests and for reproducing a behaviour by hand. Commands are
// listed in README.md.
#include <cstdlib>
#include <iostream>

#include "HeadlessCommand.h"
#include "platform/TempFiles.h"

namespace {

std::vector<HeadlessCommand> Commands() {
    return {SettingsCommand(), DumpHeadlessCommand(), ZelkCommand(), SpellCommand(), ProjectCommand()};
}

int Usage(const std::vector<HeadlessCommand>& commands) {
    std::cerr << "usage:\n";
    for (const auto& c : commands)
        std::cerr << "  zelk_headless " << c.Name << " " << c.Arguments << "\n      " << c.Summary << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // The run's temporary folder goes with it, however the run ends.
    std::atexit([] { tempfiles::RemoveOwnDir(); });
    const std::vector<HeadlessCommand> commands = Commands();
    if (argc < 2) return Usage(commands);
    std::string name = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& c : commands) {
        if (c.Name != name) continue;
        size_t most = c.MaxArgumentCount ? c.MaxArgumentCount : c.ArgumentCount;
        if (args.size() < c.ArgumentCount || args.size() > most) return Usage(commands);
        return c.Run(args);
    }
    std::cerr << "zelk_headless: unknown command " << name << "\n";
    return Usage(commands);
}
