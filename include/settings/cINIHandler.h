#pragma once
// Access to one INI-format file: a file name and a current section kept
// between calls, typed reads with defaults and bounds, typed writes. Nothing
// here reports an error: a missing file, section or key gives the default.
#include <any>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class cINIHandler {
public:
    cINIHandler();
    // A handler of no file at all: every read gives its default, as a
    // missing file does, without looking for one. Only for reading.
    static cINIHandler OfNoFile();

    std::any DefaultValue;  // a public slot no operation reads or writes
    std::any Data;

    const std::string& INIFileName() const { return fileName_; }
    void INIFileName(const std::string& name) { fileName_ = name; }
    const std::string& Key() const { return key_; }
    void Key(const std::string& key) { key_ = key; }
    const std::string& Section() const { return section_; }
    // Stores the name with every "[" and "]" replaced by "|".
    void Section(const std::string& name);

    bool ReadBool(const std::string& key, bool defaultValue = false,
                  const std::optional<std::string>& section = std::nullopt);
    double ReadNumber(const std::string& key, double defaultValue = 0,
                      std::optional<double> lowerBound = std::nullopt,
                      std::optional<double> upperBound = std::nullopt, const std::string& section = {},
                      bool useWinDir = false);
    std::string ReadString(const std::string& key, const std::string& defaultValue = {},
                           const std::string& section = {}, bool useWinDir = false);
    std::vector<std::string> ReadWords(const std::string& key, const std::string& defaultValue = {},
                                       const std::string& delim = " ",
                                       const std::optional<std::string>& section = std::nullopt);
    // The raw value, or nullopt when the key is missing (present-but-empty
    // gives an empty text).
    std::optional<std::string> ReadRaw(const std::string& key);

    void WriteBool(const std::string& key, bool value, const std::optional<std::string>& section = std::nullopt);
    void WriteNumber(const std::string& key, double value, const std::optional<std::string>& section = std::nullopt);
    void WriteString(const std::string& key, const std::string& value,
                     const std::optional<std::string>& section = std::nullopt);
    void WriteWords(const std::string& key, const std::vector<std::string>& words,
                    const std::optional<std::string>& section = std::nullopt);
    void DeleteKey(const std::string& key, const std::optional<std::string>& section = std::nullopt);
    void DeleteSection(const std::string& section);

private:
    // The file a read goes to: the settings file, or the system profile.
    std::string ReadFile(bool useWinDir) const;
    // The key's text in the current section of `file`, or the fallback.
    std::string ReadOr(const std::string& file, const std::string& key, std::string_view fallback) const;

    std::string fileName_;
    std::string key_;
    std::string section_ = "DEFAULT";
    bool noFile_ = false;
};
