#pragma once
// Time behind one interface so that tests can fix the date, the tick counter
// and make Sleep instant.
#include <cstdint>
#include <string>
#include <string_view>

struct DateTime {
    int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
    bool operator==(const DateTime&) const = default;
    auto operator<=>(const DateTime&) const = default;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual uint32_t TickCount() = 0;          // milliseconds, wraps like GetTickCount
    virtual DateTime Now() = 0;                 // local date and time of day
    virtual void Sleep(uint32_t milliseconds) = 0;
};

class SystemClock : public IClock {
public:
    uint32_t TickCount() override;
    DateTime Now() override;
    void Sleep(uint32_t milliseconds) override;
};

// A clock whose time moves only when told; Sleep advances it.
class FakeClock : public IClock {
public:
    uint32_t Tick = 0;
    DateTime Current{2026, 1, 2, 3, 4, 5};
    uint32_t TickCount() override { return Tick; }
    DateTime Now() override { return Current; }
    void Sleep(uint32_t milliseconds) override { Tick += milliseconds; }
};

// The clock in use; a SystemClock unless a test installed another.
IClock& Clock();
// Installs a clock (not owned); nullptr restores the system clock.
void SetClock(IClock* clock);

namespace datetime {
// The system's short date and time, fixed so that output never depends on
// the machine's locale: "M/D/YYYY" and "h:mm:ss AM/PM".
std::string ShortDate(const DateTime& t);
std::string LongTime(const DateTime& t);
// Date and time of day together ("general date").
std::string GeneralDate(const DateTime& t);
// Formats with a fixed pattern of yyyy, mm, dd, hh, nn (minutes) and ss; in a
// pattern that has hh before it, "mm" means minutes as in Visual Basic.
std::string Format(const DateTime& t, const std::string& pattern);
// Seconds since midnight (Visual Basic's Timer).
double SecondsSinceMidnight(const DateTime& t);
// The date and time of a time_t in local time.
DateTime FromTimeT(long long t);
// The history file's stamp of a time: "M/DD/YYYY h:mm:ss AM/PM"
// ("3/07/2001 2:05:09 PM").
std::string HistoryStamp(const DateTime& t);
// A file's time stamp (last write) in local time; raises VBError 53 when
// the file cannot be found.
DateTime FileDateTime(const std::string& path);
// Reads a date as the program writes it, month first: "M/D/YYYY" (leading
// zeros allowed), optionally followed by a time "h:mm[:ss]" with "AM" or
// "PM" (any case), or in 24-hour form without them. False, `out` untouched,
// for any other text or an impossible date or time.
bool Parse(std::string_view text, DateTime& out);
}  // namespace datetime
