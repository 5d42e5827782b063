#include "core/journal/KT2Doc.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/base/TextCodec.h"
#include "core/journal/Texts.h"

namespace kt {
namespace {

constexpr char kEscapeByte = '\x1B';

// A line of plain ASCII is already its own UTF-8 text; only other lines pay for a decoded copy.
bool NeedsDecoding(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == kEscapeByte) return true;
    }
    return false;
}

// A NUL would end the text for every C-string writer, cutting the rest of the field off.
bool HasFieldBreak(const std::string& text) { return text.find_first_of(std::string_view("\t\r\n\0", 4)) != std::string::npos; }

// Most texts are clean: hand those out as they are and copy only the few that need a blank.
const char* CleanField(const std::string& text, std::string& scratch) {
    if (!HasFieldBreak(text)) return text.c_str();
    scratch = SanitizeFieldText(text);
    return scratch.c_str();
}

bool IsScanSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Reads "%d %d": a number that cannot be read, and every number after it, stays 0.
void ReadMonthDay(std::string_view text, int& month, int& day) {
    month = 0;
    day = 0;
    const auto first = ScanInt(text);
    if (!first) return;
    month = *first;
    size_t i = 0;
    while (i < text.size() && IsScanSpace(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    day = ScanIntOr(text.substr(i), 0);
}

// Durations count as equal when they agree to a tenth of a minute, halves rounded away from zero.
double Tenths(double minutes) { return std::round(minutes * 10.0); }

// The local midnight of a time lies less than two days away from it, even where a zone skipped or
// repeated a whole day; a record further from `day` than this cannot fall on it. The window spares
// the calendar conversion for all but the few records near the wanted day.
constexpr Time64 kSameDayWindow = 3 * kSecondsPerDay;

}  // namespace

std::string SanitizeFieldText(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    return text;
}

std::string DatabaseRecordLine(const CEventRecord& record) {
    std::string type, description, location, notes;
    return Format(journal::kRecordFormat, static_cast<unsigned long long>(record.m_time), CleanField(record.m_strType, type),
                  CleanField(record.m_strDescription, description), record.m_dDuration, CleanField(record.m_strLocation, location),
                  record.m_dCalories, record.m_dWeight, record.m_bMetric != 0 ? 1 : 0, CleanField(record.m_strNotes, notes));
}

bool CKT2Doc::OnNewDocument(Prompter& prompter, const Hooks& hooks) {
    LoadDatabase(&prompter);
    int month = 0;
    int day = 0;
    ReadMonthDay(m_strAutoArchive, month, day);
    if (month > 0 && day > 0 && hooks.autoArchiveCheck) hooks.autoArchiveCheck(month, day);
    SetTitle(TitleText());
    if (m_dLastWeight > 30.0 && hooks.lastWeightToFrame) hooks.lastWeightToFrame(m_dLastWeight);
    m_bChanged = false;
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

void CKT2Doc::LoadDatabase(Prompter* prompter) {
    m_arRecords.clear();
    m_bAllData = false;
    m_unreadableFile.clear();
    // Without a data folder the bare file name would be looked up in whatever the current folder
    // happens to be; there is simply no database then.
    if (m_strDataFolder.empty()) return;
    std::filesystem::path path = DatabasePath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) path = OlderDatabasePath();
    FileError error;
    // ENOTDIR: a part of the folder path is a file, so there is no database file either.
    if (ReadDatabaseFile(path, &error) >= 0 || error.code == ENOENT || error.code == ENOTDIR) return;
    // The file is there but its records are not: starting empty is all that can be done, but the
    // user must know, and a save must not silently put the few new records in its place.
    m_unreadableFile = path;
    if (prompter) {
        prompter->Message(
            Format(journal::kUnreadableFormat, path.string().c_str(), static_cast<unsigned>(error.code), error.message.c_str()));
    }
}

long long CKT2Doc::ReadDatabaseFile(const std::filesystem::path& path, FileError* error) {
    std::string content;
    if (!ReadFileBytes(path, content, error)) return -1;
    return ParseDatabaseContent(content);
}

long long CKT2Doc::ParseDatabaseContent(std::string_view content) {
    m_arRecords.reserve(m_arRecords.size() + static_cast<size_t>(std::count(content.begin(), content.end(), '\n')) + 1);

    // Lines are cut as SplitLines cuts them, but as views into the file's bytes, so that a plain
    // line costs no allocation before its fields become the record's strings.
    long long lines = 0;
    std::string decoded;
    const std::string_view all = SkipByteOrderMark(content);
    size_t start = 0;
    while (start < all.size()) {
        const size_t nl = all.find('\n', start);
        std::string_view line;
        if (nl == std::string_view::npos) {
            line = all.substr(start);
            start = all.size();
        } else {
            size_t end = nl;
            if (end > start && all[end - 1] == '\r') --end;
            line = all.substr(start, end - start);
            start = nl + 1;
        }
        ++lines;
        if (NeedsDecoding(line)) {
            decoded = DecodeLine(line);
            ParseRecordView(decoded);
        } else {
            ParseRecordView(line);
        }
    }
    return lines;
}

void CKT2Doc::ParseRecordLine(const std::string& line) { ParseRecordView(line); }

void CKT2Doc::ParseRecordView(std::string_view line) {
    size_t tab = line.find('\t');
    // The header and empty lines hold no tab: their number means nothing to the database.
    if (tab == std::string_view::npos) return;
    const Time64 date = static_cast<Time64>(ScanU64Or(line.substr(0, tab), 0));
    std::string_view rest = line.substr(tab + 1);

    // type, description, duration, location, calories, weight: each only when a tab ends it.
    constexpr int kLeadingFields = 6;
    std::string_view fields[kLeadingFields];
    int taken = 0;
    while (taken < kLeadingFields) {
        tab = rest.find('\t');
        if (tab == std::string_view::npos) break;
        fields[taken++] = rest.substr(0, tab);
        rest = rest.substr(tab + 1);
    }
    const double duration = taken > 2 ? ScanDoubleOr(fields[2], 0.0) : 0.0;
    const double calories = taken > 4 ? ScanDoubleOr(fields[4], 0.0) : 0.0;
    const double weight = taken > 5 ? ScanDoubleOr(fields[5], 0.0) : 0.0;

    std::string_view notes;
    if (taken == kLeadingFields) {
        tab = rest.find('\t');
        if (tab == std::string_view::npos) {
            // Files of earlier versions have no unit field; their weights are pounds.
            notes = rest;
            m_bMetric = false;
        } else {
            m_bMetric = ScanIntOr(rest.substr(0, tab), 0) > 0;
            // The notes start after the unit field's tab. Every file holds a one-character flag
            // there; a longer or empty one must not cost the notes a character or add a tab.
            notes = rest.substr(tab + 1);
        }
    }
    if (weight > 0) m_dLastWeight = weight;
    m_arRecords.emplace_back(date, std::string(fields[0]), std::string(fields[1]), duration, std::string(fields[3]), calories, weight,
                             m_bMetric ? 1 : 0, std::string(notes));
}

std::vector<std::string> CKT2Doc::DatabaseLines(Time64 saveTime) const {
    std::vector<std::string> lines;
    lines.reserve(m_arRecords.size() + 1);
    lines.push_back(Format(journal::kHeaderFormat, static_cast<unsigned long long>(saveTime)));
    for (const CEventRecord& record : m_arRecords) lines.push_back(DatabaseRecordLine(record));
    return lines;
}

bool CKT2Doc::SaveDatabase(Prompter& prompter, const Clock& clock) {
    const std::filesystem::path path = DatabasePath();
    FileError error;
    bool saved = false;
    std::error_code ec;
    if (!m_unreadableFile.empty() && m_unreadableFile == path && std::filesystem::exists(path, ec)) {
        const std::string question = Format(journal::kReplaceUnreadableFormat, path.string().c_str(), static_cast<int>(m_arRecords.size()));
        if (!prompter.AskYesNoDefaultNo(question)) return false;
    }
    if (m_strDataFolder.empty()) {
        error.code = ENOENT;
        error.message = std::strerror(ENOENT);
    } else {
        saved = WriteTextFileAtomic(path, DatabaseLines(clock.Now()), &error);
    }
    if (!saved) {
        prompter.Message(
            Format(journal::kSaveFailedFormat, path.string().c_str(), static_cast<unsigned>(error.code), error.message.c_str()));
        return false;
    }
    m_bChanged = false;
    m_unreadableFile.clear();
    return true;
}

void CKT2Doc::SortByDate() {
    const auto earlier = [](const CEventRecord& a, const CEventRecord& b) { return a.m_time < b.m_time; };
    // After a capture only the appended records are out of place; an ordered array is left alone.
    if (std::is_sorted(m_arRecords.begin(), m_arRecords.end(), earlier)) return;
    std::stable_sort(m_arRecords.begin(), m_arRecords.end(), earlier);
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
    for (size_t i = 0; i < m_arRecords.size(); ++i) {
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

std::string CKT2Doc::TitleText() const {
    if (m_arRecords.empty()) return std::string();
    return Format(journal::kTitleFormat, FormatTime(m_arRecords.front().m_time, journal::kTitleDateFormat).c_str());
}

}  // namespace kt
