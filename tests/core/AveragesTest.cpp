#include <gtest/gtest.h>

#include <array>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "core/stats/Averages.h"

namespace kt {
namespace {

CEventRecord Rec(int y, int m, int d, double minutes, double calories = 100.0, const std::string& type = "Archery") {
    return CEventRecord(LocalMidnight(y, m, d), type, "Target", minutes, "Club", calories, 80.0, 1, "");
}

CKT2Doc Doc(std::vector<CEventRecord> records) {
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.m_dLastWeight = 70.0;
    doc.SetRecords(std::move(records));
    return doc;
}

AverageResult Calories(const CKT2Doc& doc, int period) {
    return CalorieAverage(doc, ActivityTable::Defaults(), DefaultSelectedActivities(), period);
}

// Every field of a result in one line, so one comparison covers divisor, count, sum and text.
std::string Show(const AverageResult& r) {
    return Format("%d days, %d events, %g total, %g per day: %s", r.days, r.events, r.total, r.perDay, r.text.c_str());
}

TEST(Averages, ThisWeekAndShortDatabaseMeasureFromTheFirstRecordWithTheirNotes) {
    // Sunday 3, Tuesday 5, Thursday 7 January 2016. The week keeps its full count of five days for
    // the minutes, while the calories count from the first record (four days).
    const CKT2Doc doc = Doc({Rec(2016, 1, 3, 30, 100), Rec(2016, 1, 5, 40, 200), Rec(2016, 1, 7, 50, 300)});
    EXPECT_EQ(Show(DurationAverage(doc, 0)), "5 days, 3 events, 120 total, 24 per day: per day for the week of January 03");
    EXPECT_EQ(Show(Calories(doc, 0)), "4 days, 3 events, 600 total, 150 per day: this week");
    EXPECT_EQ(Show(DurationAverage(doc, 1)),
              "4 days, 3 events, 120 total, 30 per day: per day for last 7 days beginning January 03(the database does not extend back a "
              "full week)");
    EXPECT_EQ(Show(Calories(doc, 1)), "4 days, 3 events, 600 total, 150 per day: for the last seven days");

    const std::pair<int, const char*> texts[] = {
        {2, "per day for the two weeks beginning January 03(the database does not extend back two weeks)"},
        {3, "per day for the month of January(the database does not extend back to the beginning of the month)"},
        {4, "per day Jan-03-16 to Jan-07-16"},
        {5, "per day Jan-03-16 to Jan-07-16(the database does not extend back two months)"},
        {6, "per day for this year beginning January 03, 2016(the database does not extend back to the beginning of the year)"},
        {7, "per day for the last year since January 03, 2016(the database does not extend back a full year)"},
    };
    for (const auto& [period, text] : texts) {
        EXPECT_EQ(DurationAverage(doc, period).text, text) << period;
        // A journal younger than the period: the calories are spread over its own four days.
        EXPECT_EQ(Show(Calories(doc, period)).substr(0, 37), "4 days, 3 events, 600 total, 150 per ") << period;
    }
}

TEST(Averages, FullPeriodStopsAtFirstOlderRecordAndEndsAtNewestRecordNotToday) {
    // The newest record is long past: every period is measured back from it.
    const CKT2Doc doc = Doc({Rec(2014, 6, 1, 999), Rec(2016, 1, 1, 10), Rec(2016, 1, 9, 20), Rec(2016, 1, 15, 35)});
    EXPECT_EQ(Show(DurationAverage(doc, 1)), "7 days, 2 events, 55 total, 7.85714 per day: per day for last 7 days beginning January 08");
    EXPECT_EQ(Show(Calories(doc, 1)), "7 days, 2 events, 200 total, 28.5714 per day: for the last seven days");
    EXPECT_EQ(Show(DurationAverage(doc, 3)), "15 days, 3 events, 65 total, 4.33333 per day: per day for the month of January");
    EXPECT_EQ(Show(DurationAverage(doc, 7)),
              "365 days, 3 events, 65 total, 0.178082 per day: per day for the last year since January 15, 2015");
    EXPECT_EQ(AverageReferenceDate(doc), LocalMidnight(2016, 1, 15));
}

TEST(Averages, PeriodStartsFollowTheCalendar) {
    // {reference, period, start}. One month back from 31 March rolls over from 31 February: 3 March,
    // or 2 March in a leap year. Two months back from January and February reach into the previous
    // year, 31 January gives 30 November and 30 April the (rolled over) 30 February. The days
    // before a day just after the spring change are still midnights, on the right day.
    const std::array<int, 7> cases[] = {{2015, 3, 31, 4, 2015, 3, 3},   {2016, 3, 31, 4, 2016, 3, 2},   {2016, 1, 15, 4, 2015, 12, 15},
                                        {2016, 1, 31, 5, 2015, 11, 30}, {2016, 2, 10, 5, 2015, 12, 10}, {2016, 4, 30, 5, 2016, 3, 1},
                                        {2016, 1, 7, 0, 2016, 1, 3},    {2016, 1, 3, 0, 2016, 1, 3},    {2016, 3, 31, 3, 2016, 3, 1},
                                        {2016, 3, 1, 7, 2015, 3, 2},    {2016, 3, 28, 1, 2016, 3, 21},  {2016, 3, 28, 2, 2016, 3, 14}};
    for (const auto& [y, m, d, period, startY, startM, startD] : cases) {
        EXPECT_EQ(AveragingPeriodStart(LocalMidnight(y, m, d), period), LocalMidnight(startY, startM, startD))
            << y << '-' << m << '-' << d << " period " << period;
    }
}

TEST(Averages, DayCountsAcrossTheSpringChangeLoseADay) {
    // 3 to 31 March 2015 are 28 calendar days; the clock change of 29 March makes them 27.
    const CKT2Doc common = Doc({Rec(2015, 2, 20, 10), Rec(2015, 3, 10, 54), Rec(2015, 3, 31, 0)});
    EXPECT_EQ(Show(DurationAverage(common, 4)), "27 days, 2 events, 54 total, 2 per day: per day Mar-03-15 to Mar-31-15");

    // 19 calendar days from 20 March to 8 April 2016 count as 18.
    const CKT2Doc spring = Doc({Rec(2016, 3, 20, 30), Rec(2016, 4, 8, 24)});
    EXPECT_EQ(Show(DurationAverage(spring, 8)), "18 days, 2 events, 54 total, 3 per day: per day since March 20, 2016");
    EXPECT_EQ(Show(Calories(spring, 8)), "18 days, 2 events, 200 total, 11.1111 per day: from the start of data recording");
}

TEST(Averages, PerExerciseDayCountsDistinctDays) {
    const CKT2Doc doc = Doc({Rec(2016, 3, 1, 10), Rec(2016, 3, 1, 20), Rec(2016, 3, 2, 30), Rec(2016, 3, 5, 60)});
    EXPECT_EQ(Show(DurationAverage(doc, 9)), "3 days, 4 events, 120 total, 40 per day: per day of exercise from the beginning");
    EXPECT_EQ(Show(Calories(doc, 9)), "3 days, 4 events, 400 total, 133.333 per day: per exercise day");
}

TEST(Averages, NoDaysGiveTheErrorTextButKeepTheTotal_EmptyDatabaseGivesNoData) {
    // Newest record on 1 January: the year so far has no whole day.
    const CKT2Doc newYear = Doc({Rec(2015, 12, 30, 20, 50), Rec(2016, 1, 1, 45, 250)});
    EXPECT_EQ(Show(DurationAverage(newYear, 6)), "0 days, 0 events, 45 total, 0 per day: Error calculating average duration.");
    EXPECT_EQ(Show(Calories(newYear, 6)), "0 days, 1 events, 250 total, 0 per day: for this calendar year");

    // All records on one day: short database with no whole day, and period 8 likewise.
    const CKT2Doc oneDay = Doc({Rec(2016, 5, 4, 20), Rec(2016, 5, 4, 30)});
    for (int period : {1, 8}) {
        EXPECT_EQ(DurationAverage(oneDay, period).text, "Error calculating average duration.") << period;
        EXPECT_EQ(Calories(oneDay, period).perDay, 0.0) << period;
    }

    const CKT2Doc empty = Doc({});
    for (int period = 0; period < kAveragingPeriodCount; ++period) {
        EXPECT_EQ(Show(DurationAverage(empty, period)), "0 days, 0 events, 0 total, 0 per day: No Data") << period;
        EXPECT_EQ(Show(Calories(empty, period)), "0 days, 0 events, 0 total, 0 per day: ") << period;
    }
    EXPECT_FALSE(AverageReferenceDate(empty));
}

TEST(Averages, ZeroCaloriesCountWithDocumentWeightNotRecordWeight) {
    CEventRecord heavy = Rec(2016, 1, 4, 60, 0.0, "Aerobics, general");
    heavy.m_dWeight = 100.0;  // must not be used
    CKT2Doc doc = Doc({Rec(2015, 12, 30, 10, 100), heavy, Rec(2016, 1, 8, 30, 0.0, "Archery")});
    // Aerobics (MET 6.4919, selected) for one hour at 70 kg; Archery is not selected: 0.
    const AverageResult c = Calories(doc, 1);
    EXPECT_EQ(c.events, 2);
    EXPECT_NEAR(c.total, 6.4919 * 70.0, 1e-9);
    EXPECT_NEAR(c.perDay, 6.4919 * 70.0 / 7.0, 1e-9);
    doc.m_bMetric = false;  // the same weight read as pounds
    EXPECT_NEAR(Calories(doc, 1).total, 6.4919 * 70.0 / 2.2, 1e-9);
}

TEST(Averages, SelectionOutsideTheRangeMeansPeriodZero) {
    for (const auto& [position, period] : {std::pair{-1, 0}, {10, 0}, {9, 9}, {4, 4}})
        EXPECT_EQ(AveragingPeriodFromSelection(position), period) << position;
    // A stored period outside the range behaves as period 0 instead of reading an undefined start.
    const CKT2Doc doc = Doc({Rec(2016, 1, 3, 30), Rec(2016, 1, 7, 50)});
    EXPECT_EQ(Show(DurationAverage(doc, 42)), Show(DurationAverage(doc, 0)));
    EXPECT_EQ(DurationAverage(doc, -3).days, 5);
}

}  // namespace
}  // namespace kt
