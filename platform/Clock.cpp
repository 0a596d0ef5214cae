#include "platform/Clock.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>
#include <thread>

#include "platform/VBError.h"

uint32_t SystemClock::TickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

DateTime SystemClock::Now() { return datetime::FromTimeT(static_cast<long long>(std::time(nullptr))); }

void SystemClock::Sleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

namespace {
SystemClock gSystemClock;
IClock* gClock = nullptr;
}  // namespace

IClock& Clock() { return gClock ? *gClock : gSystemClock; }
void SetClock(IClock* clock) { gClock = clock; }

namespace datetime {

DateTime FromTimeT(long long t) {
    std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    localtime_r(&tt, &tm);
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string ShortDate(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d/%d/%04d", t.Month, t.Day, t.Year);
    return buf;
}

std::string LongTime(const DateTime& t) {
    int h = t.Hour % 12;
    if (h == 0) h = 12;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h, t.Minute, t.Second, t.Hour < 12 ? "AM" : "PM");
    return buf;
}

std::string GeneralDate(const DateTime& t) { return ShortDate(t) + " " + LongTime(t); }

std::string HistoryStamp(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d/%02d/%04d ", t.Month, t.Day, t.Year);
    return buf + LongTime(t);
}

DateTime FileDateTime(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) RaiseErrno(errno, path, "FileDateTime");
    return FromTimeT(static_cast<long long>(st.st_mtime));
}

std::string Format(const DateTime& t, const std::string& pattern) {
    std::string out;
    bool afterHour = false;
    char buf[8];
    for (size_t i = 0; i < pattern.size();) {
        auto at = [&](const char* tok) { return pattern.compare(i, std::char_traits<char>::length(tok), tok) == 0; };
        if (at("yyyy")) {
            std::snprintf(buf, sizeof buf, "%04d", t.Year);
            out += buf;
            i += 4;
        } else if (at("mm")) {
            std::snprintf(buf, sizeof buf, "%02d", afterHour ? t.Minute : t.Month);
            out += buf;
            i += 2;
        } else if (at("nn")) {
            std::snprintf(buf, sizeof buf, "%02d", t.Minute);
            out += buf;
            i += 2;
        } else if (at("dd")) {
            std::snprintf(buf, sizeof buf, "%02d", t.Day);
            out += buf;
            i += 2;
        } else if (at("hh")) {
            std::snprintf(buf, sizeof buf, "%02d", t.Hour);
            out += buf;
            afterHour = true;
            i += 2;
        } else if (at("ss")) {
            std::snprintf(buf, sizeof buf, "%02d", t.Second);
            out += buf;
            i += 2;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

namespace {

// Reads 1 to `maxDigits` digits at pos.
bool ReadNumber(std::string_view s, size_t& pos, size_t maxDigits, int& value) {
    size_t start = pos;
    value = 0;
    while (pos < s.size() && pos - start < maxDigits && s[pos] >= '0' && s[pos] <= '9') value = value * 10 + (s[pos++] - '0');
    return pos > start;
}

void SkipBlanks(std::string_view s, size_t& pos) {
    while (pos < s.size() && s[pos] == ' ') ++pos;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

bool Parse(std::string_view s, DateTime& out) {
    DateTime t{};
    size_t pos = 0;
    SkipBlanks(s, pos);
    if (!ReadNumber(s, pos, 2, t.Month) || pos >= s.size() || s[pos++] != '/') return false;
    if (!ReadNumber(s, pos, 2, t.Day) || pos >= s.size() || s[pos++] != '/') return false;
    size_t yearStart = pos;
    if (!ReadNumber(s, pos, 4, t.Year) || pos - yearStart != 4) return false;
    if (t.Month < 1 || t.Month > 12 || t.Day < 1 || t.Day > DaysInMonth(t.Year, t.Month)) return false;
    SkipBlanks(s, pos);
    if (pos < s.size()) {
        if (!ReadNumber(s, pos, 2, t.Hour) || pos >= s.size() || s[pos++] != ':') return false;
        size_t minuteStart = pos;
        if (!ReadNumber(s, pos, 2, t.Minute) || pos - minuteStart != 2) return false;
        if (pos < s.size() && s[pos] == ':') {
            size_t secondStart = ++pos;
            if (!ReadNumber(s, pos, 2, t.Second) || pos - secondStart != 2) return false;
        }
        SkipBlanks(s, pos);
        if (pos < s.size()) {
            if (pos + 2 > s.size()) return false;
            char a = static_cast<char>(s[pos] & ~0x20), m = static_cast<char>(s[pos + 1] & ~0x20);
            if ((a != 'A' && a != 'P') || m != 'M' || t.Hour < 1 || t.Hour > 12) return false;
            if (t.Hour == 12) t.Hour = 0;
            if (a == 'P') t.Hour += 12;
            pos += 2;
            SkipBlanks(s, pos);
            if (pos != s.size()) return false;
        }
        if (t.Hour > 23 || t.Minute > 59 || t.Second > 59) return false;
    }
    out = t;
    return true;
}

double SecondsSinceMidnight(const DateTime& t) { return t.Hour * 3600.0 + t.Minute * 60.0 + t.Second; }

}  // namespace datetime
