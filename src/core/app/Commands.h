#pragma once
// The command numbers, the main menu and the accelerators. The Qt main window builds its menu
// bar and shortcuts from these tables, so the order and the captions live in one place.

#include <string>
#include <vector>

namespace kt {

namespace cmd {
constexpr int kSave = 32800;
constexpr int kSaveAsCsv = 32802;
constexpr int kFilePrint = 57607;
constexpr int kPrintSetup = 57606;
constexpr int kExit = 57665;
constexpr int kEditDescriptions = 32794;
constexpr int kEditLocations = 32795;
constexpr int kEditActivityOrder = 32824;
constexpr int kWeightGraphMenu = 32805;
constexpr int kClearGridMenu = 32833;
constexpr int kPreferences = 32782;
constexpr int kCalculator = 32784;
constexpr int kResetActivities = 32798;
constexpr int kShowActivities = 32829;
constexpr int kShowRecords = 32781;
constexpr int kShowDataEntry = 32830;
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;
constexpr int kToggleEditor = 32828;
constexpr int kArchive = 32825;
constexpr int kViewAll = 32826;
constexpr int kRecombine = 32827;
constexpr int kHelp = 32787;
constexpr int kCheckVersion = 32785;
constexpr int kWebSite = 32786;
constexpr int kShowDefaultActivities = 32799;
constexpr int kKeyboardShortcuts = 32810;
constexpr int kActivityHtml = 32817;
constexpr int kAbout = 57664;
// Accelerator and toolbar commands that have no menu item of their own.
constexpr int kShowHideEditor = 32772;
constexpr int kClearGrid = 32806;
constexpr int kEditDescriptionsKey = 32801;
constexpr int kPrintRecords = 32803;
constexpr int kActionButton = 1084;
constexpr int kEditorMode = 32789;
constexpr int kWeightGraphButton = 32814;
constexpr int kPreferencesButton = 32788;
// The database editor's context menu.
constexpr int kDeleteRecord = 32804;
constexpr int kChangeRecordDate = 32822;
// Our own addition to the File menu: reading back a CSV file.
constexpr int kImportCsv = 32850;
// Our own Edit menu: taking changes of the database and of the activities back, and again.
constexpr int kUndo = 32851;
constexpr int kRedo = 32852;
}  // namespace cmd

struct MenuItem {
    int command = 0;      // 0 for a separator
    std::string caption;  // "&" marks the mnemonic, "\t" separates the shortcut text
    std::string prompt;   // status bar prompt; empty when the command has none
};

struct Menu {
    std::string caption;
    std::vector<MenuItem> items;
};

// The main menu, menus and items in order.
const std::vector<Menu>& MainMenu();

struct Accelerator {
    int command = 0;
    std::string keys;  // "Ctrl+W", "F1", in the form QKeySequence reads
};

const std::vector<Accelerator>& Accelerators();

// The status prompt of a command ("" when it has none).
std::string CommandPrompt(int command);

// Captions that follow the program's state: "View All Exercise Data" / "View Active Database"
// by the document's all-data flag, "Edit the exercise database" / "Show Data Entry Screen" by
// whether the editor pane is shown.
std::string ViewAllCaption(bool allData);
std::string ToggleEditorCaption(bool editorShown);

// While the journal loads at start-up, only the commands that neither read nor change the journal,
// the entry grid or what goes with them (the unit, the option lists, the activities) can be
// given: the window, help, version and about commands, and exit. The others wait for the load.
bool WorksWhileLoading(int command);

// The command buttons of the toolbar, in order: six left of its controls, two right of them.
struct ToolbarButton {
    int command = 0;
    std::string caption;
    std::string toolTip;
    bool afterControls = false;
};
const std::vector<ToolbarButton>& ToolbarButtons();

// The keyboard-shortcuts dialog's rows: the keys and what they do.
struct ShortcutRow {
    const char* keys;
    const char* function;
};
const std::vector<ShortcutRow>& KeyboardShortcutRows();

}  // namespace kt
