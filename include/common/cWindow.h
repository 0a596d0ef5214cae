#pragma once
// Small window and system services. The operations on windows take Qt
// widgets and are built into the settings_ui library; the others need no
// display.
#include <string>

class QWidget;

// The fields of the platform's version information that the version text is
// made of.
struct OsVersionInfo {
    long PlatformId = 0;  // 1 the Windows 95 family, 2 NT, kPlatformLinux Linux
    long Major = 0;
    long Minor = 0;
    long Build = 0;
    std::string CSD;
};

constexpr long kPlatformLinux = 100;

// Help commands.
constexpr long HELP_CONTEXT = 1;
constexpr long HELP_QUIT = 2;
constexpr long HELP_FINDER = 0xB;

// Opens the help file for a help command; 1 when the help was handed to the
// desktop (or the command closes help), 0 when there is no help to show.
long WinHelp(const std::string& helpFile, long helpCommand);

class cWindow {
public:
    // Window operations (built with the windows).
    void BringToTop(QWidget* form);
    void Center(QWidget* form);
    void HiLIte(QWidget* control);
    void OnTop(QWidget* form, bool bSetOnTop);
    bool SetHorizontalExtent(int wHowMuch, QWidget* wControl);

    void CallWinHelp(const std::string& helpFile, long helpCommand, long contextId);
    // Creates a new empty temporary file in the program's directory and
    // returns its full name; raises VBError when none can be made.
    std::string GetTempFile(const std::string& filePrefix);
    std::string WinDir();
    std::string WinVersion();

    static std::string FormatVersion(const OsVersionInfo& info);
    static OsVersionInfo CurrentVersion();
    // The place that centres a form of the given size in an area (halves to even).
    static void CenterPosition(double areaWidth, double areaHeight, double width, double height, double& left,
                               double& top);
    // A horizontal extent in twips as pixels, or -1 when nothing is to be sent.
    static long ExtentPixels(int wHowMuch);
};
