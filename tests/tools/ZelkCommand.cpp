// zelk [--settings IN.INI] [--now "M/D/YYYY h:mm:ss AM"] [--spell ANSWER]
// SOURCE OUTPUT LOG: one source file zelked by the program's own per-file
// run, the dialogs answered by their defaults (unknown words by ANSWER), the
// temporary output and log copied out.
#include <filesystem>
#include <iostream>

#include "Clock.h"
#include "EngineCalls.h"
#include "FileValidation.h"
#include "HeadlessCommand.h"
#include "HeadlessStartUp.h"
#include "HeadlessWordNotFound.h"
#include "KeywordTable.h"
#include "SpellingHooks.h"
#include "SpellingInstaller.h"
#include "UiServices.h"
#include "VBError.h"
#include "VBText.h"
#include "mINIHandler.h"
#include "mKEMCommon.h"

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

bool IsResourceScript(const std::string& path) {
    std::string ext = vb::UCase(fs::path(path).extension().string());
    if (ext.empty()) return false;
    for (const std::string& e : vb::Split(vb::UCase(gsResourceExt), "|"))
        if ("." + e == ext) return true;
    return false;
}

bool CopyOut(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) std::cerr << "zelk_headless: cannot write " << to << ": " << ec.message() << "\n";
    return !ec;
}

int RunZelk(const std::vector<std::string>& args) {
    ZelkArguments a;
    if (!ParseArguments(args, a)) {
        std::cerr << "zelk_headless: zelk " << kArguments << "\n";
        return 2;
    }
    std::string configDir = HeadlessConfigDir();
    if (configDir.empty()) return 2;

    static FakeClock fixed;
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

    static ScriptedUiServices ui;  // every question answered with its first button
    SetUi(&ui);
    HeadlessCreateObjects();
    // Only read: a zelk changes no setting, so nothing is written back.
    HeadlessReadSettings();
    try {
        BabInit();
    } catch (const VBError&) {
        PrintMessages(ui);
        std::cerr << "zelk_headless: the keyword file cannot be loaded\n";
        return 1;
    }
    // The tab width the settings give, else 4; every unknown word answered
    // alike.
    gfnAskTabWidth = [] { giTabWidth = 4; };
    static HeadlessWordNotFound question(a.spell);
    InstallSpelling(&question);

    const std::string source = fs::absolute(a.source, ec).string();
    std::vector<std::string> names = {"", source};
    VBFileValidate(names, true);
    if (names[1].empty()) {
        PrintMessages(ui);
        std::cerr << "zelk_headless: " << source << " is not accepted as a Visual Basic source\n";
        return 1;
    }
    oAppInfo->IsAResourceFile = IsResourceScript(source);
    cFileDesc entry;
    entry.FileName = source;
    oFile->Add(entry);
    sbSizeFileArrays(oFile->Count());
    giFileIndex = 1;

    sbProcessFile(1);
    const int status = oDebug->StatusCode, reason = oDebug->ReasonCode;
    bool copied = CopyOut(gsTempOutFile[1], a.output) && CopyOut(gsTempLogFile[1], a.log);
    sbKillTemp(1);
    PrintMessages(ui);
    if (!copied) return 1;
    if (status != 0 || oAppInfo->WasCanceled) {
        std::cerr << "zelk_headless: file not zelked: status " << status << " reason " << reason
                  << (oAppInfo->WasCanceled ? " (canceled)" : "") << "\n";
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
