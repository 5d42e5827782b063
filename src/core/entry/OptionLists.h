#pragma once
// The option lists offered by the grid's drop-down cells, and how a capture grows them.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/activities/OptionListEditor.h"

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

// The settings' list that the option-lists editor edits in `mode`: the locations or the
// descriptions (the activity types have no text list).
const std::vector<std::string>& OptionListOf(const Settings& settings, OptionListMode mode);
// The editor's apply step: its items become the settings' list of its mode and the editor's
// changed flag goes down. The settings are marked changed, so a list applied and then left with
// Cancel is still stored at exit. False (nothing changed) for the activity types.
bool ApplyOptionList(Settings& settings, OptionListEditor& editor);
// OK with the activity types: the selected activities become the editor's positions, in order.
void ApplyActivityOrder(Settings& settings, const OptionListEditor& editor);

}  // namespace kt
