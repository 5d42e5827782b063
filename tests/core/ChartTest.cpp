#include <gtest/gtest.h>

#include <cmath>

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
    doc.m_arRecords = std::move(records);
    return doc;
}

double Ole(int y, int m, int d) { return static_cast<double>(OleDayNumber(LocalMidnight(y, m, d))); }

TEST(GraphPeriod, WeekPeriodsOnAWednesday) {
    const CKT2Doc doc = Doc({});
    const Time64 now = MakeLocalTime(2016, 1, 6, 14, 0);  // Wednesday
    for (int period : {0, 1}) {
        const GraphPeriodView v = ComputeGraphPeriod(period, now, doc);
        EXPECT_EQ(v.start, MakeLocalTime(2016, 1, 2, 14, 0)) << period;  // the Saturday before Sunday
        EXPECT_EQ(v.end, MakeLocalTime(2016, 1, 9, 14, 0));
        EXPECT_EQ(v.axisMin, Ole(2016, 1, 2));
        EXPECT_EQ(v.axisMax, Ole(2016, 1, 9));
        EXPECT_EQ(v.tickPattern, "%a %d");
        EXPECT_EQ(v.tickStepDays, 1);
        EXPECT_EQ(v.title, "Showing exercise for one week Jan 02, 2016 to Jan 09, 2016");
    }
    const GraphPeriodView two = ComputeGraphPeriod(2, now, doc);
    EXPECT_EQ(two.start, MakeLocalTime(2015, 12, 26, 14, 0));
    EXPECT_EQ(two.axisMax, Ole(2016, 1, 9));
    EXPECT_EQ(two.title, "Showing exercise for two weeks Dec 26, 2015 to Jan 09, 2016");

    // Drawn from Sunday on: last Saturday's record lies before the chart start.
    Settings settings;
    const CKT2Doc week = Doc({Rec(2016, 1, 2, 40), Rec(2016, 1, 3, 25)});
    const ChartData data = FillChart(week, ComputeGraphPeriod(0, now, week).start, false, settings);
    ASSERT_EQ(data.exercise.size(), 1u);
    EXPECT_EQ(data.exercise[0], (ChartPoint{Ole(2016, 1, 3), 25.0}));
}

TEST(GraphPeriod, WeekStartKeepsTimeOfDayAcrossTheSpringChange) {
    // Wednesday 30 March 2016, 00:30, three days after the clock change: the start is Saturday 26
    // at 00:30, so Saturday's records stay out and Sunday's are drawn.
    const Time64 now = MakeLocalTime(2016, 3, 30, 0, 30);
    const CKT2Doc doc = Doc({Rec(2016, 3, 26, 40), Rec(2016, 3, 27, 25)});
    const GraphPeriodView v = ComputeGraphPeriod(0, now, doc);
    EXPECT_EQ(v.start, MakeLocalTime(2016, 3, 26, 0, 30));
    EXPECT_EQ(v.axisMin, Ole(2016, 3, 26));
    EXPECT_EQ(v.axisMax, Ole(2016, 4, 2));
    Settings settings;
    const ChartData data = FillChart(doc, v.start, false, settings);
    ASSERT_EQ(data.exercise.size(), 1u);
    EXPECT_EQ(data.exercise[0].x, Ole(2016, 3, 27));
}

