#include "options/SpinRules.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/KeyCodes.h"
#include "platform/VBText.h"

namespace {

constexpr long long kLongMin = INT32_MIN, kLongMax = INT32_MAX;

long long Clamp32(long long v) { return std::clamp(v, kLongMin, kLongMax); }

}  // namespace

std::optional<std::string> SpinValueLet(const std::string& text, long minVal, long maxVal) {
    if (!vb::IsNumeric(text)) return std::nullopt;
    std::string s = text;
    if (vb::Val(s) < static_cast<double>(minVal)) s = std::to_string(minVal);
    if (vb::Val(s) > static_cast<double>(maxVal)) s = std::to_string(maxVal);
    return s;
}

long SpinNumber(const std::string& text, long minVal) {
    if (!vb::IsNumeric(text)) return minVal;
    const double v = vb::RoundHalfEven(vb::Val(text));
    if (v <= static_cast<double>(kLongMin)) return static_cast<long>(kLongMin);
    if (v >= static_cast<double>(kLongMax)) return static_cast<long>(kLongMax);
    return static_cast<long>(v);
}

std::string SpinStep(const std::string& text, bool up, long changeAmount, long minVal, long maxVal) {
    long long n = SpinNumber(text, minVal);
    if (up) {
        n = Clamp32(n + changeAmount);
        if (n > maxVal) n = maxVal;
    } else {
        n = Clamp32(n - changeAmount);
        if (n < minVal) n = minVal;
    }
    return std::to_string(n);
}

std::string SpinKeyDown(const std::string& text, int keyCode, long changeAmount, long minVal, long maxVal) {
    if (keyCode == vbkey::vbKeyUp) return SpinStep(text, true, changeAmount, minVal, maxVal);
    if (keyCode == vbkey::vbKeyDown) return SpinStep(text, false, changeAmount, minVal, maxVal);
    return std::to_string(SpinNumber(text, minVal));
}

bool SpinAcceptsChar(char c) { return c >= '0' && c <= '9'; }

std::optional<int> SpinSettingValue(const std::string& text) {
    if (!vb::IsNumeric(text)) return std::nullopt;
    const double v = vb::RoundHalfEven(vb::Val(text));
    return static_cast<int>(std::clamp(v, static_cast<double>(INT16_MIN), static_cast<double>(INT16_MAX)));
}
