#include "core/app/Commands.h"

namespace kt {

const std::vector<Menu>& MainMenu() {
    static const std::vector<Menu> menus = {
        {"&File",
         {
             {cmd::kSave, "&Save\tCtrl+S", "Save the exercise database (do not exit the program)"},
             {cmd::kSaveAsCsv, "Save As CSV file", "Save the exercise database as an Excel comma separated values file"},
             {cmd::kImportCsv, "Import CSV file...", "Add the exercise records of a comma separated values file to the database"},
             {0, "", ""},
             {cmd::kFilePrint, "&Print...\tCtrl+P", "Print the database"},
             {cmd::kPrintSetup, "P&rint Setup...", "Change the printer and printing options"},
             {0, "", ""},
             {cmd::kExit, "E&xit", "Quit the application; prompts to save documents"},
         }},
        {"Actions",
         {
             {cmd::kEditDescriptions, "Edit Activity Descriptions (Ctrl-E)", "Edit the items in the Description Combo dropdown list"},
             {cmd::kEditLocations, "Edit Activity Locations", "Edit the items in the Location Combo dropdown list"},
             {cmd::kEditActivityOrder, "Edit Activity Type Order", ""},
             {cmd::kWeightGraphMenu, "Show/Hide Weight Graph", "Show/Hide the weight bar graph"},
             {cmd::kClearGridMenu, "Clear Data Entry Grid", ""},
             {0, "", ""},
             {cmd::kPreferences, "Preferences", "Open the Preferences dialog box"},
             {0, "", ""},
             {cmd::kCalculator, "Calculator", "Open the system calculator"},
             {0, "", ""},
             {cmd::kResetActivities, "Reset to Default Activity List", "Reset the selected activities to the default state"},
         }},
        {"&View",
         {
             {cmd::kShowActivities, "Show List of Available Activities", ""},
             {cmd::kShowRecords, "Show Exercise Database", "Show the exercise database"},
             {cmd::kShowDataEntry, "Show Data Entry Screen", ""},
             {0, "", ""},
             {cmd::kViewToolbar, "&Toolbar", "Show or hide the toolbar"},
             {cmd::kViewStatusBar, "&Status Bar", "Show or hide the status bar"},
         }},
        {"Database",
         {
             {cmd::kToggleEditor, "Edit the exercise database", "Edit the current database"},
             {cmd::kArchive, "Archive Data prior to a selected date", "Truncate the working exercise database"},
             {cmd::kViewAll, "View All Exercise Data", ""},
             {cmd::kRecombine, "Recombine all exercise databases into one", ""},
         }},
        {"&Help",
         {
             {cmd::kHelp, "View Help", ""},
             {cmd::kCheckVersion, "Check for Newer version", ""},
             {cmd::kWebSite, "Go to Quorvane website", ""},
             {cmd::kShowDefaultActivities, "Show Default Activity List", ""},
             {cmd::kKeyboardShortcuts, "Show Keyboard Shortcuts (Ctrl-K)", ""},
             {cmd::kActivityHtml, "Generate HTML Activity List", "Create an HTML formatted table of the activity list in a file"},
             {0, "", ""},
             {cmd::kAbout, "&About KT2...", "Display program information, version number and copyright"},
             {0, "", ""},
         }},
    };
    return menus;
}

const std::vector<Accelerator>& Accelerators() {
    static const std::vector<Accelerator> keys = {
        {cmd::kWeightGraphMenu, "Ctrl+W"},   {cmd::kShowHideEditor, "Ctrl+V"},
        {cmd::kClearGrid, "Ctrl+D"},         {cmd::kSave, "Ctrl+S"},
        {cmd::kArchive, "Ctrl+A"},           {cmd::kEditDescriptionsKey, "Ctrl+E"},
        {cmd::kKeyboardShortcuts, "Ctrl+K"}, {cmd::kHelp, "F1"},
        {cmd::kPrintRecords, "Ctrl+P"},      {cmd::kActionButton, "Ctrl+R"},
    };
    return keys;
}

std::string CommandPrompt(int command) {
    for (const Menu& m : MainMenu()) {
        for (const MenuItem& item : m.items) {
            if (item.command == command && !item.prompt.empty()) return item.prompt;
        }
    }
    switch (command) {
        case cmd::kClearGrid:
            return "Clear the data entry grid";
        case cmd::kPrintRecords:
            return "Print Records";
        case cmd::kShowHideEditor:
            return "Show/Hide the information screen";
        case cmd::kEditorMode:
            return "Show exercise database or activities ";
        case cmd::kEditDescriptionsKey:
            return "Edit the combo list contents";
        case cmd::kWeightGraphButton:
            return "Toggle the weight graph on or off";
        case cmd::kPreferencesButton:
            return "Open \"Preferences\" Dialog";
        default:
            return "";
    }
}

const std::vector<ToolbarButton>& ToolbarButtons() {
    static const std::vector<ToolbarButton> buttons = {
        {cmd::kClearGrid, "Clear", "Clear the data entry grid (Ctrl+D)"},
        {cmd::kPrintRecords, "Print", "Print Records (Ctrl+P)"},
        {cmd::kShowHideEditor, "Editor", "Show/Hide the information screen (Ctrl+V)"},
        {cmd::kEditorMode, "Records/Activities", "Show exercise database or activities"},
        {cmd::kEditDescriptionsKey, "Lists", "Edit the combo list contents (Ctrl+E)"},
        {cmd::kWeightGraphButton, "Weight", "Toggle the weight graph on or off (Ctrl+W)"},
        {cmd::kPreferencesButton, "Preferences", "Open \"Preferences\" Dialog", true},
        {cmd::kAbout, "About", "About", true},
    };
    return buttons;
}

const std::vector<ShortcutRow>& KeyboardShortcutRows() {
    static const std::vector<ShortcutRow> rows = {
        {"Ctrl-S", "Save the database, do not exit"},
        {"Ctrl-R", "Read the data grid."},
        {"Ctrl-P", "Print part or all of the database."},
        {"Ctrl-D", "Clear the data grid."},
        {"Ctrl-V", "Show/Hide the database/activity list window."},
        {"Ctrl-W", "Show/Hide the weight graph, (if weight monitoring is enabled)."},
        {"Ctrl-E", "Edit the Description and Location combo box options."},
        {"Ctrl-A", "Truncate the database and archive the older portion."},
        {"F1", "Open the KT Help file."},
        {"Ctrl-K", "Show this dialog box (Keyboard Shortcuts)."},
    };
    return rows;
}

std::string ViewAllCaption(bool allData) { return allData ? "View Active Database" : "View All Exercise Data"; }

std::string ToggleEditorCaption(bool editorShown) { return editorShown ? "Show Data Entry Screen" : "Edit the exercise database"; }

bool WorksWhileLoading(int command) {
    using namespace cmd;
    switch (command) {
        case kExit:
        case kPrintSetup:
        case kCalculator:
        case kViewToolbar:
        case kViewStatusBar:
        case kHelp:
        case kCheckVersion:
        case kWebSite:
        case kKeyboardShortcuts:
        case kAbout:
            return true;
        default:
            return false;
    }
}

}  // namespace kt
