#pragma once
// The database editor's texts.

#include <array>

namespace kt::editor_text {

// Column headings of the record list, left to right.
inline constexpr std::array<const char*, 8> kRecordColumns = {"Date",     "Exercise Type", "Description", "Duration (min)",
                                                              "Location", "Calories",      "Weight",      "Notes & Comments"};

}  // namespace kt::editor_text
