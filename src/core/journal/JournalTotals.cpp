#include "core/journal/JournalTotals.h"

#include <algorithm>
#include <limits>

#include "core/activities/ActivityTable.h"

namespace kt {
namespace {

using Records = JournalTotals::Records;

// The pair (i - 1, i) holds two different dates.
int64_t DateChangeAt(const Records& records, size_t i) {
    return i > 0 && i < records.size() && records[i - 1].m_time != records[i].m_time ? 1 : 0;
}

struct ByTime {
    bool operator()(const CEventRecord& r, Time64 t) const { return r.m_time < t; }
    bool operator()(Time64 t, const CEventRecord& r) const { return t < r.m_time; }
};

DayTotal MakeDay(Records::const_iterator first, Records::const_iterator last) {
    DayTotal day;
    day.day = first->m_time;
    day.oleDay = OleDayNumber(day.day);
    day.minWeight = std::numeric_limits<double>::infinity();
    day.maxWeight = -std::numeric_limits<double>::infinity();
    for (auto it = first; it != last; ++it) {
        day.minutes += it->m_dDuration;
        const double w = it->m_dWeight;
        if (w > 0.0) day.weight = w;
        if (w > day.maxWeight) day.maxWeight = w;
        if (day.minWeight > w) day.minWeight = w;
    }
    return day;
}

}  // namespace

void JournalTotals::Invalidate() { *this = JournalTotals(); }

void JournalTotals::Update(const Records& records, bool sorted) {
    if (!m_counted) Count(records, sorted);
}

void JournalTotals::Count(const Records& records, bool sorted) {
    *this = JournalTotals();
    // Set first: the newest dates noted below take kNone as the start of every activity.
    m_counted = true;
    for (size_t i = 0; i < records.size(); ++i) {
        AddRecord(records[i], 1);
        m_dateChanges += DateChangeAt(records, i);
        Newest& newest = NewestSlot(records[i].m_strType.Id());
        if (newest.state == Newest::kNone || newest.time < records[i].m_time) newest = {Newest::kAt, records[i].m_time};
    }
    m_daysValid = sorted;
    if (sorted) {
        for (auto first = records.begin(); first != records.end();) {
            const auto last = std::upper_bound(first, records.end(), first->m_time, ByTime());
            m_days.push_back(MakeDay(first, last));
            first = last;
        }
    }
}

void JournalTotals::AddRecord(const CEventRecord& record, int sign) {
    const auto apply = [sign](ExactSum& sum, double value) {
        if (sign > 0) {
            sum.Add(value);
        } else {
            sum.Subtract(value);
        }
    };
    apply(m_minutes, record.m_dDuration);
    if (record.m_dCalories != 0.0) {
        apply(m_storedCalories, record.m_dCalories);
    } else {
        apply(m_formulaMinutes[record.m_strType], record.m_dDuration);
    }
}

int64_t JournalTotals::ChangesAround(const Records& records, size_t position) {
    return DateChangeAt(records, position) + DateChangeAt(records, position + 1);
}

int64_t JournalTotals::ChangeAcross(const Records& records, size_t position) {
    return position > 0 && position + 1 < records.size() && records[position - 1].m_time != records[position + 1].m_time ? 1 : 0;
}

void JournalTotals::Inserted(const Records& records, size_t first, size_t last, bool sorted) {
    for (size_t i = first; i <= last; ++i) NoteNewest(records[i]);
    if (!m_counted) return;
    // Before, the records on either side of the new ones were neighbours.
    if (first > 0 && last + 1 < records.size() && records[first - 1].m_time != records[last + 1].m_time) --m_dateChanges;
    for (size_t i = first; i <= last + 1; ++i) m_dateChanges += DateChangeAt(records, i);
    for (size_t i = first; i <= last; ++i) AddRecord(records[i], 1);
    if (!sorted) {
        m_daysValid = false;
        m_days.clear();
    } else if (m_daysValid) {
        for (size_t i = first; i <= last; ++i) {
            if (i == first || records[i].m_time != records[i - 1].m_time) RecountDay(records, records[i].m_time);
        }
    }
}

void JournalTotals::AboutToRemove(const Records& records, size_t position) {
    ForgetNewest(records[position]);
    if (!m_counted) return;
    AddRecord(records[position], -1);
    m_dateChanges += ChangeAcross(records, position) - ChangesAround(records, position);
    m_pendingDay = records[position].m_time;
}

void JournalTotals::Removed(const Records& records, bool sorted) {
    if (!m_counted) return;
    if (!sorted) {
        m_daysValid = false;
        m_days.clear();
    } else if (m_daysValid && m_pendingDay) {
        RecountDay(records, *m_pendingDay);
    }
    m_pendingDay.reset();
}

void JournalTotals::AboutToChange(const Records& records, size_t position) {
    ForgetNewest(records[position]);
    if (!m_counted) return;
    AddRecord(records[position], -1);
    m_dateChanges -= ChangesAround(records, position);
    m_pendingDay = records[position].m_time;
}

void JournalTotals::Changed(const Records& records, size_t position, bool sorted) {
    NoteNewest(records[position]);
    if (!m_counted) return;
    AddRecord(records[position], 1);
    m_dateChanges += ChangesAround(records, position);
    if (!sorted) {
        m_daysValid = false;
        m_days.clear();
    } else if (m_daysValid) {
        if (m_pendingDay && *m_pendingDay != records[position].m_time) RecountDay(records, *m_pendingDay);
        RecountDay(records, records[position].m_time);
    }
    m_pendingDay.reset();
}

void JournalTotals::RecountDay(const Records& records, Time64 day) {
    const auto [first, last] = std::equal_range(records.begin(), records.end(), day, ByTime());
    const auto at = std::lower_bound(m_days.begin(), m_days.end(), day, [](const DayTotal& d, Time64 t) { return d.day < t; });
    const bool held = at != m_days.end() && at->day == day;
    if (first == last) {
        if (held) m_days.erase(at);
    } else if (held) {
        *at = MakeDay(first, last);
    } else {
        m_days.insert(at, MakeDay(first, last));
    }
}

double JournalTotals::Calories(const ActivityTable& table, const std::vector<uint16_t>& selected, bool metric, double lastWeight) const {
    ExactSum total = m_storedCalories;
    for (const auto& [type, minutes] : m_formulaMinutes)
        total.Add(CalculateCalories(table, selected, metric, lastWeight, minutes.Value(), lastWeight, type));
    return total.Value();
}

void JournalTotals::NoteNewest(const CEventRecord& record) {
    Newest& newest = NewestSlot(record.m_strType.Id());
    if (newest.state == Newest::kNone || (newest.state == Newest::kAt && newest.time < record.m_time)) {
        newest = {Newest::kAt, record.m_time};
    }
}

void JournalTotals::ForgetNewest(const CEventRecord& record) {
    // Another record of the type may share the date or come before it; the next question walks.
    Newest& newest = NewestSlot(record.m_strType.Id());
    if (newest.state == Newest::kAt && newest.time == record.m_time) newest.state = Newest::kUnknown;
}

JournalTotals::Newest& JournalTotals::NewestSlot(uint32_t id) const {
    if (id >= m_newest.size()) m_newest.resize(id + 1, Newest{m_counted ? Newest::kNone : Newest::kUnknown, 0});
    return m_newest[id];
}

std::optional<Time64> JournalTotals::NewestOfType(const Records& records, const std::string& type) const {
    bool pooled = false;
    const SharedText text = SharedText::Find(type, pooled);
    // A text the pool never held names no record.
    if (!pooled) return std::nullopt;
    Newest& newest = NewestSlot(text.Id());
    if (newest.state == Newest::kUnknown) {
        newest = {Newest::kNone, 0};
        for (auto it = records.rbegin(); it != records.rend(); ++it) {
            if (it->m_strType == text) {
                newest = {Newest::kAt, it->m_time};
                break;
            }
        }
    }
    if (newest.state == Newest::kNone) return std::nullopt;
    return newest.time;
}

}  // namespace kt
