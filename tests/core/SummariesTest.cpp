#include <gtest/gtest.h>

#include <tuple>

#include "core/activities/ActivityTable.h"
#include "core/journal/KT2Doc.h"
#include "core/stats/Summaries.h"

namespace kt {
namespace {

constexpr Rgb kTitle{0, 132, 0};
constexpr Rgb kDescription{110, 68, 70};
constexpr Rgb kTail{192, 0, 0};
constexpr Rgb kTotals{128, 128, 0};
constexpr Rgb kRed{132, 0, 0};
constexpr Rgb kGreen{0, 132, 0};
constexpr Rgb kBlue{0, 0, 255};

CEventRecord Rec(Time64 t, const std::string& type, const std::string& desc, const std::string& loc, double minutes, double calories,
                 double weight = 80.0) {
    return CEventRecord(t, type, desc, minutes, loc, calories, weight, 1, "");
}

// Default selection plus Badminton (position 6, MET 4.4988); Archery (4) stays unselected.
std::vector<uint16_t> Selected() {
    auto s = DefaultSelectedActivities();
    s.push_back(6);
    return s;
}

struct Shown {
    std::string text;
    Rgb colour;
    bool underline;
    bool operator==(const Shown& o) const { return text == o.text && colour == o.colour && underline == o.underline; }
};

std::ostream& operator<<(std::ostream& os, const Shown& s) {
    return os << '"' << s.text << "\" (" << s.colour.r << ',' << s.colour.g << ',' << s.colour.b << ')' << (s.underline ? " u" : "");
}

// The spans as the text they cover; every span of these panes is bold.
std::vector<Shown> Spans(const StyledText& t) {
    std::vector<Shown> out;
    for (const TextSpan& s : t.spans) {
        EXPECT_TRUE(s.bold);
        EXPECT_FALSE(s.italic);
        EXPECT_LE(s.start + s.length, t.text.size());
        out.push_back({std::string(t.Slice(s.start, s.length)), s.colour, s.underline});
    }
    return out;
}

TEST(DaySummary, ListsTheDaysRecordsWithComputedCaloriesAndTotals) {
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.m_dLastWeight = 70.0;
    doc.m_arRecords = {
        Rec(LocalMidnight(2016, 1, 4), "Archery", "Old", "Club", 99, 1),
        Rec(LocalMidnight(2016, 1, 5), "Archery", "Target", "Club", 30, 200),
        Rec(LocalMidnight(2016, 1, 5), "Badminton", "Doubles", "Hall", 45, 0),  // 4.4988 x 80 kg x 0.75 h
        Rec(LocalMidnight(2016, 1, 6), "Archery", "Next", "Club", 99, 1),
    };
    const DaySummaryText s = DaySummary(doc, ActivityTable::Defaults(), Selected(), MakeLocalTime(2016, 1, 5, 15, 30));
    EXPECT_EQ(s.heading, "Execise information for: Tuesday January 05, 2016");
    EXPECT_EQ(s.pane.text,
              "Activity Summary for Tuesday January 05, 2016:\n"
              "Archery: Target (Club) - 30.00 Min, 200.0 Calories\n"
              "Badminton: Doubles (Hall) - 45.00 Min, 269.9 Calories\n"
              "\n"
              "Summary: 2 exercise activities resulted in a total exercise time of 75.00 minutes ( 1:15 H:M)and  a total of 469.9 "
              "calories were burned.\n"
              "\n"
              "Last recorded weight: 70.0 kg (154.0 lbs)");
    EXPECT_EQ(s.status.text, "Today: 2 activities, 75.00 minutes, 469.9 calories");
    EXPECT_EQ(s.status.colour, kBlue);

    EXPECT_EQ(s.pane.background, (Rgb{255, 255, 255}));
    EXPECT_EQ(s.pane.defaultColour, (Rgb{0, 0, 208}));
    EXPECT_FALSE(s.pane.defaultBold);
    ASSERT_EQ(s.pane.alignments.size(), 1u);
    EXPECT_EQ(s.pane.alignments[0], (ParagraphStyle{0, ParagraphAlign::Center}));
    const std::vector<Shown> expected = {
        {"Activity Summary for Tuesday January 05, 2016:", kTitle, false},
        {"Target", kDescription, false},
        {" - 30.00 Min, 200.0 Calories", kTail, false},
        {"Doubles", kDescription, false},
        {" - 45.00 Min, 269.9 Calories", kTail, false},
        {"Summary: 2 exercise activities resulted in a total exercise time of 75.00 minutes ( 1:15 H:M)and  a total of 469.9 calories were "
         "burned.",
         kTotals, false},
        {"Last recorded weight: 70.0 kg (154.0 lbs)", kTotals, false},
    };
    EXPECT_EQ(Spans(s.pane), expected);
}

TEST(DaySummary, SingleRecordWithoutCaloriesAndPoundWeight) {
    CKT2Doc doc;
    doc.m_bMetric = false;
    doc.m_dLastWeight = 154.0;
    // Archery is not selected: 0 calories, so no calories sentence.
    doc.m_arRecords = {Rec(LocalMidnight(2016, 1, 5), "Archery", "Target", "Club", 90, 0)};
    const DaySummaryText s = DaySummary(doc, ActivityTable::Defaults(), Selected(), LocalMidnight(2016, 1, 5));
    EXPECT_NE(s.pane.text.find("(Club) - 90.00 Min, 0.0 Calories\n"), std::string::npos);
    EXPECT_NE(s.pane.text.find("of 90.00 minutes ( 1:30 H:M)\nLast recorded weight: 154.0 lbs (70.0 kg)"), std::string::npos);
    EXPECT_EQ(s.status.text, "Today: 1 activity, 90.00 minutes, 0.0 calories");
}

TEST(DaySummary, DayWithoutRecordsAndNegativeWeightRecord) {
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.m_dLastWeight = 70.0;
    const DaySummaryText empty = DaySummary(doc, ActivityTable::Defaults(), Selected(), LocalMidnight(2016, 2, 29));
    EXPECT_EQ(empty.pane.text,
              "Activity Summary for Monday February 29, 2016:\n\n"
              "Summary: 0 exercise activities resulted in a total exercise time of 0.00 minutes ( 0:00 H:M)\n"
              "Last recorded weight: 70.0 kg (154.0 lbs)");
    EXPECT_EQ(empty.status.text, "Today: 0 activities, 0.00 minutes, 0.0 calories");

    // A negative stored weight counts as none, so the document's weight is used.
    doc.m_arRecords = {Rec(LocalMidnight(2016, 2, 29), "Badminton", "Singles", "Hall", 60, 0, -5.0)};
    const DaySummaryText s = DaySummary(doc, ActivityTable::Defaults(), Selected(), LocalMidnight(2016, 2, 29));
    EXPECT_EQ(s.status.text, "Today: 1 activity, 60.00 minutes, 314.9 calories");
}

TEST(DaySummary, EmphasisStaysOnTheFieldsWhateverTheyContain) {
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.m_dLastWeight = 70.0;
    // A type with ": ", a description with " (" and a line break, and multi-byte characters.
    doc.m_arRecords = {Rec(LocalMidnight(2016, 1, 5), "Yoga: hot", "Müde (sehr)\nok", "Пар(к)", 20, 50)};
    const DaySummaryText s = DaySummary(doc, ActivityTable::Defaults(), Selected(), LocalMidnight(2016, 1, 5));
    EXPECT_NE(s.pane.text.find("\nYoga: hot: Müde (sehr) ok (Пар(к)) - 20.00 Min, 50.0 Calories\n"), std::string::npos);
    const auto spans = Spans(s.pane);
    ASSERT_GE(spans.size(), 3u);
    EXPECT_EQ(spans[1], (Shown{"Müde (sehr) ok", kDescription, false}));
    EXPECT_EQ(spans[2], (Shown{" - 20.00 Min, 50.0 Calories", kTail, false}));
    EXPECT_EQ(s.pane.text.find('\r'), std::string::npos);
}

TEST(AveragesSummary, SentencesStatusAndEmphasis) {
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.m_dLastWeight = 70.0;
    doc.m_arRecords = {
        Rec(LocalMidnight(2015, 3, 1), "Archery", "a", "b", 30, 100),
        Rec(LocalMidnight(2016, 6, 15), "Archery", "a", "b", 60, 0),  // not selected: 0 calories
        Rec(LocalMidnight(2017, 3, 2), "Archery", "a", "b", 90, 200),
    };
    AverageResult d;
    d.total = 151.0;
    d.perDay = 75.5;
    d.days = 2;
    d.events = 3;
    d.text = "per day for last 7 days beginning February 24";
    AverageResult c;
    c.total = 300.0;
    c.perDay = 150.0;
    c.days = 2;
    c.events = 3;
    const AveragesSummaryText s = AveragesSummary(doc, ActivityTable::Defaults(), Selected(), d, c);
    EXPECT_EQ(s.pane.text,
              "Average of: 75.50 minutes (1.258 hrs or 1:15 H:M - 2.517 Total Hours/2 Days) & 150.00 calories (300.000 total calories "
              "over 2 days and 3 exercise events) per day for last 7 days beginning February 24.\n\n"
              "There are 3 exercise events involving a total of 3 exercise days. This has been over a period of 732 days beginning on "
              "March 01, 2015 (2 years, 1 days or 2.00 years), meaning that you have exercised on 0.4% of the days since recording "
              "started.  During that time you have averaged 0.2 minutes of exercise and 0.4 calories per day");
    ASSERT_TRUE(s.status);
    EXPECT_EQ(s.status->text, "Summary: 3 events, 732 days, average of 0.2 minutes & 0.4 calories per day");
    EXPECT_EQ(s.status->colour, (Rgb{220, 0, 0}));
    EXPECT_EQ(s.pane.background, (Rgb{249, 186, 170}));
    EXPECT_EQ(s.pane.defaultColour, (Rgb{0, 0, 192}));
    EXPECT_FALSE(s.pane.defaultBold);
    const std::vector<Shown> expected = {
        {"75.50", kRed, false},  {"1.258", kGreen, false},   {"1:15", kGreen, false}, {"2.517", kGreen, false}, {"2", kGreen, false},
        {"150.00", kRed, false}, {"300.000", kGreen, false}, {"2", kGreen, false},    {"3", kGreen, false},     {"per day", kBlue, true},
        {"3", kRed, false},      {"3", kRed, false},         {"732", kRed, false},    {"2", kRed, false},       {"1", kRed, false},
        {"2.00", kRed, false},   {"0.4%", kRed, false},      {"0.2", kRed, false},    {"0.4", kRed, false},
    };
    EXPECT_EQ(Spans(s.pane), expected);
}

TEST(AveragesSummary, ErrorStyleLeavesStatusAlone) {
    CKT2Doc doc;
    const auto& table = ActivityTable::Defaults();
    const AveragesSummaryText empty = AveragesSummary(doc, table, Selected(), DurationAverage(doc, 1), AverageResult{});
    EXPECT_EQ(empty.pane.text, "No Data");
    EXPECT_FALSE(empty.status);
    EXPECT_EQ(empty.pane.background, (Rgb{151, 252, 255}));
    EXPECT_EQ(empty.pane.defaultColour, (Rgb{255, 0, 0}));
    EXPECT_TRUE(empty.pane.defaultBold);
    EXPECT_TRUE(empty.pane.spans.empty());

    doc.m_arRecords = {Rec(LocalMidnight(2015, 12, 30), "Archery", "a", "b", 30, 10),
                       Rec(LocalMidnight(2016, 1, 1), "Archery", "a", "b", 30, 10)};
    const AverageResult d = DurationAverage(doc, 6);
    const AveragesSummaryText s = AveragesSummary(doc, table, Selected(), d, AverageResult{});
    EXPECT_EQ(s.pane.text, "Error calculating average duration.");
    EXPECT_FALSE(s.status);
}

TEST(AveragesSummary, ExerciseDaysShareNeverExceedsAllDays) {
    // Exercise on each of ten days across the spring change: 100.0, not more.
    EXPECT_DOUBLE_EQ(ExerciseDayPercent(10, LocalMidnight(2016, 3, 20), LocalMidnight(2016, 3, 29)), 100.0);
    EXPECT_DOUBLE_EQ(ExerciseDayPercent(1, LocalMidnight(2016, 3, 20), LocalMidnight(2016, 3, 20)), 100.0);
    EXPECT_DOUBLE_EQ(ExerciseDayPercent(2, LocalMidnight(2016, 3, 20), LocalMidnight(2016, 3, 23)), 50.0);
    EXPECT_DOUBLE_EQ(ExerciseDayPercent(0, 0, 0), 0.0);

    // Records all on one day: the database sentence shows 100.0% rather than dividing by zero.
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.m_arRecords = {Rec(LocalMidnight(2016, 1, 5), "Archery", "a", "b", 30, 10),
                       Rec(LocalMidnight(2016, 1, 5), "Archery", "a", "b", 30, 10)};
    const AverageResult d = DurationAverage(doc, 9);
    const AveragesSummaryText s = AveragesSummary(doc, ActivityTable::Defaults(), Selected(), d, AverageResult{});
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
    EXPECT_EQ(YearsAndDays(LocalMidnight(2015, 3, 1), LocalMidnight(2017, 3, 2)), (YearsDays{2, 1}));
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
