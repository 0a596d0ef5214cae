#pragma once
// Every value the settings load reads, named as the program holds it, with a
// value other than its first-run value that loads unchanged. Tests use the
// list to check, key by key, that the file's key reaches the named place.
#include <functional>
#include <string>
#include <vector>

struct SettingPlace {
    std::string Section;
    std::string Key;
    std::function<std::string()> Get;  // the held value as text
    std::function<void(const std::string&)> Set;
    std::string Stored;   // "@P" stands for the program's folder
    bool IsGlobal = true;  // false: a member of a shared object
    bool Saved = true;     // false: the save leaves the key alone
};

const std::vector<SettingPlace>& SettingPlaces();
