#include "platform/VBText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/VBError.h"

namespace vb {

std::string UCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = UCaseChar(c);
    return r;
}

std::string LCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return r;
}

std::string LTrim(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string Replace(std::string_view s, std::string_view what, std::string_view with) {
    if (what.empty()) return std::string(s);
    std::string r;
    r.reserve(s.size());
    size_t pos = 0;
    while (true) {
        size_t hit = s.find(what, pos);
        if (hit == std::string_view::npos) break;
        r.append(s.substr(pos, hit - pos));
        r.append(with);
        pos = hit + what.size();
    }
    r.append(s.substr(pos));
    return r;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UCaseChar(a[i]) != UCaseChar(b[i])) return false;
    return true;
}

std::vector<std::string> Split(std::string_view s, std::string_view delim) {
    std::vector<std::string> parts;
    if (delim.empty()) {
        parts.emplace_back(s);
        return parts;
    }
    size_t pos = 0;
    while (true) {
        size_t hit = s.find(delim, pos);
        if (hit == std::string_view::npos) break;
        parts.emplace_back(s.substr(pos, hit - pos));
        pos = hit + delim.size();
    }
    parts.emplace_back(s.substr(pos));
    return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view delim) {
    std::string r;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) r.append(delim);
        r.append(parts[i]);
    }
    return r;
}

namespace {

// Length of the number at the start of s (after position `start`), or 0.
size_t NumberLength(std::string_view s, size_t start) {
    size_t i = start;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++expDigits;
        if (expDigits) i = j;
    }
    return i - start;
}

}  // namespace

double Val(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    size_t n = NumberLength(s, i);
    if (n == 0) return 0.0;
    std::string text(s.substr(i, n));
    for (char& c : text)
        if (c == 'd' || c == 'D') c = 'e';
    return std::strtod(text.c_str(), nullptr);
}

bool IsNumeric(std::string_view s) {
    std::string_view t = s;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    if (t.empty()) return false;
    return NumberLength(t, 0) == t.size();
}

double RoundHalfEven(double v) {
    double r = std::nearbyint(v);  // default rounding mode: to nearest, ties to even
    return r;
}

int16_t CInt(double v) {
    double r = RoundHalfEven(v);
    if (!(r >= -32768.0 && r <= 32767.0)) RaiseError(vberr::kOverflow, "CInt");
    return static_cast<int16_t>(r);
}

int32_t CLng(double v) {
    double r = RoundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) RaiseError(vberr::kOverflow, "CLng");
    return static_cast<int32_t>(r);
}

std::string NumberText(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", v);
        std::string s(buf);
        if (s == "-0") s = "0";
        return s;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

std::string SingleText(float v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e7f) return NumberText(v);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(v));
    return buf;
}

std::string Str(double v) {
    std::string t = NumberText(v);
    return (v >= 0 || t == "0") ? " " + t : t;
}

std::string Str(long long v) { return Str(static_cast<double>(v)); }

std::string Format(double v, std::string_view pattern) {
    bool thousands = pattern.find(',') != std::string_view::npos;
    size_t zeros = 0;
    for (char c : pattern)
        if (c == '0') ++zeros;
    double r = RoundHalfEven(v);
    bool negative = r < 0;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.0f", std::fabs(r));
    std::string digits(buf);
    if (digits.size() < zeros) digits.insert(0, zeros - digits.size(), '0');
    if (thousands) {
        std::string grouped;
        int count = 0;
        for (size_t i = digits.size(); i-- > 0;) {
            grouped.insert(grouped.begin(), digits[i]);
            if (++count % 3 == 0 && i > 0) grouped.insert(grouped.begin(), ',');
        }
        digits = grouped;
    }
    return negative ? "-" + digits : digits;
}

}  // namespace vb
