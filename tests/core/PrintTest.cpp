#include <gtest/gtest.h>

#include "core/base/Format.h"
#include "core/base/TextCodec.h"
#include "core/journal/KT2Doc.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintRange.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

std::string Show(Time64 t) { return FormatTime(t, "%Y-%m-%d %H:%M"); }

TEST(PrintRange, EachButtonCountsCalendarDaysBackFromTheEndAtItsTimeOfDay) {
    using enum PrintRange;
    const Time64 first = LocalMidnight(2010, 6, 1);
    const Time64 current = LocalMidnight(2020, 2, 2);
    const std::tuple<Time64, PrintRange, const char*> cases[] = {
        // {end, button, start}
        {LocalMidnight(2024, 1, 10), ThisWeek, "2024-01-05 00:00"},  // Wednesday: the Friday before
        {LocalMidnight(2024, 3, 3), ThisWeek, "2024-03-01 00:00"},   // Sunday
        {LocalMidnight(2024, 3, 2), ThisWeek, "2024-02-23 00:00"},   // Saturday
        {LocalMidnight(2024, 1, 5), ThisYear, "2023-12-31 00:00"},
        {LocalMidnight(2024, 3, 1), ThisYear, "2024-01-01 00:00"},  // leap year: the count has no 29 February
        {LocalMidnight(2023, 3, 1), ThisYear, "2022-12-31 00:00"},
        {LocalMidnight(2024, 12, 31), ThisYear, "2024-01-01 00:00"},
        {LocalMidnight(2024, 4, 1), ThisMonth, "2024-03-31 00:00"},  // across the spring clock change
        {LocalMidnight(2024, 11, 2), OneWeek, "2024-10-26 00:00"},   // across the autumn one
        {MakeLocalTime(2024, 3, 1, 15, 30), TwoWeeks, "2024-02-16 15:30"},
        {MakeLocalTime(2024, 3, 1, 15, 30), OneMonth, "2024-01-31 15:30"},
        {MakeLocalTime(2024, 3, 1, 15, 30), TwoMonths, "2024-01-01 15:30"},
        {MakeLocalTime(2024, 3, 1, 15, 30), PastYear, "2023-03-02 15:30"},
        {MakeLocalTime(2024, 3, 1, 15, 30), FromStart, "2010-06-01 00:00"},
        {MakeLocalTime(2024, 3, 1, 15, 30), Custom, "2020-02-02 00:00"},
    };
    for (const auto& [end, button, start] : cases)
        EXPECT_EQ(Show(PrintRangeStart(button, end, first, current)), start) << Show(end) << " button " << static_cast<int>(button);
}

TEST(PrintRange, DialogStateFollowsButtonsAndPickers) {
    CKT2Doc doc;
    EXPECT_FALSE(InitialPrintRange(doc, false));
    // A loaded file keeps its order: the range still runs from the earliest to the latest record.
    std::vector<CEventRecord> records;
    for (int day : {20, 3, 24, 10}) records.emplace_back(LocalMidnight(2024, 1, day), "Golf", "", 30, "", 0, 0, 1, "");
    doc.SetRecords(records);
    std::optional<PrintRangeChoice> choice = InitialPrintRange(doc, true);
    ASSERT_TRUE(choice);
    const auto state = [&] {
        return Show(choice->Start()) + " .. " + Show(choice->End()) + " #" + std::to_string(static_cast<int>(choice->Selected())) +
               (choice->m_bCsv ? " csv" : "");
    };
    EXPECT_EQ(state(), "2024-01-19 00:00 .. 2024-01-24 00:00 #0 csv");  // Wednesday 24th: "This Week"
    choice->Select(PrintRange::TwoWeeks);
    EXPECT_EQ(state(), "2024-01-10 00:00 .. 2024-01-24 00:00 #2 csv");
    choice->Select(PrintRange::FromStart);
    EXPECT_EQ(state(), "2024-01-03 00:00 .. 2024-01-24 00:00 #8 csv");
    choice->Select(PrintRange::TwoWeeks);
    choice->Select(PrintRange::Custom);
    EXPECT_EQ(state(), "2024-01-10 00:00 .. 2024-01-24 00:00 #9 csv");
    choice->Select(PrintRange::OneWeek);
    choice->PickStart(2024, 1, 2);  // the button stays
    EXPECT_EQ(state(), "2024-01-02 00:00 .. 2024-01-24 00:00 #1 csv");
    choice->PickEnd(2024, 3, 31);  // the end picker selects "Custom Period" and leaves the start
    EXPECT_EQ(state(), "2024-01-02 00:00 .. 2024-03-31 00:00 #9 csv");
    choice->Select(PrintRange::ThisMonth);
    EXPECT_EQ(state(), "2024-02-29 00:00 .. 2024-03-31 00:00 #3 csv");
}

// Lines are as high as the font's pixel size plus 10; a character is half the pixel size wide.
class FakeMeasurer : public TextMeasurer {
public:
    int Height(const PrintFont& font) const override { return font.pixelSize + 10; }
    int Width(const PrintFont& font, const std::string& text) const override {
        return static_cast<int>(Utf8ToCodePoints(text).size()) * font.pixelSize / 2;
    }
};

