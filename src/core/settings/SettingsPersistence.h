#pragma once
// Loading and saving the main window's settings: the store key "Software\Kinetrax", the user
// data file "KTUserData.cfg" with the two option lists, and the older cfg files "Kinetrax2.cfg"
// and "Kinetrax.cfg" that are read once for migration (and written when the store is
// unavailable). The Qt main window calls these at window creation and at exit.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"

namespace kt {

inline constexpr const char* kSettingsKeyPath = "Software\\Kinetrax";
inline constexpr const char* kUserDataFileName = "KTUserData.cfg";
inline constexpr const char* kCfgFileName = "Kinetrax2.cfg";
inline constexpr const char* kOldCfgFileName = "Kinetrax.cfg";

// The selected activities as text: each position "%d", separated by TAB, the last followed by
// a line feed ("0\t51\t60\n"); an empty list gives "".
std::string EncodeSelectedActivities(const std::vector<uint16_t>& positions);
// Splits at every TAB and reads each piece as "%d". A piece that does not start with a number
// repeats the piece before (0 for the first), so "" gives [0] and "5\tx\t7\n" gives [5, 5, 7].
// A number outside 0..65535 becomes 65535, which names no activity.
std::vector<uint16_t> DecodeSelectedActivities(std::string_view text);

// The value as a float would hold it (MaxWeight and MinWeight are stored that way).
double ToSinglePrecision(double value);

// Fills `settings` (constructed with the first-run values) and the document's unit and last
// weight: from the store key when it exists, else from a cfg file (migration), else first-run
// values. The last two cases raise m_bSettingsChanged so the store is written at exit. Missing
// or unreadable files are no error and are not reported.
void LoadSettings(SettingsStore& store, const std::filesystem::path& dataFolder, Settings& settings, CKT2Doc& doc);

// Writes every setting to the store key (creating it) and then the user data file; when the key
// cannot be created, writes "Kinetrax2.cfg" instead. Nothing is reported. Returns true and
// clears m_bSettingsChanged when everything was written; otherwise the flag stays set.
bool SaveSettings(SettingsStore& store, const std::filesystem::path& dataFolder, Settings& settings, const CKT2Doc& doc);

// Writes "KTUserData.cfg": the descriptions on line 1, the locations on line 2, items joined by
// TAB. False when the file could not be written (the old file is then unchanged), or was not
// written because it existed but could not be read at start-up.
bool SaveUserData(const std::filesystem::path& dataFolder, const Settings& settings);

// Writes the "Events" value alone, when the list is not empty. Leaves every flag alone.
bool SaveSelectedActivities(SettingsStore& store, const Settings& settings);

}  // namespace kt
