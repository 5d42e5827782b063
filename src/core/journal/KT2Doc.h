#pragma once
// The document: the exercise database in memory with its weight unit and last weight, the
// database file "ExerciseData.edb" in the data folder, sorting, duplicate search and title, and
// the archive files beside it: trimming, viewing all files together and recombining them.
//
// Where records come from. In the all-data view (m_bAllData) the array holds the records of
// every database file of the folder. Each record carries the index of its file in m_arFiles
// (CEventRecord::m_nFile; 0 is the active file and every record made since), so sorting,
// inserting, replacing and deleting keep it without a parallel table. A save writes the active
// file from the records of file 0 only and rewrites an archive only when its records changed
// (a fingerprint taken when it was read tells), so archived records never leak into the active
// file and an edit of an archived record stays in its archive. Outside the all-data view
// m_arFiles is empty and every record is written to the active file.
//
// Every change of the record array goes through the operations below, which tell the registered
// observers what changed (see JournalObserver.h for the pattern).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/AtomicFile.h"
#include "core/base/Clock.h"
#include "core/base/LocalTime.h"
#include "core/base/Prompter.h"
#include "core/base/Trash.h"
#include "core/journal/DatabaseFormat.h"
#include "core/journal/EventRecord.h"
#include "core/journal/JournalLoad.h"
#include "core/journal/JournalObserver.h"
#include "core/journal/JournalTotals.h"

namespace kt {

// A last weight of 30 or less is taken for no weight at all: it is not passed to the main window
// at start-up, nor shown in the toolbar's weight field when the window is created.
inline constexpr double kShownWeightAbove = 30.0;

class CKT2Doc {
public:
    // Hooks that later subsystems fill; empty functions do nothing.
    struct Hooks {
        std::function<void(int month, int day)> autoArchiveCheck;  // yearly automatic archive
        std::function<void(double weight)> lastWeightToFrame;      // the frame's last weight (> kShownWeightAbove only)
    };

    // Start-up path: load, auto-archive check, title, last weight to the frame, clear changed.
    // A database file that exists but cannot be read is reported through `prompter`.
    bool OnNewDocument(Prompter& prompter, const Hooks& hooks = {});
    // The same with the journal read already (ReadJournal, maybe on another thread).
    bool OnNewDocument(LoadedJournal loaded, Prompter& prompter, const Hooks& hooks = {});
    // Close path: offers to save when records were added and not saved (Yes saves, No drops them,
    // Cancel keeps everything). Returns false when the window must stay open: the user cancelled,
    // or chose to save and the save failed (closing then would lose the records).
    bool OnCloseDocument(Prompter& prompter, const Clock& clock = DefaultClock());

    // Replaces the array by the active database file (or the older file name); clears m_bAllData.
    // A missing file, or an empty data folder path, gives an empty database. A file that exists
    // but cannot be read gives an empty database too; it is reported through `prompter` (when
    // given) and remembered, so that SaveDatabase asks before replacing it.
    void LoadDatabase(Prompter* prompter = nullptr);
    // What LoadDatabase does with the journal it read: the records are moved in (observers see a
    // reset), the unit, last weight and unreadable file taken over, and then the problems of the
    // read shown through `prompter` (when given) in their order.
    void InstallJournal(LoadedJournal loaded, Prompter* prompter);
    // Hands every line of a database file (any of the data folder's database, archive or backup
    // files) to ParseRecordLine, appending to the array (observers see a reset). Returns the number
    // of lines read, or -1 when the file cannot be read (the array is then unchanged and `error`
    // says why). When `header` is given it receives the number of a first line that holds no tab.
    long long ReadDatabaseFile(const std::filesystem::path& path, FileError* error = nullptr, std::optional<uint64_t>* header = nullptr);
    // Turns one file line (decoded, line end removed) into a record appended to the array (an
    // insertion for the observers), or ignores it. Updates m_bMetric and m_dLastWeight from the
    // line. The changed flag stays as it was, as with any load.
    void ParseRecordLine(const std::string& line);
    // The same for the bytes of a whole file already in memory (a leading UTF-8 byte-order mark,
    // as some editors add, is skipped), appended to the array (observers see a reset). Returns the
    // number of lines.
    long long ParseDatabaseContent(std::string_view content, std::optional<uint64_t>* header = nullptr);
    // Writes the array to "ExerciseData.edb" atomically. On failure reports through `prompter`,
    // leaves the old file and m_bChanged as they were, and returns false. When the file could not
    // be read at load, asks first (default No); No returns false with nothing written. In the
    // all-data view only the active file's records go there, and each archive whose records
    // changed is rewritten with its own header.
    bool SaveDatabase(Prompter& prompter, const Clock& clock = DefaultClock());
    // Orders the array by m_time ascending, keeping the order of equal dates.
    void SortByDate();

