#include "core/entry/OptionLists.h"

#include <algorithm>

#include "core/activities/ActivityTable.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"

namespace kt {

bool AddToOptionList(Settings& settings, const std::string& text, bool isDescription,
                     const std::function<void(bool isDescription)>& listChanged) {
    // The lists are stored one entry per line, so a typed tab or line break must not reach them.
    const std::string item = Trim(SanitizeFieldText(text));
    std::vector<std::string>& list = isDescription ? settings.m_arDescriptions : settings.m_arLocations;
    if (std::find(list.begin(), list.end(), item) != list.end()) return false;
    list.push_back(item);
    settings.m_bSettingsChanged = true;
    if (listChanged) listChanged(isDescription);
    return true;
}

std::optional<std::vector<std::string>> ActivityComboOptions(const ActivityTable& table, const std::vector<uint16_t>& selected) {
    if (selected.empty()) return std::nullopt;
    std::vector<std::string> names;
    names.reserve(selected.size());
    for (uint16_t position : selected) {
        if (const Activity* activity = table.Find(position)) names.push_back(activity->name);
    }
    return names;
}

const std::vector<std::string>& OptionListOf(const Settings& settings, OptionListMode mode) {
    return mode == OptionListMode::Descriptions ? settings.m_arDescriptions : settings.m_arLocations;
}

bool ApplyOptionList(Settings& settings, OptionListEditor& editor) {
    if (editor.Mode() == OptionListMode::ActivityTypes) return false;
    std::vector<std::string>& list = editor.Mode() == OptionListMode::Descriptions ? settings.m_arDescriptions : settings.m_arLocations;
    list = editor.Apply();
    settings.m_bSettingsChanged = true;
    return true;
}

void ApplyActivityOrder(Settings& settings, const OptionListEditor& editor) {
    if (editor.Mode() == OptionListMode::ActivityTypes) settings.m_arSelectedActivities = editor.ResultPositions();
}

}  // namespace kt
