#include <gtest/gtest.h>

#include "core/activities/ActivityTable.h"
#include "core/journal/KT2Doc.h"
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
    doc.m_arRecords = std::move(records);
    return doc;
}

AverageResult Calories(const CKT2Doc& doc, int period) {
    return CalorieAverage(doc, ActivityTable::Defaults(), DefaultSelectedActivities(), period);
}

TEST(Averages, ThisWeekKeepsFullCountWhenFirstRecordIsOnSundayButCaloriesCountFromIt) {
    // Sunday 3, Tuesday 5, Thursday 7 January 2016.
    const CKT2Doc doc = Doc({Rec(2016, 1, 3, 30, 100), Rec(2016, 1, 5, 40, 200), Rec(2016, 1, 7, 50, 300)});
    const AverageResult d = DurationAverage(doc, 0);
    EXPECT_EQ(d.days, 5);
    EXPECT_EQ(d.events, 3);
    EXPECT_DOUBLE_EQ(d.total, 120.0);
    EXPECT_DOUBLE_EQ(d.perDay, 24.0);
    EXPECT_EQ(d.text, "per day for the week of January 03");

    const AverageResult c = Calories(doc, 0);
    EXPECT_EQ(c.days, 4);
    EXPECT_EQ(c.events, 3);
    EXPECT_DOUBLE_EQ(c.total, 600.0);
    EXPECT_DOUBLE_EQ(c.perDay, 150.0);
    EXPECT_EQ(c.text, "this week");
}

TEST(Averages, ShortDatabaseMeasuresFromFirstRecordAndAddsNote) {
    const CKT2Doc doc = Doc({Rec(2016, 1, 3, 30), Rec(2016, 1, 5, 40), Rec(2016, 1, 7, 50)});
    const AverageResult d = DurationAverage(doc, 1);
    EXPECT_EQ(d.days, 4);
    EXPECT_EQ(d.events, 3);
    EXPECT_EQ(d.text, "per day for last 7 days beginning January 03(the database does not extend back a full week)");
    EXPECT_EQ(Calories(doc, 1).days, 4);
    EXPECT_EQ(Calories(doc, 1).text, "for the last seven days");

    const auto w = FindAveragingWindow(doc, 1);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->shortDatabase);
    EXPECT_EQ(w->periodStart, LocalMidnight(2015, 12, 31));
    EXPECT_EQ(w->start, LocalMidnight(2016, 1, 3));

    EXPECT_EQ(DurationAverage(doc, 2).text, "per day for the two weeks beginning January 03(the database does not extend back two weeks)");
    EXPECT_EQ(DurationAverage(doc, 3).text,
              "per day for the month of January(the database does not extend back to the beginning of the month)");
    EXPECT_EQ(DurationAverage(doc, 6).text,
              "per day for this year beginning January 03, 2016(the database does not extend back to the beginning of the year)");
    EXPECT_EQ(DurationAverage(doc, 7).text,
              "per day for the last year since January 03, 2016(the database does not extend back a full year)");
    EXPECT_EQ(DurationAverage(doc, 4).text, "per day Jan-03-16 to Jan-07-16");
    EXPECT_EQ(DurationAverage(doc, 5).text, "per day Jan-03-16 to Jan-07-16(the database does not extend back two months)");
}

TEST(Averages, FullPeriodStopsAtFirstOlderRecordAndEndsAtNewestRecordNotToday) {
    // The newest record is long past: every period is measured back from it.
    const CKT2Doc doc = Doc({Rec(2014, 6, 1, 999), Rec(2016, 1, 1, 10), Rec(2016, 1, 9, 20), Rec(2016, 1, 15, 35)});
    const AverageResult week = DurationAverage(doc, 1);  // from 8 January
    EXPECT_EQ(week.days, 7);
    EXPECT_EQ(week.events, 2);
    EXPECT_DOUBLE_EQ(week.total, 55.0);
    EXPECT_EQ(week.text, "per day for last 7 days beginning January 08");
    EXPECT_EQ(Calories(doc, 1).days, 7);

    const AverageResult month = DurationAverage(doc, 3);
    EXPECT_EQ(month.days, 15);
    EXPECT_EQ(month.events, 3);
    EXPECT_EQ(month.text, "per day for the month of January");

    const AverageResult year = DurationAverage(doc, 7);
    EXPECT_EQ(year.days, 365);
    EXPECT_EQ(year.events, 3);
    EXPECT_EQ(year.text, "per day for the last year since January 15, 2015");
    EXPECT_EQ(AverageReferenceDate(doc), LocalMidnight(2016, 1, 15));
}

