#pragma once
// The activity list's tick boxes and the undoable changes of the activities: which activities
// the grid offers, in which order, and the name and MET value of an activity.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/activities/ActivityTable.h"

namespace kt {

struct Settings;

// Whether activity `index` is among the selected activities (its row shows a tick).
bool IsSelected(const std::vector<uint16_t>& selected, int index);
// The user ticked (or unticked) the row of activity `index`: a tick appends the index when the
// selection does not hold it yet, so the drop-down lists activities in the order they were
// ticked; an untick removes the first occurrence. Returns whether the selection changed.
bool ApplyTick(std::vector<uint16_t>& selected, int index, bool ticked);
// The selection as the list's rows show it: the ticked rows' indexes in row order (`rows` holds
// the activity index of each row).
std::vector<uint16_t> TickedInRowOrder(const std::vector<int>& rows, const std::vector<uint16_t>& selected);

// What an activity change can touch: the selection and, for an edit of one activity, that entry.
struct ActivitySnapshot {
    std::vector<uint16_t> selected;
    int index = -1;  // the activity of `entry`; -1 for none
    Activity entry;

    friend bool operator==(const ActivitySnapshot& a, const ActivitySnapshot& b) {
        return a.selected == b.selected && a.index == b.index && a.entry.name == b.entry.name && a.entry.met == b.entry.met;
    }
};

// The selection, and the entry `index` when it names an activity.
ActivitySnapshot TakeActivitySnapshot(const Settings& settings, const ActivityTable& table, int index = -1);
// Puts the selection back and, when the snapshot holds an entry, that activity's name and MET
// value (marking the activity list changed, so it is written at exit).
void RestoreActivities(const ActivitySnapshot& snapshot, Settings& settings, ActivityTable& table);

}  // namespace kt
