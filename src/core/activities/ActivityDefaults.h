#pragma once
// The built-in content of the activity table, in position order: 305 named activities and five
// "User Defined" entries with MET 0.0 at positions 305..309.

#include <array>

#include "core/activities/ActivityTable.h"

namespace kt {

struct DefaultActivity {
    const char* name;  // UTF-8
    double met;
};

const std::array<DefaultActivity, kActivityCount>& DefaultActivityEntries();

}  // namespace kt
