#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/activities/ActivityTable.h"
#include "core/app/Commands.h"
#include "core/app/EditorPane.h"
#include "core/base/Format.h"
#include "core/base/Text.h"
#include "core/editor/ActivitySelection.h"
#include "core/editor/RecordList.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"

namespace kt {
namespace {

const Time64 kNow = LocalMidnight(2024, 6, 1) + 3600;

CEventRecord Rec(Time64 day, const char* type, const char* description, double minutes, const char* location = "Park",
                 double calories = 100) {
    return CEventRecord(day, type, description, minutes, location, calories, 80, 1, "n");
}

TEST(Editor, ParseListDateReadsTheDayOrFallsBackToTheStartOf1970) {
    const std::pair<const char*, Time64> days[] = {
        {"Tue January 05, 2016", LocalMidnight(2016, 1, 5)},
        {"Sun March 27, 2016", LocalMidnight(2016, 3, 27)},  // the spring clock change
        {"Fri June 30, 2023", LocalMidnight(2023, 6, 30)},
        {"x Sep 9, 1971", LocalMidnight(1971, 9, 9)},
        {"Mon February 31, 2020", LocalMidnight(2020, 3, 2)},  // past the month's end: into the next
    };
    for (const auto& [text, day] : days) EXPECT_EQ(ParseListDate(text), day) << text;
    // No month, the year 1970, no such day, no comma, no day, no date at all.
    for (const char* text : {"Wed Smarch 05, 2016", "Thu January 01, 1970", "Mon December 31, 1970", "Mon January 00, 2016",
                             "Mon January 32, 2016", "Tue January 05 2016", "Tue January , 2016", "garbage", ""})
        EXPECT_EQ(ParseListDate(text), LocalMidnight(1970, 1, 1)) << text;
}

TEST(Editor, CellTextsAndTheirSortKeys) {
    CEventRecord r(LocalMidnight(2016, 1, 5), "Golf, general", "18 holes", 5, "Club", 123.4567, 81.25, 1, "windy");
    const char* expected[] = {"Tue January 05, 2016", "Golf, general", "18 holes", "5.000", "Club", "123.457", "81.250", "windy"};
    for (int c = 0; c < kListColumns; ++c) EXPECT_EQ(RecordCellText(r, c), expected[c]) << c;
    EXPECT_EQ(RecordCellText(r, 8), "");

    // A date key is the day its cell text parses to, at any time of the day; before 1971 it is "now".
    for (Time64 t : {LocalMidnight(2016, 1, 5), LocalMidnight(2016, 3, 27) + 5 * 3600, LocalMidnight(1971, 1, 1)})
        EXPECT_EQ(DateSortKey(t, kNow), ParseListDate(FormatTime(t, "%a %B %d, %Y"))) << t;
    EXPECT_EQ(DateSortKey(LocalMidnight(1970, 12, 31), kNow), kNow);
    // Numbers compare as their cells show them.
    EXPECT_TRUE(NumberSortKey(30.0004) == NumberSortKey(30.0001) && NumberSortKey(-0.0001) == 0.0);
    EXPECT_TRUE(NumberSortKey(29.96) < NumberSortKey(30.04) && NumberSortKey(10.0004) < NumberSortKey(10.004));
    EXPECT_LT(NumberSortKey(std::nan("")), NumberSortKey(-1e300));
    EXPECT_GT(CompareNoCase("\xc3\xa9", "z"), 0);  // bytes beyond ASCII sort after it
}

// The array positions the rows show, top to bottom.
std::vector<size_t> Rows(const RecordOrder& order) {
    std::vector<size_t> rows;
    for (size_t r = 0; r < order.Rows(); ++r) rows.push_back(order.PositionAt(r));
    return rows;
}

TEST(Editor, RecordOrderSortsByEachColumnWithTheLowerPositionFirstOnEqualKeys) {
    CKT2Doc doc;
    const Time64 d1 = LocalMidnight(2015, 12, 31), d2 = LocalMidnight(2016, 1, 1);
    doc.SetRecords({
        Rec(d2, "run", "b", 30.04, "Park", 10),           // 0
        Rec(d1, "Swim", "a", 29.96, "pool", 10.0004),     // 1
        Rec(d2 + 7200, "RUN", "B", 45, "park", 10.0001),  // 2: same day as 0, another hour
        Rec(0, "archery", "c", 30.04, "Hall", 5),         // 3: 1970 sorts as "now"
        Rec(d1, "swim", "A", 29.96, "Pool", 12),          // 4
    });
    RecordOrder order(doc);
    EXPECT_EQ(Rows(order), (std::vector<size_t>{4, 3, 2, 1, 0}));  // reverse array order
    const std::tuple<int, bool, std::vector<size_t>> cases[] = {
        {0, true, {1, 4, 0, 2, 3}}, {0, false, {3, 0, 2, 1, 4}}, {1, true, {3, 0, 2, 1, 4}},  {1, false, {1, 4, 0, 2, 3}},
        {2, true, {1, 4, 0, 2, 3}}, {2, false, {3, 0, 2, 1, 4}}, {3, true, {1, 4, 0, 3, 2}},  {3, false, {2, 0, 3, 1, 4}},
        {4, true, {3, 0, 2, 1, 4}}, {5, true, {3, 0, 1, 2, 4}},  {5, false, {4, 0, 1, 2, 3}},
    };
    for (const auto& [column, ascending, rows] : cases) {
        order.Sort(column, ascending, kNow);
        EXPECT_EQ(Rows(order), rows) << column << ascending;
        for (size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(order.RowOf(rows[r]), r);
    }
    order.Sort(6, true, kNow);  // weight does not sort: the last order stays
    EXPECT_EQ(order.SortColumn(), 5);
    order.Unsort();
    EXPECT_FALSE(order.IsSorted());
    EXPECT_EQ(Rows(order), (std::vector<size_t>{4, 3, 2, 1, 0}));
}

// A sorted order follows inserts, deletions and changes as the editor's model drives it, and
// always equals a fresh sort of the journal.
TEST(Editor, RecordOrderFollowsEveryChangeOfTheJournal) {
    for (int column : {-1, 0, 1, 3, 5}) {
        for (bool ascending : {true, false}) {
            std::mt19937 rng(static_cast<unsigned>(column * 7 + ascending));
            const char* types[] = {"a", "B", "b", "c"};
            const auto random = [&rng, &types] {
                const Time64 day = LocalMidnight(2016, 1, 1 + static_cast<int>(rng() % 5));
                return Rec(day, types[rng() % 4], "d", 10.0 * static_cast<double>(rng() % 4), "L", static_cast<double>(rng() % 3));
            };
            CKT2Doc doc;
            for (int i = 0; i < 12; ++i) doc.AddRecord(random());
            RecordOrder order(doc);
            if (column >= 0) order.Sort(column, ascending, kNow);
            for (int step = 0; step < 60; ++step) {
                const size_t size = doc.Records().size();
                const size_t position = size == 0 ? 0 : rng() % size;
                switch (rng() % 3) {
                    case 0: {
                        const size_t at = rng() % (size + 1);
                        doc.InsertRecord(at, random());
                        const size_t row = order.Inserted(at, false);
                        EXPECT_EQ(order.Inserted(at), row);
                        break;
                    }
                    case 1:
                        if (size == 0) continue;
                        order.Removed(*order.RowOf(position), position);
                        doc.DeleteRecord(position);
                        break;
                    default: {
                        if (size == 0) continue;
                        const size_t oldRow = *order.RowOf(position);
                        doc.ReplaceRecord(position, random());
                        order.Changed(position, oldRow);
                        break;
                    }
                }
                RecordOrder fresh(doc);
                if (column >= 0) fresh.Sort(column, ascending, kNow);
                ASSERT_EQ(Rows(order), Rows(fresh)) << column << ascending << " step " << step;
            }
        }
    }
}

TEST(Editor, ActivityRowsSortByNameMetOrIndex) {
    ActivityTable table;
    table.SetActivity(0, "zumba", 9.5);
    table.SetActivity(1, "Aerobics", 10);
    table.SetActivity(2, "aerobics", 2.5);
    const auto firstThree = [&table](int column, bool ascending) {
        std::vector<int> rows = ActivityRowOrder(table, column, ascending);
        std::vector<int> mine;
        for (int index : rows)
            if (index <= 2) mine.push_back(index);
        return mine;
    };
    EXPECT_EQ(firstThree(0, true), (std::vector<int>{1, 2, 0}));  // equal names: lower index first
    EXPECT_EQ(firstThree(0, false), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(firstThree(1, true), (std::vector<int>{2, 0, 1}));  // 2.5 < 9.5 < 10, not as text
    EXPECT_EQ(firstThree(2, false), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(ActivityRowOrder(table, 2, false).front(), kActivityCount - 1);
    EXPECT_EQ(ActivityRowOrder(table, 5, false).front(), 0);  // no such column: table order
}

TEST(Editor, TicksAppendInTickOrderAndUntickRemovesTheFirstOccurrence) {
    std::vector<uint16_t> selected = {7, 3, 7};
    const std::tuple<int, bool, bool, std::vector<uint16_t>> steps[] = {
        // {index, ticked, changes, selection after}
        {5, true, true, {7, 3, 7, 5}},    {2, true, true, {7, 3, 7, 5, 2}},  {5, false, true, {7, 3, 7, 2}},
        {5, true, true, {7, 3, 7, 2, 5}}, {3, true, false, {7, 3, 7, 2, 5}}, {7, false, true, {3, 7, 2, 5}},
        {9, false, false, {3, 7, 2, 5}},  {310, true, false, {3, 7, 2, 5}},  {-1, true, false, {3, 7, 2, 5}},
    };
    for (const auto& [index, ticked, changes, after] : steps) {
        EXPECT_EQ(ApplyTick(selected, index, ticked), changes) << index;
        EXPECT_EQ(selected, after) << index;
    }
    EXPECT_TRUE(IsSelected(selected, 2) && !IsSelected(selected, 4));
    EXPECT_EQ(TickedInRowOrder({9, 7, 5, 3, 2, 1}, selected), (std::vector<uint16_t>{7, 5, 3, 2}));

    Settings settings;
    ActivityTable table;
    settings.m_arSelectedActivities = {1, 2};
    const ActivitySnapshot before = TakeActivitySnapshot(settings, table, 4);
    table.SetActivity(4, "Renamed", 1.25);
    settings.m_arSelectedActivities = {2};
    EXPECT_FALSE(before == TakeActivitySnapshot(settings, table, 4));
    RestoreActivities(before, settings, table);
    EXPECT_EQ(settings.m_arSelectedActivities, (std::vector<uint16_t>{1, 2}));
    EXPECT_TRUE(table.At(4).name == ActivityTable::Defaults().At(4).name && table.At(4).met == ActivityTable::Defaults().At(4).met);
    EXPECT_TRUE(settings.m_bActivityListChanged && before == TakeActivitySnapshot(settings, table, 4));
    EXPECT_EQ(TakeActivitySnapshot(settings, table, 310).index, -1);
}

TEST(Editor, PaneCommandsShowHideAndSwitchTheEditor) {
    using M = EditorMode;
    const struct {
        int command;
        bool shown;
        M mode;
        bool shownAfter;
        std::optional<M> setMode;
        bool fill, hiddenPrompt, layout;
    } cases[] = {
        {cmd::kShowHideEditor, false, M::Activities, true, M::Records, true, false, true},
        {cmd::kShowHideEditor, true, M::Records, false, std::nullopt, false, true, true},
        {cmd::kToggleEditor, false, M::Activities, true, M::Records, false, false, true},
        {cmd::kShowRecords, true, M::Activities, true, M::Records, false, false, true},
        {cmd::kShowActivities, false, M::Records, true, M::Activities, false, false, true},
        {cmd::kShowDataEntry, true, M::Records, false, std::nullopt, false, false, true},
        {cmd::kEditorMode, true, M::Records, true, M::Activities, false, false, false},
        {cmd::kEditorMode, false, M::Records, false, std::nullopt, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Format("%d %d", c.command, c.shown));
        const auto step = EditorPaneCommand(c.command, c.shown, c.mode);
        ASSERT_TRUE(step);
        EXPECT_EQ(step->mode, c.setMode);
        EXPECT_EQ(Format("%d %d %d %d", step->shown, step->fillRecords, step->hiddenPrompt, step->layout),
                  Format("%d %d %d %d", c.shownAfter, c.fill, c.hiddenPrompt, c.layout));
    }
    EXPECT_FALSE(EditorPaneCommand(cmd::kSave, true, M::Records));
}

}  // namespace
}  // namespace kt
