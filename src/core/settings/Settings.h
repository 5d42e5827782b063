#pragma once
// The main window's in-memory settings and the state that goes with them. Constructed with the
// first-run values; LoadSettings overwrites them from the store or a cfg file.

#include <cstdint>
#include <string>
#include <vector>

namespace kt {

// The fourteen default selected activities (activity-table positions), in order: the first run's
// list and what "Reset to Default Activity List" restores.
std::vector<uint16_t> DefaultSelectedActivities();

struct Settings {
    bool m_bAutoUpdate = false;
    bool m_bAutoFill = false;
    std::string m_strAutoArchive = "0 0";
    double m_dMaxWeight = 100.0;
    double m_dMinWeight = 10.0;
    double m_dMaxHours = 7.0;
    std::vector<uint16_t> m_arSelectedActivities;  // ordered activity-table positions
    std::vector<std::string> m_arDescriptions;     // description option list
    std::vector<std::string> m_arLocations;        // location option list
    int m_nGraphPeriod = 0;                        // 0..8
    int m_nAveragingPeriod = 0;                    // 0..9
    bool m_bSettingsChanged = false;
    bool m_bActivityListChanged = false;
    bool m_bAddToListsNow = false;
    bool m_bAddToCombo = false;
    bool m_bMonitorWeight = false;
    bool m_bUseLastWeight = false;
    double m_dLastWeight = 0.0;
    // "KTUserData.cfg" exists but could not be read at start-up: it is neither used nor replaced.
    bool m_bUserDataUnreadable = false;
};

// Empties the selected activities and appends the fourteen defaults. Raises no flag.
void ResetSelectedActivities(Settings& settings);

}  // namespace kt
