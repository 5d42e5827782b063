#pragma once
// Every text the data entry view shows or writes, in one place. They are the program's own
// wording and are kept exactly as users have always seen them.

#include "core/base/FontStyle.h"
#include "core/base/StyledColor.h"

namespace kt::entry_text {

// Headings of row 0 of the entry grid, columns 0 to 7 (column 7 has none).
inline constexpr const char* kHeadings[8] = {
    "Exercise Event", "Description", "Duration", "Minutes/Hours", "Location", "Calories", "Notes & Comments", "",
};

// Duration unit cell (column 3).
inline constexpr const char* kMinutes = "Minutes";
inline constexpr const char* kHours = "Hours";

// A cleared entry cell holds one blank.
inline constexpr const char* kClearedCell = " ";

inline constexpr const char* kDurationMissing = "The duration of the exercise must be supplied.";
// A row with text but without activity type or description; %s is the column heading, %d the row.
// A number no record can hold; %s the value's name, %d the row, %s the value.
inline constexpr const char* kNotStorableFormat =
    "The %s of row %d (%s) is not a value Kinetrax can store. Durations can be up to 10,000 hours, calories up to 1,000,000 and "
    "weights up to 10,000.";
inline constexpr const char* kCellMissingFormat = "The %s of row %d must be supplied. Complete the row, or clear it to leave it out.";
// A correction whose record was deleted or changed after it was loaded.
inline constexpr const char* kCorrectedRecordGone =
    "The exercise record loaded for correction is no longer in the database: it was deleted or changed after it was loaded. The "
    "corrected values stay in the grid; press \"Read Data Grid\" to add them as a new record.";
inline constexpr const char* kFormulaNote = "(Calories determined through formula calculation)";
// printf pattern; the per-day minutes of the last seven days.
inline constexpr const char* kWeeklyNote = "The average time spent exercising this week is %2.3lf minutes per day.";

// strftime patterns of the prompt line above the grid.
inline constexpr const char* kPromptEnter = "Enter the information for exercise on %A %B %d, %Y";
inline constexpr const char* kPromptCorrect = "Make corrections to exercise information for %A %B %d, %Y";

// Exit button captions; the ui shows "&&" as one ampersand. The first is the form's own caption
// until start-up has finished.
inline constexpr const char* kExitCaptionInitial = "    Save Database && Exit    ";
inline constexpr const char* kExitCaptionExit = "Exit";
inline constexpr const char* kExitCaptionSave = "Save Database && Exit";

// Captions of the action button: what pressing it will do (see ActionButtonCaption).
inline constexpr const char* kActionRead = "Read Data Grid";
inline constexpr const char* kActionReplaceRecord = "Replace Record";
inline constexpr const char* kActionReplaceActivity = "Replace Activity Data";
inline constexpr const char* kActionUpdateSelected = "Update Selected Activities";
inline constexpr const char* kActionShortcut = "Ctrl+R";

inline constexpr const char* kDetailsCaption = "Details";
// The day summary's heading until the first summary names its day.
inline constexpr const char* kDayHeadingInitial = "Today's exercise results:";
inline constexpr const char* kAveragingHeading = "Select the period over which the data will be averaged.";

// The three owner-drawn buttons of the form.
struct ButtonStyle {
    FontStyle font;
    Rgb background;
    Rgb text;
};
inline constexpr ButtonStyle kActionButtonStyle{{"Arial", 12, true, true}, {240, 240, 255}, {192, 0, 0}};
inline constexpr ButtonStyle kExitButtonStyle{{"Arial", 12, true, true}, {243, 243, 183}, {0, 0, 192}};
inline constexpr ButtonStyle kDetailsButtonStyle{{"Arial", 8, true, false}, {240, 240, 240}, {220, 0, 0}};

// The two headings above the summaries (bold) and the prompt line's size; the prompt's colour
// and weight follow the entry date (MakeEntryPrompt).
inline constexpr Rgb kDayHeadingColour{0, 128, 0};
inline constexpr Rgb kAveragingHeadingColour{0, 0, 128};
inline constexpr double kHeadingPoints = 10;
inline constexpr double kPromptPoints = 11;

inline constexpr const char* kDiscardQuestion =
    "There are data that have been entered, but not recorded. Do you wish to discard these data and exit? "
    "\n\n"
    "Select \"Yes\" to exit without saving these data and select \"No\" to continue with Kinetrax. (Y/N)";

}  // namespace kt::entry_text
