#include "common/RegistryEntry.h"

#include "common/Trace.h"
#include "common/mKEMCommon.h"

std::string RegistryEntry::ValueText() const {
    if (auto s = std::get_if<std::string>(&Value)) return *s;
    if (auto n = std::get_if<int64_t>(&Value)) return std::to_string(*n);
    return {};
}

bool GetSetRegistryEntry::GetRegValue(RegistryEntry& e) {
    e.ErrorMessage.clear();
    try {
        if (!reg::KeyExists(e.KeySection, e.KeyValue)) {
            e.Value = std::monostate{};
            e.ErrorMessage = "RegOpenKey Failed: " + e.KeyValue;
            return false;
        }
        if (e.DataType != reg::REG_SZ && e.DataType != reg::REG_DWORD) {
            e.Value = std::monostate{};
            return false;
        }
        auto v = reg::QueryValue(e.KeySection, e.KeyValue, e.Entry);
        if (!v || v->Type != e.DataType) {
            e.Value = std::monostate{};
            return false;
        }
        if (e.DataType == reg::REG_SZ)
            e.Value = v->Text;
        else
            e.Value = static_cast<int64_t>(v->Number);
        return true;
    } catch (...) {
        return false;
    }
}

bool GetSetRegistryEntry::SetRegValue(RegistryEntry& e) {
    e.ErrorMessage.clear();
    try {
        if (e.IsNull()) {
            if (!reg::KeyExists(e.KeySection, e.KeyValue)) {
                e.ErrorMessage = "RegOpenKey Failed: " + e.KeyValue;
                return false;
            }
            if (!reg::DeleteValue(e.KeySection, e.KeyValue, e.Entry)) {
                e.ErrorMessage = "RegDeleteValue Failed: " + e.Entry;
                return false;
            }
            return true;
        }
        if (!reg::KeyExists(e.KeySection, e.KeyValue) && !reg::CreateKey(e.KeySection, e.KeyValue)) {
            e.ErrorMessage = "RegCreateKey Failed: " + e.KeyValue;
            return false;
        }
        reg::Value v;
        if (e.DataType == reg::REG_SZ) {
            v.Type = reg::REG_SZ;
            v.Text = e.ValueText();
        } else if (e.DataType == reg::REG_DWORD) {
            v.Type = reg::REG_DWORD;
            auto n = std::get_if<int64_t>(&e.Value);
            v.Number = static_cast<uint32_t>(n ? *n : std::stoll(e.ValueText()));
        } else {
            return true;  // other types write nothing
        }
        if (!reg::SetValue(e.KeySection, e.KeyValue, e.Entry, v)) {
            e.ErrorMessage = "RegSetValueEx Failed: " + e.Entry;
            return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

std::optional<std::string> ReadRegText(int32_t root, const std::string& path, const std::string& name,
                                       bool logErrors) {
    RegistryEntry e;
    e.KeySection = root;
    e.KeyValue = path;
    e.Entry = name;
    e.DataType = reg::REG_SZ;
    GetSetRegistryEntry access;
    bool ok = access.GetRegValue(e);
    if (logErrors && !e.ErrorMessage.empty() && oLog) oLog->LogData(e.ErrorMessage);
    if (ok && !e.IsNull()) return e.ValueText();
    return std::nullopt;
}

std::string UserCoDef(const std::string& valueName) {
    TraceGuard trace(TraceKind::App, "UserCoDef");
    return ReadRegText(reg::HKEY_USERS, ".Default\\Software\\Microsoft\\MS Setup (ACME)\\User Info", valueName, false)
        .value_or(std::string());
}
