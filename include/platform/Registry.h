#pragma once
// A small registry of our own, kept in "registry.ini" in the configuration
// folder: one section per key path ("HKEY_LOCAL_MACHINE\Software\..."), values
// stored with their type so that a present empty text is not a missing value.
#include <cstdint>
#include <optional>
#include <string>

namespace reg {

// The predefined root keys, with the platform's handle values.
constexpr int32_t HKEY_CURRENT_USER = static_cast<int32_t>(0x80000001u);
constexpr int32_t HKEY_LOCAL_MACHINE = static_cast<int32_t>(0x80000002u);
constexpr int32_t HKEY_USERS = static_cast<int32_t>(0x80000003u);

constexpr int32_t REG_SZ = 1;
constexpr int32_t REG_DWORD = 4;

struct Value {
    int32_t Type = REG_SZ;
    std::string Text;   // REG_SZ
    uint32_t Number = 0;  // REG_DWORD
};

// The file the registry lives in.
std::string StoreFile();

// While one lives (they nest; the program and the command-line tool's zelk
// hold one for their whole run), the store is read from the disk once, and
// every change made through this layer goes into that reading as well as onto
// the disk, so later queries see it. Without one every query reads the disk
// (or the reading of an ini::ReadSession), so another program's change is
// seen.
class StoreReadOnce {
public:
    StoreReadOnce();
    ~StoreReadOnce();
    StoreReadOnce(const StoreReadOnce&) = delete;
    StoreReadOnce& operator=(const StoreReadOnce&) = delete;
};

bool KeyExists(int32_t root, const std::string& path);
bool CreateKey(int32_t root, const std::string& path);
std::optional<Value> QueryValue(int32_t root, const std::string& path, const std::string& name);
bool SetValue(int32_t root, const std::string& path, const std::string& name, const Value& value);
bool DeleteValue(int32_t root, const std::string& path, const std::string& name);

}  // namespace reg
