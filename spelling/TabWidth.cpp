#include "spelling/TabWidth.h"

#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "settings/ZelkOptions.h"
#include "settings/mINIHandler.h"

std::optional<int> fnTabWidthEntry(const std::string& text) {
    if (!vb::IsNumeric(text)) return std::nullopt;
    const double width = vb::RoundHalfEven(vb::Val(vb::Trim(text)));
    if (width == -1 || width == 99 || (width >= 0 && width <= 20)) return static_cast<int>(width);
    return std::nullopt;
}

bool fbTakeTabWidth(bool setTo, const std::string& text, ZelkOptions& options) {
    int width = -1;
    if (setTo) {
        const std::optional<int> entry = fnTabWidthEntry(text);
        if (!entry) {
            Ui().MsgBox("Enter the number of spaces for a tab, from 0 to 20." "\r\n"
                        "-1 leaves tabs as they are.",
                        mb::vbOKOnly | mb::vbExclamation, "Set Tab Width");
            return false;
        }
        width = *entry;
    }
    options.giTabWidth = static_cast<TabWidth>(width);
    sbINIPutTabWidth(options);
    return true;
}
