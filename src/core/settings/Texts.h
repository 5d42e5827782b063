#pragma once
// Every text and colour of the settings dialogs (preferences, initial weight), in one place.
// The captions are the program's own wording ("combol" included) and are kept exactly as users
// have always seen them.

#include <array>

#include "core/base/StyledColor.h"

namespace kt::settings_text {

inline constexpr const char* kPreferencesTitle = "Kinetrax Preferences";

// The four group boxes: caption, caption colour, frame colour.
struct GroupStyle {
    const char* caption;
    Rgb captionColour;
    Rgb frameColour;
};
inline constexpr GroupStyle kWeightGroup{"Weight", {0, 0, 128}, {0, 0, 255}};
inline constexpr GroupStyle kGraphGroup{"Set Default Graph Range", {0, 128, 0}, {0, 128, 0}};
inline constexpr GroupStyle kAveragingGroup{"Set the Default Averaging Period", {128, 0, 0}, {192, 0, 0}};
inline constexpr GroupStyle kOtherGroup{"Other Settings", {255, 144, 0}, {200, 128, 0}};

inline constexpr const char* kPounds = "Weight is entered in pounds (lbs)";
inline constexpr const char* kKilograms = "Weight is entered in kilograms (kg)";
inline constexpr const char* kMonitorWeight = "Monitor Weight on the graph";
inline constexpr const char* kUseLastWeight = "Save the last recorded weight with each new record";

// The radio buttons of both period groups, codes 0 to 8.
inline constexpr std::array<const char*, 9> kPeriodButtons = {"This Week",  "One Week",  "Two Weeks", "This Month",    "One Month",
                                                              "Two Months", "This Year", "One Year",  "From the Start"};

inline constexpr const char* kAddToLists = "Add new description or location items to their respective combol lists.";
inline constexpr const char* kAutoFill =
    "Automatically fill Description and Location fields based on the last entry for the activity type.";
inline constexpr const char* kHoursThreshold = "Set the threshold value to distinguish between hours and minutes";
inline constexpr const char* kAutoArchive = "Auto-archive the database";
inline constexpr const char* kMonth = "Month";
inline constexpr const char* kDay = "Day";
inline constexpr const char* kAutoUpdate = "Automatically check for a newer version at startup.";

// Tool tips.
inline constexpr const char* kTipAutoArchive =
    "If checked, the database records prior to the date will be archived one month after the date.";
inline constexpr const char* kTipMonth = "Enter the month of the archive date.";
inline constexpr const char* kTipDay = "Enter the day of the month for the archive date.";
inline constexpr const char* kTipAddToLists = "New Descriptions and Locations will be added to their respective combo lists.";
inline constexpr const char* kTipAutoFill =
    "When Event Type loses focus, the last entered values for this type of record will autofill remaining cells.";
inline constexpr const char* kTipHoursThreshold = "How to distinguish between hours and minutes in the duration cell.";
inline constexpr const char* kTipUseLastWeight = "Ensures that weight information is carried forward to each new record.";

// Our own notes beside the values that are used only from the next start.
inline constexpr const char* kNextStartWeight = "The two boxes above take effect the next time Kinetrax starts.";
inline constexpr const char* kNextStartGraph = "The chart opens with this range the next time Kinetrax starts.";
inline constexpr const char* kNextStartArchive = "The archive date is checked each time Kinetrax starts.";

// "Enter Your Weight", asked at start-up while no body weight is known.
inline constexpr const char* kInitialWeightTitle = "Enter Your Weight";
inline constexpr const char* kInitialWeightPrompt = "Please enter your weight:";
inline constexpr const char* kInitialWeightRequired =
    "An initial weight really is required. Please enter a weight so that calories may be calculated, at least approximately.";

}  // namespace kt::settings_text
