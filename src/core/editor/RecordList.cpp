#include "core/editor/RecordList.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <unordered_map>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/editor/Texts.h"
#include "core/journal/KT2Doc.h"

namespace kt {
namespace {

namespace tx = editor_text;

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr int kLastUnparsedYear = 1970;

// The rest of `text` after its first blank; all of it when it has none.
std::string_view AfterBlank(std::string_view text) {
    const size_t blank = text.find(' ');
    return blank == std::string_view::npos ? text : text.substr(blank + 1);
}

template <typename T>
int Compare3(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

constexpr uint32_t kNoPending = std::numeric_limits<uint32_t>::max();

// Past this size "%2.3lf" shows no decimals that could make two different values print alike.
constexpr double kWholeNumbersFrom = 1e15;

const std::string& TextField(const CEventRecord& r, int column) {
    return column == 1 ? r.m_strType : (column == 2 ? r.m_strDescription : r.m_strLocation);
}
double NumberField(const CEventRecord& r, int column) { return column == 3 ? r.m_dDuration : r.m_dCalories; }

// Keys for a whole sort, computed once per record, so the sort compares plain numbers.
std::vector<int64_t> DateKeys(const std::vector<CEventRecord>& records, Time64 now) {
    std::vector<int64_t> keys(records.size());
    // Records of one day lie next to each other in an array in date order: the day found last is
    // tried first, which spares the calendar for all but one record per day.
    Time64 dayStart = 1, dayEnd = 0, dayKey = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const Time64 t = records[i].m_time;
        if (t < dayStart || t >= dayEnd) {
            dayStart = MidnightOf(t);
            dayEnd = MidnightOf(dayStart + kSecondsPerDay * 3 / 2);
            if (dayEnd <= dayStart) dayEnd = dayStart + 1;
            dayKey = DateSortKey(t, now);
            if (t < dayStart || t >= dayEnd) {
                // A day the calendar cannot place: no interval to remember.
                dayStart = 1;
                dayEnd = 0;
            }
        }
        keys[i] = dayKey;
    }
    return keys;
}

// Each text replaced by its rank among the distinct texts, texts equal but for case sharing one.
std::vector<int64_t> TextKeys(const std::vector<CEventRecord>& records, int column) {
    std::unordered_map<std::string_view, int64_t> ids;
    std::vector<std::string_view> distinct;
    std::vector<int64_t> keys(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const auto [it, added] = ids.try_emplace(TextField(records[i], column), static_cast<int64_t>(distinct.size()));
        if (added) distinct.push_back(it->first);
        keys[i] = it->second;
    }
    std::vector<size_t> byText(distinct.size());
    std::iota(byText.begin(), byText.end(), size_t{0});
    std::sort(byText.begin(), byText.end(), [&distinct](size_t a, size_t b) { return CompareNoCase(distinct[a], distinct[b]) < 0; });
    std::vector<int64_t> rank(distinct.size());
    int64_t current = 0;
    for (size_t k = 0; k < byText.size(); ++k) {
        if (k > 0 && CompareNoCase(distinct[byText[k - 1]], distinct[byText[k]]) != 0) ++current;
        rank[byText[k]] = current;
    }
    for (int64_t& key : keys) key = rank[static_cast<size_t>(key)];
    return keys;
}

template <typename Key>
void SortByKeys(std::vector<uint32_t>& order, const std::vector<Key>& keys, bool ascending) {
    if (ascending) {
        std::sort(order.begin(), order.end(),
                  [&keys](uint32_t a, uint32_t b) { return keys[a] < keys[b] || (keys[a] == keys[b] && a < b); });
    } else {
        std::sort(order.begin(), order.end(),
                  [&keys](uint32_t a, uint32_t b) { return keys[a] > keys[b] || (keys[a] == keys[b] && a < b); });
    }
}

}  // namespace

std::string RecordCellText(const CEventRecord& record, int column) {
    switch (column) {
        case 0:
            return FormatTime(record.m_time, tx::kDateFormat);
        case 1:
            return record.m_strType;
        case 2:
            return record.m_strDescription;
        case 3:
            return Format(tx::kNumberFormat, record.m_dDuration);
        case 4:
            return record.m_strLocation;
        case 5:
            return Format(tx::kNumberFormat, record.m_dCalories);
        case 6:
            return Format(tx::kNumberFormat, record.m_dWeight);
        case 7:
            return record.m_strNotes;
        default:
            return {};
    }
}

std::string ActivityCellText(const ActivityTable& table, int index, int column) {
    const Activity* activity = table.Find(index);
    if (!activity) return {};
    switch (column) {
        case 0:
            return activity->name;
        case 1:
            return Format(tx::kMetFormat, activity->met);
        case 2:
            return Format(tx::kIndexFormat, index);
        default:
            return {};
    }
}

Time64 ParseListDate(std::string_view text) {
    const Time64 unparsed = LocalMidnight(1970, 1, 1);
    std::string_view rest = AfterBlank(text);
    int month = 0;
    for (size_t m = 0; m < kMonths.size() && month == 0; ++m) {
        if (rest.find(kMonths[m]) != std::string_view::npos) month = static_cast<int>(m) + 1;
    }
    rest = AfterBlank(rest);
    const size_t comma = rest.find(',');
    if (comma == std::string_view::npos) return unparsed;
    const int day = ScanIntOr(rest.substr(0, comma), 0);
    const int year = ScanIntOr(rest.substr(comma + 1), 0);
    if (day < 1 || day > 31 || month == 0 || year <= kLastUnparsedYear) return unparsed;
    return LocalMidnight(year, month, day);
}

SortKind RecordColumnSort(int column) {
    switch (column) {
        case 0:
            return SortKind::Date;
        case 1:
        case 2:
        case 4:
            return SortKind::Text;
        case 3:
        case 5:
            return SortKind::Number;
        default:
            return SortKind::None;
    }
}

Time64 DateSortKey(Time64 time, Time64 now) { return ToLocal(time).year > kLastUnparsedYear ? MidnightOf(time) : now; }

double NumberSortKey(double value) {
    if (std::isnan(value)) return -std::numeric_limits<double>::infinity();
    if (std::fabs(value) >= kWholeNumbersFrom) return value;
    // The number the cell shows, rounded as printf rounds it.
    char text[64];
    const auto printed = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
    double shown = value;
    std::from_chars(text, printed.ptr, shown);
    return shown == 0.0 ? 0.0 : shown;
}

int CompareByColumn(const CEventRecord& a, const CEventRecord& b, int column, Time64 now) {
    switch (RecordColumnSort(column)) {
        case SortKind::Date:
            return Compare3(DateSortKey(a.m_time, now), DateSortKey(b.m_time, now));
        case SortKind::Text:
            return Compare3(CompareNoCase(TextField(a, column), TextField(b, column)), 0);
        case SortKind::Number:
            return Compare3(NumberSortKey(NumberField(a, column)), NumberSortKey(NumberField(b, column)));
        case SortKind::None:
            break;
    }
    return 0;
}

RecordOrder::RecordOrder(const CKT2Doc& doc) : m_doc(doc), m_rows(doc.Records().size()) {}

size_t RecordOrder::PositionAt(size_t row) const { return IsSorted() ? m_order[row] : m_rows - 1 - row; }

std::optional<size_t> RecordOrder::RowOf(size_t position) const {
    if (position >= m_rows) return std::nullopt;
    if (!IsSorted()) return m_rows - 1 - position;
    const size_t row = SortedRow(static_cast<uint32_t>(position), m_rows, kNoPending);
    if (row < m_rows && m_order[row] == position) return row;
    // The record no longer holds the values it was sorted by: look for it.
    const auto it = std::find(m_order.begin(), m_order.end(), static_cast<uint32_t>(position));
    if (it == m_order.end()) return std::nullopt;
    return static_cast<size_t>(it - m_order.begin());
}

void RecordOrder::Unsort() {
    m_column = -1;
    m_order.clear();
    m_order.shrink_to_fit();
    m_rows = m_doc.Records().size();
}

void RecordOrder::Sort(int column, bool ascending, Time64 now) {
    const SortKind kind = RecordColumnSort(column);
    if (kind == SortKind::None) return;
    const std::vector<CEventRecord>& records = m_doc.Records();
    m_column = column;
    m_ascending = ascending;
    m_now = now;
    m_rows = records.size();
    m_order.resize(records.size());
    std::iota(m_order.begin(), m_order.end(), 0u);
    if (kind == SortKind::Number) {
        std::vector<double> keys(records.size());
        for (size_t i = 0; i < records.size(); ++i) keys[i] = NumberSortKey(NumberField(records[i], column));
        SortByKeys(m_order, keys, ascending);
    } else {
        SortByKeys(m_order, kind == SortKind::Date ? DateKeys(records, now) : TextKeys(records, column), ascending);
    }
}

void RecordOrder::Refresh() {
    if (IsSorted()) {
        Sort(m_column, m_ascending, m_now);
    } else {
        Unsort();
    }
}

bool RecordOrder::Before(uint32_t a, uint32_t b) const {
    const std::vector<CEventRecord>& records = m_doc.Records();
    const int c = CompareByColumn(records[a], records[b], m_column, m_now);
    if (c != 0) return m_ascending ? c < 0 : c > 0;
    return a < b;
}

size_t RecordOrder::SortedRow(uint32_t position, size_t skipRow, uint32_t inserted) const {
    // A binary search over the rows without `skipRow` (none when it is past the end). A record
    // just inserted at `inserted` moved the rows' records from there on one position further.
    const size_t count = skipRow < m_order.size() ? m_order.size() - 1 : m_order.size();
    size_t low = 0, high = count;
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        uint32_t other = m_order[mid < skipRow ? mid : mid + 1];
        if (other >= inserted) ++other;
        if (other != position && Before(other, position)) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low;
}

size_t RecordOrder::Inserted(size_t position, bool apply) {
    if (!IsSorted()) {
        const size_t row = m_rows - position;
        if (apply) ++m_rows;
        return row;
    }
    const auto inserted = static_cast<uint32_t>(position);
    const size_t row = SortedRow(inserted, m_order.size(), inserted);
    if (apply) {
        for (uint32_t& p : m_order) {
            if (p >= inserted) ++p;
        }
        m_order.insert(m_order.begin() + static_cast<std::ptrdiff_t>(row), inserted);
        m_rows = m_order.size();
    }
    return row;
}

void RecordOrder::Removed(size_t row, size_t position) {
    if (!IsSorted()) {
        if (m_rows > 0) --m_rows;
        return;
    }
    if (row >= m_order.size()) return;
    m_order.erase(m_order.begin() + static_cast<std::ptrdiff_t>(row));
    for (uint32_t& p : m_order) {
        if (p > position) --p;
    }
    m_rows = m_order.size();
}

size_t RecordOrder::Changed(size_t position, size_t oldRow, bool apply) {
    if (!IsSorted() || oldRow >= m_order.size()) return oldRow;
    const size_t row = SortedRow(static_cast<uint32_t>(position), oldRow, kNoPending);
    if (apply && row != oldRow) {
        m_order.erase(m_order.begin() + static_cast<std::ptrdiff_t>(oldRow));
        m_order.insert(m_order.begin() + static_cast<std::ptrdiff_t>(row), static_cast<uint32_t>(position));
    }
    return row;
}

std::vector<int> ActivityRowOrder(const ActivityTable& table, int column, bool ascending) {
    std::vector<int> rows(kActivityCount);
    std::iota(rows.begin(), rows.end(), 0);
    if (column < 0 || column > 2) return rows;
    const auto compare = [&table, column](int a, int b) {
        if (column == 0) return CompareNoCase(table.At(a).name, table.At(b).name);
        if (column == 1) return Compare3(NumberSortKey(table.At(a).met), NumberSortKey(table.At(b).met));
        return Compare3(a, b);
    };
    std::sort(rows.begin(), rows.end(), [&compare, ascending](int a, int b) {
        const int c = compare(a, b);
        if (c != 0) return ascending ? c < 0 : c > 0;
        return a < b;
    });
    return rows;
}

}  // namespace kt
