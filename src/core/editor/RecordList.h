#pragma once
// The database editor's lists as data: the texts of each cell, the date those texts stand for,
// and the order of the rows when the user sorts by a column.
//
// The record list shows the journal in reverse array order (the newest record first while the
// array is in date order) or sorted by one of the columns 0 to 5. RecordOrder keeps which array
// position each row shows. Sorting orders one position per record by precomputed keys (never the
// records themselves), and the order follows every later change of the journal by a binary
// search, so a million records are sorted once per click and not again per change.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/LocalTime.h"
#include "core/journal/EventRecord.h"

namespace kt {

class ActivityTable;
class CKT2Doc;

constexpr int kListColumns = 8;
// Headers 0 to 5 sort; the weight and notes columns do not.
constexpr int kSortableColumns = 6;

// The text of a record-list cell: 0 date ("%a %B %d, %Y"), 1 type, 2 description, 3 duration,
// 5 calories and 6 weight ("%2.3lf"), 4 location, 7 notes. Empty for other columns.
std::string RecordCellText(const CEventRecord& record, int column);
// The text of an activity-list cell: 0 name, 1 MET ("%2.4lf"), 2 index ("%d"); empty otherwise.
std::string ActivityCellText(const ActivityTable& table, int index, int column);

// The day a date cell stands for: the weekday is skipped, the month is the first of "Jan" ..
// "Dec" found in the rest, the day and year are the numbers before and after the first comma.
// A day of 1 to 31 with a month and a year after 1970 gives that day's local midnight (days past
// a month's end run into the next month); anything else gives 1 January 1970, local midnight.
Time64 ParseListDate(std::string_view text);

// How a column compares: by the day its date stands for, by text without regard to case, or by
// the number its text shows. Equal keys leave the lower array position first.
enum class SortKind { None, Date, Text, Number };
SortKind RecordColumnSort(int column);
// The key of a date cell: the local midnight of the record's day, or `now` for a date the list
// cannot parse back (a year of 1970 or before), as if ParseListDate had failed.
Time64 DateSortKey(Time64 time, Time64 now);
// The number a "%2.3lf" cell shows (values that print alike compare equal); NaN before all.
double NumberSortKey(double value);
// Three-way comparison of two records by a column's key (0 for a column that does not sort).
int CompareByColumn(const CEventRecord& a, const CEventRecord& b, int column, Time64 now);

class RecordOrder {
public:
    explicit RecordOrder(const CKT2Doc& doc);

    // Rows shown; follows the journal only through the calls below.
    size_t Rows() const { return m_rows; }
    // The array position shown in `row` (row < Rows()).
    size_t PositionAt(size_t row) const;
    // The row showing the record at `position`; the record must still hold the values it was
    // sorted by (call before a change, not after). nullopt for a position the list does not show.
    std::optional<size_t> RowOf(size_t position) const;

    bool IsSorted() const { return m_column >= 0; }
    int SortColumn() const { return m_column; }
    bool Ascending() const { return m_ascending; }

    // Every record of the journal in reverse array order.
    void Unsort();
    // Every record ordered by `column` (0..5; another column changes nothing). `now` stands in
    // for dates that do not parse, for as long as this sort lasts.
    void Sort(int column, bool ascending, Time64 now);
    // Every record of the journal again, in the order chosen last (after a change the order
    // cannot follow row by row: a load, a reordering, several rows at once).
    void Refresh();

    // The record now at `position` was inserted into the array. Returns the row it takes; with
    // `apply` false nothing changes yet (the caller announces the row first).
    size_t Inserted(size_t position, bool apply = true);
    // The record at `row` is leaving the array (call before it goes, or after with its position).
    void Removed(size_t row, size_t position);
    // The record at `position`, shown in `oldRow`, has new values: the row it belongs to now. With
    // `apply` false nothing changes yet.
    size_t Changed(size_t position, size_t oldRow, bool apply = true);

private:
    bool Before(uint32_t a, uint32_t b) const;
    size_t SortedRow(uint32_t position, size_t skipRow, uint32_t inserted) const;

    const CKT2Doc& m_doc;
    size_t m_rows = 0;
    int m_column = -1;
    bool m_ascending = true;
    Time64 m_now = 0;
    std::vector<uint32_t> m_order;  // sorted: the position of each row; empty while unsorted
};

// The activity list's rows when sorted: every table index, ordered by name without regard to
// case (column 0), by MET value (1) or by index (2), equal keys by index; other columns, or none,
// give the table order.
std::vector<int> ActivityRowOrder(const ActivityTable& table, int column, bool ascending);

}  // namespace kt
