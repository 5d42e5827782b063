#pragma once
// The exercise chart's data: one bar per day with exercise (the sum of that day's minutes), the
// weight bar of the day's last record that carries a weight, and the scale of the minutes axis. Also the fixed
// set-up of the chart (names, colours, bar widths, first ranges) so the widget only applies them.

#include <optional>
#include <vector>

#include "core/base/LocalTime.h"
#include "core/base/StyledText.h"

namespace kt {

class CKT2Doc;
struct Settings;

struct ChartPoint {
    double x = 0;  // OLE day number of the record's local day
    double y = 0;  // minutes, or weight in the unit stored with the record
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartData {
    std::vector<ChartPoint> exercise;
    std::vector<ChartPoint> weight;  // empty unless show-weight is on
    bool weightVisible = false;      // weight series and weight axis
    double minutesAxisMin = 0.0;
    double minutesAxisMax = 30.0;  // largest day total + 30; 30 for an empty chart
    bool merged = false;           // a bar stands for the days of one pixel column (see ChartColumns)
};

// The date axis as drawn: its first and last day (OLE days; the axis reaches half a day beyond
// both) over `pixels` screen columns. A chart of more days than columns draws one bar per column,
// as tall as the column's tallest day and standing on that day, with the heaviest weight of the
// column's days beside it: the picture of one bar per day, whose bars would cover each other,
// without thousands of bars. No pixels (0) means one bar per day.
struct ChartColumns {
    double axisMin = 0.0;
    double axisMax = 0.0;
    int pixels = 0;
};

// Builds both series from scratch (calling it twice gives the same data) from the records at and
// after the first record dated at or after `chartStart`, in array order, which is date order
// after every capture. A day closes when the next record carries another date. Every record taken
// widens settings.m_dMaxWeight / m_dMinWeight to its weight and marks the settings changed when
// it does (so a record without a weight lowers MinWeight to 0). In date order the journal's kept
// day totals are read instead of the records.
ChartData FillChart(const CKT2Doc& doc, Time64 chartStart, bool showWeight, Settings& settings, const ChartColumns& columns = {});

// The day a double-click at axis value `x` shows. Bars merged into columns stand on their tallest
// day: a click on one (within half a bar, `barHalfWidth` in axis days) shows that day; where bars
// overlap, the day of the tallest, whose top is what shows there. Anywhere else, and for a chart
// of one bar per day, the day at `x`.
std::optional<Time64> DayForClick(const ChartData& data, double x, double barHalfWidth);

// Fixed chart set-up.
namespace chart_setup {
inline constexpr Rgb kBackground{255, 255, 255};
inline constexpr Rgb kExerciseColour{0, 0, 128};
inline constexpr Rgb kWeightColour{128, 0, 0};
inline constexpr Rgb kWeightAxisTitleColour{220, 0, 0};
inline constexpr Rgb kGridColour{225, 225, 235};  // dotted lines across the minutes axis
inline constexpr int kExerciseBarWidth = 10;
inline constexpr int kWeightBarWidth = 7;
inline constexpr double kInitialMinutesMax = 360.0;
inline constexpr double kWeightAxisHeadroom = 20.0;  // weight axis: MinWeight .. MaxWeight + 20
inline constexpr double kMinutesHeadroom = 30.0;     // minutes axis: 0 .. largest day + 30
// The date axis reaches half a day beyond its first and last day, so their bars show whole.
inline constexpr double kDateAxisMargin = 0.5;
}  // namespace chart_setup

struct AxisRange {
    double min = 0;
    double max = 0;
};

// The weight axis range, set once at start-up from the settings.
AxisRange WeightAxisRange(const Settings& settings);

}  // namespace kt
