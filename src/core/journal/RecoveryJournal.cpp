#include "core/journal/RecoveryJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/base/TextCodec.h"
#include "core/journal/KT2Doc.h"
#include "core/journal/Texts.h"

namespace kt {
namespace {

constexpr char kMagic[] = "KTRECOVERY";
constexpr int kFormatVersion = 1;

std::vector<std::string_view> SplitTabs(std::string_view line, size_t maxFields) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < maxFields) {
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos) break;
        fields.push_back(line.substr(0, tab));
        line = line.substr(tab + 1);
    }
    fields.push_back(line);
    return fields;
}

bool ReadCount(std::string_view text, unsigned long long& out) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return false;
    const auto value = ScanU64(text);
    if (!value) return false;
    out = *value;
    return true;
}

std::optional<RecoveryStep> ReadStep(std::string_view line) {
    if (line.empty()) return std::nullopt;
    RecoveryStep step;
    step.op = line[0];
    const std::vector<std::string_view> f = SplitTabs(line, 4);
    unsigned long long position = 0, file = 0;
    switch (step.op) {
        case 'S':
        case 'Z':
            return f.size() == 1 && f[0].size() == 1 ? std::optional(step) : std::nullopt;
        case 'D':
            if (f.size() != 2 || f[0].size() != 1 || !ReadCount(f[1], position)) return std::nullopt;
            step.position = static_cast<size_t>(position);
            return step;
        case 'I':
        case 'R':
            if (f.size() != 4 || f[0].size() != 1 || !ReadCount(f[1], position) || !ReadCount(f[2], file)) return std::nullopt;
            // Every record line holds its nine fields; fewer means the line was torn.
            if (std::count(f[3].begin(), f[3].end(), '\t') < 8) return std::nullopt;
            step.position = static_cast<size_t>(position);
            step.file = static_cast<unsigned>(file);
            step.recordLine = DecodeLine(f[3]);
            return step;
        default:
            return std::nullopt;
    }
}

std::optional<CEventRecord> RecordOf(const RecoveryStep& step) {
    CKT2Doc scratch;
    scratch.ParseDatabaseContent(step.recordLine);
    if (scratch.Records().size() != 1) return std::nullopt;
    CEventRecord record = scratch.Records()[0];
    record.m_nFile = step.file;
    return record;
}

}  // namespace

FileFingerprint FingerprintOf(const std::filesystem::path& file) {
    struct stat st {};
    if (file.empty() || ::stat(file.c_str(), &st) != 0) return {};
    return {static_cast<unsigned long long>(st.st_ino), static_cast<unsigned long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

std::optional<RecoveryContent> ReadRecoveryFile(const std::filesystem::path& file) {
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) return std::nullopt;
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.empty()) return std::nullopt;
    const std::vector<std::string_view> h = SplitTabs(lines[0], 7);
    unsigned long long version = 0, all = 0, inode = 0, size = 0, mtime = 0;
    if (h.size() != 6 || h[0] != kMagic || !ReadCount(h[1], version) || version != kFormatVersion || !ReadCount(h[2], all) ||
        !ReadCount(h[3], inode) || !ReadCount(h[4], size) || !ReadCount(h[5], mtime))
        return std::nullopt;
    RecoveryContent content;
    content.base = {inode, size, static_cast<long long>(mtime)};
    content.allData = all != 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::optional<RecoveryStep> step = ReadStep(lines[i]);
        if (!step) break;
        content.steps.push_back(std::move(*step));
    }
    return content;
}

size_t ApplyRecoverySteps(CKT2Doc& doc, const std::vector<RecoveryStep>& steps) {
    // One change for the views, however many steps.
    JournalBatch batch(doc);
    size_t applied = 0;
    for (const RecoveryStep& step : steps) {
        bool ok = false;
        switch (step.op) {
            case 'I':
            case 'R':
                if (const auto record = RecordOf(step)) {
                    ok = step.op == 'I' ? doc.InsertRecord(step.position, *record) : doc.ReplaceRecord(step.position, *record);
                }
                break;
            case 'D':
                ok = doc.DeleteRecord(step.position);
                break;
            case 'S':
                doc.SortByDate();
                ok = true;
                break;
            case 'Z':
                doc.SetRecords({});
                doc.MarkChanged();
                ok = true;
                break;
        }
        if (!ok) break;
        ++applied;
    }
    return applied;
}

RecoveryJournal::RecoveryJournal(CKT2Doc& doc, std::filesystem::path folder, Prompter& prompter)
    : m_doc(doc), m_file(DataFilePath(folder, kRecoveryFileName)), m_prompter(prompter) {}

RecoveryJournal::~RecoveryJournal() {
    m_doc.RemoveObserver(this);
    if (m_fd >= 0) ::close(m_fd);
    // Nothing left to recover: the file would only be clutter in the data folder.
    if (m_recording && (!m_doc.IsChanged() || m_discarded)) {
        std::error_code ec;
        std::filesystem::remove(m_file, ec);
    }
}

