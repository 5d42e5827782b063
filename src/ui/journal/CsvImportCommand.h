#pragma once
// "Import CSV file...": reads records from a CSV file in the export's layout into the journal.

#include <cstdint>
#include <vector>

class QWidget;

namespace kt {
class ActivityTable;
class CKT2Doc;
class Prompter;
}  // namespace kt

namespace kt::ui {

// Asks for the file, adds its new records to `doc` (sorted by date, changed flag set) and reports
// how many rows were added, skipped as duplicates and refused. A file that cannot be read changes
// nothing. Returns the number of records added, so the caller can refresh what shows them.
int ImportCsvFile(kt::CKT2Doc& doc, const kt::ActivityTable& table, const std::vector<uint16_t>& selected, kt::Prompter& prompter,
                  QWidget* parent);

}  // namespace kt::ui
