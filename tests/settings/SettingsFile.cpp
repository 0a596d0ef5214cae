#include "SettingsFile.h"

#include <filesystem>

#include "platform/Paths.h"
#include "TestSupport.h"
#include "platform/VBText.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"

namespace settingsfile {

std::string Path() { return paths::Join(testsupport::ConfigDir(), kSettingsFileName); }

void Write(const std::string& content) { testsupport::WriteFile(Path(), content); }

std::string Read() { return testsupport::ReadFile(Path()); }

void Load(ZelkOptions& options) {
    if (!oCommonDialog) oCommonDialog = std::make_unique<clsCommonDialog>();
    sbGetINIInfo(options);
}

ZelkOptions Load() {
    ZelkOptions options;
    Load(options);
    return options;
}

void OnlyProgramFiles(std::initializer_list<std::string> present) {
    for (const char* name : {"SPELLDIC.DAT", "VEZUZ.DIC", "CMTMOD.DEF", "CMTUDP.DEF", "CMTEVT.DEF"})
        std::filesystem::remove(paths::Join(testsupport::ProgramDir(), name));
    for (const auto& name : present) testsupport::WriteFile(paths::Join(testsupport::ProgramDir(), name), "x");
}

std::string WithProgramDir(std::string text) { return vb::Replace(text, "@P", testsupport::ProgramDir()); }

}  // namespace settingsfile
