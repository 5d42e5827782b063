#pragma once
// The average details: the records behind the current average, listed in the order the dialog
// shows them, with their cell texts, row colours and the summary sentence.
//
// The records are not copied: a period always covers one run of array positions (the newest
// records back to the period start, or every record), so the list is that run read forwards or
// backwards. The dialog is modal and the document does not change while it is open, so the
// positions stay valid; a million records cost nothing until their rows are painted.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/base/LocalTime.h"
#include "core/base/StyledColor.h"
#include "core/base/StyledText.h"
#include "core/stats/Averages.h"

namespace kt {

class CEventRecord;
class CKT2Doc;

struct AverageDetails {
    int period = 0;              // 0..9
    Time64 startDate = 0;        // the period start, or the first record's date (short database, periods 8 and 9)
    bool shortDatabase = false;  // the database does not reach back to the period start
    size_t first = 0;            // the listed records are the array positions [first, first + count)
    size_t count = 0;
    bool newestFirst = true;  // periods 0..7 list from the newest record back; 8 and 9 from the oldest

    int EventCount() const { return static_cast<int>(count); }
    // The array position of list row `row` (0 <= row < count).
    size_t PositionOfRow(size_t row) const { return newestFirst ? first + count - 1 - row : first + row; }
};

// The records behind `period` (0..9; other values as 0) as DurationAverage counts them; none for
// an empty database (the details button then does nothing).
std::optional<AverageDetails> CollectAverageDetails(const CKT2Doc& doc, int period);

constexpr int kDetailsColumnCount = 7;
// Column headings, and each column's width for a list `clientWidth` pixels wide.
const std::array<const char*, kDetailsColumnCount>& AverageDetailsHeadings();
std::array<int, kDetailsColumnCount> AverageDetailsColumnWidths(int clientWidth);
// The text of one cell: date "%a %b %d, %Y", minutes "%3.2lf", the stored calories "%3.1lf".
std::string AverageDetailsCell(const CEventRecord& record, int column);

using DetailsRowColours = TextColours;
// The colours of list row `row`, by its position modulo 3.
DetailsRowColours AverageDetailsRowColours(size_t row);

// The summary above the list for the duration and calorie averages `d` and `c` of the period.
StyledText AverageDetailsSummary(const AverageDetails& details, const AverageResult& d, const AverageResult& c);

}  // namespace kt
