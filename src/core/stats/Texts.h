#pragma once
// Every text of the statistics: the averaging captions, the period texts of the two averages and
// the day and averages summaries. The summaries' texts keep their CR LF line ends here; the
// styled text turns them into "\n" when it takes them (see core/base/StyledText.h).

#include <array>

namespace kt::stats_text {

// Averaging combo items; the position is the averaging period.
inline constexpr std::array<const char*, 10> kAveragingCaptions = {"This Week",
                                                                   "One Week",
                                                                   "Two Weeks",
                                                                   "This Month",
                                                                   "One Month",
                                                                   "Two Months",
                                                                   "From the beginning of the year",
                                                                   "Over the last year",
                                                                   "From the start of recording",
                                                                   "Per day of exercise"};

inline constexpr const char* kNoData = "No Data";
inline constexpr const char* kAverageError = "Error calculating average duration.";

// Duration period texts: the format, the strftime pattern of its date(s) and the note for a
// database that does not reach back to the period start ("" = none).
struct DurationPeriodText {
    const char* format;
    const char* datePattern;
    const char* note;
};

inline constexpr std::array<DurationPeriodText, 10> kDurationPeriodTexts = {{
    {"per day for the week of %s", "%B %d", "(the database does not extend to the beginning of the week)"},
    {"per day for last 7 days beginning %s", "%B %d", "(the database does not extend back a full week)"},
    {"per day for the two weeks beginning %s", "%B %d", "(the database does not extend back two weeks)"},
    {"per day for the month of %s", "%B", "(the database does not extend back to the beginning of the month)"},
    {"per day %s to %s", "%b-%d-%y", ""},
    {"per day %s to %s", "%b-%d-%y", "(the database does not extend back two months)"},
    {"per day for this year beginning %s", "%B %d, %Y", "(the database does not extend back to the beginning of the year)"},
    {"per day for the last year since %s%s", "%B %d, %Y", "(the database does not extend back a full year)"},
    {"per day since %s", "%B %d, %Y", ""},
    {"per day of exercise from the beginning", "", ""},
}};

inline constexpr std::array<const char*, 10> kCaloriePeriodTexts = {"this week",
                                                                    "for the last seven days",
                                                                    "for the last two weeks",
                                                                    "for this month",
                                                                    "for the last month",
                                                                    "for the last two months",
                                                                    "for this calendar year",
                                                                    "over the last year",
                                                                    "from the start of data recording",
                                                                    "per exercise day"};

// Day summary.
inline constexpr const char* kDayHeading = "Execise information for: %s";
inline constexpr const char* kDayDatePattern = "%A %B %d, %Y";
inline constexpr const char* kDayTitle = "Activity Summary for %s:\r\n";
inline constexpr const char* kDayRecordLine = "%s: %s (%s) - %3.2lf Min, %3.1lf Calories\r\n";
inline constexpr const char* kDayCaloriesSuffix = "and  a total of %3.1lf calories were burned.\r\n";
inline constexpr const char* kDaySummaryLine =
    "\r\nSummary: %d exercise activities resulted in a total exercise time of %2.2f minutes (%2d:%02d H:M)%s\r\n";
inline constexpr const char* kDayWeightLine = "Last recorded weight: %3.1lf %s (%3.1lf %s)";
inline constexpr const char* kDayStatus = "Today: %d %s, %2.2lf minutes, %2.1lf calories";
inline constexpr const char* kActivity = "activity";
inline constexpr const char* kActivities = "activities";

// Averages summary.
inline constexpr const char* kAveragesSentence1 =
    "Average of: %2.2lf minutes (%2.3lf hrs or %d:%02d H:M - %2.3lf Total Hours/%d Days) & %2.2lf calories (%2.3lf total "
    "calories over %d days and %d exercise events) %s.";
inline constexpr const char* kAveragesSentence2 =
    "\r\n\r\nThere are %d exercise events involving a total of %d exercise days. This has been over a period of %d days "
    "beginning on %s (%d years, %d days or %2.2lf years), meaning that you have exercised on %2.1lf%% of the days since "
    "recording started.  During that time you have averaged %2.1lf minutes of exercise and %2.1lf calories per day";
inline constexpr const char* kAveragesFirstDatePattern = "%B %d, %Y";
inline constexpr const char* kAveragesStatus = "Summary: %d events, %d days, average of %2.1lf minutes & %2.1lf calories per day";

// Average details dialog.
inline constexpr const char* kDetailsTitle = "Average Details";
inline constexpr const char* kDetailsClose = "Close (Esc)";
inline constexpr std::array<const char*, 7> kDetailsHeadings = {"Date", "Activity", "Description", "Minutes", "Place", "Calories", "Notes"};
inline constexpr const char* kDetailsDatePattern = "%a %b %d, %Y";
inline constexpr const char* kDetailsEvents = "%d exercise events";
// The period text by averaging period, with the note that follows the date directly in a short
// database ("" = none).
struct DetailsPeriodText {
    const char* format;
    const char* note;
};
inline constexpr std::array<DetailsPeriodText, 10> kDetailsPeriodTexts = {{
    {"this week, beginning on %s", ""},
    {"the past seven days, beginning on %s%s", "[since the database does not go back a full week]"},
    {"the past two weeks, beginning on %s%s", "[since the database does not go back two weeks]"},
    {"this month, beginning on %s", ""},
    {"the last 30 days, beginning on %s%s", "[since the database does not go back a full month]"},
    {"the past two months, beginning on %s%s", "[since the database does not go back two months]"},
    {"this year, beginning on %s%s", "[since the database does not go back to the beginning of the year]"},
    {"this last year, beginning on %s%s", "[since the database does not go back a full year]"},
    {"the entire time period recorded in this database, beginning on %s", ""},
    {"every exercise day in the database, beginning on %s", ""},
}};
inline constexpr const char* kDetailsAverages =
    "an average time spent exercising of %3.1lf minutes per day (%3.1lf min/%d days) and an average number of calories burned per day "
    "of %3.1lf cal (%3.1lf cal/%d days)";
inline constexpr const char* kDetailsSummary = "Summary: %s activites for %s, resulting in %s";

}  // namespace kt::stats_text
