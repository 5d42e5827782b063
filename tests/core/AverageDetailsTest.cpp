#include <gtest/gtest.h>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "core/stats/AverageDetails.h"

namespace kt {
namespace {

CEventRecord Rec(int y, int m, int d, double minutes, double calories, const char* notes = "") {
    return CEventRecord(LocalMidnight(y, m, d), "Archery", Format("d%d", d), minutes, "Club", calories, 80.0, 1, notes);
}

CKT2Doc Doc(std::vector<CEventRecord> records) {
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.m_dLastWeight = 70.0;
    doc.SetRecords(std::move(records));
    return doc;
}

// The listed rows by their descriptions, then the start date, the short flag and the count.
std::string Rows(const CKT2Doc& doc, int period) {
    const auto details = CollectAverageDetails(doc, period);
    if (!details) return "none";
    std::string out;
    for (size_t row = 0; row < details->count; ++row) out += doc.Records()[details->PositionOfRow(row)].m_strDescription.str() + " ";
    return out + FormatTime(details->startDate, "from %m-%d") + (details->shortDatabase ? " short " : " full ") +
           Format("%d", details->EventCount());
}

// The summary with each span written as {flags r,g,b|text}.
std::string Markup(const StyledText& t) {
    std::string out;
    size_t at = 0;
    for (const TextSpan& s : t.spans) {
        out += t.text.substr(at, s.start - at);
        out +=
            Format("{%s%s%s %d,%d,%d|", s.bold ? "b" : "", s.italic ? "i" : "", s.underline ? "u" : "", s.colour.r, s.colour.g, s.colour.b);
        out += t.Slice(s.start, s.length);
        out += "}";
        at = s.start + s.length;
    }
    return out + t.text.substr(at);
}

std::string Summary(const CKT2Doc& doc, int period) {
    const auto details = CollectAverageDetails(doc, period);
    return Markup(AverageDetailsSummary(*details, DurationAverage(doc, period),
                                        CalorieAverage(doc, ActivityTable::Defaults(), DefaultSelectedActivities(), period)));
}

TEST(AverageDetails, CollectsTheRecordsDurationAverageCountsInListOrder) {
    // Sunday 3, Tuesday 5, Thursday 7 January 2016, after one old record of 2015.
    const CKT2Doc doc = Doc({Rec(2015, 6, 1, 10, 1), Rec(2016, 1, 3, 30, 100), Rec(2016, 1, 5, 40, 200), Rec(2016, 1, 7, 50, 300)});
    const std::pair<int, const char*> cases[] = {
        {0, "d7 d5 d3 from 01-03 full 3"},     {1, "d7 d5 d3 from 12-31 full 3"},    {3, "d7 d5 d3 from 01-01 full 3"},
        {7, "d7 d5 d3 d1 from 06-01 short 4"}, {8, "d1 d3 d5 d7 from 06-01 full 4"}, {9, "d1 d3 d5 d7 from 06-01 full 4"},
        {12, "d7 d5 d3 from 01-03 full 3"},
    };
    for (const auto& [period, rows] : cases) EXPECT_EQ(Rows(doc, period), rows) << period;

    // Without the old record the journal is short for every period but "this week", whose first
    // record lies exactly on the period start.
    const CKT2Doc young = Doc({Rec(2016, 1, 3, 30, 100), Rec(2016, 1, 5, 40, 200), Rec(2016, 1, 7, 50, 300)});
    EXPECT_EQ(Rows(young, 0), "d7 d5 d3 from 01-03 full 3");
    EXPECT_EQ(Rows(young, 1), "d7 d5 d3 from 01-03 short 3");
    EXPECT_EQ(Rows(young, 6), "d7 d5 d3 from 01-03 short 3");
    EXPECT_EQ(Rows(young, 8), "d3 d5 d7 from 01-03 full 3");
    EXPECT_EQ(Rows(Doc({}), 1), "none");
}

TEST(AverageDetails, SummaryStatesPeriodAndAveragesWithItsEmphasis) {
    const CKT2Doc young = Doc({Rec(2016, 1, 3, 30, 100), Rec(2016, 1, 5, 40, 200), Rec(2016, 1, 7, 50, 300)});
    EXPECT_EQ(Summary(young, 1),
              "Summary: {b 220,0,0|3} exercise events activites for {bi 0,128,0|the past seven days, beginning on Sun Jan 03, 2016[since "
              "the database does not go back a full week]}, resulting in an {b 0,0,160|average time} spent exercising of {b 220,0,0|30.0} "
              "{biu 0,0,160|minutes per day} (120.0 min/4 days) and an {b 0,0,160|average number of calories} burned per day of "
              "{b 220,0,0|150.0} cal (600.0 cal/4 days)");

    // The period texts; the note follows the date only in a short database.
    const std::pair<int, const char*> periods[] = {
        {0, "this week, beginning on Sun Jan 03, 2016"},
        {2, "the past two weeks, beginning on Sun Jan 03, 2016[since the database does not go back two weeks]"},
        {4, "the last 30 days, beginning on Sun Jan 03, 2016[since the database does not go back a full month]"},
        {6, "this year, beginning on Sun Jan 03, 2016[since the database does not go back to the beginning of the year]"},
        {8, "the entire time period recorded in this database, beginning on Sun Jan 03, 2016"},
    };
    for (const auto& [period, text] : periods) {
        EXPECT_NE(Summary(young, period).find(Format("{bi 0,128,0|%s}, resulting", text)), std::string::npos) << period;
    }
    const CKT2Doc old = Doc({Rec(2015, 6, 1, 10, 1), Rec(2016, 1, 3, 30, 100), Rec(2016, 1, 7, 50, 0)});
    EXPECT_NE(Summary(old, 1).find("{bi 0,128,0|the past seven days, beginning on Thu Dec 31, 2015}, resulting"), std::string::npos);

    // One day of records: no days to divide by, so the minutes show 0 per day over 0 days.
    const CKT2Doc oneDay = Doc({Rec(2016, 1, 3, 30, 100), Rec(2016, 1, 3, 40, 200)});
    EXPECT_NE(Summary(oneDay, 8).find("of {b 220,0,0|0.0} {biu 0,0,160|minutes per day} (70.0 min/0 days)"), std::string::npos);
}

TEST(AverageDetails, CellsColumnsAndRowColours) {
    const CEventRecord r(LocalMidnight(2016, 1, 5), "Badminton", "Doubles", 45.5, "Hall", 0.0, 80.0, 1, "knee ok");
    std::string cells;
    for (int c = 0; c < kDetailsColumnCount; ++c) cells += AverageDetailsCell(r, c) + "|";
    EXPECT_EQ(cells, "Tue Jan 05, 2016|Badminton|Doubles|45.50|Hall|0.0|knee ok|");
    EXPECT_EQ(AverageDetailsCell(CEventRecord(0, "", "", 1234.567, "", 2.25, 0, 0, ""), 3), "1234.57");
    EXPECT_EQ(AverageDetailsCell(CEventRecord(0, "", "", 5, "", 2.25, 0, 0, ""), 3), "5.00");
    EXPECT_EQ(AverageDetailsCell(CEventRecord(0, "", "", 5, "", 2.25, 0, 0, ""), 5), "2.2");
    EXPECT_EQ(AverageDetailsColumnWidths(846), (std::array<int, 7>{120, 181, 181, 60, 151, 60, 60}));
    EXPECT_EQ(AverageDetailsColumnWidths(27), (std::array<int, 7>{3, 5, 5, 1, 4, 1, 1}));

    // Three row colours take turns.
    EXPECT_FALSE(AverageDetailsRowColours(0) == AverageDetailsRowColours(1) || AverageDetailsRowColours(1) == AverageDetailsRowColours(2));
    for (size_t row : {3, 7, 999999}) EXPECT_EQ(AverageDetailsRowColours(row), AverageDetailsRowColours(row % 3)) << row;
}

}  // namespace
}  // namespace kt
