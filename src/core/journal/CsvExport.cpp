#include "core/journal/CsvExport.h"

#include <algorithm>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/Prompter.h"
#include "core/base/Text.h"
#include "core/base/Units.h"
#include "core/journal/KT2Doc.h"
#include "core/journal/Texts.h"

namespace kt {
namespace {

// A line break would split a row in two; tabs are harmless but never part of a stored text.
std::string CsvText(const std::string& text, char commaReplacement) {
    std::string out = SanitizeFieldText(text);
    std::replace(out.begin(), out.end(), ',', commaReplacement);
    return out;
}

}  // namespace

std::vector<std::string> CsvLines(const CKT2Doc& doc, Time64 from, Time64 to) {
    std::vector<std::string> lines;
    lines.push_back(Format(journal::kCsvHeaderFormat, UnitName(doc.m_bMetric)));
    for (const CEventRecord& r : doc.Records()) {
        if (r.m_time < from || r.m_time > to) continue;
        // The spreadsheet day number depends on the local date alone, so a record keeps its day
        // whatever the zone's offset was at its midnight.
        lines.push_back(Format(journal::kCsvRowFormat, static_cast<long long>(OleDayNumber(r.m_time)), CsvText(r.m_strType, '-').c_str(),
                               CsvText(r.m_strDescription, ' ').c_str(), r.m_dDuration, CsvText(r.m_strLocation, ' ').c_str(),
                               r.m_dCalories, r.m_dWeight, r.m_bMetric != 0 ? 1 : 0, CsvText(r.m_strNotes, ' ').c_str()));
    }
    return lines;
}

bool ExportCsv(const CKT2Doc& doc, const std::filesystem::path& path, Time64 from, Time64 to, Prompter& prompter) {
    FileError error;
    if (WriteTextFileAtomic(path, CsvLines(doc, from, to), &error)) return true;
    prompter.Message(
        Format(journal::kCsvCreateFailedFormat, path.string().c_str(), static_cast<unsigned>(error.code), error.message.c_str()));
    return false;
}

}  // namespace kt
