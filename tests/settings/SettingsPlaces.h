#pragma once
// Every value the settings load reads, named as the program holds it, with a
// value other than its first-run value that loads unchanged. Tests use the
// list to check, key by key, that the file's key reaches the named place: a
// field of the options value loaded, or a member of a shared object.
#include <functional>
#include <string>
#include <vector>

#include "settings/ZelkOptions.h"

struct SettingPlace {
    std::string Section;
    std::string Key;
    // The held value as text; a shared object's member ignores the options.
    std::function<std::string(const ZelkOptions&)> Get;
    std::function<void(ZelkOptions&, const std::string&)> Set;
    std::string Stored;    // "@P" stands for the program's folder
    bool IsOption = true;  // false: a member of a shared object
    bool Saved = true;     // false: the save leaves the key alone
};

const std::vector<SettingPlace>& SettingPlaces();
