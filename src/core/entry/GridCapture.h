#pragma once
// Turning the rows of the entry grid into exercise records: new records, a correction of a record
// loaded from the database editor, or a changed activity loaded from the editor's activity list.
// The Qt view hands in its grid model and state and shows what the result says; the few things
// only the view can do (summaries, drop-downs, the editor's list) are reached through callbacks.

#include <functional>
#include <string>

#include "core/base/LocalTime.h"
#include "core/entry/EntryState.h"

namespace kt {

class ActivityTable;
class CKT2Doc;
class EntryGrid;
class Prompter;
struct Settings;

struct CaptureContext {
    CaptureContext(CKT2Doc& doc, Settings& settings, ActivityTable& table, Prompter& prompter)
        : doc(doc), settings(settings), table(table), prompter(prompter) {}

    CKT2Doc& doc;
    Settings& settings;    // option lists, "MaxHours", selected activities, changed flags
    ActivityTable& table;  // changed by an activity edit
    Prompter& prompter;
    bool editorShown = false;  // the database editor pane is visible
    EditorMode editorMode = EditorMode::Records;

    // All optional; an empty function is not called.
    std::function<void(Time64 day)> refreshDaySummary;          // the day summary for `day`
    std::function<void(bool isDescription)> optionListChanged;  // refill that column's drop-downs
    std::function<void()> refillRecordList;                     // the editor's record list
    // The editor's activity list row `index` shows `name` and `metText`.
    std::function<void(int index, const std::string& name, const std::string& metText)> activityRowChanged;
};

struct CaptureResult {
    // true when the capture ran to its end (grid cleared, edited mark cleared); false when it stopped
    // at `stoppedAtRow` because a required cell was empty: the grid keeps its text and mark.
    bool completed = false;
    int stoppedAtRow = 0;
    bool activityEdit = false;  // the activity-edit path ran instead of a record capture
    int recordsAdded = 0;       // appended to the array
    int recordsReplaced = 0;    // 0 or 1, a correction written back
    // What the view must show again, besides redrawing every grid cell from the model.
    bool refreshChart = false;        // FillChart
    bool refreshAverages = false;     // both averages for the averaging period, then their summary
    bool refreshPrompt = false;       // the prompt line (see MakeEntryPrompt)
    bool updateActionButton = false;  // caption by ActionButtonCaption
    bool exitCaptionChanged = false;  // the exit button shows state.exitCaption
};

// Captures rows 1 to 5 into the document, or runs the activity edit when the editor shows its
// activities. A blank row is skipped; a row with text but without type, description or duration
// stops the capture with a message naming the missing cell, keeping the records of the rows above.
CaptureResult ReadDataGrid(EntryGrid& grid, EntryState& state, CaptureContext& context);

enum class ActionPath {
    SyncSelectedActivities,  // the view runs the editor's SyncSelectedActivities, then refills the type drop-downs
    Capture,                 // ReadDataGrid ran
};

struct ActionResult {
    ActionPath path = ActionPath::Capture;
    CaptureResult capture;  // when path is Capture
};

// Which path the action button takes: the selected activities are synchronised when the editor
// is shown in activities mode without an activity loaded for change; everything else captures.
ActionPath ChooseActionPath(bool editorShown, EditorMode mode, bool replace);

// The action button (and Ctrl+R). After a capture the replace state is always left, also when
// the capture stopped at a row without duration.
ActionResult OnActionButton(EntryGrid& grid, EntryState& state, CaptureContext& context);

}  // namespace kt
