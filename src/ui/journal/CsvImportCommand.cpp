#include "ui/journal/CsvImportCommand.h"

#include "core/base/Prompter.h"
#include "core/journal/CsvImport.h"
#include "core/journal/Texts.h"
#include "ui/base/FileDialogs.h"
#include "ui/base/QtText.h"

namespace kt::ui {

int ImportCsvFile(kt::CKT2Doc& doc, const kt::ActivityTable& table, const std::vector<uint16_t>& selected, kt::Prompter& prompter,
                  QWidget* parent) {
    const QString path = AskOpenFileName(parent, ToQ(kt::journal::kCsvFilter));
    if (path.isEmpty()) return 0;
    const std::string name = FromQ(path);
    kt::CsvImport import;
    kt::FileError error;
    if (!kt::ReadCsvImport(name, doc, table, selected, import, &error)) {
        prompter.Message(kt::CsvReadFailedMessage(name, error));
        return 0;
    }
    const int added = static_cast<int>(import.records.size());
    const std::string report = kt::CsvImportReport(import, name);
    kt::AddImportedRecords(doc, std::move(import));
    prompter.Message(report);
    return added;
}

}  // namespace kt::ui
