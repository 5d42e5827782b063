#pragma once
// The prompt line above the entry grid: which day is being entered, and whether a record is
// being corrected.

#include <string>

#include "core/base/LocalTime.h"
#include "core/base/StyledColor.h"

namespace kt {

struct EntryState;

struct EntryPrompt {
    std::string text;
    Rgb colour;         // red for today, blue for any other day
    bool bold = false;  // exactly while a correction is in progress
};

// The prompt for the state's entry date. `now` is any moment of the current day; the entry date
// counts as today when both fall on the same local day.
EntryPrompt MakeEntryPrompt(const EntryState& state, Time64 now);

}  // namespace kt
