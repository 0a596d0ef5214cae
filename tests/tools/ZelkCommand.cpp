// zelk [--settings IN.INI] [--now "M/D/YYYY h:mm:ss AM"] [--spell ANSWER]
// SOURCE OUTPUT LOG: one source file zelked by the program's own per-file
// run (the engine's in-process entry), the dialogs answered by their defaults
// (unknown words by ANSWER), the output and log written out.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "platform/Clock.h"
#include "platform/Registry.h"
#include "HeadlessCommand.h"
#include "HeadlessStartUp.h"
#include "HeadlessWordNotFound.h"
#include "analysis/KeywordTable.h"
#include "engine/SpellingHooks.h"
#include "spelling/SpellingInstaller.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "engine/Zelk.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

namespace fs = std::filesystem;

namespace {

struct ZelkArguments {
    std::string settings, now, source, output, log;
    SpellAnswer spell = SpellAnswer::Ignore;
};

constexpr const char* kArguments =
    "[--settings IN.INI] [--now \"M/D/YYYY h:mm:ss AM\"] [--spell ignore|first-suggestion|cancel] "
    "SOURCE OUTPUT LOG";

bool ParseArguments(const std::vector<std::string>& args, ZelkArguments& out) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--settings" || args[i] == "--now") {
            if (i + 1 >= args.size()) return false;
            std::string& option = args[i] == "--settings" ? out.settings : out.now;
            option = args[++i];
        } else if (args[i] == "--spell") {
            if (i + 1 >= args.size() || !ParseSpellAnswer(args[i + 1], out.spell)) return false;
            ++i;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 3) return false;
    out.source = positional[0];
    out.output = positional[1];
    out.log = positional[2];
    return true;
}

// Every message box of the run, as the user would have read it.
void PrintMessages(const ScriptedUiServices& ui) {
    for (const auto& m : ui.Messages)
        std::cerr << "message [" << m.Title << "]: " << vb::Replace(m.Prompt, "\r\n", "\n") << "\n";
}

// Writes what the run left to the file `to`; a file the run did not make is
// reported as a copy of a missing file is.
bool CopyOut(const std::optional<std::string>& text, const std::string& to) {
    if (!text) {
        std::cerr << "zelk_headless: cannot write " << to << ": "
                  << std::make_error_code(std::errc::no_such_file_or_directory).message() << "\n";
        return false;
    }
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << *text;
    out.close();
    if (!out) std::cerr << "zelk_headless: cannot write " << to << ": " << std::strerror(errno) << "\n";
    return static_cast<bool>(out);
}

// What a run installs for itself goes again when it ends, so that runs in
// one process (the golden tests) leave nothing to the next.
class RunScope {
public:
    RunScope() : ui_(&Ui()), clock_(&Clock()) {}
    ~RunScope() {
        gfnAskTabWidth = nullptr;
        SetUi(ui_);
        SetClock(clock_);
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    IUiServices* ui_;
    IClock* clock_;
};

int RunZelk(const std::vector<std::string>& args) {
    RunScope scope;
    // The registry store is read once for the run (the settings load, then
    // the log header's user and company).
    reg::StoreReadOnce registryOnce;
    ZelkArguments a;
    if (!ParseArguments(args, a)) {
        std::cerr << "zelk_headless: zelk " << kArguments << "\n";
        return 2;
    }
    std::string configDir = HeadlessConfigDir();
    if (configDir.empty()) return 2;

    FakeClock fixed;
    if (!a.now.empty()) {
        if (!datetime::Parse(a.now, fixed.Current)) {
            std::cerr << "zelk_headless: --now wants \"M/D/YYYY h:mm:ss AM\", not " << a.now << "\n";
            return 2;
        }
        SetClock(&fixed);
    }
    std::error_code ec;
    if (!a.settings.empty()) {
        fs::create_directories(configDir, ec);
        if (!fs::copy_file(a.settings, fs::path(configDir) / kSettingsFileName, fs::copy_options::overwrite_existing,
                           ec)) {
            std::cerr << "zelk_headless: cannot read " << a.settings << ": " << ec.message() << "\n";
            return 1;
        }
    }

    ScriptedUiServices ui;  // every question answered with its first button
    SetUi(&ui);
    HeadlessCreateObjects();
    try {
        BabInit();
    } catch (const VBError&) {
        PrintMessages(ui);
        std::cerr << "zelk_headless: the keyword file cannot be loaded\n";
        return 1;
    }
    // The tab width the settings give, else 4; every unknown word answered
    // alike.
    gfnAskTabWidth = [] { return TabWidth{4}; };
    HeadlessWordNotFound question(a.spell);
    const SpellingInstalled spelling(&question);

    const std::string source = fs::absolute(a.source, ec).string();
    // The settings file is in place: the run loads it (no settings file
    // there gives the first-run settings).
    const ZelkResult r = Zelk(source, ZelkSettings{}, nullptr);
    if (!r.Accepted) {
        PrintMessages(ui);
        std::cerr << "zelk_headless: " << source << " is not accepted as a Visual Basic source\n";
        return 1;
    }
    bool copied = CopyOut(r.Output, a.output) && CopyOut(r.Log, a.log);
    PrintMessages(ui);
    if (!copied) return 1;
    if (r.Status != 0 || r.Canceled) {
        std::cerr << "zelk_headless: file not zelked: status " << r.Status << " reason " << r.Reason
                  << (r.Canceled ? " (canceled)" : "") << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

HeadlessCommand ZelkCommand() {
    HeadlessCommand c{"zelk", kArguments,
                      "zelk SOURCE with the settings (IN.INI, else the configuration folder's own), the dialogs "
                      "answered by their defaults and unknown words by ANSWER (default: ignore); the output and "
                      "log to OUTPUT and LOG",
                      3, RunZelk, 9};
    return c;
}
