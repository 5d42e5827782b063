#pragma once
// Figures of the whole journal that the views show after every change, kept up to date by the
// document's operations, so that a capture, a deletion or a change of date costs a few steps
// instead of a walk over a million records:
//
// - the minutes of every record, and their calories, as exact sums (see ExactSum): a total kept
//   through any history of changes is the very number a count from scratch gives;
// - the exercise days as the averages count them: one more than the number of neighbouring
//   records with different dates;
// - for an array in date order, one entry per date with that date's chart bar (its minutes added
//   in array order, its last weight, its lightest and heaviest weight), so the chart "From the
//   beginning" reads tens of thousands of days instead of a million records;
// - the newest date of each activity, so the auto-fill finds its record with a binary search;
//   the count notes every activity's, so even an activity the journal never saw costs no walk.
//
// The document owns one and tells it of every change of its array (CKT2Doc). After a load or a
// reordering everything is counted again on the next use, one walk over the array, which is where
// the views' first refresh walked anyway.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/base/ExactSum.h"
#include "core/base/LocalTime.h"
#include "core/journal/EventRecord.h"

namespace kt {

class ActivityTable;

// The records of one date, as the chart shows them.
struct DayTotal {
    Time64 day = 0;          // the records' m_time
    int64_t oleDay = 0;      // OleDayNumber(day), the chart's x value
    double minutes = 0.0;    // durations added in array order, as a walk over the day adds them
    double weight = 0.0;     // weight of the day's last record that has one (> 0); 0 when none
    double minWeight = 0.0;  // lightest and heaviest weight of the day's records, records without
    double maxWeight = 0.0;  // a weight counting as 0 (both ignore a NaN weight)
    friend bool operator==(const DayTotal&, const DayTotal&) = default;
};

class JournalTotals {
public:
    using Records = std::vector<CEventRecord>;

    // Change notices from the document: records inserted at first..last (after it happened), a
    // removal (before it happens, then after), a record changed in place (before and after).
    // `sorted` tells whether the array is in date order after the change.
    void Inserted(const Records& records, size_t first, size_t last, bool sorted);
    void AboutToRemove(const Records& records, size_t position);
    void Removed(const Records& records, bool sorted);
    void AboutToChange(const Records& records, size_t position);
    void Changed(const Records& records, size_t position, bool sorted);
    // Every record may be new or elsewhere: counted again on the next use.
    void Invalidate();

    // Counts everything from `records` when invalidated; the figures below need it first.
    void Update(const Records& records, bool sorted);
    bool IsCounted() const { return m_counted; }

    double Minutes() const { return m_minutes.Value(); }
    // Stored calories, and for records without any the formula with the current `lastWeight`
    // (as the averages count them): per activity, over the exact sum of those records' minutes.
    double Calories(const ActivityTable& table, const std::vector<uint16_t>& selected, bool metric, double lastWeight) const;
    int ExerciseDays(size_t recordCount) const { return recordCount == 0 ? 0 : 1 + static_cast<int>(m_dateChanges); }
    // One entry per date in date order; none while the array is not in date order.
    const std::vector<DayTotal>* Days() const { return m_daysValid ? &m_days : nullptr; }

    // Newest date of a record of `type`, for an array in date order: noted by the count and kept
    // up to date from then on; before the count, or after the type's newest record left, found
    // by walking back from the end. None when no record has that type.
    std::optional<Time64> NewestOfType(const Records& records, const std::string& type) const;

private:
    void Count(const Records& records, bool sorted);
    void AddRecord(const CEventRecord& record, int sign);
    // Date changes between neighbours at (position - 1, position) and (position, position + 1).
    static int64_t ChangesAround(const Records& records, size_t position);
    // Whether the neighbours of `position` differ: the pair that its removal makes adjacent.
    static int64_t ChangeAcross(const Records& records, size_t position);
    // The day entry of `day` recounted from the array (removed when the day has no records left).
    void RecountDay(const Records& records, Time64 day);
    void ForgetNewest(const CEventRecord& record);
    void NoteNewest(const CEventRecord& record);

    bool m_counted = false;
    ExactSum m_minutes;
    ExactSum m_storedCalories;
    // Minutes of the records whose calories are 0, by activity: their calories follow the weight.
    std::unordered_map<std::string, ExactSum> m_formulaMinutes;
    int64_t m_dateChanges = 0;
    bool m_daysValid = false;
    std::vector<DayTotal> m_days;
    // Newest date by the activity's pooled-text handle. A handle past the end is kNone once
    // counted (a record of a newer text is noted as it comes), kUnknown before.
    struct Newest {
        enum State : uint8_t { kUnknown, kNone, kAt };
        State state = kUnknown;
        Time64 time = 0;
    };
    Newest& NewestSlot(uint32_t id) const;
    mutable std::vector<Newest> m_newest;
    // The day of a record that left or changed, recounted once the array shows the change.
    std::optional<Time64> m_pendingDay;
};

}  // namespace kt