TEST(GraphPeriod, MonthAndTwoMonthPeriods) {
    const CKT2Doc doc = Doc({});
    const GraphPeriodView thisMonth = ComputeGraphPeriod(3, MakeLocalTime(2016, 1, 6, 9, 0), doc);
    EXPECT_EQ(thisMonth.start, MakeLocalTime(2015, 12, 31, 9, 0));
    EXPECT_EQ(thisMonth.end, MakeLocalTime(2016, 2, 1, 9, 0));
    EXPECT_EQ(thisMonth.tickPattern, "%d");
    EXPECT_EQ(thisMonth.title, "Showing exercise for one month Dec 31, 2015 to Feb 01, 2016");

    // The last month in a leap-year March: 31 days back, 32 days long.
    const Time64 march = MakeLocalTime(2016, 3, 15, 9, 0);
    const GraphPeriodView lastMonth = ComputeGraphPeriod(4, march, doc);
    EXPECT_EQ(lastMonth.start, MakeLocalTime(2016, 2, 13, 9, 0));
    EXPECT_EQ(lastMonth.end, MakeLocalTime(2016, 3, 16, 9, 0));
    EXPECT_EQ(lastMonth.title, "Showing exercise for one month Feb 13, 2016 to Mar 16, 2016");
    // Any unknown index shows the last month.
    for (int odd : {-1, 9, 42}) {
        const GraphPeriodView v = ComputeGraphPeriod(odd, march, doc);
        EXPECT_EQ(v.start, lastMonth.start) << odd;
        EXPECT_EQ(v.title, lastMonth.title) << odd;
    }
    // February 2016 is 29 days long.
    EXPECT_EQ(ComputeGraphPeriod(4, MakeLocalTime(2016, 2, 29, 9, 0), doc).start, MakeLocalTime(2016, 1, 31, 9, 0));

    // Two months: 59 days back in a common-year March, 62 in January.
    const GraphPeriodView two = ComputeGraphPeriod(5, MakeLocalTime(2015, 3, 15, 9, 0), doc);
    EXPECT_EQ(two.start, MakeLocalTime(2015, 1, 15, 9, 0));
    EXPECT_EQ(two.end, MakeLocalTime(2015, 3, 16, 9, 0));
    EXPECT_EQ(two.tickStepDays, 7);
    EXPECT_EQ(two.title, "Showing exercise for two months Jan 15, 2015 to Mar 16, 2015");
    EXPECT_EQ(ComputeGraphPeriod(5, MakeLocalTime(2016, 1, 31, 9, 0), doc).start, MakeLocalTime(2015, 11, 30, 9, 0));
    EXPECT_EQ(ComputeGraphPeriod(5, MakeLocalTime(2016, 3, 31, 9, 0), doc).start, MakeLocalTime(2016, 1, 31, 9, 0));
}

TEST(GraphPeriod, YearAndFromTheBeginning) {
    const Time64 now = MakeLocalTime(2016, 6, 10, 12, 0);
    const GraphPeriodView year = ComputeGraphPeriod(6, now, Doc({}));
    EXPECT_EQ(year.start, LocalMidnight(2016, 1, 1));
    EXPECT_EQ(year.end, LocalMidnight(2016, 6, 11));  // 161 whole days to now, plus one
    EXPECT_FALSE(year.tickPattern);
    EXPECT_EQ(year.tickStepDays, 14);
    EXPECT_EQ(year.title, "Showing exercise for this calendar year Jan 01, 2016 to Jun 11, 2016");

    const GraphPeriodView previous = ComputeGraphPeriod(7, now, Doc({}));
    EXPECT_EQ(previous.start, MakeLocalTime(2015, 6, 11, 12, 0));  // 365 days back over 29 February
    EXPECT_EQ(previous.end, now);
    EXPECT_FALSE(previous.tickPattern);
    EXPECT_EQ(previous.tickStepDays, 30);
    EXPECT_EQ(previous.title, "Showing exercise for the previous year Jun 11, 2015 to Jun 10, 2016");

    // The earliest record wherever it stands in the array.
    const CKT2Doc doc = Doc({Rec(2015, 2, 1, 10), Rec(2014, 5, 3, 10), Rec(2016, 6, 1, 10)});
    const GraphPeriodView all = ComputeGraphPeriod(8, now, doc);
    EXPECT_EQ(all.start, LocalMidnight(2014, 5, 3));
    EXPECT_EQ(all.end, now);
    EXPECT_EQ(all.axisMax, Ole(2016, 6, 10));
    EXPECT_FALSE(all.tickPattern);
    EXPECT_EQ(all.title, "Showing exercise from the first recorded exercise on May 03, 2014 until today, Jun 10, 2016");
    // No record earlier than now: today.
    EXPECT_EQ(ComputeGraphPeriod(8, now, Doc({})).start, LocalMidnight(2016, 6, 10));
    EXPECT_EQ(ComputeGraphPeriod(8, now, Doc({Rec(2017, 1, 1, 5)})).start, LocalMidnight(2016, 6, 10));
}

