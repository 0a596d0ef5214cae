#include "SettingRules.h"

#include "platform/Paths.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "settings/cINIHandler.h"

namespace rules {

namespace {
// The program's own copy of a file, or the empty text when it has none.
std::string OwnFileOrEmpty(const std::string& fileName) {
    std::string path = paths::Join(paths::ProgramDir(), fileName);
    return FileExists(path) ? path : std::string();
}
}  // namespace

TextRule ExtensionList(std::string legacyKey, std::string legacyDefault) {
    return [legacyKey, legacyDefault](cINIHandler& ini, std::string& value, ZelkOptions&) {
        if (value.empty() && !legacyKey.empty()) value = ini.ReadString(legacyKey, legacyDefault);
        if (value.find('|') == std::string::npos) value = vb::Replace(value, " ", "|");
    };
}

TextRule MainDictionary() {
    return [](cINIHandler&, std::string& value, ZelkOptions&) {
        if (value.empty() || value.find("AMERICAN.VTD") != std::string::npos ||
            value.find("SPELLDIC.DAT") != std::string::npos)
            value = "Unknown";
        if (value == "Unknown") value = OwnFileOrEmpty("SPELLDIC.DAT");
    };
}

TextRule CustomDictionary() {
    return [](cINIHandler&, std::string& value, ZelkOptions&) {
        if (value == "Unknown") value = OwnFileOrEmpty("VEZUZ.DIC");
    };
}

TextRule CommentTemplate(Holder<bool> kindSwitch, std::string defaultFile) {
    return [kindSwitch, defaultFile](cINIHandler&, std::string& value, ZelkOptions& options) {
        if (!value.empty()) {
            if (!FileExists(value)) {
                value.clear();
                kindSwitch.set(options, false);
            }
        } else {
            value = OwnFileOrEmpty(defaultFile);
        }
    };
}

TextRule OrderString(std::string defaultText) {
    return [defaultText](cINIHandler&, std::string& value, ZelkOptions&) {
        if (value.size() != defaultText.size() || !vb::IsNumeric(value)) value = defaultText;
    };
}

}  // namespace rules
