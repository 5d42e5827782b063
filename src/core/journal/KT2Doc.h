#pragma once
// The document: the exercise database in memory with its weight unit and last weight, the
// database file "ExerciseData.edb" in the data folder, sorting, duplicate search and title.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/LocalTime.h"
#include "core/base/Prompter.h"
#include "core/journal/EventRecord.h"

namespace kt {

class CKT2Doc {
public:
    // Hooks that later subsystems fill; empty functions do nothing.
    struct Hooks {
        std::function<void(int month, int day)> autoArchiveCheck;  // yearly automatic archive
        std::function<void(double weight)> lastWeightToFrame;      // the frame's last weight (> 30.0 only)
    };

    // Start-up path: load, auto-archive check, title, last weight to the frame, clear changed.
    bool OnNewDocument(const Hooks& hooks = {});
    // Close path: offers to save when records were added and not saved (Yes saves).
    void OnCloseDocument(Prompter& prompter, const Clock& clock = DefaultClock());

    // Replaces the array by the active database file (or the older file name); clears m_bAllData.
    void LoadDatabase();
    // Turns one file line into a record appended to the array, or ignores it.
    void ParseRecordLine(const std::string& line);
    // Writes the array to "ExerciseData.edb" atomically. On failure reports through `prompter`,
    // leaves the old file and m_bChanged as they were, and returns false.
    bool SaveDatabase(Prompter& prompter, const Clock& clock = DefaultClock());
    // Orders the array by m_time ascending, keeping the order of equal dates.
    void SortByDate();
    // Position of the first record that duplicates the given values, or -1.
    int FindRecord(Time64 day, const std::string& type, const std::string& description, double duration, const std::string& location) const;

    // The encoded file lines of the database (header with `saveTime`, one line per record).
    std::vector<std::string> DatabaseLines(Time64 saveTime) const;
    std::filesystem::path DatabasePath() const;       // <data folder>/ExerciseData.edb
    std::filesystem::path OlderDatabasePath() const;  // <data folder>/ExerciseRecord2.txt

    // "Kinetrax 2: Records starting %s" from the first record, or "" for an empty database.
    std::string TitleText() const;
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(std::string title) { m_strTitle = std::move(title); }

    std::vector<CEventRecord> m_arRecords;  // the exercise database, file order after a load
    bool m_bMetric = false;                 // weights in kilograms (true) or pounds (false)
    double m_dLastWeight = 0.0;             // most recent body weight, in the unit of m_bMetric
    std::string m_strDataFolder;            // data folder path without a trailing separator
    bool m_bChanged = false;                // records added, replaced or deleted since the last save
    bool m_bAllData = false;                // the array holds every database file, not only the active one
    std::string m_strAutoArchive;           // "month day" of the yearly archive, "0 0" = off

private:
    std::string m_strTitle;
};

// Replaces every tab, CR and LF by one blank: a text must never shift the fields of a line.
std::string SanitizeFieldText(std::string text);

}  // namespace kt