TEST(Averages, PeriodStartsFollowTheCalendar) {
    // One month back from 31 March rolls over from 31 February: 3 March, or 2 March in a leap year.
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2015, 3, 31), 4), LocalMidnight(2015, 3, 3));
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 3, 31), 4), LocalMidnight(2016, 3, 2));
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 1, 15), 4), LocalMidnight(2015, 12, 15));
    // Two months back: January and February reach into the previous year; 31 January gives 30 November.
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 1, 31), 5), LocalMidnight(2015, 11, 30));
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 2, 10), 5), LocalMidnight(2015, 12, 10));
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 4, 30), 5), LocalMidnight(2016, 3, 1));  // 30 February
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 1, 7), 0), LocalMidnight(2016, 1, 3));
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 1, 3), 0), LocalMidnight(2016, 1, 3));
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 3, 31), 3), LocalMidnight(2016, 3, 1));
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 3, 1), 7), LocalMidnight(2015, 3, 2));
    // Seven days before a day just after the spring change is still a midnight, on the right day.
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 3, 28), 1), LocalMidnight(2016, 3, 21));
    EXPECT_EQ(AveragingPeriodStart(LocalMidnight(2016, 3, 28), 2), LocalMidnight(2016, 3, 14));
}

TEST(Averages, DayCountsAcrossTheSpringChangeLoseADay) {
    // 3 to 31 March 2015 are 28 calendar days; the clock change of 29 March makes them 27.
    const CKT2Doc common = Doc({Rec(2015, 2, 20, 10), Rec(2015, 3, 10, 54), Rec(2015, 3, 31, 0)});
    const AverageResult c = DurationAverage(common, 4);
    EXPECT_EQ(c.days, 27);
    EXPECT_EQ(c.events, 2);
    EXPECT_DOUBLE_EQ(c.perDay, 2.0);
    EXPECT_EQ(c.text, "per day Mar-03-15 to Mar-31-15");
    const CKT2Doc leap = Doc({Rec(2016, 2, 20, 10), Rec(2016, 3, 31, 0)});
    EXPECT_EQ(DurationAverage(leap, 4).days, 28);  // 2 to 31 March 2016, change on 27 March

    // 19 calendar days from 20 March to 8 April 2016 count as 18.
    const CKT2Doc spring = Doc({Rec(2016, 3, 20, 30), Rec(2016, 4, 8, 24)});
    const AverageResult all = DurationAverage(spring, 8);
    EXPECT_EQ(all.days, 18);
    EXPECT_DOUBLE_EQ(all.perDay, 3.0);
    EXPECT_EQ(all.text, "per day since March 20, 2016");
    EXPECT_EQ(Calories(spring, 8).days, 18);
    EXPECT_EQ(Calories(spring, 8).text, "from the start of data recording");
}

TEST(Averages, PerExerciseDayCountsDistinctDays) {
    const CKT2Doc doc = Doc({Rec(2016, 3, 1, 10), Rec(2016, 3, 1, 20), Rec(2016, 3, 2, 30), Rec(2016, 3, 5, 60)});
    const AverageResult d = DurationAverage(doc, 9);
    EXPECT_EQ(d.events, 4);
    EXPECT_EQ(d.days, 3);
    EXPECT_DOUBLE_EQ(d.perDay, 40.0);
    EXPECT_EQ(d.text, "per day of exercise from the beginning");
    const AverageResult c = Calories(doc, 9);
    EXPECT_EQ(c.days, 3);
    EXPECT_EQ(c.events, 4);
    EXPECT_EQ(c.text, "per exercise day");
    EXPECT_EQ(ExerciseDayCount(doc), 3);
}

