#pragma once
// One registry request: where, which value, of which type, and the value read
// or to be written. A null Value means none (read: not found; write: delete).
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/Registry.h"

using RegVariant = std::variant<std::monostate, std::string, int64_t>;

class RegistryEntry {
public:
    int32_t DataType = reg::REG_SZ;
    std::string Entry;
    std::string ErrorMessage;
    int32_t KeySection = reg::HKEY_LOCAL_MACHINE;
    std::string KeyValue;
    RegVariant Value;

    bool IsNull() const { return std::holds_alternative<std::monostate>(Value); }
    // The value as text: a number as its digits, null as empty.
    std::string ValueText() const;
};

// Reads and writes one value described by a RegistryEntry.
class GetSetRegistryEntry {
public:
    bool GetRegValue(RegistryEntry& regEntry);
    bool SetRegValue(RegistryEntry& regEntry);
};

// Reads one text value; nullopt when it cannot be read. With logErrors the
// failure text goes to the log.
std::optional<std::string> ReadRegText(int32_t root, const std::string& path, const std::string& name,
                                       bool logErrors);

// The text value of that name in all users' setup information, or empty.
std::string UserCoDef(const std::string& valueName);
