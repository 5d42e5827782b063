#include <gtest/gtest.h>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "core/stats/Summaries.h"

namespace kt {
namespace {

std::string Rgb3(Rgb c) { return Format("%d,%d,%d", c.r, c.g, c.b); }

// Span colours as Spans() writes them after the text.
const std::string kTitle = " 0,132,0";
const std::string kDescription = " 110,68,70";
const std::string kTail = " 192,0,0";
const std::string kTotals = " 128,128,0";
const std::string kRed = " 132,0,0";
const std::string kGreen = " 0,132,0";

CEventRecord Rec(int y, int m, int d, const std::string& type, const std::string& desc, const std::string& loc, double minutes,
                 double calories, double weight = 80.0) {
    return CEventRecord(LocalMidnight(y, m, d), type, desc, minutes, loc, calories, weight, 1, "");
}

CKT2Doc Doc(std::vector<CEventRecord> records, bool metric = true, double weight = 70.0) {
    CKT2Doc doc;
    doc.m_bMetric = metric;
    doc.m_dLastWeight = weight;
    doc.SetRecords(std::move(records));
    return doc;
}

// Default selection plus Badminton (position 6, MET 4.4988); Archery (4) stays unselected.
std::vector<uint16_t> Selected() {
    auto s = DefaultSelectedActivities();
    s.push_back(6);
    return s;
}

DaySummaryText Day(const CKT2Doc& doc, Time64 date) { return DaySummary(doc, ActivityTable::Defaults(), Selected(), date); }

// Each span as the text it covers, its colour, " u" when underlined and the link it opens; every span of these
// panes is bold.
std::vector<std::string> Spans(const StyledText& t) {
    std::vector<std::string> out;
    for (const TextSpan& s : t.spans) {
        EXPECT_TRUE(s.bold && !s.italic);
        EXPECT_LE(s.start + s.length, t.text.size());
        out.push_back(std::string(t.Slice(s.start, s.length)) + " " + Rgb3(s.colour) + (s.underline ? " u" : "") +
                      (s.link.empty() ? "" : " link " + s.link));
    }
    return out;
}

TEST(DaySummary, ListsTheDaysRecordsWithComputedCaloriesAndTotals) {
    const CKT2Doc doc = Doc({
        Rec(2016, 1, 4, "Archery", "Old", "Club", 99, 1),
        Rec(2016, 1, 5, "Archery", "Target", "Club", 30, 200),
        Rec(2016, 1, 5, "Badminton", "Doubles", "Hall", 45, 0),  // 4.4988 x 80 kg x 0.75 h
        Rec(2016, 1, 6, "Archery", "Next", "Club", 99, 1),
    });
    const DaySummaryText s = Day(doc, MakeLocalTime(2016, 1, 5, 15, 30));
    EXPECT_EQ(s.heading, "Execise information for: Tuesday January 05, 2016");
    const std::string summary =
        "Summary: 2 exercise activities resulted in a total exercise time of 75.00 minutes ( 1:15 H:M)and  a total of 469.9 calories were "
        "burned.";
    EXPECT_EQ(s.pane.text,
              "Activity Summary for Tuesday January 05, 2016:\n"
              "Archery: Target (Club) - 30.00 Min, 200.0 Calories\n"
              "Badminton: Doubles (Hall) - 45.00 Min, 269.9 Calories\n\n" +
                  summary + "\n\nLast recorded weight: 70.0 kg (154.0 lbs)");
    EXPECT_EQ(Rgb3(s.status.colour) + " " + s.status.text, "0,0,255 Today: 2 activities, 75.00 minutes, 469.9 calories");
    EXPECT_EQ(s.pane.alignments, (std::vector<ParagraphStyle>{{0, ParagraphAlign::Center}}));
    EXPECT_EQ(Spans(s.pane), (std::vector<std::string>{"Activity Summary for Tuesday January 05, 2016:" + kTitle, "Target" + kDescription,
                                                       " - 30.00 Min, 200.0 Calories" + kTail, "Doubles" + kDescription,
                                                       " - 45.00 Min, 269.9 Calories" + kTail, summary + kTotals,
                                                       "Last recorded weight: 70.0 kg (154.0 lbs)" + kTotals}));
}

TEST(DaySummary, PoundsUnselectedActivityEmptyDayAndNegativeWeight) {
    // Archery is not selected: 0 calories, so no calories sentence; the weight line starts with pounds.
    const DaySummaryText pounds = Day(Doc({Rec(2016, 1, 5, "Archery", "Target", "Club", 90, 0)}, false, 154.0), LocalMidnight(2016, 1, 5));
    EXPECT_NE(pounds.pane.text.find("(Club) - 90.00 Min, 0.0 Calories\n"), std::string::npos);
    EXPECT_NE(pounds.pane.text.find("of 90.00 minutes ( 1:30 H:M)\nLast recorded weight: 154.0 lbs (70.0 kg)"), std::string::npos);
    EXPECT_EQ(pounds.status.text, "Today: 1 activity, 90.00 minutes, 0.0 calories");

    const DaySummaryText empty = Day(Doc({}), LocalMidnight(2016, 2, 29));
    EXPECT_EQ(empty.pane.text,
              "Activity Summary for Monday February 29, 2016:\n\n"
              "Summary: 0 exercise activities resulted in a total exercise time of 0.00 minutes ( 0:00 H:M)\n"
              "Last recorded weight: 70.0 kg (154.0 lbs)");
    EXPECT_EQ(empty.status.text, "Today: 0 activities, 0.00 minutes, 0.0 calories");

    // A negative stored weight counts as none, so the document's weight is used.
    const CKT2Doc negative = Doc({Rec(2016, 2, 29, "Badminton", "Singles", "Hall", 60, 0, -5.0)});
    EXPECT_EQ(Day(negative, LocalMidnight(2016, 2, 29)).status.text, "Today: 1 activity, 60.00 minutes, 314.9 calories");
}

TEST(DaySummary, EmphasisStaysOnTheFieldsWhateverTheyContain) {
    // A type with ": ", a description with " (" and a line break, and multi-byte characters.
    const DaySummaryText s = Day(Doc({Rec(2016, 1, 5, "Yoga: hot", "Müde (sehr)\nok", "Пар(к)", 20, 50)}), LocalMidnight(2016, 1, 5));
    EXPECT_NE(s.pane.text.find("\nYoga: hot: Müde (sehr) ok (Пар(к)) - 20.00 Min, 50.0 Calories\n"), std::string::npos);
    const auto spans = Spans(s.pane);
    ASSERT_GE(spans.size(), 3u);
    EXPECT_EQ(spans[1] + "|" + spans[2], "Müde (sehr) ok" + kDescription + "| - 20.00 Min, 50.0 Calories" + kTail);
    EXPECT_EQ(s.pane.text.find('\r'), std::string::npos);
}

TEST(AveragesSummary, SentencesStatusAndEmphasis) {
    const CKT2Doc doc = Doc({
        Rec(2015, 3, 1, "Archery", "a", "b", 30, 100),
        Rec(2016, 6, 15, "Archery", "a", "b", 60, 0),  // not selected: 0 calories
        Rec(2017, 3, 2, "Archery", "a", "b", 90, 200),
    });
    const AverageResult d{151.0, 75.5, 2, 3, "per day for last 7 days beginning February 24"};
    const AverageResult c{300.0, 150.0, 2, 3, ""};
    const AveragesSummaryText s = AveragesSummary(doc, ActivityTable::Defaults(), Selected(), d, c);
    EXPECT_EQ(s.pane.text,
              "Average of: 75.50 minutes (1.258 hrs or 1:15 H:M - 2.517 Total Hours/2 Days) & 150.00 calories (300.000 total calories "
              "over 2 days and 3 exercise events) per day for last 7 days beginning February 24.\n\n"
              "There are 3 exercise events involving a total of 3 exercise days. This has been over a period of 732 days beginning on "
              "March 01, 2015 (2 years, 1 days or 2.00 years), meaning that you have exercised on 0.4% of the days since recording "
              "started.  During that time you have averaged 0.2 minutes of exercise and 0.4 calories per day");
    ASSERT_TRUE(s.status);
    EXPECT_EQ(Rgb3(s.status->colour) + " " + s.status->text,
              "220,0,0 Summary: 3 events, 732 days, average of 0.2 minutes & 0.4 calories per day");
    EXPECT_EQ(Spans(s.pane), (std::vector<std::string>{"75.50" + kRed, "1.258" + kGreen, "1:15" + kGreen, "2.517" + kGreen, "2" + kGreen,
                                                       "150.00" + kRed, "300.000" + kGreen, "2" + kGreen, "3" + kGreen,
                                                       "per day 0,0,255 u link details", "3" + kRed, "3" + kRed, "732" + kRed, "2" + kRed,
                                                       "1" + kRed, "2.00" + kRed, "0.4%" + kRed, "0.2" + kRed, "0.4" + kRed}));
}

TEST(AveragesSummary, ErrorStyleLeavesStatusAlone) {
    CKT2Doc doc;
    const auto& table = ActivityTable::Defaults();
    const AveragesSummaryText empty = AveragesSummary(doc, table, Selected(), DurationAverage(doc, 1), AverageResult{});
    EXPECT_EQ(empty.pane.text, "No Data");
    EXPECT_TRUE(!empty.status && empty.pane.defaultBold && empty.pane.spans.empty());

    doc.SetRecords({Rec(2015, 12, 30, "Archery", "a", "b", 30, 10), Rec(2016, 1, 1, "Archery", "a", "b", 30, 10)});
    const AveragesSummaryText s = AveragesSummary(doc, table, Selected(), DurationAverage(doc, 6), AverageResult{});
    EXPECT_EQ(s.pane.text, "Error calculating average duration.");
    EXPECT_FALSE(s.status);
}

TEST(AveragesSummary, ExerciseDaysShareNeverExceedsAllDays) {
    // Exercise on each of ten days across the spring change: 100.0, not more.
    EXPECT_EQ(Format("%.12g %.12g %.12g", ExerciseDayPercent(10, LocalMidnight(2016, 3, 20), LocalMidnight(2016, 3, 29)),
                     ExerciseDayPercent(2, LocalMidnight(2016, 3, 20), LocalMidnight(2016, 3, 23)), ExerciseDayPercent(0, 0, 0)),
              "100 50 0");

    // Records all on one day: the database sentence shows 100.0% rather than dividing by zero.
    const CKT2Doc doc = Doc({Rec(2016, 1, 5, "Archery", "a", "b", 30, 10), Rec(2016, 1, 5, "Archery", "a", "b", 30, 10)});
    const AveragesSummaryText s = AveragesSummary(doc, ActivityTable::Defaults(), Selected(), DurationAverage(doc, 9), AverageResult{});
    EXPECT_NE(s.pane.text.find("a total of 1 exercise days. This has been over a period of 0 days"), std::string::npos);
    EXPECT_NE(s.pane.text.find("exercised on 100.0% of the days"), std::string::npos);
}

// The plain year-by-year walk, to check that the fast path for long spans changes nothing.
YearsDays SlowYearsAndDays(int64_t d, int y0) {
    if (d < (IsLeapYear(y0) ? 366 : 365)) return {0, static_cast<int>(d)};
    int years = 1;
    d -= IsLeapYear(y0) ? 366 : 365;
    while (d > 365) {
        ++years;
        d -= IsLeapYear(y0 + years - 1) ? 366 : 365;
    }
    return {years, static_cast<int>(d)};
}

TEST(YearsAndDays, SplitsWholeDaysIntoYearsFromTheFirstYear) {
    EXPECT_EQ(YearsAndDays(LocalMidnight(2016, 1, 1), LocalMidnight(2016, 12, 31)), (YearsDays{0, 365}));
    EXPECT_EQ(YearsAndDays(LocalMidnight(2016, 1, 1), LocalMidnight(2017, 1, 1)), (YearsDays{1, 0}));
    EXPECT_EQ(YearsAndDays(LocalMidnight(2015, 1, 1), LocalMidnight(2017, 1, 1)), (YearsDays{2, 0}));
    EXPECT_EQ(YearsAndDays(LocalMidnight(2015, 1, 1), LocalMidnight(2015, 12, 31)), (YearsDays{0, 364}));
    EXPECT_EQ(YearsAndDays(LocalMidnight(2016, 5, 1), LocalMidnight(2016, 5, 1)), (YearsDays{0, 0}));

    // Long spans, all dates in winter time so the day count is exact.
    for (const auto& [fromYear, toYear] : {std::pair{2000, 2400}, std::pair{2001, 2950}, std::pair{1970, 3500}}) {
        const Time64 from = LocalMidnight(fromYear, 1, 10);
        const Time64 to = LocalMidnight(toYear, 2, 3);
        EXPECT_EQ(YearsAndDays(from, to), SlowYearsAndDays(DayCount(from, to), fromYear)) << fromYear << ".." << toYear;
    }
}

}  // namespace
}  // namespace kt
