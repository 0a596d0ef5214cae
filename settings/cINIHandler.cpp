#include "settings/cINIHandler.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/VBText.h"

namespace {
// The system-wide profile that the Windows directory's WIN.INI stands for.
constexpr const char* kSystemProfile = "win.ini";
}  // namespace

cINIHandler::cINIHandler() : fileName_(paths::Join(paths::ProgramDir(), paths::ExeName() + ".INI")) {}

cINIHandler cINIHandler::OfNoFile() {
    cINIHandler none;
    none.noFile_ = true;
    return none;
}

void cINIHandler::Section(const std::string& name) { section_ = vb::Replace(vb::Replace(name, "[", "|"), "]", "|"); }

std::string cINIHandler::ReadFile(bool useWinDir) const { return useWinDir ? kSystemProfile : fileName_; }

std::string cINIHandler::ReadOr(const std::string& file, const std::string& key, std::string_view fallback) const {
    if (noFile_) return std::string(fallback);
    return ini::ReadOr(file, section_, key, fallback);
}

std::optional<std::string> cINIHandler::ReadRaw(const std::string& key) {
    if (noFile_) return std::nullopt;
    return ini::Read(fileName_, section_, key);
}

bool cINIHandler::ReadBool(const std::string& key, bool defaultValue, const std::optional<std::string>& section) {
    if (section) Section(*section);
    if (noFile_) return defaultValue;
    const std::string read = ReadOr(fileName_, key, defaultValue ? "True" : "False");
    // Blanks around the word and its letter case do not count.
    std::string_view text = read;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const auto is = [text](std::string_view word) { return vb::EqualsNoCase(text, word); };
    if (is("NO") || is("FALSE") || is("0")) return false;
    if (is("YES") || is("TRUE") || is("-1")) return true;
    return defaultValue;
}

double cINIHandler::ReadNumber(const std::string& key, double defaultValue, std::optional<double> lowerBound,
                               std::optional<double> upperBound, const std::string& section, bool useWinDir) {
    if (!section.empty()) Section(section);
    double value = vb::Val(ReadOr(ReadFile(useWinDir), key, vb::NumberText(defaultValue)));
    if (lowerBound && value < *lowerBound) value = *lowerBound;
    if (upperBound && value > *upperBound) value = *upperBound;
    return value;
}

std::string cINIHandler::ReadString(const std::string& key, const std::string& defaultValue,
                                    const std::string& section, bool useWinDir) {
    if (!section.empty()) section_ = section;
    return ReadOr(ReadFile(useWinDir), key, defaultValue);
}

std::vector<std::string> cINIHandler::ReadWords(const std::string& key, const std::string& defaultValue,
                                                const std::string& delim, const std::optional<std::string>& section) {
    if (section) section_ = *section;
    std::string text = ReadOr(fileName_, key, defaultValue);
    if (text.empty()) text = defaultValue;
    // One left-to-right pass: three blanks become two.
    text = vb::Replace(text, "  ", " ");
    return vb::Split(text, delim);
}

void cINIHandler::WriteBool(const std::string& key, bool value, const std::optional<std::string>& section) {
    WriteString(key, value ? "Yes" : "No", section);
}

void cINIHandler::WriteNumber(const std::string& key, double value, const std::optional<std::string>& section) {
    WriteString(key, vb::NumberText(value), section);
}

void cINIHandler::WriteString(const std::string& key, const std::string& value,
                              const std::optional<std::string>& section) {
    if (section) Section(*section);
    ini::Write(fileName_, section_, key, value);
}

void cINIHandler::WriteWords(const std::string& key, const std::vector<std::string>& words,
                             const std::optional<std::string>& section) {
    if (section) section_ = *section;
    ini::Write(fileName_, section_, key, vb::Join(words, " "));
}

void cINIHandler::DeleteKey(const std::string& key, const std::optional<std::string>& section) {
    if (section) Section(*section);
    ini::DeleteKey(fileName_, section_, key);
}

void cINIHandler::DeleteSection(const std::string& section) { ini::DeleteSection(fileName_, section); }
