#include "common/cAppInfo.h"

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "common/ErrorTrap.h"
#include "platform/Paths.h"
#include "common/RegistryEntry.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {
// The width of a scroll bar in pixels and the screen's twips per pixel.
constexpr float kScrollBarPixels = 17.0f;
constexpr float kTwipsPerPixel = 15.0f;

std::optional<DateTime> FileTime(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return datetime::FromTimeT(static_cast<long long>(st.st_mtime));
}
}  // namespace

std::string app::RegistryKeyPath() {
    return "Software\\" + kCompanyName + "\\" + kTitle + "\\" + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor);
}

cAppInfo::cAppInfo() {
    IsBeta = false;
    ScrollBarHeight = kScrollBarPixels * kTwipsPerPixel;
    ScrollBarWidth = kScrollBarPixels * kTwipsPerPixel;
}

std::string cAppInfo::AppDateTime() const {
    std::string base = paths::Join(paths::ProgramDir(), paths::ExeName());
    for (const char* ext : {"", ".EXE", ".VBP"})
        if (auto t = FileTime(base + ext)) return datetime::GeneralDate(*t);
    return datetime::GeneralDate(Clock().Now());
}

std::string cAppInfo::AppVersion() const {
    std::string v = std::to_string(app::kVersionMajor) + "." + std::to_string(app::kVersionMinor) + "." +
                    std::to_string(app::kVersionRevision);
    if (IsBeta) v += " BETA";
    return v + " (" + AppDateTime() + ")";
}

std::optional<std::string> cAppInfo::StoredValue(const std::string& whichKey) {
    return ReadRegText(reg::HKEY_LOCAL_MACHINE, app::RegistryKeyPath(), whichKey, true);
}

std::string cAppInfo::KEMRegInfoGet(const std::string& whichKey) {
    TraceGuard trace(TraceKind::App, "KEMRegInfo");
    return StoredValue(whichKey).value_or("UNKNOWN");
}

bool cAppInfo::KEMRegInfoPut(const std::string& whichKey, const std::string& newValue) {
    TraceGuard trace(TraceKind::App, "KEMRegInfoPut");
    RegistryEntry e;
    e.KeySection = reg::HKEY_LOCAL_MACHINE;
    e.KeyValue = app::RegistryKeyPath();
    e.Entry = whichKey;
    e.DataType = reg::REG_SZ;
    e.Value = newValue;
    GetSetRegistryEntry access;
    bool ok = access.SetRegValue(e);
    if (!e.ErrorMessage.empty()) oLog->LogData(e.ErrorMessage);
    return ok;
}

std::string cAppInfo::UserDefault(const std::string& valueName) {
    TraceGuard trace(TraceKind::App, "UserDefault");
    return ReadRegText(reg::HKEY_CURRENT_USER, "Software\\Microsoft\\MS Setup (ACME)\\User Info", valueName, true)
        .value_or(std::string());
}

std::string cAppInfo::Company() {
    if (company_.empty()) {
        // Missing stays empty (a first run asks); present but empty falls
        // back to the setup default.
        auto stored = StoredValue("Company");
        if (stored) company_ = stored->empty() ? UserDefault("DefCompany") : *stored;
    }
    return company_;
}

std::string cAppInfo::User() {
    if (user_.empty()) user_ = StoredValue("Name").value_or(std::string());
    return user_;
}

void cAppInfo::SetStored(const std::string& valueName, const std::string& defaultName, std::string& cache,
                         const std::string& newValue) {
    std::string stored = StoredValue(valueName).value_or(std::string());
    if (vb::Trim(stored).empty()) stored = UserCoDef(defaultName);
    cache = stored;
    if (!newValue.empty() && newValue != cache) {
        KEMRegInfoPut(valueName, newValue);
        cache = newValue;
    }
}

void cAppInfo::Company(const std::string& newValue) {
    Trapped("Let Company", [&] { SetStored("Company", "DefCompany", company_, newValue); });
}

void cAppInfo::User(const std::string& newValue) {
    Trapped("Let User", [&] { SetStored("Name", "DefName", user_, newValue); });
}

std::string cAppInfo::URLEncode(const std::string& text) {
    // Everything but letters, digits and "-_~" is escaped, "%" included, so
    // that the text arrives in the mail program exactly as it was.
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (unsigned char c : text) {
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                     c == '_' || c == '~';
        if (plain) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    return out;
}

std::string cAppInfo::BuildURL(const std::string& link, const std::string& subject, const std::string& message) {
    std::string url = link;
    bool query = false;
    if (!subject.empty()) {
        url += "?subject=" + URLEncode(subject);
        query = true;
    }
    if (!message.empty()) url += std::string(query ? "&" : "?") + "body=" + URLEncode(message);
    return url;
}

void cAppInfo::JumpToURL(const std::string& link, const std::string& subject, const std::string& message) {
    Trapped("JumpToURL", [&] { Ui().OpenUrl(BuildURL(link, subject, message)); });
}
