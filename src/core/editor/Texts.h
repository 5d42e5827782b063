#pragma once
// The database editor's texts and colours.

#include <array>

#include "core/base/StyledColor.h"

namespace kt::editor_text {

// Column headings of the record list, left to right.
inline constexpr std::array<const char*, 8> kRecordColumns = {"Date",     "Exercise Type", "Description", "Duration (min)",
                                                              "Location", "Calories",      "Weight",      "Notes & Comments"};
// The activity list shows the first three columns under these headings and hides the rest.
inline constexpr std::array<const char*, 3> kActivityColumns = {"Activity Description", "Mets", "Index"};

// Cell formats: strftime for the date, printf for the numbers.
inline constexpr const char* kDateFormat = "%a %B %d, %Y";
inline constexpr const char* kNumberFormat = "%2.3lf";
inline constexpr const char* kMetFormat = "%2.4lf";
inline constexpr const char* kIndexFormat = "%d";

// The data entry view's prompt line when the editor shows a mode.
inline constexpr const char* kRecordsPrompt = "Select the exercise record to modify from above";
inline constexpr const char* kActivitiesPrompt = "Select the activity to modify from above";

inline constexpr const char* kItemNotFound = "Item Index not found. Cannot edit item";

// Context menu of the record list.
inline constexpr const char* kDeleteRecord = "Delete Exercise Record";
inline constexpr const char* kChangeRecordDate = "Change Record Date";

// The new-date dialog.
inline constexpr const char* kNewDateTitle = "Select a new date for this record";

// Row colours (text on background).
using RowColours = TextColours;
inline constexpr RowColours kEditedRow{{132, 0, 0}, {255, 255, 0}};
inline constexpr RowColours kRecordRow{{0, 0, 255}, {202, 202, 202}};
inline constexpr RowColours kTickedActivity{{255, 0, 0}, {220, 255, 220}};
inline constexpr RowColours kUntickedActivity{{0, 0, 255}, {220, 255, 220}};

// Names of the steps the Edit menu can take back ("Undo " and "Redo " go before them).
inline constexpr const char* kStepCapture = "Read Data Grid";
inline constexpr const char* kStepReplace = "Replace Record";
inline constexpr const char* kStepActivity = "Replace Activity Data";
inline constexpr const char* kStepSync = "Update Selected Activities";
inline constexpr const char* kStepTick = "Select Activity";
inline constexpr const char* kStepUntick = "Deselect Activity";
inline constexpr const char* kEditMenu = "&Edit";
inline constexpr const char* kUndo = "&Undo";
inline constexpr const char* kRedo = "&Redo";
inline constexpr const char* kUndoPrompt = "Take back the last change of the database or of the activities";
inline constexpr const char* kRedoPrompt = "Make the change that was taken back again";

}  // namespace kt::editor_text
