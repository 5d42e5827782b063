#pragma once
// Local-time helpers. A day is an int64 count of seconds since 1970-01-01 00:00:00 UTC holding
// the local midnight of that day. Instants are broken down with localtime_r; a local date and
// time is turned into an instant by searching for the earliest instant that shows it, never by
// mktime, whose answer for an hour that occurs twice depends on earlier calls. Out-of-range days
// and months normalise as the C library's do: day 31 of April is 1 May. Day counts are second
// differences divided by 86400 and truncated, so a count across the spring clock change is one
// day short, on purpose.

#include <cstdint>
#include <string>

namespace kt {

using Time64 = int64_t;  // seconds since 1970-01-01 00:00:00 UTC

constexpr int64_t kSecondsPerDay = 86400;

struct LocalDate {
    int year = 1970;  // e.g. 2016
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0;  // 0 = Sunday .. 6 = Saturday
    int yearDay = 0;  // 0..365
};

// Breaks a time into local calendar fields.
LocalDate ToLocal(Time64 t);

// The earliest instant whose local date and time is year/month/day hour:minute:second or later:
// of an hour that occurs twice the first, of a skipped hour the moment the clock jumps to.
// Out-of-range fields are normalised (month 13 is January of the next year, hour 24 the next day).
Time64 MakeLocalTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Local midnight of the given calendar day (normalised like MakeLocalTime): the earliest
// instant of that day, whatever was asked before. Where midnight is skipped, the instant the day
// begins; a day that a zone skipped entirely gives the start of the next one.
Time64 LocalMidnight(int year, int month, int day);

// Local midnight of the day that contains `t`.
Time64 MidnightOf(Time64 t);

// Weekday of `t` with Sunday = 1 .. Saturday = 7.
int DayOfWeek(Time64 t);

// Whole days from `from` to `to`: (to - from) / 86400, truncated toward zero.
int64_t DayCount(Time64 from, Time64 to);

// strftime in the C locale, whatever the process locale is.
std::string FormatTime(Time64 t, const char* pattern);

// Days since 1899-12-30 of the local calendar date of `t` (the spreadsheet / OLE day number;
// 1970-01-01 is 25569). Depends only on the local date, never on the zone offset.
int64_t OleDayNumber(Time64 t);

// Local midnight of the day with the given OLE day number.
Time64 MidnightOfOleDay(int64_t oleDay);

bool IsLeapYear(int year);

}  // namespace kt
