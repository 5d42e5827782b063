#pragma once
// Reading records back from a CSV file in the export's layout: day number, type, description,
// duration (minutes), location, calories, weight, unit flag, notes. Fields may also be quoted as
// spreadsheets write them ("a, b" and "say ""hi"""). Rows go through the rules of a grid capture:
// type and description trimmed, calories worked out by the formula (with its note) when the
// calories cell is empty, and a row the journal already holds (FindRecord's test) is skipped.
//
// The import is worked out first and applied afterwards, so a file that cannot be read, or a
// user who changes their mind, leaves the journal exactly as it was.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/AtomicFile.h"
#include "core/journal/EventRecord.h"

namespace kt {

class ActivityTable;
class CKT2Doc;

struct CsvImport {
    std::vector<CEventRecord> records;  // the new records, in file order
    int duplicates = 0;                 // rows the journal, or an earlier row of the file, already holds
    std::vector<int> refusedLines;      // line numbers (from 1) of rows that could not be read
};

// The fields of one line. A field that starts with a double quote and whose closing quote is
// followed by a comma or the line's end is unquoted ("" stands for one quote); any other quote
// is plain text, so the export's unquoted texts read back as they were written.
std::vector<std::string> SplitCsvLine(std::string_view line);

// Works out the import of a file's bytes against `doc` without changing it. The bytes are the
// journal's encoding, or UTF-8 when they carry a byte-order mark or are valid UTF-8 (as
// spreadsheets save them). `selected` are the selected activities for the calorie formula.
CsvImport PlanCsvImport(std::string_view bytes, const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected);

// Reads `path` and plans its import. False (and `error` filled) when the file cannot be read.
bool ReadCsvImport(const std::filesystem::path& path, const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected,
                   CsvImport& import, FileError* error = nullptr);

// Appends the planned records, orders the array by date and marks the document changed (when
// anything was added).
void AddImportedRecords(CKT2Doc& doc, CsvImport import);

// The message that tells the user what the import did; `fileName` as the user chose it.
std::string CsvImportReport(const CsvImport& import, const std::string& fileName);
// The message for a file that could not be read.
std::string CsvReadFailedMessage(const std::string& fileName, const FileError& error);

}  // namespace kt
