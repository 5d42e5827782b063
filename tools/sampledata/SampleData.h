#pragma once
// Realistic, repeatable exercise journals for screenshots, manual tests and benchmarks. The same
// options and seed always give the same records, so a benchmark run can be compared with the last.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/base/LocalTime.h"
#include "core/journal/EventRecord.h"

namespace kt::sample {

struct Options {
    size_t records = 3000;  // exactly this many records are made
    int years = 5;          // span of days that ends at lastDay
    Time64 lastDay = 0;     // local midnight of the newest day; 0 means today
    uint64_t seed = 20240501;
};

// Records in date order, metric (kilograms), spread over the days of the span with one to three
// events on most days. Activities are the fourteen default selected ones plus a few light
// calisthenics; durations 10-120 minutes, calories from the activity's MET value, a slowly
// drifting body weight, occasional notes, some of them outside Latin-1.
std::vector<CEventRecord> GenerateRecords(const Options& options);

// The option lists that go with the generated records (descriptions and locations they use).
const std::vector<std::string>& Descriptions();
const std::vector<std::string>& Locations();

// Writes a data folder (created when missing): "ExerciseData.edb" through the document's own save
// and "KTUserData.cfg" with the option lists. On failure returns false and fills `error`.
bool WriteDataFolder(const std::filesystem::path& folder, const std::vector<CEventRecord>& records, std::string* error = nullptr);

// A demo home for `kinetrax --demo`: a new folder "kinetrax-demo-XXXXXX" under `parent` (the
// system's temporary folder when empty) holding Documents/Quorvane/KT with a sample journal of
// `options`. The caller points the data folder and the settings store into it and removes it at
// the end. Returns the folder, or an empty path with `error` filled.
std::filesystem::path MakeDemoHome(const Options& options, const std::filesystem::path& parent = {}, std::string* error = nullptr);

// The Documents folder, the data folder and the settings file inside a demo home, where the
// program's own would be.
std::filesystem::path DemoDocumentsFolder(const std::filesystem::path& home);
std::filesystem::path DemoDataFolder(const std::filesystem::path& home);
std::filesystem::path DemoSettingsFile(const std::filesystem::path& home);

}  // namespace kt::sample