    // Record operations. Each one marks the document changed (as every edit of the views did),
    // tells the observers, and keeps every other record where it was. Positions must lie inside
    // the array (AddRecord and InsertRecord: up to its size); others are ignored (false).
    //
    // A new record of a capture: on an array in date order it is inserted after every record of
    // its day or earlier, which is where appending it and sorting by date would put it; on an
    // array out of order (a hand-edited file) it is appended. Returns its position.
    size_t AddRecord(CEventRecord record);
    bool InsertRecord(size_t position, CEventRecord record);
    // Appends records at the end in their order (an import); SortByDate puts them in place.
    void AppendRecords(std::vector<CEventRecord> records);
    bool ReplaceRecord(size_t position, CEventRecord record);
    bool DeleteRecord(size_t position);
    // Gives the record at `position` the date `day`; the record stays at its position.
    bool ChangeDate(size_t position, Time64 day);
    // Replaces the whole array (records read from elsewhere); the changed flag stays as it was.
    void SetRecords(std::vector<CEventRecord> records);
    // Marks the document changed without changing a record (a captured row that duplicates one).
    void MarkChanged();
    // The records are as the database file holds them again (an undo went back to the last save):
    // clears the changed flag without writing anything.
    void MarkUnchanged();

    const std::vector<CEventRecord>& Records() const { return m_arRecords; }
    // Whole-journal figures kept up to date by the operations (counted on first use after a
    // load or a reordering).
    const JournalTotals& Totals() const;
    // For an array in date order, by binary search (meaningless while !IsSorted()): the position
    // of the first record dated at or after `t` (the size when none is), and the positions
    // [first, last) of the records dated from `from` up to but not including `to`.
    size_t FirstFrom(Time64 t) const;
    std::pair<size_t, size_t> PositionsBetween(Time64 from, Time64 to) const;
    // Position of the last record in array order whose activity type is `type`.
    std::optional<size_t> LastRecordOfType(const std::string& type) const;
    // Records were added, replaced or deleted since the last save.
    bool IsChanged() const { return m_bChanged; }
    // True while the array is in date order (kept up to date by the operations, no walk).
    bool IsSorted() const { return m_bSorted; }

    // Observers are not owned; one must be removed before it is destroyed. A copy of a document
    // has no observers.
    void AddObserver(JournalObserver* observer);
    void RemoveObserver(JournalObserver* observer);
    // Position of the first record that duplicates the given values, or -1. In a date-ordered
    // array only the records of the few days around `day` are looked at.
    int FindRecord(Time64 day, const std::string& type, const std::string& description, double duration, const std::string& location) const;

    // Moves the active file's records dated before `cut` (a local midnight) into the archive file
    // of that cut; the cut day itself stays active. Records not saved yet take part as they are.
    // Order: a backup copy of the active file (a failed copy is reported and the trim goes on),
    // then the archive, merged with an archive of that name that exists already (sorted by date,
    // records it holds are not added twice), then the active file. A failed archive write stops
    // the trim with a message before the active file is touched; a failed active write is
    // reported and the archive is put back as it was. The array then holds the kept records and
    // the view is the active one. Pending edits of the all-data view are saved first. Returns true
    // when both files were written; m_bChanged is left as it was.
    bool TrimAndArchive(Time64 cut, Prompter& prompter, const Clock& clock = DefaultClock());
    // Reads every database file of the folder except backups into the array, sorted by date, and
    // sets m_bAllData. With fewer than two files, says so and returns their number, the array
    // unchanged; otherwise returns the number of lines read (headers included). A file that cannot
    // be read is reported, the array is left as it was, and -1 is returned.
    long long ReadAllDatabases(Prompter& prompter);
    // The recombine question: given the auto-archive setting, returns the setting to keep when
    // the user answered Yes, nullopt otherwise.
    using ConfirmRecombine = std::function<std::optional<std::string>(const std::string& autoArchive)>;
    // Asks `confirm`, takes over the setting it returns, saves pending records, reads all files,
    // writes them completely into one file and only then moves the old database files to `trash`
    // and puts the combined file in the active file's place. Returns ReadAllDatabases' count, 0
    // when the user said No. Afterwards every record belongs to the active file; m_bAllData stays.
    long long RecombineDatabases(Prompter& prompter, Trash& trash, const ConfirmRecombine& confirm, const Clock& clock = DefaultClock());
    // The yearly automatic archive (see AutoArchiveCut): trims when it is due. Returns the cut
    // when the trim was made, so the caller can show its report; nullopt otherwise.
    std::optional<Time64> AutoArchiveCheck(int month, int day, Prompter& prompter, const Clock& clock = DefaultClock());

