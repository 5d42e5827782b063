#include "core/editor/ActivitySelection.h"

#include <algorithm>

#include "core/settings/Settings.h"

namespace kt {

bool IsSelected(const std::vector<uint16_t>& selected, int index) {
    return index >= 0 && std::find(selected.begin(), selected.end(), static_cast<uint16_t>(index)) != selected.end();
}

bool ApplyTick(std::vector<uint16_t>& selected, int index, bool ticked) {
    if (index < 0 || index >= kActivityCount) return false;
    const auto it = std::find(selected.begin(), selected.end(), static_cast<uint16_t>(index));
    if (it != selected.end()) {
        if (ticked) return false;
        selected.erase(it);
        return true;
    }
    if (!ticked) return false;
    selected.push_back(static_cast<uint16_t>(index));
    return true;
}

std::vector<uint16_t> TickedInRowOrder(const std::vector<int>& rows, const std::vector<uint16_t>& selected) {
    std::vector<uint16_t> ticked;
    for (int index : rows) {
        if (IsSelected(selected, index)) ticked.push_back(static_cast<uint16_t>(index));
    }
    return ticked;
}

ActivitySnapshot TakeActivitySnapshot(const Settings& settings, const ActivityTable& table, int index) {
    ActivitySnapshot snapshot;
    snapshot.selected = settings.m_arSelectedActivities;
    if (const Activity* entry = table.Find(index)) {
        snapshot.index = index;
        snapshot.entry = *entry;
    }
    return snapshot;
}

void RestoreActivities(const ActivitySnapshot& snapshot, Settings& settings, ActivityTable& table) {
    settings.m_arSelectedActivities = snapshot.selected;
    if (snapshot.index >= 0 && table.SetActivity(snapshot.index, snapshot.entry.name, snapshot.entry.met))
        settings.m_bActivityListChanged = true;
}

}  // namespace kt
