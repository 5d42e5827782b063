#pragma once
// The activity table: exactly 310 entries (name, MET value) at positions 0..309. Positions are
// the identity of an activity (the selected activities store positions); records store names.
// The table is never resized or sorted.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kt {

constexpr int kActivityCount = 310;

struct Activity {
    std::string name;  // UTF-8
    double met = 0.0;  // metabolic equivalent of task
};

class ActivityTable {
public:
    ActivityTable();  // the built-in defaults

    static const ActivityTable& Defaults();

    // Entry at `position`, or nullptr when the position names no entry (outside 0..309).
    const Activity* Find(int position) const;
    const Activity& At(int position) const;  // position must be in 0..309
    // Replaces name and MET at `position`; false (and nothing changed) outside 0..309.
    bool SetActivity(int position, std::string name, double met);

    const std::array<Activity, kActivityCount>& Entries() const { return m_entries; }

private:
    std::array<Activity, kActivityCount> m_entries;
};

// Calories burned: MET of the first selected entry whose name equals `type` exactly x weight in
// kilograms x hours. `weight` 0 stands for `lastWeight` (the document's last weight); both are in
// the unit `metric` says (the document's), pounds divided by 2.2. An activity that is not
// selected burns 0 calories. Selected positions outside the table are skipped.
double CalculateCalories(const ActivityTable& table, const std::vector<uint16_t>& selected, bool metric, double lastWeight,
                         double durationMinutes, double weight, const std::string& type);

}  // namespace kt
