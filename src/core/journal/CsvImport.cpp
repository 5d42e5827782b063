#include "core/journal/CsvImport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/base/TextCodec.h"
#include "core/base/Units.h"
#include "core/entry/Texts.h"
#include "core/journal/DuplicateIndex.h"
#include "core/journal/KT2Doc.h"
#include "core/journal/Texts.h"

namespace kt {
namespace {

// The spreadsheet day numbers of 1899-12-31 and 9999-12-31: a number outside names no day any
// spreadsheet writes, and is a sign of a column that holds something else.
constexpr int64_t kFirstDayNumber = 1;
constexpr int64_t kLastDayNumber = 2958465;

enum Column { kDay, kType, kDescription, kDuration, kLocation, kCalories, kWeight, kUnit, kNotes, kColumns };

// Spreadsheets save their own files as UTF-8, often with a byte-order mark; the export's own
// bytes are the journal's encoding. A text that is valid UTF-8 and uses it is taken as UTF-8:
// Latin-1 text only looks like UTF-8 by accident of rare letter pairs.
std::string DecodeCsvBytes(std::string_view bytes) {
    const std::string_view content = SkipByteOrderMark(bytes);
    if (content.size() != bytes.size()) return std::string(content);
    const bool highBytes = std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (highBytes && CodePointsToUtf8(Utf8ToCodePoints(bytes)) == bytes) return std::string(bytes);
    return DecodeLine(bytes);
}

// The whole field, blanks around it aside, must be the number: "12 kg" is refused rather than
// read as 12.
std::optional<double> WholeNumber(std::string_view field) {
    const std::string text = Trim(field);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int64_t> WholeInteger(std::string_view field) {
    const std::string text = Trim(field);
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct Row {
    CEventRecord record;
    bool caloriesGiven = true;
};

// One line's fields as a record, or nothing when the row cannot be read.
// A file holds many rows per day; each day's midnight is worked out once.
class Midnights {
public:
    Time64 Of(int64_t dayNumber) {
        auto [it, inserted] = m_days.try_emplace(dayNumber, 0);
        if (inserted) it->second = MidnightOfOleDay(dayNumber);
        return it->second;
    }

private:
    std::unordered_map<int64_t, Time64> m_days;
};

std::optional<Row> ParseRow(const std::vector<std::string>& f, const CKT2Doc& doc, Midnights& midnights) {
    // Without notes a spreadsheet may drop the last column; columns it adds beyond it must be empty.
    if (f.size() < kNotes) return std::nullopt;
    for (size_t k = kColumns; k < f.size(); ++k) {
        if (!Trim(f[k]).empty()) return std::nullopt;
    }
    const std::optional<int64_t> dayNumber = WholeInteger(f[kDay]);
    if (!dayNumber || *dayNumber < kFirstDayNumber || *dayNumber > kLastDayNumber) return std::nullopt;
    Row row;
    CEventRecord& r = row.record;
    r.m_strType = Trim(SanitizeFieldText(f[kType]));
    if (r.m_strType.empty()) return std::nullopt;
    const std::optional<double> duration = WholeNumber(f[kDuration]);
    if (!duration) return std::nullopt;
    r.m_dDuration = *duration;
    if (Trim(f[kCalories]).empty()) {
        row.caloriesGiven = false;
    } else if (const auto calories = WholeNumber(f[kCalories])) {
        r.m_dCalories = *calories;
    } else {
        return std::nullopt;
    }
    if (!Trim(f[kWeight]).empty()) {
        const std::optional<double> weight = WholeNumber(f[kWeight]);
        if (!weight) return std::nullopt;
        r.m_dWeight = *weight;
    }
    if (Trim(f[kUnit]).empty()) {
        r.m_bMetric = doc.m_bMetric ? 1 : 0;
    } else if (const auto unit = WholeInteger(f[kUnit])) {
        r.m_bMetric = *unit > 0 ? 1 : 0;
    } else {
        return std::nullopt;
    }
    r.m_time = midnights.Of(*dayNumber);
    // Texts as the grid capture takes them: type and description trimmed, location and notes as
    // typed; no text may carry a tab or line break into the database file.
    r.m_strDescription = Trim(SanitizeFieldText(f[kDescription]));
    r.m_strLocation = SanitizeFieldText(f[kLocation]);
    if (f.size() > kNotes) r.m_strNotes = SanitizeFieldText(f[kNotes]);
    return row;
}

// The calorie formula works in the document's unit; a row's weight is in its own.
double WeightInDocumentUnit(const CEventRecord& r, const CKT2Doc& doc) {
    if ((r.m_bMetric != 0) == doc.m_bMetric) return r.m_dWeight;
    return doc.m_bMetric ? r.m_dWeight / kPoundsPerKilogram : r.m_dWeight * kPoundsPerKilogram;
}

bool IsBlankLine(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return Trim(f).empty(); });
}

}  // namespace

std::vector<std::string> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields;
    size_t i = 0;
    while (true) {
        if (i < line.size() && line[i] == '"') {
            std::string quoted;
            size_t j = i + 1;
            bool closed = false;
            while (j < line.size()) {
                if (line[j] == '"') {
                    if (j + 1 < line.size() && line[j + 1] == '"') {
                        quoted += '"';
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                quoted += line[j++];
            }
            if (closed && (j == line.size() || line[j] == ',')) {
                fields.push_back(std::move(quoted));
                if (j == line.size()) return fields;
                i = j + 1;
                continue;
            }
        }
        const size_t comma = line.find(',', i);
        if (comma == std::string_view::npos) {
            fields.emplace_back(line.substr(i));
            return fields;
        }
        fields.emplace_back(line.substr(i, comma - i));
        i = comma + 1;
    }
}

CsvImport PlanCsvImport(std::string_view bytes, const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected) {
    CsvImport import;
    const std::vector<std::string> lines = SplitLines(DecodeCsvBytes(bytes));
    std::vector<Row> rows;
    rows.reserve(lines.size());
    Midnights midnights;
    bool first = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> fields = SplitCsvLine(lines[i]);
        if (IsBlankLine(fields)) continue;
        const bool header = first && Trim(fields[kDay]) == journal::kCsvDateHeading;
        first = false;
        if (header) continue;
        if (std::optional<Row> row = ParseRow(fields, doc, midnights)) {
            rows.push_back(std::move(*row));
        } else {
            import.refusedLines.push_back(static_cast<int>(i + 1));
        }
    }
    if (rows.empty()) return import;

    const auto [lowest, highest] =
        std::minmax_element(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.record.m_time < b.record.m_time; });
    DuplicateIndex index(doc, lowest->record.m_time, highest->record.m_time);
    // The index points into `records`: it must never reallocate.
    import.records.reserve(rows.size());
    for (Row& row : rows) {
        CEventRecord& r = row.record;
        if (index.Contains(r.m_time, r.m_strType, r.m_strDescription, r.m_dDuration, r.m_strLocation)) {
            ++import.duplicates;
            continue;
        }
        if (!row.caloriesGiven) {
            r.m_dCalories = CalculateCalories(table, selected, doc.m_bMetric, doc.m_dLastWeight, r.m_dDuration,
                                              WeightInDocumentUnit(r, doc), r.m_strType);
            std::string notes = r.m_strNotes;
            if (!notes.empty()) notes += ' ';
            r.m_strNotes = notes + entry_text::kFormulaNote;
        }
        import.records.push_back(std::move(r));
        index.Add(import.records.back());
    }
    return import;
}

