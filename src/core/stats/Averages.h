#pragma once
// Averaging periods and the averages of minutes and calories per day over them. Every period
// ends at the reference date, the date of the last record in the array.
//
// Periods are 0..9 (see AveragingPeriodCaptions). A period outside that range is treated as 0,
// the same rule the averaging combo uses, so a bad stored value can never pick an undefined start.
// Both averages read the record array and never change it; nothing is cached.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/base/LocalTime.h"

namespace kt {

class CKT2Doc;
class ActivityTable;

constexpr int kAveragingPeriodCount = 10;

struct AverageResult {
    double total = 0.0;   // minutes or calories over the counted records
    double perDay = 0.0;  // total / days; 0 when days is not positive
    int days = 0;         // the divisor
    int events = 0;       // records counted
    std::string text;     // the period text, or the error text
};

// Minutes per day. An empty database gives "No Data"; days <= 0 gives the error text with total
// kept and per day, days and events 0. The caller that shows the day summary refreshes it for
// AverageReferenceDate(doc) afterwards (when the database is not empty). A `reference` given
// ends the period there instead of at the last record; every record from the period's start on
// counts, later ones included (what the weekly note of a capture reads).
AverageResult DurationAverage(const CKT2Doc& doc, int period, std::optional<Time64> reference = std::nullopt);
// Calories per day. A record with calories exactly 0 counts with CalculateCalories(its minutes,
// the document's last weight, its type). Empty database: zeros and an empty text.
AverageResult CalorieAverage(const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected, int period);

// The ten averaging combo captions, in period order.
std::vector<std::string> AveragingPeriodCaptions();
// The averaging period for a combo position: positions outside 0..9 (including -1, no
// selection) give 0.
int AveragingPeriodFromSelection(int position);

// The date every period ends at: the date of the last record in the array; none when empty.
std::optional<Time64> AverageReferenceDate(const CKT2Doc& doc);

// Which records a period covers, as both averages (and the average details) see it.
struct AveragingWindow {
    int period = 0;                // 0..9 after normalisation
    Time64 reference = 0;          // R, the last record's date
    Time64 periodStart = 0;        // S (periods 8 and 9: the first record's date F)
    Time64 start = 0;              // S, or F when the database is short (the start the texts show)
    size_t firstCounted = 0;       // records [firstCounted, size) are counted
    bool walkedPastFirst = false;  // the walk went past the first record of the array
    bool shortDatabase = false;    // walked past the first record and F is after S
    int fullDays = 0;              // the period's full day count (before any short-database change)
};

// Start of period 0..7 for the reference date R (local midnight), by the calendar: day numbers
// that do not exist in the target month roll over into the next month.
Time64 AveragingPeriodStart(Time64 reference, int period);
// The window for `period` ending at `reference` (default: the last record's date); none for an
// empty database.
std::optional<AveragingWindow> FindAveragingWindow(const CKT2Doc& doc, int period, std::optional<Time64> reference = std::nullopt);
// Number of exercise days as period 9 counts them: 1 + the number of records whose date differs
// from the record before; 0 for an empty array.
int ExerciseDayCount(const CKT2Doc& doc);

}  // namespace kt
