#include "core/activities/ActivityTable.h"

#include <cassert>
#include <utility>

#include "core/activities/ActivityDefaults.h"
#include "core/base/Units.h"

namespace kt {

ActivityTable::ActivityTable() {
    const auto& defaults = DefaultActivityEntries();
    for (int i = 0; i < kActivityCount; ++i) {
        m_entries[static_cast<size_t>(i)] = Activity{defaults[static_cast<size_t>(i)].name, defaults[static_cast<size_t>(i)].met};
    }
}

const ActivityTable& ActivityTable::Defaults() {
    static const ActivityTable table;
    return table;
}

const Activity* ActivityTable::Find(int position) const {
    if (position < 0 || position >= kActivityCount) return nullptr;
    return &m_entries[static_cast<size_t>(position)];
}

const Activity& ActivityTable::At(int position) const {
    assert(position >= 0 && position < kActivityCount);
    return m_entries.at(static_cast<size_t>(position));
}

bool ActivityTable::SetActivity(int position, std::string name, double met) {
    if (position < 0 || position >= kActivityCount) return false;
    Activity& entry = m_entries[static_cast<size_t>(position)];
    entry.name = std::move(name);
    entry.met = met;
    return true;
}

double CalculateCalories(const ActivityTable& table, const std::vector<uint16_t>& selected, bool metric, double lastWeight,
                         double durationMinutes, double weight, const std::string& type) {
    if (weight == 0.0) weight = lastWeight;
    const double hours = durationMinutes / 60.0;

    // Only selected activities burn calories; the first selected entry with the name wins, which
    // matters for names that appear twice in the table. A position beyond the table can only come
    // from a hand-edited settings value and names nothing, so it is passed over.
    const Activity* match = nullptr;
    for (uint16_t position : selected) {
        const Activity* entry = table.Find(position);
        if (entry != nullptr && entry->name == type) {
            match = entry;
            break;
        }
    }
    if (match == nullptr) return 0.0;

    return match->met * Kilograms(weight, metric) * hours;
}

}  // namespace kt
