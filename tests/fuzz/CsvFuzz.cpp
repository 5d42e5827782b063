// A CSV file read into a journal: every record it adds is a clean database record (a local
// midnight, no text that would shift a field), reading the same file again adds nothing and
// counts every added row as a duplicate, and the records survive a save and a load.

#include "core/activities/ActivityTable.h"
#include "core/base/TextCodec.h"
#include "core/journal/CsvImport.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const kt::ActivityTable table;
    static const std::vector<uint16_t> selected = kt::DefaultSelectedActivities();
    const std::string_view bytes = kt::fuzz::Bytes(data, size);
    kt::CKT2Doc doc;
    doc.m_dLastWeight = 80;
    kt::CsvImport first = kt::PlanCsvImport(bytes, doc, table, selected);
    for (const kt::CEventRecord& r : first.records) {
        kt::fuzz::Expect(kt::MidnightOf(r.m_time) == r.m_time, "a record's date is a local midnight", kt::DatabaseRecordLine(r));
        for (const kt::SharedText* text : {&r.m_strType, &r.m_strDescription, &r.m_strLocation, &r.m_strNotes})
            kt::fuzz::Expect(text->str().find_first_of(std::string("\t\r\n\0", 4)) == std::string::npos, "no text breaks a field",
                             kt::DatabaseRecordLine(r));
    }
    const size_t added = first.records.size();
    const int duplicates = first.duplicates;
    const size_t refused = first.refusedLines.size();
    kt::AddImportedRecords(doc, std::move(first));

    const kt::CsvImport again = kt::PlanCsvImport(bytes, doc, table, selected);
    kt::fuzz::Expect(again.records.empty(), "a file read twice adds nothing the second time");
    kt::fuzz::Expect(
        static_cast<size_t>(again.duplicates) == added + static_cast<size_t>(duplicates) && again.refusedLines.size() == refused,
        "the second reading finds every row again");

    kt::CKT2Doc loaded;
    loaded.ParseDatabaseContent(kt::EncodeText(doc.DatabaseLines(1)));
    kt::fuzz::Expect(loaded.Records().size() == doc.Records().size(), "imported records survive a save");
    return 0;
}
