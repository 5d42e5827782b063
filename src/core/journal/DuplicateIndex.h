#pragma once
// Answers the document's FindRecord question ("is this event already recorded?") for many rows at
// once: a hash of the events in a window of days, built in one pass, instead of a walk over the
// whole journal per row. Two events are the same when FindRecord would say so: the same local day,
// the same activity type, the same trimmed description and location, and durations equal to a
// tenth of a minute.

#include <string>
#include <unordered_map>

#include "core/base/LocalTime.h"
#include "core/journal/EventRecord.h"

namespace kt {

class CKT2Doc;

class DuplicateIndex {
public:
    // Every record of `doc` whose day lies within [firstDay, lastDay] (local midnights). The records
    // are referenced, not copied: the document's array must not change while the index is used.
    DuplicateIndex(const CKT2Doc& doc, Time64 firstDay, Time64 lastDay);

    // Whether a record equal to these values was indexed; arguments as FindRecord takes them (the
    // type and location are trimmed here, the description is compared as given).
    bool Contains(Time64 day, const std::string& type, const std::string& description, double duration, const std::string& location) const;
    // Adds `record` (whose m_time is its day's midnight); it must outlive the index.
    void Add(const CEventRecord& record);

private:
    struct Entry {
        Time64 day;
        const CEventRecord* record;
    };
    void Insert(Time64 day, const CEventRecord& record);

    std::unordered_multimap<size_t, Entry> m_entries;
};

}  // namespace kt