void RecoveryJournal::Start(const Clock& clock) {
    if (m_file.empty() || m_recording) return;
    bool continued = false;
    if (const std::optional<RecoveryContent> found = ReadRecoveryFile(m_file); found && !found->steps.empty()) {
        const int count = static_cast<int>(found->steps.size());
        if (!(FingerprintOf(m_doc.DatabasePath()) == found->base)) {
            SetAside(clock);
            m_prompter.Message(Format(journal::kRecoveryStaleFormat, m_asideName.c_str()));
        } else if (!m_prompter.AskYesNo(Format(journal::kRecoveryOfferFormat, count))) {
            SetAside(clock);
        } else {
            if (found->allData) m_doc.ReadAllDatabases(m_prompter);
            const size_t applied = ApplyRecoverySteps(m_doc, found->steps);
            if (applied == found->steps.size()) {
                continued = true;  // the file already says how the array differs from the saved one
            } else {
                SetAside(clock);
                m_prompter.Message(Format(journal::kRecoveryPartialFormat, static_cast<int>(applied), count, m_asideName.c_str()));
            }
        }
    }
    m_fd = ::open(m_file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    m_recording = true;
    if (!continued) {
        Restart();
        // Changes applied only in part are in memory but in no file: write the whole array.
        if (m_doc.IsChanged()) Reset();
        Flush();
    }
    m_doc.AddObserver(this);
}

void RecoveryJournal::Discard() {
    if (!m_recording) return;
    m_pending.clear();
    Restart();
    m_discarded = true;
}

void RecoveryJournal::Restart() {
    m_pending.clear();
    if (m_fd < 0) return;
    const FileFingerprint base = FingerprintOf(m_doc.DatabasePath());
    const std::string header =
        Format("%s\t%d\t%d\t%llu\t%llu\t%lld\r\n", kMagic, kFormatVersion, m_doc.m_bAllData ? 1 : 0, base.inode, base.size, base.mtimeNs);
    if (::ftruncate(m_fd, 0) != 0 || ::write(m_fd, header.data(), header.size()) != static_cast<ssize_t>(header.size()) ||
        ::fdatasync(m_fd) != 0) {
        m_pending = "";  // reported by the next flush
    }
}

void RecoveryJournal::AppendRecordSteps(char op, size_t first, size_t last) {
    const auto& records = m_doc.Records();
    for (size_t i = first; i <= last && i < records.size(); ++i) {
        m_pending += Format("%c\t%zu\t%u\t", op, i, static_cast<unsigned>(records[i].m_nFile));
        AppendRecordLine(m_pending, records[i], true);
        m_pending += "\r\n";
    }
}

void RecoveryJournal::RecordsInserted(size_t first, size_t last) { AppendRecordSteps('I', first, last); }

void RecoveryJournal::RecordsChanged(size_t first, size_t last) { AppendRecordSteps('R', first, last); }

void RecoveryJournal::RecordsAboutToBeRemoved(size_t first, size_t last) {
    // Each removal shifts the rest down: the same position, once per record.
    for (size_t i = first; i <= last; ++i) m_pending += Format("D\t%zu\r\n", first);
}

void RecoveryJournal::Reordered() { m_pending += "S\r\n"; }

void RecoveryJournal::Reset() {
    // A new array: when it is what the files hold (a load, a view switch after a save), the file
    // starts afresh; otherwise the whole array is written out.
    if (!m_doc.IsChanged()) {
        Restart();
        return;
    }
    m_pending += "Z\r\n";
    if (!m_doc.Records().empty()) AppendRecordSteps('I', 0, m_doc.Records().size() - 1);
}

void RecoveryJournal::JournalChanged(const JournalChange&) { Flush(); }

void RecoveryJournal::Saved(const SaveReport&) { Restart(); }

void RecoveryJournal::Flush() {
    if (m_pending.empty()) return;
    m_discarded = false;
    bool ok = m_fd >= 0;
    size_t done = 0;
    while (ok && done < m_pending.size()) {
        const ssize_t n = ::write(m_fd, m_pending.data() + done, m_pending.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<size_t>(n);
    }
    const int error = ok ? 0 : (m_fd < 0 ? ENOENT : errno);
    if (ok && ::fdatasync(m_fd) != 0) ok = false;
    m_pending.clear();
    if (ok || m_failed) return;
    m_failed = true;
    m_prompter.Message(Format(journal::kRecoveryWriteFailedFormat, m_file.string().c_str(), std::strerror(error ? error : EIO)));
}

void RecoveryJournal::SetAside(const Clock& clock) {
    const std::string stamp = FormatTime(clock.Now(), "%Y-%m-%d-%H%M%S");
    std::filesystem::path aside = m_file;
    aside += "-" + stamp;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(aside, ec); ++n) {
        aside = m_file;
        aside += Format("-%s-%d", stamp.c_str(), n);
    }
    std::filesystem::rename(m_file, aside, ec);
    m_asideName = aside.filename().string();
}

}  // namespace kt
