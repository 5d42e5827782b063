#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/base/Format.h"
#include "core/chart/ChartFill.h"
#include "core/chart/GraphPeriod.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"

namespace kt {
namespace {

CEventRecord Rec(int y, int m, int d, double minutes, double weight = 80.0) {
    return CEventRecord(LocalMidnight(y, m, d), "Archery", "Target", minutes, "Club", 100.0, weight, 1, "");
}

CKT2Doc Doc(std::vector<CEventRecord> records) {
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.SetRecords(std::move(records));
    return doc;
}

double Ole(int y, int m, int d) { return static_cast<double>(OleDayNumber(LocalMidnight(y, m, d))); }

std::string Day(double oleDay) { return FormatTime(MidnightOfOleDay(static_cast<int64_t>(oleDay)), "%m-%d"); }

// Start and end, tick pattern and step in one line.
std::string Show(const GraphPeriodView& v) {
    return FormatTime(v.start, "%y-%m-%d %H:%M..") + FormatTime(v.end, "%y-%m-%d %H:%M ") + (v.tickPattern ? *v.tickPattern : "-") +
           Format("/%d", v.tickStepDays);
}

// The bars as "month-day:value" pairs.
std::string Bars(const std::vector<ChartPoint>& points) {
    std::string out;
    for (const ChartPoint& p : points) out += Day(p.x) + Format(":%g ", p.y);
    return out;
}

TEST(GraphPeriod, StartEndTicksAndTitleOfEveryPeriod) {
    const CKT2Doc none = Doc({});
    const CKT2Doc records = Doc({Rec(2015, 2, 1, 10), Rec(2014, 5, 3, 10), Rec(2016, 6, 1, 10)});  // earliest not first
    const CKT2Doc future = Doc({Rec(2017, 1, 1, 5)});
    const Time64 wed = MakeLocalTime(2016, 1, 6, 14, 0);
    const Time64 march = MakeLocalTime(2016, 3, 15, 9, 0);
    const Time64 june = MakeLocalTime(2016, 6, 10, 12, 0);
    const std::tuple<int, Time64, const CKT2Doc&, const char*> cases[] = {
        // Weeks start on the Saturday before Sunday, at the current time of day.
        {0, wed, none, "16-01-02 14:00..16-01-09 14:00 %a %d/1"},
        {1, wed, none, "16-01-02 14:00..16-01-09 14:00 %a %d/1"},
        // Three days after the spring clock change the start keeps its time of day.
        {0, MakeLocalTime(2016, 3, 30, 0, 30), none, "16-03-26 00:30..16-04-02 00:30 %a %d/1"},
        {2, wed, none, "15-12-26 14:00..16-01-09 14:00 %a %d/1"},
        {3, MakeLocalTime(2016, 1, 6, 9, 0), none, "15-12-31 09:00..16-02-01 09:00 %d/7"},
        // The last month in a leap-year March: 31 days back, 32 days long; unknown indexes show it too.
        {4, march, none, "16-02-13 09:00..16-03-16 09:00 %d/7"},
        {-1, march, none, "16-02-13 09:00..16-03-16 09:00 %d/7"},
        {4, MakeLocalTime(2016, 2, 29, 9, 0), none, "16-01-31 09:00..16-03-01 09:00 %d/1"},
        // Two months: 59 days back in a common-year March, 62 in January, 60 in a leap-year March.
        {5, MakeLocalTime(2015, 3, 15, 9, 0), none, "15-01-15 09:00..15-03-16 09:00 %d/7"},
        {5, MakeLocalTime(2016, 1, 31, 9, 0), none, "15-11-30 09:00..16-02-01 09:00 %d/7"},
        {5, MakeLocalTime(2016, 3, 31, 9, 0), none, "16-01-31 09:00..16-04-01 09:00 %d/7"},
        // The year runs to the midnight after today; the previous year is 365 days back over 29 February.
        {6, june, none, "16-01-01 00:00..16-06-11 00:00 -/14"},
        {7, june, none, "15-06-11 12:00..16-06-10 12:00 -/30"},
        {8, june, records, "14-05-03 00:00..16-06-10 12:00 -/61"},
        // No record earlier than now: from today's midnight.
        {8, june, none, "16-06-10 00:00..16-06-10 12:00 -/1"},
        {8, june, future, "16-06-10 00:00..16-06-10 12:00 -/1"},
    };
    for (const auto& [period, now, doc, expected] : cases) {
        const GraphPeriodView v = ComputeGraphPeriod(period, now, doc);
        EXPECT_EQ(Show(v), expected) << period;
        // The date axis runs over whole days, from the start's day to the end's day.
        EXPECT_EQ(Day(v.axisMin) + Day(v.axisMax), FormatTime(v.start, "%m-%d") + FormatTime(v.end, "%m-%d")) << expected;
    }
    EXPECT_EQ(ComputeGraphPeriod(0, wed, none).title, "Showing exercise for one week Jan 02, 2016 to Jan 09, 2016");
    EXPECT_EQ(ComputeGraphPeriod(8, june, records).title,
              "Showing exercise from the first recorded exercise on May 03, 2014 until today, Jun 10, 2016");
}

TEST(ChartFill, DayBarsAddUpScaleTheMinutesAxisAndFollowACorrection) {
    Settings settings;
    CKT2Doc doc = Doc({Rec(2016, 1, 1, 500), Rec(2016, 1, 4, 30), Rec(2016, 1, 4, 45), Rec(2016, 1, 5, 20)});
    const ChartData data = FillChart(doc, MakeLocalTime(2016, 1, 2, 10, 0), false, settings);
    EXPECT_EQ(Bars(data.exercise), "01-04:75 01-05:20 ");
    EXPECT_EQ(data.minutesAxisMax, 105.0);

    // Built again from scratch: a correction that lowers a duration leaves nothing of the old picture.
    doc.ReplaceRecord(3, Rec(2016, 1, 5, 200));
    doc.ReplaceRecord(2, Rec(2016, 1, 4, 5));
    const ChartData corrected = FillChart(doc, LocalMidnight(2016, 1, 3), true, settings);
    EXPECT_EQ(Bars(corrected.exercise), "01-04:35 01-05:200 ");
    EXPECT_EQ(corrected.minutesAxisMax, 230.0);

    // A start at 00:30 leaves out the records of its own day.
    EXPECT_EQ(Bars(FillChart(doc, MakeLocalTime(2016, 1, 4, 0, 30), false, settings).exercise), "01-05:200 ");

    // Nothing at or after the start, or no records at all: an empty chart up to 30.
    const ChartData late = FillChart(doc, LocalMidnight(2016, 2, 1), true, settings);
    EXPECT_TRUE(late.exercise.empty() && late.weight.empty() && late.minutesAxisMax == 30.0);
    EXPECT_EQ(FillChart(Doc({}), 0, true, settings).minutesAxisMax, 30.0);
}

TEST(ChartFill, WeightBarsFromTheLastRecordOfEachDay) {
    Settings settings;
    settings.m_dMinWeight = 0.0;
    // A record captured without a weight (0) does not hide the day's weighed record.
    const CKT2Doc doc = Doc({Rec(2016, 1, 4, 30, 81.0), Rec(2016, 1, 4, 45, 80.5), Rec(2016, 1, 5, 20, 0.0), Rec(2016, 1, 6, 20, 0.0),
                             Rec(2016, 1, 6, 10, 79.0), Rec(2016, 1, 7, 10, 78.5), Rec(2016, 1, 7, 5, 0.0)});
    const ChartData on = FillChart(doc, LocalMidnight(2016, 1, 1), true, settings);
    const ChartData off = FillChart(doc, LocalMidnight(2016, 1, 1), false, settings);
    EXPECT_EQ(Bars(on.exercise), "01-04:75 01-05:20 01-06:30 01-07:15 ");
    EXPECT_EQ(Bars(on.weight), "01-04:80.5 01-06:79 01-07:78.5 ");
    EXPECT_TRUE(on.weightVisible && !off.weightVisible && off.weight.empty() && off.exercise == on.exercise);
}

TEST(ChartFill, WeightsWidenTheStoredRangeAndMarkSettingsChanged) {
    Settings settings;
    settings.m_dMinWeight = 60.0;
    settings.m_dMaxWeight = 100.0;
    const auto stored = [&settings] {
        const AxisRange axis = WeightAxisRange(settings);
        return Format("%g..%g%s, axis %g..%g", settings.m_dMinWeight, settings.m_dMaxWeight, settings.m_bSettingsChanged ? " changed" : "",
                      axis.min, axis.max);
    };
    // Records before the chart start do not count; a weight on the limit leaves it as it is.
    FillChart(Doc({Rec(2015, 1, 1, 10, 150.0), Rec(2016, 1, 4, 30, 70.0), Rec(2016, 1, 5, 30, 100.0)}), LocalMidnight(2016, 1, 1), true,
              settings);
    EXPECT_EQ(stored(), "60..100, axis 60..120");
    // Also with the weight hidden; a record without a weight lowers the minimum to 0.
    FillChart(Doc({Rec(2016, 1, 4, 30, 104.5), Rec(2016, 1, 5, 30, 0.0)}), LocalMidnight(2016, 1, 1), false, settings);
    EXPECT_EQ(stored(), "0..104.5 changed, axis 0..124.5");
}

TEST(ChartFill, MoreDaysThanPixelsMergeIntoTheTallestDayOfEachColumn) {
    // Ten days on an axis of twelve (31 Dec to 11 Jan) over five columns of 2.4 days each.
    std::vector<CEventRecord> records;
    const double minutes[] = {10, 40, 20, 30, 50, 25, 0, 25, 25, 60};
    const double weights[] = {80, 0, 79, 81, 0, 0, 0, 78, 0, 77};
    for (int d = 0; d < 10; ++d) records.push_back(Rec(2016, 1, 1 + d, minutes[d], weights[d]));
    records.insert(records.begin() + 4, Rec(2016, 1, 4, 15, 82));  // two records on the 4th: 45 minutes, weight 82
    // Out of date order within a column: the same picture, read from the records themselves.
    std::vector<CEventRecord> shuffled = records;
    std::swap(shuffled[7], shuffled[8]);
    const ChartColumns columns{Ole(2015, 12, 31), Ole(2016, 1, 11), 5};

    for (const auto& doc : {Doc(records), Doc(shuffled)}) {
        Settings settings;
        const ChartData merged = FillChart(doc, 0, true, settings, columns);
        // Columns: 31-1, 2-4, 5-6, 7-9, 10-11. A tie keeps the earlier day; 5-6 has no weight.
        EXPECT_EQ(Bars(merged.exercise), "01-01:10 01-04:45 01-05:50 01-08:25 01-10:60 ");
        EXPECT_EQ(Bars(merged.weight), "01-01:80 01-04:82 01-08:78 01-10:77 ");
        EXPECT_TRUE(merged.merged && merged.minutesAxisMax == 90.0 && settings.m_dMinWeight == 0.0);
    }

    Settings settings;
    const ChartData daily = FillChart(Doc(records), 0, false, settings, {Ole(2015, 12, 31), Ole(2016, 1, 11), 12});
    EXPECT_EQ(Bars(daily.exercise), "01-01:10 01-02:40 01-03:20 01-04:45 01-05:50 01-06:25 01-07:0 01-08:25 01-09:25 01-10:60 ");
    EXPECT_TRUE(!daily.merged && daily.weight.empty());
}

TEST(ChartFill, DoubleClickOnAMergedBarShowsItsDay) {
    ChartData data;
    data.exercise = {{Ole(2016, 1, 2), 40}, {Ole(2016, 1, 3), 30}, {Ole(2016, 1, 6), 30}, {Ole(2016, 1, 12), 50}};
    const double jan2 = Ole(2016, 1, 2);
    const std::tuple<bool, double, Time64> cases[] = {
        // {merged, x, day shown}
        {true, jan2 + 1.9, LocalMidnight(2016, 1, 2)},   // nearer the 3rd, but the 2nd's taller bar shows there
        {true, jan2 - 2.0, LocalMidnight(2016, 1, 2)},   // its left edge
        {true, jan2 + 2.2, LocalMidnight(2016, 1, 3)},   // out of the 2nd's reach; the 3rd and 6th tie, the 3rd is nearer
        {true, jan2 + 2.8, LocalMidnight(2016, 1, 6)},   // the same tie, the 6th nearer
        {true, jan2 + 7.0, LocalMidnight(2016, 1, 9)},   // beside every bar: the day under the pointer
        {true, jan2 + 8.5, LocalMidnight(2016, 1, 12)},  // on the last bar
        {false, jan2 + 1.9, LocalMidnight(2016, 1, 4)},  // one bar per day: always the day under the pointer
    };
    for (const auto& [merged, x, day] : cases) {
        data.merged = merged;
        EXPECT_EQ(DayForClick(data, x, 2.0), day) << merged << " " << x - jan2;
    }
}

TEST(ChartAxis, TickDensityAndDoubleClickDay) {
    for (const auto& [range, step] :
         {std::pair{31.0, 1}, {62.0, 7}, {91.0, 7}, {92.0, 14}, {366.0, 30}, {5 * 365.0, 182}, {100 * 365.0, 8 * 365}, {std::nan(""), 1}})
        EXPECT_EQ(TickStepDays(0, range), step) << range;

    EXPECT_EQ(DayFromAxisValue(Ole(2016, 1, 5) + 0.75), LocalMidnight(2016, 1, 5));
    EXPECT_EQ(DayFromAxisValue(Ole(2016, 1, 5)), LocalMidnight(2016, 1, 5));
    EXPECT_EQ(DayFromAxisValue(Ole(2016, 3, 27) + 0.5), LocalMidnight(2016, 3, 27));     // the 23-hour day
    EXPECT_EQ(DayFromAxisValue(Ole(2016, 10, 30) + 0.99), LocalMidnight(2016, 10, 30));  // the 25-hour day
    for (double outside : {std::nan(""), -1.0, 1e300, HUGE_VAL}) EXPECT_FALSE(DayFromAxisValue(outside)) << outside;

    // Labels name the day while every day has a tick, the month on sparser axes, the year from half-yearly ticks.
    const double tue = Ole(2016, 1, 5);
    const std::tuple<double, int, const char*, const char*> labels[] = {
        {tue, 1, "%a %d", "Tue 05"},  {tue, 1, "", "Jan 05"},     {tue, 7, "%a %d", "Jan 05"}, {tue, 181, "%d", "Jan 05"},
        {tue, 182, "%d", "Jan 2016"}, {tue - 0.4, 1, "%d", "05"}, {tue + 0.49, 1, "%d", "05"}, {-5.0, 1, "%d", ""},
    };
    for (const auto& [x, step, pattern, label] : labels) EXPECT_EQ(TickLabel(x, step, pattern), label) << step << pattern;
}

}  // namespace
}  // namespace kt
