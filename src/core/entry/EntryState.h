#pragma once
// The state the data entry view keeps besides its grid: the day being entered, a correction in
// progress, the weight typed into the toolbar and the entry options copied from the settings.

#include <optional>
#include <string>

#include "core/base/LocalTime.h"
#include "core/entry/Texts.h"
#include "core/journal/EventRecord.h"

namespace kt {

struct Settings;
class EntryGrid;

// The two modes of the database editor pane.
enum class EditorMode : int {
    Records = 0,
    Activities = 1,
};

struct EntryState {
    Time64 entryDate = 0;    // local midnight of the day new records receive
    bool replace = false;    // a row loaded from the editor is being corrected
    int recordPosition = 0;  // array position of the record being corrected
    // The record as it was loaded: the correction replaces this record, wherever the array holds
    // it by then, and never another one (see GridCapture).
    std::optional<CEventRecord> correctedRecord;
    double newWeight = 0.0;                                     // typed into the toolbar, in the document's unit
    bool newWeightSet = false;                                  // newWeight goes into every record captured from now on
    bool addToLists = false;                                    // new descriptions and locations join their option lists
    bool showWeight = false;                                    // the chart shows the weight series
    bool useCurrentWeight = false;                              // records get the document's last weight when none was typed
    int averagingPeriod = 0;                                    // 0..9
    std::string exitCaption = entry_text::kExitCaptionInitial;  // "&&" stands for one ampersand
};

// The view state at start-up: entry date = local midnight of `now`, the three flags and the
// averaging period from the settings, everything else at its initial value.
EntryState MakeEntryState(Time64 now, const Settings& settings);

// The last step of the view's start-up: the exit button reads "Exit", a weight typed while
// starting (the toolbar's own fill of the weight field) is not kept as a new weight, and nothing
// in the grid counts as edited.
void CompleteStartUp(EntryState& state, EntryGrid& grid);

}  // namespace kt
