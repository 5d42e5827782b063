#pragma once
// The application shell's own texts, fonts and colours: the program's names, the toolbar's
// labels and option boxes, and the status bar.

#include "core/base/FontStyle.h"
#include "core/base/StyledColor.h"

namespace kt::text {

inline constexpr const char* kAppTitle = "KT2";
inline constexpr const char* kApplicationName = "Kinetrax";
inline constexpr const char* kOrganisation = "Quorvane Software";
// The desktop file's name without ".desktop": the desktop matches the running window to it.
inline constexpr const char* kDesktopFileName = "com.quorvane.Kinetrax";
// The program's icon, a Qt resource drawn from data/icons/kinetrax.svg.
inline constexpr const char* kIconResource = ":/icons/kinetrax.svg";
// `kinetrax --demo`: after the document's title in the window title; the message when the demo
// journal cannot be made (%s: why).
inline constexpr const char* kDemoArgument = "--demo";
inline constexpr const char* kDemoTitleMark = " (demo journal in a temporary folder)";
inline constexpr const char* kDemoFailedFormat = "The demo journal could not be made:\n\n%s";
// `kinetrax --dark`: the Fusion style with a dark palette, for a desktop that gives Qt none.
inline constexpr const char* kDarkArgument = "--dark";
inline constexpr const char* kReady = "Ready";
// The status bar and the entry prompt while the journal loads at start-up.
inline constexpr const char* kLoadingJournal = "Loading the exercise database...";
inline constexpr const char* kEditorHiddenPrompt = "Enter the exercise data for the selected date.";
// A second start while a running program holds the journal's folder and its window cannot be
// shown. %s: the data folder, %s: who holds it ("kinetrax 1234").
inline constexpr const char* kAlreadyRunningFormat =
    "Kinetrax is already running with the exercise journal in %s (%s). Use that window, or close it and start Kinetrax again.";

// Toolbar. The label texts are right-aligned in their slots.
inline constexpr const char* kToolbarTitle = "Standard";
inline constexpr const char* kGraphPeriodLabel = "Graph Period: ";
inline constexpr const char* kExerciseDateLabel = "Exercise Date: ";
inline constexpr const char* kLastWeightLabel = "Last Weight: ";
inline constexpr const char* kNewWeightLabel = "New Weight: ";
inline constexpr const char* kLastWeightUnitLabel = "Last Weight (%s):";  // %s: "kg" or "lbs"
inline constexpr const char* kAddToListsCaption = "Add new desriptions and locations to their respective combo list";
inline constexpr const char* kAutoFillCaption = "Auto-fill desriptions and locations";
// The date picker's short date, in Qt's date format notation.
inline constexpr const char* kDatePickerFormat = "MM/dd/yyyy";

using LabelColours = TextColours;
inline constexpr LabelColours kGraphPeriodColours{{0, 128, 0}, {220, 255, 220}};
inline constexpr LabelColours kExerciseDateColours{{0, 0, 255}, {255, 255, 0}};
inline constexpr LabelColours kLastWeightColours{{128, 0, 0}, {220, 220, 255}};

// A little larger than 8 and 7.5 points so the captions stay readable on today's screens; the
// option boxes' long captions stay smaller, so the whole toolbar fits a 1024 pixel window.
inline constexpr FontStyle kToolbarLabelFont{"Arial", 9, true, false};
inline constexpr FontStyle kToolbarWeightFont{"Times New Roman", 9, true, true};
inline constexpr FontStyle kToolbarOptionFont{"Times New Roman", 8, true, true};

// The keyboard-shortcuts dialog: rows 0, 2, ... and rows 1, 3, ... (text on background).
inline constexpr const char* kShortcutsTitle = "Keyboard Shortcuts";
inline constexpr const char* kShortcutColumn = "Shortcut";
inline constexpr const char* kFunctionColumn = "Function";
inline constexpr LabelColours kEvenShortcutRow{{0, 0, 128}, {232, 255, 232}};
inline constexpr LabelColours kOddShortcutRow{{132, 0, 0}, {232, 232, 255}};

// Status bar panes 1 and 2 before the summaries write them.
inline constexpr Rgb kDayPaneInitialColour{255, 0, 0};
inline constexpr Rgb kDatabasePaneInitialColour{0, 128, 0};

}  // namespace kt::text
