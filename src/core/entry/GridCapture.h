#pragma once
// Turning the rows of the entry grid into exercise records: new records, a correction of a record
// loaded from the database editor, or a changed activity loaded from the editor's activity list.
// Records change through the document's operations inside one batch, so every view of the
// journal (chart, summaries, the editor's list) follows by itself; the view that holds the grid
// shows its own state afterwards. The few requests only that view can serve (the day summary of
// the entry date, the drop-downs, the editor's activity list) are callbacks.

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
    // The editor's activity list row `index` shows `name` and `metText`.
    std::function<void(int index, const std::string& name, const std::string& metText)> activityRowChanged;
};

struct CaptureResult {
    // true when the capture ran to its end (grid cleared, edited mark cleared); false when it stopped
    // at `stoppedAtRow` because a required cell was empty: the grid keeps its text and mark.
    bool completed = false;
    int stoppedAtRow = 0;
    // The activity-edit path ran instead of a record capture: the activity table changed, which
    // the journal's notices do not cover, so the averages must be worked out again.
    bool activityEdit = false;
    int recordsAdded = 0;     // added to the array
    int recordsReplaced = 0;  // 0 or 1, a correction written back
};

// Captures rows 1 to 5 into the document, or runs the activity edit when the editor shows its
// activities. A blank row is skipped; a row with text but without type, description or duration
// stops the capture with a message naming the missing cell, keeping the records of the rows above.
// New records go where sorting by date would put them (CKT2Doc::AddRecord), also when the
// capture stops.
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
// The grid row where typing goes on after a capture: the row it stopped at, else the first.
int ResumeRow(const CaptureResult& capture);

}  // namespace kt
