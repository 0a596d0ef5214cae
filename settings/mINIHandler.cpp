#include "settings/mINIHandler.h"

#include "common/ErrorTrap.h"
#include "platform/IniFile.h"
#include "OwnFiles.h"
#include "SettingsTable.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

// The debug switches are members of oDebug: writing them reads no option.
const ZelkOptions kNoOptions;

// oINI for the procedures that use it without creating it.
cINIHandler& INI() { return Existing(oINI); }

// Runs one step of the load. With trapping on a step that fails is skipped
// and the load goes on; without, the error reaches the load's caller.
template <class F>
void LoadStep(bool trap, F&& step) {
    if (!trap) {
        step();
        return;
    }
    try {
        step();
    } catch (const VBError&) {
    } catch (const std::exception&) {
    }
}

// One key from the handler's file into its place. With `firstRun`, a key
// whose value cannot be held takes the value a first run gives it instead.
void LoadKey(cINIHandler& ini, const SettingKey& key, ZelkOptions& options, OwnFiles& own, cINIHandler* firstRun) {
    if (!firstRun) {
        LoadSettingKey(ini, key, options, own);
        return;
    }
    try {
        LoadSettingKey(ini, key, options, own);
    } catch (const VBError&) {
        LoadSettingKey(*firstRun, key, options, own);
    } catch (const std::exception&) {
        LoadSettingKey(*firstRun, key, options, own);
    }
}

// Every key the load reads, from the settings file, each into its place.
void LoadKeys(bool trap, ZelkOptions& options, OwnFiles& own, cINIHandler* firstRun) {
    for (const SettingSection& section : SettingsSections()) {
        LoadStep(trap, [&] { INI().Section(section.Name); });
        for (const SettingKey& key : section.Keys)
            if (key.Loaded) LoadStep(trap, [&] { LoadKey(INI(), key, options, own, firstRun); });
    }
}

// The keys whose first-run values a load from a named file puts in place
// before it reads the file: those whose rule looks for the program's own
// files (looked for, and traced, as a first run does, in its order, once
// each), and the [Debug] switches, which decide the load's own tracing and
// error trapping.
void FirstRunBeforeTheLoad(cINIHandler& firstRun, ZelkOptions& options, OwnFiles& own) {
    for (const SettingSection& section : SettingsSections())
        for (const SettingKey& key : section.Keys)
            if (key.Loaded && (key.Rule || section.Name == "Debug"))
                LoadStep(true, [&] { LoadSettingKey(firstRun, key, options, own); });
}

void GetINIInfo(ZelkOptions& options, const std::string& file, OwnFiles& own, cINIHandler* firstRun) {
    // The load's enter and exit lines are written whatever the switches, so
    // a log always shows where the settings came in.
    if (oLog) oLog->LogTraceEnter("sbGetINIInfo");
    // The error mode is the one in force when the load starts, although the
    // load itself replaces DontTrapErrors from the file.
    const bool trap = TrapErrors();
    // The settings file is read once for the whole load, not once a key.
    ini::ReadSession readOnce;
    sbInitINI(file);
    LoadKeys(trap, options, own, firstRun);
    if (oLog) oLog->LogTraceExit("sbGetINIInfo");
}

void SaveSection(const SettingSection& section, const ZelkOptions& options) {
    INI().Section(section.Name);
    for (const SettingKey* key : section.KeysToSave()) SaveSettingKey(INI(), *key, options);
}

}  // namespace

void sbInitINI(const std::string& file) {
    Trapped("sbInitINI", [&] {
        if (!oINI) oINI = std::make_unique<cINIHandler>();
        oINI->INIFileName(file);
    });
}

void sbINIGetUser(bool& blnUserFound, const std::string& file) {
    TraceGuard trace(TraceKind::App, "sbINIGetUser");
    ini::ReadSession readOnce;
    sbInitINI(file);
    INI().Section("Program");
    std::string user = INI().ReadString("User", "");
    blnUserFound = !user.empty();
    Existing(oAppInfo).User(user);
    Existing(oAppInfo).Company(INI().ReadString("Company", ""));
}

void sbGetINIInfo(ZelkOptions& options, const std::string& file) {
    OwnFiles own;
    GetINIInfo(options, file, own, nullptr);
}

void sbLoadSettingsFrom(const std::string& file, ZelkOptions& options) {
    // The settings file is read once for all the steps.
    ini::ReadSession readOnce;
    // The program's own files are looked for once for the whole load.
    OwnFiles own;
    // Nothing of an earlier load is left: a key the file lacks, or holds a
    // value that cannot be held, takes its first-run value, read from no file
    // at all. Such a value is the same whenever it is taken, except for the
    // keys put in place first.
    cINIHandler firstRun = cINIHandler::OfNoFile();
    FirstRunBeforeTheLoad(firstRun, options, own);
    bool userFound = false;
    sbINIGetUser(userFound, file);
    // With the first-run switches in place the load traps every error.
    GetINIInfo(options, file, own, &firstRun);
    sbInitINI();
}

double fvRangeCheck(std::string& sValue, std::string sDefault, std::optional<double> vLowerBound,
                    std::optional<double> vUpperBound) {
    const double lower = vLowerBound.value_or(-32768);
    const double upper = vUpperBound.value_or(32767);
    if (!vb::IsNumeric(sDefault)) sDefault = "0";
    if (!vb::IsNumeric(sValue)) return vb::Val(sDefault);
    // The number is read again from its text only when the text changes.
    double value = vb::Val(sValue);
    if (value > upper) {
        sValue = vb::NumberText(upper);
        value = vb::Val(sValue);
    }
    if (value < lower) {
        sValue = vb::NumberText(lower);
        value = vb::Val(sValue);
    }
    return value;
}

std::string fsINIGetVersion() { return INI().ReadString("Version", "", "Program"); }

void sbINIPutInfo(const ZelkOptions& options) {
    TraceGuard trace(TraceKind::App, "sbINIPutInfo");
    Trapped("sbINIPutInfo", [&options] {
        // The file is written once, whole, when the save ends (also when an
        // error stops it: what was saved until then), not once a key.
        ini::WriteSession writeOnce;
        sbInitINI();
        for (const std::string& name : SettingsSaveOrder()) SaveSection(SettingsSection(name), options);
    });
}

void sbINIPutDebug() {
    const SettingSection& debug = SettingsSection("Debug");
    ini::WriteSession writeOnce;
    INI().Section(debug.Name);
    for (const char* name : {"DontTrapErrors", "DontFixDataErrors", "TraceEvents", "TraceMouseMove",
                             "TraceApplication", "TracePackages", "TraceClasses"})
        SaveSettingKey(INI(), debug.Key(name), kNoOptions);
}

void sbINIPutTabWidth(const ZelkOptions& options) {
    const SettingSection& program = SettingsSection("Program");
    INI().Section(program.Name);
    SaveSettingKey(INI(), program.Key("TabWidth"), options);
}

std::string fsINIGetMRU(int iEntry) {
    INI().Section("MRU");
    return INI().ReadString("MRU" + std::to_string(iEntry), "");
}

void sbINIPutMRU(int iEntry, const std::string& sFileName) {
    INI().WriteString("MRU" + std::to_string(iEntry), sFileName, "MRU");
}