bool ReadCsvImport(const std::filesystem::path& path, const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected,
                   CsvImport& import, FileError* error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes, error)) return false;
    import = PlanCsvImport(bytes, doc, table, selected);
    return true;
}

void AddImportedRecords(CKT2Doc& doc, CsvImport import) {
    if (import.records.empty()) return;
    // One change for the views: the records go in at the end, then into date order.
    const JournalBatch batch(doc);
    doc.AppendRecords(std::move(import.records));
    doc.SortByDate();
}

std::string CsvImportReport(const CsvImport& import, const std::string& fileName) {
    std::string text = Format(journal::kCsvImportReportFormat, fileName.c_str(), static_cast<int>(import.records.size()), import.duplicates,
                              static_cast<int>(import.refusedLines.size()));
    if (import.refusedLines.empty()) return text;
    std::string lines;
    const size_t shown = std::min(import.refusedLines.size(), static_cast<size_t>(journal::kCsvRefusedLinesShown));
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0) lines += ", ";
        lines += std::to_string(import.refusedLines[i]);
    }
    if (shown < import.refusedLines.size()) {
        lines = Format(journal::kCsvMoreLinesFormat, lines.c_str(), static_cast<int>(import.refusedLines.size() - shown));
    }
    return text + Format(journal::kCsvRefusedLinesFormat, lines.c_str());
}

std::string CsvReadFailedMessage(const std::string& fileName, const FileError& error) {
    return Format(journal::kCsvReadFailedFormat, fileName.c_str(), static_cast<unsigned>(error.code), error.message.c_str());
}

}  // namespace kt
