#include "core/settings/Settings.h"

namespace kt {

std::vector<uint16_t> DefaultSelectedActivities() { return {0, 51, 60, 86, 97, 106, 109, 127, 132, 152, 191, 248, 281, 299}; }

void ResetSelectedActivities(Settings& settings) { settings.m_arSelectedActivities = DefaultSelectedActivities(); }

}  // namespace kt