TEST(Averages, NoDaysGiveTheErrorTextButKeepTheTotal) {
    // Newest record on 1 January: the year so far has no whole day.
    const CKT2Doc newYear = Doc({Rec(2015, 12, 30, 20, 50), Rec(2016, 1, 1, 45, 250)});
    const AverageResult d = DurationAverage(newYear, 6);
    EXPECT_EQ(d.text, "Error calculating average duration.");
    EXPECT_DOUBLE_EQ(d.total, 45.0);
    EXPECT_EQ(d.perDay, 0.0);
    EXPECT_EQ(d.days, 0);
    EXPECT_EQ(d.events, 0);
    const AverageResult c = Calories(newYear, 6);
    EXPECT_EQ(c.perDay, 0.0);
    EXPECT_EQ(c.events, 1);
    EXPECT_DOUBLE_EQ(c.total, 250.0);
    EXPECT_EQ(c.text, "for this calendar year");

    // All records on one day: short database with no whole day, and period 8 likewise.
    const CKT2Doc oneDay = Doc({Rec(2016, 5, 4, 20), Rec(2016, 5, 4, 30)});
    for (int period : {1, 8}) {
        EXPECT_EQ(DurationAverage(oneDay, period).text, "Error calculating average duration.") << period;
        EXPECT_EQ(Calories(oneDay, period).perDay, 0.0) << period;
    }
    EXPECT_EQ(DurationAverage(oneDay, 9).days, 1);
}

TEST(Averages, EmptyDatabaseGivesNoData) {
    const CKT2Doc empty = Doc({});
    for (int period = 0; period < kAveragingPeriodCount; ++period) {
        const AverageResult d = DurationAverage(empty, period);
        EXPECT_EQ(d.text, "No Data");
        EXPECT_EQ(d.days, 0);
        EXPECT_EQ(d.events, 0);
        EXPECT_EQ(d.total, 0.0);
        const AverageResult c = Calories(empty, period);
        EXPECT_EQ(c.text, "");
        EXPECT_EQ(c.events, 0);
    }
    EXPECT_FALSE(AverageReferenceDate(empty));
    EXPECT_FALSE(FindAveragingWindow(empty, 3));
}

TEST(Averages, ZeroCaloriesCountWithDocumentWeightNotRecordWeight) {
    CKT2Doc doc = Doc({Rec(2015, 12, 30, 10, 100), Rec(2016, 1, 4, 60, 0.0, "Aerobics, general"), Rec(2016, 1, 8, 30, 0.0, "Archery")});
    doc.m_arRecords[1].m_dWeight = 100.0;  // must not be used
    doc.m_dLastWeight = 70.0;
    // Aerobics (MET 6.4919, selected) for one hour at 70 kg; Archery is not selected: 0.
    const AverageResult c = Calories(doc, 1);
    EXPECT_EQ(c.events, 2);
    EXPECT_NEAR(c.total, 6.4919 * 70.0, 1e-9);
    EXPECT_NEAR(c.perDay, 6.4919 * 70.0 / 7.0, 1e-9);
    doc.m_bMetric = false;  // the same weight read as pounds
    EXPECT_NEAR(Calories(doc, 1).total, 6.4919 * 70.0 / 2.2, 1e-9);
}

TEST(Averages, CaptionsAndSelectionRule) {
    ASSERT_EQ(AveragingPeriodCaptions().size(), 10u);
    EXPECT_EQ(AveragingPeriodFromSelection(-1), 0);
    EXPECT_EQ(AveragingPeriodFromSelection(10), 0);
    EXPECT_EQ(AveragingPeriodFromSelection(9), 9);
    EXPECT_EQ(AveragingPeriodFromSelection(4), 4);

    // A stored period outside the range behaves as period 0 instead of reading an undefined start.
    const CKT2Doc doc = Doc({Rec(2016, 1, 3, 30), Rec(2016, 1, 7, 50)});
    EXPECT_EQ(DurationAverage(doc, 42).text, DurationAverage(doc, 0).text);
    EXPECT_EQ(DurationAverage(doc, -3).days, 5);
}

}  // namespace
}  // namespace kt