TEST(ChartFill, DayBarsAddUpAndScaleTheMinutesAxis) {
    Settings settings;
    const CKT2Doc doc = Doc({Rec(2016, 1, 1, 500), Rec(2016, 1, 4, 30), Rec(2016, 1, 4, 45), Rec(2016, 1, 5, 20)});
    const ChartData data = FillChart(doc, MakeLocalTime(2016, 1, 2, 10, 0), false, settings);
    const std::vector<ChartPoint> expected = {{Ole(2016, 1, 4), 75.0}, {Ole(2016, 1, 5), 20.0}};
    EXPECT_EQ(data.exercise, expected);
    EXPECT_TRUE(data.weight.empty());
    EXPECT_FALSE(data.weightVisible);
    EXPECT_EQ(data.minutesAxisMin, 0.0);
    EXPECT_EQ(data.minutesAxisMax, 105.0);

    // Nothing at or after the start, or no records at all: an empty chart up to 30.
    const ChartData late = FillChart(doc, LocalMidnight(2016, 2, 1), true, settings);
    EXPECT_TRUE(late.exercise.empty());
    EXPECT_TRUE(late.weight.empty());
    EXPECT_EQ(late.minutesAxisMax, 30.0);
    EXPECT_EQ(FillChart(Doc({}), 0, true, settings).minutesAxisMax, 30.0);

    // A single record in the whole database.
    const ChartData one = FillChart(Doc({Rec(2016, 1, 4, 12)}), LocalMidnight(2016, 1, 1), false, settings);
    ASSERT_EQ(one.exercise.size(), 1u);
    EXPECT_EQ(one.exercise[0], (ChartPoint{Ole(2016, 1, 4), 12.0}));
    EXPECT_EQ(one.minutesAxisMax, 42.0);
}

TEST(ChartFill, WeightBarsFromTheLastRecordOfEachDay) {
    Settings settings;
    settings.m_dMinWeight = 0.0;
    const CKT2Doc doc = Doc({Rec(2016, 1, 4, 30, 81.0), Rec(2016, 1, 4, 45, 80.5), Rec(2016, 1, 5, 20, 0.0), Rec(2016, 1, 6, 20, 0.0),
                             Rec(2016, 1, 6, 10, 79.0)});
    const ChartData on = FillChart(doc, LocalMidnight(2016, 1, 1), true, settings);
    EXPECT_TRUE(on.weightVisible);
    EXPECT_EQ(on.exercise.size(), 3u);
    const std::vector<ChartPoint> weights = {{Ole(2016, 1, 4), 80.5}, {Ole(2016, 1, 6), 79.0}};
    EXPECT_EQ(on.weight, weights);

    const ChartData off = FillChart(doc, LocalMidnight(2016, 1, 1), false, settings);
    EXPECT_FALSE(off.weightVisible);
    EXPECT_TRUE(off.weight.empty());
    EXPECT_EQ(off.exercise, on.exercise);
    EXPECT_EQ(FillChart(doc, LocalMidnight(2016, 1, 1), true, settings).weight, weights);
}