    // The file lines of the database as UTF-8 text, ready for WriteTextFileAtomic (which encodes
    // them): the header with `saveTime`, then one line per record in array order.
    std::vector<std::string> DatabaseLines(Time64 saveTime) const;
    // The bytes of the database file of every record: what WriteTextFileAtomic makes of
    // DatabaseLines, built at once.
    std::string DatabaseContent(Time64 saveTime) const;
    std::filesystem::path DatabasePath() const;       // <data folder>/ExerciseData.edb
    std::filesystem::path OlderDatabasePath() const;  // <data folder>/ExerciseRecord2.txt

    // "Kinetrax 2: Records starting %s" from the first record, or "" for an empty database.
    std::string TitleText() const;
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(std::string title) { m_strTitle = std::move(title); }

    bool m_bMetric = false;        // weights in kilograms (true) or pounds (false)
    double m_dLastWeight = 0.0;    // most recent body weight, in the unit of m_bMetric
    std::string m_strDataFolder;   // data folder path without a trailing separator
    bool m_bAllData = false;       // the array holds every database file, not only the active one
    std::string m_strAutoArchive;  // "month day" of the yearly archive, "0 0" = off

    // A database file whose records the all-data view holds.
    struct SourceFile {
        std::string name;                // file name in the data folder
        std::optional<uint64_t> header;  // the header number it had; none: the time of writing
        uint64_t fingerprint = 0;        // of its records as last read or written
    };
    // The files of the all-data view, [0] being the active file; empty in the active view.
    std::vector<SourceFile> m_arFiles;

    // The database file that exists but could not be read by the last load; empty when none.
    const std::filesystem::path& UnreadableFile() const { return m_unreadableFile; }

private:
    friend class JournalBatch;
    // The file a record is written to in the all-data view; an unknown index counts as active.
    uint32_t FileOf(const CEventRecord& record) const;
    std::vector<uint64_t> Fingerprints() const;
    // The file bytes of the records of `file` (of every record when the view holds one file), as
    // the writer takes them; `count` receives how many records were written.
    PieceSource FilePieces(uint32_t file, Time64 header, size_t* count) const;
    bool WriteFileReporting(const std::filesystem::path& path, const PieceSource& content, Prompter& prompter);
    bool ConfirmReplaceUnreadable(Prompter& prompter) const;
    void BackupActiveFile(Time64 now, Prompter& prompter) const;
    void UseActiveViewOf(std::vector<CEventRecord> records);
    // Every record replaced at once: observers see a reset.
    void ReplaceArray(std::vector<CEventRecord> records);

    std::filesystem::path m_unreadableFile;
    // A list that a copy of the document does not share: observers watch one document.
    struct Observers {
        Observers() = default;
        Observers(const Observers&) {}
        Observers& operator=(const Observers&) { return *this; }
        std::vector<JournalObserver*> list;
    };

    // The loaders, without notices: they report the whole load.
    long long AppendDatabaseFile(const std::filesystem::path& path, FileError* error, std::optional<uint64_t>* header = nullptr);
    long long AppendDatabaseContent(std::string_view content, std::optional<uint64_t>* header = nullptr);
    void SetChanged(bool changed);
    // The record at `position` is in date order with its two neighbours.
    bool InOrderAt(size_t position) const;
    // Notes that an operation ran; without an open batch the change is reported at once.
    void Touch(bool records, bool reloaded = false);
    void EndBatch();
    template <typename Notice>
    void Notify(Notice notice) const;

    std::vector<CEventRecord> m_arRecords;  // the exercise database, file order after a load
    mutable JournalTotals m_totals;         // told of every change; counted when first asked
    bool m_bChanged = false;                // records added, replaced or deleted since the last save
    bool m_bSorted = true;
    std::string m_strTitle;
    Observers m_observers;
    int m_nBatchDepth = 0;
    bool m_bPending = false;
    JournalChange m_pending;
};

// Groups operations into one change: the observers get a single JournalChanged notice when the
// outermost batch ends. Row notices still arrive as each operation runs.
class JournalBatch {
public:
    explicit JournalBatch(CKT2Doc& doc) : m_doc(doc) { ++m_doc.m_nBatchDepth; }
    ~JournalBatch() { m_doc.EndBatch(); }
    JournalBatch(const JournalBatch&) = delete;
    JournalBatch& operator=(const JournalBatch&) = delete;

private:
    CKT2Doc& m_doc;
};

// A record's hash over every field as held in memory but its file of origin: equal records hash
// equal, and any change of a field (a digit of a duration, a letter of a note) changes it.
uint64_t RecordHash(const CEventRecord& record);

}  // namespace kt
