#include "core/journal/Archive.h"

#include <algorithm>
#include <system_error>

#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/journal/Texts.h"

namespace kt {
namespace {

constexpr Time64 kAutoArchiveWait = 2678400;  // 31 days: the month before the cut is complete by then

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The names of the regular files in `folder` that `keep` accepts, sorted.
template <typename Keep>
std::vector<std::string> ListNames(const std::filesystem::path& folder, Keep keep) {
    std::vector<std::string> names;
    if (folder.empty()) return names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (keep(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

TextSpan Span(size_t start, size_t length, bool bold, bool italic, Rgb colour) {
    TextSpan span;
    span.start = start;
    span.length = length;
    span.bold = bold;
    span.italic = italic;
    span.colour = colour;
    return span;
}

}  // namespace

std::string BackupFileName(Time64 now) { return Format(journal::kBackupNameFormat, FormatTime(now, journal::kFileDateFormat).c_str()); }

std::string ArchiveFileName(Time64 cut) {
    return Format(journal::kArchiveNameFormat, FormatTime(cut - kSecondsPerDay, journal::kFileDateFormat).c_str());
}

bool IsDatabaseFileName(std::string_view name) {
    const std::string_view prefix = journal::kDatabasePrefix;
    const std::string_view extension = journal::kDatabaseExtension;
    return name.size() >= prefix.size() + extension.size() && name.substr(0, prefix.size()) == prefix &&
           name.substr(name.size() - extension.size()) == extension;
}

bool IsBackupFileName(std::string_view name) { return Contains(name, journal::kBackupMark); }

bool IsArchiveFileName(std::string_view name) { return Contains(name, journal::kArchiveMark); }

std::vector<std::string> ListDatabaseFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names = ListNames(
        folder, [](const std::string& n) { return IsDatabaseFileName(n) && !IsBackupFileName(n) && n != journal::kDatabaseFileName; });
    std::error_code ec;
    if (!folder.empty() && std::filesystem::is_regular_file(folder / journal::kDatabaseFileName, ec))
        names.push_back(journal::kDatabaseFileName);
    return names;
}

std::vector<std::string> ListArchiveFiles(const std::filesystem::path& folder) {
    return ListNames(folder, [](const std::string& n) { return IsDatabaseFileName(n) && !IsBackupFileName(n) && IsArchiveFileName(n); });
}

std::optional<Time64> CutDateForChoice(int choice, Time64 today) {
    // Days are counted on the calendar: 7 days of 86400 seconds back from a midnight after the
    // spring clock change end at 23:00 of the day before, and the archive would take that day
    // while its name and the dialog said otherwise.
    const LocalDate d = ToLocal(today);
    const auto daysBack = [&d](int days) { return LocalMidnight(d.year, d.month, d.day - days); };
    switch (choice) {
        case kCutWeekStart:
            return daysBack(d.weekday);
        case kCutWeekAgo:
            return daysBack(7);
        case kCutMonthStart:
            return LocalMidnight(d.year, d.month, 1);
        case kCutMonthAgo:
            return daysBack(30);
        case kCutYearStart:
            return LocalMidnight(d.year, 1, 1);
        case kCutYearAgo:
            return daysBack(IsLeapYear(d.year) ? 366 : 365);
        default:
            return std::nullopt;
    }
}

MonthDay ReadMonthDay(std::string_view text) {
    MonthDay md;
    const auto first = ScanInt(text);
    if (!first) return md;
    md.month = *first;
    md.day = ScanIntOr(text.substr(LeadingIntegerLength(text)), 0);
    return md;
}

std::optional<Time64> AutoArchiveCut(int month, int day, Time64 now, const std::filesystem::path& folder) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const Time64 cut = LocalMidnight(ToLocal(now).year, month, day);
    if (now < cut + kAutoArchiveWait) return std::nullopt;
    // This year's archive exists: the yearly archive has been made.
    std::error_code ec;
    if (folder.empty() || std::filesystem::exists(folder / ArchiveFileName(cut), ec) || ec) return std::nullopt;
    return cut;
}

std::string AutoArchiveAfterRecombine(const std::string& setting, bool boxTicked) {
    return boxTicked ? setting : std::string(journal::kAutoArchiveOff);
}

StyledText ArchiveInfoText(Time64 cut) {
    StyledText s;
    s.defaultColour = {0, 0, 255};
    const std::string date = FormatTime(cut, journal::kLongDateFormat);
    s.Append(Format(journal::kArchiveInfoFormat, date.c_str()));
    // From "Clicking" to the "to" of "prior to"; the date runs from there to the full stop.
    const std::string_view priorTo = "prior to";
    const size_t clicking = s.text.find("Clicking");
    const size_t greenEnd = s.text.find(priorTo, clicking) + priorTo.size();
    const size_t stop = s.text.find('.', greenEnd);
    s.spans.push_back(Span(clicking, greenEnd - clicking, true, true, {0, 128, 0}));
    s.spans.push_back(Span(greenEnd, stop - greenEnd, true, true, {220, 0, 0}));
    return s;
}

std::string ArchiveConfirmQuestion(Time64 cut) {
    return Format(journal::kArchiveConfirmFormat, FormatTime(cut, journal::kLongDateFormat).c_str());
}

StyledText AutoArchiveReport(Time64 cut, const std::vector<std::string>& archiveNames) {
    StyledText s;
    s.defaultColour = {0, 0, 160};
    const std::string date = FormatTime(cut, journal::kLongDateFormat);
    const std::string endDate = FormatTime(cut - kSecondsPerDay, journal::kFileDateFormat);
    s.Append(Format(journal::kReportFormat, date.c_str(), endDate.c_str()));
    const Rgb darkRed{160, 0, 0};
    // The date stands between "from " and " to"; the new file name from "ExerciseData" to its "edb".
    const size_t dateStart = s.text.find("from ") + 5;
    s.spans.push_back(Span(dateStart, date.size(), true, false, darkRed));
    const size_t nameStart = s.text.find(journal::kDatabasePrefix);
    const size_t nameEnd = s.text.find("edb", nameStart) + 3;
    s.spans.push_back(Span(nameStart, nameEnd - nameStart, true, false, darkRed));
    if (archiveNames.size() >= 2) {
        s.Append(Format(journal::kReportOthersFormat, static_cast<int>(archiveNames.size()) - 1));
        for (const std::string& name : archiveNames) {
            if (!Contains(name, endDate)) s.Append(Format(journal::kReportNameFormat, name.c_str()));
        }
    }
    s.Append(journal::kReportRecombineHint);
    return s;
}

StyledText RecombineQuestion() {
    StyledText s;
    s.defaultColour = {0, 0, 160};
    s.Append(journal::kRecombineQuestion);
    const size_t sentence = s.text.find("All archived");
    const size_t sentenceEnd = s.text.find('.', sentence) + 1;
    s.spans.push_back(Span(sentence, sentenceEnd - sentence, true, true, {0, 160, 0}));
    const size_t question = s.text.find("Do you");
    s.spans.push_back(Span(question, s.text.size() - question, true, false, {160, 0, 0}));
    return s;
}

std::string RecombineCheckCaption(const std::string& setting, Time64 now) {
    const MonthDay md = ReadMonthDay(setting);
    if (md.month < 1 || md.day < 1) return journal::kAutoArchiveCaption;
    const Time64 day = LocalMidnight(ToLocal(now).year, md.month, md.day);
    return Format(journal::kAutoArchiveOnFormat, FormatTime(day, journal::kAutoArchiveDayFormat).c_str());
}

std::string CountdownCaption(Time64 remaining) {
    const int seconds = remaining > 0 ? static_cast<int>(remaining % 60) : 0;
    return Format(journal::kCountdownFormat, Format("%02d", seconds).c_str());
}

}  // namespace kt