TEST(ChartFill, WeightsWidenTheStoredRangeAndMarkSettingsChanged) {
    Settings settings;
    settings.m_dMinWeight = 60.0;
    settings.m_dMaxWeight = 100.0;
    // Records before the chart start do not count.
    const CKT2Doc inside = Doc({Rec(2015, 1, 1, 10, 150.0), Rec(2016, 1, 4, 30, 70.0), Rec(2016, 1, 5, 30, 90.0)});
    FillChart(inside, LocalMidnight(2016, 1, 1), true, settings);
    EXPECT_EQ(settings.m_dMinWeight, 60.0);
    EXPECT_EQ(settings.m_dMaxWeight, 100.0);
    EXPECT_FALSE(settings.m_bSettingsChanged);

    const CKT2Doc wider = Doc({Rec(2016, 1, 4, 30, 104.5), Rec(2016, 1, 5, 30, 0.0)});
    FillChart(wider, LocalMidnight(2016, 1, 1), false, settings);
    EXPECT_EQ(settings.m_dMaxWeight, 104.5);
    EXPECT_EQ(settings.m_dMinWeight, 0.0);  // a record without a weight
    EXPECT_TRUE(settings.m_bSettingsChanged);
    const AxisRange r = WeightAxisRange(settings);
    EXPECT_EQ(r.min, 0.0);
    EXPECT_EQ(r.max, 124.5);
}

TEST(ChartFill, RebuildingGivesTheSamePicture) {
    Settings settings;
    CKT2Doc doc = Doc({Rec(2016, 1, 4, 30), Rec(2016, 1, 4, 45), Rec(2016, 1, 6, 60)});
    const ChartData first = FillChart(doc, LocalMidnight(2016, 1, 1), true, settings);
    const ChartData second = FillChart(doc, LocalMidnight(2016, 1, 1), true, settings);
    EXPECT_EQ(first.exercise, second.exercise);
    EXPECT_EQ(first.weight, second.weight);
    EXPECT_EQ(first.minutesAxisMax, second.minutesAxisMax);
    // A correction lowers a duration: the bar and the axis follow, nothing of the old picture stays.
    doc.m_arRecords[2].m_dDuration = 10;
    const ChartData corrected = FillChart(doc, LocalMidnight(2016, 1, 1), true, settings);
    const std::vector<ChartPoint> expected = {{Ole(2016, 1, 4), 75.0}, {Ole(2016, 1, 6), 10.0}};
    EXPECT_EQ(corrected.exercise, expected);
    EXPECT_EQ(corrected.minutesAxisMax, 105.0);
}

TEST(ChartAxis, TickDensityAndDoubleClickDay) {
    EXPECT_EQ(TickStepDays(0, 31), 1);
    EXPECT_EQ(TickStepDays(0, 62), 7);
    EXPECT_EQ(TickStepDays(0, 91), 7);
    EXPECT_EQ(TickStepDays(0, 92), 14);
    EXPECT_EQ(TickStepDays(0, 366), 30);
    EXPECT_EQ(TickStepDays(0, 5 * 365), 182);
    EXPECT_EQ(TickStepDays(0, 100 * 365), 8 * 365);
    EXPECT_EQ(TickStepDays(0, std::nan("")), 1);

    EXPECT_EQ(DayFromAxisValue(Ole(2016, 1, 5) + 0.75), LocalMidnight(2016, 1, 5));
    EXPECT_EQ(DayFromAxisValue(Ole(2016, 1, 5)), LocalMidnight(2016, 1, 5));
    EXPECT_EQ(DayFromAxisValue(Ole(2016, 3, 27) + 0.5), LocalMidnight(2016, 3, 27));     // the 23-hour day
    EXPECT_EQ(DayFromAxisValue(Ole(2016, 10, 30) + 0.99), LocalMidnight(2016, 10, 30));  // the 25-hour day
    EXPECT_FALSE(DayFromAxisValue(std::nan("")));
    EXPECT_FALSE(DayFromAxisValue(-1.0));
    EXPECT_FALSE(DayFromAxisValue(1e300));
    EXPECT_FALSE(DayFromAxisValue(INFINITY));
}

}  // namespace
}  // namespace kt
