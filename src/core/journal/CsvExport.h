#pragma once
// The records of a date range as a comma-separated values file for a spreadsheet. Nothing is
// quoted: commas inside texts are replaced (a hyphen in the activity type, a blank elsewhere), so
// every row keeps its nine columns. The file uses the journal's text encoding (one byte per
// character, CR LF line ends).

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/LocalTime.h"

namespace kt {

class CKT2Doc;
class Prompter;

// The header line, then one row per record of the array, in array order, with from <= m_time <=
// to (both ends included). UTF-8 text, no line ends.
std::vector<std::string> CsvLines(const CKT2Doc& doc, Time64 from, Time64 to);

// Writes CsvLines to `path` (created or replaced through a temporary file). A file that cannot
// be created is reported through `prompter` and false is returned; nothing is written then.
bool ExportCsv(const CKT2Doc& doc, const std::filesystem::path& path, Time64 from, Time64 to, Prompter& prompter);

}  // namespace kt
