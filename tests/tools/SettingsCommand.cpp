// settings IN.INI OUT.INI: the settings file IN.INI (missing: a first run)
// loaded as start-up loads it and written back by the exit's full save.
#include <filesystem>
#include <iostream>

#include "HeadlessCommand.h"
#include "settings/ProgramOptions.h"
#include "HeadlessStartUp.h"
#include "platform/Paths.h"
#include "settings/mINIHandler.h"

namespace fs = std::filesystem;

namespace {

int RunSettings(const std::vector<std::string>& args) {
    const std::string& in = args[0];
    const std::string& out = args[1];
    std::string configDir = HeadlessConfigDir();
    if (configDir.empty()) return 2;

    // The program reads and writes the file in the configuration folder, so
    // IN.INI is put there and the result taken from there.
    std::error_code ec;
    fs::create_directories(configDir, ec);
    fs::path settings = fs::path(configDir) / kSettingsFileName;
    fs::remove(settings, ec);
    if (fs::exists(in, ec)) {
        if (!fs::copy_file(in, settings, ec)) {
            std::cerr << "zelk_headless: cannot read " << in << ": " << ec.message() << "\n";
            return 1;
        }
    }

    HeadlessCreateObjects();
    HeadlessLoadSettings();
    sbINIPutInfo(goOptions);  // as the main window does at exit

    fs::copy_file(settings, out, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        std::cerr << "zelk_headless: cannot write " << out << ": " << ec.message() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

HeadlessCommand SettingsCommand() {
    return {"settings", "IN.INI OUT.INI",
            "load IN.INI as start-up does (missing: a first run), write it back with the full save to OUT.INI", 2,
            RunSettings};
}
