#pragma once
// The activity catalogue's texts, fonts and colours: the option-lists editor and its "new item"
// companion, the default activities dialog and the activity list file.

#include <array>

#include "core/base/FontStyle.h"
#include "core/base/StyledColor.h"

namespace kt::activities_text {

// By editor mode: 0 locations, 1 descriptions, 2 activity types.
inline constexpr std::array<const char*, 3> kEditorTitles = {"Edit the Activity Location Options", "Edit the Activity Description Options",
                                                             "Edit the Activity Type Order"};
inline constexpr std::array<const char*, 3> kColumnHeadings = {"Location Item", "Description Item", "Activity Type Item"};
inline constexpr std::array<const char*, 3> kPluralNouns = {"Locations", "Descriptions", "Activity Types"};
inline constexpr std::array<const char*, 3> kSingularNouns = {"Location", "Description", "Activity Type"};
// The list switch button names the other list; mode 2 has none.
inline constexpr std::array<const char*, 3> kSwitchCaptions = {"Edit Descriptions", "Edit Locations", ""};

inline constexpr const char* kStatusWithEdits =
    "There are %d %s in the list. %d %s %s been deleted, %d %s %s been repositioned or renamed and %d %s %s been added. Click an item "
    "twice to edit the item text.";
inline constexpr const char* kStatusActivityTypes = "There are %d %s in the exercise event type list";
inline constexpr const char* kStatusPlain = "There are %d %s in the list. Click an item twice to edit the item text.";
inline constexpr const char* kHas = "has";
inline constexpr const char* kHave = "have";

inline constexpr const char* kSwitchQuestion = "Changes have been made to the %s options. Do you wish to save those changes?";

// Our own message when an edited activity type no longer names a table position.
inline constexpr const char* kNoPosition =
    "An activity type item must end with a blank and its activity number (0 to 309), as in \"Golf, general 97\". The item keeps its "
    "previous text.";

inline constexpr const char* kRemoveItem = "Remove Item";
inline constexpr const char* kAddItem = "Add Item";
inline constexpr const char* kMoveUp = "Move Up";
inline constexpr const char* kMoveToTop = "Move To Top";
inline constexpr const char* kMoveDown = "Move Down";
inline constexpr const char* kMoveToBottom = "Move To Bottom";
inline constexpr const char* kSaveChanges = "Save Changes";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

inline constexpr const char* kNewItemPrompt = "Enter the new item below:";

inline constexpr const char* kUnableToSaveActivityList = "Unable to save activity list.";

// "Default Activities": the fourteen default selected activities, shown only.
inline constexpr const char* kDefaultsTitle = "Default Activities";
inline constexpr const char* kDefaultsHeading = "Default Activity Types";
inline constexpr const char* kNameColumn = "Activity Description";
inline constexpr const char* kMetColumn = "METS";
inline constexpr const char* kMetFormat = "%2.3lf";
inline constexpr FontStyle kDefaultsHeadingFont{"", 18, true, false};  // the dialog's own family
inline constexpr Rgb kDefaultsHeadingColour{0, 0, 255};
// Rows alternate, the first (row 0) even.
inline constexpr Rgb kEvenRowText{0, 0, 128};
inline constexpr Rgb kEvenRowBackground{220, 255, 220};
inline constexpr Rgb kOddRowText{132, 0, 0};
inline constexpr Rgb kOddRowBackground{220, 220, 255};

}  // namespace kt::activities_text
