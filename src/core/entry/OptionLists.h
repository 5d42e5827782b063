#pragma once
// The option lists offered by the grid's drop-down cells, and how a capture grows them.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kt {

struct Settings;
class ActivityTable;

// Adds `text` (trimmed, tabs and line breaks as blanks) to the description list
// (`isDescription`) or the location list unless an entry equals it exactly (case-sensitive).
// On adding: the text is appended at the end, the settings are marked changed so the lists are
// written at exit, `listChanged(isDescription)` tells the view to refill that column's drop-downs,
// and the result is true. An empty text is compared and added like any other.
bool AddToOptionList(Settings& settings, const std::string& text, bool isDescription,
                     const std::function<void(bool isDescription)>& listChanged = {});

// The options of the Exercise Event drop-downs: the names of the selected activities in their
// order (positions outside the table are left out). nullopt when nothing is selected: the
// drop-downs then keep what they offer.
std::optional<std::vector<std::string>> ActivityComboOptions(const ActivityTable& table, const std::vector<uint16_t>& selected);

}  // namespace kt
