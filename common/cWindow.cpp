#include "common/cWindow.h"

#include <cstdio>
#include <sys/utsname.h>

#include "common/AppIdentity.h"
#include "platform/Paths.h"
#include "platform/TempFiles.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"

std::string cWindow::GetTempFile(const std::string& filePrefix) {
    return tempfiles::Create(tempfiles::OwnDir(), filePrefix);
}

std::string cWindow::WinDir() { return paths::ConfigDir(); }

long WinHelp(const std::string& helpFile, long helpCommand) {
    if (helpCommand == HELP_QUIT) return 1;
    if (helpFile.empty()) return 0;
    if (!FileExists(helpFile)) {
        Ui().MsgBox("No help file is installed." "\r\n" + helpFile, mb::vbInformation, app::kTitle);
        return 0;
    }
    return Ui().OpenUrl("file://" + helpFile) ? 1 : 0;
}

void cWindow::CallWinHelp(const std::string& helpFile, long helpCommand, long /*contextId*/) {
    WinHelp(helpFile, helpCommand);
}

std::string cWindow::FormatVersion(const OsVersionInfo& info) {
    std::string text;
    if (info.PlatformId == 1)
        text = info.Minor > 0 ? " Windows 98 Version " : " Windows 95 Version ";
    else if (info.PlatformId == 2)
        text = " Windows NT Version ";
    else if (info.PlatformId == kPlatformLinux)
        text = " Linux Version ";
    text += std::to_string(info.Major) + "." + std::to_string(info.Minor) + " Build " +
            std::to_string(info.Build & 0xFFFF);
    text += " " + info.CSD;
    return text;
}

OsVersionInfo cWindow::CurrentVersion() {
    OsVersionInfo info;
    info.PlatformId = kPlatformLinux;
    struct utsname u {};
    if (::uname(&u) == 0) {
        int major = 0, minor = 0, patch = 0;
        std::sscanf(u.release, "%d.%d.%d", &major, &minor, &patch);
        info.Major = major;
        info.Minor = minor;
        info.Build = patch;
        info.CSD = u.release;
    }
    return info;
}

std::string cWindow::WinVersion() { return FormatVersion(CurrentVersion()); }

void cWindow::CenterPosition(double areaWidth, double areaHeight, double width, double height, double& left,
                             double& top) {
    left = vb::RoundHalfEven((areaWidth - width) / 2.0);
    top = vb::RoundHalfEven((areaHeight - height) / 2.0);
}

long cWindow::ExtentPixels(int wHowMuch) {
    constexpr double kTwipsPerPixel = 15.0;
    if (wHowMuch <= 0) return -1;
    return static_cast<long>(vb::RoundHalfEven(wHowMuch / kTwipsPerPixel));
}
