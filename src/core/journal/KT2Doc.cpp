#include "core/journal/KT2Doc.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <system_error>
#include <unordered_set>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/base/TextCodec.h"
#include "core/journal/Archive.h"
#include "core/journal/DatabaseFormat.h"
#include "core/journal/JournalLoad.h"
#include "core/journal/Texts.h"

namespace kt {
namespace {

// The file bytes of records (those `include` takes), the header line first, handed to the
// writer a piece at a time: each piece is formatted straight into one buffer that is written and
// filled again, so no line is held on its own, none is copied again to encode it, and a journal
// of a million records needs a megabyte to be saved. The header is digits, so the file never
// starts with a byte-order mark's bytes. `count`, when given, receives the records written.
class RecordPieces {
public:
    RecordPieces(const std::vector<CEventRecord>& records, Time64 header, std::function<bool(const CEventRecord&)> include, size_t* count)
        : m_state(std::make_shared<State>(State{&records, header, std::move(include), count, RecordFileWriter(), 0, false})) {}

    std::string_view operator()() const {
        State& s = *m_state;
        RecordFileWriter& out = s.writer;
        out.Clear();
        if (!s.started) {
            s.started = true;
            out.AddText(Format(journal::kHeaderFormat, static_cast<unsigned long long>(s.header)) + "\r\n");
            if (s.count) *s.count = 0;
        }
        for (; s.next < s.records->size() && !out.Full(); ++s.next) {
            const CEventRecord& record = (*s.records)[s.next];
            if (s.include && !s.include(record)) continue;
            if (!out.Add(record)) break;
            if (s.count) ++*s.count;
        }
        return out.Piece();
    }

private:
    struct State {
        const std::vector<CEventRecord>* records;
        Time64 header;
        std::function<bool(const CEventRecord&)> include;
        size_t* count;
        RecordFileWriter writer;
        size_t next;
        bool started;
    };
    std::shared_ptr<State> m_state;  // a PieceSource is copied; the copies go on together
};

// Durations count as equal when they agree to a tenth of a minute, halves rounded away from zero.
double Tenths(double minutes) { return std::round(minutes * 10.0); }

// The local midnight of a time lies less than two days away from it, even where a zone skipped or
// repeated a whole day; a record further from `day` than this cannot fall on it. The window spares
// the calendar conversion for all but the few records near the wanted day.
constexpr Time64 kSameDayWindow = 3 * kSecondsPerDay;

// FNV-1a over the bytes of a value, continuing from `h`.
uint64_t Mix(uint64_t h, std::string_view bytes) {
    for (unsigned char c : bytes) h = (h ^ c) * 0x100000001b3ULL;
    return (h ^ 0xff) * 0x100000001b3ULL;  // a field end, so "ab"+"c" differs from "a"+"bc"
}
uint64_t Mix(uint64_t h, uint64_t value) { return Mix(h, std::string_view(reinterpret_cast<const char*>(&value), sizeof value)); }

void Report(Prompter& prompter, const char* format, const std::filesystem::path& path, const FileError& error) {
    prompter.Message(Format(format, path.string().c_str(), static_cast<unsigned>(error.code), error.message.c_str()));
}

bool EarlierDate(const CEventRecord& a, const CEventRecord& b) { return a.m_time < b.m_time; }

}  // namespace

uint64_t RecordHash(const CEventRecord& r) {
    uint64_t h = 0xcbf29ce484222325ULL;
    h = Mix(h, static_cast<uint64_t>(r.m_time));
    h = Mix(h, r.m_strType);
    h = Mix(h, r.m_strDescription);
    h = Mix(h, std::bit_cast<uint64_t>(r.m_dDuration));
    h = Mix(h, r.m_strLocation);
    h = Mix(h, std::bit_cast<uint64_t>(r.m_dCalories));
    h = Mix(h, std::bit_cast<uint64_t>(r.m_dWeight));
    h = Mix(h, static_cast<uint64_t>(r.m_bMetric != 0));
    return Mix(h, r.m_strNotes);
}

namespace {

// Positions in a date-ordered array: the first record dated at or after `t`, and after it.
size_t PositionFrom(const std::vector<CEventRecord>& records, Time64 t) {
    return static_cast<size_t>(
        std::lower_bound(records.begin(), records.end(), t, [](const CEventRecord& r, Time64 x) { return r.m_time < x; }) -
        records.begin());
}
size_t PositionAfter(const std::vector<CEventRecord>& records, Time64 t) {
    return static_cast<size_t>(
        std::upper_bound(records.begin(), records.end(), t, [](Time64 x, const CEventRecord& r) { return x < r.m_time; }) -
        records.begin());
}

// The lines of `bytes` at most: the line ends and one more. (memchr is several times quicker than
// a loop over the bytes.)
size_t CountLines(std::string_view bytes) {
    size_t lines = 1;
    const char* end = bytes.data() + bytes.size();
    for (const char* p = bytes.data(); p < end; ++p, ++lines) {
        p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        if (!p) break;
    }
    return lines;
}

}  // namespace

bool CKT2Doc::OnNewDocument(Prompter& prompter, const Hooks& hooks) {
    return OnNewDocument(ReadJournal(m_strDataFolder, m_bMetric, m_dLastWeight), prompter, hooks);
}

bool CKT2Doc::OnNewDocument(LoadedJournal loaded, Prompter& prompter, const Hooks& hooks) {
    InstallJournal(std::move(loaded), &prompter);
    const MonthDay md = ReadMonthDay(m_strAutoArchive);
    if (md.month > 0 && md.day > 0 && hooks.autoArchiveCheck) hooks.autoArchiveCheck(md.month, md.day);
    SetTitle(TitleText());
    if (m_dLastWeight > kShownWeightAbove && hooks.lastWeightToFrame) hooks.lastWeightToFrame(m_dLastWeight);
    SetChanged(false);
    return true;
}

bool CKT2Doc::OnCloseDocument(Prompter& prompter, const Clock& clock) {
    if (!m_bChanged) return true;
    switch (prompter.AskYesNoCancel(journal::kUnsavedOnClose)) {
        case Answer::Yes:
            return SaveDatabase(prompter, clock);
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

std::filesystem::path CKT2Doc::DatabasePath() const { return DataFilePath(m_strDataFolder, journal::kDatabaseFileName); }

std::filesystem::path CKT2Doc::OlderDatabasePath() const { return DataFilePath(m_strDataFolder, journal::kOlderDatabaseFileName); }

void CKT2Doc::LoadDatabase(Prompter* prompter) { InstallJournal(ReadJournal(m_strDataFolder, m_bMetric, m_dLastWeight), prompter); }

void CKT2Doc::InstallJournal(LoadedJournal loaded, Prompter* prompter) {
    Notify([](JournalObserver* o) { o->AboutToReset(); });
    m_arRecords = std::move(loaded.records);
    m_bSorted = loaded.sorted;
    m_bMetric = loaded.metric;
    m_dLastWeight = loaded.lastWeight;
    m_bAllData = false;
    m_arFiles.clear();
    m_unreadableFile = std::move(loaded.unreadableFile);
    m_totals.Invalidate();
    Notify([](JournalObserver* o) { o->Reset(); });
    Touch(true, true);
    // After the views have the new records: a message box lets them paint.
    if (prompter) {
        for (const std::string& problem : loaded.problems) prompter->Message(problem);
    }
}

long long CKT2Doc::ReadDatabaseFile(const std::filesystem::path& path, FileError* error, std::optional<uint64_t>* header) {
    Notify([](JournalObserver* o) { o->AboutToReset(); });
    const long long lines = AppendDatabaseFile(path, error, header);
    m_totals.Invalidate();
    Notify([](JournalObserver* o) { o->Reset(); });
    Touch(true, true);
    return lines;
}

long long CKT2Doc::AppendDatabaseFile(const std::filesystem::path& path, FileError* error, std::optional<uint64_t>* header) {
    // The order is known for the records there are (an unordered array may have become ordered
    // by a deletion) and noted by the reader for the new ones, so no walk follows the load.
    const auto begin = m_arRecords.begin();
    m_bSorted = m_bSorted || std::is_sorted(begin, begin + static_cast<std::ptrdiff_t>(m_arRecords.size()), EarlierDate);
    return AppendRecordsFile(path, m_arRecords, m_bMetric, m_dLastWeight, m_bSorted, error, header);
}

long long AppendRecordsFile(const std::filesystem::path& path, std::vector<CEventRecord>& records, bool& metric, double& lastWeight,
                            bool& sorted, FileError* error, std::optional<uint64_t>* header, LoadProgress* progress) {
    // The file goes through one buffer of a piece's size and its lines are read where they lie,
    // so a journal costs its records and not also its file's bytes.
    const size_t before = records.size();
    const bool metricBefore = metric;
    const double lastWeightBefore = lastWeight;
    RecordReader reader(records, metric, lastWeight, header);
    bool first = true;
    const bool read = ReadFilePieces(
        path,
        [&](std::string_view unread, bool last, uint64_t fileSize) {
            if (progress) {
                if (progress->stop.load(std::memory_order_relaxed)) return unread.size();
                progress->fileSize.store(fileSize, std::memory_order_relaxed);
            }
            if (first) {
                first = false;
                // The lines of the first 64 KiB tell how many the file holds; room that is
                // reserved but never filled costs address space, not memory.
                constexpr size_t kSample = 64 << 10;
                const std::string_view sample = unread.substr(0, kSample);
                const size_t counted = CountLines(sample);
                size_t expected = counted;
                if (!sample.empty() && sample.size() < fileSize) {
                    const double perByte = static_cast<double>(counted) / static_cast<double>(sample.size());
                    expected = static_cast<size_t>(perByte * static_cast<double>(fileSize) * 1.25) + counted;
                }
                records.reserve(records.size() + expected);
            }
            const size_t used = reader.Read(unread, last);
            if (progress) progress->bytesRead.fetch_add(used, std::memory_order_relaxed);
            return used;
        },
        error);
    if (read) {
        const bool joined = before == 0 || before == records.size() || !EarlierDate(records[before], records[before - 1]);
        sorted = sorted && reader.InDateOrder() && joined;
        return reader.Lines();
    }
    // A file that failed half-way changes nothing.
    records.resize(before);
    metric = metricBefore;
    lastWeight = lastWeightBefore;
    return -1;
}

long long CKT2Doc::ParseDatabaseContent(std::string_view content, std::optional<uint64_t>* header) {
    Notify([](JournalObserver* o) { o->AboutToReset(); });
    const long long lines = AppendDatabaseContent(content, header);
    m_bSorted = std::is_sorted(m_arRecords.begin(), m_arRecords.end(), EarlierDate);
    m_totals.Invalidate();
    Notify([](JournalObserver* o) { o->Reset(); });
    Touch(true, true);
    return lines;
}

long long CKT2Doc::AppendDatabaseContent(std::string_view content, std::optional<uint64_t>* header) {
    m_arRecords.reserve(m_arRecords.size() + CountLines(content));
    RecordReader reader(m_arRecords, m_bMetric, m_dLastWeight, header);
    reader.Read(content, true);
    return reader.Lines();
}

void CKT2Doc::ParseRecordLine(const std::string& line) {
    const size_t before = m_arRecords.size();
    RecordReader(m_arRecords, m_bMetric, m_dLastWeight).ReadLine(line);
    if (m_arRecords.size() == before) return;
    // The record is in the array already; observers hear of it as of any insertion.
    CEventRecord record = std::move(m_arRecords.back());
    m_arRecords.pop_back();
    Notify([before](JournalObserver* o) { o->RecordsAboutToBeInserted(before, before); });
    m_arRecords.push_back(std::move(record));
    m_bSorted = m_bSorted && InOrderAt(before);
    m_totals.Inserted(m_arRecords, before, before, m_bSorted);
    Notify([before](JournalObserver* o) { o->RecordsInserted(before, before); });
    Touch(true);
}

std::vector<std::string> CKT2Doc::DatabaseLines(Time64 saveTime) const {
    std::vector<std::string> lines;
    lines.reserve(m_arRecords.size() + 1);
    lines.push_back(Format(journal::kHeaderFormat, static_cast<unsigned long long>(saveTime)));
    for (const CEventRecord& record : m_arRecords) lines.push_back(DatabaseRecordLine(record));
    return lines;
}

uint32_t CKT2Doc::FileOf(const CEventRecord& record) const { return record.m_nFile < m_arFiles.size() ? record.m_nFile : 0; }

std::vector<uint64_t> CKT2Doc::Fingerprints() const {
    // A sum of record hashes: the order the records stand in does not matter, only which they are.
    std::vector<uint64_t> sums(std::max<size_t>(m_arFiles.size(), 1), 0);
    for (const CEventRecord& r : m_arRecords) sums[FileOf(r)] += RecordHash(r);
    return sums;
}
std::string CKT2Doc::DatabaseContent(Time64 saveTime) const {
    std::string content;
    const RecordPieces pieces(m_arRecords, saveTime, nullptr, nullptr);
    for (std::string_view piece = pieces(); !piece.empty(); piece = pieces()) content += piece;
    return content;
}

PieceSource CKT2Doc::FilePieces(uint32_t file, Time64 header, size_t* count) const {
    if (m_arFiles.size() < 2) return RecordPieces(m_arRecords, header, nullptr, count);
    return RecordPieces(
        m_arRecords, header, [this, file](const CEventRecord& r) { return FileOf(r) == file; }, count);
}

bool CKT2Doc::WriteFileReporting(const std::filesystem::path& path, const PieceSource& content, Prompter& prompter) {
    FileError error;
    if (m_strDataFolder.empty()) {
        error.code = ENOENT;
        error.message = std::strerror(ENOENT);
    } else if (WriteFileAtomic(path, content, &error)) {
        return true;
    }
    Report(prompter, journal::kSaveFailedFormat, path, error);
    return false;
}

bool CKT2Doc::ConfirmReplaceUnreadable(Prompter& prompter) const {
    const std::filesystem::path path = DatabasePath();
    std::error_code ec;
    if (m_unreadableFile.empty() || m_unreadableFile != path || !std::filesystem::exists(path, ec)) return true;
    return prompter.AskYesNoDefaultNo(
        Format(journal::kReplaceUnreadableFormat, path.string().c_str(), static_cast<int>(m_arRecords.size())));
}

bool CKT2Doc::SaveDatabase(Prompter& prompter, const Clock& clock) {
    if (!ConfirmReplaceUnreadable(prompter)) return false;
    const Time64 now = clock.Now();
    size_t written = 0;
    if (!WriteFileReporting(DatabasePath(), FilePieces(0, now, &written), prompter)) return false;
    // The archives of the all-data view: only those whose records were edited are written back.
    if (m_arFiles.size() > 1) {
        const std::vector<uint64_t> sums = Fingerprints();
        for (uint32_t k = 1; k < m_arFiles.size(); ++k) {
            SourceFile& file = m_arFiles[k];
            if (sums[k] == file.fingerprint) continue;
            const Time64 header = file.header ? static_cast<Time64>(*file.header) : now;
            if (!WriteFileReporting(DataFilePath(m_strDataFolder, file.name), FilePieces(k, header, nullptr), prompter)) return false;
            file.fingerprint = sums[k];
        }
    }
    SetChanged(false);
    m_unreadableFile.clear();
    const SaveReport report{written, DatabasePath()};
    Notify([&report](JournalObserver* o) { o->Saved(report); });
    return true;
}

void CKT2Doc::SortByDate() {
    // The operations keep track of the order, so an ordered array costs nothing here; a walk is
    // needed only when a deletion may have put an unordered array in order.
    if (m_bSorted) return;
    if (std::is_sorted(m_arRecords.begin(), m_arRecords.end(), EarlierDate)) {
        // The totals were kept for an unordered array, without the days of the chart.
        m_bSorted = true;
        m_totals.Invalidate();
        return;
    }
    Notify([](JournalObserver* o) { o->AboutToReorder(); });
    std::stable_sort(m_arRecords.begin(), m_arRecords.end(), EarlierDate);
    m_bSorted = true;
    m_totals.Invalidate();
    Notify([](JournalObserver* o) { o->Reordered(); });
    Touch(true);
}

bool CKT2Doc::InOrderAt(size_t position) const {
    const Time64 t = m_arRecords[position].m_time;
    if (position > 0 && m_arRecords[position - 1].m_time > t) return false;
    return position + 1 >= m_arRecords.size() || t <= m_arRecords[position + 1].m_time;
}

size_t CKT2Doc::AddRecord(CEventRecord record) {
    const size_t position = m_bSorted ? PositionAfter(m_arRecords, record.m_time) : m_arRecords.size();
    InsertRecord(position, std::move(record));
    return position;
}

bool CKT2Doc::InsertRecord(size_t position, CEventRecord record) {
    if (position > m_arRecords.size()) return false;
    Notify([position](JournalObserver* o) { o->RecordsAboutToBeInserted(position, position); });
    m_arRecords.insert(m_arRecords.begin() + static_cast<std::ptrdiff_t>(position), std::move(record));
    m_bSorted = m_bSorted && InOrderAt(position);
    m_totals.Inserted(m_arRecords, position, position, m_bSorted);
    Notify([position](JournalObserver* o) { o->RecordsInserted(position, position); });
    SetChanged(true);
    Touch(true);
    return true;
}

void CKT2Doc::AppendRecords(std::vector<CEventRecord> records) {
    if (records.empty()) return;
    const size_t first = m_arRecords.size();
    const size_t last = first + records.size() - 1;
    Notify([first, last](JournalObserver* o) { o->RecordsAboutToBeInserted(first, last); });
    m_arRecords.insert(m_arRecords.end(), std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()));
    for (size_t i = first; m_bSorted && i <= last; ++i) m_bSorted = InOrderAt(i);
    m_totals.Inserted(m_arRecords, first, last, m_bSorted);
    Notify([first, last](JournalObserver* o) { o->RecordsInserted(first, last); });
    SetChanged(true);
    Touch(true);
}

bool CKT2Doc::ReplaceRecord(size_t position, CEventRecord record) {
    if (position >= m_arRecords.size()) return false;
    m_totals.AboutToChange(m_arRecords, position);
    Notify([position](JournalObserver* o) { o->RecordsAboutToChange(position, position); });
    m_arRecords[position] = std::move(record);
    m_bSorted = m_bSorted && InOrderAt(position);
    m_totals.Changed(m_arRecords, position, m_bSorted);
    Notify([position](JournalObserver* o) { o->RecordsChanged(position, position); });
    SetChanged(true);
    Touch(true);
    return true;
}

bool CKT2Doc::DeleteRecord(size_t position) {
    if (position >= m_arRecords.size()) return false;
    Notify([position](JournalObserver* o) { o->RecordsAboutToBeRemoved(position, position); });
    m_totals.AboutToRemove(m_arRecords, position);
    m_arRecords.erase(m_arRecords.begin() + static_cast<std::ptrdiff_t>(position));
    m_totals.Removed(m_arRecords, m_bSorted);
    Notify([position](JournalObserver* o) { o->RecordsRemoved(position, position); });
    SetChanged(true);
    Touch(true);
    return true;
}

bool CKT2Doc::ChangeDate(size_t position, Time64 day) {
    if (position >= m_arRecords.size()) return false;
    CEventRecord record = m_arRecords[position];
    record.m_time = day;
    return ReplaceRecord(position, std::move(record));
}

void CKT2Doc::SetRecords(std::vector<CEventRecord> records) { ReplaceArray(std::move(records)); }

void CKT2Doc::MarkChanged() {
    SetChanged(true);
    Touch(false);
}

void CKT2Doc::MarkUnchanged() { SetChanged(false); }

void CKT2Doc::SetChanged(bool changed) {
    if (m_bChanged == changed) return;
    m_bChanged = changed;
    Notify([changed](JournalObserver* o) { o->ModifiedChanged(changed); });
}

void CKT2Doc::Touch(bool records, bool reloaded) {
    m_bPending = true;
    m_pending.records = m_pending.records || records;
    m_pending.reloaded = m_pending.reloaded || reloaded;
    if (m_nBatchDepth == 0) EndBatch();
}

void CKT2Doc::EndBatch() {
    if (m_nBatchDepth > 0) --m_nBatchDepth;
    if (m_nBatchDepth > 0 || !m_bPending) return;
    const JournalChange change = m_pending;
    m_bPending = false;
    m_pending = {};
    Notify([&change](JournalObserver* o) { o->JournalChanged(change); });
}

template <typename Notice>
void CKT2Doc::Notify(Notice notice) const {
    // A copy: an observer may remove itself (or another) while being told, and one removed
    // meanwhile is not told any more.
    const std::vector<JournalObserver*> observers = m_observers.list;
    for (JournalObserver* o : observers) {
        if (std::find(m_observers.list.begin(), m_observers.list.end(), o) != m_observers.list.end()) notice(o);
    }
}

void CKT2Doc::AddObserver(JournalObserver* observer) {
    if (observer && std::find(m_observers.list.begin(), m_observers.list.end(), observer) == m_observers.list.end())
        m_observers.list.push_back(observer);
}

void CKT2Doc::RemoveObserver(JournalObserver* observer) {
    m_observers.list.erase(std::remove(m_observers.list.begin(), m_observers.list.end(), observer), m_observers.list.end());
}

int CKT2Doc::FindRecord(Time64 day, const std::string& type, const std::string& description, double duration,
                        const std::string& location) const {
    const std::string wantedType = Trim(type);
    // A location cell left untouched after a capture holds one blank; the stored location is
    // compared trimmed, so the typed one must be too, or a row captured again is not recognised.
    const std::string wantedLocation = Trim(location);
    const double wantedTenths = Tenths(duration);
    constexpr Time64 kMin = std::numeric_limits<Time64>::min();
    constexpr Time64 kMax = std::numeric_limits<Time64>::max();
    const Time64 low = day < kMin + kSameDayWindow ? kMin : day - kSameDayWindow;
    const Time64 high = day > kMax - kSameDayWindow ? kMax : day + kSameDayWindow;
    // In date order the window is one stretch of the array; otherwise it is looked for everywhere.
    size_t begin = 0;
    size_t end = m_arRecords.size();
    if (m_bSorted) {
        begin = PositionFrom(m_arRecords, low);
        end = PositionAfter(m_arRecords, high);
    }
    for (size_t i = begin; i < end; ++i) {
        const CEventRecord& record = m_arRecords[i];
        if (record.m_time < low || record.m_time > high) continue;
        if (record.m_strType != wantedType) continue;
        if (Tenths(record.m_dDuration) != wantedTenths) continue;
        if (Trim(record.m_strDescription) != description) continue;
        if (Trim(record.m_strLocation) != wantedLocation) continue;
        if (MidnightOf(record.m_time) != day) continue;
        return static_cast<int>(i);
    }
    return -1;
}

const JournalTotals& CKT2Doc::Totals() const {
    m_totals.Update(m_arRecords, m_bSorted);
    return m_totals;
}

size_t CKT2Doc::FirstFrom(Time64 t) const { return kt::PositionFrom(m_arRecords, t); }

std::pair<size_t, size_t> CKT2Doc::PositionsBetween(Time64 from, Time64 to) const {
    const size_t first = PositionFrom(m_arRecords, from);
    return {first, from < to ? std::max(first, PositionFrom(m_arRecords, to)) : first};
}

std::optional<size_t> CKT2Doc::LastRecordOfType(const std::string& type) const {
    size_t end = m_arRecords.size();
    if (m_bSorted) {
        // The type's newest date is kept; its last record is among the records of that date.
        const std::optional<Time64> newest = m_totals.NewestOfType(m_arRecords, type);
        if (!newest) return std::nullopt;
        end = PositionAfter(m_arRecords, *newest);
    }
    for (size_t i = end; i > 0; --i) {
        if (m_arRecords[i - 1].m_strType == type) return i - 1;
    }
    return std::nullopt;
}

std::string CKT2Doc::TitleText() const {
    if (m_arRecords.empty()) return std::string();
    return Format(journal::kTitleFormat, FormatTime(m_arRecords.front().m_time, journal::kTitleDateFormat).c_str());
}

void CKT2Doc::UseActiveViewOf(std::vector<CEventRecord> records) {
    for (CEventRecord& r : records) r.m_nFile = 0;
    m_arFiles.clear();
    ReplaceArray(std::move(records));
}

void CKT2Doc::ReplaceArray(std::vector<CEventRecord> records) {
    Notify([](JournalObserver* o) { o->AboutToReset(); });
    m_arRecords = std::move(records);
    m_bSorted = std::is_sorted(m_arRecords.begin(), m_arRecords.end(), EarlierDate);
    m_totals.Invalidate();
    Notify([](JournalObserver* o) { o->Reset(); });
    Touch(true, true);
}

void CKT2Doc::BackupActiveFile(Time64 now, Prompter& prompter) const {
    const std::filesystem::path source = DatabasePath();
    const std::filesystem::path target = DataFilePath(m_strDataFolder, BackupFileName(now));
    std::error_code ec;
    // Never over an existing backup: the first one of the day holds the file as it was before
    // the day's first trim.
    if (std::filesystem::copy_file(source, target, std::filesystem::copy_options::none, ec)) return;
    if (ec == std::errc::no_such_file_or_directory) {
        prompter.Message(Format(journal::kBackupSourceMissingFormat, source.string().c_str()));
    } else if (ec == std::errc::file_exists) {
        prompter.Message(journal::kBackupExists);
    } else {
        // The target did not exist before (that is the case above), so whatever the failed copy
        // left there is a partial copy that would pass for today's backup.
        std::error_code ignored;
        std::filesystem::remove(target, ignored);
        prompter.Message(Format(journal::kBackupFailedFormat, static_cast<unsigned>(ec.value()), ec.message().c_str()));
    }
}

bool CKT2Doc::TrimAndArchive(Time64 cut, Prompter& prompter, const Clock& clock) {
    // Edits of archived records in the all-data view must reach their files before the view goes.
    if (m_bAllData && m_bChanged && !SaveDatabase(prompter, clock)) return false;
    if (!ConfirmReplaceUnreadable(prompter)) return false;
    const Time64 now = clock.Now();
    std::vector<CEventRecord> archived, kept;
    for (const CEventRecord& r : m_arRecords) {
        // Records of other archives stay in their own files.
        if (m_arFiles.size() > 1 && FileOf(r) != 0) continue;
        (r.m_time < cut ? archived : kept).push_back(r);
    }
    if (m_strDataFolder.empty()) {
        WriteFileReporting(DatabasePath(), RecordPieces(kept, now, nullptr, nullptr), prompter);
        return false;
    }
    BackupActiveFile(now, prompter);

    // The archive first: until the active file is rewritten every record is still in it, so a
    // failure up to there loses nothing.
    const std::filesystem::path archivePath = DataFilePath(m_strDataFolder, ArchiveFileName(cut));
    std::error_code ec;
    const bool existed = std::filesystem::exists(archivePath, ec) || ec;
    std::string previous;
    CKT2Doc merged;
    FileError error;
    if (existed) {
        if (!ReadFileBytes(archivePath, previous, &error)) {
            Report(prompter, journal::kArchiveUnreadableFormat, archivePath, error);
            return false;
        }
        merged.ParseDatabaseContent(previous, nullptr);
    }
    std::unordered_set<std::string> held;
    for (const CEventRecord& r : merged.m_arRecords) held.insert(DatabaseRecordLine(r));
    std::vector<CEventRecord> added;
    for (CEventRecord& r : archived) {
        if (held.empty() || !held.count(DatabaseRecordLine(r))) added.push_back(std::move(r));
    }
    const bool writeArchive = !existed || !added.empty();
    merged.AppendRecords(std::move(added));
    if (writeArchive) {
        merged.SortByDate();
        if (!WriteFileAtomic(archivePath, RecordPieces(merged.m_arRecords, cut - kSecondsPerDay, nullptr, nullptr), &error)) {
            Report(prompter, journal::kArchiveFailedFormat, archivePath, error);
            return false;
        }
    }

    if (!WriteFileReporting(DatabasePath(), RecordPieces(kept, now, nullptr, nullptr), prompter)) {
        // The active file still holds every record: put the archive back so none is in two files.
        std::error_code ignored;
        if (writeArchive && existed) WriteFileAtomic(archivePath, previous);
        if (writeArchive && !existed) std::filesystem::remove(archivePath, ignored);
        return false;
    }
    UseActiveViewOf(std::move(kept));
    m_bAllData = false;
    m_unreadableFile.clear();
    return true;
}

long long CKT2Doc::ReadAllDatabases(Prompter& prompter) {
    const std::vector<std::string> names = ListDatabaseFiles(m_strDataFolder);
    if (names.size() < 2) {
        prompter.Message(journal::kOnlyOneDatabase);
        return static_cast<long long>(names.size());
    }
    // Read into a second document, so that a file failing half-way leaves this one as it was.
    CKT2Doc all;
    all.m_bMetric = m_bMetric;
    all.m_dLastWeight = m_dLastWeight;
    all.m_arFiles.push_back({journal::kDatabaseFileName, std::nullopt, 0});
    long long lines = 0;
    for (const std::string& name : names) {
        const std::filesystem::path path = DataFilePath(m_strDataFolder, name);
        const size_t first = all.m_arRecords.size();
        std::optional<uint64_t> header;
        FileError error;
        const long long read = all.ReadDatabaseFile(path, &error, &header);
        if (read < 0) {
            Report(prompter, journal::kReadAllFailedFormat, path, error);
            return -1;
        }
        lines += read;
        uint32_t index = 0;
        if (name != journal::kDatabaseFileName) {
            index = static_cast<uint32_t>(all.m_arFiles.size());
            all.m_arFiles.push_back({name, header, 0});
        }
        for (size_t i = first; i < all.m_arRecords.size(); ++i) all.m_arRecords[i].m_nFile = index;
    }
    const std::vector<uint64_t> sums = all.Fingerprints();
    for (size_t k = 0; k < all.m_arFiles.size(); ++k) all.m_arFiles[k].fingerprint = sums[k];
    all.SortByDate();
    m_arFiles = std::move(all.m_arFiles);
    ReplaceArray(std::move(all.m_arRecords));
    m_bMetric = all.m_bMetric;
    m_dLastWeight = all.m_dLastWeight;
    m_bAllData = true;
    if (m_unreadableFile == DatabasePath()) m_unreadableFile.clear();
    return lines;
}

long long CKT2Doc::RecombineDatabases(Prompter& prompter, Trash& trash, const ConfirmRecombine& confirm, const Clock& clock) {
    const std::optional<std::string> setting = confirm ? confirm(m_strAutoArchive) : std::nullopt;
    if (!setting) return 0;
    m_strAutoArchive = *setting;
    // The read below replaces the array: what was captured or edited must be in its file first.
    if (m_bChanged && !SaveDatabase(prompter, clock)) return 0;
    const long long lines = ReadAllDatabases(prompter);
    if (lines < 2) return lines;

    // Every record goes into one complete, flushed file before any old file is given up. It is
    // written beside the active file under a name no database listing matches, and takes the
    // active file's place only after the old files went to the trash. Until then the records
    // keep their files, so a failure leaves a consistent all-data view.
    const std::filesystem::path active = DatabasePath();
    const std::filesystem::path combined = active.string() + ".recombined";
    if (!WriteFileReporting(combined, RecordPieces(m_arRecords, clock.Now(), nullptr, nullptr), prompter)) return lines;
    const std::vector<std::string> names = ListDatabaseFiles(m_strDataFolder);
    FileError firstError;
    bool failed = false;
    for (const std::string& name : names) {
        FileError error;
        if (trash.MoveToTrash(DataFilePath(m_strDataFolder, name), error) || failed) continue;
        failed = true;
        firstError = error;
    }
    if (failed) {
        prompter.Message(Format(journal::kTrashFailedFormat, static_cast<int>(names.size()), static_cast<unsigned>(firstError.code),
                                firstError.message.c_str()));
    }
    UseActiveViewOf(std::move(m_arRecords));
    std::error_code ec;
    std::filesystem::rename(combined, active, ec);
    if (ec) {
        // The records are all in the combined file; a save writes them to the active file.
        prompter.Message(Format(journal::kRecombineRenameFailedFormat, combined.string().c_str(), static_cast<unsigned>(ec.value()),
                                ec.message().c_str()));
        SetChanged(true);
        return lines;
    }
    SetChanged(false);
    m_unreadableFile.clear();
    return lines;
}

std::optional<Time64> CKT2Doc::AutoArchiveCheck(int month, int day, Prompter& prompter, const Clock& clock) {
    const std::optional<Time64> cut = AutoArchiveCut(month, day, clock.Now(), m_strDataFolder);
    if (!cut || !TrimAndArchive(*cut, prompter, clock)) return std::nullopt;
    return cut;
}

}  // namespace kt
