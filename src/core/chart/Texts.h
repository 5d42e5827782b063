#pragma once
// Every text of the exercise chart: period captions, axis and series names, the period titles.

#include <array>

namespace kt::chart_text {

// Graph period combo items; the position is the graph period.
inline constexpr std::array<const char*, 9> kGraphPeriodCaptions = {"This Week",          "One Week",          "Two Weeks",
                                                                    "This month",         "The last month",    "The last two months",
                                                                    "This calendar year", "The previous year", "From the beginning"};

inline constexpr const char* kDateAxisTitle = "Date";
inline constexpr const char* kMinutesAxisTitle = "Minutes";
inline constexpr const char* kWeightAxisTitle = "Weight";
inline constexpr const char* kExerciseSeriesName = "Exercise";
inline constexpr const char* kWeightSeriesName = "Weight";
inline constexpr const char* kOtherAxisClicked = "Some Axis clicked";

// Period titles; both dates are formatted with kTitleDatePattern.
inline constexpr const char* kTitleDatePattern = "%b %d, %Y";
inline constexpr const char* kTitleOneWeek = "Showing exercise for one week %s to %s";
inline constexpr const char* kTitleTwoWeeks = "Showing exercise for two weeks %s to %s";
inline constexpr const char* kTitleOneMonth = "Showing exercise for one month %s to %s";
inline constexpr const char* kTitleTwoMonths = "Showing exercise for two months %s to %s";
inline constexpr const char* kTitleThisYear = "Showing exercise for this calendar year %s to %s";
inline constexpr const char* kTitlePreviousYear = "Showing exercise for the previous year %s to %s";
inline constexpr const char* kTitleFromStart = "Showing exercise from the first recorded exercise on %s until today, %s";

// Tick label patterns (strftime).
inline constexpr const char* kTicksWeekday = "%a %d";
inline constexpr const char* kTicksDay = "%d";

}  // namespace kt::chart_text
