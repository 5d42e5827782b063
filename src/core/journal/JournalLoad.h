#pragma once
// Reading the active journal apart from the document. A journal of a million records takes a
// good part of a second to read, and the window should not wait for it: ReadJournal only fills
// its own result, so it may run on a thread of its own (JournalLoader) while the window paints,
// and the document takes the result over on its own thread afterwards (CKT2Doc::InstallJournal,
// which moves the records in and shows the problems the read met, in their order).

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/base/AtomicFile.h"
#include "core/journal/EventRecord.h"

namespace kt {

// What reading the active database file gave.
struct LoadedJournal {
    std::vector<CEventRecord> records;     // in file order
    bool sorted = true;                    // the records are in date order (noted while reading)
    bool metric = false;                   // the unit as the last line left it (the given one when none set it)
    double lastWeight = 0.0;               // the last weight above 0 read (the given one when none was)
    std::filesystem::path unreadableFile;  // a database file that exists but could not be read
    std::vector<std::string> problems;     // messages for the user, in the order they arose
    bool stopped = false;                  // the read was stopped half-way: the records are not the file's
};

// How far a read has come, and a request to stop it; shared between the reading thread and others.
struct LoadProgress {
    std::atomic<uint64_t> bytesRead{0};
    std::atomic<uint64_t> fileSize{0};
    std::atomic<bool> stop{false};
};

// Appends the records of a database file to `records` (see RecordReader for the lines). Returns
// the number of lines, or -1 when the file cannot be read: `records`, `metric` and `lastWeight`
// are then as they were and `error` says why. `sorted` tells whether `records` were in date
// order before and, after a read, whether they are now. `progress`, when given, is kept up to date; once
// its stop is set the rest of the file is read past without making records.
long long AppendRecordsFile(const std::filesystem::path& path, std::vector<CEventRecord>& records, bool& metric, double& lastWeight,
                            bool& sorted, FileError* error = nullptr, std::optional<uint64_t>* header = nullptr,
                            LoadProgress* progress = nullptr);

// Reads "ExerciseData.edb" of `dataFolder` (the older "ExerciseRecord2.txt" when it is missing),
// starting from the unit and last weight the settings gave. A missing file, or no folder, is an
// empty journal; a file that exists but cannot be read is an empty journal with a problem.
LoadedJournal ReadJournal(const std::string& dataFolder, bool metric, double lastWeight, LoadProgress* progress = nullptr);

// ReadJournal on a thread of its own, started at construction. `finished` is called on that
// thread when the result is ready (a caller hands it on to its own thread). Destroying the loader
// stops the read and waits for the thread.
class JournalLoader {
public:
    JournalLoader(std::string dataFolder, bool metric, double lastWeight, std::function<void()> finished = {});
    ~JournalLoader();
    JournalLoader(const JournalLoader&) = delete;
    JournalLoader& operator=(const JournalLoader&) = delete;

    // Per cent of the file read, 0 to 100; nullopt while the size is not known (a pipe).
    std::optional<int> Percent() const;
    bool Done() const { return m_done.load(std::memory_order_acquire); }
    // Waits for the thread and hands over its result (once).
    LoadedJournal Take();

private:
    LoadProgress m_progress;
    std::atomic<bool> m_done{false};
    LoadedJournal m_result;
    std::thread m_thread;
};

}  // namespace kt
