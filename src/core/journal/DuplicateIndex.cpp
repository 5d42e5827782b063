#include "core/journal/DuplicateIndex.h"

#include <cmath>
#include <functional>

#include "core/base/Scan.h"
#include "core/journal/KT2Doc.h"

namespace kt {
namespace {

// Durations count as equal when they agree to a tenth of a minute, halves rounded away from zero.
double Tenths(double minutes) { return std::round(minutes * 10.0); }

size_t Combine(size_t seed, size_t value) { return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2)); }

size_t KeyHash(Time64 day, const std::string& type, const std::string& description, double tenths, const std::string& location) {
    size_t h = std::hash<Time64>{}(day);
    h = Combine(h, std::hash<std::string>{}(type));
    h = Combine(h, std::hash<std::string>{}(description));
    h = Combine(h, std::hash<double>{}(tenths));
    return Combine(h, std::hash<std::string>{}(location));
}

}  // namespace

DuplicateIndex::DuplicateIndex(const CKT2Doc& doc, Time64 firstDay, Time64 lastDay) {
    // A record's midnight lies less than two days from its time even where a zone skipped a day,
    // so the cheap comparison passes over all but the records near the wanted days.
    const Time64 low = firstDay - 3 * kSecondsPerDay;
    const Time64 high = lastDay + 3 * kSecondsPerDay;
    for (const CEventRecord& record : doc.Records()) {
        if (record.m_time < low || record.m_time > high) continue;
        const Time64 day = MidnightOf(record.m_time);
        if (day >= firstDay && day <= lastDay) Insert(day, record);
    }
}

void DuplicateIndex::Add(const CEventRecord& record) { Insert(record.m_time, record); }

void DuplicateIndex::Insert(Time64 day, const CEventRecord& record) {
    // A duration that is no number equals nothing, as in FindRecord.
    if (std::isnan(record.m_dDuration)) return;
    const size_t hash =
        KeyHash(day, record.m_strType, Trim(record.m_strDescription), Tenths(record.m_dDuration), Trim(record.m_strLocation));
    m_entries.emplace(hash, Entry{day, &record});
}

bool DuplicateIndex::Contains(Time64 day, const std::string& type, const std::string& description, double duration,
                              const std::string& location) const {
    const std::string wantedType = Trim(type);
    const std::string wantedLocation = Trim(location);
    const double tenths = Tenths(duration);
    const auto [first, last] = m_entries.equal_range(KeyHash(day, wantedType, description, tenths, wantedLocation));
    for (auto it = first; it != last; ++it) {
        const CEventRecord& r = *it->second.record;
        if (it->second.day == day && r.m_strType == wantedType && Tenths(r.m_dDuration) == tenths &&
            Trim(r.m_strDescription) == description && Trim(r.m_strLocation) == wantedLocation)
            return true;
    }
    return false;
}

}  // namespace kt
