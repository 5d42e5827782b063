#pragma once
// Every change of the journal reaches a small file beside it the moment it happens, so that a
// crash, a kill or a power cut between two saves costs nothing: the next start finds the changes
// and offers them back.
//
// The file ("ExerciseData.recovery" in the data folder) starts with a header naming the database
// file it continues: that file's inode, size and modification time when the last save (or the
// start) left it. Then one line per change, in the document's own operations, with positions in
// the array as it was at that moment:
//
//   I <pos> <file> <record line>   a record inserted at <pos>, from database file <file>
//   R <pos> <file> <record line>   the record at <pos> replaced (a correction, a new date)
//   D <pos>                        the record at <pos> removed
//   S                              the array sorted by date
//   Z                              the array emptied (followed by I lines: a whole new array)
//
// Fields are separated by TAB, the record line is the database file's own line, so replaying the
// lines on the saved file through the same operations rebuilds the array exactly. The lines of one
// operation (a capture of five rows is one) are written and flushed to disk together when the
// operation completes; a save empties the file. A header that no longer matches the database file
// means the changes were saved after all (the program ended between the save's rename and the
// emptying) or the file was replaced: nothing is applied then, and the file is kept aside.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/Prompter.h"
#include "core/journal/JournalObserver.h"

namespace kt {

class CKT2Doc;

inline constexpr char kRecoveryFileName[] = "ExerciseData.recovery";

// What identifies one version of the database file: a save writes a new file (a new inode).
struct FileFingerprint {
    unsigned long long inode = 0, size = 0;
    long long mtimeNs = 0;
    friend bool operator==(const FileFingerprint&, const FileFingerprint&) = default;
};
FileFingerprint FingerprintOf(const std::filesystem::path& file);

// One change as the file holds it.
struct RecoveryStep {
    char op = 0;  // 'I', 'R', 'D', 'S' or 'Z'
    size_t position = 0;
    unsigned file = 0;
    std::string recordLine;
};

struct RecoveryContent {
    FileFingerprint base;
    bool allData = false;  // positions refer to the view of every database file
    std::vector<RecoveryStep> steps;
};

// Reads a recovery file; none when it is missing or holds no header. Lines that cannot be read
// end the list (a line torn by the crash is the last one).
std::optional<RecoveryContent> ReadRecoveryFile(const std::filesystem::path& file);

// Applies the steps to the document through its operations, in order. Returns how many applied;
// it stops at the first step whose position does not fit the array.
size_t ApplyRecoverySteps(CKT2Doc& doc, const std::vector<RecoveryStep>& steps);

// Writes the document's changes to the recovery file while attached.
class RecoveryJournal : public JournalObserver {
public:
    // `folder` is the data folder (the file goes beside the journal). Nothing is written until
    // Start. `prompter` hears once when the file cannot be written any more.
    RecoveryJournal(CKT2Doc& doc, std::filesystem::path folder, Prompter& prompter);
    ~RecoveryJournal() override;
    RecoveryJournal(const RecoveryJournal&) = delete;
    RecoveryJournal& operator=(const RecoveryJournal&) = delete;

    // The start-up step, after the document is loaded and before anything is edited: a recovery
    // file left by an earlier run is offered (Yes applies it, No keeps it aside under a dated name;
    // a file that no longer matches the database is kept aside with a message); then the file is
    // started afresh for this run (or continued, when its changes were applied) and the journal
    // starts recording. Without a data folder it records nothing.
    void Start(const Clock& clock = DefaultClock());
    // The user chose to close without saving: the changes are not to be offered again.
    void Discard();
    const std::filesystem::path& File() const { return m_file; }

    void RecordsInserted(size_t first, size_t last) override;
    void RecordsChanged(size_t first, size_t last) override;
    void RecordsAboutToBeRemoved(size_t first, size_t last) override;
    void Reordered() override;
    void Reset() override;
    void JournalChanged(const JournalChange& change) override;
    void Saved(const SaveReport& report) override;

private:
    // Empties the file and writes a header for the database file as it is now.
    void Restart();
    void AppendRecordSteps(char op, size_t first, size_t last);
    void Flush();
    void SetAside(const Clock& clock);

    CKT2Doc& m_doc;
    std::filesystem::path m_file;
    Prompter& m_prompter;
    int m_fd = -1;
    std::string m_pending;  // lines of the operation under way
    bool m_recording = false;
    bool m_failed = false;     // reported once
    bool m_discarded = false;  // the user dropped the changes recorded so far
    std::string m_asideName;   // the name an earlier run's file was kept under
};

}  // namespace kt
