#include "core/base/LocalTime.h"

#include <ctime>

#include "core/base/Format.h"

namespace kt {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(y + (m <= 2));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

constexpr int64_t kOleEpochOffset = 25569;  // 1899-12-30 .. 1970-01-01

}  // namespace

LocalDate ToLocal(Time64 t) {
    const time_t tt = static_cast<time_t>(t);
    struct tm tm {};
    localtime_r(&tt, &tm);
    LocalDate d;
    d.year = tm.tm_year + 1900;
    d.month = tm.tm_mon + 1;
    d.day = tm.tm_mday;
    d.hour = tm.tm_hour;
    d.minute = tm.tm_min;
    d.second = tm.tm_sec;
    d.weekday = tm.tm_wday;
    d.yearDay = tm.tm_yday;
    return d;
}

namespace {

// Local wall-clock seconds of `t` counted from 1970-01-01 00:00 of the local calendar: the
// instant's local date and time of day as one number, comparable across days.
int64_t WallSeconds(Time64 t) {
    const time_t tt = static_cast<time_t>(t);
    struct tm tm {};
    localtime_r(&tt, &tm);
    return DaysFromCivil(tm.tm_year + 1900LL, static_cast<unsigned>(tm.tm_mon + 1), static_cast<unsigned>(tm.tm_mday)) * kSecondsPerDay +
           tm.tm_hour * 3600LL + tm.tm_min * 60LL + tm.tm_sec;
}

// Zone offsets stay within a day of UTC; the search window leaves room for a skipped day too.
constexpr int64_t kSearchWindow = 2 * kSecondsPerDay;

}  // namespace

Time64 MakeLocalTime(int year, int month, int day, int hour, int minute, int second) {
    // Month and day overflow normalise as mktime does (31 April is 1 May, month 0 is December).
    const int64_t months = static_cast<int64_t>(year) * 12 + (month - 1);
    const int64_t y = months >= 0 ? months / 12 : (months - 11) / 12;
    const auto m = static_cast<unsigned>(months - y * 12 + 1);
    const int64_t wall = (DaysFromCivil(y, m, 1) + day - 1) * kSecondsPerDay + hour * 3600LL + minute * 60LL + second;

    // mktime with "let the library decide" answers an hour that occurs twice with either instant,
    // depending on what it was asked before. The earliest instant whose local time is at or after
    // `wall` is the same answer every time: the first of two midnights, and where midnight is
    // skipped, the moment the day begins.
    Time64 guess = wall;
    guess -= WallSeconds(guess) - guess;  // shift by the zone offset at the guess
    if (WallSeconds(guess) == wall && WallSeconds(guess - 1) < wall) return guess;
    Time64 lo = wall - kSearchWindow;  // WallSeconds(lo) < wall
    Time64 hi = wall + kSearchWindow;  // WallSeconds(hi) >= wall
    while (hi - lo > 1) {
        const Time64 mid = lo + (hi - lo) / 2;
        if (WallSeconds(mid) >= wall) {
            hi = mid;
        } else {
            lo = mid;
        }
    }
    return hi;
}

Time64 LocalMidnight(int year, int month, int day) { return MakeLocalTime(year, month, day); }

Time64 MidnightOf(Time64 t) {
    const LocalDate d = ToLocal(t);
    return LocalMidnight(d.year, d.month, d.day);
}

int DayOfWeek(Time64 t) { return ToLocal(t).weekday + 1; }

int64_t DayCount(Time64 from, Time64 to) { return (to - from) / kSecondsPerDay; }

std::string FormatTime(Time64 t, const char* pattern) {
    const time_t tt = static_cast<time_t>(t);
    struct tm tm {};
    localtime_r(&tt, &tm);
    char buffer[512];
    const size_t n = strftime_l(buffer, sizeof buffer, pattern, &tm, CLocaleHandle());
    return std::string(buffer, n);
}

int64_t OleDayNumber(Time64 t) {
    const LocalDate d = ToLocal(t);
    return DaysFromCivil(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day)) + kOleEpochOffset;
}

Time64 MidnightOfOleDay(int64_t oleDay) {
    int y = 0, m = 0, d = 0;
    CivilFromDays(oleDay - kOleEpochOffset, y, m, d);
    return LocalMidnight(y, m, d);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace kt
