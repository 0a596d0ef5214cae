#include "mainwindow/SysInfo.h"

#include "common/AppIdentity.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/UiServices.h"
#include "common/WindowHelpers.h"

namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kToolFile = "MSINFO32.EXE";

}  // namespace

bool GetKeyValue(int32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal) {
    const auto value = reg::QueryValue(KeyRoot, KeyName, SubKeyRef);
    if (!value) {
        KeyVal.clear();
        return false;
    }
    if (value->Type == reg::REG_SZ) {
        KeyVal = value->Text;
        if (!KeyVal.empty() && KeyVal.back() == '\0') KeyVal.pop_back();
    } else if (value->Type == reg::REG_DWORD) {
        KeyVal = std::to_string(value->Number);
    }
    return true;
}

std::string fsSysInfoPath() {
    std::string path;
    if (GetKeyValue(reg::HKEY_LOCAL_MACHINE, kToolKey, "PATH", path)) return path;
    if (GetKeyValue(reg::HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", path)) {
        const std::string file = paths::Join(paths::FromWindowsPath(path), kToolFile);
        if (FileExists(file)) return file;
    }
    return {};
}

void StartSysInfo() {
    const std::string path = fsSysInfoPath();
    if (!path.empty() && FileExists(path) && Ui().StartProgram(path, {})) {
        Ui().DoEvents();
        return;
    }
    Ui().MsgBox("System Information Is Unavailable At This Time", mb::vbOKOnly, app::kTitle);
}
