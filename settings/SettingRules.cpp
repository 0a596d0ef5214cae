#include "SettingRules.h"

#include "OwnFiles.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "settings/cINIHandler.h"

namespace rules {

TextRule ExtensionList(std::string legacyKey, std::string legacyDefault) {
    return [legacyKey, legacyDefault](cINIHandler& ini, std::string& value, ZelkOptions&, OwnFiles&) {
        if (value.empty() && !legacyKey.empty()) value = ini.ReadString(legacyKey, legacyDefault);
        if (value.find('|') == std::string::npos) value = vb::Replace(value, " ", "|");
    };
}

TextRule MainDictionary() {
    return [](cINIHandler&, std::string& value, ZelkOptions&, OwnFiles& own) {
        if (value.empty() || value.find("AMERICAN.VTD") != std::string::npos ||
            value.find("SPELLDIC.DAT") != std::string::npos)
            value = "Unknown";
        if (value == "Unknown") value = own.PathOrEmpty("SPELLDIC.DAT");
    };
}

TextRule CustomDictionary() {
    return [](cINIHandler&, std::string& value, ZelkOptions&, OwnFiles& own) {
        if (value == "Unknown") value = own.PathOrEmpty("VEZUZ.DIC");
    };
}

TextRule CommentTemplate(Holder<bool> kindSwitch, std::string defaultFile) {
    return [kindSwitch, defaultFile](cINIHandler&, std::string& value, ZelkOptions& options, OwnFiles& own) {
        if (!value.empty()) {
            if (!FileExists(value)) {
                value.clear();
                kindSwitch.set(options, false);
            }
        } else {
            value = own.PathOrEmpty(defaultFile);
        }
    };
}

TextRule OrderString(std::string defaultText) {
    return [defaultText](cINIHandler&, std::string& value, ZelkOptions&, OwnFiles&) {
        if (value.size() != defaultText.size() || !vb::IsNumeric(value)) value = defaultText;
    };
}

}  // namespace rules
