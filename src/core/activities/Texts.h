#pragma once
// Every text of the option-lists editor and its "new item" companion, in one place.

#include <array>

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

}  // namespace kt::activities_text
