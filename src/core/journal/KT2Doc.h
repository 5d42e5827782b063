#pragma once
// The document: the exercise database in memory with its weight unit and last weight, the
// database file "ExerciseData.edb" in the data folder, sorting, duplicate search and title.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/AtomicFile.h"
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
    // A database file that exists but cannot be read is reported through `prompter`.
    bool OnNewDocument(Prompter& prompter, const Hooks& hooks = {});
    // Close path: offers to save when records were added and not saved (Yes saves, No drops them,
    // Cancel keeps everything). Returns false when the window must stay open: the user cancelled,
    // or chose to save and the save failed (closing then would lose the records).
    bool OnCloseDocument(Prompter& prompter, const Clock& clock = DefaultClock());

    // Replaces the array by the active database file (or the older file name); clears m_bAllData.
    // A missing file, or an empty data folder path, gives an empty database. A file that exists
    // but cannot be read gives an empty database too; it is reported through `prompter` (when
    // given) and remembered, so that SaveDatabase asks before replacing it.
    void LoadDatabase(Prompter* prompter = nullptr);
    // Turns one file line (decoded, line end removed) into a record appended to the array, or
    // ignores it. Updates m_bMetric and m_dLastWeight from the line.
    void ParseRecordLine(const std::string& line);
    // Hands every line of a database file (any of the data folder's database, archive or backup
    // files) to ParseRecordLine, appending to the array. Returns the number of lines read, or -1
    // when the file cannot be read (the array is then unchanged and `error` says why).
    long long ReadDatabaseFile(const std::filesystem::path& path, FileError* error = nullptr);
    // The same for the bytes of a whole file already in memory (a leading UTF-8 byte-order mark,
    // as some editors add, is skipped). Returns the number of lines.
    long long ParseDatabaseContent(std::string_view content);
    // Writes the array to "ExerciseData.edb" atomically. On failure reports through `prompter`,
    // leaves the old file and m_bChanged as they were, and returns false. When the file could not
    // be read at load, asks first (default No); No returns false with nothing written.
    bool SaveDatabase(Prompter& prompter, const Clock& clock = DefaultClock());
    // Orders the array by m_time ascending, keeping the order of equal dates.
    void SortByDate();
    // Position of the first record that duplicates the given values, or -1.
    int FindRecord(Time64 day, const std::string& type, const std::string& description, double duration, const std::string& location) const;

    // The file lines of the database as UTF-8 text, ready for WriteTextFileAtomic (which encodes
    // them): the header with `saveTime`, then one line per record in array order.
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

    // The database file that exists but could not be read by the last load; empty when none.
    const std::filesystem::path& UnreadableFile() const { return m_unreadableFile; }

private:
    void ParseRecordView(std::string_view line);

    std::filesystem::path m_unreadableFile;
    std::string m_strTitle;
};

// Replaces every tab, CR, LF and NUL by one blank: a text must never shift the fields of a line,
// nor end early where a writer takes it as a C string.
std::string SanitizeFieldText(std::string text);

// The database file line of one record (UTF-8, no line end), texts sanitized. Archive and backup
// files use the same line.
std::string DatabaseRecordLine(const CEventRecord& record);

}  // namespace kt