std::vector<std::string> DumpPages(const std::vector<PrintPage>& pages) {
    std::vector<std::string> lines;
    for (size_t p = 0; p < pages.size(); ++p) {
        lines.push_back(Format("page %zu", p + 1));
        for (const PrintRule& r : pages[p].rules) lines.push_back(Format("R %d %d %d %d", r.x1, r.y1, r.x2, r.y2));
        for (const PrintText& t : pages[p].texts) {
            lines.push_back(Format("T %d %d %s %d%s [%s]", t.x, t.y, t.font.face.c_str(), t.font.pixelSize, t.font.bold ? " bold" : "",
                                   t.text.c_str()) +
                            (t.clipped ? Format(" clip %d %d", t.clipLeft, t.clipRight) : ""));
        }
    }
    return lines;
}

constexpr PrintDevice kLetter600{5100, 6600, 600};

// Two records of one day (the date printed once), one outside the range between them and
// the others, a text wider than its column (clipped) and a '|' that stays in its cell.
TEST(PrintLayout, RecordRange_GoldenPage) {
    CKT2Doc doc;
    const Time64 day = LocalMidnight(2016, 1, 1);
    doc.SetRecords({
        CEventRecord(day, "Golf, general", "9 holes", 120.456, "Club", 0, 0, 1, "a|b"),
        CEventRecord(day - kSecondsPerDay, "Outside", "", 1, "", 0, 0, 1, ""),
        CEventRecord(day, "Swimming butterfly", "A description far too long for its column", 45, "", 0, 0, 1, ""),
        CEventRecord(LocalMidnight(2016, 1, 4), "Archery", "", 5, "", 0, 0, 1, ""),
    });
    const PrintPlan plan = LayoutRecordRange(doc, day, LocalMidnight(2016, 1, 4), kLetter600, FakeMeasurer());
    EXPECT_EQ(plan.documentName, "KT2");
    EXPECT_EQ(DumpPages(plan.pages), SplitLines(test::ReadAll(test::TestDataDir() / "print" / "record_range" / "pages.txt")));
}

TEST(PrintLayout, RecordRange_PagesBreakAfterRow21AndEvery20RowsAndWhenFull) {
    const std::tuple<PrintDevice, int, std::vector<int>> cases[] = {
        // {device, records, rows per page}
        {kLetter600, 0, {0}},
        {kLetter600, 20, {20}},
        {kLetter600, 21, {21, 0}},  // the break after row 21 leaves an empty last page
        {kLetter600, 22, {21, 1}},
        {kLetter600, 41, {21, 20, 0}},
        {kLetter600, 45, {21, 20, 4}},
        // 2000 units high: five rows below the title and header, nine on a later page.
        {{5100, 2000, 600}, 21, {5, 9, 7, 0}},
        {{5100, 2000, 600}, 31, {5, 9, 7, 9, 1}},
    };
    for (const auto& [device, count, rowsPerPage] : cases) {
        CKT2Doc doc;
        std::vector<CEventRecord> records;
        for (int i = 0; i < count; ++i) records.emplace_back(LocalMidnight(2016, 1, 1 + i), "Golf", "", 30, "", 0, 0, 1, "");
        doc.SetRecords(records);
        const PrintPlan plan = LayoutRecordRange(doc, 0, LocalMidnight(2017, 1, 1), device, FakeMeasurer());
        std::vector<int> rows;
        // Every row draws ten vertical and two horizontal rules; page 1 also holds the header row.
        for (size_t p = 0; p < plan.pages.size(); ++p) rows.push_back(static_cast<int>(plan.pages[p].rules.size()) / 12 - (p == 0 ? 1 : 0));
        EXPECT_EQ(rows, rowsPerPage) << count << " records, height " << device.height;
    }
}

// A line is cut at its last blank when one lies among its last 20 characters (or right after
// it), otherwise where the width ends.
TEST(PrintLayout, TextLineWiderThanTheMarginsWraps) {
    const PrintDevice narrow{400 + 30 * 40, 6600, 600};  // room for 30 characters 40 units wide
    const FakeMeasurer measurer;
    PrintLayout layout(narrow, measurer);
    layout.SetMargins(200, 200, 100, 100);
    const PrintFont font{"Arial", 80, false};
    layout.StartPage();
    for (const char* line :
         {"Exercise information from Jan 01 to Feb 02 abcdefghijklmnopqrstuvwxyz0123456789", "abcdefghi jklmnopqrstuvwxyz0123456789",
          "abcdefghij klmnopqrstuvwxyz0123456789", "abcdefghijk mnopqrstuvwxyz0123 x"})
        layout.PrintTextLine(font, line, TextAlign::Left, 5);
    layout.PrintTextLine(font, "short", TextAlign::Centre);
    std::vector<std::string> texts;
    const std::vector<PrintPage> pages = layout.EndDocument();
    for (const PrintText& t : pages.at(0).texts) texts.push_back(Format("%d %d %s", t.x, t.y, t.text.c_str()));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "205 100 Exercise information from Jan", "205 190 01 to Feb 02", "205 280 abcdefghijklmnopqrstuvwxyz0123",
                         "205 370 456789", "205 460 abcdefghi jklmnopqrstuvwxyz012", "205 550 3456789", "205 640 abcdefghij",
                         "205 730 klmnopqrstuvwxyz0123456789", "205 820 abcdefghijk mnopqrstuvwxyz0123", "205 910 x", "700 1000 short"}));
}

}  // namespace
}  // namespace kt
