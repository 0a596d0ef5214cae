#pragma once
// What the program knows about itself and the state several windows share:
// version, user and company (kept in the registry), view switches, the kind of
// the loaded files, the cancel request of a running zelk, scroll bar sizes.
#include <optional>
#include <string>

class cAppInfo {
public:
    cAppInfo();

    bool CanUnload = false;
    bool DebugMenu = false;
    bool IsAProjectFile = false;
    bool IsAResourceFile = false;
    bool IsBeta = false;
    bool Logging = false;
    float ScrollBarHeight = 0;  // twips
    float ScrollBarWidth = 0;   // twips
    bool ShowOpenDialog = false;
    bool StatusBar = false;
    bool Toolbar = false;
    bool ToolTips = false;
    bool WasCanceled = false;

    std::string AppDateTime() const;
    std::string AppVersion() const;
    std::string KEMRegInfoGet(const std::string& whichKey);
    bool KEMRegInfoPut(const std::string& whichKey, const std::string& newValue);

    // Empty when nothing is stored, so that a first run asks for them.
    std::string Company();
    void Company(const std::string& newValue);
    std::string User();
    void User(const std::string& newValue);

    // Opens a link ("mailto:...") with the desktop, subject and body added.
    void JumpToURL(const std::string& link, const std::string& subject, const std::string& message);
    // The link JumpToURL opens.
    static std::string BuildURL(const std::string& link, const std::string& subject, const std::string& message);
    static std::string URLEncode(const std::string& text);

    void LogFile(const std::string& name) { logFile_ = name; }
    const std::string& LogFile() const { return logFile_; }

private:
    std::string UserDefault(const std::string& valueName);
    // The stored text of a value under the program's key; nullopt when missing.
    std::optional<std::string> StoredValue(const std::string& whichKey);
    void SetStored(const std::string& valueName, const std::string& defaultName, std::string& cache,
                   const std::string& newValue);

    std::string company_;
    std::string logFile_;
    std::string user_;
};
