#pragma once
// The day summary and the averages summary as styled text, plus the status-bar lines that go
// with them. The ui paints the styled text into its read-only rich-text panes and writes the
// status lines; nothing here touches a window.
//
// Line breaks: the program's texts are written with CR LF; the panes receive "\n" (one per CR LF,
// see core/base/StyledText.h). Span positions are byte offsets into that "\n" text.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/base/LocalTime.h"
#include "core/base/StyledText.h"
#include "core/stats/Averages.h"

namespace kt {

class CKT2Doc;
class ActivityTable;

// The link name of the words "per day" in the averages summary: they open the average details.
inline constexpr const char* kAverageDetailsLink = "details";

// A status-bar pane's text and its text colour.
struct StatusLine {
    std::string text;
    Rgb colour;
};

struct DaySummaryText {
    std::string heading;  // the label above the pane
    StyledText pane;
    StatusLine status;  // status pane 1
};

struct AveragesSummaryText {
    StyledText pane;
    // Status pane 2; none when the pane shows the error style (empty database, or days <= 0):
    // then the status pane keeps what it showed before.
    std::optional<StatusLine> status;
};

// Summary of the records whose date falls on the local day of `date` (the records' times need
// not be midnights). A day without records still gives the heading, the summary line and the
// weight line.
DaySummaryText DaySummary(const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected, Time64 date);

// The averages summary for the duration result `d` and the calorie result `c` of the current
// averaging period; the database sentence is computed over every record (period 8). Its number
// of exercise days is ExerciseDayCount (distinct record days, as period 9 counts them) and its
// share of days is ExerciseDayPercent.
AveragesSummaryText AveragesSummary(const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected,
                                    const AverageResult& d, const AverageResult& c);

struct YearsDays {
    int years = 0;
    int days = 0;
    friend bool operator==(const YearsDays&, const YearsDays&) = default;
};

// Whole days from `from` to `to` (seconds / 86400, truncated) split into years and the remaining
// days, counting 366 for a leap year starting at the year of `from`.
YearsDays YearsAndDays(Time64 from, Time64 to);

// Share of exercise days in percent: `exerciseDays` over the calendar days from the first to the
// last record, both included. Never divides by zero: an empty database gives 0, a database whose
// records all lie on one day gives 100.
double ExerciseDayPercent(int exerciseDays, Time64 first, Time64 last);

}  // namespace kt
