#pragma once
// The graph periods of the exercise chart: for a period index and the current time, the first
// instant whose records are drawn, the visible date range, the tick labels and the axis title.
// "Now" is always passed in; nothing here reads the clock.
//
// X values of the chart are OLE day numbers (days since 1899-12-30), one whole number per local
// calendar day; the date axis runs from 00:00 of the start's day to 00:00 of the end's day.

#include <optional>
#include <string>
#include <vector>

#include "core/base/LocalTime.h"

namespace kt {

class CKT2Doc;

constexpr int kGraphPeriodCount = 9;

struct GraphPeriodView {
    int period = 0;      // the index asked for; indexes outside 0..8 behave as 4
    Time64 start = 0;    // chart start: records dated before it are not drawn
    Time64 end = 0;      // end instant (period 8: now)
    double axisMin = 0;  // OLE day of start's day
    double axisMax = 0;  // OLE day of end's day
    // strftime pattern of the tick labels; none = keep whatever the axis showed before.
    std::optional<std::string> tickPattern;
    int tickStepDays = 1;  // days between two ticks, see TickStepDays
    std::string title;     // the date axis title
};

// Shifting by n days keeps the time of day on the calendar ("the Saturday before this week's
// Sunday, at the current time of day"), also across a clock change, where n x 86400 seconds
// would land an hour off and could move the start onto the neighbouring day.
GraphPeriodView ComputeGraphPeriod(int period, Time64 now, const CKT2Doc& doc);

// Days between two ticks for a date axis from `axisMin` to `axisMax` (OLE days). Up to 31 days
// every day gets a tick; longer ranges take the smallest of 7, 14, 30, 61, 91, 182 and 365 days
// that keeps the count at 13 ticks or fewer (two months: weekly, a year: every 30 days), and
// beyond that whole multiples of 365.
int TickStepDays(double axisMin, double axisMax);

// The strftime pattern of the date axis labels. A day-only label ("%d", "%a %d") is readable only
// while every day has its tick; a sparser axis names the month too ("%b %d"), and from half a
// year between ticks the year ("%b %Y"). An empty `pattern` means "%b %d".
std::string TickLabelPattern(int tickStepDays, const std::string& pattern);
// The label of the tick at axis value `x` (an OLE day; bars stand centred on their day, so the
// half day is rounded to the nearest day); empty for a value that is not a date.
std::string TickLabel(double x, int tickStepDays, const std::string& pattern);

// Local midnight of the day that an x value of the date axis lies on (its whole-number part);
// none for values that are not a date between 1899-12-30 and 9999-12-31.
std::optional<Time64> DayFromAxisValue(double x);

// A day's bar stands centred on the day's x value, so a point of the axis belongs to the day
// whose x value is nearest: half a day either side. Used for double-clicks and tick labels.
inline constexpr double kHalfDay = 0.5;
std::optional<Time64> DayAtAxisPoint(double x);

// Length of a month: 28..31.
int MonthLength(int year, int month);

// The nine graph period combo captions, in period order.
std::vector<std::string> GraphPeriodCaptions();

}  // namespace kt
